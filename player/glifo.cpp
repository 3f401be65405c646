#include "player/glifo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace zelmo {

QIcon GlifoOK() {
  QIcon icone;
  for (int lado : {16, 24, 32, 48}) {
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath marca;
    marca.moveTo(lado * 0.15, lado * 0.55);
    marca.lineTo(lado * 0.40, lado * 0.80);
    marca.lineTo(lado * 0.88, lado * 0.22);
    g.setPen(QPen(QColor(0, 128, 0), lado * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPath(marca);
    g.end();
    icone.addPixmap(p);
  }
  return icone;
}

QFont FonteDeBotao() {
  QFont f("Arial");
  f.setPixelSize(13);
  return f;
}

void AjustaBotaoOK(QPushButton* botao) {
  const int lado = std::max(12, botao->height() * 3 / 5);
  botao->setIconSize(QSize(lado, lado));
}

}  // namespace zelmo
