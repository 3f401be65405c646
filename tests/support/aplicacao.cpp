#include "support/aplicacao.h"

#include <QApplication>

namespace apoio {

QApplication* Aplicacao() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
  // The help, preview and HTML page windows hold a browser, which needs this
  // before the application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  static int argc = 1;
  static char nome[] = "teste";
  static char* argv[] = {nome, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return app;
}

}  // namespace apoio
