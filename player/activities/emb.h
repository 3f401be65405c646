// Scrambled word ("Palavra Embaralhada", page kind 6): the characters of
// the word are dealt as tiles in a random order and dragged onto the slots;
// a tile on a wrong slot adds a part to the figure, and the fifth loses the
// word.
#pragma once

#include <QList>

#include "player/activities/jogo_palavras.h"
#include "player/activities/rules/jogo_emb.h"

namespace zelmo {

class TfrmEmb : public TfrmJogoPalavras {
  Q_OBJECT
 public:
  explicit TfrmEmb(QWidget* dono = nullptr);

  QList<Painel*> pecas;  // Panel21 (tile 1) .. Panel40 (tile 20)
  Painel* Peca(int j) const { return pecas.value(j - 1); }
  const regras::JogoEmb* emb() const { return static_cast<const regras::JogoEmb*>(jogo()); }

  // A slot takes a dragged tile exactly while its caption is empty.
  bool Panel1DragOver(Painel* slot, QObject* source);
  // A tile dropped on a slot: judged by its character.
  void Panel1DragDrop(Painel* slot, QObject* source);

 protected:
  std::unique_ptr<regras::JogoPalavras> CriaJogo(QList<files::RegPalavra> palavras) override;
  void Proximo() override;
  void MostraPalavra() override;
  void Limpa() override;
  QString TituloRelatorio() const override;

 private:
  regras::JogoEmb* embMut() { return static_cast<regras::JogoEmb*>(jogo_.get()); }
};

}  // namespace zelmo
