// The main window of Pravo2 (unit Main): the menu of buttons.  The first
// time it is shown it shows the splash, which creates the program's
// windows, and then the subject chooser; cancelling that first choice ends
// the program.
#pragma once

#include <QDialog>
#include <QString>

class QApplication;
class QFrame;
class QLabel;
class QPushButton;

namespace pravo {

class CaixaArquivos;

class TfrmMain : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* dono = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QFrame* Shape1;
  QLabel* Image1;
  QPushButton* btnHyper;
  QPushButton* btnPalavras;
  QPushButton* btnFrases;
  QPushButton* btnTestes;
  QPushButton* btnTestes2;
  QPushButton* btnLocal;
  QPushButton* btnTrocar;
  QPushButton* btnAssunto;
  QPushButton* btnConfig;
  QPushButton* btnRelat;
  QPushButton* btnEditores;
  QPushButton* BitBtn1;
  QPushButton* btnSair;
  CaixaArquivos* FileListBox1;

  // The first showing: splash, then the first subject choice.  False when
  // that choice was cancelled (Terminar has then been emitted).
  bool FormShow();

  void btnHyperClick();
  void btnPalavrasClick();
  void btnFrasesClick();
  void btnTestesClick();
  void btnTestes2Click();
  void btnLocalClick();
  void btnTrocarClick();
  void btnAssuntoClick();
  void btnConfigClick();
  void btnRelatClick();
  void btnEditoresClick();
  void BitBtn1Click();
  void btnSairClick();

  // A menu button is enabled exactly when the window it opens exists.
  void AtualizaBotoes();

 signals:
  // The program is to end at once (the first subject choice was cancelled).
  void Terminar();

 protected:
  void showEvent(QShowEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  // Chooser of kind `tipo`, then the window `classe` when it closed with OK.
  void EscolheEAbre(int tipo, const QString& classe);
  void Abre(const QString& classe);

  bool mostrada_ = false;
};

extern TfrmMain* frmMain;

// Registers the windows of this library (the configuration dialog, the
// report viewer and the chooser) with the splash's creation list.
void RegistraJanelasAutoria();

// The program: title, main and help windows, the message loop.
int Executa(QApplication& aplicacao);

}  // namespace pravo
