// Loading and selecting an activity's records: N, sequential and random
// choice, the duplicate rule, verification before everything, and the file
// checks that precede them.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <algorithm>
#include <vector>

#include "files/arquivo_registros.h"
#include "files/pastas.h"
#include "palavras_apoio.h"
#include "player/activities/rules/palavras.h"
#include "player/activities/rules/selecao.h"
#include "support/memoria.h"
#include "support/pasta_temporaria.h"

namespace {

using files::RegPalavra;
using namespace zelmo::regras;

TEST(NumeroDeItens, IsTheSmallestOfCountQuantAndTwenty) {
  struct Caso { qint64 registros; int quant; int n; };
  const Caso casos[] = {
      {4, 10, 4}, {50, 30, 20}, {5, 5, 5}, {50, 20, 20}, {25, 21, 20},
      {1, 1, 1}, {7, 3, 3}, {3, 0, 0}, {3, -2, 0},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(NumeroDeItens(c.registros, c.quant), c.n) << c.registros << " records, Quant " << c.quant;
}

TEST(SelecionaSequencial, ReadsTheFirstNInOrderAndConvertsThem) {
  apoio::FonteMemoria fonte({apoio::Palavra("aorta", "vaso"), apoio::Palavra("coração", "bomba"),
                             apoio::Palavra("veia"), apoio::Corrompida("depois")});
  const auto s = SelecionaSequencial(fonte, 3, RegrasPalavras());
  ASSERT_FALSE(s.corrompido);
  ASSERT_EQ(s.itens.size(), 3);
  EXPECT_EQ(s.itens[0].Palavra, "AORTA");
  EXPECT_EQ(s.itens[0].Dica1, "vaso");
  EXPECT_EQ(s.itens[1].Palavra, QString::fromUtf8("CORAÇÃO"));
  EXPECT_EQ(s.itens[2].Palavra, "VEIA");
  // The corrupt record after N is never read.
  EXPECT_EQ(fonte.lidos, (QList<qint64>{1, 2, 3}));
}

TEST(SelecionaSequencial, ACorruptRecordWithinNFailsTheWholeSelection) {
  apoio::FonteMemoria fonte({apoio::Palavra("aorta"), apoio::Corrompida("veia"), apoio::Palavra("valva")});
  const auto s = SelecionaSequencial(fonte, 3, RegrasPalavras());
  EXPECT_TRUE(s.corrompido);
  EXPECT_TRUE(s.itens.isEmpty());
}

TEST(SelecionaSequencial, AWordIsVerifiedAsStoredNotUpperCased) {
  // The check text of the lower-case word is the right one.
  RegPalavra certa = apoio::Palavra("sangue");
  RegPalavra errada = certa;
  errada.Codigo = apoio::Palavra("SANGUE").Codigo;
  ASSERT_NE(certa.Codigo, errada.Codigo);
  apoio::FonteMemoria boa({certa}), ruim({errada});
  EXPECT_FALSE(SelecionaSequencial(boa, 1, RegrasPalavras()).corrompido);
  EXPECT_TRUE(SelecionaSequencial(ruim, 1, RegrasPalavras()).corrompido);
}

TEST(SorteioSemRepeticao, DrawsEveryRecordNumberExactlyOnce) {
  for (uint32_t semente : {0u, 1u, 12345678u, 4000000000u}) {
    files::Aleatorio g(semente);
    SorteioSemRepeticao sorteio(9, g);
    QSet<qint64> vistos;
    while (!sorteio.vazio()) vistos.insert(sorteio.Proximo());
    EXPECT_EQ(vistos, (QSet<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9})) << semente;
    EXPECT_EQ(sorteio.Proximo(), 0);
  }
}

// Each draw takes the k-th number left in increasing order, k from the
// generator: the same numbers, draw for draw, as taking them out of the list
// of the numbers left, across the sizes where the draw tree changes shape.
TEST(SorteioSemRepeticao, DrawsAsFromTheOrderedListOfTheNumbersLeft) {
  for (qint64 total : {1, 2, 63, 64, 65, 511, 512, 513, 1024, 1025, 5000}) {
    for (uint32_t semente : {0u, 99u, 4000000000u}) {
      files::Aleatorio g(semente), modelo(semente);
      SorteioSemRepeticao sorteio(total, g);
      QList<qint64> restantes;
      for (qint64 i = 1; i <= total; ++i) restantes.append(i);
      while (!restantes.isEmpty()) {
        ASSERT_FALSE(sorteio.vazio());
        const qint64 esperado = restantes.takeAt(modelo.Sorteia(int(restantes.size())));
        ASSERT_EQ(sorteio.Proximo(), esperado) << total << " numbers, seed " << semente;
      }
      EXPECT_TRUE(sorteio.vazio());
    }
  }
}

// A sparse file can hold a terabyte of zero records: a draw costs what was
// drawn, never the size of the file.
TEST(SorteioSemRepeticao, AHugeCountCostsOnlyWhatIsDrawn) {
  const qint64 total = qint64(1) << 40;
  files::Aleatorio g(7);
  SorteioSemRepeticao sorteio(total, g);
  QSet<qint64> vistos;
  for (int i = 0; i < 2000; ++i) {
    const qint64 n = sorteio.Proximo();
    ASSERT_GE(n, 1);
    ASSERT_LE(n, total);
    vistos.insert(n);
  }
  EXPECT_EQ(vistos.size(), 2000);
  EXPECT_FALSE(sorteio.vazio());
}

// Records that are all the same word: every record number is drawn once (the
// file is used up) and one item is kept, in time that grows with the file.
TEST(SelecionaAleatoria, AFileOfOneRecordRepeatedIsUsedUpOnce) {
  class Iguais : public FonteRegistros {
   public:
    explicit Iguais(qint64 n) : lidos(static_cast<size_t>(n), false), registro_(apoio::Palavra("PULSO").ParaBytes()) {}
    qint64 Conta() override { return qint64(lidos.size()); }
    QByteArray Le(qint64 n) override {
      EXPECT_FALSE(lidos[size_t(n - 1)]) << "record " << n << " read twice";
      lidos[size_t(n - 1)] = true;
      return registro_;
    }
    std::vector<bool> lidos;

   private:
    QByteArray registro_;
  };
  Iguais fonte(300000);
  files::Aleatorio g(2024);
  const auto s = SelecionaAleatoria(fonte, 20, g, RegrasPalavras());
  ASSERT_EQ(s.itens.size(), 1);
  EXPECT_EQ(s.itens[0].Palavra, "PULSO");
  EXPECT_EQ(std::count(fonte.lidos.begin(), fonte.lidos.end(), true), 300000);
}

// Six records, three of them the same word with the same hint (one stored in
// lower case): with N 5 every record number is drawn and 4 words remain.
TEST(SelecionaAleatoria, DuplicatesAreDroppedAndNShrinks) {
  const QList<RegPalavra> registros{
      apoio::Palavra("AORTA", "artéria principal"), apoio::Palavra("VEIA", "leva o sangue"),
      apoio::Palavra("aorta", "artéria principal"), apoio::Palavra("VALVA", "porta"),
      apoio::Palavra("AORTA", "artéria principal"), apoio::Palavra("PULSO")};
  for (uint32_t semente : {1u, 77u, 5000u, 123456789u, 3999999999u}) {
    apoio::FonteMemoria fonte(registros);
    files::Aleatorio g(semente);
    const auto s = SelecionaAleatoria(fonte, 5, g, RegrasPalavras());
    ASSERT_FALSE(s.corrompido);
    ASSERT_EQ(s.itens.size(), 4) << semente;
    EXPECT_EQ(QSet<qint64>(fonte.lidos.begin(), fonte.lidos.end()).size(), 6);
    QSet<QString> palavras;
    for (const auto& r : s.itens) palavras.insert(r.Palavra);
    EXPECT_EQ(palavras, (QSet<QString>{"AORTA", "VEIA", "VALVA", "PULSO"}));
  }
}

TEST(SelecionaAleatoria, SameWordWithAnotherHintIsAnotherWord) {
  const QList<RegPalavra> registros{apoio::Palavra("PULSO", "no punho"), apoio::Palavra("PULSO", "batimento"),
                                    apoio::Palavra("PULSO", "no punho", "extra")};
  apoio::FonteMemoria fonte(registros);
  files::Aleatorio g(42);
  EXPECT_EQ(SelecionaAleatoria(fonte, 3, g, RegrasPalavras()).itens.size(), 3);
}

TEST(SelecionaAleatoria, StopsAsSoonAsNAreAccepted) {
  QList<RegPalavra> registros;
  for (int i = 0; i < 10; ++i) registros.append(apoio::Palavra("P" + QString::number(i)));
  apoio::FonteMemoria fonte(registros);
  files::Aleatorio g(9);
  const auto s = SelecionaAleatoria(fonte, 3, g, RegrasPalavras());
  EXPECT_EQ(s.itens.size(), 3);
  EXPECT_EQ(fonte.lidos.size(), 3);
}

// A corrupt record that would be dropped as a duplicate is still caught,
// whichever of the two is drawn first.
TEST(SelecionaAleatoria, EveryRecordReadIsVerifiedBeforeTheDuplicateTest) {
  for (uint32_t semente : {0u, 1u, 2u, 3u, 1000u, 2000000000u}) {
    apoio::FonteMemoria fonte({apoio::Palavra("AORTA", "vaso"), apoio::Corrompida("AORTA", "vaso")});
    files::Aleatorio g(semente);
    const auto s = SelecionaAleatoria(fonte, 2, g, RegrasPalavras());
    EXPECT_TRUE(s.corrompido) << semente;
    EXPECT_TRUE(s.itens.isEmpty());
  }
}

TEST(SelecionaAleatoria, ARedrawAvoidsTheWordsKeptBeforeIt) {
  const QList<RegPalavra> registros{apoio::Palavra("AORTA"), apoio::Palavra("VEIA"), apoio::Palavra("PULSO")};
  const QList<RegPalavra> mantidas{ConvertePalavra(apoio::Palavra("veia"))};
  apoio::FonteMemoria fonte(registros);
  files::Aleatorio g(31);
  const auto s = SelecionaAleatoria(fonte, 5, g, RegrasPalavras(), mantidas);
  ASSERT_EQ(s.itens.size(), 2);
  for (const auto& r : s.itens) EXPECT_NE(r.Palavra, "VEIA");
}

TEST(SelecionaAleatoria, TheDrawFollowsTheGenerator) {
  QList<RegPalavra> registros;
  for (int i = 0; i < 20; ++i) registros.append(apoio::Palavra("P" + QString::number(i)));
  auto ordem = [&](uint32_t semente) {
    apoio::FonteMemoria fonte(registros);
    files::Aleatorio g(semente);
    SelecionaAleatoria(fonte, 20, g, RegrasPalavras());
    return fonte.lidos;
  };
  EXPECT_EQ(ordem(555), ordem(555));
  EXPECT_NE(ordem(555), ordem(556));
}

class CargaArquivoTest : public ::testing::Test {
 protected:
  QString Grava(const QString& nome, const QList<RegPalavra>& registros) {
    QByteArray bytes;
    for (const auto& r : registros) bytes += r.ParaBytes();
    return pasta.Escreve(nome, bytes);
  }
  apoio::PastaTemporaria pasta;
};

TEST_F(CargaArquivoTest, MissingEmptyAndNotBareNamesGiveTheirMessages) {
  const QString vazio = pasta.Escreve("vazio.plv", {});
  EXPECT_EQ(ContaRegistros(pasta.caminho() + "nada.plv", 779).falha, FalhaCarga::NaoEncontrado);
  EXPECT_EQ(ContaRegistros(vazio, 779).falha, FalhaCarga::Vazio);
  // A record naming a file outside the subject folder reads as missing.
  Grava("fora.plv", {apoio::Palavra("AORTA")});
  EXPECT_EQ(ContaRegistros(files::CaminhoNoAssunto(pasta.caminho() + "sub/", "../fora.plv"), 779).falha,
            FalhaCarga::NaoEncontrado);
  // Less than one record is no record.
  EXPECT_EQ(ContaRegistros(pasta.Escreve("curto.plv", QByteArray(778, 'x')), 779).falha, FalhaCarga::Vazio);

  EXPECT_EQ(TextoFalha(kFormatoPalavras, FalhaCarga::NaoEncontrado, {}),
            QString::fromUtf8("Arquivo de Palavras não encontrado !"));
  EXPECT_EQ(TextoFalha(kFormatoPalavras, FalhaCarga::Vazio, {}), "Arquivo de Palavras vazio !");
  EXPECT_EQ(TextoFalha(kFormatoPalavras, FalhaCarga::Corrompido, {}), "Arquivo PLV Corrompido!");
  EXPECT_EQ(TextoFalha(kFormatoTesteHTML, FalhaCarga::NaoEncontrado, {}),
            QString::fromUtf8("Arquivo de Testes HTML não encontrado !"));
  EXPECT_EQ(TextoFalha(kFormatoLocal, FalhaCarga::Corrompido, {}), "Arquivo LOC Corrompido!");
  EXPECT_EQ(TextoFalha(kFormatoPalavras, FalhaCarga::ErroES, "Access denied"), "Access denied");
}

TEST_F(CargaArquivoTest, CountsAndSelectsFromTheFile) {
  const QString caminho = Grava("c.plv", {apoio::Palavra("aorta"), apoio::Palavra("veia"), apoio::Palavra("valva")});
  const Contagem c = ContaRegistros(caminho, 779);
  EXPECT_EQ(c.falha, FalhaCarga::Nenhuma);
  EXPECT_EQ(c.registros, 3);
  files::Aleatorio g(1);
  const auto seq = SelecionaDoArquivo<RegPalavra>(caminho, 2, false, g, RegrasPalavras());
  ASSERT_EQ(seq.falha, FalhaCarga::Nenhuma);
  ASSERT_EQ(seq.itens.size(), 2);
  EXPECT_EQ(seq.itens[1].Palavra, "VEIA");
  const auto alea = SelecionaDoArquivo<RegPalavra>(caminho, 3, true, g, RegrasPalavras());
  EXPECT_EQ(alea.itens.size(), 3);
}

// A sparse file of zero records (they verify: an empty word has an empty
// check text) takes no disk space: it is read to its end once, and one
// word is played.
TEST_F(CargaArquivoTest, ASparseFileOfZeroRecordsIsUsedUpOnce) {
  const QString caminho = pasta.Escreve("zeros.plv", {});
  QFile f(caminho);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.resize(qint64(779) * 40000));
  f.close();
  files::Aleatorio g(5);
  const auto c = SelecionaDoArquivo<RegPalavra>(caminho, 20, true, g, RegrasPalavras());
  ASSERT_EQ(c.falha, FalhaCarga::Nenhuma);
  ASSERT_EQ(c.itens.size(), 1);
  EXPECT_EQ(c.itens[0].Palavra, "");
}

TEST_F(CargaArquivoTest, CorruptAndVanishedFilesComeBackAsFailures) {
  const QString caminho = Grava("c.plv", {apoio::Palavra("aorta"), apoio::Corrompida("veia")});
  files::Aleatorio g(1);
  EXPECT_EQ(SelecionaDoArquivo<RegPalavra>(caminho, 2, false, g, RegrasPalavras()).falha, FalhaCarga::Corrompido);
  EXPECT_EQ(SelecionaDoArquivo<RegPalavra>(caminho, 2, true, g, RegrasPalavras()).falha, FalhaCarga::Corrompido);
  const auto sumiu = SelecionaDoArquivo<RegPalavra>(pasta.caminho() + "sumiu.plv", 2, false, g, RegrasPalavras());
  EXPECT_EQ(sumiu.falha, FalhaCarga::ErroES);
  EXPECT_FALSE(sumiu.erroES.isEmpty());
}

}  // namespace

namespace {

// A file past the data-file limit is corrupt before any record is read:
// a sparse words file of 2 GiB is neither drawn from nor mapped, and the
// peak memory stays where it was.
TEST_F(CargaArquivoTest, AFileOverTheLimitIsCorruptAndNotRead) {
  const qint64 limite = kMaiorArquivoDados / 779 * 779;
  const QString noLimite = apoio::ArquivoEsparso(pasta, "limite.plv", limite);
  const QString acima = apoio::ArquivoEsparso(pasta, "acima.plv", limite + 779);
  const QString enorme = apoio::ArquivoEsparso(pasta, "enorme.plv", apoio::k2GiB);
  ASSERT_FALSE(enorme.isEmpty());
  EXPECT_EQ(ContaRegistros(noLimite, 779).falha, FalhaCarga::Nenhuma);
  EXPECT_EQ(ContaRegistros(acima, 779).falha, FalhaCarga::Corrompido);

  apoio::ZeraPicoMemoria();
  const qint64 antes = apoio::PicoMemoria();
  EXPECT_EQ(ContaRegistros(enorme, 779).falha, FalhaCarga::Corrompido);
  files::Aleatorio g(5);
  // A redraw of the board games reads the file again without counting it
  // first through the frame.
  EXPECT_EQ(SelecionaDoArquivo<RegPalavra>(enorme, 20, true, g, RegrasPalavras()).falha, FalhaCarga::Corrompido);
  EXPECT_EQ(SelecionaDoArquivo<RegPalavra>(enorme, 20, false, g, RegrasPalavras()).falha, FalhaCarga::Corrompido);
  EXPECT_LT(apoio::PicoMemoria() - antes, apoio::kFolgaMemoria);
}

}  // namespace
