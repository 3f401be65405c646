#include "player/pages/paginas.h"

#include "files/registros.h"
#include "player/despachante.h"
#include "player/pages/hiper.h"
#include "player/pages/html.h"
#include "player/pages/rtf.h"

namespace zelmo {

void RegistraPaginas() {
  RegistraJanela(files::kTextoRTF, [](QWidget* dono) -> QDialog* { return new TfrmRTF(dono); });
  RegistraJanela(files::kHipertexto, [](QWidget* dono) -> QDialog* { return new TfrmHiper(dono); });
  RegistraJanela(files::kHTML, [](QWidget* dono) -> QDialog* { return new TfrmHTML(dono); });
}

}  // namespace zelmo
