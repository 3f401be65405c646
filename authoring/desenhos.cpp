#include "authoring/desenhos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "platform/icone.h"
#include "platform/icone_programa.h"

namespace pravo {

namespace {

// Draws in a 185 x 153 design box, scaled to the pixmap.
void DesenhaMesa(QPainter& p) {
  // Sky and desk.
  QLinearGradient ceu(0, 0, 0, 100);
  ceu.setColorAt(0, QColor(170, 215, 255));
  ceu.setColorAt(1, QColor(235, 246, 255));
  p.fillRect(QRectF(0, 0, 185, 104), ceu);
  QLinearGradient mesa(0, 100, 0, 153);
  mesa.setColorAt(0, QColor(186, 124, 64));
  mesa.setColorAt(1, QColor(130, 80, 38));
  p.fillRect(QRectF(0, 100, 185, 53), mesa);

  // The open book: two pages bending from the spine.
  p.setPen(QPen(QColor(70, 40, 20), 1.2));
  p.setBrush(QColor(150, 30, 30));
  p.drawRoundedRect(QRectF(16, 58, 126, 66), 4, 4);  // the cover below the pages
  for (int lado : {-1, 1}) {
    QPainterPath pagina;
    const double meio = 79;
    pagina.moveTo(meio, 66);
    pagina.cubicTo(meio + lado * 20, 52, meio + lado * 44, 54, meio + lado * 58, 60);
    pagina.lineTo(meio + lado * 58, 116);
    pagina.cubicTo(meio + lado * 44, 110, meio + lado * 20, 110, meio, 122);
    pagina.closeSubpath();
    p.setBrush(QColor(255, 253, 240));
    p.drawPath(pagina);
    p.setPen(QPen(QColor(120, 140, 200), 1));
    for (int i = 0; i < 6; ++i) {
      const double y = 72 + i * 7.5;
      p.drawLine(QPointF(meio + lado * 8, y), QPointF(meio + lado * 50, y - 3));
    }
    p.setPen(QPen(QColor(70, 40, 20), 1.2));
  }
  p.drawLine(QPointF(79, 66), QPointF(79, 122));

  // Letters on the left page.
  QFont f(QStringLiteral("Liberation Serif"));
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(200, 20, 20));
  p.drawText(QRectF(30, 58, 40, 16), Qt::AlignCenter, QStringLiteral("ABC"));

  // The pencil across the right page.
  p.save();
  p.translate(150, 62);
  p.rotate(128);
  p.setPen(QPen(QColor(60, 40, 10), 1));
  p.setBrush(QColor(250, 200, 30));
  p.drawRect(QRectF(0, -4, 58, 8));
  p.setBrush(QColor(230, 120, 140));
  p.drawRect(QRectF(-8, -4, 8, 8));
  p.setBrush(QColor(240, 215, 170));
  p.drawPolygon(QPolygonF({QPointF(58, -4), QPointF(70, 0), QPointF(58, 4)}));
  p.setBrush(QColor(40, 40, 40));
  p.drawPolygon(QPolygonF({QPointF(66, -1.3), QPointF(70, 0), QPointF(66, 1.3)}));
  p.restore();

  // The apple.
  p.setPen(QPen(QColor(110, 10, 10), 1));
  p.setBrush(QColor(220, 30, 30));
  p.drawEllipse(QRectF(146, 96, 26, 24));
  p.setBrush(QColor(255, 140, 140));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(152, 101, 6, 5));
  p.setPen(QPen(QColor(90, 60, 20), 2));
  p.drawLine(QPointF(159, 97), QPointF(162, 89));
  p.setPen(QPen(QColor(30, 130, 40), 1));
  p.setBrush(QColor(60, 170, 60));
  p.drawEllipse(QRectF(162, 87, 10, 5));

  // The sun.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 60));
  p.drawEllipse(QRectF(150, 12, 22, 22));
}

struct Estilo {
  QColor cor;
  const char* texto;
};

Estilo EstiloDe(Glifo g) {
  switch (g) {
    case Glifo::Hipertexto: return {QColor(120, 60, 170), "H"};
    case Glifo::Palavras: return {QColor(30, 130, 60), "Aa"};
    case Glifo::Frases: return {QColor(0, 110, 160), "_a_"};
    case Glifo::Testes: return {QColor(200, 110, 0), "?"};
    case Glifo::TestesHTML: return {QColor(180, 70, 20), "</>"};
    case Glifo::Local: return {QColor(190, 30, 50), ""};
    case Glifo::Trocar: return {QColor(60, 90, 170), ""};
    case Glifo::Assunto: return {QColor(140, 100, 30), ""};
    case Glifo::Configurar: return {QColor(90, 90, 90), ""};
    case Glifo::Relatorios: return {QColor(20, 120, 120), ""};
    case Glifo::Editores: return {QColor(160, 40, 120), "T"};
    case Glifo::Ajuda: return {QColor(30, 90, 200), "?"};
    case Glifo::Sair: return {QColor(180, 20, 20), ""};
  }
  return {Qt::gray, ""};
}

// The drawn sign of the glyphs that carry no letters, in a 32 x 32 box.
void DesenhaSinal(QPainter& p, Glifo g) {
  p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (g) {
    case Glifo::Local:  // a target
      p.drawEllipse(QPointF(16, 16), 9, 9);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(16, 16), 3, 3);
      break;
    case Glifo::Trocar:  // two arrows
      p.drawLine(QPointF(7, 11), QPointF(24, 11));
      p.drawLine(QPointF(19, 6), QPointF(24, 11));
      p.drawLine(QPointF(25, 21), QPointF(8, 21));
      p.drawLine(QPointF(13, 26), QPointF(8, 21));
      break;
    case Glifo::Assunto:  // a list of pages
      for (int i = 0; i < 4; ++i) {
        p.drawPoint(QPointF(8, 8 + i * 5.5));
        p.drawLine(QPointF(12, 8 + i * 5.5), QPointF(25, 8 + i * 5.5));
      }
      break;
    case Glifo::Configurar: {  // a gear
      p.setBrush(Qt::white);
      for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 45);
        p.drawRect(QRectF(-2, -11, 4, 5));
        p.restore();
      }
      p.drawEllipse(QPointF(16, 16), 7, 7);
      p.setBrush(EstiloDe(g).cor);
      p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
      break;
    }
    case Glifo::Relatorios:  // a sheet with lines
      p.drawRect(QRectF(9, 6, 14, 20));
      p.setPen(QPen(Qt::white, 1.6));
      for (int i = 0; i < 4; ++i) p.drawLine(QPointF(12, 11 + i * 4), QPointF(20, 11 + i * 4));
      break;
    case Glifo::Sair:  // a door with an arrow
      p.drawRect(QRectF(7, 6, 11, 20));
      p.drawLine(QPointF(14, 16), QPointF(26, 16));
      p.drawLine(QPointF(22, 12), QPointF(26, 16));
      p.drawLine(QPointF(22, 20), QPointF(26, 16));
      break;
    default: break;
  }
}

}  // namespace

QPixmap DesenhoPrincipal(const QSize& tamanho) {
  QPixmap pm(tamanho);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(tamanho.width() / 185.0, tamanho.height() / 153.0);
  DesenhaMesa(p);
  return pm;
}

QIcon IconeGlifo(Glifo glifo) {
  return platform::IconeDesenhado({16, 24, 32, 48}, 32, [glifo](QPainter& p) {
    const Estilo e = EstiloDe(glifo);
    p.setPen(QPen(e.cor.darker(140), 1));
    p.setBrush(e.cor);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    const QString texto = QString::fromUtf8(e.texto);
    if (texto.isEmpty()) {
      DesenhaSinal(p, glifo);
    } else {
      QFont f(QStringLiteral("Liberation Sans"));
      f.setBold(true);
      f.setPixelSize(texto.size() >= 3 ? 12 : 19);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, texto);
    }
  });
}

QIcon IconePrograma() { return platform::IconePrograma(platform::Programa::Pravo); }

}  // namespace pravo
