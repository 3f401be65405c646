// Playing a Windows metafile's records through the device context: one
// call per record, every parameter read through the checked reader.
// Records we do not draw (palettes, escapes, old device bitmaps) are skipped.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "files/texto.h"
#include "platform/wmf/wmf.h"
#include "platform/wmf/interno/contexto.h"
#include "platform/wmf/interno/registros.h"

namespace platform {

namespace {

using namespace wmf;
using namespace gdi;

QRectF Retangulo(const Parametros& r, int i) {
  // Bottom, right, top, left.
  return QRectF(QPointF(r.s(i + 3), r.s(i + 2)), QPointF(r.s(i + 1), r.s(i))).normalized();
}

QPolygonF Pontos(const Parametros& r, int primeiro, int n) {
  QPolygonF pol;
  if (n < 0 || !r.tem(primeiro + 2 * static_cast<qint64>(n))) return pol;
  pol.reserve(n);
  for (int k = 0; k < n; ++k) pol << QPointF(r.s(primeiro + 2 * k), r.s(primeiro + 2 * k + 1));
  return pol;
}

// A region record: its scans (count, top, bottom, count / 2 pairs of left and
// right, count again), else its bounding box.
QPainterPath Regiao(const Parametros& r) {
  QPainterPath c;
  if (!r.tem(11)) return c;
  const int scans = r.u(5);
  int pos = 11;
  for (int k = 0; k < scans; ++k) {
    if (!r.tem(pos + 3)) break;
    const int n = r.u(pos);
    const int topo = r.s(pos + 1), base = r.s(pos + 2);
    if (n % 2 || !r.tem(pos + 3 + static_cast<qint64>(n) + 1)) break;
    for (int j = 0; j < n; j += 2)
      c.addRect(QRectF(QPointF(r.s(pos + 3 + j), topo), QPointF(r.s(pos + 4 + j), base)).normalized());
    pos += 3 + n + 1;
  }
  if (c.isEmpty()) c.addRect(QRectF(QPointF(r.s(7), r.s(8)), QPointF(r.s(9), r.s(10))).normalized());
  return c.simplified();
}

class Reprodutor {
 public:
  Reprodutor(QPainter& p, const QRectF& destino, const QRectF& quadro) : c_(p, destino, quadro) {
    c_.e().janelaOrg = c_.e().vistaOrg = quadro.topLeft();
    c_.e().janelaExt = c_.e().vistaExt = quadro.size();
  }
  void Registro(const Parametros& r);

 private:
  void PoliPoligono(const Parametros& r);
  void Bitmap(const Parametros& r);
  void Texto(const Parametros& r);

  Contexto c_;
};

void Reprodutor::PoliPoligono(const Parametros& r) {
  if (!r.tem(1)) return;
  const int n = r.u(0);
  if (!r.tem(1 + static_cast<qint64>(n))) return;
  QPainterPath c;
  int pos = 1 + n;
  for (int k = 0; k < n; ++k) {
    const QPolygonF pol = Pontos(r, pos, r.u(1 + k));
    if (pol.isEmpty() && r.u(1 + k) > 0) return;
    c.addPolygon(pol);
    c.closeSubpath();
    pos += 2 * r.u(1 + k);
  }
  c_.Desenha(c);
}

void Reprodutor::Bitmap(const Parametros& r) {
  const DestinoBitmap d = DestinoDeBitmap(r);
  if (!d.valido) return;
  const QRectF alvo(d.x, d.y, d.w, d.h);
  if (d.dib < 0) {
    c_.Bloco(alvo, d.rop);
    return;
  }
  const QImage imagem = DecodificaDIB(r.bytes(d.dib), r.bytesDesde(d.dib));
  if (imagem.isNull()) return;
  c_.Bitmap(alvo, imagem, QRectF(d.sx, d.origemEmbaixo ? imagem.height() - d.sy - d.sh : d.sy, d.sw, d.sh), d.rop);
}

void Reprodutor::Texto(const Parametros& r) {
  if (r.funcao() == META_TEXTOUT) {
    if (!r.tem(1)) return;
    const int n = r.u(0);
    const int palavras = (n + 1) / 2;
    if (!r.tem(1 + static_cast<qint64>(palavras) + 2)) return;
    c_.Texto(QPointF(r.s(1 + palavras + 1), r.s(1 + palavras)), files::DeAnsi(QByteArray(r.bytes(1), n)), 0,
             nullptr, nullptr);
    return;
  }
  if (!r.tem(4)) return;
  const int n = r.u(2), opcoes = r.u(3);
  int pos = 4;
  QRectF caixa;
  const bool temCaixa = (opcoes & (ETO_OPAQUE | ETO_CLIPPED)) && r.tem(8);
  if (temCaixa) {
    caixa = QRectF(QPointF(r.s(4), r.s(5)), QPointF(r.s(6), r.s(7))).normalized();
    pos = 8;
  }
  const int palavras = (n + 1) / 2;
  if (!r.tem(pos + static_cast<qint64>(palavras))) return;
  std::vector<double> avancos;
  const int dx = pos + palavras;
  if (r.tem(dx + static_cast<qint64>(n)))
    for (int i = 0; i < n; ++i) avancos.push_back(r.s(dx + i));
  c_.Texto(QPointF(r.s(1), r.s(0)), files::DeAnsi(QByteArray(r.bytes(pos), n)), opcoes, temCaixa ? &caixa : nullptr,
           avancos.empty() ? nullptr : &avancos);
}

void Reprodutor::Registro(const Parametros& r) {
  Estado& e = c_.e();
  switch (r.funcao()) {
    case META_SETWINDOWORG:
      if (r.tem(2)) e.janelaOrg = QPointF(r.s(1), r.s(0));
      break;
    case META_SETWINDOWEXT:
      if (r.tem(2) && r.s(0) != 0 && r.s(1) != 0) e.janelaExt = QSizeF(r.s(1), r.s(0));
      break;
    case META_SETVIEWPORTORG:
      if (r.tem(2)) e.vistaOrg = QPointF(r.s(1), r.s(0));
      break;
    case META_SETVIEWPORTEXT:
      if (r.tem(2) && r.s(0) != 0 && r.s(1) != 0) e.vistaExt = QSizeF(r.s(1), r.s(0));
      break;
    case META_OFFSETWINDOWORG:
      if (r.tem(2)) e.janelaOrg += QPointF(r.s(1), r.s(0));
      break;
    case META_OFFSETVIEWPORTORG:
      if (r.tem(2)) e.vistaOrg += QPointF(r.s(1), r.s(0));
      break;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT:
      if (r.tem(4) && r.s(0) != 0 && r.s(2) != 0) {
        QSizeF& ext = r.funcao() == META_SCALEWINDOWEXT ? e.janelaExt : e.vistaExt;
        const QSizeF novo(ext.width() * r.s(3) / r.s(2), ext.height() * r.s(1) / r.s(0));
        if (novo.width() != 0 && novo.height() != 0) ext = novo;
      }
      break;
    case META_SETMAPMODE:
      if (r.tem(1) && r.u(0) >= MM_TEXT && r.u(0) <= MM_ANISOTROPIC) e.modo = r.u(0);
      break;
    case META_SAVEDC:
      c_.Salva();
      break;
    case META_RESTOREDC:
      if (r.tem(1)) c_.Restaura(r.s(0));
      break;
    case META_CREATEPENINDIRECT: {
      Objeto o;
      o.tipo = Objeto::DeCaneta;
      if (r.tem(5)) {
        o.caneta.estilo = r.u(0);
        o.caneta.largura = std::abs(r.s(1));
        o.caneta.cor = CorRef(r.u32(3));
      }
      c_.Cria(o);
      break;
    }
    case META_CREATEBRUSHINDIRECT: {
      Objeto o;
      o.tipo = Objeto::DePincel;
      if (r.tem(4)) {
        o.pincel.estilo = r.u(0);
        o.pincel.cor = CorRef(r.u32(1));
        o.pincel.hachura = r.u(3);
        if (o.pincel.estilo != BS_NULL && o.pincel.estilo != BS_HATCHED) o.pincel.estilo = BS_SOLID;
      }
      c_.Cria(o);
      break;
    }
    case META_DIBCREATEPATTERNBRUSH: {
      Objeto o;
      o.tipo = Objeto::DePincel;
      o.pincel.estilo = BS_DIBPATTERN;
      o.pincel.cor = Qt::gray;
      if (r.tem(2)) o.pincel.padrao = DecodificaDIB(r.bytes(2), r.bytesDesde(2));
      c_.Cria(o);
      break;
    }
    case META_CREATEFONTINDIRECT: {
      Objeto o;
      o.tipo = Objeto::DeFonte;
      if (r.tem(9)) {
        o.fonte.altura = r.s(0);
        o.fonte.largura = r.s(1);
        o.fonte.escapamento = r.s(2);
        o.fonte.peso = r.s(4);
        const char* b = r.bytes(5);
        o.fonte.italico = b[0];
        o.fonte.sublinhado = b[1];
        o.fonte.riscado = b[2];
        const char* nome = r.bytes(9);
        const qint64 limite = std::min<qint64>(r.bytesDesde(9), 32);
        qint64 n = 0;
        while (n < limite && nome[n]) ++n;
        o.fonte.nome = files::DeAnsi(QByteArray(nome, n));
      }
      c_.Cria(o);
      break;
    }
    case META_CREATEREGION: {
      Objeto o;
      o.tipo = Objeto::DeRegiao;
      o.regiao = Regiao(r);
      c_.Cria(o);
      break;
    }
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH: {
      // They take a place in the table like any other object.
      Objeto o;
      o.tipo = r.funcao() == META_CREATEPATTERNBRUSH ? Objeto::DePincel : Objeto::Outro;
      o.pincel.cor = Qt::gray;
      c_.Cria(o);
      break;
    }
    case META_SELECTOBJECT:
      if (const Objeto* o = r.tem(1) ? c_.Obj(r.u(0)) : nullptr) c_.Seleciona(*o);
      break;
    case META_SELECTCLIPREGION: {
      const Objeto* o = r.tem(1) ? c_.Obj(r.u(0)) : nullptr;
      if (o && o->tipo == Objeto::DeRegiao) c_.Recorta(o->regiao, 5);
      else c_.RecorteRestaurado();
      break;
    }
    case META_DELETEOBJECT:
      if (r.tem(1)) c_.Apaga(r.u(0));
      break;
    case META_SETTEXTCOLOR:
      if (r.tem(2)) e.texto = CorRef(r.u32(0));
      break;
    case META_SETBKCOLOR:
      if (r.tem(2)) e.fundo = CorRef(r.u32(0));
      break;
    case META_SETBKMODE:
      if (r.tem(1)) e.opaco = r.u(0) == 2;
      break;
    case META_SETTEXTALIGN:
      if (r.tem(1)) e.alinhamento = r.u(0);
      break;
    case META_SETPOLYFILLMODE:
      if (r.tem(1)) e.winding = r.u(0) == 2;
      break;
    case META_SETROP2:
      if (r.tem(1)) e.rop2 = r.u(0);
      break;
    case META_MOVETO:
      if (r.tem(2)) e.atual = QPointF(r.s(1), r.s(0));
      break;
    case META_LINETO:
      if (r.tem(2)) c_.LinhaAte(QPointF(r.s(1), r.s(0)));
      break;
    case META_RECTANGLE:
    case META_ELLIPSE:
      if (r.tem(4)) {
        QPainterPath c;
        if (r.funcao() == META_RECTANGLE) c.addRect(Retangulo(r, 0));
        else c.addEllipse(Retangulo(r, 0));
        c_.Desenha(c);
      }
      break;
    case META_ROUNDRECT:
      if (r.tem(6)) {
        QPainterPath c;
        c.addRoundedRect(Retangulo(r, 2), std::abs(r.s(1)) / 2.0, std::abs(r.s(0)) / 2.0);
        c_.Desenha(c);
      }
      break;
    case META_ARC:
    case META_PIE:
    case META_CHORD:
      if (r.tem(8)) {
        const int forma = r.funcao() == META_ARC ? 0 : r.funcao() == META_CHORD ? 1 : 2;
        c_.Desenha(c_.Arco(Retangulo(r, 4), QPointF(r.s(3), r.s(2)), QPointF(r.s(1), r.s(0)), forma), forma != 0);
      }
      break;
    case META_POLYGON:
    case META_POLYLINE:
      if (r.tem(1)) {
        const QPolygonF pol = Pontos(r, 1, r.u(0));
        if (pol.size() < 2) break;
        QPainterPath c;
        c.addPolygon(pol);
        if (r.funcao() == META_POLYGON) c.closeSubpath();
        c_.Desenha(c, r.funcao() == META_POLYGON);
      }
      break;
    case META_POLYPOLYGON:
      PoliPoligono(r);
      break;
    case META_SETPIXEL:
      if (r.tem(4)) c_.Pixel(QPointF(r.s(3), r.s(2)), CorRef(r.u32(0)));
      break;
    case META_TEXTOUT:
    case META_EXTTEXTOUT:
      Texto(r);
      break;
    case META_PATBLT:
      // rop, height, width, y, x
      if (r.tem(6)) c_.Bloco(QRectF(r.s(5), r.s(4), r.s(3), r.s(2)), r.u32(0));
      break;
    case META_DIBSTRETCHBLT:
    case META_DIBBITBLT:
    case META_STRETCHDIB:
    case META_SETDIBTODEV:
      Bitmap(r);
      break;
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT:
      if (r.tem(4)) {
        QPainterPath c;
        c.addRect(Retangulo(r, 0));
        c_.Recorta(c, r.funcao() == META_EXCLUDECLIPRECT ? 4 : 1);
      }
      break;
    case META_PAINTREGION:
    case META_FILLREGION:
      if (const Objeto* o = r.tem(1) ? c_.Obj(r.u(0)) : nullptr; o && o->tipo == Objeto::DeRegiao) {
        Pincel pincel = e.pincel;
        if (r.funcao() == META_FILLREGION) {
          const Objeto* b = r.tem(2) ? c_.Obj(r.u(1)) : nullptr;
          if (!b || b->tipo != Objeto::DePincel) break;
          pincel = b->pincel;
        }
        c_.Preenche(o->regiao, pincel);
      }
      break;
    default:
      break;
  }
}

}  // namespace

int Metafile::Reproduz(QPainter& p, const QRectF& destino) const {
  if (registros_.empty() || destino.isEmpty()) return 0;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  int tocados = 0;
  {
    Reprodutor rep(p, destino, quadro_);
    tocados = ReproduzNoTempo(static_cast<qint64>(registros_.size()),
                              [&](qint64 i) { rep.Registro(wmf::Parametros(bytes_, registros_[i])); });
  }
  p.restore();
  return tocados;
}

}  // namespace platform
