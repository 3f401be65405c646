// The layout of a hypertext page that the editor stores and the viewer
// reads back: fractions of the screen, the centred picture, hot spots in per
// cent, the nearest item, and the printed page.
#include "files/geometria_hiper.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <limits>

#include "files/arquivo_registros.h"
#include "support/pasta_temporaria.h"

namespace {

using files::GeometriaHiper;
using files::RegHiper;
using files::RegItem;

RegItem Item(double x, double y) {
  RegItem i;
  i.X = x;
  i.Y = y;
  return i;
}

TEST(GeometriaHiper, FracoesDaTelaArredondadasAoPar) {
  RegHiper r;
  r.LarguraTexto = 0.5;            // 1001 x 0.5 = 500.5 -> 500
  r.AlturaPainelFigura = 0.25;     // 10 x 0.25 = 2.5 -> 2
  r.LarguraFigura = 1.5 / 13;      // 13 x 10 design area: 1.5 -> 2
  r.AlturaFigura = 0.35;           // 3.5 -> 4
  r.TamanhoOriginal = true;
  const GeometriaHiper g = files::GeometriaDe(r, QSize(1001, 10));
  EXPECT_EQ(g.larguraTexto, 500);
  EXPECT_EQ(g.alturaPainelFigura, 2);
  EXPECT_EQ(g.figura, QSize(2, 4));
  EXPECT_TRUE(g.tamanhoOriginal);
}

TEST(GeometriaHiper, ValoresDoRegistroTrazidosAoIntervalo) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double lido, fracao, porCento;
  } casos[] = {{nan, 0, -1},  {-3, 0, -1},   {1e300, 1, 100}, {inf, 1, 100},
               {-inf, 0, -1}, {0.3, 0.3, 0.3}, {42, 1, 42},    {-1, 0, -1}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.lido);
    EXPECT_EQ(files::FracaoValida(c.lido), c.fracao);
    EXPECT_EQ(files::PorCentoValido(c.lido), c.porCento);
  }
  RegHiper r;
  r.LarguraTexto = nan;
  r.AlturaPainelFigura = 1e308;
  r.LarguraFigura = -5;
  r.AlturaFigura = inf;
  const GeometriaHiper g = files::GeometriaDe(r, QSize(800, 600));
  EXPECT_EQ(g.larguraTexto, 0);
  EXPECT_EQ(g.alturaPainelFigura, 600);
  EXPECT_EQ(g.figura, QSize(0, 600));
  const RegItem i = files::ItemValido(Item(nan, 1e9));
  EXPECT_EQ(i.X, -1);
  EXPECT_EQ(i.Y, 100);
}

// Every pane and picture size the editor can show on a screen reads back
// in the viewer as the same pixels (a stretched picture within the design
// area, as the picture dialog keeps it).
TEST(GeometriaHiper, OQueOEditorGuardaOVisualizadorLeIgual) {
  for (QSize tela : {QSize(1024, 768), QSize(800, 600), QSize(1920, 1080), QSize(1366, 768), QSize(1280, 1024)}) {
    const QSize area = files::AreaDoDesenho(tela);
    for (int px = 0; px <= tela.width(); ++px) {
      GeometriaHiper g;
      g.larguraTexto = px;
      g.alturaPainelFigura = px % (tela.height() + 1);
      g.figura = QSize(std::max(0, area.width() - px), (px * 7) % (area.height() + 1));
      g.tamanhoOriginal = px % 2 == 0;
      RegHiper r;
      files::GuardaGeometria(r, g, tela);
      r.Prepara();
      // Through the record's bytes, as the files carry it.
      const RegHiper lido = RegHiper::DeBytes(r.ParaBytes());
      ASSERT_EQ(files::GeometriaDe(lido, tela), g) << tela.width() << " " << px;
    }
  }
}

// The page's design area: the screen on a 4:3 screen, else the largest 4:3
// area on it, fitted to the screen's height on a wide screen.
TEST(GeometriaHiper, AreaDoDesenhoDe4Por3NaTela) {
  const struct {
    QSize tela, area;
  } casos[] = {{{1024, 768}, {1024, 768}},  {{800, 600}, {800, 600}},    {{1366, 768}, {1024, 768}},
               {{1920, 1080}, {1440, 1080}}, {{1280, 800}, {1067, 800}}, {{2560, 1080}, {1440, 1080}},
               {{1280, 1024}, {1280, 960}},  {{1080, 1920}, {1080, 810}}, {{0, 0}, {0, 0}}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.tela.width() << "x" << c.tela.height());
    EXPECT_EQ(files::AreaDoDesenho(c.tela), c.area);
  }
}

// A page stored on a 4:3 screen: on every screen its panes stay fractions of
// the screen, and its stretched picture keeps the shape it was given,
// growing with the screen's height (or its width on a narrower screen).
TEST(GeometriaHiper, FiguraGuardaSuaFormaEmTodaTela) {
  GeometriaHiper noEditor;
  noEditor.larguraTexto = 400;
  noEditor.alturaPainelFigura = 384;
  noEditor.figura = QSize(300, 150);  // 2 : 1
  RegHiper r;
  files::GuardaGeometria(r, noEditor, QSize(1024, 768));
  const struct {
    QSize tela;
    int texto, painel;
    QSize figura;
  } casos[] = {{{1024, 768}, 400, 384, {300, 150}},  {{1366, 768}, 534, 384, {300, 150}},
               {{1920, 1080}, 750, 540, {422, 211}}, {{2560, 1080}, 1000, 540, {422, 211}},
               {{1280, 1024}, 500, 512, {375, 188}}, {{800, 600}, 312, 300, {234, 117}}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.tela.width() << "x" << c.tela.height());
    const GeometriaHiper g = files::GeometriaDe(r, c.tela);
    EXPECT_EQ(g.larguraTexto, c.texto);
    EXPECT_EQ(g.alturaPainelFigura, c.painel);
    EXPECT_EQ(g.figura, c.figura);
    // The same shape, to a pixel of rounding.
    EXPECT_LE(std::abs(g.figura.width() - 2 * g.figura.height()), 2);
  }
  // What an editor on a wide screen stores shows on a 4:3 screen at the
  // shape the author saw.
  RegHiper largo;
  files::GuardaGeometria(largo, noEditor, QSize(1366, 768));
  EXPECT_EQ(files::GeometriaDe(largo, QSize(1024, 768)).figura, QSize(300, 150));
  EXPECT_EQ(files::GeometriaDe(largo, QSize(1366, 768)), noEditor);
}

TEST(GeometriaHiper, FiguraCentradaNoPainel) {
  EXPECT_EQ(files::CentroNoPainel(QSize(400, 300), QSize(200, 100)), QPoint(100, 100));
  EXPECT_EQ(files::CentroNoPainel(QSize(401, 301), QSize(200, 100)), QPoint(100, 100));
  // Larger than the pane: negative, truncated toward zero.
  EXPECT_EQ(files::CentroNoPainel(QSize(100, 100), QSize(201, 103)), QPoint(-50, -1));
}

TEST(GeometriaHiper, AlvoCentradoNoPontoQuente) {
  const QRect figura(10, 20, 200, 100);
  EXPECT_EQ(files::PontoQuente(figura, 50, 50), QPoint(110, 70));
  // X = -1 with Y = 50 is a hot spot one per cent left of the picture.
  EXPECT_TRUE(files::TemPontoQuente(Item(-1, 50)));
  EXPECT_FALSE(files::TemPontoQuente(Item(-1, -1)));
  EXPECT_EQ(files::RetanguloAlvo(figura, QSize(30, 30), -1, 50), QRect(-7, 55, 30, 30));
  // 200 x 12.25 / 100 = 24.5 -> 24 (halves to even).
  EXPECT_EQ(files::PontoQuente(figura, 12.25, 0).x(), 34);
  // The product before the division: 45 x 70 / 100 is 31.5 exactly -> 32,
  // where 45 x 0.7 is a hair under it (31).
  EXPECT_EQ(files::PontoQuente(QRect(0, 0, 45, 85), 70, 70), QPoint(32, 60));
}

TEST(GeometriaHiper, CliqueGuardaOPorCentoArredondadoDe0A99) {
  const struct {
    int p, tamanho, esperado;
  } casos[] = {{0, 200, 0},   {1, 200, 0},    {3, 200, 2},   {99, 200, 50},  {100, 200, 50},
               {199, 200, 99}, {200, 200, 99}, {-4, 200, 0},  {5, 0, 0},      {2, 3, 67}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.p << "/" << c.tamanho);
    EXPECT_EQ(files::PorCentoDoClique(c.p, c.tamanho), c.esperado);
  }
  // The viewer puts the marker back on the clicked pixel.
  for (int x = 0; x < 333; ++x) {
    const int pc = files::PorCentoDoClique(x, 333);
    EXPECT_LE(std::abs(files::PontoQuente(QRect(0, 0, 333, 10), pc, 0).x() - x), 2) << x;
  }
}

TEST(GeometriaHiper, PonteiroEmPorCento) {
  EXPECT_EQ(files::PorCentoDoPonteiro(QPointF(50, 25), QSize(200, 100)), QPointF(25, 25));
  EXPECT_EQ(files::PorCentoDoPonteiro(QPointF(50, 25), QSize(0, 0)), QPointF(0, 0));
}

TEST(GeometriaHiper, ItemMaisProximo) {
  EXPECT_EQ(files::ItemMaisProximo({}, QPointF(0, 0)), -1);
  // All without a hot spot: equal distances, the first wins.
  EXPECT_EQ(files::ItemMaisProximo({Item(-1, -1), Item(-1, -1)}, QPointF(80, 10)), 0);
  // Two at the same distance: the earlier one.
  EXPECT_EQ(files::ItemMaisProximo({Item(90, 90), Item(40, 50), Item(60, 50)}, QPointF(50, 50)), 1);
  // However far, the nearest is picked.
  EXPECT_EQ(files::ItemMaisProximo({Item(10, 10), Item(20, 20)}, QPointF(1000, 1000)), 1);
  // An item without a hot spot counts at (-1, -1).
  EXPECT_EQ(files::ItemMaisProximo({Item(50, 50), Item(-1, -1)}, QPointF(0, 0)), 1);
}

TEST(GeometriaHiper, FiguraImpressaNoTercoDeCima) {
  // Wider than high: half the page wide.
  EXPECT_EQ(files::RetanguloFiguraImpressa(QSize(4800, 6600), QSize(400, 200)), QRect(1200, 500, 2400, 1200));
  // Square: a quarter of the page high.
  EXPECT_EQ(files::RetanguloFiguraImpressa(QSize(4800, 6600), QSize(300, 300)), QRect(1575, 275, 1650, 1650));
  EXPECT_TRUE(files::RetanguloFiguraImpressa(QSize(4800, 6600), QSize(0, 0)).isEmpty());
  const QRect texto = files::RetanguloTextoImpresso(QSize(12240, 15840));
  EXPECT_EQ(texto.left(), 1224);
  EXPECT_EQ(texto.right(), 12240 - 1224);
  EXPECT_EQ(texto.top(), 5280);
  EXPECT_EQ(texto.bottom(), 15840);
}

TEST(SubstituiTodos, TrocaOArquivoInteiroOuNadaMuda) {
  apoio::PastaTemporaria pasta;
  const QString caminho = pasta.Escreve("p.itm", QByteArray(528 * 3, 'x'));
  files::SubstituiTodos(caminho, 528, {QByteArray("abc")});
  const QByteArray lido = pasta.Le("p.itm");
  ASSERT_EQ(lido.size(), 528);
  EXPECT_EQ(lido.left(4), QByteArray("abc\0", 4));
  files::SubstituiTodos(caminho, 528, {});
  EXPECT_EQ(pasta.Le("p.itm").size(), 0);
  // A folder where the file cannot be made: an error, and nothing else.
  EXPECT_THROW(files::SubstituiTodos(pasta.caminho() + "falta/p.itm", 528, {}), files::IoError);
  EXPECT_THROW(files::SubstituiTodos(pasta.caminho(), 528, {}), files::IoError);
}

}  // namespace
