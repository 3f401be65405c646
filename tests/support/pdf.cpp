#include "support/pdf.h"

#include <QFile>
#include <QRegularExpression>

namespace apoio {

int PaginasDoPdf(const QString& caminho) {
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  // Every page object, not the page tree ("/Pages").
  return static_cast<int>(
      QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

}  // namespace apoio
