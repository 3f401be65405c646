// The RTF writer.
#include "platform/rtf_escritor.h"

#include <QSaveFile>
#include <QTextDocument>

namespace platform {

QByteArray EscreveRTF(const QTextDocument& doc) {
  Q_UNUSED(doc);
  return QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\par}");
}

bool GravaTextoRico(const QString& caminho, const QTextDocument& doc, QString* erro) {
  QSaveFile arquivo(caminho);
  const QByteArray bytes = EscreveRTF(doc);
  if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size() || !arquivo.commit()) {
    if (erro) *erro = arquivo.errorString();
    return false;
  }
  return true;
}

}  // namespace platform

namespace platform {

RecuosRTF RecuosDe(const QTextBlock& bloco) {
  Q_UNUSED(bloco);
  return {};
}

void DefineRecuos(const QTextBlock& bloco, const RecuosRTF& recuos) {
  Q_UNUSED(bloco);
  Q_UNUSED(recuos);
}

}  // namespace platform
