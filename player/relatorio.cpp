#include "player/relatorio.h"

#include <QFile>
#include <QLocale>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

bool Trava(int fd) {
  struct flock fl {};
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = 0;
  fl.l_len = 0;
  bool travado = false;
#ifdef F_OFD_SETLK
  // A lock of this open file, not of the process: closing any other handle
  // of the file never lets it go.
  if (::fcntl(fd, F_OFD_SETLK, &fl) == 0)
    travado = true;
  else if (errno != EINVAL)
    return false;
#endif
  if (!travado && ::fcntl(fd, F_SETLK, &fl) != 0) return false;
  // Writers that lock the whole file the other way are kept out too.
  return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// The open handle is still the file of that name: it was not deleted or
// replaced between the open and the lock.
bool MesmoArquivo(int fd, const char* caminho) {
  struct stat aberto {}, nomeado {};
  if (::fstat(fd, &aberto) != 0 || ::stat(caminho, &nomeado) != 0) return false;
  return aberto.st_dev == nomeado.st_dev && aberto.st_ino == nomeado.st_ino;
}

bool Cria(const char* caminho) {
  const int fd = ::open(caminho, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool EscreveTudo(int fd, const QByteArray& bloco) {
  const char* p = bloco.constData();
  qsizetype falta = bloco.size();
  while (falta > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(falta));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    falta -= n;
  }
  return true;
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
  const QLocale local = QLocale::system();
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
  if (::stat(caminho, &st) != 0 && !Cria(caminho)) return Gravacao::NaoCriado;

  const int inicio = relogio.MilissegundosDoDia();
  int fd = -1;
  for (;;) {
    fd = ::open(caminho, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd >= 0) {
      if (Trava(fd) && MesmoArquivo(fd, caminho)) break;
      ::close(fd);
      fd = -1;
    } else if (errno == ENOENT && !Cria(caminho)) {
      // Deleted while we waited, and it cannot be made again.
      return Gravacao::NaoCriado;
    }
    if (Decorrido(inicio, relogio.MilissegundosDoDia()) >= limiteMs) return Gravacao::Travado;
    std::this_thread::yield();
  }

  // Under the lock: one append of the whole block, on the disk before the
  // lock is let go.  A failed write is cut back off, so the file never keeps
  // half a block.
  struct stat antes {};
  const bool medido = ::fstat(fd, &antes) == 0;
  const bool gravado = EscreveTudo(fd, bloco) && ::fsync(fd) == 0;
  if (!gravado && medido && ::ftruncate(fd, antes.st_size) == 0) ::fsync(fd);
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
