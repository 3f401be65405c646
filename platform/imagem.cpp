#include "platform/imagem.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace platform {

Imagem::Imagem(QWidget* pai, Uso uso) : QWidget(pai), uso_(uso) {
  if (uso_ == Uso::Quadro) return;
  setMouseTracking(true);
  setAttribute(Qt::WA_TranslucentBackground);
}

bool Imagem::Carrega(const QString& caminho) {
  Figura nova;
  const bool ok = nova.Carrega(caminho);
  DefineFigura(ok ? nova : Figura());
  return ok;
}

void Imagem::DefineFigura(const Figura& figura) {
  figura_ = figura;
  AjustaTamanho();
  update();
}

void Imagem::Limpa() {
  canvas_ = QImage();
  DefineFigura(Figura());
}

void Imagem::CopiaDe(const Imagem& outra) {
  autoSize_ = false;  // the size is the other's, even with auto-size on
  DefineFigura(outra.figura_);
  DefineStretch(outra.stretch_);
  resize(outra.size());
  autoSize_ = outra.autoSize_;
}

void Imagem::DefineAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AjustaTamanho();
}

void Imagem::DefineStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void Imagem::AjustaTamanho() {
  if (autoSize_ && !figura_.vazia()) resize(figura_.Tamanho());
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
  if (figura_.vazia() && canvas_.isNull()) return;
  QPainter p(this);
  if (!figura_.vazia()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
      figura_.Desenha(p, QRectF(rect()));
    else
      figura_.Desenha(p, QRectF(QPointF(0, 0), QSizeF(figura_.Tamanho())));
  }
  if (!canvas_.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(rect(), canvas_);
  }
}

void Imagem::mousePressEvent(QMouseEvent* e) {
  // A picture lets the press through to the window behind it.
  if (uso_ != Uso::Quadro) {
    QWidget::mousePressEvent(e);
    return;
  }
  emit pressionada(e->position().toPoint());
  e->accept();
}

void Imagem::mouseMoveEvent(QMouseEvent* e) {
  if (uso_ != Uso::Quadro) emit ponteiroMoveu(e->position());
  QWidget::mouseMoveEvent(e);
}

void Imagem::mouseReleaseEvent(QMouseEvent* e) {
  const bool duplo = std::exchange(duplo_, false);
  if (uso_ != Uso::Quadro && e->button() == Qt::LeftButton && !duplo && rect().contains(e->position().toPoint()))
    emit clicada();
  QWidget::mouseReleaseEvent(e);
}

void Imagem::mouseDoubleClickEvent(QMouseEvent* e) {
  // On a board the second press is one more press.
  if (uso_ == Uso::Quadro) {
    QWidget::mouseDoubleClickEvent(e);
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  duplo_ = true;
  emit clicadaDuasVezes();
  QWidget::mouseDoubleClickEvent(e);
}

}  // namespace platform
