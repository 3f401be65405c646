// The message window through which every page and activity window tells the
// student something: two or three lines and OK, in the top left corner.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>

namespace zelmo {

class TfrmAviso : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAviso(QWidget* dono = nullptr);

  QFrame* Panel1;
  QTextEdit* Memo1;
  QPushButton* BitBtn1;

  // The lines of Memo1: a caller clears them, adds its own (a first empty
  // line is a top margin) and shows the window.
  void Limpa();
  void Adiciona(const QString& linha);
  QStringList Linhas() const { return linhas_; }

  // Shows the message modally over `pedinte` (the page or activity window
  // that asks): it stands above that window, which stays visible beneath
  // it, and once OK is pressed that window is active again.  Without one,
  // over the window that owns this one.
  int MostraSobre(QWidget* pedinte);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormCreate();
  void FormShow();
  void NoCanto();  // left 12, top 12 of the screen

  QStringList linhas_;
};

}  // namespace zelmo
