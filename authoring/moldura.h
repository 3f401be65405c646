// A window that takes the whole screen with its title bar and border: the
// window system draws the frame outside the client area, so once the frame
// is known the client area is made smaller until the frame fits the screen.
// Controls keep their sizes (a picture's size is page data); the windows
// keep their foot controls at the bottom edge themselves.
#pragma once

class QWidget;

namespace pravo {

// Call when the window has been shown (the frame is known then); a window
// without a frame, or one already inside the screen, is left as it is.
void CabeNaTela(QWidget* janela);
// From a window's showing: CabeNaTela once the window system has told the
// frame's size (a moment after the showing).
void CabeNaTelaAoMostrar(QWidget* janela);

}  // namespace pravo
