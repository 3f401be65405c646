#include "platform/imagem.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace platform {

Imagem::Imagem(QWidget* pai) : QWidget(pai) {
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

void Imagem::Limpa() { DefineFigura(Figura()); }

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

void Imagem::paintEvent(QPaintEvent*) {
  if (figura_.vazia()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (stretch_)
    figura_.Desenha(p, QRectF(rect()));
  else
    figura_.Desenha(p, QRectF(QPointF(0, 0), QSizeF(figura_.Tamanho())));
}

void Imagem::mouseMoveEvent(QMouseEvent* e) {
  emit ponteiroMoveu(e->position());
  QWidget::mouseMoveEvent(e);
}

void Imagem::mouseReleaseEvent(QMouseEvent* e) {
  const bool duplo = std::exchange(duplo_, false);
  if (e->button() == Qt::LeftButton && !duplo && rect().contains(e->position().toPoint())) emit clicada();
  QWidget::mouseReleaseEvent(e);
}

void Imagem::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  duplo_ = true;
  emit clicadaDuasVezes();
  QWidget::mouseDoubleClickEvent(e);
}

}  // namespace platform
