// Locate on a picture ("Acerte o Local"): the pictures in play, the labels
// of each, and the judging of the targets.  Target q of a picture takes the
// label Rotulo q; the student's captions are judged in target order and a
// wrong one is emptied, so a picture is done only when every target holds
// its own label.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "files/registros.h"
#include "player/activities/rules/selecao.h"

namespace zelmo::regras {

// K: the labels Rotulo 1, 2, ... that stand before the first empty one.
int NumeroRotulos(const files::RegFigura& figura);

// Two pictures are the same when their six labels, joined end to end,
// are equal byte for byte (the picture's name is not compared).
bool FiguraDuplicada(const files::RegFigura& novo, const files::RegFigura& aceito);

// Verified as stored, kept whole, duplicates by the rule above.
const RegrasSelecao<files::RegFigura>& RegrasFiguras();

// What a press of "Pronto" found.
struct JulgamentoLocal {
  bool incompleto = false;    // a target is empty: nothing was counted
  bool completa = false;      // every target holds its own label
  QList<int> errados;         // targets (1..K) to be emptied
};

class JogoLocal {
 public:
  explicit JogoLocal(QList<files::RegFigura> figuras);

  int N() const { return static_cast<int>(figuras_.size()); }
  // The picture shown, from 0 (-1 before the first); also the pictures done.
  int i() const { return i_; }
  int acertos() const { return acertos_; }
  int erros() const { return erros_; }
  const files::RegFigura& figura() const { return figuras_.at(i_); }
  int K() const { return k_; }
  // The label that belongs on target q (1..K).
  QString rotulo(int q) const;

  // The next picture; false when every picture is done.
  bool Proximo();
  // Judges the targets' captions (captions[q - 1] is target q's); adds the
  // wrong ones to `listaErros` as "<picture> - <caption>".
  JulgamentoLocal Julga(const QStringList& captions, QStringList* listaErros);

  // The pictures completed over the pictures chosen.
  int Porcentagem() const;
  QStringList LinhasContagem(int consultas) const;

 private:
  QList<files::RegFigura> figuras_;
  int i_ = -1;
  int k_ = 0;
  int acertos_ = 0;
  int erros_ = 0;
};

}  // namespace zelmo::regras
