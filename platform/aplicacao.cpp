#include "platform/aplicacao.h"

#include <QMessageBox>
#include <QtGlobal>
#include <stdexcept>

#include "files/arquivo_registros.h"
#include "platform/idioma.h"

namespace platform {

void MostraErro(QWidget* dono, const QString& titulo, const std::exception& erro) {
  QMessageBox caixa(QMessageBox::Critical, titulo, QString::fromUtf8(erro.what()), QMessageBox::Ok,
                    dono);
  if (const auto* es = dynamic_cast<const files::IoError*>(&erro); es && !es->path().isEmpty())
    caixa.setInformativeText(es->path());
  caixa.exec();
}

void PreparaAmbiente() {
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

Aplicacao::Aplicacao(int& argc, char** argv, const QString& titulo, const QString& semTexto)
    : QApplication(argc, argv), titulo_(titulo), semTexto_(semTexto) {
  UsaPortugues();
}

bool Aplicacao::notify(QObject* destino, QEvent* evento) {
  try {
    return QApplication::notify(destino, evento);
  } catch (const std::exception& erro) {
    MostraErro(activeWindow(), titulo_, erro);
  } catch (...) {
    MostraErro(activeWindow(), titulo_, std::runtime_error(semTexto_.toStdString()));
  }
  return false;
}

}  // namespace platform
