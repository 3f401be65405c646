// Word search: the words hide among random filler letters and the student
// marks their cells; a round ends when every word cell is marked and no
// filler cell is.
#pragma once

#include <array>

#include "player/activities/rules/tabuleiro.h"

namespace zelmo::regras {

class CacaPalavras : public Tabuleiro {
 public:
  CacaPalavras(int rodadas, int quant, files::Aleatorio& gerador);

  void Limpa() override;
  // A random capital letter A..Z in every empty cell; the word cells are
  // the letters to find.
  void PreencheVazios() override;

  bool marcada(int n) const { return Dentro(n) && marcada_[n]; }
  // Marks an unmarked cell, unmarks a marked one; false (nothing changed)
  // outside the board, before it is built or once the answer is shown.
  bool Marca(int n);
  // "Letras Ocultas: " counts down with the word cells marked.
  int letrasOcultas() const { return ocultas_ - acertos_; }

  VistaCasa Vista(int n) const override;
  // The cells of word k still unmarked.
  QList<int> CasasDaAjuda(int k) const override;

 private:
  std::array<bool, kCasas> marcada_{};
  bool montado_ = false;
};

}  // namespace zelmo::regras
