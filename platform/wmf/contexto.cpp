#include "platform/wmf/interno/contexto.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace platform::gdi {

namespace {

// Units of the metric mapping modes in a millimetre.
double UnidadesPorMm(int modo) {
  switch (modo) {
    case MM_LOMETRIC: return 10;
    case MM_HIMETRIC: return 100;
    case MM_LOENGLISH: return 100 / 25.4;
    case MM_HIENGLISH: return 1000 / 25.4;
    case MM_TWIPS: return 1440 / 25.4;
    default: return 0;
  }
}

constexpr int kMaiorIndice = 65535;

}  // namespace

Contexto::Contexto(QPainter& p, const QRectF& destino, const QRectF& dispositivo, QSizeF pixelsPorMm)
    : p_(p), destino_(destino), dispositivo_(dispositivo), pixelsPorMm_(pixelsPorMm) {
  base_ = p.worldTransform();
  QPainterPath caixa;
  caixa.addRect(destino.normalized());
  e_.recorte = p.hasClipping() ? caixa.intersected(p.clipPath()) : caixa;
  recorteInicial_ = e_.recorte;
  raster_ = p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::BlendModes);
  AplicaRecorte();
}

QTransform Contexto::Logico() const {
  double sx = 1, sy = 1;
  const int m = e_.modo;
  if (m == 0 || m == MM_ANISOTROPIC || m == MM_ISOTROPIC) {
    if (e_.janelaExt.width() != 0) sx = e_.vistaExt.width() / e_.janelaExt.width();
    if (e_.janelaExt.height() != 0) sy = e_.vistaExt.height() / e_.janelaExt.height();
    if (m == MM_ISOTROPIC) {
      const double menor = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(menor, sx);
      sy = std::copysign(menor, sy);
    }
  } else if (UnidadesPorMm(m) > 0 && pixelsPorMm_.width() > 0 && pixelsPorMm_.height() > 0) {
    sx = pixelsPorMm_.width() / UnidadesPorMm(m);
    sy = -pixelsPorMm_.height() / UnidadesPorMm(m);  // y grows upwards
  }
  const QTransform pagina(sx, 0, 0, sy, e_.vistaOrg.x() - e_.janelaOrg.x() * sx,
                          e_.vistaOrg.y() - e_.janelaOrg.y() * sy);
  return e_.mundo * pagina * Dispositivo();
}

QTransform Contexto::Dispositivo() const {
  const double kx = dispositivo_.width() != 0 ? destino_.width() / dispositivo_.width() : 1;
  const double ky = dispositivo_.height() != 0 ? destino_.height() / dispositivo_.height() : 1;
  return QTransform(kx, 0, 0, ky, destino_.left() - dispositivo_.left() * kx, destino_.top() - dispositivo_.top() * ky);
}

void Contexto::AplicaRecorte() {
  p_.setWorldTransform(base_);
  p_.setClipPath(e_.recorte);
}

void Contexto::Salva() { pilha_.push_back(e_); }

void Contexto::Restaura(int n) {
  if (pilha_.empty() || n == 0 || (n < 0 && static_cast<size_t>(-static_cast<qint64>(n)) > pilha_.size())) return;
  const size_t fica = n < 0 ? pilha_.size() + n : static_cast<size_t>(n - 1);
  if (fica >= pilha_.size()) return;
  e_ = pilha_[fica];
  pilha_.resize(fica);
  AplicaRecorte();
}

void Contexto::Cria(Objeto o, int indice) {
  if (indice > kMaiorIndice) return;
  if (indice < 0) {
    auto livre = std::find_if(objetos_.begin(), objetos_.end(), [](const Objeto& x) { return x.tipo == Objeto::Livre; });
    if (livre != objetos_.end()) *livre = std::move(o);
    else objetos_.push_back(std::move(o));
    return;
  }
  if (indice >= static_cast<int>(objetos_.size())) objetos_.resize(indice + 1);
  objetos_[indice] = std::move(o);
}

Objeto* Contexto::Obj(int i) {
  return (i >= 0 && i < static_cast<int>(objetos_.size()) && objetos_[i].tipo != Objeto::Livre) ? &objetos_[i] : nullptr;
}

void Contexto::Seleciona(const Objeto& o) {
  switch (o.tipo) {
    case Objeto::DeCaneta: e_.caneta = o.caneta; break;
    case Objeto::DePincel: e_.pincel = o.pincel; break;
    case Objeto::DeFonte: e_.fonte = o.fonte; break;
    case Objeto::DeRegiao: Recorta(o.regiao, 5); break;
    default: break;
  }
}

void Contexto::Apaga(int i) {
  if (Objeto* o = Obj(i)) *o = Objeto();
}

QPen Contexto::Pen() const {
  if (e_.caneta.estilo == PS_NULL || e_.rop2 == R2_NOP) return Qt::NoPen;
  const QColor cor = e_.rop2 == R2_BLACK   ? QColor(Qt::black)
                     : e_.rop2 == R2_WHITE ? QColor(Qt::white)
                                           : e_.caneta.cor;
  QPen pen(cor, e_.caneta.largura);
  switch (e_.caneta.estilo & 0x0F) {
    case PS_DASH: pen.setStyle(Qt::DashLine); break;
    case PS_DOT: pen.setStyle(Qt::DotLine); break;
    case PS_DASHDOT: pen.setStyle(Qt::DashDotLine); break;
    case PS_DASHDOTDOT: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
  }
  const int ponta = e_.caneta.estilo & 0x0F00, juncao = e_.caneta.estilo & 0xF000;
  pen.setCapStyle(ponta == 0x100 ? Qt::SquareCap : ponta == 0x200 ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(juncao == 0x1000 ? Qt::BevelJoin : juncao == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
  return pen;
}

void Contexto::Contorna(const QPainterPath& caminho, QPen pen) {
  // A pen is round whatever the mapping: its width is measured along x and
  // the line is drawn in destination coordinates, never stretched.
  const QTransform t = Logico();
  if (pen.widthF() > 0) pen.setWidthF(std::max(1.0, pen.widthF() * std::hypot(t.m11(), t.m12())));
  p_.setWorldTransform(base_);
  p_.strokePath(t.map(caminho), pen);
  p_.setWorldTransform(t * base_);
}

void Contexto::Desenha(const QPainterPath& caminho, bool preenche) {
  if (gravando_) {
    caminho_.addPath(Logico().map(caminho));
    return;
  }
  QPainterPath c = caminho;
  c.setFillRule(e_.winding ? Qt::WindingFill : Qt::OddEvenFill);
  p_.setWorldTransform(Logico() * base_);
  if (preenche && e_.pincel.estilo != BS_NULL && e_.rop2 != R2_NOP) Preenche(c, e_.pincel);
  const QPen pen = Pen();
  if (pen.style() != Qt::NoPen) Contorna(c, pen);
}

void Contexto::LinhaAte(QPointF fim) {
  if (gravando_) {
    const QTransform t = Logico();
    const QPointF de = t.map(e_.atual);
    if (caminho_.elementCount() == 0 || caminho_.currentPosition() != de) caminho_.moveTo(de);
    caminho_.lineTo(t.map(fim));
  } else {
    QPainterPath c(e_.atual);
    c.lineTo(fim);
    Desenha(c, false);
  }
  e_.atual = fim;
}

void Contexto::Preenche(const QPainterPath& caminho, const Pincel& pincel) {
  p_.setWorldTransform(Logico() * base_);
  switch (pincel.estilo) {
    case BS_NULL: return;
    case BS_HATCHED: {
      static const Qt::BrushStyle hachuras[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
      if (e_.opaco) p_.fillPath(caminho, e_.fundo);
      p_.fillPath(caminho, QBrush(pincel.cor, hachuras[std::clamp(pincel.hachura, 0, 5)]));
      return;
    }
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
      if (!pincel.padrao.isNull()) {
        // The pattern keeps its size in pixels, as the window system's does.
        const QTransform t = p_.worldTransform();
        QBrush b(pincel.padrao);
        b.setTransform(QTransform::fromScale(1 / std::max(1e-9, std::hypot(t.m11(), t.m12())),
                                             1 / std::max(1e-9, std::hypot(t.m21(), t.m22()))));
        p_.fillPath(caminho, b);
        return;
      }
      [[fallthrough]];
    default: {
      const QColor cor = e_.rop2 == R2_BLACK   ? QColor(Qt::black)
                         : e_.rop2 == R2_WHITE ? QColor(Qt::white)
                                               : pincel.cor;
      p_.fillPath(caminho, cor);
    }
  }
}

void Contexto::Texto(QPointF pos, const QString& texto, int opcoes, const QRectF* caixa,
                     const std::vector<double>* avancosLogicos) {
  const QTransform t = Logico();
  p_.setWorldTransform(t * base_);
  if (caixa && (opcoes & ETO_OPAQUE)) p_.fillRect(*caixa, e_.fundo);
  if (texto.isEmpty()) return;
  if (caixa && (opcoes & ETO_CLIPPED)) p_.setClipRect(*caixa, Qt::IntersectClip);

  const double sx = std::hypot(t.m11(), t.m12()), sy = std::hypot(t.m21(), t.m22());
  if (sx == 0 || sy == 0) return;
  const Fonte& f = e_.fonte;
  QFont fonte(f.nome.isEmpty() ? QStringLiteral("Arial") : f.nome);
  fonte.setWeight(static_cast<QFont::Weight>(f.peso > 0 ? std::clamp(f.peso, 100, 900) : 400));
  fonte.setItalic(f.italico);
  fonte.setUnderline(f.sublinhado);
  fonte.setStrikeOut(f.riscado);
  // The em height in destination pixels: a positive height is the cell, a
  // negative one the character alone.
  double em = f.altura == 0 ? 12.0 : std::abs(f.altura) * sy;
  if (f.altura > 0) {
    QFont prova = fonte;
    prova.setPixelSize(100);
    const QFontMetricsF m(prova);
    if (m.height() > 0) em = em * 100 / m.height();
  }
  const int tamanho = std::clamp(static_cast<int>(std::lround(em)), 1, 4000);
  fonte.setPixelSize(tamanho);
  const QFontMetricsF m(fonte);
  const double fy = em / tamanho;
  double fx = fy;
  if (f.largura > 0 && m.averageCharWidth() > 0) fx = f.largura * sx / m.averageCharWidth();

  // Advances in local units, from the record's spacing when it has one.
  const bool temAvancos = avancosLogicos && avancosLogicos->size() >= static_cast<size_t>(texto.size());
  double largura = 0;
  if (temAvancos)
    for (int i = 0; i < texto.size(); ++i) largura += (*avancosLogicos)[i] * sx / fx;
  else
    largura = m.horizontalAdvance(texto);

  const bool usaAtual = e_.alinhamento & TA_UPDATECP;
  if (usaAtual) pos = e_.atual;
  double x0 = 0;
  const int horizontal = e_.alinhamento & TA_CENTER;
  if (horizontal == TA_CENTER) x0 = -largura / 2;
  else if (horizontal == TA_RIGHT) x0 = -largura;
  const int vertical = e_.alinhamento & TA_BASELINE;
  const double linhaBase = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -m.descent() : m.ascent();

  QTransform local;
  const QPointF origem = t.map(pos);
  local.translate(origem.x(), origem.y());
  local.rotate(qRadiansToDegrees(std::atan2(t.m12(), t.m11())) - f.escapamento / 10.0);
  local.scale(fx, fy);
  p_.setWorldTransform(local * base_);
  if (e_.opaco) p_.fillRect(QRectF(x0, linhaBase - m.ascent(), largura, m.ascent() + m.descent()), e_.fundo);
  p_.setFont(fonte);
  p_.setPen(e_.texto);
  if (temAvancos) {
    double x = x0;
    for (int i = 0; i < texto.size(); ++i) {
      p_.drawText(QPointF(x, linhaBase), QString(texto.at(i)));
      x += (*avancosLogicos)[i] * sx / fx;
    }
  } else {
    p_.drawText(QPointF(x0, linhaBase), texto);
  }
  if (usaAtual && horizontal == 0) e_.atual.rx() += largura * fx / sx;
  if (caixa && (opcoes & ETO_CLIPPED)) AplicaRecorte();
}

void Contexto::Bitmap(QRectF alvo, QImage imagem, QRectF fonte, quint32 rop) {
  if (imagem.isNull()) return;
  if (gravando_) return;
  p_.setWorldTransform(Logico() * base_);
  const QPainter::CompositionMode antes = p_.compositionMode();
  auto modo = [&](QPainter::CompositionMode m) {
    if (raster_) p_.setCompositionMode(m);
  };
  if (fonte.width() <= 0 || fonte.height() <= 0) fonte = imagem.rect();
  if (rop == NOTSRCCOPY) imagem.invertPixels();
  else if (rop == SRCAND) modo(QPainter::CompositionMode_Multiply);
  else if (rop == SRCPAINT) modo(QPainter::CompositionMode_Lighten);
  else if (rop == SRCINVERT) modo(QPainter::CompositionMode_Difference);
  // A negative width or height mirrors the bitmap.
  const bool espelhaX = alvo.width() < 0, espelhaY = alvo.height() < 0;
  if (espelhaX || espelhaY) {
    imagem = imagem.copy(fonte.toAlignedRect()).mirrored(espelhaX, espelhaY);
    fonte = imagem.rect();
  }
  p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p_.drawImage(alvo.normalized(), imagem, fonte);
  p_.setCompositionMode(antes);
}

void Contexto::Bloco(const QRectF& alvo, quint32 rop) {
  if (gravando_) return;
  p_.setWorldTransform(Logico() * base_);
  const QRectF r = alvo.normalized();
  switch (rop) {
    case BLACKNESS: p_.fillRect(r, Qt::black); break;
    case WHITENESS: p_.fillRect(r, Qt::white); break;
    case DSTINVERT:
      if (raster_) {
        const QPainter::CompositionMode antes = p_.compositionMode();
        p_.setCompositionMode(QPainter::CompositionMode_Difference);
        p_.fillRect(r, Qt::white);
        p_.setCompositionMode(antes);
      }
      break;
    default: {
      QPainterPath c;
      c.addRect(r);
      Preenche(c, e_.pincel);
    }
  }
}

void Contexto::Pixel(QPointF ponto, QColor cor) {
  if (gravando_) return;
  const QPointF d = Logico().map(ponto);
  p_.setWorldTransform(base_);
  p_.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), cor);
}

void Contexto::Recorta(const QPainterPath& caminho, int modo, bool emDispositivo) {
  const QPainterPath c = (emDispositivo ? Dispositivo() : Logico()).map(caminho);
  switch (modo) {
    case 1: e_.recorte = e_.recorte.intersected(c); break;
    case 2: e_.recorte = e_.recorte.united(c).intersected(recorteInicial_); break;
    case 3: e_.recorte = e_.recorte.subtracted(c).united(c.subtracted(e_.recorte)).intersected(recorteInicial_); break;
    case 4: e_.recorte = e_.recorte.subtracted(c); break;
    default: e_.recorte = recorteInicial_.intersected(c); break;
  }
  AplicaRecorte();
}

void Contexto::RecorteRestaurado() {
  e_.recorte = recorteInicial_;
  AplicaRecorte();
}

void Contexto::AbreCaminho() {
  caminho_ = QPainterPath();
  gravando_ = true;
}

void Contexto::DescartaCaminho() {
  caminho_ = QPainterPath();
  gravando_ = false;
}

void Contexto::UsaCaminho(bool preenche, bool contorna) {
  gravando_ = false;
  bool inversivel = false;
  const QTransform t = Logico();
  const QTransform inversa = t.inverted(&inversivel);
  if (inversivel) {
    QPainterPath logico = inversa.map(caminho_);
    logico.setFillRule(e_.winding ? Qt::WindingFill : Qt::OddEvenFill);
    p_.setWorldTransform(t * base_);
    if (preenche) Preenche(logico, e_.pincel);
    const QPen pen = Pen();
    if (contorna && pen.style() != Qt::NoPen) Contorna(logico, pen);
  }
  caminho_ = QPainterPath();
}

void Contexto::RecortaPeloCaminho(int modo) {
  gravando_ = false;
  bool inversivel = false;
  const QTransform inversa = Logico().inverted(&inversivel);
  if (inversivel) Recorta(inversa.map(caminho_), modo);
  caminho_ = QPainterPath();
}

double Contexto::Angulo(const QRectF& caixa, QPointF ponto) {
  const double rx = caixa.width() / 2, ry = caixa.height() / 2;
  if (rx == 0 || ry == 0) return 0;
  return qRadiansToDegrees(std::atan2(-(ponto.y() - caixa.center().y()) / ry, (ponto.x() - caixa.center().x()) / rx));
}

QPainterPath Contexto::Arco(const QRectF& caixa, QPointF inicio, QPointF fim, int forma) const {
  const double a0 = Angulo(caixa, inicio);
  double varredura = Angulo(caixa, fim) - a0;
  if (e_.antiHorario) {
    while (varredura <= 0) varredura += 360;
  } else {
    while (varredura >= 0) varredura -= 360;
  }
  QPainterPath c;
  if (forma == 2) {
    c.moveTo(caixa.center());
    c.arcTo(caixa, a0, varredura);
    c.closeSubpath();
  } else {
    c.arcMoveTo(caixa, a0);
    c.arcTo(caixa, a0, varredura);
    if (forma == 1) c.closeSubpath();
  }
  return c;
}

}  // namespace platform::gdi
