#include "platform/escala.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <gtest/gtest.h>

#include "platform/grupo_radio.h"
#include "support/aplicacao.h"

namespace {

using platform::Tela;

struct CasoRazao {
  Tela tela;
  int cheiaM, cheiaD;
  int pequenaM, pequenaD;
};

void PrintTo(const CasoRazao& c, std::ostream* os) {
  *os << c.tela.largura << "x" << c.tela.altura << " at " << c.tela.dpi << " dpi";
}

class RazaoTeste : public ::testing::TestWithParam<CasoRazao> {};

TEST_P(RazaoTeste, DuasRegras) {
  const CasoRazao& c = GetParam();
  const auto cheia = platform::RazaoTelaCheia(c.tela);
  EXPECT_EQ(cheia.M, c.cheiaM);
  EXPECT_EQ(cheia.D, c.cheiaD);
  const auto pequena = platform::RazaoJanelaPequena(c.tela);
  EXPECT_EQ(pequena.M, c.pequenaM);
  EXPECT_EQ(pequena.D, c.pequenaD);
}

INSTANTIATE_TEST_SUITE_P(
    Telas, RazaoTeste,
    ::testing::Values(
        // Exactly 120 dpi: the fixed 76800.
        CasoRazao{{1024, 768, 120}, 122880, 76800, 12288, 7680},
        // Any other dpi: round((dpi + 1.5) x 640); 96 gives 62400, not 61440.
        CasoRazao{{1024, 768, 96}, 122880, 62400, 12288, 6144},
        CasoRazao{{1600, 1200, 96}, 192000, 62400, 19200, 6144},
        CasoRazao{{1920, 1080, 144}, 230400, 93120, 23040, 9216},
        // 119 and 121 are "not exactly 120".
        CasoRazao{{800, 600, 119}, 96000, 77120, 9600, 7616},
        CasoRazao{{800, 600, 121}, 96000, 78400, 9600, 7744}),
    [](const auto& info) {
      return std::to_string(info.param.tela.largura) + "x" + std::to_string(info.param.tela.dpi) + "dpi";
    });

class EscalaTeste : public ::testing::Test {
 protected:
  void SetUp() override { apoio::Aplicacao(); }
  void TearDown() override { platform::UsaTelaReal(); }
};

TEST_F(EscalaTeste, ScaleByMultiplicaPosicoesTamanhosEFontes) {
  QWidget janela;
  janela.resize(260, 154);
  QFont f = janela.font();
  f.setPixelSize(10);
  janela.setFont(f);
  auto* painel = new QWidget(&janela);
  painel->setGeometry(8, 8, 100, 50);
  auto* rotulo = new QLabel("Nome:", painel);
  QFont fr("Times New Roman");
  fr.setPixelSize(17);
  rotulo->setFont(fr);
  rotulo->setGeometry(16, 12, 40, 20);
  auto* botao = new QPushButton("OK", &janela);  // follows the window's font
  botao->setGeometry(88, 116, 75, 25);

  platform::ScaleBy(&janela, 3, 2);

  EXPECT_EQ(janela.size(), QSize(390, 231));
  EXPECT_EQ(painel->geometry(), QRect(12, 12, 150, 75));
  EXPECT_EQ(rotulo->geometry(), QRect(24, 18, 60, 30));
  EXPECT_EQ(rotulo->font().pixelSize(), 26);  // 25.5 rounded
  EXPECT_EQ(botao->geometry(), QRect(132, 174, 113, 38));  // 244.5 and 211.5 round up
  // Scaled once with the window, not again on its own.
  EXPECT_EQ(botao->font().pixelSize(), 15);
  EXPECT_EQ(janela.font().pixelSize(), 15);
}

TEST_F(EscalaTeste, BordasDireitaEInferiorArredondadasComoAsDosVizinhos) {
  QWidget janela;
  janela.resize(100, 100);
  auto* a = new QWidget(&janela);
  auto* b = new QWidget(&janela);
  a->setGeometry(1, 1, 1, 1);  // ends where b starts
  b->setGeometry(2, 1, 1, 1);
  platform::ScaleBy(&janela, 5, 3);  // 1.67, 3.33
  EXPECT_EQ(a->geometry().right() + 1, b->geometry().left());
}

TEST_F(EscalaTeste, TelaCheiaA120DpiDaALarguraExataDaTela) {
  platform::DefineTela({1280, 960, 120});
  QWidget janela;
  janela.resize(640, 480);
  auto* rotulo = new QLabel(&janela);
  rotulo->setGeometry(8, 374, 625, 25);
  QFont f("Arial");
  f.setPixelSize(17);
  rotulo->setFont(f);
  platform::EscalaTelaCheia(&janela);
  EXPECT_EQ(janela.size(), QSize(1280, 960));
  EXPECT_EQ(rotulo->geometry(), QRect(16, 748, 1250, 50));
  EXPECT_EQ(rotulo->font().pixelSize(), 34);
}

TEST_F(EscalaTeste, TelaCheiaA96DpiPassaPrimeiroAoDpiDaTela) {
  // 96/120 to the screen's dpi, then 1024 x 120 / 62400.
  platform::DefineTela({1024, 768, 96});
  QWidget janela;
  janela.resize(640, 480);
  auto* rotulo = new QLabel(&janela);
  rotulo->setGeometry(100, 100, 200, 50);
  platform::EscalaTelaCheia(&janela);
  EXPECT_EQ(janela.size(), QSize(1024, 768));
  // 100 -> 80 -> round(80 x 1.96923) = 158; right 300 -> 240 -> 473;
  // bottom 150 -> 120 -> 236.
  EXPECT_EQ(rotulo->geometry(), QRect(158, 158, 315, 78));
}

TEST_F(EscalaTeste, JanelaPequenaGuardaOTamanhoEscalado) {
  platform::DefineTela({1280, 1024, 120});  // 15360 / 7680 = 2
  QWidget janela;
  janela.resize(260, 154);
  janela.setFixedSize(260, 154);
  platform::EscalaJanelaPequena(&janela);
  EXPECT_EQ(janela.size(), QSize(520, 308));
  EXPECT_EQ(janela.minimumSize(), QSize(520, 308));

  platform::DefineTela({1600, 1200, 96});  // 0.8, then 19200 / 6144
  QWidget outra;
  outra.resize(260, 154);
  platform::EscalaJanelaPequena(&outra);
  EXPECT_EQ(outra.size(), QSize(650, 384));  // 154 -> 123 -> 384
}

TEST_F(EscalaTeste, FonteHerdadaDeUmPainelEscalaUmaVez) {
  // The panel's own font is followed by its label: both end at the new size,
  // and the label keeps it when the panel's font is not touched again.
  QWidget janela;
  janela.resize(200, 100);
  auto* painel = new QWidget(&janela);
  QFont f("Times New Roman");
  f.setPixelSize(20);
  painel->setFont(f);
  auto* rotulo = new QLabel("Aguarde", painel);
  auto* outro = new QLabel("Nome", &janela);  // follows the window's default font
  const qreal antes = outro->font().pointSizeF();
  platform::ScaleBy(&janela, 2, 1);
  EXPECT_EQ(painel->font().pixelSize(), 40);
  EXPECT_EQ(rotulo->font().pixelSize(), 40);
  EXPECT_DOUBLE_EQ(outro->font().pointSizeF(), antes * 2);
  EXPECT_EQ(rotulo->font().family(), QStringLiteral("Times New Roman"));
}

TEST_F(EscalaTeste, IndicadoresCrescemComOTexto) {
  QWidget janela;
  janela.resize(200, 100);
  auto* caixa = new QCheckBox("Som", &janela);
  auto* radio = new QRadioButton("Sim", &janela);
  QFont f = janela.font();
  f.setPixelSize(12);
  janela.setFont(f);
  const int antes = caixa->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, caixa);
  platform::ScaleBy(&janela, 5, 2);  // 30 px text
  const int depois = caixa->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, caixa);
  const int circulo = radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio);
  EXPECT_GE(depois, caixa->fontMetrics().height() * 3 / 4);
  EXPECT_GT(depois, antes);
  EXPECT_GE(circulo, radio->fontMetrics().height() * 3 / 4);
  // A control of ordinary size keeps the style's own indicator.
  QCheckBox solta("Som");
  EXPECT_EQ(solta.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &solta), antes);
}

// The circle of a radio button as the style lays it out beside its text.
int Circulo(const QRadioButton& b) {
  QStyleOptionButton opcao;
  opcao.initFrom(&b);
  opcao.text = b.text();
  return b.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opcao, &b).width();
}

// A radio group's items made after its window was scaled (the HTML tests'
// letters, set per test) show their circles at the size of their text, as
// the ones scaled with the window do.
TEST_F(EscalaTeste, CirculosDosGruposCrescemComOTexto) {
  QWidget janela;
  janela.resize(400, 200);
  auto* grupo = new platform::GrupoRadio(QString(), {"x"}, 5, &janela);
  grupo->setGeometry(0, 0, 400, 100);
  platform::ScaleBy(&janela, 2, 1);
  QRadioButton solta("a");
  const int comum = Circulo(solta);
  for (int px : {12, 28, 40}) {
    SCOPED_TRACE(px);
    QFont f = grupo->font();
    f.setPixelSize(px);
    grupo->setFont(f);
    grupo->DefineItens({"a", "b", "c"});
    for (int i = 0; i < grupo->Quantidade(); ++i) {
      const QRadioButton& b = *grupo->Item(i);
      EXPECT_GE(Circulo(b), std::max(comum, b.fontMetrics().height() * 3 / 4));
      EXPECT_GE(b.sizeHint().height(), Circulo(b));
    }
  }
  EXPECT_GE(Circulo(*grupo->Item(0)), 28);
}

// On screens wider than 4:3 the rules would run the design below the
// screen: the scale then fits the design's height and the design is centred.
struct CasoLarga {
  Tela tela;
  bool regra;      // the rule is kept
  QRect botao;     // a button at design (555, 448, 80, 25)
  double fator;    // screen pixels per design pixel (the video follows it)
};

class TelaLargaTeste : public EscalaTeste, public ::testing::WithParamInterface<CasoLarga> {};

TEST_P(TelaLargaTeste, DesenhoCabeNaAlturaECentrado) {
  const CasoLarga& c = GetParam();
  platform::DefineTela(c.tela);
  QWidget janela(nullptr, Qt::FramelessWindowHint);
  janela.resize(640, 480);
  auto* botao = new QPushButton("Próxima", &janela);
  botao->setGeometry(555, 448, 80, 25);
  platform::EscalaTelaCheia(&janela);
  EXPECT_EQ(janela.geometry(), QRect(c.tela.x, c.tela.y, c.tela.largura, c.tela.altura));
  EXPECT_EQ(botao->geometry(), c.botao);
  EXPECT_TRUE(janela.rect().contains(botao->geometry()));
  EXPECT_EQ(platform::OrigemDoDesenho(&janela).isNull(), c.regra);
  EXPECT_NEAR(platform::FatorDoDesenho(&janela), c.fator, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Telas, TelaLargaTeste,
    ::testing::Values(
        // 4:3: the rule (555 -> 444 -> 874; 448 -> 358 -> 705).
        CasoLarga{{1024, 768, 96}, true, QRect(874, 705, 126, 39), 0.8 * 122880 / 62400},
        // 1366 x 768: 768 / 480 = 1.6, the 1024-pixel-wide design centred in 1366.
        CasoLarga{{1366, 768, 96}, false, QRect(171 + 888, 717, 128, 40), 1.6},
        // 1920 x 1080: 2.25, centred (1920 - 1440) / 2 = 240 to the right.
        CasoLarga{{1920, 1080, 96}, false, QRect(240 + 1249, 1008, 180, 56), 2.25}),
    [](const auto& info) {
      return std::to_string(info.param.tela.largura) + "x" + std::to_string(info.param.tela.altura);
    });

TEST_F(EscalaTeste, JanelaComMolduraCabeSobAFaixaDoTitulo) {
  // 1366 x 768 at 96: the small-window rule would give a 448-high design
  // 956 pixels high; it fits under a title bar instead.
  platform::DefineTela({1366, 768, 96});
  QWidget janela;
  janela.resize(632, 448);
  auto* sair = new QPushButton("Sair", &janela);
  sair->setGeometry(500, 410, 100, 30);
  platform::EscalaTelaInteira(&janela);
  EXPECT_EQ(janela.size(), QSize(1366, 768));
  const int util = 768 - platform::ReservaMoldura(platform::TelaAtual());
  EXPECT_LE(sair->geometry().bottom(), util);
  EXPECT_GE(sair->geometry().bottom(), util - 20);
  EXPECT_EQ(platform::OrigemDoDesenho(&janela).y(), 0);
  EXPECT_GT(platform::OrigemDoDesenho(&janela).x(), 0);
}

TEST_F(EscalaTeste, DefineTelaEUsaTelaReal) {
  platform::DefineTela({800, 600, 72});
  EXPECT_EQ(platform::TelaAtual().largura, 800);
  EXPECT_EQ(platform::TelaAtual().dpi, 72);
  platform::UsaTelaReal();
  EXPECT_GT(platform::TelaAtual().dpi, 0);
  EXPECT_GT(platform::TelaAtual().largura, 0);
}

}  // namespace
