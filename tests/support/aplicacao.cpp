#include "support/aplicacao.h"

#include <QApplication>

#include "platform/idioma.h"

namespace apoio {

QApplication* Aplicacao() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
  // The help, preview and HTML page windows hold a browser, which needs this
  // before the application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  static int argc = 1;
  static char nome[] = "teste";
  static char* argv[] = {nome, nullptr};
  static QApplication* app = [] {
    auto* novo = new QApplication(argc, argv);
    // In the programs' language, as their application object is.
    platform::UsaPortugues();
    return novo;
  }();
  return app;
}

}  // namespace apoio
