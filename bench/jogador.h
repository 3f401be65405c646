// The player's own start, as its main() does it, for the benchmarks that run
// the real windows: offscreen unless a display is there.
#pragma once

#include <memory>

#include "player/activities/atividades.h"
#include "player/pages/paginas.h"
#include "player/principal.h"

namespace bench {

inline std::unique_ptr<zelmo::AplicacaoZelmo> IniciaJogador(int& argc, char** argv) {
  zelmo::PreparaAmbiente();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  auto app = std::make_unique<zelmo::AplicacaoZelmo>(argc, argv);
  zelmo::RegistraPaginas();
  zelmo::RegistraAtividades();
  return app;
}

}  // namespace bench
