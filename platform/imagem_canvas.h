// An image control with a canvas: what is drawn on it stays until it is
// cleared, and the control shows it stretched to its own size.  The canvas
// has the control's size when drawing starts (white where nothing is drawn).
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace platform {

class Figura;

class ImagemCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit ImagemCanvas(QWidget* pai = nullptr, const QString& nome = {});

  // The picture cleared: the control shows nothing of its own.
  void Limpa();
  bool vazia() const { return canvas_.isNull(); }
  // Stretch-draws the picture into the rectangle of the canvas.
  void DesenhaFigura(const Figura& figura, const QRect& destino);
  // A line with the pen's width and colour.
  void DefineCaneta(int largura, const QColor& cor);
  void Linha(QPoint de, QPoint ate);
  const QImage& canvas() const { return canvas_; }

 signals:
  // A mouse button was pressed at (x, y) of the control.
  void pressionada(QPoint posicao);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QImage& Canvas();

  QImage canvas_;
  int larguraCaneta_ = 1;
  QColor corCaneta_ = Qt::black;
};

}  // namespace platform
