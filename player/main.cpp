#include "player/activities/atividades.h"
#include "player/pages/paginas.h"
#include "player/principal.h"

int main(int argc, char** argv) {
  zelmo::PreparaAmbiente();
  zelmo::AplicacaoZelmo app(argc, argv);
  zelmo::RegistraPaginas();
  zelmo::RegistraAtividades();
  return zelmo::ExecutaZelmo();
}
