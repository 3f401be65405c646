// Decoding pictures within limits: the sizes no picture may pass, wherever
// it comes from, and the readers that hold to them (Qt's bitmap and PNG
// readers, and JPEG through libjpeg).  Pictures, rich text and metafiles all
// decode through here.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

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
