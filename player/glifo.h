// The glyphs of the player's buttons: the green check mark of the OK
// buttons, and those of the word search's and crossword's row.
#pragma once

#include <QFont>
#include <QIcon>

class QPushButton;

namespace zelmo {

QIcon GlifoOK();
// "Consulta": an open book.
QIcon GlifoConsulta();
// "Ajuda": a question mark on a blue disc.
QIcon GlifoAjuda();
// "Sair": a door with an arrow leaving through it.
QIcon GlifoSair();
// "Próxima": a green arrow to the right.
QIcon GlifoProxima();
// The font of the buttons (the design's sans serif of height 13).
QFont FonteDeBotao();
// After scaling: the glyph in proportion to the button.
void AjustaBotaoOK(QPushButton* botao);
void AjustaGlifo(QPushButton* botao);

}  // namespace zelmo
