#include "player/glifo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "platform/fonte.h"
#include "platform/icone.h"

namespace zelmo {

QIcon GlifoOK() {
  return platform::IconeDesenhado({16, 24, 32, 48}, 100, [](QPainter& p) {
    QPainterPath marca;
    marca.moveTo(15, 55);
    marca.lineTo(40, 80);
    marca.lineTo(88, 22);
    p.setPen(QPen(QColor(0, 128, 0), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(marca);
  });
}

QIcon GlifoConsulta() {
  return platform::IconeDesenhado({16, 24, 32, 48}, 100, [](QPainter& p) {
    p.setPen(QPen(QColor(0, 0, 128), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const int lado : {-1, 1}) {
      QPainterPath folha;
      folha.moveTo(50, 30);
      folha.cubicTo(50 + lado * 15, 20, 50 + lado * 30, 20, 50 + lado * 44, 26);
      folha.lineTo(50 + lado * 44, 80);
      folha.cubicTo(50 + lado * 30, 74, 50 + lado * 15, 74, 50, 84);
      folha.closeSubpath();
      p.setBrush(QColor(255, 255, 240));
      p.drawPath(folha);
    }
    p.setPen(QPen(QColor(0, 0, 128), 3));
    for (int y = 40; y <= 64; y += 12) {
      p.drawLine(QPointF(18, y), QPointF(42, y - 3));
      p.drawLine(QPointF(58, y - 3), QPointF(82, y));
    }
  });
}

QIcon GlifoAjuda() {
  return platform::IconeDesenhado({16, 24, 32, 48}, 100, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 64, 192));
    p.drawEllipse(QRectF(6, 6, 88, 88));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(70);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, 6, 88, 88), Qt::AlignCenter, QStringLiteral("?"));
  });
}

namespace {

// An arrow pointing right: its shaft from x0 to the head at xCabeca, its
// tip at xPonta, on the line y, the shaft and the head of the half-heights given.
QPainterPath SetaParaADireita(double x0, double xCabeca, double xPonta, double y, double meiaHaste,
                              double meiaCabeca) {
  QPainterPath seta;
  seta.moveTo(x0, y - meiaHaste);
  seta.lineTo(xCabeca, y - meiaHaste);
  seta.lineTo(xCabeca, y - meiaCabeca);
  seta.lineTo(xPonta, y);
  seta.lineTo(xCabeca, y + meiaCabeca);
  seta.lineTo(xCabeca, y + meiaHaste);
  seta.lineTo(x0, y + meiaHaste);
  seta.closeSubpath();
  return seta;
}

}  // namespace

QIcon GlifoSair() {
  return platform::IconeDesenhado({16, 24, 32, 48}, 100, [](QPainter& p) {
    p.setPen(QPen(QColor(96, 48, 0), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(176, 112, 48));
    p.drawRect(QRectF(14, 8, 46, 84));
    p.setBrush(QColor(96, 48, 0));
    p.drawEllipse(QPointF(50, 52), 3, 3);
    const QPainterPath seta = SetaParaADireita(44, 72, 96, 52, 8, 22);
    p.setPen(QPen(QColor(128, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(220, 0, 0));
    p.drawPath(seta);
  });
}

QIcon GlifoProxima() {
  return platform::IconeDesenhado({16, 24, 32, 48}, 100, [](QPainter& p) {
    const QPainterPath seta = SetaParaADireita(8, 52, 92, 50, 12, 36);
    p.setPen(QPen(QColor(0, 96, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 160, 0));
    p.drawPath(seta);
  });
}

QFont FonteDeBotao() { return platform::FonteDesenho("Arial", 13); }

void AjustaGlifo(QPushButton* botao) {
  const int lado = std::max(12, botao->height() * 3 / 5);
  botao->setIconSize(QSize(lado, lado));
}

void AjustaBotaoOK(QPushButton* botao) { AjustaGlifo(botao); }

}  // namespace zelmo
