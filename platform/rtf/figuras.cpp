// Pictures embedded in rich text (\pict): PNG, JPEG, device-independent and
// device-dependent bitmaps, and metafiles.
#include <QtEndian>
#include <algorithm>

#include "platform/figura.h"
#include "platform/rtf/interno/leitor.h"

namespace platform::rtf_interno {

namespace {

quint32 Le32(const QByteArray& b, int pos) {
  if (pos < 0 || pos + 4 > b.size()) return 0;
  return qFromLittleEndian<quint32>(b.constData() + pos);
}

quint16 Le16(const QByteArray& b, int pos) {
  if (pos < 0 || pos + 2 > b.size()) return 0;
  return qFromLittleEndian<quint16>(b.constData() + pos);
}

// A packed DIB (the bitmap file without its 14-byte file header).
QImage LeDIB(const QByteArray& dib, qint64 maiorArea, QSize* natural) {
  const quint32 tamCabecalho = Le32(dib, 0);
  if (tamCabecalho < 12 || tamCabecalho > quint32(dib.size())) return {};
  quint32 bits = 0, cores = 0, compressao = 0;
  int tamCor = 4;
  if (tamCabecalho == 12) {
    bits = Le16(dib, 10);
    tamCor = 3;
  } else {
    bits = Le16(dib, 14);
    compressao = Le32(dib, 16);
    cores = Le32(dib, 32);
  }
  if (cores == 0 && bits <= 8) cores = 1u << bits;
  if (cores > 256) cores = 256;
  quint32 deslocamento = 14 + tamCabecalho + cores * tamCor;
  if (tamCabecalho == 40 && (compressao == 3 || compressao == 6)) deslocamento += compressao == 3 ? 12 : 16;
  QByteArray arquivo;
  arquivo.reserve(dib.size() + 14);
  arquivo.append("BM");
  char n[4];
  qToLittleEndian<quint32>(quint32(dib.size() + 14), n);
  arquivo.append(n, 4);
  arquivo.append(4, '\0');
  qToLittleEndian<quint32>(deslocamento, n);
  arquivo.append(n, 4);
  arquivo.append(dib);
  return LeImagemLimitada(arquivo, "BMP", maiorArea, natural);
}

// A device-dependent bitmap: rows of \wbmwidthbytes, top row first.
QImage LeDDB(const DadosFigura& f, qint64 maiorArea, QSize* natural) {
  const int w = f.picw, h = f.pich;
  *natural = QSize(w, h);
  if (!TamanhoAceito(*natural, maiorArea)) return {};
  const int bpp = f.wbmBits;
  if (bpp != 1 && bpp != 24 && bpp != 32) return {};
  int passo = f.wbmLarguraBytes;
  if (passo <= 0) passo = ((w * bpp + 15) / 16) * 2;
  if (qint64(passo) * h > f.dados.size()) return {};
  QImage img(w, h, QImage::Format_RGB32);
  const uchar* d = reinterpret_cast<const uchar*>(f.dados.constData());
  for (int y = 0; y < h; ++y) {
    const uchar* linha = d + qint64(y) * passo;
    QRgb* saida = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      switch (bpp) {
        case 1:
          if (x / 8 >= passo) return {};
          saida[x] = (linha[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
          break;
        case 24:
          if (x * 3 + 2 >= passo) return {};
          saida[x] = qRgb(linha[x * 3 + 2], linha[x * 3 + 1], linha[x * 3]);
          break;
        case 32:
          if (x * 4 + 2 >= passo) return {};
          saida[x] = qRgb(linha[x * 4 + 2], linha[x * 4 + 1], linha[x * 4]);
          break;
      }
    }
  }
  return img;
}

// A metafile drawn at twice the size it is shown at on the screen, so that
// it stays sharp when printed.
QImage LeMetarquivo(const DadosFigura& f, platform::Figura::Formato formato, qint64 maiorArea, QSize* natural) {
  platform::Figura figura;
  if (!figura.CarregaBytes(f.dados, formato)) return {};
  const QSizeF twips = TamanhoFiguraTwips(f, figura.Tamanho());
  QSize tamanho(int(twips.width() * 2 / 15.0), int(twips.height() * 2 / 15.0));
  tamanho = tamanho.boundedTo(QSize(4096, 4096)).expandedTo(QSize(1, 1));
  *natural = tamanho;
  if (!TamanhoAceito(tamanho, maiorArea)) return {};
  return figura.Imagem(tamanho);
}

}  // namespace

QImage DecodificaFigura(const DadosFigura& f, qint64 maiorArea, QSize* natural) {
  *natural = QSize();
  if (f.dados.isEmpty()) return {};
  if (f.tipo == "png") return LeImagemLimitada(f.dados, "PNG", maiorArea, natural);
  if (f.tipo == "jpeg") {
    QImage img = platform::DecodificaJPEG(f.dados, nullptr, maiorArea, natural);
    // Data whose header libjpeg cannot read may still be a picture Qt reads.
    return img.isNull() && !natural->isValid() ? LeImagemLimitada(f.dados, "JPEG", maiorArea, natural) : img;
  }
  if (f.tipo == "dib") return LeDIB(f.dados, maiorArea, natural);
  if (f.tipo == "wbitmap") return LeDDB(f, maiorArea, natural);
  if (f.tipo == "wmf") return LeMetarquivo(f, platform::Figura::Formato::WMF, maiorArea, natural);
  if (f.tipo == "emf") return LeMetarquivo(f, platform::Figura::Formato::EMF, maiorArea, natural);
  // An unnamed kind: whatever the bytes say.
  return LeImagemLimitada(f.dados, nullptr, maiorArea, natural);
}

QSizeF TamanhoFiguraTwips(const DadosFigura& f, QSize natural) {
  const bool metarquivo = f.tipo == "wmf" || f.tipo == "emf";
  double w = f.goalw, h = f.goalh;
  if (w <= 0) w = metarquivo ? f.picw * 1440.0 / 2540.0 : f.picw * 15.0;
  if (h <= 0) h = metarquivo ? f.pich * 1440.0 / 2540.0 : f.pich * 15.0;
  if (w <= 0 && natural.width() > 0) w = natural.width() * 15.0;
  if (h <= 0 && natural.height() > 0) h = natural.height() * 15.0;
  if (w <= 0) w = 1440;
  if (h <= 0) h = 1440;
  w = w * std::clamp(f.escalaX, 1, 1000) / 100.0;
  h = h * std::clamp(f.escalaY, 1, 1000) / 100.0;
  constexpr double kMax = 31680.0 * 2;  // 44 inches
  return {std::clamp(w, 15.0, kMax), std::clamp(h, 15.0, kMax)};
}

}  // namespace platform::rtf_interno
