#include "player/activities/atividades.h"

#include "player/activities/emb.h"
#include "player/activities/forca.h"
#include "player/despachante.h"

namespace zelmo {

void RegistraAtividades() {
  RegistraJanela(files::kForca, [](QWidget* dono) -> QDialog* { return new TfrmForca(dono); });
  RegistraJanela(files::kEmbaralhada, [](QWidget* dono) -> QDialog* { return new TfrmEmb(dono); });
}

}  // namespace zelmo
