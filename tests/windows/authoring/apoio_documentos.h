// What the document-editor tests share: a program folder (the authoring
// spine's fixture) on a 1024 x 768 screen at 96 dpi, showing an editor
// without its modal loop, and answering the file dialogs and message boxes
// its commands open, one after the other.
#pragma once

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

#include "authoring/documents/browser.h"
#include "authoring/documents/editor_documento.h"
#include "authoring/janelas.h"
#include "support/modal.h"
#include "windows/authoring/apoio_autoria.h"

namespace teste {

using Resposta = std::function<void(QWidget*)>;

// A message box answered with the button; what it showed is kept.
inline Resposta Botao(QMessageBox::StandardButton botao, apoio::Mensagem* vista = nullptr,
                      bool* padraoNao = nullptr) {
  return [botao, vista, padraoNao](QWidget* w) {
    auto* caixa = qobject_cast<QMessageBox*>(w);
    if (!caixa) return;
    if (vista) *vista = apoio::Vista(caixa);
    if (padraoNao) *padraoNao = static_cast<QAbstractButton*>(caixa->defaultButton()) == caixa->button(QMessageBox::No);
    caixa->done(botao);
  };
}

// A file dialog given the name (as the author types it) and OK.
inline Resposta Arquivo(const QString& nome, QString* titulo = nullptr) {
  return [nome, titulo](QWidget* w) {
    auto* d = qobject_cast<QFileDialog*>(w);
    if (!d) return;
    if (titulo) *titulo = d->windowTitle();
    // Typed in the name field, as the author would; whatever the list had
    // selected before does not count.
    d->selectFile(nome);
    if (auto* campo = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) campo->setText(nome);
    // The dialog's own OK (accept is not public in QFileDialog).
    QMetaObject::invokeMethod(d, "accept", Qt::DirectConnection);
  };
}

// Any window closed with Cancel.
inline Resposta Cancela() {
  return [](QWidget* w) {
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
  };
}

class TesteDocumentos : public ProgramaTeste {
 protected:
  void SetUp() override {
    ProgramaTeste::SetUp();
    platform::DefineTela({1024, 768, 96});
  }

  // Shows the editor as the chooser would, without its modal loop, and
  // waits for its activation.
  static void Mostra(pravo::EditorDocumento* editor) {
    editor->show();
    ASSERT_TRUE(apoio::Espera([editor] { return editor->ativado(); }));
  }

  // Shows the editor with the preview window its "Visualizar" opens, made
  // as the splash makes it.
  static void MostraComPrevia(pravo::EditorDocumento* editor) {
    pravo::RegistraJanela("TfrmBrowser", [](QWidget* dono) { return new pravo::TfrmBrowser(dono); });
    pravo::CriaJanelas(nullptr);
    Mostra(editor);
  }
  // Closes it without the save question, frees it and forgets the preview
  // window.
  template <class Editor>
  static void FechaComPrevia(std::unique_ptr<Editor>& editor) {
    editor->Editor->document()->setModified(false);
    editor->close();
    editor.reset();
    pravo::EsqueceJanela("TfrmBrowser");
  }

  // Runs the command while the answers are given, each to the next modal
  // window that opens; the number of answers that found their window.
  static int Responde(std::vector<Resposta> respostas, const std::function<void()>& comando) {
    int dadas = 0;
    std::vector<Resposta> contadas;
    for (Resposta& r : respostas)
      contadas.push_back([r, &dadas](QWidget* w) {
        ++dadas;
        r(w);
      });
    apoio::Respostas(contadas);
    comando();
    // Answers that found no window are not left for the next command.
    for (QTimer* t : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) delete t;
    return dadas;
  }
  // True when every answer found its window.
  static bool Com(std::vector<Resposta> respostas, const std::function<void()>& comando) {
    const int esperadas = int(respostas.size());
    return Responde(std::move(respostas), comando) == esperadas;
  }
};

}  // namespace teste
