// TfrmTitulo: the title of the hypertext page being edited (at most 60
// characters).  No cancel: what the edit holds when it closes is taken.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pravo {

class TfrmTitulo : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTitulo(QWidget* dono = nullptr);

  QLabel* Label1;
  QLineEdit* edtTitulo;
  QPushButton* btnSair;

 protected:
  void showEvent(QShowEvent* e) override;
  void FormActivate();
};

}  // namespace pravo
