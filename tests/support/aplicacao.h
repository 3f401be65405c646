// The one application object of a test program, made on first use, as the
// programs make theirs: in Brazilian Portuguese, the browser's OpenGL
// contexts shared, and the browser's sandbox off (tests/support/main.cpp
// sets that before any test runs).  An application object that a test made
// itself (a program's own class, for its error handler) is used as it is.
#pragma once

class QApplication;

namespace apoio {

QApplication* Aplicacao();

}  // namespace apoio
