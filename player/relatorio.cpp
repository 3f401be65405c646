#include "player/relatorio.h"

#include <QFile>
#include <QLocale>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "files/abertura.h"
#include "files/pastas.h"
#include "files/texto.h"
#include "player/global.h"
#include "player/principal.h"
#include "player/senha.h"
#include "player/servicos.h"
#include "platform/mensagens.h"

namespace zelmo {

namespace {

constexpr int kDiaMs = 86400000;

// Milliseconds from `inicio` to `agora` on the time of day, across midnight.
int Decorrido(int inicio, int agora) { return ((agora - inicio) % kDiaMs + kDiaMs) % kDiaMs; }

enum class Trava { Obtida, Ocupada, Impossivel };

// The lock of the whole file, as a record lock and as a whole-file lock.
// Ocupada: another writer holds one of them (the only case worth waiting
// for); Impossivel: the file system refuses locks altogether.
Trava TravaArquivo(int fd) {
  struct flock fl {};
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = 0;
  fl.l_len = 0;
  auto motivo = [] { return errno == EAGAIN || errno == EACCES || errno == EWOULDBLOCK ? Trava::Ocupada : Trava::Impossivel; };
  bool travado = false;
#ifdef F_OFD_SETLK
  // A lock of this open file, not of the process: closing any other handle
  // of the file never lets it go.
  if (::fcntl(fd, F_OFD_SETLK, &fl) == 0)
    travado = true;
  else if (errno != EINVAL)
    return motivo();
#endif
  if (!travado && ::fcntl(fd, F_SETLK, &fl) != 0) return motivo();
  // Writers that lock the whole file the other way are kept out too.
  return ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? Trava::Obtida : motivo();
}

// The open handle is still the file of that name: it was not deleted or
// replaced (by another file or by a link) between the open and the lock.
bool MesmoArquivo(int fd, const char* caminho) {
  struct stat aberto {}, nomeado {};
  if (::fstat(fd, &aberto) != 0 || ::lstat(caminho, &nomeado) != 0) return false;
  return aberto.st_dev == nomeado.st_dev && aberto.st_ino == nomeado.st_ino;
}

// The report is opened only as the plain file of its own name, never through
// a symbolic link: a link planted in a shared subject folder must not make
// the player append to (or create) a file elsewhere.
constexpr int kSemLink = O_NOFOLLOW;

bool Cria(const char* caminho) {
  const int fd = files::AbreDescritorComum(caminho, O_WRONLY | O_CREAT | kSemLink);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool EscreveEm(int fd, const char* p, qint64 falta, qint64 pos) {
  while (falta > 0) {
    const ssize_t n = ::pwrite(fd, p, static_cast<size_t>(falta), static_cast<off_t>(pos));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    p += n;
    pos += n;
    falta -= n;
  }
  return true;
}

// A block is appended in three steps, each a plain system call:
//  1. a 32-byte note past the place where the block will end, on a 32-byte
//     boundary (so it never spans two pages and is written whole or not at
//     all): a mark, the offset where the block starts and its length;
//  2. the block, at the old end of the file, front to back;
//  3. the file cut to the end of the block, which takes the note away.
// A writer killed before step 3 leaves the note at the end of the file.  The
// next writer, under the lock, finds it and cuts the file back: to the end of
// the block when its last byte arrived (the bytes not yet written read as
// zeros), else to where the block started.  So every whole block is kept and
// no block is ever glued to a torn one.
constexpr int kNota = 32;
constexpr char kMarcaNota[16] = {'\0', 'Z', 'e', 'l', 'm', 'o', ' ', 'I', 'I', ':', 'b', 'l', 'o', 'c', 'o', '\0'};

qint64 FimDaNota(qint64 fimBloco) { return (fimBloco + kNota - 1) / kNota * kNota; }

QByteArray Nota(qint64 inicio, qint64 tamanho) {
  QByteArray n(kMarcaNota, sizeof kMarcaNota);
  char v[8];
  qToLittleEndian<qint64>(inicio, v);
  n.append(v, 8);
  qToLittleEndian<qint64>(tamanho, v);
  n.append(v, 8);
  return n;
}

qint64 Tamanho(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? static_cast<qint64>(st.st_size) : -1;
}

// Cuts the tail that a writer killed half-way left; false if the cut failed.
bool CortaBlocoInterrompido(int fd) {
  const qint64 fim = Tamanho(fd);
  if (fim < kNota || fim % kNota != 0) return fim >= 0;
  char nota[kNota];
  if (::pread(fd, nota, kNota, static_cast<off_t>(fim - kNota)) != kNota ||
      std::memcmp(nota, kMarcaNota, sizeof kMarcaNota) != 0)
    return true;
  const qint64 inicio = qFromLittleEndian<qint64>(nota + 16);
  const qint64 tamanho = qFromLittleEndian<qint64>(nota + 24);
  if (inicio < 0 || tamanho <= 0 || inicio > fim - kNota - tamanho || FimDaNota(inicio + tamanho) != fim - kNota)
    return true;  // not a note of ours
  char ultimo = '\0';
  const bool inteiro = ::pread(fd, &ultimo, 1, static_cast<off_t>(inicio + tamanho - 1)) == 1 && ultimo != '\0';
  return ::ftruncate(fd, static_cast<off_t>(inteiro ? inicio + tamanho : inicio)) == 0;
}

bool Anexa(int fd, const QByteArray& bloco) {
  if (!CortaBlocoInterrompido(fd)) return false;
  const qint64 inicio = Tamanho(fd);
  if (inicio < 0) return false;
  if (bloco.isEmpty()) return true;
  const qint64 fim = inicio + bloco.size();
  const QByteArray nota = Nota(inicio, bloco.size());
  const bool gravado = EscreveEm(fd, nota.constData(), kNota, FimDaNota(fim)) &&
                       EscreveEm(fd, bloco.constData(), bloco.size(), inicio) &&
                       ::ftruncate(fd, static_cast<off_t>(fim)) == 0 && ::fsync(fd) == 0;
  // A write that failed (a full disk) is taken back, note and all.
  if (!gravado && ::ftruncate(fd, static_cast<off_t>(inicio)) == 0) ::fsync(fd);
  return gravado;
}

}  // namespace

QString FormatoHoraLonga(const QLocale& local) {
  // The locale's long time format, less the time zone that Qt adds to it:
  // a report line reads "14:30:05", as the desktop's clock does.
  QString formato = local.timeFormat(QLocale::LongFormat);
  QString resultado;
  bool emAspas = false;
  for (qsizetype i = 0; i < formato.size(); ++i) {
    const QChar c = formato[i];
    if (c == '\'') emAspas = !emAspas;
    if (!emAspas && c == 't') continue;
    resultado += c;
  }
  return resultado.simplified();
}

QString CabecalhoRelatorio(const QString& nome, const QString& identificacao,
                           const QDateTime& agora) {
  // The program's locale (Brazilian Portuguese), whatever the machine's.
  const QLocale local;
  return nome + "  -  " + identificacao + " - " +
         local.toString(agora.date(), QLocale::ShortFormat) + " - " +
         local.toString(agora.time(), FormatoHoraLonga(local));
}

QByteArray BlocoRelatorio(const QString& nome, const QString& identificacao,
                          const QDateTime& agora, const QStringList& linhas) {
  QByteArray bloco(76, '*');
  bloco += '\n';
  bloco += files::ParaAnsi(CabecalhoRelatorio(nome, identificacao, agora));
  bloco += '\n';
  for (const QString& linha : linhas) {
    bloco += files::ParaAnsi(linha);
    bloco += '\n';
  }
  bloco += '\n';
  return bloco;
}

Gravacao AnexaBloco(const QByteArray& caminhoLocal, const QByteArray& bloco,
                    const files::Relogio& relogio, int limiteMs) {
  const char* caminho = caminhoLocal.constData();
  if (caminhoLocal.isEmpty()) return Gravacao::NaoCriado;
  struct stat st {};
  if (::lstat(caminho, &st) != 0 && !Cria(caminho)) return Gravacao::NaoCriado;

  // Only a lock held by another writer is waited for; a file that cannot be
  // written at all (a folder, a pipe, read-only, a read-only disk) fails at
  // once.
  const int inicio = relogio.MilissegundosDoDia();
  int fd = -1;
  for (;;) {
    // Read access too, to find the tail a killed writer left; a file that
    // may only be written is still written.
    fd = files::AbreDescritorComum(caminho, O_RDWR | kSemLink);
    if (fd < 0 && errno == EACCES) fd = files::AbreDescritorComum(caminho, O_WRONLY | kSemLink);
    if (fd >= 0) {
      const Trava t = TravaArquivo(fd);
      if (t == Trava::Obtida && MesmoArquivo(fd, caminho)) break;
      ::close(fd);
      fd = -1;
      if (t == Trava::Impossivel) return Gravacao::Recusado;
    } else if (errno != ENOENT) {
      return Gravacao::Recusado;
    } else if (!Cria(caminho)) {
      // Deleted while we waited, and it cannot be made again.
      return Gravacao::NaoCriado;
    }
    if (Decorrido(inicio, relogio.MilissegundosDoDia()) >= limiteMs) return Gravacao::Travado;
    std::this_thread::yield();
  }

  const bool gravado = Anexa(fd, bloco);
  ::close(fd);
  return gravado ? Gravacao::Gravado : Gravacao::Falhou;
}

void GravaRelatorio() {
  QString nome, identificacao;
  if (frmSenha) {
    nome = frmSenha->edtNome->text();
    identificacao = frmSenha->edtSenha->text();
  }
  const QByteArray bloco = BlocoRelatorio(nome, identificacao, Relogio->Agora(), LinhasRelatorio);
  const QString caminho = ArqRelatorio.isEmpty() ? QString() : files::ResolveCaminho(ArqRelatorio);
  if (AnexaBloco(QFile::encodeName(caminho), bloco, *Relogio) != Gravacao::Gravado)
    platform::MensagemOK(frmMain, QStringLiteral("Não foi possível gravar Relatório"),
                         QStringLiteral("Zelmo II"));
}

}  // namespace zelmo
