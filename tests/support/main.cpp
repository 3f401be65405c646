// The main of every test program: the environment the programs need here
// (offscreen windows; the browser's sandbox off, since tests run as root),
// then GoogleTest.  A value already set by the caller is kept.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <QtGlobal>

namespace {

void Padrao(const char* nome, const QByteArray& valor) {
  if (qEnvironmentVariableIsEmpty(nome)) qputenv(nome, valor);
}

}  // namespace

int main(int argc, char** argv) {
  Padrao("QT_QPA_PLATFORM", "offscreen");
  Padrao("QTWEBENGINE_DISABLE_SANDBOX", "1");
  Padrao("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
  testing::InitGoogleMock(&argc, argv);
  const int resultado = RUN_ALL_TESTS();
  // The test application is never destroyed (tests share it, and windows kept
  // in the programs' globals outlive any one test), so the browser engine's
  // own exit handlers would tear down under a live application and may abort
  // the process after every case has passed.  Leave without them.
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(resultado);
}
