#include "files/geometria_hiper.h"

#include <algorithm>
#include <cmath>

#include "files/convencoes.h"

namespace files {

namespace {

// A product of a size and a fraction, rounded, that stays an int.
int Produto(int tamanho, double fracao) { return Arredonda(double(tamanho) * fracao); }

}  // namespace

double FracaoValida(double fracao) {
  if (std::isnan(fracao)) return 0;
  return std::clamp(fracao, 0.0, 1.0);
}

double PorCentoValido(double porCento) {
  if (std::isnan(porCento)) return -1;
  return std::clamp(porCento, -1.0, 100.0);
}

RegItem ItemValido(RegItem item) {
  item.X = PorCentoValido(item.X);
  item.Y = PorCentoValido(item.Y);
  return item;
}

QSize AreaDoDesenho(QSize tela) {
  const qint64 w = std::max(0, tela.width()), h = std::max(0, tela.height());
  if (w * 3 > h * 4) return QSize(Arredonda(double(h) * 4 / 3), int(h));
  if (w * 3 < h * 4) return QSize(int(w), Arredonda(double(w) * 3 / 4));
  return QSize(int(w), int(h));
}

GeometriaHiper GeometriaDe(const RegHiper& pagina, QSize tela) {
  GeometriaHiper g;
  const QSize area = AreaDoDesenho(tela);
  g.larguraTexto = Produto(tela.width(), FracaoValida(pagina.LarguraTexto));
  g.alturaPainelFigura = Produto(tela.height(), FracaoValida(pagina.AlturaPainelFigura));
  g.tamanhoOriginal = pagina.TamanhoOriginal;
  g.figura = QSize(Produto(area.width(), FracaoValida(pagina.LarguraFigura)),
                   Produto(area.height(), FracaoValida(pagina.AlturaFigura)));
  return g;
}

void GuardaGeometria(RegHiper& pagina, const GeometriaHiper& g, QSize tela) {
  const QSize area = AreaDoDesenho(tela);
  const double w = std::max(1, tela.width());
  const double h = std::max(1, tela.height());
  pagina.LarguraTexto = g.larguraTexto / w;
  pagina.AlturaPainelFigura = g.alturaPainelFigura / h;
  pagina.LarguraFigura = g.figura.width() / double(std::max(1, area.width()));
  pagina.AlturaFigura = g.figura.height() / double(std::max(1, area.height()));
  pagina.TamanhoOriginal = g.tamanhoOriginal;
}

QPoint CentroNoPainel(QSize painel, QSize figura) {
  return {(painel.width() - figura.width()) / 2, (painel.height() - figura.height()) / 2};
}

bool TemPontoQuente(const RegItem& item) { return !(item.X == -1.0 && item.Y == -1.0); }

QPoint PontoQuente(const QRect& figura, double x, double y) {
  // Round(width x X / 100): the product first, then the division.
  return {Arredonda(double(figura.width()) * PorCentoValido(x) / 100) + figura.left(),
          Arredonda(double(figura.height()) * PorCentoValido(y) / 100) + figura.top()};
}

QRect RetanguloAlvo(const QRect& figura, QSize alvo, double x, double y) {
  const QPoint c = PontoQuente(figura, x, y);
  return QRect(QPoint(c.x() - alvo.width() / 2, c.y() - alvo.height() / 2), alvo);
}

QPointF PorCentoDoPonteiro(QPointF ponto, QSize figura) {
  return {figura.width() > 0 ? ponto.x() / figura.width() * 100 : 0.0,
          figura.height() > 0 ? ponto.y() / figura.height() * 100 : 0.0};
}

int PorCentoDoClique(int p, int tamanho) {
  if (tamanho <= 0) return 0;
  return std::clamp(Arredonda(double(p) * 100 / tamanho), 0, 99);
}

int ItemMaisProximo(const QList<RegItem>& itens, QPointF ponteiro) {
  int melhor = -1;
  double menor = 0;
  for (int i = 0; i < itens.size(); ++i) {
    const double d = std::hypot(ponteiro.x() - itens[i].X, ponteiro.y() - itens[i].Y);
    if (melhor < 0 || d < menor) {
      melhor = i;
      menor = d;
    }
  }
  return melhor;
}

QRect RetanguloFiguraImpressa(QSize pagina, QSize mostrada) {
  const int w0 = mostrada.width(), h0 = mostrada.height();
  if (w0 <= 0 || h0 <= 0) return {};
  int w, h;
  if (w0 > h0) {
    w = pagina.width() / 2;
    h = Arredonda(double(w) / w0 * h0);
  } else {
    h = pagina.height() / 4;
    w = Arredonda(double(h) / h0 * w0);
  }
  return QRect((pagina.width() - w) / 2, (pagina.height() / 3 - h) / 2, w, h);
}

QRect RetanguloTextoImpresso(QSize paginaTwips) {
  const int r = paginaTwips.width(), b = paginaTwips.height();
  return QRect(QPoint(r / 10, b / 3), QPoint(r - r / 10, b));
}

}  // namespace files
