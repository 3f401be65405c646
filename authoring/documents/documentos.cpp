#include "authoring/documents/documentos.h"

#include "authoring/documents/browser.h"
#include "authoring/documents/editores.h"
#include "authoring/documents/html.h"
#include "authoring/documents/texto.h"
#include "authoring/janelas.h"

namespace pravo {

void RegistraDocumentos() {
  RegistraJanela(QStringLiteral("TfrmTexto"), [](QWidget* dono) { return new TfrmTexto(dono); });
  RegistraJanela(QStringLiteral("TfrmHTML"), [](QWidget* dono) { return new TfrmHTML(dono); });
  RegistraJanela(QStringLiteral("TfrmBrowser"), [](QWidget* dono) { return new TfrmBrowser(dono); });
  RegistraJanela(QStringLiteral("TfrmEditores"), [](QWidget* dono) { return new TfrmEditores(dono); });
}

}  // namespace pravo
