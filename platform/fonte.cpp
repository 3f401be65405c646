#include "platform/fonte.h"

#include <QFontDatabase>
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

QString FamiliaSimples(const QString& familia) {
  const QString nome = familia.trimmed();
  if (!nome.endsWith(u']')) return nome;
  const qsizetype abre = nome.lastIndexOf(QLatin1String(" ["));
  if (abre <= 0 || nome.indexOf(u'[', abre + 2) >= 0) return nome;
  return nome.left(abre).trimmed();
}

QStringList FamiliasDaTela() {
  QStringList faces;
  for (const QString& f : QFontDatabase::families()) {
    const QString nome = FamiliaSimples(f);
    if (!nome.isEmpty()) faces << nome;
  }
  faces.sort(Qt::CaseInsensitive);
  faces.removeDuplicates();
  return faces;
}

void CorDoTexto(QWidget* w, const QColor& cor) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, cor);
  w->setPalette(p);
}

}  // namespace platform
