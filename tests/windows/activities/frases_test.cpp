// The fill-in phrases and tests windows: the options over the radio group,
// a choice by the memo or by the radio item (one click each), "Pronto", the
// labels, the reveal and the report blocks.
#include <QRadioButton>

#include "apoio_atividades.h"
#include "player/activities/atividades.h"
#include "player/activities/frases.h"
#include "player/activities/testes.h"
#include "player/activities/rules/frases.h"
#include "player/activities/rules/trocas.h"

namespace {

using apoio::Frase;
using zelmo::TfrmFrases;
using zelmo::TfrmTestes;

QString U(const char* s) { return QString::fromUtf8(s); }

class FrasesTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    Frases("cor.fse", {Frase(U("O _____ é azul e a ___ é verde"), U("céu;grama"), "mar;folha", "rio", ""),
                       Frase(U("O sangue é ________."), "vermelho", "azul", "verde", "amarelo"),
                       Frase(U("O coração tem ______ câmaras."), "quatro", "duas", U("três"), "cinco"),
                       Frase(U("Sem lacuna."), "a", "b", "c", "d")});
  }
  // A place of the current item whose option is wrong.
  template <class J>
  static int Errada(const J& j) {
    return j.jogo()->correta() == 1 ? 2 : 1;
  }
  static QStringList Cores(const zelmo::TfrmOpcoes& j) {
    QStringList c;
    for (int k = 1; k <= 4; ++k) c << QString::number(j.Op(k)->corFonte());
    return c;
  }
};

TEST_F(FrasesTeste, Layout) {
  TfrmFrases f;
  EXPECT_EQ(f.windowTitle(), "Completando Frases");
  EXPECT_EQ(f.memFrase->geometry(), QRect(28, 72, 584, 121));
  EXPECT_EQ(f.RadioGroup1->geometry(), QRect(16, 204, 606, 229));
  EXPECT_EQ(f.RadioGroup1->title(), U(" Opções "));
  EXPECT_EQ(f.Op(1)->geometry(), QRect(42, 232, 271, 89));
  EXPECT_EQ(f.Op(2)->geometry(), QRect(42, 336, 270, 81));
  EXPECT_EQ(f.Op(3)->geometry(), QRect(342, 232, 270, 89));
  EXPECT_EQ(f.Op(4)->geometry(), QRect(342, 336, 270, 81));
  EXPECT_EQ(f.btnPronto->geometry(), QRect(188, 448, 94, 25));
  EXPECT_TRUE(f.btnPronto->isDefault());
  EXPECT_EQ(f.findChild<QWidget*>("Panel1")->geometry(), QRect(8, 34, 625, 409));
  // Each memo covers its radio item's cell but not the item's button.
  f.show();
  for (int k = 1; k <= 4; ++k) {
    QRadioButton* item = f.RadioGroup1->Item(k - 1);
    const QRect celula(f.RadioGroup1->mapTo(&f, item->geometry().topLeft()), item->size());
    EXPECT_TRUE(celula.intersects(f.Op(k)->geometry())) << k;
    EXPECT_LT(celula.left() + 14, f.Op(k)->geometry().left()) << k;
  }
  TfrmTestes t;
  EXPECT_EQ(t.windowTitle(), "Testes");
  EXPECT_EQ(t.RadioGroup1->title(), " Respostas ");
  EXPECT_EQ(t.Op(4)->geometry(), QRect(342, 336, 271, 89));
  EXPECT_EQ(t.btnPronto->geometry(), QRect(116, 448, 94, 25));
  EXPECT_EQ(t.Label1->text(), U(" Questão "));
  // Before the first draw the counter shows its design text; the caption
  // over the phrase is bold and upright; the radio items keep the arrow,
  // the memos over them show the hand.
  EXPECT_EQ(f.lblRodada->text(), "Frase 1 de 5");
  EXPECT_EQ(t.lblRodada->text(), "Teste 1 de 5");
  for (zelmo::TfrmOpcoes* j : {static_cast<zelmo::TfrmOpcoes*>(&f), static_cast<zelmo::TfrmOpcoes*>(&t)}) {
    EXPECT_TRUE(j->Label1->font().bold());
    EXPECT_FALSE(j->Label1->font().italic());
    EXPECT_EQ(j->RadioGroup1->Item(0)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(j->Op(1)->viewport()->cursor().shape(), Qt::PointingHandCursor);
  }
}

TEST_F(FrasesTeste, AChoiceFillsThePhraseOnceAndPressingJudgesIt) {
  Pagina(7, "cor.fse", 10);
  auto f = Abre<TfrmFrases>();
  EXPECT_EQ(f->lblRodada->text(), "Frase 1 de 4");
  EXPECT_EQ(f->memFrase->texto(), U("O _____ é azul e a ___ é verde"));
  EXPECT_EQ(f->RadioGroup1->ItemIndex(), -1);
  // A click on a memo: one click sound, its radio item selected.
  const int errada = Errada(*f);
  f->Op(errada)->clicked();
  EXPECT_EQ(f->escolhas(), 1);
  EXPECT_EQ(f->RadioGroup1->ItemIndex(), errada - 1);
  EXPECT_EQ(f->memFrase->texto(), zelmo::regras::PreencheFrase(U("O _____ é azul e a ___ é verde"),
                                                               f->Op(errada)->texto()));
  EXPECT_EQ(f->Op(errada)->corFonte(), 255u);
  EXPECT_EQ(Cores(*f).count("0"), 3);
  f->btnPronto->click();
  EXPECT_EQ(f->lblErros->text(), "Erros: 1");
  EXPECT_EQ(f->lblAcertos->text(), "Acertos: 0");
  EXPECT_EQ(zelmo::ListaErros, QStringList{f->memFrase->texto()});
  // The same wrong option again counts again.
  f->btnPronto->click();
  EXPECT_EQ(f->lblErros->text(), "Erros: 2");
  EXPECT_EQ(zelmo::ListaErros.size(), 2);
  // The radio item of the right option: one more click, the phrase filled
  // again from the stored text.
  f->RadioGroup1->Item(f->jogo()->correta() - 1)->click();
  EXPECT_EQ(f->escolhas(), 2);
  EXPECT_EQ(f->memFrase->texto(), U("O céu é azul e a grama é verde"));
  EXPECT_EQ(Cores(*f).count("255"), 1);
  f->btnPronto->click();
  EXPECT_EQ(f->lblAcertos->text(), "Acertos: 1");
  EXPECT_EQ(f->lblRodada->text(), "Frase 2 de 4");
  EXPECT_EQ(f->RadioGroup1->ItemIndex(), -1);
  EXPECT_EQ(Cores(*f), (QStringList{"0", "0", "0", "0"}));
  EXPECT_EQ(f->escolhas(), 2);
}

TEST_F(FrasesTeste, PressingWithoutAChoiceSaysSoAndCountsNothing) {
  Pagina(7, "cor.fse");
  auto f = Abre<TfrmFrases>();
  f->btnPronto->click();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Você não escolheu"), U("uma opção!")}));
  EXPECT_EQ(f->lblErros->text(), "Erros: 0");
  EXPECT_TRUE(zelmo::ListaErros.isEmpty());
}

TEST_F(FrasesTeste, ACompleteRunClosesWithTheMessageAndWritesTheBlock) {
  Pagina(7, "cor.fse", 3);
  auto f = Abre<TfrmFrases>();
  f->Op(Errada(*f))->clicked();
  f->btnPronto->click();
  const QString listada = f->memFrase->texto();
  for (int i = 0; i < 3; ++i) {
    f->Op(f->jogo()->correta())->clicked();
    f->btnPronto->click();
  }
  EXPECT_EQ(f->result(), 1);
  EXPECT_TRUE(f->terminado());
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0],
            (QStringList{U("Você completou esta atividade, mas teve 1 erro(s)."), "Continue estudando!"}));
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** COMPLETANDO FRASES ***",
                         "Quantidade de Frases: 3 - Frases Corretas: 3 - Frases Erradas: 1",
                         "Atividade cumprida: 100 % - Consultas: 0", "Frase completadas incorretamente:", listada}));
}

TEST_F(FrasesTeste, SairShowsTheRightOptionAndReportsTheShareDone) {
  Pagina(7, "cor.fse", 4);
  auto f = Abre<TfrmFrases>();
  f->Op(f->jogo()->correta())->clicked();
  f->btnPronto->click();
  f->btnSair->click();
  EXPECT_EQ(f->result(), 2);
  // The reveal selected the right option of phrase 2 (one more click).
  EXPECT_EQ(f->escolhas(), 2);
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** COMPLETANDO FRASES ***",
                         "Quantidade de Frases: 4 - Frases Corretas: 1 - Frases Erradas: 0",
                         "Atividade cumprida: 25 % - Consultas: 0",
                         "Zelmo II encerrado antes do final das atividades"}));
}

TEST_F(FrasesTeste, TestsListTheQuestionWithTheAnswerAndKeepTheQuestion) {
  Frases("capitais.tst", {Frase("Capital do Brasil? _", U("Brasília"), "Recife", "Salvador", U("Belém"))});
  Pagina(8, "capitais.tst");
  auto t = Abre<TfrmTestes>();
  EXPECT_EQ(t->lblRodada->text(), "Teste 1 de 1");
  int recife = 0;
  for (int k = 1; k <= 4; ++k)
    if (t->Op(k)->texto() == "Recife") recife = k;
  ASSERT_GT(recife, 0);
  t->Op(recife)->clicked();
  EXPECT_EQ(t->memFrase->texto(), "Capital do Brasil? _");
  t->btnPronto->click();
  t->btnPronto->click();
  EXPECT_EQ(zelmo::ListaErros, (QStringList{"Capital do Brasil? _ - Recife", "Capital do Brasil? _ - Recife"}));
  t->Op(t->jogo()->correta())->clicked();
  t->btnPronto->click();
  EXPECT_EQ(t->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** TESTES ***", "Quantidade de Testes: 1 - Acertos: 1 - Erros: 2",
                         "Atividade cumprida: 100 % - Consultas: 0", "Testes incorretos:",
                         "Capital do Brasil? _ - Recife", "Capital do Brasil? _ - Recife"}));
}

TEST_F(FrasesTeste, SequentialPlaysTheFileOrderAndRandomDropsDuplicates) {
  Pagina(7, "cor.fse", 20, 0);
  auto f = Abre<TfrmFrases>();
  EXPECT_EQ(f->memFrase->texto(), U("O _____ é azul e a ___ é verde"));
  Frases("dup.fse", {Frase("A _.", "x"), Frase("A _.", "x", "outra"), Frase("A _.", "X"), Frase("B _.", "x")});
  Pagina(8, "dup.fse", 20, 1);
  auto t = Abre<TfrmTestes>();
  EXPECT_EQ(t->lblRodada->text(), "Teste 1 de 3");
}

// The four kinds through the dispatcher, each shown modally and left at
// once with Próxima (Porcent 0), each adding its block.
TEST_F(FrasesTeste, TheDispatcherShowsTheFourExerciseKindsModally) {
  zelmo::RemoveJanelas();
  zelmo::RegistraAtividades();
  QList<files::RegFrase> frases;
  QList<files::RegPalavra> palavras;
  for (int i = 1; i <= 5; ++i) {
    frases.append(Frase("Frase _ " + QString::number(i)));
    palavras.append(apoio::Palavra("palavra" + QString::number(i)));
  }
  Frases("cinco.fse", frases);
  Frases("cinco.tst", frases);
  Palavras("cinco.plv", palavras);
  respostas.outra = [](QWidget* w) {
    if (auto* a = qobject_cast<zelmo::TfrmAtividade*>(w); a && a->ativada() && a->btnProxima->isEnabled())
      QTimer::singleShot(0, a, [a] { a->btnProxima->click(); });
  };
  const std::tuple<int, const char*, const char*> paginas[] = {{7, "cinco.fse", "*** COMPLETANDO FRASES ***"},
                                                               {8, "cinco.tst", "*** TESTES ***"},
                                                               {9, "cinco.plv", "*** ASSOCIAÇÃO ***"},
                                                               {11, "cinco.fse", "*** VERDADEIRO OU FALSO ***"}};
  for (const auto& [tipo, arquivo, titulo] : paginas) {
    zelmo::LinhasRelatorio.clear();
    Pagina(tipo, arquivo, 5, 0, 0, 0);
    EXPECT_TRUE(zelmo::ExecutaAtividade()) << tipo;
    ASSERT_EQ(zelmo::LinhasRelatorio.size(), 4) << tipo;
    EXPECT_EQ(zelmo::LinhasRelatorio[1], U(titulo));
    EXPECT_EQ(zelmo::LinhasRelatorio[3], "Atividade cumprida: 0 % - Consultas: 0");
  }
  zelmo::RemoveJanelas();
}

}  // namespace

namespace {

// Random order: the phrases drawn first, then the ten swaps of each phrase's
// options when it is shown (after the right-answer sound's draw).
TEST_F(FrasesTeste, SeededPhrasesAndOptionsFollowTheDrawOrder) {
  relogio.DefineUTC(987);
  Pagina(7, "cor.fse", 3, 1);
  auto f = Abre<TfrmFrases>();
  files::Aleatorio eco(987);
  apoio::FonteMemoria fonte(Registros<files::RegFrase>("cor.fse"));
  const auto frases = zelmo::regras::SelecionaAleatoria(fonte, 3, eco, zelmo::regras::RegrasFrases()).itens;
  ASSERT_EQ(frases.size(), 3);
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      f->Op(f->jogo()->correta())->clicked();
      f->btnPronto->click();
      eco.Sorteia(8);  // the right-answer sound
    }
    const files::RegFrase& r = frases[i];
    QList<QString> opcoes{r.Correta, r.Errada1, r.Errada2, r.Errada3};
    zelmo::regras::AplicaTrocas(opcoes, zelmo::regras::SorteiaTrocas(4, eco));
    EXPECT_EQ(f->memFrase->texto(), r.Texto()) << i;
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(f->Op(k)->texto(), opcoes[k - 1]) << i << " " << k;
    EXPECT_EQ(zelmo::Gerador.semente(), eco.semente()) << i;
  }
}

}  // namespace
