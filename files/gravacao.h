// Writing a file whole or not at all.  The new content is built in a
// temporary beside the file (the file's name + ".gravando", created
// exclusively, never through a link), every write, the flush and the sync to
// disk are checked, and only then is the temporary renamed over the file and
// the folder synced.  A failure at any step, or a kill at any moment, leaves
// the old file byte for byte; a temporary left by a killed program is removed
// the next time the same file is written.  A symbolic link in the file's
// place is replaced by the new file, never written through.  Plain system
// calls only: no buffer sits between a write and its check.
#pragma once

#include "files/arquivo_registros.h"

#include <QByteArray>
#include <QString>

namespace files {

// The kind of input/output error that a failed system call's errno stands
// for: a missing file or folder, a full disk (or a file-size or quota limit),
// a low-level I/O failure, or else access denied.
IoError::Kind FalhaDoSistema(int erro);

// Builds a file's new content beside it and puts it in place whole.
class GravacaoInteira {
 public:
  // Opens the temporary for `caminho` (used as given: no case resolution).
  // A folder, a pipe or a device in the file's place is refused.  Throws
  // IoError.
  explicit GravacaoInteira(const QString& caminho);
  // Not concluded: the temporary is removed and the file keeps its old
  // content.
  ~GravacaoInteira();
  GravacaoInteira(const GravacaoInteira&) = delete;
  GravacaoInteira& operator=(const GravacaoInteira&) = delete;

  // Appends to the new content; a short write (a full disk) throws IoError.
  void Escreve(const char* dados, qint64 tamanho);
  void Escreve(const QByteArray& dados);
  // Puts the whole new content on the disk and closes the temporary; throws
  // IoError.  Nothing can be written after it.
  void Sincroniza();
  // Renames the synced temporary over the file and syncs the folder; throws
  // IoError (the old file then stays).
  void Troca();
  // Sincroniza() then Troca().
  void Conclui();

  const QString& caminho() const { return caminho_; }
  // The temporary's path: the file's path + ".gravando".
  static QString Temporario(const QString& caminho);

 private:
  [[noreturn]] void Falha(int erro);

  QString caminho_;
  QByteArray nome_;        // caminho_, encoded
  QByteArray temporario_;  // encoded
  int fd_ = -1;
  bool sincronizado_ = false;
  bool trocado_ = false;
};

// The one-shot form: `dados` become the whole content of `caminho`.
void GravaInteiro(const QString& caminho, const QByteArray& dados);

}  // namespace files
