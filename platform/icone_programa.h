// The programs' own icons: the window icon of Pravo II and the pictures of
// the desktop menu's entries, which the program-folder generator writes.
#pragma once

#include <QIcon>
#include <QImage>

namespace platform {

enum class Programa { Zelmo, Pravo };

// The program's icon at the usual sides (16 to 128 pixels).
QIcon IconePrograma(Programa programa);
// The same picture as one transparent square of the given side.
QImage ImagemIconePrograma(Programa programa, int lado);

}  // namespace platform
