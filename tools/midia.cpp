#include "tools/gerador.h"

namespace gerador {

void GravaMidia(const QString&) {}

}  // namespace gerador
