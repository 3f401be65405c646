#include "platform/imagem_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/figura.h"

namespace platform {

ImagemCanvas::ImagemCanvas(QWidget* pai, const QString& nome) : QWidget(pai) { setObjectName(nome); }

void ImagemCanvas::Limpa() {
  canvas_ = QImage();
  update();
}

QImage& ImagemCanvas::Canvas() {
  if (canvas_.isNull()) {
    canvas_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    canvas_.fill(Qt::white);
  }
  return canvas_;
}

void ImagemCanvas::DesenhaFigura(const Figura& figura, const QRect& destino) {
  QPainter p(&Canvas());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  figura.Desenha(p, destino);
  p.end();
  update();
}

void ImagemCanvas::DefineCaneta(int largura, const QColor& cor) {
  larguraCaneta_ = largura;
  corCaneta_ = cor;
}

void ImagemCanvas::Linha(QPoint de, QPoint ate) {
  QPainter p(&Canvas());
  p.setPen(QPen(corCaneta_, larguraCaneta_, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(de, ate);
  p.end();
  update();
}

void ImagemCanvas::paintEvent(QPaintEvent*) {
  if (canvas_.isNull()) return;
  QPainter p(this);
  p.drawImage(rect(), canvas_);
}

void ImagemCanvas::mousePressEvent(QMouseEvent* e) {
  emit pressionada(e->position().toPoint());
  e->accept();
}

}  // namespace platform
