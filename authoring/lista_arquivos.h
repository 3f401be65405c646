// A file list of the authoring dialogs: " nenhum " as entry 0 (no file),
// then the names of one folder.  Entry 0 and no selection both mean no file;
// a stored name is re-selected without regard to case (the last equal entry
// when several match).
//
// The list also remembers the name it was given at the page's opening: when
// that name is not among the entries and the author has not chosen in the
// list since, Nome() still gives it, so that looking at a page does not lose
// its names.
#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

namespace pravo {

extern const QString kNenhum;  // " nenhum "

// The index of the last entry equal to the name without regard to case; -1.
int UltimoIgual(const QComboBox* lista, const QString& nome);
// " nenhum " then the names, nothing chosen.
void PreencheLista(QComboBox* lista, const QStringList& nomes);
// Chooses the last entry equal to the name (none when there is none).
void EscolheNaLista(QComboBox* lista, const QString& nome);
// The chosen entry's name when it is above " nenhum ", else empty.
QString EscolhidoNaLista(const QComboBox* lista);

class ListaArquivos : public QComboBox {
  Q_OBJECT
 public:
  explicit ListaArquivos(QWidget* dono = nullptr);

  // Refills the list and forgets the stored name.
  void Preenche(const QStringList& nomes);
  // Selects the stored name and remembers it.
  void EscolheGuardado(const QString& nome);
  // The name to store.
  QString Nome() const;
  // Nothing chosen, nothing remembered.
  void Limpa();

 private:
  QString guardado_;
};

}  // namespace pravo
