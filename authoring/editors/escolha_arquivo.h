// The file lists of the record editors over the authoring file lists
// (authoring/lista_arquivos.h).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "authoring/lista_arquivos.h"

class QComboBox;

namespace pravo {

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
