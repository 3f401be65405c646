// Association and true or false: the rounds of five, the seeded shuffle and
// statements in the draw order, the judgement, the percentage and the count
// lines, and files with fewer than five different records.
#include <gtest/gtest.h>

#include "palavras_apoio.h"
#include "player/activities/rules/assoc.h"
#include "player/activities/rules/frases.h"
#include "player/activities/rules/palavras.h"
#include "player/activities/rules/trocas.h"
#include "player/activities/rules/vf.h"

namespace {

using apoio::Frase;
using apoio::Palavra;
using namespace zelmo::regras;

QList<files::RegPalavra> Cinco() {
  QList<files::RegPalavra> v;
  const char* palavras[] = {"AORTA", "VEIA", "ÁTRIO", "CAPILAR", "VALVA"};
  for (const char* p : palavras)
    v.append(Palavra(QString::fromUtf8(p), QStringLiteral("dica de ") + QString::fromUtf8(p)));
  return v;
}

// Puts every title in its own window by swaps.
void Arruma(JogoAssoc& j) {
  for (int i = 1; j.emJogo(i); ++i)
    for (int k = i + 1; j.emJogo(k); ++k)
      if (j.tag(k) == i) j.Troca(i, k);
}

TEST(Rodadas, PercentageIsTheRoundsDonePlusTheLastPressShare) {
  struct Caso {
    int R, rodadasFeitas, k;
    QList<std::pair<int, int>> trocas;  // from every title right; none: no press
    int certas, p;
  };
  const Caso casos[] = {
      {4, 1, 5, {{4, 5}}, 3, 40},          // round 2 of 4, three right
      {5, 0, 5, {{4, 5}}, 3, 12},          // 0 + 3/5/5
      {5, 1, 5, {}, 0, 20},                // round 1 solved, no press in round 2
      {3, 1, 5, {}, 0, 33},
      {8, 0, 5, {{2, 3}, {4, 5}}, 1, 2},   // 2.5 rounds to even
      {1, 0, 3, {{2, 3}}, 1, 33},          // a round of three words
  };
  for (const Caso& c : casos) {
    JogoAssoc j(c.R);
    files::Aleatorio g(1);
    for (int r = 0; r <= c.rodadasFeitas; ++r) {
      ASSERT_TRUE(j.Proximo());
      j.NovaRodada(Cinco().mid(0, c.k), g);
      Arruma(j);
      if (r < c.rodadasFeitas) {
        ASSERT_TRUE(j.Pronto().resolvido());
      }
    }
    for (const auto& [a, b] : c.trocas) j.Troca(a, b);
    if (!c.trocas.isEmpty()) {
      EXPECT_EQ(j.Pronto().certas, c.certas);
    }
    EXPECT_EQ(j.Porcentagem(), c.p) << c.R << " " << c.rodadasFeitas << " " << c.certas;
  }
}

TEST(Rodadas, CompletionGives100AndTheCountLines) {
  JogoAssoc j(2);
  files::Aleatorio g(3);
  for (int r = 0; r < 2; ++r) {
    ASSERT_TRUE(j.Proximo());
    j.NovaRodada(Cinco(), g);
    Arruma(j);
    ASSERT_TRUE(j.Pronto().resolvido());
  }
  EXPECT_FALSE(j.Proximo());
  EXPECT_TRUE(j.concluida());
  EXPECT_EQ(j.Porcentagem(), 100);
  EXPECT_EQ(j.LinhasContagem(1), (QStringList{"Rodadas programadas: 2 - Rodadas executadas: 2 - Total de Erros: 0",
                                              "Atividade cumprida: 100 % - Consultas: 1"}));
}

TEST(Associacao, TitlesAreShuffledByTheTenSwapsAfterTheDraw) {
  files::Aleatorio g(777), eco(777);
  JogoAssoc j(3);
  ASSERT_TRUE(j.Proximo());
  EXPECT_EQ(j.Rodada(), "Rodada 1 de 3");
  const auto palavras = Cinco();
  j.NovaRodada(palavras, g);
  QList<int> tags{1, 2, 3, 4, 5};
  AplicaTrocas(tags, SorteiaTrocas(5, eco));
  EXPECT_EQ(g.semente(), eco.semente());
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(j.tag(i), tags[i - 1]);
    EXPECT_EQ(j.titulo(i), palavras[tags[i - 1] - 1].Palavra);
    EXPECT_EQ(j.dica(i), palavras[i - 1].Dica());
  }
}

TEST(Associacao, TwoEntriesWithOneWordAreRightInEitherWindow) {
  // The same word with two hints: the titles read alike wherever they stand.
  QList<files::RegPalavra> palavras = Cinco();
  palavras[1] = Palavra("AORTA", "outra dica");
  files::Aleatorio g(5);
  JogoAssoc j(1);
  j.Proximo();
  j.NovaRodada(palavras, g);
  Arruma(j);
  j.Troca(1, 2);
  EXPECT_EQ(j.tag(1), 2);
  const Julgado r = j.Pronto();
  EXPECT_TRUE(r.resolvido());
  EXPECT_EQ(r.certas, 5);
}

TEST(Associacao, WrongTitlesTurnRedAreListedAtEachPressAndADropTurnsThemBlack) {
  files::Aleatorio g(5);
  JogoAssoc j(4);
  j.Proximo();
  j.NovaRodada(Cinco(), g);
  Arruma(j);
  // 1 -> 2 -> 3 -> 1: three wrong titles.
  j.Troca(1, 2);
  j.Troca(1, 3);
  Julgado r = j.Pronto();
  EXPECT_EQ(r.erradas, 3);
  EXPECT_EQ(r.certas, 2);
  EXPECT_EQ(r.linhas[0], j.titulo(1) + " - " + j.dica(1));
  EXPECT_TRUE(j.vermelho(1) && j.vermelho(2) && j.vermelho(3));
  EXPECT_FALSE(j.vermelho(4));
  // A drop puts one right: both boxes black; two stay wrong.
  const int certoPara1 = j.tag(2) == 1 ? 2 : 3;
  j.Troca(1, certoPara1);
  EXPECT_FALSE(j.vermelho(1));
  EXPECT_FALSE(j.vermelho(certoPara1));
  r = j.Pronto();
  EXPECT_EQ(r.erradas, 2);
  EXPECT_EQ(j.Erros(), 5);
  EXPECT_EQ(j.erradasUltima(), 2);
  EXPECT_EQ(j.certasUltima(), 3);
  // The reveal puts the words in place, leaving Tags and colours.
  const int tag2 = j.tag(2);
  j.MostraResposta();
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(j.titulo(i), j.palavra(i));
  EXPECT_EQ(j.tag(2), tag2);
  EXPECT_TRUE(j.vermelho(2) || j.vermelho(3));
}

TEST(Associacao, ARoundOfFewerWordsPlaysOnlyThoseWindows) {
  files::Aleatorio g(5);
  JogoAssoc j(2);
  j.Proximo();
  j.NovaRodada(Cinco().mid(0, 3), g);
  EXPECT_EQ(j.K(), 3);
  EXPECT_TRUE(j.emJogo(3));
  EXPECT_FALSE(j.emJogo(4));
  EXPECT_EQ(j.titulo(4), "");
  EXPECT_EQ(j.dica(5), "");
  EXPECT_FALSE(j.Troca(1, 4));
  Arruma(j);
  EXPECT_TRUE(j.Pronto().resolvido());
  EXPECT_EQ(j.certasUltima(), 3);
  // One word alone: no swap is drawn, and it is right at once.
  const uint32_t antes = g.semente();
  j.Proximo();
  j.NovaRodada(Cinco().mid(0, 1), g);
  EXPECT_EQ(g.semente(), antes);
  EXPECT_TRUE(j.Pronto().resolvido());
}

QList<files::RegFrase> FrasesVF() {
  return {Frase("O _ bate.", "coração", "pulmão", "rim", "osso"), Frase("A _ é grande.", "aorta", "veia", "unha", "pele"),
          Frase("Sem lacuna.", "a", "b", "c", "d"), Frase("_ e _", "um;dois", "um;dois", "três;quatro", "um"),
          Frase("Os _ batem.", "átrios", "dedos", "ossos", "olhos")};
}

TEST(VerdadeiroFalso, StatementsFollowTheDrawsInOrderAndEqualReadingsAreTrue) {
  for (uint32_t semente : {1u, 2u, 3u, 17u, 4000u}) {
    files::Aleatorio g(semente), eco(semente);
    JogoVF j(5);
    j.Proximo();
    const auto frases = FrasesVF();
    j.NovaRodada(frases, g);
    for (int n = 1; n <= 5; ++n) {
      const files::RegFrase& f = frases[n - 1];
      const QString verdadeira = PreencheFrase(f.Texto(), f.Correta);
      QString esperada = verdadeira;
      if (eco.Sorteia(100) >= 50) {
        const int s = eco.Sorteia(3);
        esperada = PreencheFrase(f.Texto(), s == 0 ? f.Errada1 : s == 1 ? f.Errada2 : f.Errada3);
      }
      EXPECT_EQ(j.afirmacao(n), esperada) << semente << " " << n;
      // A false statement that reads as the true one is answered true.
      EXPECT_EQ(j.resposta(n), esperada == verdadeira ? kVerdadeiro : kFalso) << semente << " " << n;
    }
    EXPECT_EQ(g.semente(), eco.semente());
  }
}

TEST(VerdadeiroFalso, APressNeedsEveryMarkAndListsTheRightMarkWithTheStatement) {
  files::Aleatorio g(3);
  JogoVF j(5);
  j.Proximo();
  j.NovaRodada(FrasesVF(), g);
  for (int n = 1; n <= 4; ++n) j.Marca(n, j.resposta(n));
  EXPECT_TRUE(j.Pronto().incompleto);
  EXPECT_EQ(j.Erros(), 0);
  EXPECT_EQ(j.cor(1), CorMarca::Amarela);
  EXPECT_EQ(j.cor(5), CorMarca::Branca);
  // Two wrong marks.
  j.Marca(5, j.resposta(5));
  j.Marca(1, 1 - j.resposta(1));
  j.Marca(2, 1 - j.resposta(2));
  Julgado r = j.Pronto();
  EXPECT_EQ(r.certas, 3);
  EXPECT_EQ(r.erradas, 2);
  EXPECT_EQ(r.linhas[0], (j.resposta(1) == kFalso ? "Falso - " : "Verdadeiro - ") + j.afirmacao(1));
  EXPECT_EQ(j.cor(1), CorMarca::Vermelha);
  EXPECT_EQ(j.cor(3), CorMarca::Amarela);
  EXPECT_EQ(j.Porcentagem(), 12);
  // One corrected: one more line, E = 3.
  j.Marca(1, j.resposta(1));
  r = j.Pronto();
  EXPECT_EQ(r.erradas, 1);
  EXPECT_EQ(j.Erros(), 3);
  j.Marca(2, j.resposta(2));
  EXPECT_TRUE(j.Pronto().resolvido());
  EXPECT_TRUE(j.Proximo());
  EXPECT_EQ(j.Porcentagem(), 20);
  EXPECT_EQ(j.Rodada(), "Rodada 2 de 5");
}

TEST(VerdadeiroFalso, ClearingAndFewerPhrases) {
  files::Aleatorio g(3);
  JogoVF j(2);
  j.Proximo();
  j.NovaRodada(FrasesVF().mid(0, 2), g);
  EXPECT_FALSE(j.emJogo(3));
  EXPECT_EQ(j.afirmacao(3), "");
  j.Marca(3, kVerdadeiro);
  EXPECT_EQ(j.marca(3), -1);
  j.Marca(1, j.resposta(1));
  j.Marca(2, j.resposta(2));
  EXPECT_TRUE(j.Pronto().resolvido());
  EXPECT_EQ(j.Porcentagem(), 50);
  j.Limpa();
  EXPECT_EQ(j.marca(1), -1);
  EXPECT_EQ(j.cor(1), CorMarca::Branca);
  EXPECT_EQ(j.afirmacao(1), "");
}

}  // namespace
