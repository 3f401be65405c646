// Crossword ("Palavras Cruzadas", page kind 4): the words of the round lie
// across and down on the 20 x 20 board, each after its clue number, their
// cells empty; the student moves the cursor over them and types the letters
// on the keyboard or on the 55 keys of the on-screen alphabet.
#pragma once

#include <QList>
#include <QPushButton>

#include "player/activities/rules/jogo_pcs.h"
#include "player/activities/tabuleiro.h"

namespace zelmo {

class TfrmPCs : public TfrmTabuleiro {
  Q_OBJECT
 public:
  explicit TfrmPCs(QWidget* dono = nullptr);

  QList<QPushButton*> teclas;  // BitBtn1 .. BitBtn55
  QPushButton* BitBtn(int i) const { return teclas.value(i - 1); }

  const regras::Cruzadas* pcs() const { return static_cast<const regras::Cruzadas*>(tabuleiro()); }

  // The cursor to a letter cell; number and hidden cells do nothing.
  void Panel0Click(Painel* sender) override;
  void MostraTeclado();
  void EscondeTeclado();
  // Characters typed: each one a letter at the cursor.  Backspace clears
  // and steps back; other control characters, and characters the code page
  // cannot hold, are ignored.
  void FormKeyPress(const QString& texto);
  // A key of the on-screen alphabet: its caption at the cursor.
  void BitBtn1Click(QPushButton* sender);
  // After a letter: the counters, the end of the round, the cursor on.
  void ProcessaLetra();
  // The cursor moves of the rules, with the click of a move.
  bool AndaH();
  bool AndaV();

 protected:
  std::unique_ptr<regras::Tabuleiro> CriaTabuleiro() override;
  void ZeraContadores() override;
  // The word's letters not right show in silver for 1000 ms.
  void AjudaNaPalavra(int k) override;
  // The cursor back on the first letter of the first word.
  void FimDaAjuda() override;
  QString TituloRelatorio() const override;
  // The form sees every key first (key preview): Space and Enter reach the
  // board, not the focused button.
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  regras::Cruzadas* jogo() { return static_cast<regras::Cruzadas*>(jogo_.get()); }
  // The cursor moved from `antes`: both cells repainted, the click sounded.
  void CursorMovido(int antes);
  // Whether the form takes this key press for the board.
  static bool TeclaDoTabuleiro(const QKeyEvent* e);
};

}  // namespace zelmo
