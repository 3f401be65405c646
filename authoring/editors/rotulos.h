// Small helpers the editors' forms share: field labels and the blank test.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace pravo {

// A bold (and, where asked, italic) field label at a design position.
QLabel* RotuloCampo(QWidget* dono, const char* nome, const QString& texto, int x, int y,
                    bool italico = false);

// A field is blank when nothing is left after removing, at both ends, every
// character whose code is 32 or less (blanks, tabs, line breaks).
bool CampoVazio(const QString& texto);

}  // namespace pravo
