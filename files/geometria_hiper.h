// The layout of a hypertext page, in one place for the page's editor and its
// viewer: what the editor stores is what the viewer shows.
//
// Pane sizes are stored as fractions of the whole screen, the stretched
// picture's as fractions of the page's 4:3 design area fitted to the screen
// (the area the other page windows lay their design in), so that the picture
// keeps its shape on every screen; each is shown as the rounded product
// (halves to the even neighbour).  On a 4:3 screen the design area is the
// screen.  The picture is centred in its pane; a hot spot is a per cent of
// the shown picture's width and height, measured from its top-left corner.
// Values read from a record are brought within their range before use, so a
// damaged record lays out a usable page.
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include "files/registros.h"

namespace files {

// A stored fraction of the screen within 0..1 (0 for a value that is not a
// number).
double FracaoValida(double fracao);
// A stored hot-spot coordinate within -1..100 (-1 for a value that is not a
// number).
double PorCentoValido(double porCento);
// The item with its coordinates brought within range.
RegItem ItemValido(RegItem item);

// The page's 4:3 design area on a screen: as high as the screen on a screen
// wider than 4:3 (Round(height x 4 / 3) wide), else as wide as the screen
// (Round(width x 3 / 4) high); the screen itself on a 4:3 screen.
QSize AreaDoDesenho(QSize tela);

// What a page record lays out on a screen.
struct GeometriaHiper {
  int larguraTexto = 0;        // the text pane's width
  int alturaPainelFigura = 0;  // the picture pane's height
  bool tamanhoOriginal = false;
  QSize figura;                // the stretched picture's size (unused when original)
  bool operator==(const GeometriaHiper&) const = default;
};
GeometriaHiper GeometriaDe(const RegHiper& pagina, QSize tela);
// The editor's side: the fractions of what it shows, unrounded.  A picture
// larger than the design area reads back at the area's size (the largest a
// record carries), so the editor stretches none beyond it.
void GuardaGeometria(RegHiper& pagina, const GeometriaHiper& g, QSize tela);

// Top-left corner of a picture centred in its pane (negative when the
// picture is the larger; integer division truncating toward zero).
QPoint CentroNoPainel(QSize painel, QSize figura);

// An item has a hot spot unless both coordinates are -1.
bool TemPontoQuente(const RegItem& item);
// The hot spot of per cents (x, y) on the picture shown at `figura` (its
// place in the pane): Round(width x X / 100) + left, likewise down.
QPoint PontoQuente(const QRect& figura, double x, double y);
// The marker of size `alvo` centred on that point.
QRect RetanguloAlvo(const QRect& figura, QSize alvo, double x, double y);
// The pointer at `ponto` (pixels from the picture's top-left) in per cent of
// the picture's size, in floating point (0 along an empty side).
QPointF PorCentoDoPonteiro(QPointF ponto, QSize figura);
// What the editor stores for a click at pixel `p` of a side `tamanho`
// pixels long: the rounded per cent, within 0..99.
int PorCentoDoClique(int p, int tamanho);
// The item nearest to the pointer (per cents), the earlier one on equal
// distances; an item without a hot spot counts at its stored (-1, -1).
// -1 for an empty list.
int ItemMaisProximo(const QList<RegItem>& itens, QPointF ponteiro);

// Printing a page of `pagina` device pixels: the picture shown at `mostrada`
// is drawn centred across the page and within its top third (half the page
// wide when wider than high, else a quarter of the page high, aspect kept);
// an empty rectangle when it has no size.
QRect RetanguloFiguraImpressa(QSize pagina, QSize mostrada);
// The text's rectangle in twips on a page of `paginaTwips`: a tenth of the
// width off each side, from a third of the height down to the bottom.
QRect RetanguloTextoImpresso(QSize paginaTwips);

}  // namespace files
