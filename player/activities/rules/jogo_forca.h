// Hangman: the letters of the word are guessed one at a time from the 26
// letter panels or the keyboard; an accented letter is found by its plain
// letter.
#pragma once

#include <QChar>
#include <QString>
#include <array>

#include "player/activities/rules/jogo_palavras.h"

namespace zelmo::regras {

inline constexpr int kLetras = 26;

class JogoForca : public JogoPalavras {
 public:
  using JogoPalavras::JogoPalavras;

  // The characters hidden until guessed (50: A..Z and the accented letters).
  static const QString& ConjuntoLetras();
  // How a character of the word is compared with a letter panel: the
  // accented vowels, Ñ and Ç count as their plain letters.
  static QChar Dobra(QChar c);
  // The letter panel (1 for A .. 26 for Z) that a typed character plays, or
  // 0: upper-cased, then Á À Ä Ã, É È Ë, Í Ì Ï, Ó Ò Ö Õ, Ú Ù Ü, Ñ, Ç folded
  // (the circumflex letters are not, so they play nothing).
  static int LetraDaTecla(const QString& texto);
  static QChar Letra(int n) { return QChar(u'A' + (n - 1)); }

  // The panel of letter n can still be played in this word.
  bool letraLivre(int n) const { return n >= 1 && n <= kLetras && !jogadas_[n - 1]; }

  // Plays letter n (1..26).  Ignored (aceita false) when n is out of range,
  // already played in this word or there is no word in play.
  Jogada JogaLetra(int n);

  void Limpa() override;

 protected:
  void PreparaPalavra() override;

 private:
  std::array<bool, kLetras> jogadas_{};
};

}  // namespace zelmo::regras
