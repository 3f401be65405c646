// Opening a file by name only when it is a plain file.  A name that leads to
// a pipe, a device, a socket or a folder is refused at once: the open never
// waits for another program at the far end of a pipe, and nothing is read
// from a device as if it were a file.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

namespace files {

// open(2) of the path with `flags` (O_RDONLY, O_WRONLY or O_RDWR, and
// O_CREAT to create a missing file with `modo`), without blocking; the
// descriptor is kept only if it is a plain file.  Returns the descriptor
// (close-on-exec, blocking again for its reads and writes), or -1 with errno
// set: EISDIR for a folder, ENXIO for any other file that is not plain.
// Plain system calls only, so a child process may use it.
int AbreDescritorComum(const char* caminho, int flags, unsigned modo = 0666);

// The same into a QFile: opens `caminho` (as given, no case resolution) in
// `modo` (ReadOnly, WriteOnly or ReadWrite; Truncate empties the file once it
// is known to be plain; `cria` makes a missing file).  False when the file is
// missing, not plain or cannot be opened; *erro (if given) then holds errno.
bool AbreArquivoComum(QFile& arquivo, const QString& caminho, QIODevice::OpenMode modo,
                      bool cria = false, int* erro = nullptr);

// The whole of a plain file, at most `limite` bytes; false when the file
// cannot be opened as a plain file or is larger than the limit.
bool LeArquivoComum(const QString& caminho, QByteArray* bytes, qint64 limite);

}  // namespace files
