// Word search ("Caça-Palavras", page kind 3): the words of the round hide
// across and down among random letters on the 20 x 20 board; the student
// marks their cells with the mouse, round after round.
#pragma once

#include "player/activities/rules/jogo_cp.h"
#include "player/activities/tabuleiro.h"

namespace zelmo {

class TfrmCP : public TfrmTabuleiro {
  Q_OBJECT
 public:
  explicit TfrmCP(QWidget* dono = nullptr);

  QLabel* lblLetras = nullptr;

  const regras::CacaPalavras* cp() const { return static_cast<const regras::CacaPalavras*>(tabuleiro()); }

  // Marks or unmarks the cell; the round ends when every word cell is
  // marked and no other.
  void Panel0Click(Painel* sender) override;

 protected:
  std::unique_ptr<regras::Tabuleiro> CriaTabuleiro() override;
  // Each cell of the word still unmarked turns silver for 200 ms.
  void AjudaNaPalavra(int k) override;
  void MostraContadores() override;
  QString TituloRelatorio() const override;

 private:
  regras::CacaPalavras* jogo() { return static_cast<regras::CacaPalavras*>(jogo_.get()); }
};

}  // namespace zelmo
