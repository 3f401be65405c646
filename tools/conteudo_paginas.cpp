#include "tools/gerador.h"

namespace gerador {

QList<files::RegPagina> GravaConteudoPaginas(const QString&) { return {}; }

}  // namespace gerador
