#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

#include "player/principal.h"
#include "support/modal.h"

namespace {

zelmo::AplicacaoZelmo& App() {
  static int argc = 1;
  static char nome[] = "Zelmo2";
  static char* argv[] = {nome, nullptr};
  static auto* app = new zelmo::AplicacaoZelmo(argc, argv);
  return *app;
}

TEST(AplicacaoTeste, ErroNumManipuladorMostraAMensagemEOProgramaSegue) {
  App();
  apoio::Mensagem vista;
  apoio::RespondeMensagem(QMessageBox::Ok, &vista);
  bool depois = false;
  QTimer::singleShot(0, [] { throw std::runtime_error("File not found"); });
  QTimer::singleShot(5, [&] { depois = true; });
  ASSERT_TRUE(apoio::Espera([&] { return depois; }));
  EXPECT_EQ(vista.titulo, "Zelmo II");
  EXPECT_EQ(vista.texto, "File not found");
  EXPECT_EQ(vista.icone, QMessageBox::Critical);
}

}  // namespace
