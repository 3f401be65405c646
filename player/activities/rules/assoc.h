// Association: each round shows up to five windows, a hint under a title;
// the titles start shuffled and are swapped by dragging one onto another
// until each window's title is its own hint's word.
#pragma once

#include <QList>
#include <array>

#include "files/convencoes.h"
#include "files/registros.h"
#include "player/activities/rules/rodadas.h"

namespace zelmo::regras {

class JogoAssoc : public JogoRodadas {
 public:
  using JogoRodadas::JogoRodadas;

  // Every window empty, each title box's Tag its own number; red titles stay
  // red.
  void Limpa();
  // A new round over the drawn words (entries 1..K, K their count up to 5):
  // the Tags of the K title boxes shuffled by ten swaps, then each title box
  // shows the word of the entry its Tag names.
  void NovaRodada(const QList<files::RegPalavra>& palavras, files::Aleatorio& gerador);

  // Window i (1..5): whether it is in play, its title box and its hint box.
  bool emJogo(int i) const { return i >= 1 && i <= entradas_.size(); }
  QString titulo(int i) const;
  int tag(int i) const;
  bool vermelho(int i) const;
  QString dica(int i) const;
  // The word of entry i.
  QString palavra(int i) const;

  // Title box `alvo` received title box `origem`: the two exchange Tag and
  // text and both turn black (a box dropped on itself only turns black).
  // False, and nothing changed, when either is not in play.
  bool Troca(int alvo, int origem);
  // "Pronto": window i is right when its title is its entry's word (two
  // entries may share a word and differ in their hints); a wrong title turns
  // red and is listed with the hint it was put on.
  Julgado Pronto();
  // Every title box shows its own entry's word (Tags and colours kept).
  void MostraResposta();

 private:
  QList<files::RegPalavra> entradas_;
  std::array<QString, kPorRodada> titulos_;
  std::array<int, kPorRodada> tags_{1, 2, 3, 4, 5};
  std::array<bool, kPorRodada> vermelhos_{};
};

}  // namespace zelmo::regras
