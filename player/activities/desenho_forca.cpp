#include "player/activities/desenho_forca.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace zelmo {

namespace {

// Colours of the drawings.
const QColor kMadeira(150, 96, 44);
const QColor kMadeiraClara(196, 142, 82);
const QColor kContornoMadeira(82, 50, 20);
const QColor kCorda(222, 188, 118);
const QColor kContornoCorda(130, 98, 46);
const QColor kPele(255, 212, 168);
const QColor kContornoPele(120, 70, 40);
const QColor kCabelo(92, 52, 24);
const QColor kCamisa(214, 46, 46);
const QColor kContornoCamisa(120, 20, 20);
const QColor kCalca(70, 120, 70);
const QColor kContornoCalca(30, 64, 30);
const QColor kSapato(44, 30, 22);
const QColor kOsso(242, 236, 214);
const QColor kContornoOsso(150, 140, 116);

QPen Contorno(const QColor& c, qreal largura = 1.5) {
  return QPen(c, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A stroke of width `largura` with an outline: the outline colour drawn
// wider first, the fill over it.
void Traco(QPainter& p, const QPainterPath& caminho, const QColor& cor, const QColor& contorno, qreal largura) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(contorno, largura + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(caminho);
  p.setPen(QPen(cor, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(caminho);
}

void Tabua(QPainter& p, const QRectF& r, const QColor& cor = kMadeira) {
  p.setPen(Contorno(kContornoMadeira, 2));
  p.setBrush(cor);
  p.drawRect(r);
  // The grain.
  p.setPen(QPen(kContornoMadeira, 1, Qt::DotLine));
  if (r.width() > r.height()) {
    p.drawLine(QPointF(r.left() + 6, r.center().y()), QPointF(r.right() - 6, r.center().y()));
  } else {
    p.drawLine(QPointF(r.center().x(), r.top() + 6), QPointF(r.center().x(), r.bottom() - 6));
  }
}

void Forca(QPainter& p) {
  // Platform, post, beam and braces (box 297 x 433).
  Tabua(p, QRectF(4, 413, 289, 18));
  QPolygonF pe1{QPointF(18, 413), QPointF(36, 372), QPointF(36, 413)};
  QPolygonF pe2{QPointF(52, 372), QPointF(70, 413), QPointF(52, 413)};
  p.setPen(Contorno(kContornoMadeira, 2));
  p.setBrush(kMadeiraClara);
  p.drawPolygon(pe1);
  p.drawPolygon(pe2);
  Tabua(p, QRectF(36, 12, 16, 401));
  Tabua(p, QRectF(24, 12, 200, 14));
  QPainterPath mao;
  mao.moveTo(52, 100);
  mao.lineTo(120, 26);
  Traco(p, mao, kMadeira, kContornoMadeira, 9);
  // Pegs on the beam.
  p.setPen(Contorno(kContornoMadeira, 1));
  p.setBrush(kContornoMadeira);
  for (qreal x : {44.0, 212.0}) p.drawEllipse(QPointF(x, 19), 2, 2);
  // The rope down from the beam to the noose.
  p.setPen(Contorno(kContornoCorda, 2));
  p.setBrush(kCorda);
  p.drawRect(QRectF(186, 8, 12, 22));  // the knot round the beam
  QPainterPath corda;
  corda.moveTo(192, 30);
  corda.lineTo(192, 60);
  Traco(p, corda, kCorda, kContornoCorda, 4);
}

void Banco(QPainter& p) {
  // Box 65 x 89: seat on top, two splayed legs and a bar.
  QPainterPath pernas;
  pernas.moveTo(10, 10);
  pernas.lineTo(4, 86);
  pernas.moveTo(55, 10);
  pernas.lineTo(61, 86);
  Traco(p, pernas, kMadeiraClara, kContornoMadeira, 6);
  QPainterPath barra;
  barra.moveTo(8, 52);
  barra.lineTo(57, 52);
  Traco(p, barra, kMadeiraClara, kContornoMadeira, 4);
  p.setPen(Contorno(kContornoMadeira, 2));
  p.setBrush(kMadeiraClara);
  p.drawRoundedRect(QRectF(1, 1, 63, 10), 3, 3);
}

void Cabeca(QPainter& p) {
  // Box 49 x 101: the rope over the head to the knot, the head, the neck and
  // the noose round it.
  QPainterPath corda;
  corda.moveTo(24.5, 0);
  corda.lineTo(24.5, 10);
  corda.quadTo(45, 14, 45, 38);
  corda.lineTo(44, 72);
  Traco(p, corda, kCorda, kContornoCorda, 4);

  p.setPen(Contorno(kContornoPele));
  p.setBrush(kPele);
  p.drawRect(QRectF(19, 70, 11, 31));  // neck
  p.drawEllipse(QPointF(24.5, 51), 18, 21);
  p.drawEllipse(QPointF(6.5, 53), 3, 5);  // ear
  // Hair.
  QPainterPath cabelo;
  cabelo.moveTo(7, 47);
  cabelo.cubicTo(6, 26, 20, 27, 25, 30);
  cabelo.cubicTo(32, 26, 44, 30, 42, 45);
  cabelo.cubicTo(36, 36, 28, 35, 22, 38);
  cabelo.cubicTo(16, 34, 10, 38, 7, 47);
  p.setPen(Contorno(kCabelo, 1));
  p.setBrush(kCabelo);
  p.drawPath(cabelo);
  // Frightened face: raised brows, round eyes, an open mouth.
  p.setPen(Contorno(kContornoPele, 1.5));
  p.drawLine(QPointF(14, 43), QPointF(21, 41));
  p.drawLine(QPointF(28, 41), QPointF(35, 43));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(18, 49), 3, 3.2);
  p.drawEllipse(QPointF(31, 49), 3, 3.2);
  p.setBrush(kContornoPele);
  p.drawEllipse(QPointF(18, 49.5), 1.2, 1.2);
  p.drawEllipse(QPointF(31, 49.5), 1.2, 1.2);
  p.drawLine(QPointF(24.5, 52), QPointF(23, 58));
  p.setBrush(QColor(150, 40, 40));
  p.drawEllipse(QPointF(25, 64), 3.5, 2.8);

  // The noose and its knot.
  p.setPen(Contorno(kContornoCorda, 1.5));
  p.setBrush(kCorda);
  p.drawRoundedRect(QRectF(15, 77, 19, 7), 3, 3);
  p.drawRoundedRect(QRectF(37, 68, 10, 18), 3, 3);
  p.setPen(Contorno(kContornoCorda, 1));
  for (qreal y : {72.0, 76.0, 80.0}) p.drawLine(QPointF(38, y), QPointF(46, y));
}

void Corpo(QPainter& p) {
  // Box 65 x 97: shirt from the shoulders to the belt, the top of the
  // trousers under it.
  p.setPen(Contorno(kContornoCalca));
  p.setBrush(kCalca);
  p.drawRect(QRectF(14, 84, 38, 13));
  QPainterPath camisa;
  camisa.moveTo(6, 2);
  camisa.lineTo(59, 2);
  camisa.quadTo(64, 2, 64, 8);
  camisa.lineTo(53, 86);
  camisa.lineTo(13, 86);
  camisa.lineTo(1, 8);
  camisa.quadTo(1, 2, 6, 2);
  camisa.closeSubpath();
  p.setPen(Contorno(kContornoCamisa));
  p.setBrush(kCamisa);
  p.drawPath(camisa);
  // Collar and buttons.
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF{QPointF(19, 2), QPointF(28, 14), QPointF(37, 2)});
  p.setBrush(kContornoCamisa);
  for (qreal y : {28.0, 44.0, 60.0, 74.0}) p.drawEllipse(QPointF(30, y), 1.8, 1.8);
  // Belt with a buckle.
  p.setPen(Contorno(QColor(40, 24, 10)));
  p.setBrush(QColor(70, 40, 16));
  p.drawRect(QRectF(13, 82, 40, 6));
  p.setBrush(QColor(230, 200, 60));
  p.drawRect(QRectF(28, 81.5, 7, 7));
}

// The right-hand parts are the left-hand ones mirrored in their box.
void Espelha(QPainter& p, qreal largura) {
  p.translate(largura, 0);
  p.scale(-1, 1);
}

// An arm raised from the shoulder (near the box's lower inner corner) to the
// hand (near its upper outer corner).  `espelho` flips it for the right arm.
void Braco(QPainter& p, bool espelho) {
  // Box 57 x 89.
  if (espelho) Espelha(p, 57);
  QPainterPath manga;
  manga.moveTo(56, 83);
  manga.lineTo(33, 54);
  Traco(p, manga, kCamisa, kContornoCamisa, 11);
  QPainterPath antebraco;
  antebraco.moveTo(33, 54);
  antebraco.lineTo(15, 17);
  Traco(p, antebraco, kPele, kContornoPele, 7);
  p.setPen(Contorno(kContornoPele));
  p.setBrush(kPele);
  p.drawEllipse(QPointF(12, 11), 6, 7);
  // Fingers spread.
  p.setPen(Contorno(kContornoPele, 2));
  p.drawLine(QPointF(8, 6), QPointF(4, 1));
  p.drawLine(QPointF(12, 4), QPointF(12, 0.5));
  p.drawLine(QPointF(16, 6), QPointF(19, 1.5));
}

// A leg from the hip (top inner corner) to the foot standing on the stool.
void Perna(QPainter& p, bool espelho) {
  // Box 41 x 113.
  if (espelho) Espelha(p, 41);
  QPainterPath perna;
  perna.moveTo(32, 3);
  perna.lineTo(25, 52);
  perna.lineTo(18, 90);
  Traco(p, perna, kCalca, kContornoCalca, 12);
  p.setPen(Contorno(QColor(200, 200, 200), 1));
  p.setBrush(kSapato);
  QPainterPath sapato;
  sapato.moveTo(24, 92);
  sapato.lineTo(24, 100);
  sapato.lineTo(2, 100);
  sapato.quadTo(2, 92, 12, 91);
  sapato.closeSubpath();
  p.drawPath(sapato);
}

// A bone from a to b with knobs at both ends.
void Osso(QPainter& p, QPointF a, QPointF b, qreal espessura) {
  const QLineF linha(a, b);
  const QPointF n = QPointF(-linha.dy(), linha.dx()) / linha.length() * espessura * 0.45;
  QPainterPath osso;
  osso.moveTo(a);
  osso.lineTo(b);
  p.setPen(QPen(kContornoOsso, espessura + 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(osso);
  p.setBrush(kOsso);
  p.setPen(Contorno(kContornoOsso, 1));
  const qreal r = espessura * 0.62;
  for (QPointF c : {a + n, a - n, b + n, b - n}) p.drawEllipse(c, r, r);
  p.setPen(QPen(kOsso, espessura, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(osso);
}

void Ossos(QPainter& p) {
  // Box 97 x 89: a heap at the foot of the gallows, resting on the platform.
  Osso(p, QPointF(44, 80), QPointF(90, 64), 5);
  Osso(p, QPointF(50, 62), QPointF(92, 82), 5);
  Osso(p, QPointF(6, 83), QPointF(34, 78), 4);
  Osso(p, QPointF(60, 74), QPointF(78, 50), 3.5);
  // Ribs.
  p.setBrush(Qt::NoBrush);
  for (int k = 0; k < 3; ++k) {
    QPainterPath costela;
    costela.moveTo(8 + k * 7, 70 - k * 2);
    costela.quadTo(16 + k * 7, 52 - k * 2, 28 + k * 7, 66 - k * 2);
    p.setPen(QPen(kContornoOsso, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(costela);
    p.setPen(QPen(kOsso, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(costela);
  }
  // The skull, fallen on its side.
  p.setPen(Contorno(kContornoOsso, 1.5));
  p.setBrush(kOsso);
  p.drawEllipse(QPointF(50, 52), 17, 15);
  p.drawRoundedRect(QRectF(41, 60, 18, 11), 3, 3);
  p.setBrush(QColor(60, 50, 40));
  p.drawEllipse(QPointF(44, 52), 4, 4.5);
  p.drawEllipse(QPointF(56, 52), 4, 4.5);
  p.drawPolygon(QPolygonF{QPointF(50, 56), QPointF(48, 61), QPointF(52, 61)});
  p.setPen(Contorno(QColor(60, 50, 40), 1));
  for (qreal x : {45.0, 49.0, 53.0, 57.0}) p.drawLine(QPointF(x, 65), QPointF(x, 70));
}

}  // namespace

DesenhoForca::DesenhoForca(QWidget* pai, ParteForca parte, const QString& nome) : QWidget(pai), parte_(parte) {
  setObjectName(nome);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(Caixa(parte));
}

QRect DesenhoForca::Caixa(ParteForca parte) {
  switch (parte) {
    case ParteForca::Forca: return {8, 40, 297, 433};
    case ParteForca::Banco: return {176, 364, 65, 89};
    case ParteForca::Cabeca: return {176, 76, 49, 101};
    case ParteForca::Corpo: return {173, 170, 65, 97};
    case ParteForca::Braco1: return {120, 88, 57, 89};
    case ParteForca::Braco2: return {232, 88, 57, 89};
    case ParteForca::Perna1: return {168, 264, 41, 113};
    case ParteForca::Perna2: return {208, 264, 41, 113};
    case ParteForca::Ossos: return {160, 368, 97, 89};
  }
  return {};
}

void DesenhoForca::Desenha(QPainter& p, ParteForca parte) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  switch (parte) {
    case ParteForca::Forca: Forca(p); break;
    case ParteForca::Banco: Banco(p); break;
    case ParteForca::Cabeca: Cabeca(p); break;
    case ParteForca::Corpo: Corpo(p); break;
    case ParteForca::Braco1: Braco(p, false); break;
    case ParteForca::Braco2: Braco(p, true); break;
    case ParteForca::Perna1: Perna(p, false); break;
    case ParteForca::Perna2: Perna(p, true); break;
    case ParteForca::Ossos: Ossos(p); break;
  }
  p.restore();
}

void DesenhoForca::paintEvent(QPaintEvent*) {
  const QRect caixa = Caixa(parte_);
  QPainter p(this);
  // Stretched to the box the window was scaled to.
  p.scale(static_cast<qreal>(width()) / caixa.width(), static_cast<qreal>(height()) / caixa.height());
  Desenha(p, parte_);
}

void ImagensForca::Cria(QWidget* janela) {
  imgForca = new DesenhoForca(janela, ParteForca::Forca, "imgForca");
  imgBanco = new DesenhoForca(janela, ParteForca::Banco, "imgBanco");
  imgCab1 = new DesenhoForca(janela, ParteForca::Cabeca, "imgCab1");
  imgCorpo = new DesenhoForca(janela, ParteForca::Corpo, "imgCorpo");
  imgBra1 = new DesenhoForca(janela, ParteForca::Braco1, "imgBra1");
  imgBra2 = new DesenhoForca(janela, ParteForca::Braco2, "imgBra2");
  imgPer1 = new DesenhoForca(janela, ParteForca::Perna1, "imgPer1");
  imgPer2 = new DesenhoForca(janela, ParteForca::Perna2, "imgPer2");
  imgOssos = new DesenhoForca(janela, ParteForca::Ossos, "imgOssos");
  Mostra(regras::Figura{});
}

void ImagensForca::Mostra(const regras::Figura& f) {
  imgBanco->setVisible(f.banco);
  imgCab1->setVisible(f.cabeca);
  imgCorpo->setVisible(f.corpo);
  imgBra1->setVisible(f.braco1);
  imgBra2->setVisible(f.braco2);
  imgPer1->setVisible(f.perna1);
  imgPer2->setVisible(f.perna2);
  imgOssos->setVisible(f.ossos);
}

regras::Figura ImagensForca::Mostrada() const {
  regras::Figura f;
  f.banco = !imgBanco->isHidden();
  f.cabeca = !imgCab1->isHidden();
  f.corpo = !imgCorpo->isHidden();
  f.braco1 = !imgBra1->isHidden();
  f.braco2 = !imgBra2->isHidden();
  f.perna1 = !imgPer1->isHidden();
  f.perna2 = !imgPer2->isHidden();
  f.ossos = !imgOssos->isHidden();
  return f;
}

}  // namespace zelmo
