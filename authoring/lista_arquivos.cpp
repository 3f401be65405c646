#include "authoring/lista_arquivos.h"

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

ListaArquivos::ListaArquivos(QWidget* dono) : QComboBox(dono) {
  setEditable(false);
  setMaxVisibleItems(12);
  // A choice of the author's own replaces the remembered name.
  connect(this, &QComboBox::activated, this, [this] { guardado_.clear(); });
}

void ListaArquivos::Preenche(const QStringList& nomes) {
  guardado_.clear();
  PreencheLista(this, nomes);
}

void ListaArquivos::EscolheGuardado(const QString& nome) {
  EscolheNaLista(this, nome);
  guardado_ = nome;
}

QString ListaArquivos::Nome() const {
  if (currentIndex() > 0) return currentText();
  if (currentIndex() < 0) return guardado_;
  return {};
}

void ListaArquivos::Limpa() {
  setCurrentIndex(-1);
  guardado_.clear();
}

}  // namespace pravo
