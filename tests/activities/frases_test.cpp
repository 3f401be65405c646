// Fill-in phrases and tests: the gap filling, the duplicate rule, the
// shuffled options, the choice, the judgement, the percentage and the count
// lines.
#include <gtest/gtest.h>

#include <memory>

#include "palavras_apoio.h"
#include "player/activities/rules/frases.h"
#include "player/activities/rules/opcoes.h"
#include "player/activities/rules/trocas.h"

namespace {

using apoio::Frase;
using namespace zelmo::regras;

QString U(const char* s) { return QString::fromUtf8(s); }

TEST(PreencheFrase, FillsEachGapWithTheNextItem) {
  struct Caso {
    const char* frase;
    const char* opcao;
    const char* resultado;
  };
  const Caso casos[] = {
      {"O _____ é azul e a ___ é verde", "céu;grama", "O céu é azul e a grama é verde"},
      {"O _____ é azul e a ___ é verde", "céu", "O céu é azul e a   é verde"},
      {"O _____ é azul e a ___ é verde", "céu;grama;mar", "O céu é azul e a grama é verde"},
      {"Sem lacunas.", "céu;grama", "Sem lacunas."},
      // An empty item leaves its gap empty; an empty option fills the first.
      {"a _ b _ c", ";x", "a  b x c"},
      {"a _ b", "", "a  b"},
      // An item holding "_" is a further gap, filled by the next item.
      {"A _ e _", "x_y;1;2", "A x1y e 2"},
      {"_", "__;z", "z "},
      {"__início e fim__", "um;dois", "uminício e fimdois"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(PreencheFrase(U(c.frase), U(c.opcao)), U(c.resultado)) << c.frase << " / " << c.opcao;
}

TEST(PreencheFrase, ARunAcrossTheTwoTextFieldsIsOneGap) {
  files::RegFrase f = Frase(QString(247, 'a') + "_____ fim");
  ASSERT_EQ(f.Texto1.right(3), "___");
  ASSERT_TRUE(f.Texto2.startsWith("__"));
  EXPECT_EQ(PreencheFrase(f.Texto(), "x;y"), QString(247, 'a') + "x fim");
}

TEST(FraseDuplicada, ComparesTheTextAndTheRightOptionExactly) {
  const files::RegFrase base = Frase("O _ bate.", "coração", "a", "b", "c");
  EXPECT_TRUE(FraseDuplicada(Frase("O _ bate.", "coração", "x", "y", "z"), base));
  EXPECT_FALSE(FraseDuplicada(Frase("O _ bate.", "Coração"), base));
  EXPECT_FALSE(FraseDuplicada(Frase("o _ bate.", "coração"), base));
  // The same text shown, split otherwise between the two fields.
  files::RegFrase partida = base;
  partida.Texto1 = "O _ ";
  partida.Texto2 = "bate.";
  EXPECT_FALSE(FraseDuplicada(partida, base));
}

class OpcoesTeste : public ::testing::Test {
 protected:
  static QList<files::RegFrase> Frases(int n) {
    QList<files::RegFrase> v;
    for (int i = 1; i <= n; ++i)
      v.append(Frase("O _____ e a ___ (" + QString::number(i) + ")", "certa;" + QString::number(i), "e1;x", "e2",
                     "e3"));
    return v;
  }
  // Plays the current item right.
  static void Acerta(JogoOpcoes& j) {
    j.Escolhe(j.correta());
    ASSERT_EQ(j.Pronto(nullptr), Julgamento::Certa);
    j.Proximo();
  }
};

TEST_F(OpcoesTeste, OptionsAreShuffledByTheTenSwapsTheTagTravellingWithTheText) {
  files::Aleatorio g(4242), eco(4242);
  JogoFrases j(Frases(2), g);
  ASSERT_TRUE(j.Proximo());
  QList<QString> esperadas{"certa;1", "e1;x", "e2", "e3"};
  AplicaTrocas(esperadas, SorteiaTrocas(4, eco));
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(j.opcao(k).texto, esperadas[k - 1]) << k;
    EXPECT_EQ(j.opcao(k).tag, esperadas[k - 1] == "certa;1" ? 1 : 0) << k;
  }
  EXPECT_EQ(j.opcao(j.correta()).texto, "certa;1");
  EXPECT_EQ(g.semente(), eco.semente());
  EXPECT_EQ(j.Rodada(), "Frase 1 de 2");
  EXPECT_EQ(j.texto(), "O _____ e a ___ (1)");
  EXPECT_EQ(j.escolhida(), 0);
}

TEST_F(OpcoesTeste, AChoiceFillsThePhraseFromTheStoredTextAndAWrongPressListsIt) {
  files::Aleatorio g(1);
  JogoFrases j(Frases(1), g);
  j.Proximo();
  const int certa = j.correta();
  const int errada = certa == 1 ? 2 : 1;
  j.Escolhe(errada);
  j.Escolhe(certa);
  EXPECT_EQ(j.texto(), "O certa e a 1 (1)");
  j.Escolhe(errada);
  const QString preenchida = PreencheFrase("O _____ e a ___ (1)", j.opcao(errada).texto);
  EXPECT_EQ(j.texto(), preenchida);
  QString linha;
  EXPECT_EQ(j.Pronto(&linha), Julgamento::Errada);
  EXPECT_EQ(linha, preenchida);
  EXPECT_EQ(j.Pronto(&linha), Julgamento::Errada);
  EXPECT_EQ(j.erradas(), 2);
  EXPECT_EQ(j.certas(), 0);
  EXPECT_EQ(j.indice(), 0);
}

// A wrong option stored with the right one's words reads as the right one:
// choosing it is right, in both windows, wherever the shuffle put the two.
TEST_F(OpcoesTeste, AnOptionWithTheRightOnesWordsIsJudgedRight) {
  for (int jogo = 0; jogo < 2; ++jogo) {
    files::Aleatorio g(7);
    QList<files::RegFrase> itens{Frase("Capital do Brasil? _", U("Brasília"), "Recife", U("Brasília"), "Natal")};
    std::unique_ptr<JogoOpcoes> j;
    if (jogo == 0) j = std::make_unique<JogoFrases>(itens, g);
    else j = std::make_unique<JogoTestes>(itens, g);
    ASSERT_TRUE(j->Proximo());
    int igual = 0;
    for (int k = 1; k <= 4; ++k)
      if (j->opcao(k).tag == 0 && j->opcao(k).texto == U("Brasília")) igual = k;
    ASSERT_NE(igual, 0);
    j->Escolhe(igual);
    QString linha;
    EXPECT_EQ(j->Pronto(&linha), Julgamento::Certa) << jogo;
    EXPECT_EQ(j->certas(), 1);
    EXPECT_EQ(j->erradas(), 0);
    EXPECT_TRUE(linha.isEmpty());
  }
}

TEST_F(OpcoesTeste, PressingWithoutAChoiceCountsNothing) {
  files::Aleatorio g(1);
  JogoTestes j(Frases(1), g);
  j.Proximo();
  QString linha = "intocada";
  EXPECT_EQ(j.Pronto(&linha), Julgamento::SemEscolha);
  EXPECT_EQ(linha, "intocada");
  EXPECT_EQ(j.erradas() + j.certas(), 0);
  j.Escolhe(0);
  j.Escolhe(5);
  EXPECT_EQ(j.escolhida(), 0);
}

TEST_F(OpcoesTeste, TestsKeepTheQuestionAndListItWithTheChosenAnswer) {
  files::Aleatorio g(99);
  JogoTestes j({Frase("Capital do Brasil? E o _ ?", "Brasília", "Recife", "Salvador", "Belém")}, g);
  j.Proximo();
  int recife = 0;
  for (int k = 1; k <= 4; ++k)
    if (j.opcao(k).texto == "Recife") recife = k;
  j.Escolhe(recife);
  EXPECT_EQ(j.texto(), "Capital do Brasil? E o _ ?");
  QString linha;
  EXPECT_EQ(j.Pronto(&linha), Julgamento::Errada);
  EXPECT_EQ(linha, "Capital do Brasil? E o _ ? - Recife");
  EXPECT_EQ(j.Rodada(), "Teste 1 de 1");
  EXPECT_EQ(j.LinhasContagem(2),
            (QStringList{"Quantidade de Testes: 1 - Acertos: 0 - Erros: 1", "Atividade cumprida: 0 % - Consultas: 2"}));
}

TEST_F(OpcoesTeste, PercentageRoundsHalvesToEvenAndIs100OnceComplete) {
  files::Aleatorio g(5);
  JogoFrases j(Frases(8), g);
  j.Proximo();
  EXPECT_EQ(j.Porcentagem(), 0);
  Acerta(j);
  EXPECT_EQ(j.Porcentagem(), 12);  // 12.5
  Acerta(j);
  Acerta(j);
  EXPECT_EQ(j.Porcentagem(), 38);  // 37.5
  for (int i = 0; i < 5; ++i) Acerta(j);
  EXPECT_EQ(j.indice(), 8);
  EXPECT_FALSE(j.Proximo());
  EXPECT_EQ(j.Porcentagem(), 100);
}

TEST_F(OpcoesTeste, APerfectRunOfFivePhrasesCountsFiveRight) {
  files::Aleatorio g(5);
  JogoFrases j(Frases(5), g);
  j.Proximo();
  for (int i = 0; i < 5; ++i) Acerta(j);
  EXPECT_EQ(j.LinhasContagem(0), (QStringList{"Quantidade de Frases: 5 - Frases Corretas: 5 - Frases Erradas: 0",
                                              "Atividade cumprida: 100 % - Consultas: 0"}));
}

}  // namespace
