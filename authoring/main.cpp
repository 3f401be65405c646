// Pravo II, the authoring program: the teacher builds subjects here.
#include "authoring/documents/documentos.h"
#include "authoring/editors/editores.h"
#include "authoring/erros.h"
#include "authoring/principal.h"

int main(int argc, char** argv) {
  // The browser of the help and preview windows.
  platform::PreparaAmbiente();
  pravo::Aplicacao aplicacao(argc, argv);
  pravo::RegistraEditores();
  pravo::RegistraDocumentos();
  return pravo::Executa(aplicacao);
}
