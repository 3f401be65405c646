// Scrambled word's rules: the scramble, tiles judged by their character only,
// refused drops, the gap tile and the fifth wrong drop.
#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>
#include <memory>

#include "palavras_apoio.h"
#include "player/activities/rules/jogo_emb.h"
#include "player/activities/rules/palavras.h"

namespace {

using namespace zelmo::regras;

QString U(const char* s) { return QString::fromUtf8(s); }

class EmbTest : public ::testing::Test {
 protected:
  JogoEmb& Jogo(const QStringList& palavras, int dica = kDicaSolicita) {
    QList<files::RegPalavra> lista;
    for (const QString& p : palavras) lista.append(ConvertePalavra(apoio::Palavra(p, "dica")));
    jogo = std::make_unique<JogoEmb>(lista, dica, gerador);
    jogo->Limpa();
    jogo->Proximo();
    return *jogo;
  }
  // The first shown tile holding the character.
  int Peca(const QString& c) const {
    for (int j = 1; j <= jogo->L(); ++j)
      if (jogo->pecaVisivel(j) && jogo->peca(j) == c) return j;
    return 0;
  }
  files::Aleatorio gerador{2024};
  std::unique_ptr<JogoEmb> jogo;
};

TEST_F(EmbTest, TheScrambleIsAPermutationDrawnFromTheGenerator) {
  const QString palavra = U("ELETROCARDIOGRAMA");
  QString ordenada = palavra;
  std::sort(ordenada.begin(), ordenada.end());
  bool mudou = false;
  for (uint32_t s = 1; s <= 20; ++s) {
    files::Aleatorio g(s);
    QString e = JogoEmb::Embaralha(palavra, g);
    mudou |= e != palavra;
    std::sort(e.begin(), e.end());
    EXPECT_EQ(e, ordenada);
  }
  EXPECT_TRUE(mudou);
  files::Aleatorio a(7), b(7);
  EXPECT_EQ(JogoEmb::Embaralha(palavra, a), JogoEmb::Embaralha(palavra, b));
  // Each draw takes one number from the generator: k in 1..length(rest).
  files::Aleatorio g(99), espelho(99);
  QString resto = "ABC", esperado;
  while (!resto.isEmpty()) {
    const int k = espelho.Sorteia(static_cast<int>(resto.size()));
    esperado += resto[k];
    resto.remove(k, 1);
  }
  EXPECT_EQ(JogoEmb::Embaralha("ABC", g), esperado);
  // Every order of a short word comes out.
  QSet<QString> ordens;
  for (uint32_t s = 0; s < 200; ++s) {
    files::Aleatorio h(s * 7919u);
    ordens.insert(JogoEmb::Embaralha("ABC", h));
  }
  EXPECT_EQ(ordens.size(), 6);
}

TEST_F(EmbTest, ANewWordShowsEverySlotEmptyAndEveryTile) {
  JogoEmb& j = Jogo({"valva mitral"});
  EXPECT_EQ(j.L(), 12);
  QString pecas;
  for (int i = 1; i <= 12; ++i) {
    EXPECT_TRUE(j.visivel(i));
    EXPECT_TRUE(j.rotulo(i).isEmpty());
    EXPECT_TRUE(j.pecaVisivel(i));
    pecas += j.peca(i);
  }
  EXPECT_FALSE(j.visivel(13));
  EXPECT_FALSE(j.pecaVisivel(13));
  EXPECT_EQ(pecas, j.embaralhada());
}

TEST_F(EmbTest, RepeatedLettersAreInterchangeable) {
  JogoEmb& j = Jogo({"arara"});
  // Any A tile fits any A slot, in any order.
  for (int slot : {5, 1, 3}) {
    const Jogada jd = j.Solta(Peca("A"), slot);
    EXPECT_TRUE(jd.aceita);
    EXPECT_FALSE(jd.errou);
    EXPECT_EQ(j.rotulo(slot), "A");
  }
  EXPECT_EQ(Peca("A"), 0);
  j.Solta(Peca("R"), 4);
  const Jogada ultima = j.Solta(Peca("R"), 2);
  EXPECT_TRUE(ultima.resolvida);
  EXPECT_EQ(j.errosPalavra(), 0);
}

TEST_F(EmbTest, AccentedTilesFitOnlyTheirOwnSlot) {
  JogoEmb& j = Jogo({"ação"});
  const int til = Peca(U("Ã"));
  const Jogada errada = j.Solta(til, 1);
  EXPECT_TRUE(errada.errou);
  EXPECT_EQ(errada.estagio, 1);
  EXPECT_TRUE(j.pecaVisivel(til));  // the tile stays where it was
  EXPECT_TRUE(j.rotulo(1).isEmpty());
  EXPECT_TRUE(j.Solta(Peca("A"), 3).errou);
  EXPECT_FALSE(j.Solta(til, 3).errou);
  EXPECT_FALSE(j.Solta(Peca("A"), 1).errou);
  EXPECT_EQ(j.errosPalavra(), 2);
}

TEST_F(EmbTest, AFilledSlotRefusesEveryTile) {
  JogoEmb& j = Jogo({"veia"});
  ASSERT_FALSE(j.Solta(Peca("V"), 1).errou);
  EXPECT_FALSE(j.AceitaPeca(1));
  const Jogada recusada = j.Solta(Peca("E"), 1);
  EXPECT_FALSE(recusada.aceita);
  EXPECT_FALSE(recusada.errou);
  EXPECT_EQ(j.errosPalavra(), 0);
  EXPECT_EQ(j.rotulo(1), "V");
  // Outside the word, and a tile already placed, are refused too.
  EXPECT_FALSE(j.AceitaPeca(5));
  EXPECT_FALSE(j.AceitaPeca(0));
  int colocada = 0;
  for (int k = 1; k <= 4; ++k)
    if (!j.pecaVisivel(k)) colocada = k;
  EXPECT_FALSE(j.Solta(colocada, 2).aceita);
}

TEST_F(EmbTest, TheGapIsATileOfItsOwn) {
  JogoEmb& j = Jogo({"ano luz"});
  const int espaco = Peca(" ");
  ASSERT_GT(espaco, 0);
  // Anywhere else the gap tile is an error, and no letter fits the gap.
  EXPECT_TRUE(j.Solta(espaco, 1).errou);
  EXPECT_TRUE(j.Solta(Peca("A"), 4).errou);
  const Jogada certa = j.Solta(espaco, 4);
  EXPECT_FALSE(certa.errou);
  EXPECT_EQ(j.rotulo(4), " ");
  EXPECT_FALSE(j.visivel(4));
  EXPECT_FALSE(j.pecaVisivel(espaco));
}

TEST_F(EmbTest, TheFifthWrongDropLosesTheWord) {
  JogoEmb& j = Jogo({"veia", "aorta"}, kDicaUltimaChance);
  const int v = Peca("V");
  Jogada jd;
  for (int slot : {2, 3, 4, 2, 3}) jd = j.Solta(v, slot);
  EXPECT_TRUE(jd.perdida);
  EXPECT_EQ(jd.estagio, 5);
  EXPECT_TRUE(j.figura().ossos);
  EXPECT_EQ(j.rotulo(1) + j.rotulo(2) + j.rotulo(3) + j.rotulo(4), "VEIA");
  // The tiles are left as they were during the pause.
  EXPECT_TRUE(j.pecaVisivel(v));
  EXPECT_EQ(j.perdidas(), 1);
  j.Limpa();
  ASSERT_TRUE(j.Proximo());
  EXPECT_EQ(j.Rodada(), "Palavra 2 de 2");
  EXPECT_EQ(j.figura(), Figura{});
  EXPECT_EQ(j.Porcentagem(), 50);
  EXPECT_EQ(j.LinhasContagem(0)[0],
            "Quantidade de Palavras: 2 - Palavras Corretas: 0 - Palavras Erradas: 1 - Consultas: 0");
}

}  // namespace
