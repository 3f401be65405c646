// The file lists of the record editors: " nenhum " as entry 0 (no file),
// then the bare names of the matching files of a folder.  A stored name is
// chosen again without regard to case.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;

namespace pravo {

// " nenhum ", the entry for no file.
const QString& Nenhum();
// Fills a file list: " nenhum " then the names, nothing chosen.
void PreencheLista(QComboBox* lista, const QStringList& nomes);
// Chooses the last entry equal to the name without regard to case (none
// equal: nothing chosen).
void EscolheNaLista(QComboBox* lista, const QString& nome);
// The chosen entry after " nenhum ", or the empty text.
QString EscolhidoNaLista(const QComboBox* lista);

// A file list that keeps a record's stored name while the teacher leaves
// the choice alone, also when the file is missing from the listing (it was
// renamed, or its folder is not at hand): the name is shown greyed in the
// list and stored again as it was.  Choosing an entry, or typing in a list
// with an edit field, replaces it.
class EscolhaArquivo : public QObject {
  Q_OBJECT
 public:
  explicit EscolhaArquivo(QComboBox* lista);

  QComboBox* lista() const { return lista_; }
  // New names: nothing chosen, no name kept.
  void Preenche(const QStringList& nomes);
  // Nothing chosen, no name kept (and an empty edit field).
  void Limpa();
  // A stored name: its entry chosen, or, when no entry matches, the name kept.
  void Mostra(const QString& guardado);
  // What storing writes: the chosen entry after " nenhum ", else the kept
  // name, else the empty text.
  QString Escolhido() const;
  // An entry after " nenhum " is chosen.
  bool TemEntrada() const;
  // The kept name of a file missing from the listing (empty: none).
  const QString& guardado() const { return guardado_; }

 signals:
  // The teacher chose an entry.
  void escolhida();

 private:
  void Esquece();

  QComboBox* lista_;
  QString guardado_;
};

}  // namespace pravo
