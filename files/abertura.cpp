#include "files/abertura.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

int AbreDescritorComum(const char* caminho, int flags, unsigned modo) {
  if (!caminho || !*caminho) {
    errno = ENOENT;
    return -1;
  }
  // O_NONBLOCK: a pipe with no one at the other end answers at once (a
  // reader gets it open, a writer ENXIO) instead of waiting for ever.
  const int fd = ::open(caminho, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, static_cast<mode_t>(modo));
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int motivo = S_ISDIR(st.st_mode) ? EISDIR : ENXIO;
    ::close(fd);
    errno = motivo;
    return -1;
  }
  const int estado = ::fcntl(fd, F_GETFL);
  if (estado != -1) ::fcntl(fd, F_SETFL, estado & ~O_NONBLOCK);
  return fd;
}

bool AbreArquivoComum(QFile& arquivo, const QString& caminho, QIODevice::OpenMode modo, bool cria,
                      int* erro) {
  arquivo.close();
  arquivo.setFileName(caminho);
  int flags = O_RDONLY;
  if ((modo & QIODevice::ReadWrite) == QIODevice::ReadWrite) flags = O_RDWR;
  else if (modo & QIODevice::WriteOnly) flags = O_WRONLY;
  if (cria) flags |= O_CREAT;
  const int fd = AbreDescritorComum(QFile::encodeName(caminho).constData(), flags);
  if (fd < 0) {
    if (erro) *erro = errno;
    return false;
  }
  if ((modo & QIODevice::Truncate) && ::ftruncate(fd, 0) != 0) {
    if (erro) *erro = errno;
    ::close(fd);
    return false;
  }
  if (!arquivo.open(fd, modo & ~QIODevice::Truncate, QFileDevice::AutoCloseHandle)) {
    if (erro) *erro = EIO;
    ::close(fd);
    return false;
  }
  return true;
}

bool LeArquivoComum(const QString& caminho, QByteArray* bytes, qint64 limite) {
  bytes->clear();
  QFile f;
  if (!AbreArquivoComum(f, caminho, QIODevice::ReadOnly) || f.size() > limite) return false;
  *bytes = f.readAll();
  return true;
}

}  // namespace files
