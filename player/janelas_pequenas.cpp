#include "player/janelas_pequenas.h"

#include <QLabel>

#include "platform/mensagens.h"

namespace zelmo {

QLabel* PainelDeFundo(QWidget* janela) {
  auto* p = new QLabel(janela);
  p->setObjectName("Panel1");
  p->setFrameStyle(QFrame::Panel | QFrame::Raised);
  p->setLineWidth(5);
  p->setAlignment(Qt::AlignCenter);
  p->setGeometry(0, 0, janela->width(), janela->height());
  platform::PintaFundo(p, platform::kAzul);
  return p;
}

}  // namespace zelmo
