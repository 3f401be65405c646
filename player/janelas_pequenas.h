// What the splash and the login share: a blue raised panel that fills the
// window, and the window centred on the screen.
#pragma once

class QLabel;
class QWidget;

namespace zelmo {

// A blue panel with a raised bevel 5 wide, filling the window's design area.
QLabel* PainelDeFundo(QWidget* janela);
// Places the window in the middle of the screen the windows are laid out for.
void Centraliza(QWidget* janela);

}  // namespace zelmo
