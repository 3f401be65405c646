// The locate geometry both programs share: fractions of the square box to
// pixels at the box sizes of 640x480, 800x600 and 1024x768 screens, and
// whatever a record holds brought into the box.
#include "files/geometria_local.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using files::GeometriaLocal;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct CasoLado {
  int lado;           // the player's box at 640, 800, 1024 wide; the editor's at 640 and 1024
  double fracao;
  int pixel;
};

class FracaoParaPixel : public ::testing::TestWithParam<CasoLado> {};

TEST_P(FracaoParaPixel, RoundsHalvesToEven) {
  const CasoLado c = GetParam();
  const GeometriaLocal g(c.lado);
  EXPECT_EQ(g.Pixel(c.fracao, 0, c.lado, 0), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(Lados, FracaoParaPixel,
                         ::testing::Values(CasoLado{400, 0.25, 100}, CasoLado{500, 0.25, 125},
                                           CasoLado{640, 0.25, 160}, CasoLado{350, 0.5, 175},
                                           CasoLado{560, 0.5, 280},
                                           // 2.5 and 3.5 pixels go to 2 and 4.
                                           CasoLado{10, 0.25, 2}, CasoLado{10, 0.35, 4}));

TEST(GeometriaLocal, WhatTheEditorStoresThePlayerFindsAtAnyScreen) {
  // A panel the teacher put at (70, 140) of a 350 box, and a line point at
  // (175, 35): at the player's boxes of every screen they keep their place.
  const GeometriaLocal editor(350);
  const double px = editor.Fracao(70), py = editor.Fracao(140);
  const double lx = editor.Fracao(175), ly = editor.Fracao(35);
  for (int lado : {400, 500, 640}) {
    const GeometriaLocal g(lado);
    const QPoint p = g.PosicaoPainel(px, py, {50, 25});
    EXPECT_EQ(p, QPoint(qRound(lado * 0.2), qRound(lado * 0.4))) << lado;
    EXPECT_EQ(g.PontoLinha(lx, ly), QPoint(lado / 2, qRound(lado * 0.1))) << lado;
  }
}

TEST(GeometriaLocal, PicturesAreCentredAtTheirDrawnSize) {
  const GeometriaLocal g(400);
  EXPECT_EQ(g.RetanguloFigura(1.0, 1.0), QRect(0, 0, 400, 400));
  EXPECT_EQ(g.RetanguloFigura(0.5, 0.25), QRect(100, 150, 200, 100));
  // The editor's bars: 200 x 100 pixels in a 350 box.
  EXPECT_EQ(GeometriaLocal(350).RetanguloFigura(200, 100), QRect(75, 125, 200, 100));
  // Sizes outside the box, unreadable or not positive, are held to 1..s.
  EXPECT_EQ(g.RetanguloFigura(kNaN, 7.0), QRect(0, 0, 400, 400));
  EXPECT_EQ(g.RetanguloFigura(-1.0, 1e300), QRect(199, 0, 1, 400));
  EXPECT_EQ(g.TamanhoFigura(-kInf), 1);
}

TEST(GeometriaLocal, PanelsStayWhollyInsideTheBox) {
  const GeometriaLocal g(400);
  struct Caso {
    double x, y;
    QPoint esperado;
  } casos[] = {
      {0.1, 0.1, {40, 40}},
      {1.2, 0.5, {350, 200}},        // partly outside on the right
      {-0.3, 2.0, {0, 375}},         // wholly outside
      {kNaN, kInf, {0, 375}},
      {-kInf, 1e308, {0, 375}},
      {0.99, 0.99, {350, 375}},
  };
  for (const Caso& c : casos) EXPECT_EQ(g.PosicaoPainel(c.x, c.y, {50, 25}), c.esperado) << c.x << " " << c.y;
  // A panel wider than the box stands at its left edge.
  EXPECT_EQ(g.DentroDaCaixa({30, 30}, {500, 25}), QPoint(0, 30));
}

TEST(GeometriaLocal, LinePoints) {
  const GeometriaLocal g(400);
  EXPECT_EQ(g.PontoLinha(-1.0, -1.0), std::nullopt);
  EXPECT_EQ(g.PontoLinha(0.5, -1.0), std::nullopt);
  EXPECT_EQ(g.PontoLinha(kNaN, 0.5), std::nullopt);
  EXPECT_EQ(g.PontoLinha(0.5, kInf), std::nullopt);
  EXPECT_EQ(g.PontoLinha(0.0, 0.0), QPoint(0, 0));
  // Beyond the box: held at its edge.
  EXPECT_EQ(g.PontoLinha(3.0, 1e300), QPoint(400, 400));
  EXPECT_EQ(GeometriaLocal::Centro(QRect(100, 40, 50, 25)), QPoint(125, 52));
}

TEST(GeometriaLocal, PictureKinds) {
  for (const char* nome : {"a.jpg", "A.JPG", "b.bmp", "c.Wmf", "xjpg"}) EXPECT_TRUE(files::FiguraDesenhavel(nome)) << nome;
  for (const char* nome : {"", "a.png", "a.jpeg", "a.emf", "wm"}) EXPECT_FALSE(files::FiguraDesenhavel(nome)) << nome;
}

}  // namespace
