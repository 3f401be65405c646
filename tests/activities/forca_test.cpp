// Hangman's rules: the letter set and the two foldings, letters played,
// the figure, the hint modes, the percentage and the report lines.
#include <gtest/gtest.h>

#include "palavras_apoio.h"
#include "player/activities/rules/jogo_forca.h"
#include "player/activities/rules/palavras.h"

namespace {

using namespace zelmo::regras;

QString U(const char* s) { return QString::fromUtf8(s); }

int L(char c) { return c - 'A' + 1; }

// A game over the given words (stored as the teacher typed them), on word 1.
JogoForca Jogo(const QStringList& palavras, int dica = kDicaSolicita) {
  QList<files::RegPalavra> lista;
  for (const QString& p : palavras) lista.append(ConvertePalavra(apoio::Palavra(p, "dica de " + p)));
  JogoForca j(lista, dica);
  j.Limpa();
  j.Proximo();
  return j;
}

QString Slots(const JogoForca& j) {
  QString s;
  for (int i = 1; i <= j.L(); ++i) s += j.visivel(i) ? (j.rotulo(i).isEmpty() ? QString("_") : j.rotulo(i)) : "#";
  return s;
}

TEST(ForcaLetras, TheSetAndTheFoldings) {
  EXPECT_EQ(JogoForca::ConjuntoLetras().size(), 50);
  // Every character of the set folds to its plain letter.
  const QString conjunto = JogoForca::ConjuntoLetras();
  for (QChar c : conjunto) EXPECT_TRUE(JogoForca::Dobra(c) >= u'A' && JogoForca::Dobra(c) <= u'Z') << int(c.unicode());
  struct Caso { const char* de; char para; };
  const Caso dobras[] = {{"À", 'A'}, {"Â", 'A'}, {"Ä", 'A'}, {"Ê", 'E'}, {"Î", 'I'}, {"Ô", 'O'},
                         {"Û", 'U'}, {"Ñ", 'N'}, {"Ç", 'C'}, {"Q", 'Q'}};
  for (const Caso& c : dobras) EXPECT_EQ(JogoForca::Dobra(U(c.de)[0]), QChar(c.para)) << c.de;
  // Outside the set a character stands for itself.
  EXPECT_EQ(JogoForca::Dobra(U("Å")[0]), U("Å")[0]);
  EXPECT_EQ(JogoForca::Dobra(QChar(u'-')), QChar(u'-'));
}

TEST(ForcaLetras, TheKeyboardFolding) {
  struct Caso { const char* tecla; int letra; };
  const Caso casos[] = {
      {"a", 1}, {"A", 1}, {"z", 26}, {"á", 1}, {"Ã", 1}, {"ä", 1}, {"è", 5}, {"ï", 9}, {"õ", 15},
      {"ù", 21}, {"ñ", 14}, {"ç", 3}, {"Ç", 3},
      // The circumflex letters are not in the keyboard's table.
      {"â", 0}, {"Ê", 0}, {"ô", 0},
      {"1", 0}, {"-", 0}, {"\r", 0}, {" ", 0}, {"", 0}, {"ab", 0}, {"ß", 0}};
  for (const Caso& c : casos) EXPECT_EQ(JogoForca::LetraDaTecla(U(c.tecla)), c.letra) << c.tecla;
}

TEST(ForcaJogo, AWordWithASpaceIsSolvedByItsLetters) {
  JogoForca j = Jogo({"valva mitral"});
  EXPECT_EQ(j.palavra(), "VALVA MITRAL");
  EXPECT_EQ(Slots(j), "_____#______");
  Jogada ultima;
  for (char c : {'V', 'A', 'L', 'M', 'I', 'T', 'R'}) {
    ultima = j.JogaLetra(L(c));
    EXPECT_TRUE(ultima.aceita);
    EXPECT_FALSE(ultima.errou);
  }
  EXPECT_TRUE(ultima.resolvida);
  EXPECT_EQ(Slots(j), "VALVA#MITRAL");
  EXPECT_EQ(j.rotulo(6), " ");
}

TEST(ForcaJogo, CharactersOutsideTheSetShowFromTheStart) {
  JogoForca hifen = Jogo({"ano-luz"});
  EXPECT_EQ(Slots(hifen), "___-___");
  // Only digits: the first letter played is a miss and solves the word.
  JogoForca numero = Jogo({"1500"});
  EXPECT_EQ(Slots(numero), "1500");
  const Jogada j = numero.JogaLetra(L('E'));
  EXPECT_TRUE(j.errou);
  EXPECT_EQ(j.estagio, 1);
  EXPECT_TRUE(j.resolvida);
  EXPECT_FALSE(j.perdida);
  EXPECT_TRUE(numero.figura().cabeca);
}

TEST(ForcaJogo, PlainLettersRevealAccentedOnesAsStored) {
  JogoForca j = Jogo({"ação"});
  Jogada a = j.JogaLetra(L('A'));
  EXPECT_EQ(a.reveladas, (QList<int>{1, 3}));
  EXPECT_EQ(Slots(j), U("A_Ã_"));
  j.JogaLetra(L('C'));
  EXPECT_EQ(j.rotulo(2), U("Ç"));
  EXPECT_TRUE(j.JogaLetra(L('O')).resolvida);
  EXPECT_EQ(j.errosPalavra(), 0);

  JogoForca camara = Jogo({"câmara"});
  EXPECT_EQ(camara.JogaLetra(L('A')).reveladas, (QList<int>{2, 4, 6}));
  EXPECT_EQ(camara.rotulo(2), U("Â"));
}

TEST(ForcaJogo, EachLetterIsPlayedOncePerWord) {
  JogoForca j = Jogo({"veia", "aorta"});
  EXPECT_TRUE(j.JogaLetra(L('X')).errou);
  EXPECT_FALSE(j.letraLivre(L('X')));
  const Jogada outra = j.JogaLetra(L('X'));
  EXPECT_FALSE(outra.aceita);
  EXPECT_EQ(j.errosPalavra(), 1);
  EXPECT_FALSE(j.JogaLetra(0).aceita);
  EXPECT_FALSE(j.JogaLetra(27).aceita);
  // A new board frees the letters again.
  j.Limpa();
  j.Proximo();
  EXPECT_TRUE(j.letraLivre(L('X')));
  EXPECT_EQ(j.errosPalavra(), 0);
}

TEST(ForcaJogo, TheFifthMissLosesTheWord) {
  JogoForca j = Jogo({"veia"});
  const char erradas[] = {'B', 'C', 'D', 'F', 'G'};
  Figura esperada;
  for (int k = 0; k < 5; ++k) {
    const Jogada jd = j.JogaLetra(L(erradas[k]));
    EXPECT_TRUE(jd.errou);
    EXPECT_EQ(jd.estagio, k + 1);
    EXPECT_EQ(jd.perdida, k == 4);
    EXPECT_FALSE(jd.resolvida);
    DesenhaEstagio(esperada, k + 1);
    EXPECT_EQ(j.figura(), esperada);
  }
  EXPECT_TRUE(j.figura().ossos);
  EXPECT_FALSE(j.figura().banco);
  EXPECT_FALSE(j.figura().cabeca);
  EXPECT_EQ(Slots(j), "VEIA");
  EXPECT_EQ(j.perdidas(), 1);
  EXPECT_FALSE(j.Proximo());
  EXPECT_TRUE(j.concluida());
  // N 1, lost: P is 100, no word right, one wrong.
  EXPECT_EQ(j.Porcentagem(), 100);
  EXPECT_EQ(j.LinhasContagem(0),
            (QStringList{"Quantidade de Palavras: 1 - Palavras Corretas: 0 - Palavras Erradas: 1 - Consultas: 0",
                         U("Resolução: 100 % - Não Pediu Dica")}));
  EXPECT_TRUE(j.condicaoErro());
}

TEST(ForcaFigura, StagesAreCumulativeAndTheFifthLeavesOnlyBones) {
  Figura f;
  EXPECT_TRUE(f.banco);
  DesenhaEstagio(f, 0);
  DesenhaEstagio(f, 6);
  EXPECT_EQ(f, Figura{});
  DesenhaEstagio(f, 1);
  DesenhaEstagio(f, 2);
  DesenhaEstagio(f, 3);
  EXPECT_TRUE(f.cabeca && f.corpo && f.braco1 && f.braco2 && f.banco);
  EXPECT_FALSE(f.perna1 || f.perna2 || f.ossos);
  DesenhaEstagio(f, 4);
  EXPECT_TRUE(f.perna1 && f.perna2);
  DesenhaEstagio(f, 5);
  Figura ossos;
  ossos.banco = false;
  ossos.ossos = true;
  EXPECT_EQ(f, ossos);
}

TEST(ForcaDica, TheFourModes) {
  JogoForca pede = Jogo({"veia", "aorta"}, kDicaSolicita);
  EXPECT_TRUE(pede.dicaDisponivel());
  EXPECT_EQ(pede.DicaNaPalavra(), "");
  EXPECT_EQ(pede.PedeDica(), "dica de veia");
  EXPECT_FALSE(pede.dicaDisponivel());
  EXPECT_EQ(pede.PedeDica(), "");
  pede.Limpa();
  pede.Proximo();
  EXPECT_TRUE(pede.dicaDisponivel());
  EXPECT_EQ(pede.PedeDica(), "dica de aorta");
  EXPECT_EQ(pede.dicasPedidas(), 2);
  EXPECT_EQ(pede.LinhasContagem(1)[1], U("Resolução: 50 % - Pediu Dica 2 vez(es)"));

  JogoForca nunca = Jogo({"veia"}, kDicaNunca);
  EXPECT_FALSE(nunca.dicaDisponivel());
  EXPECT_EQ(nunca.PedeDica(), "");
  EXPECT_EQ(nunca.dicasPedidas(), 0);

  JogoForca sempre = Jogo({"veia"}, kDicaSempre);
  EXPECT_FALSE(sempre.dicaDisponivel());
  EXPECT_EQ(sempre.DicaNaPalavra(), "dica de veia");

  // Last chance: the hint comes with the legs, at the fourth miss only.
  JogoForca ultima = Jogo({"veia"}, kDicaUltimaChance);
  EXPECT_FALSE(ultima.dicaDisponivel());
  EXPECT_EQ(ultima.DicaNaPalavra(), "");
  QList<bool> mostra;
  for (char c : {'B', 'C', 'D', 'F'}) mostra.append(ultima.JogaLetra(L(c)).mostraDica);
  EXPECT_EQ(mostra, (QList<bool>{false, false, false, true}));
  EXPECT_EQ(ultima.LinhasContagem(0)[1], U("Resolução: 0 % - Não Pediu Dica"));
}

TEST(ForcaPorcentagem, LeavingAtWordThreeOfFive) {
  JogoForca j = Jogo({"aorta", "veia", "valva", "pulso", "sangue"});
  for (int palavra = 0; palavra < 2; ++palavra) {
    for (QChar c : j.palavra()) j.JogaLetra(JogoForca::LetraDaTecla(c));
    ASSERT_TRUE(j.resolvida());
    j.Limpa();
    j.Proximo();
  }
  EXPECT_EQ(j.Rodada(), "Palavra 3 de 5");
  j.JogaLetra(L('V'));
  EXPECT_EQ(j.Porcentagem(), 40);
  j.MostraResposta();
  EXPECT_EQ(Slots(j), "VALVA");
  EXPECT_EQ(j.LinhasContagem(2)[0],
            "Quantidade de Palavras: 5 - Palavras Corretas: 2 - Palavras Erradas: 0 - Consultas: 2");
  EXPECT_FALSE(j.condicaoErro());
}

TEST(ForcaPorcentagem, HalvesGoToTheEvenNeighbour) {
  QStringList oito;
  for (int i = 0; i < 8; ++i) oito.append("P" + QString::number(i));
  JogoForca j = Jogo(oito);
  QList<int> p;
  for (int k = 0; k < 8; ++k) {
    p.append(j.Porcentagem());
    j.Limpa();
    j.Proximo();
  }
  p.append(j.Porcentagem());
  EXPECT_EQ(p, (QList<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
}

TEST(ForcaPalavras, ConversionUpperCasesAndCutsToTwenty) {
  const files::RegPalavra r = ConvertePalavra(apoio::Palavra(U("eletrocardiograma çú"), "d1", "d2"));
  EXPECT_EQ(r.Palavra, U("ELETROCARDIOGRAMA ÇÚ"));
  EXPECT_EQ(r.Dica1, "d1");
  EXPECT_EQ(ConvertePalavra(apoio::Palavra("abcdefghijklmnopqrstuvwxyz")).Palavra.size(), 20);
}

}  // namespace
