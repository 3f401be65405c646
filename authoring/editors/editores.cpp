#include "authoring/editors/editores.h"

namespace pravo {

void RegistraEditores() {}

}  // namespace pravo
