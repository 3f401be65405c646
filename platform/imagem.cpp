#include "platform/imagem.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/figura.h"

namespace platform {

Imagem::Imagem(QWidget* pai, const QString& nome) : QWidget(pai) { setObjectName(nome); }

void Imagem::Limpa() {
  canvas_ = QImage();
  update();
}

QImage& Imagem::Canvas() {
  if (canvas_.isNull()) {
    canvas_ = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    canvas_.fill(Qt::white);
  }
  return canvas_;
}

void Imagem::DesenhaFigura(const Figura& figura, const QRect& destino) {
  QPainter p(&Canvas());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  figura.Desenha(p, destino);
  p.end();
  update();
}

void Imagem::DefineCaneta(int largura, const QColor& cor) {
  larguraCaneta_ = largura;
  corCaneta_ = cor;
}

void Imagem::Linha(QPoint de, QPoint ate) {
  QPainter p(&Canvas());
  p.setPen(QPen(corCaneta_, larguraCaneta_, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(de, ate);
  p.end();
  update();
}

void Imagem::paintEvent(QPaintEvent*) {
  if (canvas_.isNull()) return;
  QPainter p(this);
  p.drawImage(rect(), canvas_);
}

void Imagem::mousePressEvent(QMouseEvent* e) {
  emit pressionada(e->position().toPoint());
  e->accept();
}

}  // namespace platform
