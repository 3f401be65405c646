// HTML-test records for the tests, stored as the authoring program stores
// them (check text computed).
#pragma once

#include <QString>

#include "files/registros.h"

namespace apoio {

inline files::RegTesteHTML TesteHTML(const QString& pagina, int alternativas, int correta) {
  files::RegTesteHTML t;
  t.ArquivoHTML = pagina;
  t.Alternativas = alternativas;
  t.Correta = correta;
  t.Prepara();
  return t;
}

}  // namespace apoio
