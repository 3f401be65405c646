#include "player/activities/rules/palavras.h"

#include "files/texto.h"

namespace zelmo::regras {

files::RegPalavra ConvertePalavra(const files::RegPalavra& r) {
  files::RegPalavra c = r;
  c.Palavra = files::MaiusculasAnsi(r.Palavra).left(kTamanhoPalavra);
  return c;
}

bool PalavraDuplicada(const files::RegPalavra& novo, const files::RegPalavra& aceito) {
  return novo.Palavra == aceito.Palavra && novo.Dica1 == aceito.Dica1 && novo.Dica2 == aceito.Dica2;
}

const RegrasSelecao<files::RegPalavra>& RegrasPalavras() {
  static const RegrasSelecao<files::RegPalavra> regras = [] {
    RegrasSelecao<files::RegPalavra> r;
    r.converte = ConvertePalavra;
    r.duplicado = PalavraDuplicada;
    return r;
  }();
  return regras;
}

}  // namespace zelmo::regras
