// What the exercise windows that judge with "Pronto" share (fill-in
// phrases, tests, association, true or false): the title, the right and
// wrong counters, the item or round label, the navy background panel and the
// default button btnPronto.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "player/atividade.h"

namespace zelmo {

// Where a window places its labels and btnPronto.
struct DesenhoExercicio {
  const char* caption;  // the window's and lblTitulo's text
  int leftAcertos;
  int leftErros;
  int leftRodada;
  int larguraRodada;
  LinhaBotoes linha;    // Pronto188 or Pronto116
  regras::VarianteConclusao conclusao = regras::VarianteConclusao::Primeira;
};

class TfrmExercicio : public TfrmAtividade {
  Q_OBJECT
 public:
  TfrmExercicio(QWidget* dono, const DesenhoExercicio& desenho);

  QLabel* lblTitulo;
  QLabel* lblAcertos;
  QLabel* lblErros;
  QLabel* lblRodada;
  QPushButton* btnPronto;

  virtual void btnProntoClick() = 0;

 protected:
  // The navy background panel at 8, 34, 625 x 409 with its lowered bevel.
  QFrame* CriaPanel1();
  // "Acertos: <certas>", "Erros: <erradas>", then the change is painted.
  void MostraContagem(int certas, int erradas);
  void ZeraContadores() override;
};

}  // namespace zelmo
