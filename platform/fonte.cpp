#include "platform/fonte.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace platform {

QFont FonteDesenho(const QString& familia, int pixels, bool negrito, bool italico) {
  QFont f;
  QStringList familias{familia};
  if (familia == QLatin1String("Times New Roman"))
    familias << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif");
  else if (familia == QLatin1String("Courier New"))
    familias << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
  else
    familias << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
  f.setFamilies(familias);
  f.setPixelSize(pixels);
  f.setBold(negrito);
  f.setItalic(italico);
  return f;
}

void CorDoTexto(QWidget* w, const QColor& cor) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, cor);
  w->setPalette(p);
}

}  // namespace platform
