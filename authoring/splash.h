// The splash window (unit Splash): "Aguarde ..." while the windows of the
// program are created, one second after it is shown.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace pravo {

class TfrmSplash : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmSplash(QWidget* dono = nullptr);

  QLabel* Panel1;
  QTimer* Timer1;

  void FormShow();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace pravo
