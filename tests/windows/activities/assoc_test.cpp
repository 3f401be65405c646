// The association window: the five windows, dragging titles, "Pronto", the
// rounds, the reveal and the report block.
#include <QDrag>
#include <QMimeData>
#include <QTest>

#include "apoio_atividades.h"
#include "player/activities/assoc.h"
#include "player/activities/rules/palavras.h"
#include "player/activities/rules/trocas.h"

namespace {

using apoio::Palavra;
using zelmo::TfrmAssoc;

QString U(const char* s) { return QString::fromUtf8(s); }

class AssocTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    Palavras("cor.plv", {Palavra("aorta", "a maior artéria"), Palavra("veia", "traz o sangue"),
                         Palavra(U("átrio"), "recebe o sangue"), Palavra("capilar", "troca com os tecidos"),
                         Palavra("valva", "impede a volta"), Palavra("pulso", "ritmo")});
  }
  std::unique_ptr<TfrmAssoc> Jogo(int rodadas, const QString& arquivo = "cor.plv", int porcent = 70) {
    Pagina(9, arquivo, 5, 0, 0, porcent);
    zelmo::AtividadeAtual.Rodadas = rodadas;
    return Abre<TfrmAssoc>();
  }
  // Drops title box `origem` on `alvo`, as the window gets it.
  static void Solta(TfrmAssoc& a, int alvo, int origem) { a.memPal1DragDrop(a.Pal(alvo), a.Pal(origem)); }
  // Every title to its own window, by drops.
  static void Arruma(TfrmAssoc& a) {
    for (int i = 1; i <= 5; ++i)
      for (int k = i + 1; k <= 5; ++k)
        if (a.Pal(k)->caption() == a.jogo()->palavra(i) && a.Pal(i)->caption() != a.jogo()->palavra(i))
          Solta(a, i, k);
  }
  static int Certos(const TfrmAssoc& a) {
    int n = 0;
    for (int i = 1; i <= 5; ++i) n += a.Pal(i)->caption() == a.jogo()->palavra(i);
    return n;
  }
};

TEST_F(AssocTeste, Layout) {
  TfrmAssoc a;
  EXPECT_EQ(a.windowTitle(), U("Associação"));
  EXPECT_EQ(a.Pal(1)->geometry(), QRect(8, 40, 305, 30));
  EXPECT_EQ(a.Dica(2)->geometry(), QRect(8, 205, 305, 100));
  EXPECT_EQ(a.Pal(5)->geometry(), QRect(324, 312, 305, 30));
  EXPECT_EQ(a.Dica(5)->geometry(), QRect(324, 341, 305, 97));
  EXPECT_EQ(a.Label3->text(), U("o seu conteúdo."));
  EXPECT_EQ(a.Label4->geometry(), QRect(8, 320, 305, 30));
  EXPECT_EQ(a.btnPronto->geometry(), QRect(188, 448, 94, 25));
  EXPECT_EQ(a.Pal(1)->cor(), 0x00FFFFu);
  EXPECT_EQ(a.findChild<QWidget*>("memDica4"), a.Dica(4));
}

TEST_F(AssocTeste, ARoundShowsFiveWindowsWithShuffledTitles) {
  auto a = Jogo(4);
  EXPECT_EQ(a->lblRodada->text(), "Rodada 1 de 4");
  EXPECT_EQ(a->lblAcertos->text(), "Acertos: 0");
  QStringList titulos, palavras;
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(a->Dica(i)->texto(), a->jogo()->dica(i));
    EXPECT_EQ(a->Pal(i)->tag(), a->jogo()->tag(i));
    EXPECT_EQ(a->Pal(i)->caption(), a->jogo()->palavra(a->Pal(i)->tag()));
    titulos << a->Pal(i)->caption();
    palavras << a->jogo()->palavra(i);
  }
  titulos.sort();
  palavras.sort();
  EXPECT_EQ(titulos, palavras);
}

TEST_F(AssocTeste, WrongPressesTurnTitlesRedAndListThemThenARightPressStartsTheNextRound) {
  auto a = Jogo(4);
  Arruma(*a);
  ASSERT_EQ(Certos(*a), 5);
  // Three wrong titles.
  Solta(*a, 1, 2);
  Solta(*a, 1, 3);
  a->btnPronto->click();
  EXPECT_EQ(a->lblAcertos->text(), "Acertos: 2");
  EXPECT_EQ(a->lblErros->text(), "Erros: 3");
  EXPECT_EQ(a->Pal(1)->corFonte(), 255u);
  EXPECT_EQ(a->Pal(4)->corFonte(), 0u);
  ASSERT_EQ(zelmo::ListaErros.size(), 3);
  EXPECT_EQ(zelmo::ListaErros[0], a->Pal(1)->caption() + " - " + a->Dica(1)->texto());
  // One put right by a drop (both black), two stay wrong.
  for (int k = 2; k <= 3; ++k)
    if (a->Pal(k)->caption() == a->jogo()->palavra(1)) Solta(*a, 1, k);
  EXPECT_EQ(a->Pal(1)->corFonte(), 0u);
  a->btnPronto->click();
  EXPECT_EQ(a->lblErros->text(), "Erros: 2");
  EXPECT_EQ(zelmo::ListaErros.size(), 5);
  Arruma(*a);
  a->btnPronto->click();
  EXPECT_EQ(a->lblRodada->text(), "Rodada 2 de 4");
  EXPECT_EQ(a->lblAcertos->text(), "Acertos: 5");
  Arruma(*a);
  Solta(*a, 4, 5);
  a->btnPronto->click();
  // Round 2 of 4 after a press with 3 right: round(25 + 15) = 40.
  EXPECT_EQ(a->jogo()->Porcentagem(), 40);
  a->btnSair->click();
  EXPECT_EQ(a->result(), 2);
  // The reveal put every title right.
  EXPECT_EQ(Certos(*a), 5);
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(0, 5),
            (QStringList{"", U("*** ASSOCIAÇÃO ***"), "Rodadas programadas: 4 - Rodadas executadas: 1 - Total de Erros: 7",
                         "Atividade cumprida: 40 % - Consultas: 0", "Palavras associadas incorretamente:"}));
  EXPECT_EQ(zelmo::LinhasRelatorio.size(), 5 + 7 + 1);
  EXPECT_EQ(zelmo::LinhasRelatorio.last(), "Zelmo II encerrado antes do final das atividades");
}

TEST_F(AssocTeste, ACompletedActivityReports100) {
  auto a = Jogo(2);
  for (int r = 0; r < 2; ++r) {
    Arruma(*a);
    a->btnPronto->click();
  }
  EXPECT_EQ(a->result(), 1);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns!"), U("Você acertou 100% desta atividade.")}));
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", U("*** ASSOCIAÇÃO ***"), "Rodadas programadas: 2 - Rodadas executadas: 2 - Total de Erros: 0",
                         "Atividade cumprida: 100 % - Consultas: 0"}));
}

TEST_F(AssocTeste, ATitleIsDraggedWithTheMouseOntoAnother) {
  auto a = Jogo(3);
  a->resize(640, 480);
  const QString t1 = a->Pal(1)->caption(), t3 = a->Pal(3)->caption();
  EXPECT_TRUE(a->memPal1DragOver(a->Pal(3), a->Pal(1)));
  EXPECT_FALSE(a->memPal1DragOver(a->Pal(3), a->Dica(1)));
  EXPECT_FALSE(a->Dica(1)->acceptDrops());
  // The drop itself comes from the drag's own loop; here it is delivered as
  // the panel would deliver it.
  Solta(*a, 3, 1);
  EXPECT_EQ(a->Pal(1)->caption(), t3);
  EXPECT_EQ(a->Pal(3)->caption(), t1);
  Solta(*a, 2, 2);
  EXPECT_EQ(a->Pal(3)->caption(), t1);
}

TEST_F(AssocTeste, FewerThanFiveRecordsEndTheProgramAndFewerDistinctWordsPlayFewerWindows) {
  Palavras("quatro.plv", {Palavra("a"), Palavra("b"), Palavra("c"), Palavra("d")});
  auto a = Jogo(2, "quatro.plv");
  ASSERT_EQ(respostas.caixas.size(), 1);
  EXPECT_EQ(respostas.caixas[0].texto, U("Arquivo de Palavras precisa ter pelo menos 5 palavras !"));
  EXPECT_EQ(respostas.caixas[0].titulo, "Zelmo II");
  // The round counter was shown from the activation on.
  EXPECT_EQ(a->lblRodada->text(), "Rodada 1 de 2");
  EXPECT_TRUE(zelmo::ProgramaEncerrando());
  EXPECT_EQ(a->result(), 2);
  EXPECT_TRUE(zelmo::LinhasRelatorio.isEmpty());

  zelmo::ReiniciaEncerramento();
  respostas.caixas.clear();
  // Five records, three different words (the same word, hint and case).
  Palavras("tres.plv", {Palavra("veia", "x"), Palavra("VEIA", "x"), Palavra("aorta"), Palavra("veia", "x"),
                        Palavra("pulso")});
  auto b = Jogo(2, "tres.plv");
  EXPECT_TRUE(respostas.caixas.isEmpty());
  EXPECT_EQ(b->jogo()->K(), 3);
  EXPECT_FALSE(b->Pal(4)->isVisibleTo(b.get()));
  EXPECT_FALSE(b->Dica(5)->isVisibleTo(b.get()));
  Solta(*b, 1, 4);  // a window out of play takes no title
  Arruma(*b);
  b->btnPronto->click();
  EXPECT_EQ(b->lblAcertos->text(), "Acertos: 3");
  EXPECT_EQ(b->lblRodada->text(), "Rodada 2 de 2");
}

}  // namespace

namespace {

// Round 1 and, after a right press (whose sound draws too), round 2, as the
// generator seeded from the clock draws them: the five words, then the ten
// swaps of the titles.
TEST_F(AssocTeste, SeededRoundsFollowTheDrawOrder) {
  relogio.DefineUTC(4321);
  auto a = Jogo(3);
  files::Aleatorio eco(4321);
  apoio::FonteMemoria fonte(Registros<files::RegPalavra>("cor.plv"));
  for (int rodada = 1; rodada <= 2; ++rodada) {
    if (rodada == 2) {
      Arruma(*a);
      a->btnPronto->click();
      eco.Sorteia(8);  // the right-answer sound
    }
    const auto palavras =
        zelmo::regras::SelecionaAleatoria(fonte, 5, eco, zelmo::regras::RegrasPalavras()).itens;
    QList<int> tags{1, 2, 3, 4, 5};
    zelmo::regras::AplicaTrocas(tags, zelmo::regras::SorteiaTrocas(5, eco));
    ASSERT_EQ(palavras.size(), 5);
    for (int i = 1; i <= 5; ++i) {
      EXPECT_EQ(a->Dica(i)->texto(), palavras[i - 1].Dica()) << rodada << " " << i;
      EXPECT_EQ(a->Pal(i)->caption(), palavras[tags[i - 1] - 1].Palavra) << rodada << " " << i;
    }
    EXPECT_EQ(zelmo::Gerador.semente(), eco.semente()) << rodada;
  }
}

}  // namespace
