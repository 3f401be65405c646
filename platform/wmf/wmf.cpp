#include "platform/wmf/wmf.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "files/convencoes.h"
#include "platform/wmf/interno/contexto.h"
#include "platform/wmf/interno/registros.h"

namespace platform {

namespace {

constexpr quint32 kChavePlaceable = 0x9AC6CDD7u;
constexpr int kTamanhoPlaceable = 22;
constexpr int kTamanhoCabecalho = 18;

bool Falha(QString* erro, const QString& texto) {
  if (erro) *erro = texto;
  return false;
}

// Units per inch of the metric mapping modes (0: not metric).
int PolegadaDoModo(int modo) {
  switch (modo) {
    case gdi::MM_LOMETRIC: return 254;
    case gdi::MM_HIMETRIC: return 2540;
    case gdi::MM_LOENGLISH: return 100;
    case gdi::MM_HIENGLISH: return 1000;
    case gdi::MM_TWIPS: return 1440;
    default: return 0;
  }
}

// Grows a box by the points a drawing record touches.
class Limites {
 public:
  void Ponto(double x, double y) {
    if (!tem_) {
      x0_ = x1_ = x;
      y0_ = y1_ = y;
      tem_ = true;
    }
    x0_ = std::min(x0_, x);
    x1_ = std::max(x1_, x);
    y0_ = std::min(y0_, y);
    y1_ = std::max(y1_, y);
  }
  bool tem() const { return tem_; }
  QRectF caixa() const { return QRectF(QPointF(x0_, y0_), QPointF(x1_, y1_)); }

 private:
  bool tem_ = false;
  double x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0;
};

void LimitesDe(const wmf::Parametros& r, Limites& l) {
  using namespace wmf;
  // A rectangle in the reversed order bottom, right, top, left from word i.
  auto retangulo = [&](int i) {
    if (r.tem(i + 4)) {
      l.Ponto(r.s(i + 3), r.s(i + 2));
      l.Ponto(r.s(i + 1), r.s(i));
    }
  };
  auto pontos = [&](int primeiro, int n) {
    for (int k = 0; k < n && r.tem(primeiro + 2 * k + 2); ++k) l.Ponto(r.s(primeiro + 2 * k), r.s(primeiro + 2 * k + 1));
  };
  switch (r.funcao()) {
    case META_RECTANGLE:
    case META_ELLIPSE: retangulo(0); break;
    case META_ROUNDRECT: retangulo(2); break;
    case META_ARC:
    case META_PIE:
    case META_CHORD: retangulo(4); break;
    case META_MOVETO:
    case META_LINETO:
      if (r.tem(2)) l.Ponto(r.s(1), r.s(0));
      break;
    case META_POLYGON:
    case META_POLYLINE:
      if (r.tem(1)) pontos(1, r.u(0));
      break;
    case META_POLYPOLYGON: {
      if (!r.tem(1)) break;
      const int n = r.u(0);
      int total = 0;
      for (int k = 0; k < n && r.tem(1 + k + 1); ++k) total += r.u(1 + k);
      pontos(1 + n, total);
      break;
    }
    case META_EXTTEXTOUT:
      if (r.tem(2)) l.Ponto(r.s(1), r.s(0));
      break;
    case META_TEXTOUT:
      if (r.tem(1)) {
        const int palavras = (r.u(0) + 1) / 2;
        if (r.tem(1 + palavras + 2)) l.Ponto(r.s(1 + palavras + 1), r.s(1 + palavras));
      }
      break;
    case META_STRETCHDIB:
    case META_DIBSTRETCHBLT:
    case META_SETDIBTODEV:
    case META_DIBBITBLT: {
      const DestinoBitmap dest = DestinoDeBitmap(r);
      if (dest.valido) {
        l.Ponto(dest.x, dest.y);
        l.Ponto(dest.x + dest.w, dest.y + dest.h);
      }
      break;
    }
    default: break;
  }
}

const files::Relogio* relogioMetafile = nullptr;

}  // namespace

void DefineRelogioMetafile(const files::Relogio* relogio) { relogioMetafile = relogio; }

namespace gdi {

int ReproduzNoTempo(qint64 n, const std::function<void(qint64)>& toca) {
  const files::Relogio& relogio = relogioMetafile ? *relogioMetafile : files::RelogioSistema::Instancia();
  constexpr int kDia = 24 * 60 * 60 * 1000;
  // The clock is read every few records: a record costs far less than one
  // reading of the time of day.
  constexpr int kRegistrosEntreLeituras = 16;
  const int inicio = relogio.MilissegundosDoDia();
  qint64 i = 0;
  for (; i < n; ++i) {
    if (i % kRegistrosEntreLeituras == 0 && i > 0 &&
        (relogio.MilissegundosDoDia() - inicio + kDia) % kDia >= kMaiorTempoMetafileMs)
      break;
    toca(i);
  }
  return static_cast<int>(i);
}

}  // namespace gdi

bool Metafile::Carrega(const QByteArray& bytes, QString* erro) {
  *this = Metafile();
  const char* b = bytes.constData();
  const qint64 n = bytes.size();
  qint64 pos = 0;
  QRectF caixa;
  if (n >= 4 && qFromLittleEndian<quint32>(b) == kChavePlaceable) {
    if (n < kTamanhoPlaceable) return Falha(erro, QStringLiteral("Metafile truncado."));
    const auto s = [&](int i) { return static_cast<double>(qFromLittleEndian<qint16>(b + 6 + 2 * i)); };
    caixa = QRectF(QPointF(s(0), s(1)), QPointF(s(2), s(3)));
    const int polegada = qFromLittleEndian<quint16>(b + 14);
    porPolegada_ = polegada > 0 ? polegada : 1440;
    placeable_ = true;
    pos = kTamanhoPlaceable;
  }
  if (n - pos < kTamanhoCabecalho) return Falha(erro, QStringLiteral("O arquivo não é um metafile do Windows."));
  const int tipo = qFromLittleEndian<quint16>(b + pos);
  const int cabecalho = qFromLittleEndian<quint16>(b + pos + 2);
  const int versao = qFromLittleEndian<quint16>(b + pos + 4);
  if ((tipo != 1 && tipo != 2) || cabecalho < 9 || (versao != 0x0100 && versao != 0x0300))
    return Falha(erro, QStringLiteral("O arquivo não é um metafile do Windows."));
  pos += 2 * cabecalho;

  while (pos + 6 <= n) {
    const qint64 tamanho = 2 * static_cast<qint64>(qFromLittleEndian<quint32>(b + pos));
    const quint16 funcao = qFromLittleEndian<quint16>(b + pos + 4);
    if (funcao == wmf::META_EOF) break;
    if (tamanho < 6 || tamanho > n - pos || registros_.size() >= size_t(kMaiorRegistrosMetafile)) {
      truncado_ = true;
      break;
    }
    registros_.push_back({funcao, pos + 6, static_cast<int>((tamanho - 6) / 2)});
    pos += tamanho;
  }
  if (!truncado_ && pos + 6 > n && pos < n) truncado_ = true;
  bytes_ = bytes;
  CalculaQuadro(caixa);
  return true;
}

void Metafile::CalculaQuadro(const QRectF& caixaPlaceable) {
  if (placeable_ && caixaPlaceable.width() != 0 && caixaPlaceable.height() != 0) {
    quadro_ = caixaPlaceable;
    return;
  }
  // The frame of a plain metafile: its first window, else the box of what it
  // draws.
  bool temOrigem = false, temExtensao = false;
  QPointF origem;
  QSizeF extensao;
  int modo = 0;
  Limites limites;
  for (const Registro& r : registros_) {
    const wmf::Parametros p(bytes_, r);
    if (r.funcao == wmf::META_SETWINDOWORG && !temOrigem && p.tem(2)) {
      origem = QPointF(p.s(1), p.s(0));
      temOrigem = true;
    } else if (r.funcao == wmf::META_SETWINDOWEXT && !temExtensao && p.tem(2) && p.s(0) != 0 && p.s(1) != 0) {
      extensao = QSizeF(p.s(1), p.s(0));
      temExtensao = true;
    } else if (r.funcao == wmf::META_SETMAPMODE && modo == 0 && p.tem(1)) {
      modo = p.u(0);
    }
    LimitesDe(p, limites);
  }
  if (const int polegada = PolegadaDoModo(modo)) {
    porPolegada_ = polegada;
    unidadesFisicas_ = true;
  }
  if (temExtensao && PolegadaDoModo(modo) == 0) {
    quadro_ = QRectF(origem, extensao);
  } else if (limites.tem() && limites.caixa().width() > 0 && limites.caixa().height() > 0) {
    quadro_ = limites.caixa();
    if (PolegadaDoModo(modo)) quadro_ = QRectF(quadro_.bottomLeft(), quadro_.topRight());  // y grows upwards
  } else {
    quadro_ = QRectF(0, 0, 1, 1);
  }
}

QSize Metafile::TamanhoNatural(int dpi) const {
  auto pixels = [&](double unidades) {
    const double v = (placeable_ || unidadesFisicas_) ? std::abs(unidades) * dpi / porPolegada_ : std::abs(unidades);
    return std::max(1, static_cast<int>(std::lround(v)));
  };
  return QSize(pixels(quadro_.width()), pixels(quadro_.height()));
}

}  // namespace platform
