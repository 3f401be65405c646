#include "platform/icone.h"

#include <QPainter>
#include <QPixmap>

namespace platform {

QImage ImagemDesenhada(int lado, qreal base, const std::function<void(QPainter&)>& desenha) {
  QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
  imagem.fill(Qt::transparent);
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(lado / base, lado / base);
  desenha(p);
  p.end();
  return imagem;
}

QIcon IconeDesenhado(std::initializer_list<int> lados, qreal base,
                     const std::function<void(QPainter&)>& desenha) {
  QIcon icone;
  for (int lado : lados) icone.addPixmap(QPixmap::fromImage(ImagemDesenhada(lado, base, desenha)));
  return icone;
}

}  // namespace platform
