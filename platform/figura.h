// Pictures loaded from a file or from bytes: JPEG through libjpeg, bitmaps
// through Qt, Windows metafiles (placeable or not, and enhanced) through our
// own metafile player.  A picture knows its natural size and draws itself
// stretched into any rectangle.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;

namespace platform {

class Figura {
 public:
  enum class Formato { Desconhecido, JPEG, BMP, WMF, EMF, PNG };

  Figura();
  ~Figura();
  Figura(const Figura&);
  Figura& operator=(const Figura&);

  // By the file's last three characters (jpg, bmp, wmf; compared in lower
  // case), falling back to the bytes' signature.  False on failure; erro()
  // says why ("JPEG error #%d" for a libjpeg failure).
  bool Carrega(const QString& caminho);
  bool CarregaBytes(const QByteArray& bytes, Formato formato = Formato::Desconhecido);

  bool vazia() const;
  QString erro() const;
  Formato formato() const;
  // Natural size in pixels (a metafile's from its frame and units per inch).
  int Largura() const;
  int Altura() const;
  QSize Tamanho() const { return {Largura(), Altura()}; }

  // Stretch-draw into the rectangle.
  void Desenha(QPainter& p, const QRectF& destino) const;
  // The picture rendered at a size (its natural size when empty).
  QImage Imagem(QSize tamanho = {}) const;

 private:
  struct Dados;
  std::shared_ptr<const Dados> d;
  QString erro_;
};

// The limits of every picture decoded, whatever it comes from (a picture
// file, a picture inside rich text or inside a metafile): no side over 16384
// pixels and no more than 32 Mi pixels (128 MiB at 32 bits a pixel, Qt's own
// allocation limit).  A rich-text document takes no more than 384 MiB of
// decoded pictures in all.
inline constexpr int kMaiorLadoFigura = 16384;
inline constexpr qint64 kMaiorAreaFigura = qint64(32) << 20;
inline constexpr qint64 kMaiorMemoriaFigurasDocumento = qint64(384) << 20;
inline constexpr qint64 kBytesPorPixel = 4;

// A picture of this size is within the side limit and within `maiorArea`
// pixels (and has a size at all).
bool TamanhoAceito(QSize tamanho, qint64 maiorArea = kMaiorAreaFigura);

// A picture that Qt reads (bitmap, PNG; `formato` null: by its bytes), its
// size checked from its header first.  A null image when it cannot be read
// or is over a limit; *natural (if given) is the size its header declares.
QImage LeImagemLimitada(const QByteArray& dados, const char* formato, qint64 maiorArea = kMaiorAreaFigura,
                        QSize* natural = nullptr);

// Decodes a JPEG from memory with libjpeg; on failure returns a null image and
// sets *erro to "JPEG error #<code>", or to "Figura grande demais para ser
// mostrada." for a picture over a limit.  *natural (if given) is the size its
// header declares, when the header could be read.
QImage DecodificaJPEG(const QByteArray& bytes, QString* erro = nullptr, qint64 maiorArea = kMaiorAreaFigura,
                      QSize* natural = nullptr);

}  // namespace platform
