// Where the parts of a locate picture stand.  Every position of a RegFigura
// (the drawn size of the picture, the label panels, the points the lines
// start from) is a fraction of the square picture box of the window that
// shows it; the locate editor stores fractions of its box and the player
// turns them into pixels of its own, so a label the teacher put on the aorta
// is on the aorta for the student whatever the screen.
//
// A fraction becomes s x fraction rounded to the nearest pixel, halves to the
// even one.  Whatever a record holds (NaN, infinities, values far outside the
// box) is brought into the box before it becomes a pixel: a label panel lies
// wholly inside the box, so it can always be reached.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace files {

class GeometriaLocal {
 public:
  // The side of the box in pixels (at least 1).
  explicit GeometriaLocal(int lado);
  int lado() const { return lado_; }

  // s x fraction rounded, held within [minimo, maximo]; NaN gives `seNaN`.
  int Pixel(double fracao, int minimo, int maximo, int seNaN) const;
  // A pixel position or size of the box as the fraction stored.
  double Fracao(int pixel) const;

  // The drawn width or height of the picture: 1 to s pixels (an unreadable
  // fraction draws it over the whole box).
  int TamanhoFigura(double fracao) const;
  // The picture's rectangle, centred in the box at the drawn size.
  QRect RetanguloFigura(int largura, int altura) const;
  QRect RetanguloFigura(double larguraFig, double alturaFig) const;

  // A panel of the given size placed at (x, y) as near as it can stand while
  // lying wholly inside the box (at 0 when it is larger than the box).
  QPoint DentroDaCaixa(QPoint posicao, QSize painel) const;
  // The stored position of a panel, in pixels, kept inside the box.
  QPoint PosicaoPainel(double panX, double panY, QSize painel) const;

  // The point a label's line starts from, or none: a negative fraction (-1.0
  // is "no line") or one that is not a number.  Kept inside the box.
  std::optional<QPoint> PontoLinha(double linhaX, double linhaY) const;

  // Where a line ends: the panel's centre (left + width div 2, top + height div 2).
  static QPoint Centro(const QRect& painel);

 private:
  int lado_;
};

// Whether a picture name is of a kind the locate windows draw: its last three
// characters, lower-cased, are "jpg", "bmp" or "wmf".
bool FiguraDesenhavel(const QString& nome);

}  // namespace files
