#include "authoring/editors/rotulos.h"

#include <QLabel>

#include "files/texto.h"

namespace pravo {

QLabel* RotuloCampo(QWidget* dono, const char* nome, const QString& texto, int x, int y, bool italico) {
  auto* l = new QLabel(texto, dono);
  l->setObjectName(QString::fromLatin1(nome));
  QFont f = l->font();
  f.setBold(true);
  f.setItalic(italico);
  l->setFont(f);
  l->move(x, y);
  l->adjustSize();
  return l;
}

bool CampoVazio(const QString& texto) { return files::Apara(texto).isEmpty(); }

}  // namespace pravo
