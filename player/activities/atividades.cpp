#include "player/activities/atividades.h"

#include "player/activities/cp.h"
#include "player/activities/emb.h"
#include "player/activities/forca.h"
#include "player/activities/pcs.h"
#include "player/despachante.h"

namespace zelmo {

void RegistraAtividades() {
  RegistraJanela(files::kCacaPalavras, [](QWidget* dono) -> QDialog* { return new TfrmCP(dono); });
  RegistraJanela(files::kPalavrasCruzadas, [](QWidget* dono) -> QDialog* { return new TfrmPCs(dono); });
  RegistraJanela(files::kForca, [](QWidget* dono) -> QDialog* { return new TfrmForca(dono); });
  RegistraJanela(files::kEmbaralhada, [](QWidget* dono) -> QDialog* { return new TfrmEmb(dono); });
}

}  // namespace zelmo
