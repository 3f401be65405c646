#include "tools/gerador.h"

namespace gerador {

QList<files::RegPagina> GravaConteudoAtividades(const QString&) { return {}; }

}  // namespace gerador
