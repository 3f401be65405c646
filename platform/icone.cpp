#include "platform/icone.h"

#include <QPainter>
#include <QPixmap>

namespace platform {

QIcon IconeDesenhado(std::initializer_list<int> lados, qreal base,
                     const std::function<void(QPainter&)>& desenha) {
  QIcon icone;
  for (int lado : lados) {
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(lado / base, lado / base);
    desenha(p);
    p.end();
    icone.addPixmap(pm);
  }
  return icone;
}

}  // namespace platform
