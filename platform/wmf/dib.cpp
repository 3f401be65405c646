// Bitmaps inside metafiles: a device-independent bitmap is a bitmap file
// without its 14-byte file header, so it is given one and read by Qt's
// bitmap reader, after its header has been checked against the bytes.
#include <QtEndian>

#include "platform/imagem_limitada.h"
#include "platform/wmf/wmf.h"

namespace platform {

namespace {
constexpr int BI_BITFIELDS = 3, BI_JPEG = 4, BI_PNG = 5, BI_ALPHABITFIELDS = 6;
}

QImage DecodificaDIB(const char* dados, qint64 tamanho) {
  if (!dados || tamanho < 12) return {};
  const quint32 cabecalho = qFromLittleEndian<quint32>(dados);
  if (cabecalho < 12 || cabecalho > tamanho) return {};
  qint64 cores = 0;
  int bytesCor = 4;
  if (cabecalho == 12) {  // the old core header
    const int bits = qFromLittleEndian<quint16>(dados + 10);
    if (bits <= 8) cores = qint64(1) << bits;
    bytesCor = 3;
  } else {
    if (cabecalho < 40) return {};
    const int bits = qFromLittleEndian<quint16>(dados + 14);
    const quint32 compressao = qFromLittleEndian<quint32>(dados + 16);
    const quint32 usadas = qFromLittleEndian<quint32>(dados + 32);
    if (compressao == BI_JPEG || compressao == BI_PNG) {
      const QByteArray embutida(dados + cabecalho, tamanho - cabecalho);
      if (compressao == BI_JPEG) return DecodificaJPEG(embutida);
      return LeImagemLimitada(embutida, "PNG");
    }
    if (bits <= 8) cores = usadas ? usadas : (qint64(1) << bits);
    else cores = usadas;
    if (cores > 256 && bits <= 8) return {};
    if (cabecalho == 40 && compressao == BI_BITFIELDS) cores += 3;
    if (cabecalho == 40 && compressao == BI_ALPHABITFIELDS) cores += 4;
  }
  const qint64 deslocamento = 14 + cabecalho + cores * bytesCor;
  if (deslocamento > 14 + tamanho) return {};

  QByteArray arquivo(14, '\0');
  arquivo[0] = 'B';
  arquivo[1] = 'M';
  qToLittleEndian<quint32>(static_cast<quint32>(14 + tamanho), arquivo.data() + 2);
  qToLittleEndian<quint32>(static_cast<quint32>(deslocamento), arquivo.data() + 10);
  arquivo.append(dados, tamanho);
  return LeImagemLimitada(arquivo, "BMP");
}

}  // namespace platform
