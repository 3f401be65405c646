#include "support/memoria.h"

#include <QByteArray>
#include <QFileInfo>

namespace apoio {

qint64 PicoMemoria() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : f.readAll().split('\n')) {
    if (!linha.startsWith("VmHWM:")) continue;
    return linha.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
  }
  return -1;
}

void ZeraPicoMemoria() {
  QFile f(QStringLiteral("/proc/self/clear_refs"));
  if (f.open(QIODevice::WriteOnly)) f.write("5");
}

QString ArquivoEsparso(const PastaTemporaria& pasta, const QString& relativo, qint64 tamanho) {
  const QString caminho = pasta.Escreve(relativo, QByteArray());
  QFile f(caminho);
  if (!f.open(QIODevice::ReadWrite) || !f.resize(tamanho)) return {};
  return caminho;
}

}  // namespace apoio
