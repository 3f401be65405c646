// The image control: a picture (platform/figura.h) shown at its natural size
// (auto-size, the control takes the picture's size) or stretched to the
// control's size.  It reports the pointer's moves (without a button held),
// clicks and double-clicks in its own coordinates.
//
// A control made as a board (`Uso::Quadro`) is drawn on instead: what is
// drawn stays until it is cleared and is shown stretched to the control's
// size, over the picture.  The board has the control's size when drawing
// starts (white where nothing is drawn); such a control is opaque and takes
// every press, which it reports.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/figura.h"

namespace platform {

class Imagem : public QWidget {
  Q_OBJECT
 public:
  enum class Uso { Figura, Quadro };

  explicit Imagem(QWidget* pai = nullptr, Uso uso = Uso::Figura);

  // Loads the picture from a file in place of the one shown; a file that
  // cannot be read leaves the control empty.  False then.
  bool Carrega(const QString& caminho);
  void DefineFigura(const Figura& figura);
  const Figura& figura() const { return figura_; }
  // No picture and nothing drawn: the control shows nothing of its own.
  void Limpa();
  // The other control's picture, auto-size, stretching and size.
  void CopiaDe(const Imagem& outra);

  bool AutoSize() const { return autoSize_; }
  // With auto-size on, the control takes the picture's natural size now and
  // at every load.
  void DefineAutoSize(bool autoSize);
  bool Stretch() const { return stretch_; }
  void DefineStretch(bool stretch);

  // Drawing on the board.
  // Nothing has been drawn since the last clearing.
  bool vazia() const { return canvas_.isNull(); }
  // Stretch-draws the picture into the rectangle of the board.
  void DesenhaFigura(const Figura& figura, const QRect& destino);
  // A line with the pen's width and colour.
  void DefineCaneta(int largura, const QColor& cor);
  void Linha(QPoint de, QPoint ate);
  const QImage& canvas() const { return canvas_; }

 signals:
  void ponteiroMoveu(QPointF ponto);
  void clicada();
  void clicadaDuasVezes();
  // A board: a mouse button was pressed at (x, y) of the control.
  void pressionada(QPoint posicao);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void AjustaTamanho();
  QImage& Canvas();

  Uso uso_;
  Figura figura_;
  bool autoSize_ = true;
  bool stretch_ = false;
  bool duplo_ = false;  // the release that ends a double-click is no click
  QImage canvas_;
  int larguraCaneta_ = 1;
  QColor corCaneta_ = Qt::black;
};

}  // namespace platform
