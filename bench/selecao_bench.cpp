// Drawing 20 words at random from a words file of 1 GiB of identical records
// (a sparse file of zero records: they verify, and the whole file is drawn
// before the selection ends with one word).  Goal: within 1 s.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "files/registros.h"
#include "player/activities/rules/palavras.h"
#include "player/activities/rules/selecao.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const QString caminho = dir.filePath("zeros.plv");
  QFile f(caminho);
  if (!f.open(QIODevice::WriteOnly) || !f.resize(qint64(1) << 30)) return 1;
  f.close();

  files::Aleatorio gerador(20261210);
  QElapsedTimer t;
  t.start();
  const auto carga = zelmo::regras::SelecionaDoArquivo<files::RegPalavra>(caminho, 20, true, gerador,
                                                                          zelmo::regras::RegrasPalavras());
  const double s = t.nsecsElapsed() / 1e9;
  if (carga.falha != zelmo::regras::FalhaCarga::Nenhuma) return 2;
  std::printf("1 GiB words file, %lld identical records: %lld word(s) drawn\n",
              static_cast<long long>((qint64(1) << 30) / files::RegPalavra::Tamanho),
              static_cast<long long>(carga.itens.size()));
  std::printf("random selection of 20 words: %.2f s  goal: < 1 s  %s\n", s, s < 1.0 ? "met" : "NOT MET");
  return 0;
}
