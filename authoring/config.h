// The configuration dialog (unit Config): edits Zelmo2.cfg, which tells the
// player which subject to play and into which report to write.  It borrows
// ArqAssunto, ArqRelatorio and DirAssunto while it is open and puts them back
// when it closes, however it closes.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pravo {

// What the dialog shows when there is no configuration file yet.
inline constexpr const char* kAssuntoPadrao = "Sistema Cardiovascular";
inline constexpr const char* kRelatorioPadrao = "Relatório1";  // UTF-8

// Reads the one record of ArqConfig into Configuracao (through DadosConfig,
// which is closed again however the reading ends).  A file that cannot be
// read is reported to the author and the result is false.
bool LeConfiguracao(QWidget* dono);

class TfrmConfig : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmConfig(QWidget* dono = nullptr);

  QLabel* Label1;
  QLineEdit* edtAssunto;
  QPushButton* btnAssunto;
  QLabel* Label2;
  QLineEdit* edtRel;
  QPushButton* btnRel;
  QPushButton* btnOK;

  void FormActivate();
  void btnAssuntoClick();
  void btnRelClick();
  void btnOKClick();
  void FormClose();

  void done(int resultado) override;
  // Esc and the close box mean Cancel.
  void reject() override { done(2); }

 protected:
  void showEvent(QShowEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  QString salvoAssunto_;
  QString salvoRelatorio_;
  QString salvoDirAssunto_;
  bool emprestado_ = false;  // the three paths are saved and must go back
};

}  // namespace pravo
