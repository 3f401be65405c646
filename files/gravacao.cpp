#include "files/gravacao.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// The folder part of an encoded path ("." for a bare name).
QByteArray PastaDe(const QByteArray& caminho) {
  const qsizetype barra = caminho.lastIndexOf('/');
  if (barra < 0) return QByteArrayLiteral(".");
  if (barra == 0) return QByteArrayLiteral("/");
  return caminho.left(barra);
}

// Syncs a folder so that a rename in it survives a power cut.  Some file
// systems cannot sync a folder; the rename is done by then, so a failure here
// changes nothing for the caller.
void SincronizaPasta(const QByteArray& pasta) {
  const int fd = ::open(pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

IoError::Kind FalhaDoSistema(int erro) {
  switch (erro) {
    case ENOENT:
    case ENOTDIR:
      return IoError::Kind::FileNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return IoError::Kind::DiskFull;
    case EIO:
      return IoError::Kind::Other;
    default:
      return IoError::Kind::AccessDenied;  // a folder, a pipe or device, no permission
  }
}

QString GravacaoInteira::Temporario(const QString& caminho) { return caminho + QStringLiteral(".gravando"); }

GravacaoInteira::GravacaoInteira(const QString& caminho)
    : caminho_(caminho), nome_(QFile::encodeName(caminho)), temporario_(QFile::encodeName(Temporario(caminho))) {
  if (caminho.isEmpty() || caminho.endsWith(QLatin1Char('/'))) throw IoError(IoError::Kind::FileNotFound, caminho);
  // Only a plain file (or none) is replaced.  Through a link, what it leads
  // to decides; the link itself is what gets replaced.
  struct stat st {};
  const bool existe = ::stat(nome_.constData(), &st) == 0;
  if (existe && !S_ISREG(st.st_mode)) throw IoError(FalhaDoSistema(S_ISDIR(st.st_mode) ? EISDIR : ENXIO), caminho);
  // A file made read-only is not replaced behind its owner's back.
  if (existe && ::access(nome_.constData(), W_OK) != 0) throw IoError(FalhaDoSistema(errno), caminho);
  // A temporary left by a killed writer goes first.
  if (::unlink(temporario_.constData()) != 0 && errno != ENOENT && errno != EISDIR && errno != EPERM)
    throw IoError(FalhaDoSistema(errno), caminho);
  fd_ = ::open(temporario_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd_ < 0) throw IoError(FalhaDoSistema(errno), caminho);
  // The new file keeps the permissions of the one it replaces.
  if (existe) ::fchmod(fd_, st.st_mode & 07777);
}

GravacaoInteira::~GravacaoInteira() {
  if (fd_ >= 0) ::close(fd_);
  if (!trocado_) ::unlink(temporario_.constData());
}

void GravacaoInteira::Falha(int erro) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlink(temporario_.constData());
  trocado_ = true;  // nothing left to remove, nothing more to do
  sincronizado_ = false;
  throw IoError(FalhaDoSistema(erro), caminho_);
}

void GravacaoInteira::Escreve(const char* dados, qint64 tamanho) {
  if (fd_ < 0) throw IoError(IoError::Kind::FileNotOpen, caminho_);
  while (tamanho > 0) {
    const ssize_t n = ::write(fd_, dados, static_cast<size_t>(tamanho));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) Falha(n < 0 ? errno : ENOSPC);
    dados += n;
    tamanho -= n;
  }
}

void GravacaoInteira::Escreve(const QByteArray& dados) { Escreve(dados.constData(), dados.size()); }

void GravacaoInteira::Sincroniza() {
  if (fd_ < 0) throw IoError(IoError::Kind::FileNotOpen, caminho_);
  if (::fsync(fd_) != 0) Falha(errno);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) Falha(errno);
  sincronizado_ = true;
}

void GravacaoInteira::Troca() {
  if (!sincronizado_) throw IoError(IoError::Kind::FileNotOpen, caminho_);
  if (::rename(temporario_.constData(), nome_.constData()) != 0) Falha(errno);
  trocado_ = true;
  sincronizado_ = false;
  SincronizaPasta(PastaDe(nome_));
}

void GravacaoInteira::Conclui() {
  Sincroniza();
  Troca();
}

void GravaInteiro(const QString& caminho, const QByteArray& dados) {
  GravacaoInteira gravacao(caminho);
  gravacao.Escreve(dados);
  gravacao.Conclui();
}

}  // namespace files
