#include "authoring/documents/documentos.h"

#include "authoring/documents/browser.h"
#include "authoring/documents/editores.h"
#include "authoring/documents/figura.h"
#include "authoring/documents/hiper.h"
#include "authoring/documents/html.h"
#include "authoring/documents/itens.h"
#include "authoring/documents/lista.h"
#include "authoring/documents/texto.h"
#include "authoring/documents/titulo.h"
#include "authoring/janelas.h"

namespace pravo {

void RegistraDocumentos() {
  RegistraJanela(QStringLiteral("TfrmHiper"), [](QWidget* dono) { return new TfrmHiper(dono); });
  RegistraJanela(QStringLiteral("TfrmItens"), [](QWidget* dono) { return new TfrmItens(dono); });
  RegistraJanela(QStringLiteral("TfrmFigura"), [](QWidget* dono) { return new TfrmFigura(dono); });
  RegistraJanela(QStringLiteral("TfrmTitulo"), [](QWidget* dono) { return new TfrmTitulo(dono); });
  RegistraJanela(QStringLiteral("TfrmLista3"), [](QWidget* dono) { return new TfrmLista3(dono); });
  RegistraJanela(QStringLiteral("TfrmLista1"), [](QWidget* dono) { return new TfrmLista1(dono); });
  RegistraJanela(QStringLiteral("TfrmLista2"), [](QWidget* dono) { return new TfrmLista2(dono); });
  RegistraJanela(QStringLiteral("TfrmTexto"), [](QWidget* dono) { return new TfrmTexto(dono); });
  RegistraJanela(QStringLiteral("TfrmHTML"), [](QWidget* dono) { return new TfrmHTML(dono); });
  RegistraJanela(QStringLiteral("TfrmBrowser"), [](QWidget* dono) { return new TfrmBrowser(dono); });
  RegistraJanela(QStringLiteral("TfrmEditores"), [](QWidget* dono) { return new TfrmEditores(dono); });
}

}  // namespace pravo
