// HTML tests: which records can be played, the duplicate rule, the letters,
// the judging and the report lines.
#include "player/activities/rules/teste_html.h"

#include <gtest/gtest.h>

#include "activities/teste_html_apoio.h"
#include "files/convencoes.h"

namespace {

using apoio::TesteHTML;
using files::RegTesteHTML;
using zelmo::regras::JogoTesteHTML;
using zelmo::regras::Resposta;


class Fonte : public zelmo::regras::FonteRegistros {
 public:
  explicit Fonte(const QList<RegTesteHTML>& testes) {
    for (const auto& t : testes) bytes_ << t.ParaBytes();
  }
  qint64 Conta() override { return bytes_.size(); }
  QByteArray Le(qint64 n) override { return bytes_.at(n - 1); }

 private:
  QList<QByteArray> bytes_;
};

TEST(TesteHTMLRegras, OnlyAnswerableTestsAreSound) {
  struct Caso {
    int alternativas, correta;
    bool respondivel;
  } casos[] = {{5, 0, true}, {3, 2, true}, {1, 0, true}, {5, 4, true},
               {3, 3, false}, {0, 0, false}, {6, 0, false}, {-1, -1, false}, {4, -1, false}, {5, 5, false}};
  for (const Caso& c : casos)
    EXPECT_EQ(zelmo::regras::TesteRespondivel(TesteHTML("q.htm", c.alternativas, c.correta)), c.respondivel)
        << c.alternativas << " " << c.correta;
  RegTesteHTML t = TesteHTML("q.htm", 5, 0);
  t.Codigo = "x";
  EXPECT_FALSE(zelmo::regras::TesteRespondivel(t));
}

TEST(TesteHTMLRegras, AnUnanswerableRecordReadsAsCorrupt) {
  Fonte fonte({TesteHTML("q1.htm", 4, 1), TesteHTML("q2.htm", 2, 2)});
  const auto s = zelmo::regras::SelecionaSequencial(fonte, 2, zelmo::regras::RegrasTestesHTML());
  EXPECT_TRUE(s.corrompido);
}

TEST(TesteHTMLRegras, RandomOrderTakesEachPageOnce) {
  Fonte fonte({TesteHTML("q1.htm", 4, 1), TesteHTML("q1.htm", 2, 0), TesteHTML("Q1.htm", 3, 2)});
  files::Aleatorio gerador(7);
  const auto s = zelmo::regras::SelecionaAleatoria(fonte, 3, gerador, zelmo::regras::RegrasTestesHTML());
  ASSERT_FALSE(s.corrompido);
  // Same page, other alternatives: one test; another letter case: another.
  ASSERT_EQ(s.itens.size(), 2);
  EXPECT_NE(s.itens[0].ArquivoHTML, s.itens[1].ArquivoHTML);
}

TEST(TesteHTMLRegras, LettersOfTheAlternatives) {
  EXPECT_EQ(zelmo::regras::LetrasAlternativas(3), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(zelmo::regras::LetrasAlternativas(0), QStringList());
  EXPECT_EQ(zelmo::regras::LetrasAlternativas(5).last(), "e");
}

TEST(TesteHTMLRegras, JudgingCountsEveryWrongPress) {
  JogoTesteHTML j({TesteHTML("q1.htm", 3, 0), TesteHTML("q2.htm", 3, 1), TesteHTML("q3.htm", 5, 4), TesteHTML("q4.htm", 2, 1)});
  QStringList erros;
  ASSERT_TRUE(j.Proximo());
  EXPECT_EQ(j.Rodada(), "Teste 1 de 4");
  EXPECT_EQ(j.Julga(-1, &erros), Resposta::SemEscolha);
  EXPECT_EQ(j.Julga(2, &erros), Resposta::Errada);
  EXPECT_EQ(erros, QStringList{"q1.htm - Alternativa escolhida: c"});
  EXPECT_EQ(j.Julga(0, &erros), Resposta::Certa);
  for (int c : {1, 4, 1}) {
    ASSERT_TRUE(j.Proximo());
    EXPECT_EQ(j.Julga(c, &erros), Resposta::Certa);
  }
  EXPECT_EQ(j.Porcentagem(), 75);
  EXPECT_FALSE(j.Proximo());
  EXPECT_EQ(j.LinhasContagem(0), (QStringList{"Quantidade de Testes: 4 - Acertos: 4 - Erros: 1",
                                              "Atividade cumprida: 100 % - Consultas: 0"}));
}

}  // namespace
