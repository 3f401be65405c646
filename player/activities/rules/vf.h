// True or false: each round turns up to five phrases into statements, each
// filled with its right option (true) or one of its wrong options (false),
// and the student marks each one "Verdadeiro" or "Falso".
#pragma once

#include <QList>
#include <array>

#include "files/convencoes.h"
#include "files/registros.h"
#include "player/activities/rules/rodadas.h"

namespace zelmo::regras {

// The marks: item 0 of a mark group is "Verdadeiro", item 1 "Falso".
inline constexpr int kVerdadeiro = 0;
inline constexpr int kFalso = 1;

// The font colour of a mark group.
enum class CorMarca { Branca, Amarela, Vermelha };

class JogoVF : public JogoRodadas {
 public:
  using JogoRodadas::JogoRodadas;

  // Every statement empty, no marks, the groups white.
  void Limpa();
  // A new round over the drawn phrases (statements 1..K, K their count up to
  // 5).  For each statement in turn: Random(100); from 50 up it is false and
  // Random(3) picks the wrong option.  A false statement that reads exactly
  // as the true one (the wrong option fills the gaps as the right one does,
  // or the phrase has no gap) is true.
  void NovaRodada(const QList<files::RegFrase>& frases, files::Aleatorio& gerador);

  bool emJogo(int n) const { return n >= 1 && n <= frases_.size(); }
  QString afirmacao(int n) const;
  int resposta(int n) const;  // kVerdadeiro or kFalso
  int marca(int n) const;     // -1: none
  CorMarca cor(int n) const;

  // Group n got item `item` (it turns yellow).
  void Marca(int n, int item);
  // "Pronto": with a statement unmarked nothing is counted; else each wrong
  // mark turns red and lists the right mark with the statement as shown.
  Julgado Pronto();

 private:
  QList<files::RegFrase> frases_;
  std::array<QString, kPorRodada> afirmacoes_;
  std::array<int, kPorRodada> respostas_{};
  std::array<int, kPorRodada> marcas_{-1, -1, -1, -1, -1};
  std::array<CorMarca, kPorRodada> cores_{};
};

}  // namespace zelmo::regras
