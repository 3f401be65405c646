// The file lists of the authoring windows: " nenhum " as entry 0 (no file),
// then the names of one folder.  Entry 0 and no selection both mean no file;
// a stored name is re-selected without regard to case (the last equal entry
// when several match).
//
// A list keeps the stored name it was shown while the author leaves the
// choice alone, also when the file is missing from the listing (it was
// renamed, or its folder is not at hand), so that looking at a record or a
// page does not lose its names.  Choosing an entry, or typing in a list with
// an edit field, replaces it.
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

class EscolhaArquivo : public QComboBox {
  Q_OBJECT
 public:
  // How a stored name is shown and kept.
  enum class Guarda {
    // The hypertext dialogs: no name chooses nothing; the name is kept as it
    // was given, found or not, and not shown when missing.
    Pagina,
    // The record editors: no name chooses " nenhum "; only a bare name
    // missing from the listing is kept, shown greyed in the list (or in its
    // edit field).
    Registro,
  };

  // A list without an edit field, twelve entries tall.  With `editavel`, the
  // list has an edit field whose typing forgets the kept name.
  explicit EscolhaArquivo(Guarda guarda, QWidget* dono = nullptr, bool editavel = false);

  // New names: nothing chosen, no name kept.
  void Preenche(const QStringList& nomes);
  // Nothing chosen, no name kept (and an empty edit field).
  void Limpa();
  // A stored name: its entry chosen, or, when no entry matches, the name kept.
  void Mostra(const QString& guardado);
  // What storing writes: the chosen entry after " nenhum ", the empty text
  // for " nenhum ", else the kept name.
  QString Escolhido() const;
  // An entry after " nenhum " is chosen (in a list with an edit field, with
  // the entry's own text).
  bool TemEntrada() const;

 signals:
  // The author chose an entry.
  void escolhida();

 private:
  void Esquece();

  Guarda guarda_;
  QString guardado_;
};

}  // namespace pravo
