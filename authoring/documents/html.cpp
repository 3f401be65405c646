#include "authoring/documents/html.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <utility>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenuBar>
#include <QTextDocument>

#include "authoring/formulario.h"
#include "authoring/janelas.h"

namespace pravo {

QString CurrentHtmlFile = kSemNome;

TfrmHTML::TfrmHTML(QWidget* dono)
    : EditorDocumento({QStringLiteral("Arquivos HTML (*.htm*)"), QStringLiteral("html")}, dono) {
  setObjectName(QStringLiteral("frmHTML"));

  Visualizar1 = MainMenu->addAction(QStringLiteral("&Visualizar"));
  Visualizar1->setObjectName(QStringLiteral("Visualizar1"));
  Visualizar1->setEnabled(false);
  connect(Visualizar1, &QAction::triggered, this, [this] { Protege([this] { Visualizar1Click(); }); });

  // The source as plain text, in a fixed-pitch face, lines unwrapped.
  Editor->setAcceptRichText(false);
  Editor->setLineWrapMode(QTextEdit::NoWrap);
  Editor->setFont(FonteDesenho(QStringLiteral("Courier New"), 17));
  Editor->document()->setDefaultFont(Editor->font());
  // The window takes no dropped files (text dragged within the page still
  // moves).
  Editor->viewport()->installEventFilter(this);

  SetDocumentName(kSemNome);
}

bool TfrmHTML::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == Editor->viewport() &&
      (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove || e->type() == QEvent::Drop)) {
    auto* arrasto = static_cast<QDropEvent*>(e);
    const QList<QUrl> urls = arrasto->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); })) {
      arrasto->setDropAction(Qt::IgnoreAction);
      arrasto->ignore();
      return true;
    }
  }
  return EditorDocumento::eventFilter(objeto, e);
}

void TfrmHTML::SetDocumentName(const QString& nome) {
  CurrentHtmlFile = nome;
  setWindowTitle(QStringLiteral("Editor de Arquivos HTML - ") + QFileInfo(nome).fileName());
}

void TfrmHTML::FormActivate() {
  // Unlike the rich-text editor, a new showing asks before it clears what
  // the last one left unsaved.
  Visualizar1->setEnabled(false);
  FileNew();
}

void TfrmHTML::PoeConteudo(const QByteArray& bytes) {
  ArquivoHTML arquivo = LeHTML(bytes);
  Editor->setPlainText(arquivo.texto);
  lido_ = std::move(arquivo);
  gravando_.reset();
}

QByteArray TfrmHTML::Conteudo() const {
  // The raw text keeps the non-breaking spaces that toPlainText would turn
  // into blanks.
  QString texto = Editor->document()->toRawText();
  texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  texto.replace(QChar::LineSeparator, QLatin1Char('\n'));
  QByteArray bytes = GravaHTML(texto, lido_.forma, lido_);
  // Once written, the file is what the next save keeps the endings of.
  gravando_ = LeHTML(bytes);
  return bytes;
}

void TfrmHTML::Esvazia() {
  EditorDocumento::Esvazia();
  lido_ = ArquivoHTML();
  gravando_.reset();
}

void TfrmHTML::AposArquivo() {
  if (gravando_) lido_ = *std::exchange(gravando_, std::nullopt);
  Visualizar1->setEnabled(true);
}
void TfrmHTML::AposNovo() { Visualizar1->setEnabled(false); }

void TfrmHTML::SelectFont() {
  // A display setting only: nothing of it is saved.
  QFontDialog dialogo(Editor->font(), this);
  dialogo.setOption(QFontDialog::DontUseNativeDialog);
  dialogo.setWindowTitle(QStringLiteral("Fonte"));
  if (dialogo.exec() == QDialog::Accepted) Editor->setFont(dialogo.selectedFont());
  Editor->setFocus();
}

void TfrmHTML::Visualizar1Click() {
  // The preview shows the file as it is on disk.
  if (!ConfirmSaveChanges()) return;
  if (QDialog* previa = Janela(QStringLiteral("TfrmBrowser"))) previa->exec();
}

}  // namespace pravo
