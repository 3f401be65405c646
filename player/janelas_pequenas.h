// What the splash and the login share: a blue raised panel that fills the
// window.
#pragma once

class QLabel;
class QWidget;

namespace zelmo {

// A blue panel with a raised bevel 5 wide, filling the window's design area.
QLabel* PainelDeFundo(QWidget* janela);

}  // namespace zelmo
