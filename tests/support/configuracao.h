// Zelmo2.cfg as the configuration dialog writes it, for tests of either
// program to put in their program folder.
#pragma once

#include <QByteArray>
#include <QString>

#include "files/registros.h"

namespace apoio {

// The 512 bytes of the one record naming the subject and the report.
inline QByteArray Configuracao(const QString& assunto, const QString& relatorio) {
  files::RegConfig c;
  c.NomeAssunto = assunto;
  c.NomeRelatorio = relatorio;
  c.Prepara();
  return c.ParaBytes();
}

}  // namespace apoio
