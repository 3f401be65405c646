// Crossword: only the cells of the words are shown, each word after its
// number cell; the student moves a cursor over the letter cells and types
// the letters.  A round ends when every letter cell holds its own letter.
#pragma once

#include <QChar>
#include <array>

#include "player/activities/rules/tabuleiro.h"

namespace zelmo::regras {

class Cruzadas : public Tabuleiro {
 public:
  Cruzadas(int rodadas, int quant, files::Aleatorio& gerador);

  void Limpa() override;
  // Counts the letter cells and puts the cursor on the first letter of the
  // first word; nothing is filled.
  void PreencheVazios() override;

  // A cell of a word that is not its number cell.
  bool casaLetra(int n) const { return daPalavra(n) && !casaNumero(n); }
  // A letter cell nothing (or only blanks) was typed into.
  bool casaLivre(int n) const;
  QString digitado(int n) const { return Dentro(n) ? digitado_[n] : QString(); }
  // What the cell shows: the typed character, the clue number, or nothing.
  QString rotulo(int n) const;
  int cursor() const { return cursor_; }
  Direcao direcao() const { return direcao_; }
  // The cell the cursor starts on: the first letter of the first word.
  int inicio() const { return CasasDeLetras(0).value(0, -1); }

  // A click: the cursor goes to letter cell n (the direction stays); false
  // for any other cell.
  bool Clica(int n);
  // A character that can be entered: not a control character, and one the
  // code page holds.
  static bool Entravel(QChar c);
  // Character c (upper-cased as the code page does) typed at the cursor,
  // and the cells recounted; false when the cell already shows it or c
  // cannot be entered.
  bool Digita(QChar c);
  // Backspace: clears the cursor's cell when it holds something; else the
  // cursor steps back one cell (left across, up down) onto a letter cell and
  // clears it.  False when nothing changed; *andou tells whether the cursor
  // moved.
  bool Apaga(bool* andou);
  // The cursor to the next free letter cell across (down), jumping over at
  // most one filled cell and never leaving the row (the grid); true when it
  // moved, and the direction is then across (down).
  bool AndaH();
  bool AndaV();
  // After a letter: on in the direction of the last move, else the other.
  bool Anda();
  // After the help: the cursor back on the first letter of the first word.
  void VoltaAoInicio() { cursor_ = inicio(); }

  VistaCasa Vista(int n) const override;
  // The letter cells of word k that do not hold their letter.
  QList<int> CasasDaAjuda(int k) const override;

 private:
  bool Jogavel() const { return montado_ && !resposta_ && cursor_ >= 0; }
  void Move(int n, Direcao d);
  void Reconta();

  std::array<QString, kCasas> digitado_{};
  int cursor_ = -1;
  Direcao direcao_ = Direcao::Horizontal;
  bool montado_ = false;
};

}  // namespace zelmo::regras
