// The image control: a picture lets presses through to the window behind
// it and reports clicks; a board takes every press and reports it, and
// shows what is drawn on it over a white ground of the control's size.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointingDevice>

#include "platform/imagem.h"
#include "support/aplicacao.h"

namespace {

using platform::Imagem;

// Sends a mouse event at (x, y); true when the control took it.
bool Envia(Imagem& img, QEvent::Type tipo, Qt::MouseButton botao, QPoint ponto) {
  const Qt::MouseButtons botoes = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(botao);
  QMouseEvent e(tipo, QPointF(ponto), img.mapToGlobal(QPointF(ponto)), botao, botoes, Qt::NoModifier);
  e.setAccepted(true);
  QCoreApplication::sendEvent(&img, &e);
  return e.isAccepted();
}

TEST(Imagem, APictureLetsPressesThroughAndABoardTakesAndReportsThem) {
  apoio::Aplicacao();
  Imagem figura;
  figura.resize(50, 50);
  int clicadas = 0, duplas = 0;
  QObject::connect(&figura, &Imagem::clicada, [&] { ++clicadas; });
  QObject::connect(&figura, &Imagem::clicadaDuasVezes, [&] { ++duplas; });
  EXPECT_FALSE(Envia(figura, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5}));
  Envia(figura, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
  EXPECT_EQ(clicadas, 1);
  Envia(figura, QEvent::MouseButtonDblClick, Qt::LeftButton, {5, 5});
  Envia(figura, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
  EXPECT_EQ(duplas, 1);
  EXPECT_EQ(clicadas, 1);  // the release ending a double-click is no click
  EXPECT_TRUE(figura.hasMouseTracking());
  EXPECT_TRUE(figura.testAttribute(Qt::WA_TranslucentBackground));

  Imagem quadro(nullptr, Imagem::Uso::Quadro);
  quadro.resize(50, 50);
  std::vector<QPoint> pressoes;
  QObject::connect(&quadro, &Imagem::pressionada, [&](QPoint p) { pressoes.push_back(p); });
  EXPECT_TRUE(Envia(quadro, QEvent::MouseButtonPress, Qt::RightButton, {7, 8}));
  // The second press of a double-click is one more press, with any button.
  Envia(quadro, QEvent::MouseButtonDblClick, Qt::RightButton, {9, 10});
  EXPECT_EQ(pressoes, (std::vector<QPoint>{{7, 8}, {9, 10}}));
  EXPECT_FALSE(quadro.hasMouseTracking());
  EXPECT_FALSE(quadro.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(Imagem, ABoardKeepsWhatIsDrawnUntilItIsCleared) {
  apoio::Aplicacao();
  Imagem quadro(nullptr, Imagem::Uso::Quadro);
  quadro.resize(40, 30);
  EXPECT_TRUE(quadro.vazia());
  quadro.DefineCaneta(3, Qt::red);
  quadro.Linha({0, 15}, {39, 15});
  ASSERT_FALSE(quadro.vazia());
  EXPECT_EQ(quadro.canvas().size(), QSize(40, 30));
  EXPECT_EQ(quadro.canvas().pixelColor(20, 15), QColor(Qt::red));
  EXPECT_EQ(quadro.canvas().pixelColor(20, 2), QColor(Qt::white));
  quadro.resize(80, 60);  // what is drawn keeps its size
  EXPECT_EQ(quadro.canvas().size(), QSize(40, 30));
  quadro.Limpa();
  EXPECT_TRUE(quadro.vazia());
}

}  // namespace
