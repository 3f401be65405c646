// The green check mark of the OK buttons.
#pragma once

#include <QFont>
#include <QIcon>

class QPushButton;

namespace zelmo {

QIcon GlifoOK();
// The font of the buttons (the design's sans serif of height 13).
QFont FonteDeBotao();
// After scaling: the glyph in proportion to the button.
void AjustaBotaoOK(QPushButton* botao);

}  // namespace zelmo
