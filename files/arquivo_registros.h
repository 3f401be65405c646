// Headerless files of fixed-size records, numbered from 1.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <memory>
#include <stdexcept>

namespace files {

// The input/output error of every failing file operation.  what() is the
// standard text of the failure.
class IoError : public std::runtime_error {
 public:
  enum class Kind { FileNotFound, AccessDenied, ReadBeyondEnd, DiskFull, Other, FileNotOpen };
  IoError(Kind kind, const QString& path);
  Kind kind() const { return kind_; }
  const QString& path() const { return path_; }
  // "File not found", "Access denied", "Read beyond end of file", "Disk
  // full", "I/O error", "File not open".
  static const char* Texto(Kind kind);

 private:
  Kind kind_;
  QString path_;
};

// One record file opened with one record size.  Every failing operation
// throws IoError.  Paths go through ResolveCaminho (pastas.h), so a path whose
// exact spelling is missing still finds the file spelt in another case.
class RecordFile {
 public:
  explicit RecordFile(int tamanhoRegistro);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  int tamanho() const { return tamanho_; }
  bool aberto() const;
  QString caminho() const;

  // 1. Read-only, the file must exist.
  void AbreLeitura(const QString& caminho);
  // 2. Read-write; a missing file is created empty.
  void AbreEdicao(const QString& caminho);
  // 3. File size div record size (a partial record at the end is ignored).
  qint64 Conta() const;
  // 4. Record n (1-based); n past the count raises ReadBeyondEnd.
  QByteArray Le(qint64 n);
  // 5. Rewrites record n in place; n = count + 1 appends.  A record shorter
  // than the size is padded with zeros, a longer one cut.  Writing a file
  // opened for reading raises AccessDenied.
  void Escreve(qint64 n, const QByteArray& registro);
  // 6. Inserts at 1 <= p <= count + 1; later records move up one place.
  void Insere(qint64 p, const QByteArray& registro);
  // 7. Deletes record p (1 <= p <= count); later records move down and the
  // file is cut after the new last record.  Deleting the last record only
  // cuts the file.
  //
  // Insert and delete leave the bytes that moving record by record leaves (a
  // partial record at the end goes), but never move a record in place: the
  // new file is built beside the old one and put in its place whole (see
  // GravacaoInteira), so a kill or a power cut at any moment leaves the old
  // records or the new ones, never a record cut, lost or doubled, and a
  // failure (a full disk) leaves the old file as it was and still open.
  // Afterwards the object edits the new file.  A position outside its range
  // raises ReadBeyondEnd and changes nothing.  Both end a mapping (Mapeia).
  void Apaga(qint64 p);
  // 8.
  void Fecha();
  // The whole records mapped into memory for reading, count x size bytes from
  // the start; null when the file cannot be mapped.  Valid until Fecha,
  // Insere or Apaga.
  const uchar* Mapeia();
  // Record n (1-based) copied from the mapping; a record past the count, or
  // one that another program cut off the file while it was mapped, raises
  // ReadBeyondEnd.
  QByteArray LeMapeado(const uchar* mapa, qint64 n);
  // 9. Creates the file anew and writes all records in order, whole or not
  // at all: the same as SubstituiTodos below.
  static void Reescreve(const QString& caminho, int tamanhoRegistro,
                        const QList<QByteArray>& registros);

  // Typed helpers over the record types of registros.h.
  template <class R> R LeRegistro(qint64 n) { return R::DeBytes(Le(n)); }
  template <class R> void EscreveRegistro(qint64 n, const R& r) { Escreve(n, r.ParaBytes()); }

 private:
  QByteArray Normaliza(const QByteArray& registro) const;
  void Exige() const;
  void Abre(const QString& caminho, bool edicao);
  // Puts in the file's place a new file of the old bytes [0, corte), then
  // `meio`, then the old bytes [de, ate), and goes on editing it.
  void Substitui(qint64 corte, const QByteArray& meio, qint64 de, qint64 ate);
  void LeEm(qint64 pos, char* destino, qint64 n);
  void EscreveEm(qint64 pos, const char* origem, qint64 n);
  void Corta(qint64 tamanhoArquivo);

  bool edicao_ = false;

  int tamanho_;
  std::unique_ptr<QFile> arquivo_;
  QString caminho_;  // as opened
  qint64 contaMapa_ = 0;  // records in the mapping
};

// Opens, reads every record and closes: the player's way of using a file.
// A file of more than `maiorContagem` records is not read: IoError (Other).
QList<QByteArray> LeTodos(const QString& caminho, int tamanhoRegistro, qint64 maiorContagem = -1);

}  // namespace files

namespace files {

// Writes all records to a temporary file beside `caminho` and renames it
// over the old file (gravacao.h), so a failure (a full disk, a read-only
// folder) or a kill leaves the old file as it was.  Throws IoError.
void SubstituiTodos(const QString& caminho, int tamanhoRegistro, const QList<QByteArray>& registros);

// The records of one file, for SubstituiJuntos.
struct NovosRegistros {
  QString caminho;
  int tamanhoRegistro;
  QList<QByteArray> registros;
};

// Replaces several files that belong together (a hypertext page and its
// item file): every temporary is written and synced before the first rename,
// and the renames follow one another at once, so a failure before them
// leaves every old file as it was.  Throws IoError.
void SubstituiJuntos(const QList<NovosRegistros>& arquivos);

}  // namespace files
