#include "platform/escala.h"

#include <QFont>
#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <optional>

namespace platform {

namespace {

std::optional<Tela> telaFixa;

// a x M / D rounded to the nearest, as the window system's MulDiv.
int MulDiv(int a, int M, int D) {
  if (D == 0) return a;
  return static_cast<int>(std::llround(static_cast<double>(a) * M / D));
}

// A font size of the control's own (set on it, not followed from its parent).
bool TamanhoProprio(const QWidget* w) {
  return w->testAttribute(Qt::WA_SetFont) &&
         (w->font().resolveMask() & QFont::SizeResolved) != 0;
}

QFont FonteEscalada(QFont f, int M, int D) {
  if (f.pixelSize() > 0) {
    f.setPixelSize(std::max(1, MulDiv(f.pixelSize(), M, D)));
  } else if (f.pointSizeF() > 0) {
    f.setPointSizeF(std::max(1.0, f.pointSizeF() * M / D));
  }
  return f;
}

// Left and top are scaled, and so are the right and bottom edges, so that
// neighbouring controls stay neighbours after rounding.
QRect RetanguloEscalado(const QRect& r, int M, int D) {
  const int x = MulDiv(r.x(), M, D);
  const int y = MulDiv(r.y(), M, D);
  const int w = MulDiv(r.x() + r.width(), M, D) - x;
  const int h = MulDiv(r.y() + r.height(), M, D) - y;
  return QRect(x, y, w, h);
}

// A control whose size was fixed keeps a fixed size, at the new value.
void Posiciona(QWidget* w, const QRect& r) {
  if (w->minimumSize() == w->maximumSize() && !w->minimumSize().isEmpty())
    w->setFixedSize(r.size());
  w->setGeometry(r);
}

void Redimensiona(QWidget* w, const QSize& tamanho) {
  if (w->minimumSize() == w->maximumSize() && !w->minimumSize().isEmpty())
    w->setFixedSize(tamanho);
  w->resize(tamanho);
}

struct Controle {
  QPointer<QWidget> w;
  QRect geometria;
  bool fonte;
};

// Every control inside the window, parents before their children.
void Coleta(QWidget* pai, QList<Controle>& controles) {
  for (QObject* o : pai->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow()) continue;
    controles.append({w, w->geometry(), TamanhoProprio(w)});
    Coleta(w, controles);
  }
}

Tela DaTelaPrimaria() {
  Tela t;
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    t.x = s->geometry().x();
    t.y = s->geometry().y();
    t.largura = s->geometry().width();
    t.altura = s->geometry().height();
    t.dpi = static_cast<int>(std::lround(s->logicalDotsPerInchX()));
    if (t.dpi <= 0) t.dpi = 96;
  }
  return t;
}

}  // namespace

Tela TelaAtual() { return telaFixa ? *telaFixa : DaTelaPrimaria(); }

void DefineTela(const Tela& tela) { telaFixa = tela; }

void UsaTelaReal() { telaFixa.reset(); }

void ScaleBy(QWidget* janela, int M, int D) {
  if (!janela || M <= 0 || D <= 0 || M == D) return;
  const QSize tamanho = janela->size();
  // Everything is taken before anything changes, so a font that only follows
  // its parent is not scaled twice.
  QList<Controle> controles;
  Coleta(janela, controles);
  // The window's own font is always scaled: the controls that follow it
  // follow it to its new size.
  janela->setFont(FonteEscalada(janela->font(), M, D));
  for (const Controle& c : controles) {
    if (!c.w) continue;
    if (c.fonte) c.w->setFont(FonteEscalada(c.w->font(), M, D));
    Posiciona(c.w, RetanguloEscalado(c.geometria, M, D));
  }
  Redimensiona(janela, QSize(MulDiv(tamanho.width(), M, D), MulDiv(tamanho.height(), M, D)));
}

Razao RazaoTelaCheia(const Tela& tela) {
  const int M = tela.largura * 120;
  const int D = tela.dpi == 120 ? 76800
                                : static_cast<int>(std::lround((tela.dpi + 1.5) * 640));
  return {M, D};
}

Razao RazaoJanelaPequena(const Tela& tela) { return {tela.largura * 12, tela.dpi * 64}; }

namespace {

// The design is at 120 dots per inch; the window system first brings it to
// the screen's dots per inch, then the rule's own ScaleBy follows.
void EscalaPorRegra(QWidget* janela, const Tela& tela, Razao (*regra)(const Tela&)) {
  if (tela.dpi != 120) ScaleBy(janela, tela.dpi, 120);
  const Razao r = regra(tela);
  ScaleBy(janela, r.M, r.D);
}

}  // namespace

void EscalaTelaCheia(QWidget* janela) {
  if (!janela) return;
  const Tela tela = TelaAtual();
  EscalaPorRegra(janela, tela, RazaoTelaCheia);
  Redimensiona(janela, QSize(tela.largura, tela.altura));
}

void EscalaJanelaPequena(QWidget* janela) {
  if (janela) EscalaPorRegra(janela, TelaAtual(), RazaoJanelaPequena);
}

}  // namespace platform
