// Icons that the programs draw themselves (button glyphs, the program's
// own icon), so that nothing is looked up on the disk at run time.
#pragma once

#include <QIcon>
#include <QImage>
#include <functional>
#include <initializer_list>

class QPainter;

namespace platform {

// An icon with one picture per side in `lados`: each a transparent square,
// antialiased (shapes and text), with the painter scaled so that `desenha`
// always draws in a square of side `base`.
QIcon IconeDesenhado(std::initializer_list<int> lados, qreal base,
                     const std::function<void(QPainter&)>& desenha);
// One such picture, of side `lado`.
QImage ImagemDesenhada(int lado, qreal base, const std::function<void(QPainter&)>& desenha);

}  // namespace platform
