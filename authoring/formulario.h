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
// place.
QPushButton* Botao(const QString& texto, const char* nome, const QRect& lugar, QWidget* dono);

// Gives every control of the window its own copy of the font it shows, so
// that scaling the window changes each font exactly once.
void FixaFontes(QWidget* janela);

// Scales the window by the small-window rule (with FixaFontes first).
void EscalaJanela(QWidget* janela);

// A full-screen window after its scaling: on a screen wider than the design's
// 4:3 the scaled design would reach below the screen's bottom, so it is
// shrunk to the screen's height and centred; then the window takes the
// whole screen.
void CobreATela(QWidget* janela);

// The authoring windows that take the whole screen (the main window, the
// record editors, the hypertext editor and its full-screen dialogs): the
// small-window rule, then the whole screen.
void EscalaTelaInteira(QWidget* janela);

}  // namespace pravo
