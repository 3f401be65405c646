// Hangman ("Jogo da Forca", page kind 5): the word is guessed letter by
// letter from the 26 letter panels or the keyboard; each letter not in the
// word adds a part to the figure, and the fifth loses the word.
#pragma once

#include <QList>

#include "player/activities/jogo_palavras.h"
#include "player/activities/rules/jogo_forca.h"

namespace zelmo {

class TfrmForca : public TfrmJogoPalavras {
  Q_OBJECT
 public:
  explicit TfrmForca(QWidget* dono = nullptr);

  QList<Painel*> letras;  // Alfa1 (A) .. Alfa26 (Z)
  Painel* Alfa(int n) const { return letras.value(n - 1); }
  const regras::JogoForca* forca() const { return static_cast<const regras::JogoForca*>(jogo()); }
  bool ocupado() const { return ocupado_; }

  // A click on one of the letter panels.
  void Alfa1Click(Painel* sender);
  // A typed character: the letter it folds to, as a click on its panel.
  void FormKeyPress(const QString& tecla);

 protected:
  std::unique_ptr<regras::JogoPalavras> CriaJogo(QList<files::RegPalavra> palavras) override;
  void ZeraContadores() override;
  void Limpa() override;
  QString TituloRelatorio() const override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void FormCreate();

  bool ocupado_ = false;  // a letter is being played
  QString letrasDoConjunto_;
};

}  // namespace zelmo
