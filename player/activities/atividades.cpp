#include "player/activities/atividades.h"

#include "player/activities/assoc.h"
#include "player/activities/cp.h"
#include "player/activities/emb.h"
#include "player/activities/forca.h"
#include "player/activities/frases.h"
#include "player/activities/local.h"
#include "player/activities/pcs.h"
#include "player/activities/teste_html.h"
#include "player/activities/testes.h"
#include "player/activities/vf.h"
#include "player/despachante.h"

namespace zelmo {

void RegistraAtividades() {
  RegistraJanela(files::kCacaPalavras, [](QWidget* dono) -> QDialog* { return new TfrmCP(dono); });
  RegistraJanela(files::kPalavrasCruzadas, [](QWidget* dono) -> QDialog* { return new TfrmPCs(dono); });
  RegistraJanela(files::kForca, [](QWidget* dono) -> QDialog* { return new TfrmForca(dono); });
  RegistraJanela(files::kEmbaralhada, [](QWidget* dono) -> QDialog* { return new TfrmEmb(dono); });
  RegistraJanela(files::kFrases, [](QWidget* dono) -> QDialog* { return new TfrmFrases(dono); });
  RegistraJanela(files::kTestes, [](QWidget* dono) -> QDialog* { return new TfrmTestes(dono); });
  RegistraJanela(files::kAssociacao, [](QWidget* dono) -> QDialog* { return new TfrmAssoc(dono); });
  RegistraJanela(files::kVerdadeiroFalso, [](QWidget* dono) -> QDialog* { return new TfrmVF(dono); });
  RegistraJanela(files::kLocal, [](QWidget* dono) -> QDialog* { return new TfrmLocal(dono); });
  RegistraJanela(files::kTestesHTML, [](QWidget* dono) -> QDialog* { return new TfrmTesteHTML(dono); });
}

}  // namespace zelmo
