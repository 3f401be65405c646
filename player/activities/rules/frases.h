// The records of a phrases or tests file as the exercise windows keep them:
// the rule by which two of them are the same phrase, and the filling of a
// phrase's gaps with the items of an option.
#pragma once

#include <QString>

#include "files/registros.h"
#include "player/activities/rules/selecao.h"

namespace zelmo::regras {

// The phrase with each run of "_" (one gap) filled, in order, by the items of
// the option's ";"-separated list: gaps beyond the items get " ", items beyond
// the gaps are ignored, an empty item leaves its gap empty, and an item that
// holds "_" becomes a further gap, filled by the next item.
QString PreencheFrase(QString frase, QString opcao);

// Same Texto1, Texto2 and Correta, compared exactly (case counts).
bool FraseDuplicada(const files::RegFrase& novo, const files::RegFrase& aceito);

// Verified as stored, kept as read, duplicates by the rule above.
const RegrasSelecao<files::RegFrase>& RegrasFrases();

}  // namespace zelmo::regras
