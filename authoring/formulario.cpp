#include "authoring/formulario.h"

#include <QPushButton>
#include <QWidget>

#include "platform/escala.h"

namespace pravo {

void FixaFontes(QWidget* janela) {
  for (QWidget* w : janela->findChildren<QWidget*>()) {
    if (w->isWindow()) continue;
    w->setFont(w->font());
  }
}

void EscalaJanela(QWidget* janela) {
  FixaFontes(janela);
  platform::EscalaJanelaPequena(janela);
}

void CobreATela(QWidget* janela) {
  const platform::Tela tela = platform::TelaAtual();
  if (janela->height() > tela.altura && tela.altura > 0) {
    platform::ScaleBy(janela, tela.altura, janela->height());
    const int dx = (tela.largura - janela->width()) / 2;
    for (QWidget* w : janela->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!w->isWindow()) w->move(w->x() + dx, w->y());
  }
  janela->setGeometry(0, 0, tela.largura, tela.altura);
}

void EscalaTelaInteira(QWidget* janela) {
  EscalaJanela(janela);
  CobreATela(janela);
}

QPushButton* Botao(const QString& texto, const char* nome, const QRect& lugar, QWidget* dono) {
  auto* b = new QPushButton(texto, dono);
  b->setObjectName(QLatin1String(nome));
  b->setGeometry(lugar);
  return b;
}

}  // namespace pravo
