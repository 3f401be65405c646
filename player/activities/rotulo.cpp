#include "player/activities/rotulo.h"

#include "platform/fonte.h"
#include "platform/mensagens.h"

namespace zelmo {

QLabel* CriaRotulo(QWidget* pai, const QString& nome, const QString& texto, int left, int top, int altura,
                   uint32_t cor, bool italico) {
  auto* l = new QLabel(texto, pai);
  l->setObjectName(nome);
  l->setFont(platform::FonteDesenho("Times New Roman", altura, true, italico));
  platform::CorDoTexto(l, platform::CorDe(cor));
  l->move(left, top);
  l->adjustSize();
  // Room for the italic overhang of the last letter, which the text's
  // advance width leaves out (and for rounding once the window is scaled).
  l->resize(l->width() + altura / 2, l->height());
  return l;
}

}  // namespace zelmo
