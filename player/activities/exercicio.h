// What the exercise windows that judge with "Pronto" share (fill-in
// phrases, tests, association, true or false): the title, the right and
// wrong counters, the item or round label, the navy background panel and the
// default button btnPronto.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "player/activities/rules/exercicio.h"
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
  const char* rodada;   // lblRodada's design text: "Frase 1 de 5"
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
  // "Acertos: <certas>", "Erros: <erradas>".
  void MostraContagem(int certas, int erradas);
  void ZeraContadores() override;
  // After a judged press: the change is painted, then (unless the activity
  // was left meanwhile) the right sound and the next item or round, or the
  // wrong sound.
  void Julgou(bool certo);

  // The exercise's rules (none before loading).
  virtual const regras::JogoExercicio* Exercicio() const = 0;
  int Porcentagem() const final;
  int Erros() const final;
  QStringList LinhasContagem() const final;
};

}  // namespace zelmo
