#include "player/pages/paginas.h"

namespace zelmo {

void RegistraPaginas() {}

}  // namespace zelmo
