// The program's default error handler: an event that ends in an error is
// reported in a message box titled "Pravo II" and the program goes on.
#include <gtest/gtest.h>

#include <QEvent>
#include <QMessageBox>

#include "authoring/erros.h"
#include "files/arquivo_registros.h"
#include "support/modal.h"

namespace {

pravo::Aplicacao* Programa() {
  static int argc = 1;
  static char nome[] = "erros";
  static char* argv[] = {nome, nullptr};
  static auto* app = new pravo::Aplicacao(argc, argv);
  return app;
}

class Falha : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw files::IoError(files::IoError::Kind::FileNotFound, "/x/lista.plv");
    if (e->type() == QEvent::User + 1) throw std::runtime_error("outra falha");
    if (e->type() == QEvent::User + 2) throw 42;  // a failure with no text of its own
    return QObject::event(e);
  }
};

TEST(TratadorPadrao, AnErrorInAnEventIsShownAndTheProgramGoesOn) {
  Programa();
  Falha alvo;
  struct Caso {
    int tipo;
    const char* texto;
    const char* detalhe;
  } casos[] = {
      {QEvent::User, "File not found", "/x/lista.plv"},
      {QEvent::User + 1, "outra falha", ""},
      {QEvent::User + 2, "Erro inesperado", ""},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto);
    QString titulo, texto, detalhe;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    apoio::QuandoModal([&](QWidget* w) {
      auto* caixa = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(caixa, nullptr);
      titulo = caixa->windowTitle();
      texto = caixa->text();
      detalhe = caixa->informativeText();
      icone = caixa->icon();
      caixa->done(QMessageBox::Ok);
    });
    QEvent e(static_cast<QEvent::Type>(c.tipo));
    EXPECT_FALSE(QCoreApplication::sendEvent(&alvo, &e));
    EXPECT_EQ(titulo, "Pravo II");
    EXPECT_EQ(texto, c.texto);
    EXPECT_EQ(detalhe, c.detalhe);
    EXPECT_EQ(icone, QMessageBox::Critical);
  }
}

}  // namespace
