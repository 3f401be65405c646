// The preview (unit Browser): the HTML file last named in the HTML editor,
// as it is on disk, in a full-screen browser window closed with its close
// box.
#pragma once

#include <QDialog>

namespace platform {
class Navegador;
}

namespace pravo {

class TfrmBrowser : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmBrowser(QWidget* dono = nullptr);

  platform::Navegador* WebBrowser1;

  void FormActivate();

 protected:
  void showEvent(QShowEvent* e) override;
};

}  // namespace pravo
