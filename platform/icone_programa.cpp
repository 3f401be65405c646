#include "platform/icone_programa.h"

#include <QFont>
#include <QPainter>

#include "platform/icone.h"

namespace platform {

namespace {

// Both are a page with one big letter and its shadow, drawn in a square of
// side 64: Zelmo II a red "Z" on the dark blue of its main window, whose
// title it repeats; Pravo II a red "P" on a pale yellow page.
struct Estilo {
  QColor borda, fundo, sombra, letra;
  QString texto;
};

Estilo EstiloDe(Programa programa) {
  if (programa == Programa::Zelmo)
    return {QColor(0, 0, 64), QColor(0, 0, 160), Qt::black, Qt::red, QStringLiteral("Z")};
  return {QColor(150, 120, 40), QColor(255, 255, 192), Qt::black, Qt::red, QStringLiteral("P")};
}

void Desenha(QPainter& p, Programa programa) {
  const Estilo e = EstiloDe(programa);
  p.setPen(QPen(e.borda, 2));
  p.setBrush(e.fundo);
  p.drawRoundedRect(QRectF(4, 2, 56, 60), 8, 8);
  QFont f(QStringLiteral("Liberation Serif"));
  f.setPixelSize(50);
  f.setBold(true);
  f.setItalic(true);
  p.setFont(f);
  p.setPen(e.sombra);
  p.drawText(QRectF(3, 3, 60, 60), Qt::AlignCenter, e.texto);
  p.setPen(e.letra);
  p.drawText(QRectF(0, 0, 60, 60), Qt::AlignCenter, e.texto);
}

}  // namespace

QIcon IconePrograma(Programa programa) {
  return IconeDesenhado({16, 32, 48, 64, 128}, 64, [programa](QPainter& p) { Desenha(p, programa); });
}

QImage ImagemIconePrograma(Programa programa, int lado) {
  return ImagemDesenhada(lado, 64, [programa](QPainter& p) { Desenha(p, programa); });
}

}  // namespace platform
