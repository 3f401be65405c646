#include "authoring/editors/editores.h"

#include "authoring/editors/frases.h"
#include "authoring/editors/inserir.h"
#include "authoring/editors/local.h"
#include "authoring/editors/paginas.h"
#include "authoring/editors/palavras.h"
#include "authoring/editors/testes.h"
#include "authoring/editors/testes2.h"
#include "authoring/janelas.h"

namespace pravo {

void RegistraEditores() {
  RegistraJanela(QStringLiteral("TfrmEditFra"), [](QWidget* dono) { return new TfrmEditFra(dono); });
  RegistraJanela(QStringLiteral("TfrmEditAst"), [](QWidget* dono) { return new TfrmEditAst(dono); });
  RegistraJanela(QStringLiteral("TfrmEditPal"), [](QWidget* dono) { return new TfrmEditPal(dono); });
  RegistraJanela(QStringLiteral("TfrmEditTst"), [](QWidget* dono) { return new TfrmEditTst(dono); });
  RegistraJanela(QStringLiteral("TfrmEditLoc"), [](QWidget* dono) { return new TfrmEditLoc(dono); });
  RegistraJanela(QStringLiteral("TfrmEditTsh"), [](QWidget* dono) { return new TfrmEditTsh(dono); });
  RegistraJanela(QStringLiteral("TfrmInserir"), [](QWidget* dono) { return new TfrmInserir(dono); });
}

}  // namespace pravo
