// The player's side of a road test: its globals pointed at the folder the
// editors wrote, a clock of the test's own, and the page that plays a file.
#pragma once

#include "authoring/global.h"
#include "files/registros.h"
#include "player/global.h"

namespace teste {

inline void PaginaNoJogador(int tipo, const QString& arquivo, files::Relogio* relogio) {
  zelmo::ReiniciaGlobais();
  zelmo::Relogio = relogio;
  zelmo::DirPrograma = pravo::DirPrograma;
  zelmo::DirAssunto = pravo::DirAssunto;
  files::RegPagina p;
  p.Tipo = tipo;
  p.Arquivo = arquivo;
  p.Prepara();
  zelmo::AtividadeAtual = p;
}

}  // namespace teste
