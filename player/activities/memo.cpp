#include "player/activities/memo.h"

#include <QMouseEvent>
#include <QPalette>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace zelmo {

CaixaMemo::CaixaMemo(QWidget* pai, const QString& nome, int left, int top, int width, int height, uint32_t cor)
    : QTextEdit(pai) {
  setObjectName(nome);
  setGeometry(left, top, width, height);
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setAcceptDrops(false);
  viewport()->setAcceptDrops(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QTextEdit::WidgetWidth);
  QFont fonte(QStringLiteral("MS Sans Serif"));
  fonte.setPixelSize(13);
  setFont(fonte);
  QPalette p = palette();
  p.setColor(QPalette::Base, platform::CorDe(cor));
  p.setColor(QPalette::Text, Qt::black);
  setPalette(p);
}

void CaixaMemo::setTexto(const QString& texto) {
  texto_ = texto;
  QString mostrado = texto;
  mostrado.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  mostrado.replace('\r', '\n');
  setPlainText(mostrado);
  QTextCursor c(document());
  c.select(QTextCursor::Document);
  QTextBlockFormat f;
  f.setAlignment(Qt::AlignHCenter);
  c.mergeBlockFormat(f);
}

void CaixaMemo::setCorFonte(uint32_t cor) {
  corFonte_ = cor;
  QPalette p = palette();
  p.setColor(QPalette::Text, platform::CorDe(cor));
  setPalette(p);
}

void CaixaMemo::mousePressEvent(QMouseEvent* e) {
  pressionado_ = e->button() == Qt::LeftButton;
  e->accept();
}

void CaixaMemo::mouseMoveEvent(QMouseEvent* e) { e->accept(); }

void CaixaMemo::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void CaixaMemo::mouseReleaseEvent(QMouseEvent* e) {
  const bool clique = pressionado_ && e->button() == Qt::LeftButton && viewport()->rect().contains(e->position().toPoint());
  pressionado_ = false;
  e->accept();
  if (clique) emit clicked();
}

}  // namespace zelmo
