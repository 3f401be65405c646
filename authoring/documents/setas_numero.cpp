#include "authoring/documents/setas_numero.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pravo {

SetasNumero::SetasNumero(QWidget* pai) : QWidget(pai) {
  auto* coluna = new QVBoxLayout(this);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);
  for (QToolButton** b : {&Acima, &Abaixo}) {
    *b = new QToolButton(this);
    (*b)->setAutoRepeat(true);
    (*b)->setFixedSize(16, 11);
    (*b)->setFocusPolicy(Qt::NoFocus);
    coluna->addWidget(*b);
  }
  Acima->setArrowType(Qt::UpArrow);
  Abaixo->setArrowType(Qt::DownArrow);
  connect(Acima, &QToolButton::clicked, this, [this] { Passo(1); });
  connect(Abaixo, &QToolButton::clicked, this, [this] { Passo(-1); });
}

void SetasNumero::DefineLimites(int minimo, int maximo) {
  minimo_ = minimo;
  maximo_ = std::max(minimo, maximo);
  valor_ = std::clamp(valor_, minimo_, maximo_);
}

void SetasNumero::DefineValor(int valor) { valor_ = std::clamp(valor, minimo_, maximo_); }

void SetasNumero::Passo(int passo) {
  const int novo = std::clamp(valor_ + passo, minimo_, maximo_);
  if (novo == valor_) return;
  valor_ = novo;
  emit Mudou(valor_);
}

}  // namespace pravo
