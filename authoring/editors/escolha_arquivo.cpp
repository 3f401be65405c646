#include "authoring/editors/escolha_arquivo.h"

#include <QComboBox>
#include <QLineEdit>

#include "files/pastas.h"
#include "files/texto.h"

namespace pravo {

EscolhaArquivo::EscolhaArquivo(QComboBox* lista) : QObject(lista), lista_(lista) {
  connect(lista_, &QComboBox::activated, this, [this] {
    Esquece();
    emit escolhida();
  });
  if (QLineEdit* edicao = lista_->lineEdit())
    connect(edicao, &QLineEdit::textEdited, this, [this] { Esquece(); });
}

void EscolhaArquivo::Esquece() {
  guardado_.clear();
  lista_->setPlaceholderText(QString());
}

void EscolhaArquivo::Preenche(const QStringList& nomes) {
  PreencheLista(lista_, nomes);
  Limpa();
}

void EscolhaArquivo::Limpa() {
  Esquece();
  lista_->setCurrentIndex(-1);
  if (lista_->isEditable()) lista_->setEditText(QString());
}

void EscolhaArquivo::Mostra(const QString& guardado) {
  Esquece();
  // " nenhum " first, then the stored name's entry.
  lista_->setCurrentIndex(lista_->count() > 0 ? 0 : -1);
  if (guardado.isEmpty()) return;
  EscolheNaLista(lista_, guardado);
  if (lista_->currentIndex() > 0) return;
  lista_->setCurrentIndex(-1);
  // A name that is not a bare name names no file of the folder: it is not kept.
  if (!files::NomeSimples(guardado)) return;
  guardado_ = guardado;
  if (lista_->isEditable())
    lista_->setEditText(guardado);
  else
    lista_->setPlaceholderText(guardado);
}

bool EscolhaArquivo::TemEntrada() const {
  if (lista_->currentIndex() <= 0) return false;
  // In a list with an edit field, only the entry's own text counts.
  return !lista_->isEditable() || lista_->currentText() == lista_->itemText(lista_->currentIndex());
}

QString EscolhaArquivo::Escolhido() const {
  if (TemEntrada()) return lista_->itemText(lista_->currentIndex());
  return guardado_;
}

}  // namespace pravo
