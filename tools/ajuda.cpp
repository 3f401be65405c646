#include "tools/gerador.h"

namespace gerador {

void GravaAjuda(const QString&) {}

}  // namespace gerador
