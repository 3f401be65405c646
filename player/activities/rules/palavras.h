// The words of a words file as the word activities keep them, and the rule
// by which two of them are the same word.
#pragma once

#include "files/registros.h"
#include "player/activities/rules/selecao.h"

namespace zelmo::regras {

inline constexpr int kTamanhoPalavra = 20;

// The record whole, its word upper-cased (Windows-1252 casing: ç becomes Ç)
// and cut to 20 characters.
files::RegPalavra ConvertePalavra(const files::RegPalavra& r);

// Same converted word, same Dica1, same Dica2, compared exactly.
bool PalavraDuplicada(const files::RegPalavra& novo, const files::RegPalavra& aceito);

// Verified as stored, converted, duplicates by the rule above.
const RegrasSelecao<files::RegPalavra>& RegrasPalavras();

}  // namespace zelmo::regras
