// The login: the student's name and identification.  It gives way only to a
// valid OK; the identification is compared with nothing.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelmo {

class TfrmSenha : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSenha(QWidget* dono = nullptr);

  QLabel* Panel1;  // the blue background panel
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* edtNome;
  QLineEdit* edtSenha;
  QPushButton* btnOK;

  void btnOKClick();
  bool Passou() const { return passou_; }

 public slots:
  void reject() override;  // Escape does not get past the login

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void FormCreate();
  void edtNomeKeyPress(char& key);
  void edtSenhaKeyPress(char& key);

  bool passou_ = false;
};

}  // namespace zelmo
