#include "authoring/moldura.h"

#include <QTimer>
#include <QWidget>

#include "platform/escala.h"

namespace pravo {

void CabeNaTela(QWidget* janela) {
  const platform::Tela tela = platform::TelaAtual();
  const int extraL = janela->frameGeometry().width() - janela->width();
  const int extraA = janela->frameGeometry().height() - janela->height();
  if ((extraL <= 0 && extraA <= 0) || janela->frameGeometry().height() <= tela.altura) return;
  const int altura = tela.altura - extraA;
  if (altura <= 0) return;
  janela->move(tela.x, tela.y);
  janela->resize(tela.largura - extraL, altura);
}

void CabeNaTelaAoMostrar(QWidget* janela) {
  for (int ms : {50, 400}) QTimer::singleShot(ms, janela, [janela] { CabeNaTela(janela); });
}

}  // namespace pravo
