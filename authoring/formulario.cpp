#include "authoring/formulario.h"

#include <QPushButton>
#include <QWidget>


namespace pravo {

QPushButton* Botao(const QString& texto, const char* nome, const QRect& lugar, QWidget* dono) {
  auto* b = new QPushButton(texto, dono);
  b->setObjectName(QLatin1String(nome));
  b->setGeometry(lugar);
  return b;
}

}  // namespace pravo
