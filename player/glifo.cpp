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

QFont FonteDeBotao() { return platform::FonteDesenho("Arial", 13); }

void AjustaBotaoOK(QPushButton* botao) {
  const int lado = std::max(12, botao->height() * 3 / 5);
  botao->setIconSize(QSize(lado, lado));
}

}  // namespace zelmo
