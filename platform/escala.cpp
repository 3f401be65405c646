#include "platform/escala.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <algorithm>
#include <optional>

namespace platform {

namespace {

std::optional<Tela> telaFixa;

// a x M / D rounded to the nearest, as the window system's MulDiv.
int MulDiv(int a, int M, int D) {
  if (D == 0) return a;
  return static_cast<int>(std::llround(static_cast<double>(a) * M / D));
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
  QFont fonte;
};

// Every control inside the window, parents before their children, with the
// font each shows (its own or its parent's).
void Coleta(QWidget* pai, QList<Controle>& controles) {
  for (QObject* o : pai->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow()) continue;
    controles.append({w, w->geometry(), w->font()});
    Coleta(w, controles);
  }
}

// The window style's indicators of check boxes and radio buttons have one
// size whatever the text beside them; here they follow the control's font.
class EstiloIndicadores : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric m, const QStyleOption* opcao, const QWidget* w) const override {
    const int base = QProxyStyle::pixelMetric(m, opcao, w);
    switch (m) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
        if (w) return std::max(base, w->fontMetrics().height() * 13 / 16);
        return base;
      default:
        return base;
    }
  }
};

QStyle* Indicadores() {
  static QPointer<QStyle> estilo;
  if (!estilo) {
    estilo = new EstiloIndicadores;
    if (QCoreApplication* app = QCoreApplication::instance()) estilo->setParent(app);
  }
  return estilo;
}

bool TemIndicador(const QWidget* w) {
  return qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
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
  // Everything is taken before anything changes, and every control is given
  // its font at the new size: a font that only followed its parent would
  // otherwise be scaled twice, or not at all.
  QList<Controle> controles;
  Coleta(janela, controles);
  janela->setFont(FonteEscalada(janela->font(), M, D));
  for (const Controle& c : controles) {
    if (!c.w) continue;
    c.w->setFont(FonteEscalada(c.fonte, M, D));
    IndicadorSegueTexto(c.w);
    Posiciona(c.w, RetanguloEscalado(c.geometria, M, D));
  }
  Redimensiona(janela, QSize(MulDiv(tamanho.width(), M, D), MulDiv(tamanho.height(), M, D)));
}

void IndicadorSegueTexto(QWidget* controle) {
  if (controle && TemIndicador(controle) && controle->style() != Indicadores()) controle->setStyle(Indicadores());
}

Razao RazaoTelaCheia(const Tela& tela) {
  const int M = tela.largura * 120;
  const int D = tela.dpi == 120 ? 76800
                                : static_cast<int>(std::lround((tela.dpi + 1.5) * 640));
  return {M, D};
}

Razao RazaoJanelaPequena(const Tela& tela) { return {tela.largura * 12, tela.dpi * 64}; }

namespace {

const char* const kOrigem = "platform_origemDoDesenho";
const char* const kFator = "platform_fatorDoDesenho";

// The design's size after the rule's two steps: first to the screen's dots
// per inch, then by the rule's ratio.
QSize PelaRegra(const QSize& design, const Tela& tela, const Razao& r) {
  QSize s = design;
  if (tela.dpi != 120) s = QSize(MulDiv(s.width(), tela.dpi, 120), MulDiv(s.height(), tela.dpi, 120));
  return QSize(MulDiv(s.width(), r.M, r.D), MulDiv(s.height(), r.M, r.D));
}

bool SemMoldura(const QWidget* janela) {
  return (janela->windowFlags() & Qt::FramelessWindowHint) != 0;
}

// Moves the design right by dx and down by dy inside the window.
void Desloca(QWidget* janela, int dx, int dy) {
  janela->setProperty(kOrigem, QPoint(dx, dy));
  if (dx == 0 && dy == 0) return;
  for (QObject* o : janela->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && !w->isWindow()) w->move(w->x() + dx, w->y() + dy);
  }
}

int AlturaUtil(const QWidget* janela, const Tela& tela) {
  return SemMoldura(janela) ? tela.altura : tela.altura - ReservaMoldura(tela);
}

}  // namespace

int ReservaMoldura(const Tela& tela) { return MulDiv(40, std::max(tela.dpi, 96), 96); }

bool Escala(QWidget* janela, Regra regra, int altura) {
  if (!janela) return true;
  const Tela tela = TelaAtual();
  const QSize design = janela->size();
  const Razao r = regra == Regra::TelaCheia ? RazaoTelaCheia(tela) : RazaoJanelaPequena(tela);
  const QSize alvo = PelaRegra(design, tela, r);
  janela->setProperty(kOrigem, QPoint());
  janela->setProperty(kFator, QVariant());
  // On a screen no wider than 4:3 the rule keeps every design on it, title
  // bar and all.
  const bool estreita = static_cast<qint64>(tela.largura) * 3 <= static_cast<qint64>(tela.altura) * 4;
  if (design.isEmpty() || altura <= 0 ||
      ((estreita || alvo.height() <= altura) && alvo.width() <= tela.largura)) {
    if (tela.dpi != 120) ScaleBy(janela, tela.dpi, 120);
    ScaleBy(janela, r.M, r.D);
    if (!design.isEmpty()) janela->setProperty(kFator, tela.dpi / 120.0 * r.M / r.D);
    return true;
  }
  // One step, by the side that limits.
  if (static_cast<qint64>(altura) * design.width() <= static_cast<qint64>(tela.largura) * design.height()) {
    ScaleBy(janela, altura, design.height());
    janela->setProperty(kFator, double(altura) / design.height());
  } else {
    ScaleBy(janela, tela.largura, design.width());
    janela->setProperty(kFator, double(tela.largura) / design.width());
  }
  return false;
}

void EscalaTelaCheia(QWidget* janela) {
  if (!janela) return;
  const Tela tela = TelaAtual();
  if (!Escala(janela, Regra::TelaCheia, tela.altura))
    Desloca(janela, (tela.largura - janela->width()) / 2, (tela.altura - janela->height()) / 2);
  CobreTela(janela);
}

void EscalaJanelaPequena(QWidget* janela) {
  if (janela) Escala(janela, Regra::JanelaPequena, AlturaUtil(janela, TelaAtual()));
}

void EscalaTelaInteira(QWidget* janela) {
  if (!janela) return;
  const Tela tela = TelaAtual();
  // A title bar takes the top of the screen: the design stays at the top of
  // the client area.
  if (!Escala(janela, Regra::JanelaPequena, AlturaUtil(janela, tela)))
    Desloca(janela, (tela.largura - janela->width()) / 2, 0);
  CobreTela(janela);
}

QPoint OrigemDoDesenho(const QWidget* janela) {
  return janela ? janela->property(kOrigem).toPoint() : QPoint();
}

double FatorDoDesenho(const QWidget* janela) {
  const QVariant fator = janela ? janela->property(kFator) : QVariant();
  return fator.isValid() ? fator.toDouble() : 1.0;
}

void CobreTela(QWidget* janela) {
  if (!janela) return;
  const Tela tela = TelaAtual();
  // The window manager must be free to fit a framed window on the screen.
  janela->setMinimumSize(0, 0);
  janela->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  janela->setGeometry(tela.x, tela.y, tela.largura, tela.altura);
  // On a screen fixed by a test there is no window manager to ask.
  if (!SemMoldura(janela) && !telaFixa) janela->setWindowState(janela->windowState() | Qt::WindowMaximized);
}

void CentraNaTela(QWidget* janela) {
  if (!janela) return;
  const Tela tela = TelaAtual();
  janela->move(tela.x + (tela.largura - janela->width()) / 2, tela.y + (tela.altura - janela->height()) / 2);
}

}  // namespace platform
