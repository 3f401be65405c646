#include "platform/escala.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

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

TEST_F(EscalaTeste, DefineTelaEUsaTelaReal) {
  platform::DefineTela({800, 600, 72});
  EXPECT_EQ(platform::TelaAtual().largura, 800);
  EXPECT_EQ(platform::TelaAtual().dpi, 72);
  platform::UsaTelaReal();
  EXPECT_GT(platform::TelaAtual().dpi, 0);
  EXPECT_GT(platform::TelaAtual().largura, 0);
}

}  // namespace
