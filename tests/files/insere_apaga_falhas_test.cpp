// Inserting and deleting records when things go wrong: a writer killed at a
// random moment, many times, and a disk that fills up.  After each, the file
// holds the old records or the new ones, each whole: none cut, lost or
// doubled.
#include "files/arquivo_registros.h"

#include "files/gravacao.h"
#include "support/disco_pequeno.h"
#include "support/interrupcao.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using files::IoError;
using files::RecordFile;

namespace {

constexpr int kTam = 779;  // a words record

// Record `id`: its number, then bytes that depend on the number and the
// place, so that a record made of two halves, or shifted, is told apart.
QByteArray Registro(int id) {
  QByteArray r(kTam, Qt::Uninitialized);
  std::memcpy(r.data(), &id, sizeof id);
  for (int i = sizeof id; i < kTam; ++i) r[i] = static_cast<char>((id * 31 + i * 7) % 251);
  return r;
}

QByteArray Arquivo(const std::vector<int>& ids) {
  QByteArray r;
  for (int id : ids) r += Registro(id);
  return r;
}

// The ids of a file's records; false when the file does not end on a record
// boundary or holds a record that is not one of ours, whole.
bool Ids(const QByteArray& bytes, std::vector<int>* ids) {
  if (bytes.size() % kTam != 0) return false;
  ids->clear();
  for (qsizetype pos = 0; pos < bytes.size(); pos += kTam) {
    int id = 0;
    std::memcpy(&id, bytes.constData() + pos, sizeof id);
    if (id < 0 || bytes.mid(pos, kTam) != Registro(id)) return false;
    ids->push_back(id);
  }
  return true;
}

enum class Operacao { Insere, Apaga };

// The position that the writer's k-th pair of steps works at, in a file of
// `conta` records: often the first or the last, else any between.
qint64 Posicao(quint64 k, qint64 conta) {
  const quint64 h = (k + 1) * 2654435761u;
  switch (h % 4) {
    case 0: return 1;
    case 1: return conta;
    default: return 1 + static_cast<qint64>((h >> 8) % static_cast<quint64>(conta));
  }
}

// The ids of the records as the file is filled before each kill.
std::vector<int> Inicio() {
  std::vector<int> ids;
  for (int n = 0; n < 100; ++n) ids.push_back(n);  // 78 KB
  return ids;
}

// A folder in memory where there is one, so that the kills fall in the
// copying and the renaming rather than in waiting for the disk.
QString PastaRapida() {
  const QString shm = QStringLiteral("/dev/shm");
  return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

class MorteNoMeio : public ::testing::TestWithParam<Operacao> {};

// The child keeps the file open, as an editor does, and makes pairs of steps
// that undo each other: an insert and the delete of what it inserted, or a
// delete and the insert of what it deleted.  So whenever it is killed the
// file must hold the records it started with, or those with the one step
// under way done: one new record more, or one of the old ones fewer.
TEST_P(MorteNoMeio, DeixaOsRegistrosAntigosOuOsNovosInteiros) {
  const Operacao op = GetParam();
  QTemporaryDir pasta(PastaRapida() + QStringLiteral("/zelmo-morte-XXXXXX"));
  ASSERT_TRUE(pasta.isValid());
  const QString caminho = pasta.path() + QStringLiteral("/dados.plv");
  const std::vector<int> inicio = Inicio();
  const qint64 n = static_cast<qint64>(inicio.size());
  files::GravaInteiro(caminho, Arquivo(inicio));
  RecordFile f(kTam);  // the child's
  int antigos = 0, novos = 0;

  apoio::Interrupcoes plano;
  plano.passo = [&](quint64 passo) {
    if (passo == 0) f.AbreEdicao(caminho);
    const quint64 k = passo / 2;
    const bool primeiro = passo % 2 == 0;
    if (op == Operacao::Insere) {
      const qint64 p = Posicao(k, n + 1);
      if (primeiro)
        f.Insere(p, Registro(10000 + static_cast<int>(k % 10000)));
      else
        f.Apaga(p);
    } else {
      const qint64 p = Posicao(k, n);
      if (primeiro)
        f.Apaga(p);
      else
        f.Insere(p, Registro(inicio[static_cast<size_t>(p - 1)]));
    }
  };
  plano.confere = [&](int morte) {
    SCOPED_TRACE("kill " + std::to_string(morte));
    QByteArray bytes;
    {
      QFile arq(caminho);
      ASSERT_TRUE(arq.open(QIODevice::ReadOnly));
      bytes = arq.readAll();
    }
    // The next child starts from the same records, whatever this one left.
    if (bytes != Arquivo(inicio)) files::GravaInteiro(caminho, Arquivo(inicio));
    std::vector<int> lidos;
    ASSERT_TRUE(Ids(bytes, &lidos)) << "a record cut or damaged";
    if (lidos == inicio) {
      ++antigos;
    } else {
      // The step under way done: one record more (a new one) or one fewer.
      ++novos;
      const qint64 esperado = op == Operacao::Insere ? n + 1 : n - 1;
      ASSERT_EQ(static_cast<qint64>(lidos.size()), esperado) << "records lost or doubled";
      const std::vector<int>& maior = op == Operacao::Insere ? lidos : inicio;
      const std::vector<int>& menor = op == Operacao::Insere ? inicio : lidos;
      size_t i = 0;
      while (i < menor.size() && maior[i] == menor[i]) ++i;
      if (op == Operacao::Insere) {
        EXPECT_GE(maior[i], 10000) << "an old record doubled";
      }
      EXPECT_TRUE(std::equal(menor.begin() + static_cast<std::ptrdiff_t>(i), menor.end(),
                             maior.begin() + static_cast<std::ptrdiff_t>(i) + 1))
          << "not one record more or fewer, at " << i;
    }
  };
  ASSERT_TRUE(apoio::Interrompe(plano));
  // What a kill left beside the file goes with the next write.
  f.AbreEdicao(caminho);
  f.Insere(1, Registro(1));
  f.Fecha();
  EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList{QStringLiteral("dados.plv")});
  // Where the kills fell, for whoever reads the log.
  std::printf("%d kills: %d left the records before the step under way, %d after it\n", plano.vezes, antigos,
              novos);
}

INSTANTIATE_TEST_SUITE_P(RecordFile, MorteNoMeio, ::testing::Values(Operacao::Insere, Operacao::Apaga),
                         [](const auto& info) { return info.param == Operacao::Insere ? "Insere" : "Apaga"; });

// A disk that really fills up: a small file system in memory.  Inserting and
// deleting, which need room for a new copy of the file, fail with "Disk full"
// and leave the old file byte for byte and open; what needs no room still
// works, and once there is room again so do they.
TEST(DiscoCheioDeVerdade, InserirEApagarFalhamSemTocarNoArquivo) {
  apoio::DiscoPequeno disco(256);
  if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
  const QString caminho = disco.caminho() + QStringLiteral("dados.plv");
  std::vector<int> ids;
  for (int n = 0; n < 200; ++n) ids.push_back(n);  // 156 KB: no room for a second copy
  const QByteArray antes = Arquivo(ids);
  {
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(antes), antes.size());
  }
  RecordFile f(kTam);
  f.AbreEdicao(caminho);
  auto lido = [&] {
    QFile arq(caminho);
    return arq.open(QIODevice::ReadOnly) ? arq.readAll() : QByteArray();
  };
  for (const qint64 p : {qint64(1), qint64(100), qint64(201)}) {
    try {
      f.Insere(p, Registro(5000));
      ADD_FAILURE() << "insert at " << p << " did not fail";
    } catch (const IoError& e) {
      EXPECT_EQ(e.kind(), IoError::Kind::DiskFull);
      EXPECT_STREQ(e.what(), "Disk full");
    }
    EXPECT_EQ(lido(), antes) << "insert at " << p;
  }
  try {
    f.Apaga(1);
    ADD_FAILURE() << "delete did not fail";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Disk full");
  }
  EXPECT_EQ(lido(), antes);
  EXPECT_EQ(QDir(disco.caminho()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("dados.plv")});

  // The file is still open and edited in place.
  EXPECT_EQ(f.Conta(), 200);
  EXPECT_EQ(f.Le(200), Registro(199));
  f.Escreve(2, Registro(7000));
  f.Apaga(200);  // the last one: only a cut
  ids[1] = 7000;
  ids.pop_back();
  EXPECT_EQ(lido(), Arquivo(ids));

  // Room again: 100 records fewer make room for the copy.
  for (int n = 0; n < 100; ++n) {
    f.Apaga(f.Conta());
    ids.pop_back();
  }
  f.Insere(1, Registro(5000));
  f.Apaga(3);
  ids.insert(ids.begin(), 5000);
  ids.erase(ids.begin() + 2);
  f.Escreve(1, Registro(5001));
  ids[0] = 5001;
  f.Fecha();
  EXPECT_EQ(lido(), Arquivo(ids));
}

}  // namespace
