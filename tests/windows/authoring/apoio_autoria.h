// What the tests of the authoring spine share: a program folder of their
// own with the globals pointed at it, and helpers that answer the next modal
// window of a given class.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/principal.h"
#include "files/pastas.h"
#include "files/texto.h"
#include "platform/escala.h"
#include "support/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"

namespace teste {

using apoio::QuandoAbrir;

// Answers the next message box with `botao`, keeping what it showed.
inline void Responde(QMessageBox::StandardButton botao, apoio::Mensagem* vista) {
  QuandoAbrir<QMessageBox>([botao, vista](QMessageBox* caixa) {
    if (vista) *vista = apoio::Vista(caixa);
    caixa->done(botao);
  });
}

// A program folder of the test's own; the screen is the design screen, so
// no window is scaled.
class ProgramaTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    apoio::Aplicacao();
    dirAntes_ = QDir::currentPath();
    platform::DefineTela({640, 480, 120});
    pravo::ReiniciaGlobais();
    pravo::RegistraJanelasAutoria();
    pravo::DirPrograma = files::DirProgramaDe(pasta.caminho());
    pravo::ArqConfig = files::ArqConfigDe(pravo::DirPrograma);
  }
  void TearDown() override {
    // Answers that found no window are not left for the next test.
    for (QTimer* t : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) delete t;
    pravo::DestroiJanelas();
    pravo::ReiniciaGlobais();
    platform::UsaTelaReal();
    QDir::setCurrent(dirAntes_);
  }

  // Makes a folder below the program folder.
  void Pasta(const QString& relativo) const { QDir().mkpath(pasta.caminho() + relativo); }
  QString Real(const QString& caminho) const { return files::ResolveCaminho(caminho); }

  apoio::PastaTemporaria pasta;

 private:
  QString dirAntes_;
};

}  // namespace teste
