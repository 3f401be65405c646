// The report file: one block per run, appended at the end.  Text in the ANSI
// code page, every line ended by a single line feed.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "files/convencoes.h"

namespace zelmo {

inline constexpr int kEsperaRelatorioMs = 30000;

// The locale's long time format without its time zone.
QString FormatoHoraLonga(const QLocale& local);

// Name + "  -  " + identification + " - " + date + " - " + time; the date in
// the program's locale's short format and the time in its long format
// (dd/MM/yyyy and HH:mm:ss).
QString CabecalhoRelatorio(const QString& nome, const QString& identificacao,
                           const QDateTime& agora);

// 76 asterisks, the header, the lines, an empty line; each followed by LF.
QByteArray BlocoRelatorio(const QString& nome, const QString& identificacao,
                          const QDateTime& agora, const QStringList& linhas);

enum class Gravacao {
  Gravado,    // the whole block was appended
  NaoCriado,  // the file did not exist and could not be created
  Travado,    // another writer held the file all the time allowed
  Recusado,   // the file cannot be written: a folder, not a plain file, a
              // symbolic link, read-only, on a read-only disk, or no locks
  Falhou,     // the write failed; the file was put back as it was
};

// Appends the block to the file with every other writer kept out: the file
// (a plain file only, never through a symbolic link) is opened for writing and locked exclusively (a record
// lock and a whole-file lock on the file itself).  While another writer holds
// the lock the open is retried at once, busily, until `limiteMs` have passed
// on the clock; any other failure gives up at once.  Under the lock the tail
// of a writer killed half-way is cut back first, then the block is written
// and flushed to the disk before the lock is let go, so a new block never
// follows a torn one.  The path is used as given (no case resolution), so a
// child process may call this with nothing but plain system calls.
Gravacao AnexaBloco(const QByteArray& caminhoLocal, const QByteArray& bloco,
                    const files::Relogio& relogio, int limiteMs = kEsperaRelatorioMs);

}  // namespace zelmo
