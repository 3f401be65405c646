#include "player/activities/painel.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "platform/mensagens.h"

namespace zelmo {

namespace {

// One bevel ring of width 1 inside r: light on the top left, dark on the
// bottom right for a raised bevel, the other way round for a lowered one.
QRect Chanfra(QPainter& p, QRect r, Painel::Chanfro c) {
  if (c == Painel::Chanfro::Nenhum) return r;
  const QColor claro(255, 255, 255), escuro(128, 128, 128);
  const QColor& a = c == Painel::Chanfro::Alto ? claro : escuro;
  const QColor& b = c == Painel::Chanfro::Alto ? escuro : claro;
  p.setPen(a);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(b);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  return r.adjusted(1, 1, -1, -1);
}

}  // namespace

Painel::Painel(QWidget* pai, const QString& nome) : QWidget(pai) {
  setObjectName(nome);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Painel::setCaption(const QString& texto) {
  if (texto == caption_) return;
  caption_ = texto;
  update();
}

void Painel::setCor(uint32_t cor) {
  cor_ = cor;
  update();
}

void Painel::setCorFonte(uint32_t cor) {
  corFonte_ = cor;
  update();
}

void Painel::setChanfros(Chanfro externo, Chanfro interno) {
  externo_ = externo;
  interno_ = interno;
  update();
}

void Painel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), platform::CorDe(cor_));
  QRect r = rect();
  r = Chanfra(p, r, externo_);
  r = Chanfra(p, r, interno_);
  if (caption_.isEmpty()) return;
  p.setFont(font());
  p.setPen(platform::CorDe(corFonte_));
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

void Painel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    pressionado_ = true;
    inicio_ = e->position().toPoint();
  }
  e->accept();
}

void Painel::mouseMoveEvent(QMouseEvent* e) {
  if (!arrastavel_ || !pressionado_ || !(e->buttons() & Qt::LeftButton)) return;
  if ((e->position().toPoint() - inicio_).manhattanLength() < QApplication::startDragDistance()) return;
  pressionado_ = false;
  auto* dados = new QMimeData;
  dados->setData(kMimePainel, objectName().toUtf8());
  auto* drag = new QDrag(this);
  drag->setMimeData(dados);
  drag->setPixmap(grab());
  drag->setHotSpot(inicio_);
  drag->exec(Qt::MoveAction);
}

void Painel::mouseReleaseEvent(QMouseEvent* e) {
  const bool clique = pressionado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressionado_ = false;
  if (clique && isEnabled()) emit clicked();
}

bool Painel::Aceita(QObject* origem) { return aoArrastarSobre && origem && aoArrastarSobre(this, origem); }

QObject* Painel::Origem(const QDropEvent* e) const {
  if (!e->mimeData()->hasFormat(kMimePainel)) return nullptr;
  if (QObject* fonte = e->source()) return fonte;
  // A drag from elsewhere names its panel; it is looked up on this window.
  const QString nome = QString::fromUtf8(e->mimeData()->data(kMimePainel));
  return nome.isEmpty() ? nullptr : window()->findChild<Painel*>(nome);
}

void Painel::dragEnterEvent(QDragEnterEvent* e) {
  if (Aceita(Origem(e)))
    e->acceptProposedAction();
  else
    e->ignore();
}

void Painel::dragMoveEvent(QDragMoveEvent* e) {
  if (Aceita(Origem(e)))
    e->acceptProposedAction();
  else
    e->ignore();
}

void Painel::dropEvent(QDropEvent* e) {
  QObject* origem = Origem(e);
  if (!Aceita(origem)) {
    e->ignore();
    return;
  }
  e->acceptProposedAction();
  // The drag's own loop is still running here; the judgement (sounds,
  // pauses, messages) comes after it.
  QPointer<Painel> alvo(this);
  QPointer<QObject> fonte(origem);
  QTimer::singleShot(0, this, [alvo, fonte] {
    if (alvo && fonte && alvo->aoSoltar) alvo->aoSoltar(alvo, fonte);
  });
}

}  // namespace zelmo
