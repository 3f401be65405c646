#include "support/pasta_temporaria.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace apoio {

PastaTemporaria::PastaTemporaria() : dir_(QDir::tempPath() + "/zelmo-teste-XXXXXX") {}

QString PastaTemporaria::caminho() const { return dir_.path() + "/"; }

QString PastaTemporaria::Escreve(const QString& relativo, const QByteArray& bytes) const {
  const QString caminhoArq = caminho() + relativo;
  QDir().mkpath(QFileInfo(caminhoArq).absolutePath());
  QFile f(caminhoArq);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
  return caminhoArq;
}

QByteArray PastaTemporaria::Le(const QString& relativo) const {
  QFile f(caminho() + relativo);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

}  // namespace apoio
