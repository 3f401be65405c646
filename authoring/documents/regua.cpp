#include "authoring/documents/regua.h"

#include <QLabel>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

#include "platform/escala.h"
#include "platform/fonte.h"

namespace pravo {

namespace {

// The ruler is laid out at 120 dots per inch and shown at the screen's.
int Px(int desenho) { return int(std::lround(desenho * platform::TelaAtual().dpi / 120.0)); }

// The markers are the Wingdings arrows "ê", "é" and "ñ"; this platform has
// no Wingdings, so they are shown by the same arrows in Unicode.
QLabel* Marcador(const char* nome, const QString& seta, int topo, QWidget* pai) {
  auto* m = new QLabel(seta, pai);
  m->setObjectName(QLatin1String(nome));
  QFont f = platform::FonteDesenho(QStringLiteral("DejaVu Sans"), Px(13));
  m->setFont(f);
  m->adjustSize();
  m->move(0, Px(topo));
  m->setCursor(Qt::SizeHorCursor);
  return m;
}

}  // namespace

Regua::Regua(QWidget* pai) : QFrame(pai) {
  setObjectName(QStringLiteral("Ruler"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  setFixedHeight(Px(32));
  setFont(platform::FonteDesenho(QStringLiteral("Arial"), Px(13)));

  RulerLine = new QFrame(this);
  RulerLine->setObjectName(QStringLiteral("RulerLine"));
  RulerLine->setFrameShape(QFrame::HLine);
  RulerLine->setFrameShadow(QFrame::Sunken);
  RulerLine->setGeometry(5, Px(15), 100, 2);

  FirstInd = Marcador("FirstInd", QString(QChar(0x2B07)), 2, this);
  LeftInd = Marcador("LeftInd", QString(QChar(0x2B06)), 15, this);
  RightInd = Marcador("RightInd", QString(QChar(0x21E7)), 17, this);
  // The markers share the width of the widest, so a grab offset is the
  // same for all three.
  const int largura = std::max({FirstInd->width(), LeftInd->width(), RightInd->width()});
  for (QLabel* m : {FirstInd, LeftInd, RightInd}) {
    m->setFixedWidth(largura);
    m->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
}

void Regua::DefineLegenda(const QString& legenda) {
  legenda_ = legenda;
  update();
}

void Regua::DefineTabulacao(double inicio, double distancia) {
  inicio_ = inicio;
  distancia_ = distancia > 0 ? distancia : 80;
  update();
}

void Regua::paintEvent(QPaintEvent* e) {
  QFrame::paintEvent(e);
  QPainter p(this);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  QTextOption opcao;
  opcao.setWrapMode(QTextOption::NoWrap);
  opcao.setTabStopDistance(distancia_);
  // The caption starts half a "|" before the first tab position's left, so
  // each tick stands on a tab position.
  const QFontMetricsF m(font());
  const double meia = m.horizontalAdvance(QLatin1Char('|')) / 2;
  p.drawText(QRectF(inicio_ - meia, 0, width() + distancia_, Px(14)), legenda_, opcao);
}

void Regua::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  emit Redimensionada();
}

}  // namespace pravo
