// The help window (unit Ajuda): the program folder's "ajuda.htm" in a
// browser.  It is navigated once, when it is created, so a link followed in
// one showing is still shown in the next.
#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QWebEngineView;

namespace pravo {

class TfrmAjuda : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAjuda(QWidget* dono = nullptr);

  QFrame* Panel1;
  QWebEngineView* WebBrowser1;
  QPushButton* btnSair;

  void btnSairClick();
};

extern TfrmAjuda* frmAjuda;

}  // namespace pravo
