// Enhanced metafiles: the header with the picture frame and the reference
// device, and the records played through the same device context as the
// older metafiles.  Every field is read through a checked reader; records we
// do not draw (comments, EMF+ data, palettes, colour spaces) are skipped.
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "files/texto.h"
#include "platform/wmf/wmf.h"
#include "platform/wmf/interno/contexto.h"

namespace platform {

namespace {

using namespace gdi;

constexpr quint32 kAssinatura = 0x464D4520;  // " EMF"
constexpr int kMenorCabecalho = 88;

enum TipoEmf : quint32 {
  EMR_HEADER = 1, EMR_POLYBEZIER, EMR_POLYGON, EMR_POLYLINE, EMR_POLYBEZIERTO, EMR_POLYLINETO,
  EMR_POLYPOLYLINE, EMR_POLYPOLYGON, EMR_SETWINDOWEXTEX, EMR_SETWINDOWORGEX, EMR_SETVIEWPORTEXTEX,
  EMR_SETVIEWPORTORGEX, EMR_SETBRUSHORGEX, EMR_EOF, EMR_SETPIXELV, EMR_SETMAPPERFLAGS, EMR_SETMAPMODE,
  EMR_SETBKMODE, EMR_SETPOLYFILLMODE, EMR_SETROP2, EMR_SETSTRETCHBLTMODE, EMR_SETTEXTALIGN,
  EMR_SETCOLORADJUSTMENT, EMR_SETTEXTCOLOR, EMR_SETBKCOLOR, EMR_OFFSETCLIPRGN, EMR_MOVETOEX,
  EMR_SETMETARGN, EMR_EXCLUDECLIPRECT, EMR_INTERSECTCLIPRECT, EMR_SCALEVIEWPORTEXTEX,
  EMR_SCALEWINDOWEXTEX, EMR_SAVEDC, EMR_RESTOREDC, EMR_SETWORLDTRANSFORM, EMR_MODIFYWORLDTRANSFORM,
  EMR_SELECTOBJECT, EMR_CREATEPEN, EMR_CREATEBRUSHINDIRECT, EMR_DELETEOBJECT, EMR_ANGLEARC,
  EMR_ELLIPSE, EMR_RECTANGLE, EMR_ROUNDRECT, EMR_ARC, EMR_CHORD, EMR_PIE, EMR_SELECTPALETTE,
  EMR_CREATEPALETTE, EMR_LINETO = 54, EMR_ARCTO, EMR_POLYDRAW, EMR_SETARCDIRECTION, EMR_SETMITERLIMIT,
  EMR_BEGINPATH, EMR_ENDPATH, EMR_CLOSEFIGURE, EMR_FILLPATH, EMR_STROKEANDFILLPATH, EMR_STROKEPATH,
  EMR_FLATTENPATH, EMR_WIDENPATH, EMR_SELECTCLIPPATH, EMR_ABORTPATH, EMR_GDICOMMENT = 70, EMR_FILLRGN,
  EMR_FRAMERGN, EMR_INVERTRGN, EMR_PAINTRGN, EMR_EXTSELECTCLIPRGN, EMR_BITBLT, EMR_STRETCHBLT,
  EMR_MASKBLT, EMR_PLGBLT, EMR_SETDIBITSTODEVICE, EMR_STRETCHDIBITS, EMR_EXTCREATEFONTINDIRECTW,
  EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW, EMR_POLYBEZIER16, EMR_POLYGON16, EMR_POLYLINE16, EMR_POLYBEZIERTO16,
  EMR_POLYLINETO16, EMR_POLYPOLYLINE16, EMR_POLYPOLYGON16, EMR_POLYDRAW16, EMR_CREATEMONOBRUSH,
  EMR_CREATEDIBPATTERNBRUSHPT, EMR_EXTCREATEPEN, EMR_ALPHABLEND = 114,
};

// The fields of one record, by byte offset from its start.  A field past the
// record reads as 0; tem(o, n) says whether n bytes stand at o.
class Campos {
 public:
  Campos(const QByteArray& bytes, const MetafileEmf::Registro& r)
      : b_(bytes.constData() + r.inicio), n_(r.tamanho), tipo_(r.tipo) {}
  quint32 tipo() const { return tipo_; }
  qint64 tamanho() const { return n_; }
  bool tem(qint64 o, qint64 n) const { return o >= 0 && n >= 0 && o <= n_ && n <= n_ - o; }
  qint32 i32(qint64 o) const { return tem(o, 4) ? qFromLittleEndian<qint32>(b_ + o) : 0; }
  quint32 u32(qint64 o) const { return static_cast<quint32>(i32(o)); }
  qint16 i16(qint64 o) const { return tem(o, 2) ? qFromLittleEndian<qint16>(b_ + o) : 0; }
  quint8 u8(qint64 o) const { return tem(o, 1) ? static_cast<quint8>(b_[o]) : 0; }
  float f32(qint64 o) const {
    const quint32 u = u32(o);
    float f;
    std::memcpy(&f, &u, 4);
    return std::isfinite(f) ? f : 0.0f;
  }
  QPointF Ponto(qint64 o) const { return QPointF(i32(o), i32(o + 4)); }
  QRectF Retangulo(qint64 o) const { return QRectF(Ponto(o), Ponto(o + 8)).normalized(); }
  QByteArray Bytes(qint64 o, qint64 n) const { return tem(o, n) ? QByteArray(b_ + o, n) : QByteArray(); }

 private:
  const char* b_;
  qint64 n_;
  quint32 tipo_;
};

// Points of a poly record: 32-bit pairs, or 16-bit ones.
QPolygonF Pontos(const Campos& c, qint64 o, quint32 n, bool curtos) {
  QPolygonF pol;
  const qint64 largura = curtos ? 4 : 8;
  if (!c.tem(o, static_cast<qint64>(n) * largura)) return pol;
  pol.reserve(static_cast<int>(n));
  for (quint32 k = 0; k < n; ++k, o += largura)
    pol << (curtos ? QPointF(c.i16(o), c.i16(o + 2)) : c.Ponto(o));
  return pol;
}

// Cubic Bézier pieces after a start point: three points each.
void Bezier(QPainterPath& caminho, const QPolygonF& pts, int desde) {
  for (int i = desde; i + 2 < pts.size(); i += 3) caminho.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
}

// Region data: a 32-byte header (size, type, count, size, bounds) and its
// rectangles.
QPainterPath Regiao(const Campos& c, qint64 o, qint64 tamanho) {
  QPainterPath r;
  if (tamanho < 32 || !c.tem(o, tamanho)) return r;
  const quint32 n = c.u32(o + 8);
  if (n > static_cast<quint64>(tamanho - 32) / 16) return r;
  for (quint32 k = 0; k < n; ++k) r.addRect(c.Retangulo(o + 32 + 16 * static_cast<qint64>(k)));
  return r.simplified();
}

// A bitmap kept as header (offBmi, cbBmi) and bits (offBits, cbBits).
QImage Dib(const Campos& c, qint64 campoBmi) {
  const qint64 offBmi = c.u32(campoBmi), cbBmi = c.u32(campoBmi + 4);
  const qint64 offBits = c.u32(campoBmi + 8), cbBits = c.u32(campoBmi + 12);
  if (cbBmi == 0 || !c.tem(offBmi, cbBmi) || !c.tem(offBits, cbBits)) return {};
  const QByteArray dib = c.Bytes(offBmi, cbBmi) + c.Bytes(offBits, cbBits);
  return DecodificaDIB(dib.constData(), dib.size());
}

Objeto Estoque(quint32 n) {
  Objeto o;
  switch (n) {
    case 0: case 1: case 2: case 3: case 4: case 18: {
      static const int cinzas[] = {255, 192, 128, 64, 0};
      o.tipo = Objeto::DePincel;
      const int v = n == 18 ? 255 : cinzas[n];
      o.pincel.cor = QColor(v, v, v);
      break;
    }
    case 5:
      o.tipo = Objeto::DePincel;
      o.pincel.estilo = BS_NULL;
      break;
    case 6: case 7: case 8: case 19:
      o.tipo = Objeto::DeCaneta;
      o.caneta.cor = n == 6 ? QColor(Qt::white) : QColor(Qt::black);
      if (n == 8) o.caneta.estilo = PS_NULL;
      break;
    case 10: case 11: case 12: case 13: case 14: case 16: case 17:
      o.tipo = Objeto::DeFonte;
      if (n == 10 || n == 11 || n == 16) o.fonte.nome = QStringLiteral("Courier New");
      break;
    default: o.tipo = Objeto::Outro; break;
  }
  return o;
}

class ReprodutorEmf {
 public:
  ReprodutorEmf(QPainter& p, const QRectF& destino, const QRectF& dispositivo, QSizeF pixelsPorMm)
      : c_(p, destino, dispositivo, pixelsPorMm) {
    c_.e().modo = MM_TEXT;
  }
  void Registro(const Campos& r);

 private:
  void Poli(const Campos& r, bool curtos);
  void PoliPoli(const Campos& r, bool curtos);
  void Texto(const Campos& r);
  void Bitmap(const Campos& r);

  Contexto c_;
};

void ReprodutorEmf::Poli(const Campos& r, bool curtos) {
  const QPolygonF pts = Pontos(r, 28, r.u32(24), curtos);
  if (pts.isEmpty()) return;
  Estado& e = c_.e();
  const quint32 t = curtos ? r.tipo() - (EMR_POLYBEZIER16 - EMR_POLYBEZIER) : r.tipo();
  QPainterPath c;
  switch (t) {
    case EMR_POLYGON:
    case EMR_POLYLINE:
      c.addPolygon(pts);
      if (t == EMR_POLYGON) c.closeSubpath();
      c_.Desenha(c, t == EMR_POLYGON);
      break;
    case EMR_POLYBEZIER:
      c.moveTo(pts[0]);
      Bezier(c, pts, 1);
      c_.Desenha(c, false);
      break;
    case EMR_POLYLINETO:
      for (const QPointF& p : pts) c_.LinhaAte(p);
      break;
    case EMR_POLYBEZIERTO:
      c.moveTo(e.atual);
      Bezier(c, pts, 0);
      c_.Desenha(c, false);
      if (pts.size() >= 3) e.atual = pts[(pts.size() / 3) * 3 - 1];
      break;
    default: break;
  }
}

void ReprodutorEmf::PoliPoli(const Campos& r, bool curtos) {
  const quint32 n = r.u32(24), total = r.u32(28);
  if (!r.tem(32, static_cast<qint64>(n) * 4)) return;
  const QPolygonF pts = Pontos(r, 32 + 4 * static_cast<qint64>(n), total, curtos);
  if (pts.isEmpty()) return;
  const bool poligono = r.tipo() == EMR_POLYPOLYGON || r.tipo() == EMR_POLYPOLYGON16;
  QPainterPath c;
  qint64 pos = 0;
  for (quint32 k = 0; k < n; ++k) {
    const quint32 m = r.u32(32 + 4 * static_cast<qint64>(k));
    if (m > static_cast<quint64>(pts.size() - pos)) return;
    c.addPolygon(pts.mid(pos, m));
    if (poligono) c.closeSubpath();
    pos += m;
  }
  c_.Desenha(c, poligono);
}

void ReprodutorEmf::Texto(const Campos& r) {
  const QPointF pos = r.Ponto(36);
  const quint32 n = r.u32(44), offTexto = r.u32(48), opcoes = r.u32(52), offDx = r.u32(72);
  const bool largo = r.tipo() == EMR_EXTTEXTOUTW;
  const qint64 bytes = static_cast<qint64>(n) * (largo ? 2 : 1);
  QString texto;
  if (n > 0) {
    if (!r.tem(offTexto, bytes)) return;
    const QByteArray b = r.Bytes(offTexto, bytes);
    texto = largo ? QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData()), n)
                  : files::DeAnsi(b);
  }
  QRectF caixa = r.Retangulo(56);
  const bool temCaixa = (opcoes & (ETO_OPAQUE | ETO_CLIPPED)) && !caixa.isEmpty();
  std::vector<double> avancos;
  const bool pares = opcoes & 0x2000;  // ETO_PDY: x and y advances
  if (offDx != 0 && r.tem(offDx, static_cast<qint64>(n) * (pares ? 8 : 4)))
    for (quint32 i = 0; i < n; ++i) avancos.push_back(r.i32(offDx + static_cast<qint64>(i) * (pares ? 8 : 4)));
  c_.Texto(pos, texto, static_cast<int>(opcoes), temCaixa ? &caixa : nullptr, avancos.empty() ? nullptr : &avancos);
}

void ReprodutorEmf::Bitmap(const Campos& r) {
  QRectF alvo, fonte;
  quint32 rop = SRCCOPY;
  QImage imagem;
  bool origemEmbaixo = false;
  switch (r.tipo()) {
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_ALPHABLEND: {
      alvo = QRectF(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
      rop = r.u32(40);
      const bool esticado = r.tipo() != EMR_BITBLT;
      fonte = QRectF(r.i32(44), r.i32(48), esticado ? r.i32(100) : alvo.width(), esticado ? r.i32(104) : alvo.height());
      if (r.u32(88) == 0) {  // no bitmap: a block transfer of the brush
        if (r.tipo() == EMR_BITBLT) c_.Bloco(alvo, rop);
        return;
      }
      imagem = Dib(r, 84);
      if (r.tipo() == EMR_ALPHABLEND) {
        const int alfa = (rop >> 16) & 0xFF;
        if (alfa < 255 && !imagem.isNull()) {
          imagem = imagem.convertToFormat(QImage::Format_ARGB32);
          QImage mascara(imagem.size(), QImage::Format_ARGB32);
          mascara.fill(QColor(0, 0, 0, alfa));
          QPainter mp(&imagem);
          mp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
          mp.drawImage(0, 0, mascara);
        }
        rop = SRCCOPY;
      }
      break;
    }
    case EMR_STRETCHDIBITS:
      alvo = QRectF(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
      fonte = QRectF(r.i32(32), r.i32(36), r.i32(40), r.i32(44));
      rop = r.u32(68);
      imagem = Dib(r, 48);
      origemEmbaixo = true;
      break;
    case EMR_SETDIBITSTODEVICE:
      fonte = QRectF(r.i32(32), r.i32(36), r.i32(40), r.i32(44));
      alvo = QRectF(r.i32(24), r.i32(28), fonte.width(), fonte.height());
      imagem = Dib(r, 48);
      origemEmbaixo = true;
      break;
    default: return;
  }
  if (imagem.isNull()) return;
  if (origemEmbaixo) fonte.moveTop(imagem.height() - fonte.top() - fonte.height());
  c_.Bitmap(alvo, imagem, fonte, rop);
}

void ReprodutorEmf::Registro(const Campos& r) {
  Estado& e = c_.e();
  switch (r.tipo()) {
    case EMR_POLYBEZIER: case EMR_POLYGON: case EMR_POLYLINE: case EMR_POLYBEZIERTO: case EMR_POLYLINETO:
      Poli(r, false);
      break;
    case EMR_POLYBEZIER16: case EMR_POLYGON16: case EMR_POLYLINE16: case EMR_POLYBEZIERTO16: case EMR_POLYLINETO16:
      Poli(r, true);
      break;
    case EMR_POLYPOLYLINE: case EMR_POLYPOLYGON:
      PoliPoli(r, false);
      break;
    case EMR_POLYPOLYLINE16: case EMR_POLYPOLYGON16:
      PoliPoli(r, true);
      break;
    case EMR_SETWINDOWEXTEX:
      if (r.i32(8) != 0 && r.i32(12) != 0) e.janelaExt = QSizeF(r.i32(8), r.i32(12));
      break;
    case EMR_SETWINDOWORGEX: e.janelaOrg = r.Ponto(8); break;
    case EMR_SETVIEWPORTEXTEX:
      if (r.i32(8) != 0 && r.i32(12) != 0) e.vistaExt = QSizeF(r.i32(8), r.i32(12));
      break;
    case EMR_SETVIEWPORTORGEX: e.vistaOrg = r.Ponto(8); break;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX:
      if (r.i32(12) != 0 && r.i32(20) != 0) {
        QSizeF& ext = r.tipo() == EMR_SCALEWINDOWEXTEX ? e.janelaExt : e.vistaExt;
        const QSizeF novo(ext.width() * r.i32(8) / r.i32(12), ext.height() * r.i32(16) / r.i32(20));
        if (novo.width() != 0 && novo.height() != 0) ext = novo;
      }
      break;
    case EMR_SETPIXELV: c_.Pixel(r.Ponto(8), CorRef(r.u32(16))); break;
    case EMR_SETMAPMODE:
      if (r.u32(8) >= MM_TEXT && r.u32(8) <= MM_ANISOTROPIC) e.modo = static_cast<int>(r.u32(8));
      break;
    case EMR_SETBKMODE: e.opaco = r.u32(8) == 2; break;
    case EMR_SETPOLYFILLMODE: e.winding = r.u32(8) == 2; break;
    case EMR_SETROP2: e.rop2 = static_cast<int>(r.u32(8)); break;
    case EMR_SETTEXTALIGN: e.alinhamento = static_cast<int>(r.u32(8)); break;
    case EMR_SETTEXTCOLOR: e.texto = CorRef(r.u32(8)); break;
    case EMR_SETBKCOLOR: e.fundo = CorRef(r.u32(8)); break;
    case EMR_MOVETOEX: e.atual = r.Ponto(8); break;
    case EMR_EXCLUDECLIPRECT:
    case EMR_INTERSECTCLIPRECT: {
      QPainterPath c;
      c.addRect(r.Retangulo(8));
      c_.Recorta(c, r.tipo() == EMR_EXCLUDECLIPRECT ? 4 : 1);
      break;
    }
    case EMR_SAVEDC: c_.Salva(); break;
    case EMR_RESTOREDC: c_.Restaura(r.i32(8)); break;
    case EMR_SETWORLDTRANSFORM:
    case EMR_MODIFYWORLDTRANSFORM: {
      const QTransform x(r.f32(8), r.f32(12), r.f32(16), r.f32(20), r.f32(24), r.f32(28));
      const quint32 modo = r.tipo() == EMR_SETWORLDTRANSFORM ? 4 : r.u32(32);
      if (modo == 1) e.mundo = QTransform();
      else if (modo == 2) e.mundo = x * e.mundo;
      else if (modo == 3) e.mundo = e.mundo * x;
      else if (modo == 4) e.mundo = x;
      break;
    }
    case EMR_SELECTOBJECT: {
      const quint32 i = r.u32(8);
      if (i & 0x80000000u) c_.Seleciona(Estoque(i & 0x7FFFFFFFu));
      else if (const Objeto* o = c_.Obj(static_cast<int>(i))) c_.Seleciona(*o);
      break;
    }
    case EMR_CREATEPEN: {
      Objeto o;
      o.tipo = Objeto::DeCaneta;
      o.caneta.estilo = static_cast<int>(r.u32(12) & 0xFFFF);
      o.caneta.largura = std::abs(static_cast<double>(r.i32(16)));
      o.caneta.cor = CorRef(r.u32(24));
      c_.Cria(o, static_cast<int>(r.u32(8)));
      break;
    }
    case EMR_EXTCREATEPEN: {
      Objeto o;
      o.tipo = Objeto::DeCaneta;
      const quint32 estilo = r.u32(28);
      o.caneta.estilo = static_cast<int>(estilo & 0xFFFF);
      o.caneta.largura = (estilo & 0x000F0000u) ? r.u32(32) : 0;  // cosmetic pens are one pixel wide
      o.caneta.cor = CorRef(r.u32(40));
      if (r.u32(36) == BS_NULL) o.caneta.estilo = PS_NULL;
      c_.Cria(o, static_cast<int>(r.u32(8)));
      break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
      Objeto o;
      o.tipo = Objeto::DePincel;
      const quint32 estilo = r.u32(12);
      o.pincel.estilo = estilo == BS_NULL || estilo == BS_HATCHED ? static_cast<int>(estilo) : BS_SOLID;
      o.pincel.cor = CorRef(r.u32(16));
      o.pincel.hachura = static_cast<int>(r.u32(20));
      c_.Cria(o, static_cast<int>(r.u32(8)));
      break;
    }
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT: {
      Objeto o;
      o.tipo = Objeto::DePincel;
      o.pincel.estilo = BS_DIBPATTERN;
      o.pincel.cor = Qt::gray;
      o.pincel.padrao = Dib(r, 16);
      c_.Cria(o, static_cast<int>(r.u32(8)));
      break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
      Objeto o;
      o.tipo = Objeto::DeFonte;
      o.fonte.altura = r.i32(12);
      o.fonte.largura = r.i32(16);
      o.fonte.escapamento = r.i32(20);
      o.fonte.peso = r.i32(28);
      o.fonte.italico = r.u8(32);
      o.fonte.sublinhado = r.u8(33);
      o.fonte.riscado = r.u8(34);
      QString nome;
      for (int k = 0; k < 32; ++k) {
        const char16_t ch = static_cast<char16_t>(r.i16(40 + 2 * k));
        if (!ch) break;
        nome.append(QChar(ch));
      }
      o.fonte.nome = nome;
      c_.Cria(o, static_cast<int>(r.u32(8)));
      break;
    }
    case EMR_CREATEPALETTE: {
      Objeto o;
      o.tipo = Objeto::Outro;
      c_.Cria(o, static_cast<int>(r.u32(8)));
      break;
    }
    case EMR_DELETEOBJECT: c_.Apaga(static_cast<int>(r.u32(8))); break;
    case EMR_ANGLEARC: {
      const QPointF centro = r.Ponto(8);
      const double raio = r.u32(16);
      const double inicio = r.f32(20), varredura = r.f32(24);
      const QRectF caixa(centro.x() - raio, centro.y() - raio, 2 * raio, 2 * raio);
      QPainterPath arco;
      arco.arcMoveTo(caixa, inicio);
      c_.LinhaAte(arco.currentPosition());
      arco.arcTo(caixa, inicio, varredura);
      c_.Desenha(arco, false);
      e.atual = arco.currentPosition();
      break;
    }
    case EMR_ELLIPSE:
    case EMR_RECTANGLE: {
      QPainterPath c;
      if (r.tipo() == EMR_ELLIPSE) c.addEllipse(r.Retangulo(8));
      else c.addRect(r.Retangulo(8));
      c_.Desenha(c);
      break;
    }
    case EMR_ROUNDRECT: {
      QPainterPath c;
      c.addRoundedRect(r.Retangulo(8), std::abs(static_cast<double>(r.i32(24))) / 2.0,
                       std::abs(static_cast<double>(r.i32(28))) / 2.0);
      c_.Desenha(c);
      break;
    }
    case EMR_ARC:
    case EMR_CHORD:
    case EMR_PIE: {
      const int forma = r.tipo() == EMR_ARC ? 0 : r.tipo() == EMR_CHORD ? 1 : 2;
      c_.Desenha(c_.Arco(r.Retangulo(8), r.Ponto(24), r.Ponto(32), forma), forma != 0);
      break;
    }
    case EMR_ARCTO: {
      const QPainterPath arco = c_.Arco(r.Retangulo(8), r.Ponto(24), r.Ponto(32), 0);
      if (arco.elementCount() > 0) c_.LinhaAte(QPointF(arco.elementAt(0).x, arco.elementAt(0).y));
      c_.Desenha(arco, false);
      e.atual = arco.currentPosition();
      break;
    }
    case EMR_LINETO: c_.LinhaAte(r.Ponto(8)); break;
    case EMR_SETARCDIRECTION: e.antiHorario = r.u32(8) != 2; break;
    case EMR_BEGINPATH: c_.AbreCaminho(); break;
    case EMR_ENDPATH: c_.FechaCaminho(); break;
    case EMR_CLOSEFIGURE: c_.FechaFigura(); break;
    case EMR_ABORTPATH: c_.DescartaCaminho(); break;
    case EMR_FILLPATH: c_.UsaCaminho(true, false); break;
    case EMR_STROKEPATH: c_.UsaCaminho(false, true); break;
    case EMR_STROKEANDFILLPATH: c_.UsaCaminho(true, true); break;
    case EMR_SELECTCLIPPATH: c_.RecortaPeloCaminho(static_cast<int>(r.u32(8))); break;
    case EMR_EXTSELECTCLIPRGN: {
      const qint64 tamanho = r.u32(8);
      const int modo = static_cast<int>(r.u32(12));
      if (tamanho == 0) {
        if (modo == 5) c_.RecorteRestaurado();
      } else {
        c_.Recorta(Regiao(r, 16, tamanho), modo, true);
      }
      break;
    }
    case EMR_FILLRGN:
    case EMR_PAINTRGN: {
      const qint64 tamanho = r.u32(24);
      Pincel pincel = e.pincel;
      if (r.tipo() == EMR_FILLRGN) {
        const quint32 i = r.u32(28);
        const Objeto o = (i & 0x80000000u) ? Estoque(i & 0x7FFFFFFFu) : (c_.Obj(static_cast<int>(i)) ? *c_.Obj(static_cast<int>(i)) : Objeto());
        if (o.tipo != Objeto::DePincel) break;
        pincel = o.pincel;
      }
      c_.Preenche(Regiao(r, r.tipo() == EMR_FILLRGN ? 32 : 28, tamanho), pincel);
      break;
    }
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW:
      Texto(r);
      break;
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
    case EMR_ALPHABLEND:
    case EMR_STRETCHDIBITS:
    case EMR_SETDIBITSTODEVICE:
      Bitmap(r);
      break;
    default:
      break;
  }
}

}  // namespace

bool MetafileEmf::Carrega(const QByteArray& bytes, QString* erro) {
  *this = MetafileEmf();
  const char* b = bytes.constData();
  const qint64 n = bytes.size();
  auto i32 = [&](qint64 o) { return qFromLittleEndian<qint32>(b + o); };
  if (n < kMenorCabecalho || i32(0) != EMR_HEADER || static_cast<quint32>(i32(40)) != kAssinatura) {
    if (erro) *erro = QStringLiteral("O arquivo não é um metafile avançado do Windows.");
    return false;
  }
  const qint64 cabecalho = static_cast<quint32>(i32(4));
  if (cabecalho < kMenorCabecalho || cabecalho > n || cabecalho % 4) {
    if (erro) *erro = QStringLiteral("Metafile avançado com cabeçalho inválido.");
    return false;
  }
  const QRectF limites(QPointF(i32(8), i32(12)), QPointF(i32(16) + 1.0, i32(20) + 1.0));
  quadro_ = QRectF(QPointF(i32(24), i32(28)), QPointF(i32(32), i32(36))).normalized();
  const double pxX = i32(72), pxY = i32(76), mmX = i32(80), mmY = i32(84);
  pixelsPorMm_ = (pxX > 0 && pxY > 0 && mmX > 0 && mmY > 0) ? QSizeF(pxX / mmX, pxY / mmY)
                                                            : QSizeF(96 / 25.4, 96 / 25.4);
  if (quadro_.width() <= 0 || quadro_.height() <= 0) {
    // No frame: the bounds, in the reference device's pixels.
    const QRectF l = limites.normalized();
    quadro_ = QRectF(l.left() * 100 / pixelsPorMm_.width(), l.top() * 100 / pixelsPorMm_.height(),
                     l.width() * 100 / pixelsPorMm_.width(), l.height() * 100 / pixelsPorMm_.height());
  }
  dispositivo_ = QRectF(quadro_.left() * pixelsPorMm_.width() / 100, quadro_.top() * pixelsPorMm_.height() / 100,
                        quadro_.width() * pixelsPorMm_.width() / 100, quadro_.height() * pixelsPorMm_.height() / 100);

  qint64 pos = cabecalho;
  while (pos + 8 <= n) {
    const quint32 tipo = static_cast<quint32>(i32(pos));
    const qint64 tamanho = static_cast<quint32>(i32(pos + 4));
    if (tamanho < 8 || tamanho % 4 || tamanho > n - pos) {
      truncado_ = true;
      break;
    }
    if (tipo == EMR_EOF) break;
    if (registros_.size() >= size_t(kMaiorRegistrosMetafile)) {
      truncado_ = true;
      break;
    }
    registros_.push_back({tipo, pos, tamanho});
    pos += tamanho;
  }
  if (!truncado_ && pos < n && pos + 8 > n) truncado_ = true;
  bytes_ = bytes;
  return true;
}

QSize MetafileEmf::TamanhoNatural(int dpi) const {
  auto pixels = [&](double centesimos) { return std::max(1, static_cast<int>(std::lround(centesimos * dpi / 2540))); };
  return QSize(pixels(quadro_.width()), pixels(quadro_.height()));
}

int MetafileEmf::Reproduz(QPainter& p, const QRectF& destino) const {
  if (registros_.empty() || destino.isEmpty()) return 0;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  int tocados = 0;
  {
    ReprodutorEmf rep(p, destino, dispositivo_, pixelsPorMm_);
    tocados = gdi::ReproduzNoTempo(static_cast<qint64>(registros_.size()),
                                   [&](qint64 i) { rep.Registro(Campos(bytes_, registros_[i])); });
  }
  p.restore();
  return tocados;
}

}  // namespace platform
