// Playing the boards: marking the word search, and the crossword's cursor,
// letters and Backspace, on boards laid out from a fixed list of words.
#include <gtest/gtest.h>

#include "palavras_apoio.h"
#include "player/activities/rules/jogo_cp.h"
#include "player/activities/rules/jogo_pcs.h"

namespace {

using namespace zelmo::regras;

QString U(const char* s) { return QString::fromUtf8(s); }

// The words in this order, whatever the generator says.
SorteioPalavras Fixo(const QStringList& palavras) {
  return [palavras](int n, const QList<files::RegPalavra>& aceitos, const RegrasSelecao<files::RegPalavra>& r) {
    CargaArquivo<files::RegPalavra> c;
    for (const QString& p : palavras) {
      if (c.itens.size() >= n) break;
      const files::RegPalavra w = r.converte(apoio::Palavra(p, "dica de " + p));
      bool repetida = false;
      for (const auto& a : aceitos) repetida = repetida || r.duplicado(w, a);
      for (const auto& a : c.itens) repetida = repetida || r.duplicado(w, a);
      if (!repetida) c.itens.append(w);
    }
    return c;
  };
}

int C(int r, int c) { return Tabuleiro::Casa(r, c); }

TEST(CacaPalavrasJogo, MarkingCountsAndTheRoundEnd) {
  files::Aleatorio g(4);
  CacaPalavras t(2, 5, g);
  ASSERT_TRUE(t.Monta(2, Fixo({"abcde", "xcy"})));
  const int r = t.colocacoes()[0].linha;
  EXPECT_FALSE(t.Marca(-1));
  EXPECT_FALSE(t.Marca(400));
  // A filler cell clicked twice leaves the counts as they were.
  const int filler = C(0, 0);
  ASSERT_FALSE(t.daPalavra(filler));
  EXPECT_TRUE(t.Marca(filler));
  EXPECT_EQ(t.erros(), 1);
  EXPECT_EQ(t.Vista(filler).aparencia, Aparencia::Marcada);
  t.Marca(filler);
  EXPECT_EQ(t.erros(), 0);
  EXPECT_EQ(t.Vista(filler).aparencia, Aparencia::Livre);
  // The crossing C counts once; "Letras Ocultas" counts down with right marks.
  EXPECT_EQ(t.letrasOcultas(), 7);
  t.Marca(C(r, 8));
  EXPECT_EQ(t.acertos(), 1);
  EXPECT_EQ(t.letrasOcultas(), 6);
  EXPECT_EQ(t.CasasDaAjuda(0), (QList<int>{C(r, 6), C(r, 7), C(r, 9), C(r, 10)}));
  EXPECT_EQ(t.CasasDaAjuda(1), (QList<int>{C(r - 1, 8), C(r + 1, 8)}));
  for (int c : {6, 7, 9, 10}) t.Marca(C(r, c));
  t.Marca(C(r - 1, 8));
  t.Marca(filler);
  EXPECT_EQ(t.Porcentagem(), 36);  // (6 - 1) of 7, of two rounds: 35.7
  t.Marca(C(r + 1, 8));
  // Every word cell and one filler cell: not yet.
  EXPECT_FALSE(t.fimDaRodada());
  t.Marca(filler);
  EXPECT_TRUE(t.fimDaRodada());
  EXPECT_EQ(t.Porcentagem(), 50);
  EXPECT_TRUE(t.MostraResposta().isEmpty());
}

TEST(CacaPalavrasJogo, TheAnswerListsTheWordsNotFound) {
  files::Aleatorio g(4);
  CacaPalavras t(1, 5, g);
  ASSERT_TRUE(t.Monta(2, Fixo({"abcde", "xcy"})));
  const int r = t.colocacoes()[0].linha;
  for (int c = 6; c <= 10; ++c) t.Marca(C(r, c));
  t.Marca(C(0, 0));
  EXPECT_EQ(t.MostraResposta(), QStringList{"XCY"});
  // Shown: every word cell marked, every filler cell not; the counts stay.
  EXPECT_EQ(t.Vista(C(r - 1, 8)).aparencia, Aparencia::Marcada);
  EXPECT_EQ(t.Vista(C(0, 0)).aparencia, Aparencia::Livre);
  EXPECT_EQ(t.erros(), 1);
  EXPECT_FALSE(t.Marca(C(1, 1)));
}

// A crossword whose first word fills its row from column 0 to 19 and whose
// second runs down column 11 from row 0 to row 19, crossing at the first
// word's K.
class CruzadasJogo : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(t.Monta(2, Fixo({"abcdefghijklmnopqrs", "tuvwxkkkyztuvwxyztu"})));
    r = t.colocacoes()[0].linha;
    ASSERT_EQ(t.colocacoes()[1], (Colocacao{Direcao::Vertical, 0, 11}));
  }
  // Types c at cell n, then moves on as a letter entered does.
  void Poe(int n, char c) {
    ASSERT_TRUE(t.Clica(n));
    t.Digita(QChar(c));
  }
  bool Letra(char c) {
    const bool mudou = t.Digita(QChar(c));
    if (mudou) t.Anda();
    return mudou;
  }
  files::Aleatorio g{21};
  Cruzadas t{1, 2, g};
  int r = 0;
};

TEST_F(CruzadasJogo, TheBoardItsNumbersAndTheCursor) {
  EXPECT_EQ(t.Palavra(0), "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(t.ocultas(), 19 + 18);
  EXPECT_EQ(t.cursor(), C(r, 1));
  EXPECT_EQ(t.Vista(C(r, 1)).aparencia, Aparencia::Cursor);
  EXPECT_EQ(t.Vista(C(r, 0)).rotulo, "1");
  EXPECT_EQ(t.Vista(C(0, 11)).rotulo, "2");
  EXPECT_EQ(t.Vista(C(0, 11)).tag, 0);
  EXPECT_EQ(t.Vista(C(1, 11)).tag, 1);
  EXPECT_EQ(t.Vista(C(1, 11)).rotulo, "");
  // Number and hidden cells take no click.
  EXPECT_FALSE(t.Clica(C(r, 0)));
  EXPECT_FALSE(t.Clica(C(r + 1, 0)));
  EXPECT_EQ(t.cursor(), C(r, 1));
}

TEST_F(CruzadasJogo, TypingAcrossJumpsOneFilledCellAndStopsAtTheBorder) {
  Poe(C(r, 11), 'K');
  ASSERT_TRUE(t.Clica(C(r, 1)));
  for (char c = 'A'; c <= 'J'; ++c) ASSERT_TRUE(Letra(c));
  // Over the filled crossing to the L.
  EXPECT_EQ(t.cursor(), C(r, 12));
  for (char c = 'L'; c <= 'S'; ++c) Letra(c);
  // Column 19: no move across, nothing below: the cursor stays.
  EXPECT_EQ(t.cursor(), C(r, 19));
  EXPECT_EQ(t.direcao(), Direcao::Horizontal);
  EXPECT_EQ(t.acertos(), 19);
  EXPECT_TRUE(t.CasasDaAjuda(0).isEmpty());
  EXPECT_EQ(t.MostraResposta(), QStringList{"TUVWXKKKYZTUVWXYZTU"});
}

TEST_F(CruzadasJogo, TwoFilledCellsAreNotJumped) {
  Poe(C(r, 11), 'K');
  Poe(C(r, 12), 'L');
  ASSERT_TRUE(t.Clica(C(r, 10)));
  EXPECT_TRUE(Letra('J'));
  EXPECT_EQ(t.cursor(), C(r, 10));
}

TEST_F(CruzadasJogo, TypingDownAndTheBottomRows) {
  Poe(C(r, 11), 'K');
  // A click keeps the direction; no way across from column 11 above the
  // first word, so the cursor goes down, over the crossing.
  ASSERT_TRUE(t.Clica(C(r - 1, 11)));
  EXPECT_TRUE(Letra('K'));
  EXPECT_EQ(t.cursor(), C(r + 1, 11));
  EXPECT_EQ(t.direcao(), Direcao::Vertical);
  // Row 19: no move down, nothing to the right.
  ASSERT_TRUE(t.Clica(C(19, 11)));
  EXPECT_TRUE(Letra('U'));
  EXPECT_EQ(t.cursor(), C(19, 11));
  // Row 18 with row 19 filled: nothing below to jump to.
  ASSERT_TRUE(t.Clica(C(18, 11)));
  EXPECT_TRUE(Letra('T'));
  EXPECT_EQ(t.cursor(), C(18, 11));
}

TEST_F(CruzadasJogo, LettersAreUpperCasedAndOnlyWhatTheCodePageHolds) {
  EXPECT_TRUE(t.Digita(QChar(u'a')));
  EXPECT_EQ(t.digitado(C(r, 1)), "A");
  EXPECT_EQ(t.acertos(), 1);
  // The same letter again changes nothing.
  EXPECT_FALSE(t.Digita(QChar(u'A')));
  EXPECT_TRUE(t.Digita(U("é")[0]));
  EXPECT_EQ(t.digitado(C(r, 1)), U("É"));
  EXPECT_EQ(t.erros(), 1);
  EXPECT_TRUE(t.Digita(U("€")[0]));
  for (const char16_t c : {u'\r', u'\b', u'\t', u'\x7f', u'\x1b', u'\x85', u'\x101', u'\x4e2d', u'\xd83d'})
    EXPECT_FALSE(t.Digita(QChar(c))) << int(c);
  EXPECT_EQ(t.digitado(C(r, 1)), U("€"));
  // A blank is a wrong letter, and the cell counts as free.
  EXPECT_TRUE(t.Digita(QChar(u' ')));
  EXPECT_EQ(t.erros(), 1);
  EXPECT_TRUE(t.casaLivre(C(r, 1)));
}

TEST_F(CruzadasJogo, AWrongCrossingCountsOnce) {
  Poe(C(r, 11), 'Q');
  EXPECT_EQ(t.erros(), 1);
  EXPECT_EQ(t.CasasDaAjuda(0).size(), 19);
  EXPECT_TRUE(t.CasasDaAjuda(1).contains(C(r, 11)));
  t.Digita(QChar(u'K'));
  EXPECT_EQ(t.erros(), 0);
  EXPECT_EQ(t.acertos(), 1);
  EXPECT_FALSE(t.CasasDaAjuda(1).contains(C(r, 11)));
}

TEST_F(CruzadasJogo, BackspaceClearsAndStepsBack) {
  EXPECT_TRUE(Letra('A'));
  EXPECT_TRUE(Letra('X'));
  EXPECT_EQ(t.cursor(), C(r, 3));
  bool andou = false;
  // The cursor's cell is empty: back one cell, cleared.
  EXPECT_TRUE(t.Apaga(&andou));
  EXPECT_TRUE(andou);
  EXPECT_EQ(t.cursor(), C(r, 2));
  EXPECT_EQ(t.digitado(C(r, 2)), "");
  EXPECT_EQ(t.erros(), 0);
  // A filled cell is cleared where it stands.
  ASSERT_TRUE(t.Clica(C(r, 1)));
  EXPECT_TRUE(t.Apaga(&andou));
  EXPECT_FALSE(andou);
  EXPECT_EQ(t.acertos(), 0);
  // Before the first letter lies the number cell: nothing to do.
  EXPECT_FALSE(t.Apaga(&andou));
  EXPECT_EQ(t.cursor(), C(r, 1));
  // Down, it steps up; from the top letter it stops at the number cell.
  Poe(C(r, 11), 'K');
  ASSERT_TRUE(t.Clica(C(r - 1, 11)));
  Letra('X');
  ASSERT_EQ(t.direcao(), Direcao::Vertical);
  ASSERT_TRUE(t.Clica(C(2, 11)));
  EXPECT_TRUE(t.Apaga(&andou));
  EXPECT_EQ(t.cursor(), C(1, 11));
  EXPECT_FALSE(t.Apaga(&andou));
}

TEST_F(CruzadasJogo, EveryLetterRightEndsTheRound) {
  const QStringList palavras{"ABCDEFGHIJKLMNOPQRS", "TUVWXKKKYZTUVWXYZTU"};
  for (int k = 0; k < 2; ++k) {
    const QList<int> casas = t.CasasDeLetras(k);
    for (int i = 0; i < casas.size(); ++i) Poe(casas[i], palavras[k][i].toLatin1());
  }
  EXPECT_TRUE(t.fimDaRodada());
  EXPECT_EQ(t.Porcentagem(), 100);
  // After the help the cursor is back on the first letter.
  t.VoltaAoInicio();
  EXPECT_EQ(t.cursor(), C(r, 1));
  EXPECT_TRUE(t.MostraResposta().isEmpty());
  EXPECT_EQ(t.Vista(C(5, 11)).aparencia, Aparencia::Marcada);
  EXPECT_FALSE(t.Digita(QChar(u'Z')));
}

}  // namespace
