#include "platform/grupo_radio.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QResizeEvent>
#include <algorithm>

#include "platform/escala.h"

namespace platform {

GrupoRadio::GrupoRadio(const QString& titulo, const QStringList& itens, int colunas, QWidget* dono)
    : QGroupBox(titulo, dono), grupo_(new QButtonGroup(this)), colunas_(std::max(1, colunas)) {
  grupo_->setExclusive(true);
  connect(grupo_, &QButtonGroup::idToggled, this, [this](int id, bool marcado) {
    if (marcado) emit indiceMudou(id);
  });
  DefineItens(itens);
}

void GrupoRadio::DefineItens(const QStringList& itens) {
  DefineItemIndex(-1);
  for (QRadioButton* b : itens_) {
    grupo_->removeButton(b);
    delete b;
  }
  itens_.clear();
  for (int i = 0; i < itens.size(); ++i) {
    auto* b = new QRadioButton(itens[i], this);
    // Items made after the window was scaled still show their circle at the
    // size of their text.
    platform::IndicadorSegueTexto(b);
    grupo_->addButton(b, i);
    itens_ << b;
    b->show();
  }
  Dispoe();
}

void GrupoRadio::DefineColunas(int colunas) {
  colunas_ = std::max(1, colunas);
  Dispoe();
}

int GrupoRadio::ItemIndex() const { return grupo_->checkedId(); }

void GrupoRadio::DefineItemIndex(int indice) {
  if (indice >= 0 && indice < itens_.size()) {
    itens_[indice]->setChecked(true);
    return;
  }
  // Clearing the selection: an exclusive group cannot be unchecked directly.
  if (QAbstractButton* b = grupo_->checkedButton()) {
    grupo_->setExclusive(false);
    b->setChecked(false);
    grupo_->setExclusive(true);
  }
}

int GrupoRadio::Quantidade() const { return static_cast<int>(itens_.size()); }

QRadioButton* GrupoRadio::Item(int i) const {
  return (i >= 0 && i < itens_.size()) ? itens_[i] : nullptr;
}

void GrupoRadio::resizeEvent(QResizeEvent* e) {
  QGroupBox::resizeEvent(e);
  Dispoe();
}

void GrupoRadio::Dispoe() {
  if (itens_.isEmpty()) return;
  // Items fill the area under the caption column by column, in equal cells.
  const int topo = title().isEmpty() ? 4 : fontMetrics().height() + 2;
  const QRect area = rect().adjusted(8, topo, -4, -4);
  const int linhas = (static_cast<int>(itens_.size()) + colunas_ - 1) / colunas_;
  const int largura = area.width() / colunas_;
  const int altura = std::max(1, area.height() / linhas);
  for (int i = 0; i < itens_.size(); ++i) {
    const int col = i / linhas;
    const int lin = i % linhas;
    const int h = std::min(altura, itens_[i]->sizeHint().height());
    itens_[i]->setGeometry(area.left() + col * largura, area.top() + lin * altura + (altura - h) / 2,
                           largura, h);
  }
}

}  // namespace platform
