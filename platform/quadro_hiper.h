// The panes of a hypertext page as both programs show it: the title at the
// top, the text pane on the left, the picture pane over the item list on the
// right, the two splitters between them and the panel of buttons at the
// foot.  The player's viewer and the authoring program's editor build their
// windows on it, so the author lays the page out exactly as the student sees
// it.
//
// The frame fills its window.  Sizes are the window's own pixels; the
// splitters can be dragged live, never closer than their minimum size to
// either end, and report when a drag ends.
#pragma once

#include <QWidget>

#include "files/geometria_hiper.h"

class QFrame;
class QLabel;
class QListWidget;

namespace platform {

class Imagem;
class TextoRico;

// A splitter one design pixel thick between two panes.
class Divisor : public QWidget {
  Q_OBJECT
 public:
  Divisor(Qt::Orientation orientacao, QWidget* pai);
  Qt::Orientation orientacao() const { return orientacao_; }

 signals:
  void pressionado();
  // The pointer moved this far along the splitter's axis since it was
  // pressed.
  void arrastado(int deslocamento);
  // The drag ended.
  void movido();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Qt::Orientation orientacao_;
  int origem_ = 0;
  bool arrastando_ = false;
};

class QuadroHiper : public QWidget {
  Q_OBJECT
 public:
  // `alturaBotoes` is the design height of the button panel.
  explicit QuadroHiper(QWidget* janela, int alturaBotoes = 41);

  QFrame* pnlTop;
  QLabel* lblTitulo;
  QFrame* pnlLeft;
  TextoRico* reTexto;
  Divisor* Splitter1;
  QFrame* pnlRight;
  QFrame* pnlRightTop;
  Imagem* imgFigura;
  Divisor* Splitter2;
  QFrame* pnlRightBottom;
  QListWidget* lstItens;
  QFrame* pnlBottom;

  // The splitters' minimum size (both).
  int Minimo() const { return minimo_; }
  void DefineMinimo(int minimo) { minimo_ = minimo; }

  int LarguraTexto() const { return larguraTexto_; }
  void DefineLarguraTexto(int largura);
  int AlturaPainelFigura() const { return alturaFigura_; }
  void DefineAlturaPainelFigura(int altura);

  // Pane sizes, picture mode and stretched size from a stored layout; with
  // the original size the picture keeps its natural size.
  void AplicaGeometria(const files::GeometriaHiper& g);
  // What is shown, as the editor stores it.
  files::GeometriaHiper Geometria() const;

  // The picture centred in its pane, its size kept.
  void CentralizaFigura();
  // After a drag (done by the frame itself once the window's handler of the
  // move has run): a pane narrower or lower than the minimum is widened or
  // raised to it, and its splitter put just beside it.
  void AjustaAoMinimo(Divisor* divisor);

 signals:
  // A drag of the splitter ended.
  void Splitter1Moved();
  void Splitter2Moved();

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Dispoe();
  void Arrasta(Divisor* divisor, int deslocamento);

  int minimo_ = 0;
  int inicioArrasto_ = 0;
  int larguraTexto_ = 320;
  int alturaFigura_ = 200;
};

}  // namespace platform
