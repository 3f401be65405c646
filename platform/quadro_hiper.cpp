#include "platform/quadro_hiper.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/fonte.h"
#include "platform/imagem.h"
#include "platform/mensagens.h"
#include "platform/rtf/texto_rico.h"

namespace platform {

namespace {

constexpr uint32_t kCreme = 14745599;  // $E0FFFF

QFrame* Painel(QWidget* pai, const char* nome) {
  auto* p = new QFrame(pai);
  p->setObjectName(QString::fromLatin1(nome));
  p->setFrameShape(QFrame::NoFrame);
  return p;
}

// A control that fills its panel.
void Enche(QFrame* painel, QWidget* controle) {
  auto* l = new QVBoxLayout(painel);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(controle);
}

void Creme(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, CorDe(kCreme));
  p.setColor(QPalette::Window, CorDe(kCreme));
  p.setColor(QPalette::Text, Qt::black);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

Divisor::Divisor(Qt::Orientation orientacao, QWidget* pai) : QWidget(pai), orientacao_(orientacao) {
  setCursor(orientacao == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
  setAutoFillBackground(true);
}

void Divisor::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  arrastando_ = true;
  const QPoint g = e->globalPosition().toPoint();
  origem_ = orientacao_ == Qt::Vertical ? g.x() : g.y();
  emit pressionado();
}

void Divisor::mouseMoveEvent(QMouseEvent* e) {
  if (!arrastando_) return;
  const QPoint g = e->globalPosition().toPoint();
  emit arrastado((orientacao_ == Qt::Vertical ? g.x() : g.y()) - origem_);
}

void Divisor::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !arrastando_) return;
  arrastando_ = false;
  emit movido();
}

QuadroHiper::QuadroHiper(QWidget* janela, int alturaBotoes) : QWidget(janela) {
  setObjectName(QStringLiteral("QuadroHiper"));
  setGeometry(janela->rect());
  janela->installEventFilter(this);

  pnlTop = Painel(this, "pnlTop");
  pnlTop->setGeometry(0, 0, width(), 30);
  PintaFundo(pnlTop, kPrata);  // the window system's face colour of a panel
  lblTitulo = new QLabel(pnlTop);
  lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
  lblTitulo->setAlignment(Qt::AlignCenter);
  // The title is the author's text, "<b>" and all.
  lblTitulo->setTextFormat(Qt::PlainText);
  lblTitulo->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 23, true, true));
  CorDoTexto(lblTitulo, CorDe(kAzul));
  Enche(pnlTop, lblTitulo);

  pnlLeft = Painel(this, "pnlLeft");
  reTexto = new TextoRico(pnlLeft);
  reTexto->setObjectName(QStringLiteral("reTexto"));
  reTexto->setFrameShape(QFrame::NoFrame);
  reTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Creme(reTexto);
  Enche(pnlLeft, reTexto);

  Splitter1 = new Divisor(Qt::Vertical, this);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->resize(1, 1);

  pnlRight = Painel(this, "pnlRight");
  pnlRightTop = Painel(pnlRight, "pnlRightTop");
  Creme(pnlRightTop);
  imgFigura = new Imagem(pnlRightTop);
  imgFigura->setObjectName(QStringLiteral("imgFigura"));
  Splitter2 = new Divisor(Qt::Horizontal, pnlRight);
  Splitter2->setObjectName(QStringLiteral("Splitter2"));
  Splitter2->resize(1, 1);
  pnlRightBottom = Painel(pnlRight, "pnlRightBottom");
  lstItens = new QListWidget(pnlRightBottom);
  lstItens->setObjectName(QStringLiteral("lstItens"));
  Creme(lstItens);
  Enche(pnlRightBottom, lstItens);

  pnlBottom = Painel(this, "pnlBottom");
  pnlBottom->setGeometry(0, height() - alturaBotoes, width(), alturaBotoes);

  for (Divisor* d : {Splitter1, Splitter2}) {
    connect(d, &Divisor::pressionado, this, [this, d] {
      inicioArrasto_ = d == Splitter1 ? larguraTexto_ : alturaFigura_;
    });
    connect(d, &Divisor::arrastado, this, [this, d](int delta) { Arrasta(d, delta); });
  }
  // After a drag the window redoes its layout, then the pane is kept at the
  // minimum size.
  connect(Splitter1, &Divisor::movido, this, [this] {
    emit Splitter1Moved();
    AjustaAoMinimo(Splitter1);
  });
  connect(Splitter2, &Divisor::movido, this, [this] {
    emit Splitter2Moved();
    AjustaAoMinimo(Splitter2);
  });
  Dispoe();
}

void QuadroHiper::DefineLarguraTexto(int largura) {
  larguraTexto_ = std::max(0, largura);
  Dispoe();
}

void QuadroHiper::DefineAlturaPainelFigura(int altura) {
  alturaFigura_ = std::max(0, altura);
  Dispoe();
}

void QuadroHiper::AplicaGeometria(const files::GeometriaHiper& g) {
  larguraTexto_ = g.larguraTexto;
  alturaFigura_ = g.alturaPainelFigura;
  imgFigura->DefineAutoSize(g.tamanhoOriginal);
  imgFigura->DefineStretch(!g.tamanhoOriginal);
  if (!g.tamanhoOriginal || imgFigura->figura().vazia()) imgFigura->resize(g.figura);
  Dispoe();
}

files::GeometriaHiper QuadroHiper::Geometria() const {
  files::GeometriaHiper g;
  g.larguraTexto = larguraTexto_;
  g.alturaPainelFigura = alturaFigura_;
  g.tamanhoOriginal = imgFigura->AutoSize();
  g.figura = imgFigura->size();
  return g;
}

void QuadroHiper::CentralizaFigura() {
  imgFigura->move(files::CentroNoPainel(pnlRightTop->size(), imgFigura->size()));
}

void QuadroHiper::AjustaAoMinimo(Divisor* divisor) {
  if (divisor == Splitter1 && larguraTexto_ < minimo_) larguraTexto_ = minimo_;
  if (divisor == Splitter2 && alturaFigura_ < minimo_) alturaFigura_ = minimo_;
  Dispoe();
}

void QuadroHiper::Arrasta(Divisor* divisor, int delta) {
  // Live resizing, never closer than the minimum to either end.
  const bool vertical = divisor == Splitter1;
  const int total = vertical ? width() : pnlRight->height();
  const int espessura = vertical ? Splitter1->width() : Splitter2->height();
  const int maximo = std::max(minimo_, total - espessura - minimo_);
  const int novo = std::clamp(inicioArrasto_ + delta, std::min(minimo_, maximo), maximo);
  if (vertical)
    larguraTexto_ = novo;
  else
    alturaFigura_ = novo;
  Dispoe();
  CentralizaFigura();
}

void QuadroHiper::Dispoe() {
  const int w = width(), h = height();
  const int topo = pnlTop->height();
  const int pe = pnlBottom->height();
  const int meio = std::max(0, h - topo - pe);
  pnlTop->setGeometry(0, 0, w, topo);
  pnlBottom->setGeometry(0, h - pe, w, pe);
  const int e1 = Splitter1->width();
  pnlLeft->setGeometry(0, topo, larguraTexto_, meio);
  Splitter1->setGeometry(larguraTexto_, topo, e1, meio);
  const int xDireita = larguraTexto_ + e1;
  pnlRight->setGeometry(xDireita, topo, std::max(0, w - xDireita), meio);
  const int rw = pnlRight->width();
  const int e2 = Splitter2->height();
  pnlRightTop->setGeometry(0, 0, rw, alturaFigura_);
  Splitter2->setGeometry(0, alturaFigura_, rw, e2);
  pnlRightBottom->setGeometry(0, alturaFigura_ + e2, rw, std::max(0, meio - alturaFigura_ - e2));
}

void QuadroHiper::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Dispoe();
}

bool QuadroHiper::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == parentWidget() && evento->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(objeto, evento);
}

}  // namespace platform
