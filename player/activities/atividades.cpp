#include "player/activities/atividades.h"

#include "player/activities/emb.h"
#include "player/activities/forca.h"
#include "player/activities/local.h"
#include "player/activities/teste_html.h"
#include "player/despachante.h"

namespace zelmo {

void RegistraAtividades() {
  RegistraJanela(files::kForca, [](QWidget* dono) -> QDialog* { return new TfrmForca(dono); });
  RegistraJanela(files::kEmbaralhada, [](QWidget* dono) -> QDialog* { return new TfrmEmb(dono); });
  RegistraJanela(files::kLocal, [](QWidget* dono) -> QDialog* { return new TfrmLocal(dono); });
  RegistraJanela(files::kTestesHTML, [](QWidget* dono) -> QDialog* { return new TfrmTesteHTML(dono); });
}

}  // namespace zelmo
