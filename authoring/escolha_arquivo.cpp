#include "authoring/escolha_arquivo.h"

#include <QLineEdit>

#include "files/pastas.h"
#include "files/texto.h"

namespace pravo {

const QString kNenhum = QStringLiteral(" nenhum ");

int UltimoIgual(const QComboBox* lista, const QString& nome) {
  int escolhida = -1;
  const QString procurado = files::MinusculasAnsi(nome);
  for (int i = 0; i < lista->count(); ++i)
    if (files::MinusculasAnsi(lista->itemText(i)) == procurado) escolhida = i;
  return escolhida;
}

void PreencheLista(QComboBox* lista, const QStringList& nomes) {
  lista->clear();
  lista->addItem(kNenhum);
  lista->addItems(nomes);
  lista->setCurrentIndex(-1);
}

void EscolheNaLista(QComboBox* lista, const QString& nome) {
  lista->setCurrentIndex(nome.isEmpty() ? -1 : UltimoIgual(lista, nome));
}

QString EscolhidoNaLista(const QComboBox* lista) {
  return lista->currentIndex() > 0 ? lista->currentText() : QString();
}

EscolhaArquivo::EscolhaArquivo(Guarda guarda, QWidget* dono, bool editavel) : QComboBox(dono), guarda_(guarda) {
  setEditable(editavel);
  setMaxVisibleItems(12);
  // A choice of the author's own replaces the kept name.
  connect(this, &QComboBox::activated, this, [this] {
    Esquece();
    emit escolhida();
  });
  if (QLineEdit* edicao = lineEdit()) connect(edicao, &QLineEdit::textEdited, this, [this] { Esquece(); });
}

void EscolhaArquivo::Esquece() {
  guardado_.clear();
  setPlaceholderText(QString());
}

void EscolhaArquivo::Preenche(const QStringList& nomes) {
  PreencheLista(this, nomes);
  Limpa();
}

void EscolhaArquivo::Limpa() {
  Esquece();
  setCurrentIndex(-1);
  if (isEditable()) setEditText(QString());
}

void EscolhaArquivo::Mostra(const QString& guardado) {
  Esquece();
  if (guarda_ == Guarda::Pagina) {
    EscolheNaLista(this, guardado);
    guardado_ = guardado;
    return;
  }
  // " nenhum " first, then the stored name's entry.
  setCurrentIndex(count() > 0 ? 0 : -1);
  if (guardado.isEmpty()) return;
  EscolheNaLista(this, guardado);
  if (currentIndex() > 0) return;
  setCurrentIndex(-1);
  // A name that is not a bare name names no file of the folder: it is not kept.
  if (!files::NomeSimples(guardado)) return;
  guardado_ = guardado;
  if (isEditable())
    setEditText(guardado);
  else
    setPlaceholderText(guardado);
}

bool EscolhaArquivo::TemEntrada() const {
  if (currentIndex() <= 0) return false;
  // In a list with an edit field, only the entry's own text counts.
  return !isEditable() || currentText() == itemText(currentIndex());
}

QString EscolhaArquivo::Escolhido() const {
  if (TemEntrada()) return itemText(currentIndex());
  if (currentIndex() == 0) return {};
  return guardado_;
}

}  // namespace pravo
