// "Aguarde ...": shown while the windows that live for the whole run are
// created.  It cannot be closed before they exist.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace zelmo {

class TfrmSplash : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* dono = nullptr);

  QLabel* Panel1;
  QTimer* Timer1;

  bool Pronto() const { return pronto_; }

  // The timer's interval; tests and the start-up benchmark shorten it.
  static void DefineIntervalo(int ms);
  static int Intervalo();

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void FormCreate();
  void FormShow();
  void Timer1Timer();
  // Idle work of the wait, once the splash is on the screen: what the
  // windows that the timer creates would otherwise start at their creation.
  void Prepara();

  bool pronto_ = false;
  bool preparado_ = false;
};

}  // namespace zelmo
