// Window scaling.  Every window is designed 640 pixels wide at 120 dots per
// inch; ScaleBy multiplies every position, size and font of a window and its
// children by M / D.
#pragma once

class QWidget;

namespace platform {

// The screen the windows are laid out for.  Taken from the primary screen;
// tests set their own.
struct Tela {
  int largura = 640;
  int altura = 480;
  int dpi = 120;
  int x = 0;  // where the screen starts on the desktop
  int y = 0;
};
Tela TelaAtual();
void DefineTela(const Tela& tela);  // fixes the screen (tests, benchmarks)
void UsaTelaReal();                 // back to the primary screen

void ScaleBy(QWidget* janela, int M, int D);

// Full-screen rule: M = width x 120, D = 76800 at exactly 120 dpi, else
// round((dpi + 1.5) x 640); then the window takes the screen's size.
void EscalaTelaCheia(QWidget* janela);
// Small-window rule: M = width x 12, D = dpi x 64; the size stays scaled.
void EscalaJanelaPequena(QWidget* janela);

// The M and D of each rule for a screen.
struct Razao { int M; int D; };
Razao RazaoTelaCheia(const Tela& tela);
Razao RazaoJanelaPequena(const Tela& tela);

}  // namespace platform
