#include "authoring/documents/documentos.h"

namespace pravo {

void RegistraDocumentos() {}

}  // namespace pravo
