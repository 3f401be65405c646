// Scrambled word: the characters of the word are dealt as tiles in a random
// order and dragged onto their slots.  A tile fits a slot only when its
// character is exactly the word's character there (Á is not A), so tiles of
// the same character are interchangeable.
#pragma once

#include <QString>

#include "files/convencoes.h"
#include "player/activities/rules/jogo_palavras.h"

namespace zelmo::regras {

class JogoEmb : public JogoPalavras {
 public:
  JogoEmb(QList<files::RegPalavra> palavras, int modoDica, files::Aleatorio& gerador);

  // Takes the characters out of the text one at a time, each drawn uniformly
  // among those left; every order can come out, the text's own included.
  static QString Embaralha(const QString& texto, files::Aleatorio& gerador);

  // Tile j (1..20): its caption and whether it is shown.
  QString peca(int j) const;
  bool pecaVisivel(int j) const;
  QString embaralhada() const { return embaralhada_; }

  // A slot takes a dragged tile only while it is in the word and empty.
  bool AceitaPeca(int slot) const;
  // Tile j dropped on slot i.  Ignored (aceita false) when the slot refuses
  // tiles or the tile is not on the board.
  Jogada Solta(int peca, int slot);

  void Limpa() override;

 protected:
  void PreparaPalavra() override;

 private:
  files::Aleatorio& gerador_;
  QString embaralhada_;
  QStringList pecas_;
  QList<bool> pecasVisiveis_;
};

}  // namespace zelmo::regras
