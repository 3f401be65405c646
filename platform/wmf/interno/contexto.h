// The device context that both metafile players draw through: the mapping
// from logical units to the destination rectangle, the object table, the
// selected pen, brush and font, colours, current position, clipping, the
// stack of saved states and (for enhanced metafiles) the path bracket.  Its
// drawing operations take logical units and mean what the window system's
// drawing calls mean.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <functional>
#include <vector>

class QPainter;

namespace platform::gdi {

// Plays records 0 to n - 1 through `toca`, stopping when the playing has
// taken kMaiorTempoMetafileMs on the metafile clock; returns the records
// played.
int ReproduzNoTempo(qint64 n, const std::function<void(qint64)>& toca);

enum ModoMapa {
  MM_TEXT = 1,
  MM_LOMETRIC = 2,
  MM_HIMETRIC = 3,
  MM_LOENGLISH = 4,
  MM_HIENGLISH = 5,
  MM_TWIPS = 6,
  MM_ISOTROPIC = 7,
  MM_ANISOTROPIC = 8,
};

enum { PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME };
enum { BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN, BS_INDEXED, BS_DIBPATTERN, BS_DIBPATTERNPT };
enum { TA_UPDATECP = 1, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };
enum { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
enum { R2_BLACK = 1, R2_NOP = 11, R2_WHITE = 16 };
inline constexpr quint32 SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
                         SRCINVERT = 0x00660046, NOTSRCCOPY = 0x00330008, PATCOPY = 0x00F00021,
                         BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062, DSTINVERT = 0x00550009;

// A COLORREF (0x00BBGGRR).
inline QColor CorRef(quint32 c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

struct Caneta {
  int estilo = PS_SOLID;
  double largura = 0;  // logical units; 0 is one pixel
  QColor cor = Qt::black;
};

struct Pincel {
  int estilo = BS_SOLID;
  QColor cor = Qt::white;
  int hachura = 0;
  QImage padrao;
};

struct Fonte {
  int altura = 0, largura = 0, escapamento = 0, peso = 400;
  bool italico = false, sublinhado = false, riscado = false;
  QString nome;
};

struct Objeto {
  enum Tipo { Livre, DeCaneta, DePincel, DeFonte, DeRegiao, Outro } tipo = Livre;
  Caneta caneta;
  Pincel pincel;
  Fonte fonte;
  QPainterPath regiao;  // logical units
};

struct Estado {
  Caneta caneta;
  Pincel pincel;
  Fonte fonte;
  QColor texto = Qt::black, fundo = Qt::white;
  bool opaco = true;
  int alinhamento = 0;
  bool winding = false;
  int rop2 = 13;
  int modo = 0;  // 0: the picture box's own anisotropic mapping
  QPointF janelaOrg, vistaOrg;
  QSizeF janelaExt{1, 1}, vistaExt{1, 1};
  QTransform mundo;  // enhanced metafiles' world transform
  QPointF atual;
  bool antiHorario = true;  // arc direction
  QPainterPath recorte;     // destination coordinates
};

class Contexto {
 public:
  // Device units: the rectangle `dispositivo` of them fills `destino`.
  // pixelsPorMm: the reference device's resolution for the metric mapping
  // modes (0: metric units are taken as the frame's own).
  Contexto(QPainter& p, const QRectF& destino, const QRectF& dispositivo, QSizeF pixelsPorMm = {});

  Estado& e() { return e_; }
  // Logical units to the painter's coordinates of the destination.
  QTransform Logico() const;
  // Device units to the painter's coordinates of the destination.
  QTransform Dispositivo() const;

  void Salva();
  // n < 0: that many states back; n > 0: the n-th saved state.
  void Restaura(int n);

  // Objects: at an index of their own (enhanced), or the lowest free one.
  void Cria(Objeto o, int indice = -1);
  Objeto* Obj(int i);
  void Seleciona(const Objeto& o);
  void Apaga(int i);

  // Drawing, in logical units.
  void Desenha(const QPainterPath& caminho, bool preenche = true);
  void Preenche(const QPainterPath& caminho, const Pincel& pincel);
  void LinhaAte(QPointF fim);
  void Texto(QPointF pos, const QString& texto, int opcoes, const QRectF* caixa, const std::vector<double>* avancos);
  void Bitmap(QRectF alvo, QImage imagem, QRectF fonte, quint32 rop);
  void Bloco(const QRectF& alvo, quint32 rop);  // a block transfer without a bitmap
  void Pixel(QPointF ponto, QColor cor);

  // Clipping: 1 and, 2 or, 3 xor, 4 diff, 5 copy (the region modes); the
  // path in logical units, or in device units (regions of enhanced files).
  void Recorta(const QPainterPath& caminho, int modo, bool emDispositivo = false);
  void RecorteRestaurado();

  // The path bracket of enhanced metafiles.
  void AbreCaminho();
  void FechaCaminho() { gravando_ = false; }
  void FechaFigura() { caminho_.closeSubpath(); }
  void DescartaCaminho();
  void UsaCaminho(bool preenche, bool contorna);
  void RecortaPeloCaminho(int modo);
  bool Gravando() const { return gravando_; }

  static double Angulo(const QRectF& caixa, QPointF ponto);
  // The arc path from the radial through `inicio` to the radial through
  // `fim`, in the current direction.
  QPainterPath Arco(const QRectF& caixa, QPointF inicio, QPointF fim, int forma /*0 arc, 1 chord, 2 pie*/) const;

 private:
  void AplicaRecorte();
  QPen Pen() const;
  void Contorna(const QPainterPath& caminho, QPen pen);

  QPainter& p_;
  QRectF destino_, dispositivo_;
  QSizeF pixelsPorMm_;
  QTransform base_;
  bool raster_ = false;
  Estado e_;
  QPainterPath recorteInicial_;
  std::vector<Estado> pilha_;
  std::vector<Objeto> objetos_;
  bool gravando_ = false;
  QPainterPath caminho_;  // destination coordinates
};

}  // namespace platform::gdi
