// Inserting and deleting the first record of a large words file, against a
// plain copy of the same file.  Both build a new copy of the file and sync it
// to the disk before it takes the old one's place; the time of the syncs is
// not counted (it is the disk's, not ours, and a plain copy has none) but
// shown apart.  Goal: each at most 2x the copy.
#include "files/arquivo_registros.h"
#include "files/registros.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <dlfcn.h>
#include <functional>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

// Milliseconds spent in syncing to the disk so far.
std::atomic<double> msSincronia{0};

// Calls the system's `nome` (the next one after this program's), timed.
int Sincronia(const char* nome, int fd) {
  using Funcao = int (*)(int);
  const auto sistema = reinterpret_cast<Funcao>(dlsym(RTLD_NEXT, nome));
  const auto t0 = Relogio::now();
  const int r = sistema(fd);
  msSincronia = msSincronia + std::chrono::duration<double, std::milli>(Relogio::now() - t0).count();
  return r;
}

}  // namespace

// Every sync of this program (the data-file layer is linked in statically)
// comes here and is timed on its way to the system's.
extern "C" int fsync(int fd) { return Sincronia("fsync", fd); }

extern "C" int fdatasync(int fd) { return Sincronia("fdatasync", fd); }

namespace {

double Meio(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The time of one run of `f`, in milliseconds.
double Tempo(const std::function<void()>& f) {
  const auto t0 = Relogio::now();
  f();
  return std::chrono::duration<double, std::milli>(Relogio::now() - t0).count();
}

// The median of `voltas` timings of `f`, in milliseconds.
double Mediana(int voltas, const std::function<void()>& f) {
  std::vector<double> ms;
  for (int i = 0; i < voltas; ++i) ms.push_back(Tempo(f));
  return Meio(ms);
}

// A plain copy: read in 1 MiB blocks, write them out.
void Copia(const QString& de, const QString& para) {
  QFile in(de), out(para);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "cannot copy\n");
    std::exit(1);
  }
  std::vector<char> bloco(1 << 20);
  for (qint64 n; (n = in.read(bloco.data(), qint64(bloco.size()))) > 0;) out.write(bloco.data(), n);
}

}  // namespace

int main() {
  constexpr int kRegistros = 10000;
  constexpr int kVoltas = 21;
  QTemporaryDir dir;
  const QString arq = dir.path() + "/palavras.plv";
  const QString copia = dir.path() + "/copia.plv";

  QList<QByteArray> registros;
  for (int n = 0; n < kRegistros; ++n) {
    files::RegPalavra r;
    r.Palavra = QStringLiteral("palavra%1").arg(n);
    r.DefineDica(QString(300, QChar('a' + n % 26)));
    r.Prepara();
    registros << r.ParaBytes();
  }
  files::RecordFile::Reescreve(arq, files::RegPalavra::Tamanho, registros);
  files::RegPalavra novo;
  novo.Palavra = QStringLiteral("nova");
  novo.Prepara();
  const QByteArray bytesNovo = novo.ParaBytes();

  files::RecordFile f(files::RegPalavra::Tamanho);
  const double copiaMs = Mediana(kVoltas, [&] { Copia(arq, copia); });
  // Each insert is undone by the delete that follows, so both see the same
  // file.  Each timing without its syncs; the syncs apart.
  struct Tempos {
    std::vector<double> sem, sincronia;
  } insere, apaga;
  const auto mede = [&](Tempos* t, const std::function<void()>& f) {
    const double antes = msSincronia;
    const double total = Tempo(f);
    const double sincronia = msSincronia - antes;
    t->sem.push_back(total - sincronia);
    t->sincronia.push_back(sincronia);
  };
  for (int i = 0; i < kVoltas; ++i) {
    mede(&insere, [&] {
      f.AbreEdicao(arq);
      f.Insere(1, bytesNovo);
      f.Fecha();
    });
    mede(&apaga, [&] {
      f.AbreEdicao(arq);
      f.Apaga(1);
      f.Fecha();
    });
  }
  const double insereMs = Meio(insere.sem);
  const double apagaMs = Meio(apaga.sem);

  if (files::LeTodos(arq, files::RegPalavra::Tamanho) != registros) {
    std::fprintf(stderr, "file changed by the benchmark\n");
    return 1;
  }

  std::printf("words file: %d records of %d bytes (%.1f MB)\n", kRegistros, files::RegPalavra::Tamanho,
              kRegistros * files::RegPalavra::Tamanho / 1e6);
  std::printf("plain copy:         %8.2f ms\n", copiaMs);
  std::printf("insert at record 1: %8.2f ms  ratio %.2f  (goal: at most 2x)  + sync %.2f ms\n", insereMs,
              insereMs / copiaMs, Meio(insere.sincronia));
  std::printf("delete record 1:    %8.2f ms  ratio %.2f  (goal: at most 2x)  + sync %.2f ms\n", apagaMs,
              apagaMs / copiaMs, Meio(apaga.sincronia));
  const bool ok = insereMs <= 2 * copiaMs && apagaMs <= 2 * copiaMs;
  std::printf("%s\n", ok ? "goal met" : "goal NOT met");
  return ok ? 0 : 1;
}
