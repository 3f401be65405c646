// The HTML page (page kind 2): one HTML file of the subject folder in the
// browser, full screen, with "Próxima" and "Sair".
#pragma once

#include <QString>

#include "player/pages/pagina_texto.h"

class QFrame;
class QPushButton;

namespace platform {
class Navegador;
}

namespace zelmo {

class TfrmHTML : public JanelaPagina {
  Q_OBJECT
 public:
  explicit TfrmHTML(QWidget* dono = nullptr);

  QFrame* Panel1 = nullptr;
  platform::Navegador* WebBrowser1 = nullptr;

  void WebBrowser1NavigateComplete2();
  bool carregado() const { return carregado_; }

 protected:
  void FormActivate() override;
  void FormClose() override;

 private:
  void FormCreate();
  void NavegaBranco();

  bool carregado_ = false;
};

}  // namespace zelmo
