#include "authoring/formulario.h"

#include <QPushButton>
#include <QWidget>


namespace pravo {

QPushButton* Botao(const QString& texto, const char* nome, const QRect& lugar, QWidget* dono) {
  auto* b = new QPushButton(texto, dono);
  b->setObjectName(QLatin1String(nome));
  b->setGeometry(lugar);
  // Enter presses no button that a window does not make its default on
  // purpose: a button that deletes or closes is pressed only by a click (or
  // Space on the focused button), never by an Enter meant for a field.
  b->setAutoDefault(false);
  return b;
}

}  // namespace pravo
