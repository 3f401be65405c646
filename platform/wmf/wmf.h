// Our player of Windows metafiles (.wmf): the placeable kind, with its frame
// and units per inch, and the plain kind.  The records are read once, each
// checked against the bytes, and played on any QPainter stretched into a
// rectangle, the way the window system plays them into a picture box.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace files {
class Relogio;
}

namespace platform {

// What a metafile may cost.  A metafile is a list of drawing records, as
// many as its maker likes; we read at most kMaiorRegistrosMetafile of them
// (a detailed clip-art picture holds some thousands, a 1 MB one a few tens
// of thousands) and one playing stops drawing once it has taken
// kMaiorTempoMetafileMs, so that no picture holds a page: what was drawn by
// then is shown.  A page plays a picture once for each size it shows it at.
inline constexpr int kMaiorRegistrosMetafile = 200000;
inline constexpr int kMaiorTempoMetafileMs = 250;
// The clock a playing's time is read from: the machine's unless another is
// given (null puts the machine's back).
void DefineRelogioMetafile(const files::Relogio* relogio);

class Metafile {
 public:
  // False (and *erro) when the bytes are not a metafile.  A record that
  // claims more bytes than the file holds ends the picture there: what came
  // before it still plays (Truncado() tells); so do the records past
  // kMaiorRegistrosMetafile.
  bool Carrega(const QByteArray& bytes, QString* erro = nullptr);

  bool vazio() const { return registros_.empty(); }
  bool Placeable() const { return placeable_; }
  bool Truncado() const { return truncado_; }
  int Registros() const { return static_cast<int>(registros_.size()); }
  // The picture's frame in its own logical units.
  QRectF Quadro() const { return quadro_; }
  int UnidadesPorPolegada() const { return porPolegada_; }
  // Size in pixels on a screen of the given dots per inch.
  QSize TamanhoNatural(int dpi) const;

  // Plays the records so that the frame fills the rectangle, within
  // kMaiorTempoMetafileMs; returns the records played.
  int Reproduz(QPainter& p, const QRectF& destino) const;

  struct Registro {
    quint16 funcao;
    qint64 inicio;  // first parameter word, offset in bytes
    int palavras;   // parameter words
  };

 private:
  void CalculaQuadro(const QRectF& caixaPlaceable);

  QByteArray bytes_;
  std::vector<Registro> registros_;
  QRectF quadro_;
  int porPolegada_ = 1440;
  bool placeable_ = false;
  bool truncado_ = false;
  bool unidadesFisicas_ = false;  // a metric mapping mode set the scale
};

// Our player of enhanced metafiles (.emf), the 32-bit kind: its picture
// frame in hundredths of a millimetre and its reference device, records
// checked against the bytes like those of the older kind.
class MetafileEmf {
 public:
  bool Carrega(const QByteArray& bytes, QString* erro = nullptr);

  bool vazio() const { return registros_.empty(); }
  bool Truncado() const { return truncado_; }
  int Registros() const { return static_cast<int>(registros_.size()); }
  // The picture frame, in hundredths of a millimetre.
  QRectF Quadro() const { return quadro_; }
  QSize TamanhoNatural(int dpi) const;
  int Reproduz(QPainter& p, const QRectF& destino) const;

  struct Registro {
    quint32 tipo;
    qint64 inicio;   // offset of the record in the file
    qint64 tamanho;  // bytes, its header included
  };

 private:
  QByteArray bytes_;
  std::vector<Registro> registros_;
  QRectF quadro_;       // 0.01 mm
  QRectF dispositivo_;  // the frame in the reference device's pixels
  QSizeF pixelsPorMm_;
  bool truncado_ = false;
};

// A device-independent bitmap (header, colours, bits) as an image; a null
// image when it is damaged.
QImage DecodificaDIB(const char* dados, qint64 tamanho);

}  // namespace platform
