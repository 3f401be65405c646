// The record files' writes under faults: a kill at a random moment and a
// full disk, for every way a record file is written — the whole-file
// rewrites (the configuration, a hypertext page with its item file) and one
// record rewritten or added in place.
#include "files/arquivo_registros.h"
#include "files/gravacao.h"
#include "files/pastas.h"
#include "files/registros.h"

#include "support/arquivo_gravado.h"
#include "support/disco_pequeno.h"
#include "support/interrupcao.h"
#include "support/pasta_temporaria.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <sys/stat.h>
#include <unistd.h>

using namespace files;

namespace {

using apoio::TemTemporario;

QList<QByteArray> Registros(int tamanho, int quantos, char letra) {
  QList<QByteArray> r;
  for (int i = 0; i < quantos; ++i) r << QByteArray(tamanho, char(letra + i % 3));
  return r;
}

QByteArray Junta(const QList<QByteArray>& registros) {
  QByteArray r;
  for (const QByteArray& b : registros) r += b;
  return r;
}

// One whole-file write path: its files and two versions of their records.
struct Caminho {
  const char* nome;
  QList<NovosRegistros> versao[2];
};

QList<Caminho> Caminhos(const QString& pasta) {
  const QString cfg = pasta + "Zelmo2.cfg";
  const QString hpr = pasta + "pagina1.hpr";
  const QString itm = ArquivoItens(hpr);
  return {
      {"Zelmo2.cfg", {{{cfg, RegConfig::Tamanho, Registros(RegConfig::Tamanho, 1, 'a')}},
                      {{cfg, RegConfig::Tamanho, Registros(RegConfig::Tamanho, 1, 'n')}}}},
      {".hpr and .itm", {{{hpr, RegHiper::Tamanho, Registros(RegHiper::Tamanho, 1, 'a')},
                          {itm, RegItem::Tamanho, Registros(RegItem::Tamanho, 3, 'a')}},
                         {{hpr, RegHiper::Tamanho, Registros(RegHiper::Tamanho, 1, 'n')},
                          {itm, RegItem::Tamanho, Registros(RegItem::Tamanho, 40, 'n')}}}},
  };
}

// Writes a version the way the programs do: the configuration dialog
// through Reescreve, the hypertext editor's closing through SubstituiJuntos.
void Grava(const QList<NovosRegistros>& versao) {
  if (versao.size() == 1) {
    RecordFile::Reescreve(versao[0].caminho, versao[0].tamanhoRegistro, versao[0].registros);
  } else {
    SubstituiJuntos(versao);
  }
}

// Which version each file holds whole (0 or 1), or -1.
QList<int> Versoes(const Caminho& c) {
  QList<int> r;
  for (qsizetype i = 0; i < c.versao[0].size(); ++i) {
    const QByteArray agora = apoio::Conteudo(c.versao[0][i].caminho);
    r << (agora == Junta(c.versao[0][i].registros) ? 0 : agora == Junta(c.versao[1][i].registros) ? 1 : -1);
  }
  return r;
}

// The folder for the kill tests: a tmpfs where one can be mounted, so that
// the syncs cost nothing (a kill loses nothing a sync would have kept).
class Faltas : public ::testing::Test {
 protected:
  apoio::PastaTemporaria pasta;
  apoio::DiscoPequeno rapido{8192};
  QString Pasta() const { return rapido.montado() ? rapido.caminho() : pasta.caminho(); }
};

TEST_F(Faltas, ReescritaInteiraMortaNoMeioDeixaVelhaOuNova) {
  for (const Caminho& c : Caminhos(Pasta())) {
    SCOPED_TRACE(c.nome);
    Grava(c.versao[0]);
    int noMeio = 0, misturados = 0;
    apoio::Interrupcoes plano;
    plano.passo = [&](quint64 n) { Grava(c.versao[(n + 1) % 2]); };
    plano.confere = [&](int) {
      const QList<int> v = Versoes(c);
      EXPECT_FALSE(v.contains(-1)) << "a file neither old nor new";
      if (v.size() > 1 && v[0] != v[1]) ++misturados;
      for (const NovosRegistros& arq : c.versao[0]) noMeio += TemTemporario(arq.caminho);
      Grava(c.versao[0]);
      for (const NovosRegistros& arq : c.versao[0]) EXPECT_FALSE(TemTemporario(arq.caminho));
    };
    ASSERT_TRUE(apoio::Interrompe(plano));
    EXPECT_GT(noMeio, 0) << "no kill landed in the middle of a write";
    std::printf("(%s: %d kills left a temporary; %d a page and items of two versions)\n", c.nome, noMeio,
                misturados);
  }
}

// A full disk: "Disk full", every old file byte for byte and no temporary.
// Also when the page still fits and only its item file does not: the page
// is not put in place without its items.
TEST(DiscoCheioRegistros, ReescritaInteiraGuardaOsArquivosVelhos) {
  for (const bool sobraUmBloco : {false, true}) {
    apoio::DiscoPequeno disco(256);
    if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
    for (const Caminho& c : Caminhos(disco.caminho())) {
      if (sobraUmBloco && c.versao[0].size() == 1) continue;  // one block holds the whole file
      SCOPED_TRACE(std::string(c.nome) + (sobraUmBloco ? ", one block left" : ""));
      Grava(c.versao[0]);
      const QString reserva = disco.caminho() + "reserva";
      if (sobraUmBloco) GravaInteiro(reserva, QByteArray(4096, 'r'));
      disco.Enche();
      if (sobraUmBloco) QFile::remove(reserva);
      try {
        Grava(c.versao[1]);
        ADD_FAILURE() << "no failure on a full disk";
      } catch (const IoError& e) {
        EXPECT_EQ(e.kind(), IoError::Kind::DiskFull);
        EXPECT_STREQ(e.what(), "Disk full");
      }
      EXPECT_EQ(Versoes(c), QList<int>(c.versao[0].size(), 0));
      for (const NovosRegistros& arq : c.versao[0]) EXPECT_FALSE(TemTemporario(arq.caminho));
      disco.Esvazia();
      Grava(c.versao[1]);
      EXPECT_EQ(Versoes(c), QList<int>(c.versao[0].size(), 1));
    }
  }
}

// One record rewritten in place is one write at its own place: killed, the
// file keeps its size and every other record, and the record itself holds
// the old bytes, the new ones, or the new ones up to where the write was
// cut.  Added at the end, it is whole, absent, or a part that is not
// counted.
TEST_F(Faltas, RegistroNoLugarMortoNoMeioSoTocaEsseRegistro) {
  const QString p = Pasta() + "orgaos.plv";
  constexpr int kTam = RegPalavra::Tamanho;
  const QByteArray a(kTam, 'a'), b(kTam, 'b');
  const QByteArray antes(2 * kTam, '1'), depois(kTam, '3');
  GravaInteiro(p, antes + a + depois);
  apoio::Interrupcoes plano;
  plano.passo = [&](quint64 n) {
    RecordFile f(kTam);
    f.AbreEdicao(p);
    f.Escreve(3, n % 2 ? a : b);
    f.Escreve(5, a);  // added, then taken off again
    f.Fecha();
    ::truncate(QFile::encodeName(p).constData(), 4 * kTam);
  };
  plano.confere = [&](int) {
    const QByteArray agora = apoio::Conteudo(p);
    ASSERT_TRUE(agora.size() >= 4 * kTam && agora.size() <= 5 * kTam) << agora.size();
    EXPECT_EQ(agora.left(2 * kTam), antes);
    EXPECT_EQ(agora.mid(3 * kTam, kTam), depois);
    const QByteArray registro = agora.mid(2 * kTam, kTam);
    const qsizetype corte = registro.indexOf(registro[0] == 'a' ? 'b' : 'a');
    if (corte >= 0) {
      EXPECT_EQ(registro.mid(corte), (registro[0] == 'a' ? b : a).mid(corte)) << "torn record";
    }
    // Past the last record: nothing, or (cut while being added) a part of
    // the new one, which is neither counted nor read.
    EXPECT_EQ(agora.mid(4 * kTam), a.left(agora.size() - 4 * kTam));
    GravaInteiro(p, antes + a + depois);
  };
  ASSERT_TRUE(apoio::Interrompe(plano));
}

// A full disk: a record rewritten in place needs no new room and is
// written; one added at the end gets "Disk full" and leaves no part of it.
TEST(DiscoCheioRegistros, RegistroAcrescentadoNaoFicaPelaMetade) {
  apoio::DiscoPequeno disco(128);
  if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
  const QString p = disco.caminho() + "orgaos.plv";
  constexpr int kTam = RegPalavra::Tamanho;
  for (int quantos = 1; quantos <= 12; ++quantos) {
    // Only where the room left in the file's last block cannot take a whole
    // record: none at all, or a part of one.
    const int sobra = (4096 - quantos * kTam % 4096) % 4096;
    if (sobra >= kTam) continue;
    SCOPED_TRACE(quantos);
    GravaInteiro(p, QByteArray(quantos * kTam, 'v'));
    disco.Enche();
    RecordFile f(kTam);
    f.AbreEdicao(p);
    f.Escreve(quantos, QByteArray(kTam, 'n'));
    try {
      f.Escreve(quantos + 1, QByteArray(kTam, 'x'));
      ADD_FAILURE() << "no failure on a full disk";
    } catch (const IoError& e) {
      EXPECT_EQ(e.kind(), IoError::Kind::DiskFull);
    }
    EXPECT_EQ(f.Conta(), quantos);
    f.Fecha();
    EXPECT_EQ(apoio::Conteudo(p), QByteArray((quantos - 1) * kTam, 'v') + QByteArray(kTam, 'n'));
    disco.Esvazia();
  }
}

}  // namespace
