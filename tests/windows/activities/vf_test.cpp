// The true-or-false window: the five statements and mark groups, "Pronto",
// the colours, the rounds, the reveal and the report block.
#include <QRadioButton>

#include "apoio_atividades.h"
#include "player/activities/rules/frases.h"
#include "player/activities/vf.h"

namespace {

using apoio::Frase;
using zelmo::TfrmVF;
using zelmo::regras::kFalso;
using zelmo::regras::kVerdadeiro;

QString U(const char* s) { return QString::fromUtf8(s); }

constexpr uint32_t kBranco = 16777215, kAmarelo = 65535, kVermelho = 255;

uint32_t CorDe(const QWidget* w) {
  const QColor c = w->palette().color(QPalette::WindowText);
  return static_cast<uint32_t>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

class VFTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    Frases("vf.fse", {Frase(U("O _______ bate."), U("coração"), U("pulmão"), "rim", "osso"),
                      Frase(U("A _____ é a maior artéria."), "aorta", "veia", "unha", "pele"),
                      Frase(U("As _____ levam o sangue ao coração."), "veias", U("artérias"), "unhas", "asas"),
                      Frase(U("O coração tem ______ câmaras."), "quatro", "duas", U("três"), "cinco"),
                      Frase(U("As ________ levam oxigênio."), U("hemácias"), "plaquetas", "unhas", "pedras"),
                      Frase(U("Os _____ trocam com os tecidos."), "capilares", "ossos", "dentes", "cabelos")});
  }
  std::unique_ptr<TfrmVF> Jogo(int rodadas, const QString& arquivo = "vf.fse") {
    Pagina(11, arquivo);
    zelmo::AtividadeAtual.Rodadas = rodadas;
    return Abre<TfrmVF>();
  }
  // Marks statement n by a click on its radio item.
  static void Marca(TfrmVF& v, int n, int item) { v.Grupo(n)->Item(item)->click(); }
  static void MarcaTodas(TfrmVF& v, int erradas = 0) {
    for (int n = 1; v.jogo()->emJogo(n); ++n) {
      const int certa = v.jogo()->resposta(n);
      Marca(v, n, n <= erradas ? 1 - certa : certa);
    }
  }
};

TEST_F(VFTeste, Layout) {
  TfrmVF v;
  EXPECT_EQ(v.windowTitle(), "Verdadeiro ou Falso");
  EXPECT_EQ(v.Frase(1)->geometry(), QRect(20, 48, 470, 66));
  EXPECT_EQ(v.Frase(5)->geometry(), QRect(20, 362, 470, 66));
  EXPECT_EQ(v.Grupo(3)->geometry(), QRect(500, 197, 121, 75));
  EXPECT_EQ(v.Grupo(1)->Item(0)->text(), "Verdadeiro");
  EXPECT_EQ(v.Grupo(1)->Item(1)->text(), "Falso");
  EXPECT_EQ(v.findChild<QWidget*>("rdgVF5"), v.Grupo(5));
  EXPECT_EQ(v.btnPronto->geometry(), QRect(188, 448, 94, 25));
  EXPECT_EQ(CorDe(v.Grupo(2)), kBranco);
}

TEST_F(VFTeste, APressJudgesTheFiveMarksAndColoursTheGroups) {
  auto v = Jogo(5);
  EXPECT_EQ(v->lblRodada->text(), "Rodada 1 de 5");
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(v->Frase(n)->texto(), v->jogo()->afirmacao(n));
  // A statement unmarked: nothing counted.
  for (int n = 1; n <= 4; ++n) Marca(*v, n, kVerdadeiro);
  EXPECT_EQ(CorDe(v->Grupo(1)), kAmarelo);
  EXPECT_EQ(CorDe(v->Grupo(5)), kBranco);
  v->btnPronto->click();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Você não definiu"), U("todas as opções!")}));
  EXPECT_TRUE(zelmo::ListaErros.isEmpty());
  // Two wrong marks: two lines naming the right mark, two red groups.
  MarcaTodas(*v, 2);
  v->btnPronto->click();
  EXPECT_EQ(v->lblAcertos->text(), "Acertos: 3");
  EXPECT_EQ(v->lblErros->text(), "Erros: 2");
  EXPECT_EQ(CorDe(v->Grupo(1)), kVermelho);
  EXPECT_EQ(CorDe(v->Grupo(2)), kVermelho);
  EXPECT_EQ(CorDe(v->Grupo(3)), kAmarelo);
  ASSERT_EQ(zelmo::ListaErros.size(), 2);
  EXPECT_EQ(zelmo::ListaErros[0],
            (v->jogo()->resposta(1) == kFalso ? "Falso - " : "Verdadeiro - ") + v->Frase(1)->texto());
  EXPECT_EQ(v->jogo()->Porcentagem(), 12);
  // One corrected: one more line, E = 3.
  Marca(*v, 1, v->jogo()->resposta(1));
  v->btnPronto->click();
  EXPECT_EQ(zelmo::ListaErros.size(), 3);
  EXPECT_EQ(v->jogo()->Erros(), 3);
  // All right: round 2, the labels keep the last press, the marks cleared.
  MarcaTodas(*v);
  v->btnPronto->click();
  EXPECT_EQ(v->lblRodada->text(), "Rodada 2 de 5");
  EXPECT_EQ(v->lblAcertos->text(), "Acertos: 5");
  EXPECT_EQ(v->Grupo(1)->ItemIndex(), -1);
  EXPECT_EQ(CorDe(v->Grupo(1)), kBranco);
  EXPECT_EQ(v->jogo()->Porcentagem(), 20);
}

TEST_F(VFTeste, SairInRoundTwoOfThreeReportsOneRoundAndThirtyThree) {
  auto v = Jogo(3);
  MarcaTodas(*v, 1);
  v->btnPronto->click();
  MarcaTodas(*v);
  v->btnPronto->click();
  // The reveal sets every group to its right mark before the message.
  int reveladas = 0;
  respostas.aoAvisar = [&] {
    for (int n = 1; n <= 5; ++n) reveladas += v->Grupo(n)->ItemIndex() == v->jogo()->resposta(n);
  };
  v->btnSair->click();
  respostas.aoAvisar = nullptr;
  EXPECT_EQ(reveladas, 5);
  EXPECT_EQ(v->result(), 2);
  ASSERT_GE(zelmo::LinhasRelatorio.size(), 6);
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(0, 5),
            (QStringList{"", "*** VERDADEIRO OU FALSO ***",
                         "Rodadas programadas: 3 - Rodadas executadas: 1 - Total de Erros: 1",
                         "Atividade cumprida: 33 % - Consultas: 0", "Frases incorretas:"}));
  EXPECT_EQ(zelmo::LinhasRelatorio.size(), 7);
  EXPECT_EQ(zelmo::LinhasRelatorio.last(), "Zelmo II encerrado antes do final das atividades");
}

TEST_F(VFTeste, CompletionUsesTheSecondMessageVariant) {
  auto v = Jogo(1);
  MarcaTodas(*v, 1);
  v->btnPronto->click();
  MarcaTodas(*v);
  v->btnPronto->click();
  EXPECT_EQ(v->result(), 1);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0],
            (QStringList{"", U("Você completou esta atividade, mas teve 1 erro(s)."), "Continue estudando!"}));
  EXPECT_EQ(zelmo::LinhasRelatorio[2], "Rodadas programadas: 1 - Rodadas executadas: 1 - Total de Erros: 1");
  EXPECT_EQ(zelmo::LinhasRelatorio[3], "Atividade cumprida: 100 % - Consultas: 0");
}

TEST_F(VFTeste, StatementsThatReadAsTheTrueOneAreTrue) {
  // No gaps: every statement reads as its phrase and is true.
  QList<files::RegFrase> sem;
  for (int i = 1; i <= 5; ++i) sem.append(Frase("Frase " + QString::number(i) + " sem lacuna."));
  Frases("sem.fse", sem);
  auto v = Jogo(1, "sem.fse");
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(v->jogo()->resposta(n), kVerdadeiro) << n;
  MarcaTodas(*v);
  v->btnPronto->click();
  EXPECT_EQ(v->result(), 1);
}

TEST_F(VFTeste, FewerThanFivePhrasesEndTheProgramAndFewerDistinctOnesPlayFewerStatements) {
  Frases("quatro.fse", {Frase("a _"), Frase("b _"), Frase("c _"), Frase("d _")});
  auto v = Jogo(2, "quatro.fse");
  ASSERT_EQ(respostas.caixas.size(), 1);
  EXPECT_EQ(respostas.caixas[0].texto, U("Arquivo de Frases precisa ter pelo menos 5 Frases !"));
  // The round counter was shown from the activation on.
  EXPECT_EQ(v->lblRodada->text(), "Rodada 1 de 2");
  EXPECT_EQ(v->result(), 2);

  zelmo::ReiniciaEncerramento();
  respostas.caixas.clear();
  Frases("duas.fse", {Frase("a _", "x"), Frase("a _", "x", "y"), Frase("b _"), Frase("a _", "x"), Frase("b _")});
  auto w = Jogo(2, "duas.fse");
  EXPECT_TRUE(respostas.caixas.isEmpty());
  EXPECT_EQ(w->jogo()->K(), 2);
  EXPECT_FALSE(w->Grupo(3)->isVisibleTo(w.get()));
  EXPECT_FALSE(w->Frase(5)->isVisibleTo(w.get()));
  MarcaTodas(*w);
  w->btnPronto->click();
  EXPECT_TRUE(respostas.avisos.isEmpty());
  EXPECT_EQ(w->lblRodada->text(), "Rodada 2 de 2");
}

}  // namespace

namespace {

// The five phrases drawn, then for each statement in turn Random(100) and,
// from 50 up, Random(3) for the wrong option.
TEST_F(VFTeste, SeededStatementsFollowTheDrawOrder) {
  for (int utc : {1, 777, 65432}) {
    relogio.DefineUTC(utc);
    auto v = Jogo(2);
    files::Aleatorio eco(static_cast<uint32_t>(utc));
    apoio::FonteMemoria fonte(Registros<files::RegFrase>("vf.fse"));
    const auto frases = zelmo::regras::SelecionaAleatoria(fonte, 5, eco, zelmo::regras::RegrasFrases()).itens;
    ASSERT_EQ(frases.size(), 5);
    for (int n = 1; n <= 5; ++n) {
      const files::RegFrase& f = frases[n - 1];
      QString opcao = f.Correta;
      if (eco.Sorteia(100) >= 50) {
        const int s = eco.Sorteia(3);
        opcao = s == 0 ? f.Errada1 : s == 1 ? f.Errada2 : f.Errada3;
      }
      EXPECT_EQ(v->Frase(n)->texto(), zelmo::regras::PreencheFrase(f.Texto(), opcao)) << utc << " " << n;
    }
    EXPECT_EQ(zelmo::Gerador.semente(), eco.semente()) << utc;
  }
}

}  // namespace
