// The rich-text page (page kind 0): one RTF file of the subject folder, full
// screen, with "Próxima", "Sair" and "Imprimir".
#pragma once

#include <QString>

#include "player/pages/pagina_texto.h"

class QPushButton;

namespace platform {
class TextoRico;
}

namespace zelmo {

class TfrmRTF : public JanelaPagina {
  Q_OBJECT
 public:
  explicit TfrmRTF(QWidget* dono = nullptr);

  platform::TextoRico* RichEdit1 = nullptr;
  QPushButton* btnImprimir = nullptr;

  void btnImprimirClick();
  // Prints the control's document on the current printer, page after page
  // into the printer's whole printable area.
  void ImprimeRTF(const QString& titulo, platform::TextoRico* richEdit);

 protected:
  void FormActivate() override;
  void FormClose() override;

 private:
  void FormCreate();
};

}  // namespace zelmo
