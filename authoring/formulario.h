// Small helpers for laying out a window in its design pixels (640 wide at
// 120 dots per inch) before it is scaled.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "platform/fonte.h"

class QPushButton;
class QRect;
class QWidget;

namespace pravo {

using platform::FonteDesenho;

// A push button of the window, named as the handlers know it, at its design
// place.  It is never an automatic default: Enter presses it only where the
// window makes it the default button itself (setDefault).
QPushButton* Botao(const QString& texto, const char* nome, const QRect& lugar, QWidget* dono);

}  // namespace pravo
