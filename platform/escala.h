// Window scaling.  Every window is designed 640 pixels wide at 120 dots per
// inch; ScaleBy multiplies every position, size and font of a window and its
// children by M / D.
//
// Two rules bring a design to the screen: the full-screen rule (the player's
// main, page and activity windows) and the small-window rule (the player's
// login, splash and message windows and the authoring windows).  Both take
// the screen's width as the measure, which keeps the whole design on 4:3, 5:4
// and portrait screens.  On a screen wider than that the design would run
// below the screen's bottom: there the scale is the one that fits the
// design's height into the screen, and a window that covers the screen shows
// its design centred, the rest in the window's own colour.
#pragma once

#include <QPoint>

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

// Scales every position, size and font (whether the control's own or
// followed from its parent) by M / D; the indicators of check boxes and
// radio buttons grow with their text.
void ScaleBy(QWidget* janela, int M, int D);

// Gives a check box or radio button the indicator that grows with its text
// (ScaleBy does it for the controls it scales; a control made afterwards
// asks for it).  Other controls are left as they are.
void IndicadorSegueTexto(QWidget* controle);

// The M and D of each rule for a screen.
struct Razao { int M; int D; };
Razao RazaoTelaCheia(const Tela& tela);
Razao RazaoJanelaPequena(const Tela& tela);

enum class Regra { TelaCheia, JanelaPequena };

// Height that a window with a title bar leaves for its client area on a
// screen of that many dots per inch (the frame is the window manager's, so
// this is a reserve, not a measure).
int ReservaMoldura(const Tela& tela);

// Scales a window from its design to the screen by the rule.  altura is the
// height the design must fit in (the screen's, less a title bar where the
// window has one).  On a screen no wider than 4:3, and wherever the rule
// keeps the design within that height, the rule is used exactly (first to
// the screen's dots per inch, then by the rule's ratio); else the design is
// fitted to that height.  Returns true when the rule was kept.
bool Escala(QWidget* janela, Regra regra, int altura);

// The full-screen rule for the player's main, page and activity windows: the
// window then covers the screen, with its design centred where it was fitted.
void EscalaTelaCheia(QWidget* janela);
// The small-window rule: the window keeps its scaled size, within the screen.
void EscalaJanelaPequena(QWidget* janela);
// The small-window rule for the windows that take the whole screen (the
// authoring main window, the record editors, the hypertext editor and its
// full-screen dialogs, the report viewer): the design fits beneath a title
// bar and is centred, and the window covers the screen.
void EscalaTelaInteira(QWidget* janela);

// Where the design's origin lies in a window scaled by the helpers above:
// (0, 0) where the rule was kept, else the offset of the centred design.
QPoint OrigemDoDesenho(const QWidget* janela);
// How many screen pixels a design pixel of the window takes after the
// helpers above (1 for a window they did not scale).
double FatorDoDesenho(const QWidget* janela);

// Makes the window cover the screen.  A window without a frame takes the
// screen's rectangle; a window with a title bar is also shown maximized, so
// that the window manager fits its frame on the screen instead of pushing
// the window's bottom below it.
void CobreTela(QWidget* janela);
// Centres the window on the screen.
void CentraNaTela(QWidget* janela);

}  // namespace platform
