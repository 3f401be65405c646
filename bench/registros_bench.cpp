// Inserting and deleting the first record of a large words file, against a
// plain copy of the same file.  Goal: each at most 2x the copy.
#include "files/arquivo_registros.h"
#include "files/registros.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

// The median of `voltas` timings of `f`, in milliseconds.
double Mediana(int voltas, const std::function<void()>& f) {
  std::vector<double> ms;
  for (int i = 0; i < voltas; ++i) {
    const auto t0 = Relogio::now();
    f();
    ms.push_back(std::chrono::duration<double, std::milli>(Relogio::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
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
  // Each insert is undone by the delete that follows, so both see the same file.
  std::vector<double> insere, apaga;
  for (int i = 0; i < kVoltas; ++i) {
    insere.push_back(Mediana(1, [&] {
      f.AbreEdicao(arq);
      f.Insere(1, bytesNovo);
      f.Fecha();
    }));
    apaga.push_back(Mediana(1, [&] {
      f.AbreEdicao(arq);
      f.Apaga(1);
      f.Fecha();
    }));
  }
  std::sort(insere.begin(), insere.end());
  std::sort(apaga.begin(), apaga.end());
  const double insereMs = insere[insere.size() / 2];
  const double apagaMs = apaga[apaga.size() / 2];

  if (files::LeTodos(arq, files::RegPalavra::Tamanho) != registros) {
    std::fprintf(stderr, "file changed by the benchmark\n");
    return 1;
  }

  std::printf("words file: %d records of %d bytes (%.1f MB)\n", kRegistros, files::RegPalavra::Tamanho,
              kRegistros * files::RegPalavra::Tamanho / 1e6);
  std::printf("plain copy:         %8.2f ms\n", copiaMs);
  std::printf("insert at record 1: %8.2f ms  ratio %.2f  (goal: at most 2x)\n", insereMs, insereMs / copiaMs);
  std::printf("delete record 1:    %8.2f ms  ratio %.2f  (goal: at most 2x)\n", apagaMs, apagaMs / copiaMs);
  const bool ok = insereMs <= 2 * copiaMs && apagaMs <= 2 * copiaMs;
  std::printf("%s\n", ok ? "goal met" : "goal NOT met");
  return ok ? 0 : 1;
}
