#include "files/geometria_local.h"

#include <algorithm>
#include <cmath>

#include "files/convencoes.h"

namespace files {

GeometriaLocal::GeometriaLocal(int lado) : lado_(std::max(1, lado)) {}

int GeometriaLocal::Pixel(double fracao, int minimo, int maximo, int seNaN) const {
  if (std::isnan(fracao)) return seNaN;
  // Held within the bounds before rounding, so no value of the record ever
  // reaches an integer conversion out of range.
  const double v = std::clamp(fracao * lado_, static_cast<double>(minimo), static_cast<double>(maximo));
  return std::clamp(Arredonda(v), minimo, maximo);
}

double GeometriaLocal::Fracao(int pixel) const { return static_cast<double>(pixel) / lado_; }

int GeometriaLocal::TamanhoFigura(double fracao) const { return Pixel(fracao, 1, lado_, lado_); }

QRect GeometriaLocal::RetanguloFigura(int largura, int altura) const {
  const int w = std::clamp(largura, 1, lado_);
  const int h = std::clamp(altura, 1, lado_);
  return {(lado_ - w) / 2, (lado_ - h) / 2, w, h};
}

QRect GeometriaLocal::RetanguloFigura(double larguraFig, double alturaFig) const {
  return RetanguloFigura(TamanhoFigura(larguraFig), TamanhoFigura(alturaFig));
}

QPoint GeometriaLocal::DentroDaCaixa(QPoint posicao, QSize painel) const {
  const int maxX = std::max(0, lado_ - painel.width());
  const int maxY = std::max(0, lado_ - painel.height());
  return {std::clamp(posicao.x(), 0, maxX), std::clamp(posicao.y(), 0, maxY)};
}

QPoint GeometriaLocal::PosicaoPainel(double panX, double panY, QSize painel) const {
  const int x = Pixel(panX, 0, lado_, 0);
  const int y = Pixel(panY, 0, lado_, 0);
  return DentroDaCaixa({x, y}, painel);
}

std::optional<QPoint> GeometriaLocal::PontoLinha(double linhaX, double linhaY) const {
  if (!std::isfinite(linhaX) || !std::isfinite(linhaY)) return std::nullopt;
  const int x = Pixel(linhaX, -1, lado_, -1);
  const int y = Pixel(linhaY, -1, lado_, -1);
  if (x < 0 || y < 0) return std::nullopt;
  return QPoint(x, y);
}

QPoint GeometriaLocal::Centro(const QRect& painel) {
  return {painel.left() + painel.width() / 2, painel.top() + painel.height() / 2};
}

bool FiguraDesenhavel(const QString& nome) {
  const QString fim = nome.right(3).toLower();
  return fim == QLatin1String("jpg") || fim == QLatin1String("bmp") || fim == QLatin1String("wmf");
}

}  // namespace files
