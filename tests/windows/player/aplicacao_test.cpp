#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
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
  struct Caso {
    const char* nome;
    std::function<void()> falha;
    const char* texto;
  } casos[] = {
      {"an error with its text", [] { throw std::runtime_error("File not found"); }, "File not found"},
      {"a failure with no text", [] { throw 42; }, "Erro"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    apoio::Mensagem vista;
    apoio::RespondeMensagem(QMessageBox::Ok, &vista);
    bool depois = false;
    QTimer::singleShot(0, c.falha);
    QTimer::singleShot(5, [&] { depois = true; });
    ASSERT_TRUE(apoio::Espera([&] { return depois; }));
    EXPECT_EQ(vista.titulo, "Zelmo II");
    EXPECT_EQ(vista.texto, c.texto);
    EXPECT_EQ(vista.icone, QMessageBox::Critical);
  }
}

}  // namespace
