// The HTML editor (unit Html): a plain-text editor for the HTML source of
// the teacher's pages, on the rich-text editor's skeleton, with "&Visualizar"
// to see the saved file in the browser.  It generates no markup.
#pragma once

#include <QString>
#include <optional>

#include "authoring/documents/editor_documento.h"
#include "authoring/documents/texto_html.h"

namespace pravo {

// The HTML editor's document name (full path, or "SemNome"): what the
// preview shows.
extern QString CurrentHtmlFile;

class TfrmHTML : public EditorDocumento {
  Q_OBJECT
 public:
  explicit TfrmHTML(QWidget* dono = nullptr);

  QAction* Visualizar1;

  QString DocumentName() const override { return CurrentHtmlFile; }
  void SetDocumentName(const QString& nome) override;
  void SelectFont() override;
  void Visualizar1Click();

  // How the current file was found (its encoding and line endings).
  const FormaHTML& forma() const { return lido_.forma; }

 protected:
  void PoeConteudo(const QByteArray& bytes) override;
  QByteArray Conteudo() const override;
  void Esvazia() override;
  void AposArquivo() override;
  void AposNovo() override;
  void FormActivate() override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

 private:
  ArquivoHTML lido_;  // the file as it was read or last saved, for its line endings
  mutable std::optional<ArquivoHTML> gravando_;  // what the save in progress writes
};

}  // namespace pravo
