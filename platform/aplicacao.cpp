#include "platform/aplicacao.h"

#include <QMessageBox>
#include <QWindow>
#include <QtGlobal>
#include <stdexcept>

#include "files/arquivo_registros.h"
#include "platform/idioma.h"

namespace platform {

void MostraErro(QWidget* dono, const QString& titulo, const std::exception& erro) {
  QMessageBox caixa(QMessageBox::Critical, titulo, QString::fromUtf8(erro.what()), QMessageBox::Ok,
                    dono);
  caixa.setTextFormat(Qt::PlainText);
  if (const auto* es = dynamic_cast<const files::IoError*>(&erro); es && !es->path().isEmpty())
    caixa.setInformativeText(es->path());
  caixa.exec();
}

void PreparaAmbiente() {
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
  // The pages shown in the browser are text and pictures, and the videos are
  // small: software drawing shows them sooner than OpenGL, whose start alone
  // (on the many machines with no graphics acceleration) would hold the
  // program back by a fifth of a second.  Settings of the user's own are
  // kept.
  if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
  if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  // The browser engine, loaded later, finds the shared context it asks for
  // (without OpenGL an empty one, made at once).
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void PoeNaFrente(QWidget* janela) {
  if (!janela || !janela->isWindow()) return;
  const Qt::WindowType tipo = janela->windowType();
  if (tipo != Qt::Window && tipo != Qt::Dialog) return;
  if (janela->testAttribute(Qt::WA_ShowWithoutActivating) ||
      (janela->windowFlags() & Qt::WindowDoesNotAcceptFocus))
    return;
  QWindow* nativa = janela->windowHandle();
  if (nativa && !nativa->transientParent() && janela->isModal()) {
    QWidget* ativa = QApplication::activeWindow();
    if (ativa && ativa != janela && ativa->windowHandle()) nativa->setTransientParent(ativa->windowHandle());
  }
  // The offscreen screen of the tests has no stack, and says so at every raise.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) janela->raise();
  janela->activateWindow();
}

Aplicacao::Aplicacao(int& argc, char** argv, const QString& titulo, const QString& semTexto)
    : QApplication(argc, argv), titulo_(titulo), semTexto_(semTexto) {
  UsaPortugues();
}

bool Aplicacao::notify(QObject* destino, QEvent* evento) {
  try {
    const bool feito = QApplication::notify(destino, evento);
    if (evento->type() == QEvent::Show && !evento->spontaneous() && destino->isWidgetType())
      PoeNaFrente(static_cast<QWidget*>(destino));
    return feito;
  } catch (const std::exception& erro) {
    MostraErro(activeWindow(), titulo_, erro);
  } catch (...) {
    MostraErro(activeWindow(), titulo_, std::runtime_error(semTexto_.toStdString()));
  }
  return false;
}

}  // namespace platform
