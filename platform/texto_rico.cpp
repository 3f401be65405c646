#include "platform/texto_rico.h"

#include <QPointer>
#include <QPrinter>
#include <QTextDocument>

#include "platform/impressao.h"
#include "platform/rtf_leitor.h"

namespace platform {

TextoRico::TextoRico(QWidget* pai) : QTextEdit(pai) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setUndoRedoEnabled(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setAcceptRichText(true);
}

bool TextoRico::Carrega(const QString& caminho) {
  // The document is read apart, where no layout follows each insertion,
  // and handed to the control whole: laid out once, as far as it is shown.
  const QPointer<QTextDocument> atual = document();
  auto* novo = new QTextDocument(this);
  novo->setUndoRedoEnabled(false);
  novo->setDefaultFont(atual->defaultFont());
  novo->setDefaultTextOption(atual->defaultTextOption());
  novo->setDocumentMargin(atual->documentMargin());
  novo->setIndentWidth(atual->indentWidth());
  novo->setUseDesignMetrics(atual->useDesignMetrics());
  const bool ok = CarregaTextoRico(caminho, novo);
  setDocument(novo);
  // The document replaced goes (the control itself frees only the one it
  // began with).
  if (atual && atual->parent() == this) delete atual.data();
  moveCursor(QTextCursor::Start);
  ensureCursorVisible();
  return ok;
}

void TextoRico::Limpa() { document()->clear(); }

bool TextoRico::Imprime(const QString& titulo) {
  QPrinter impressora(QPrinter::HighResolution);
  return ImprimeRTF(impressora, titulo, *document());
}

}  // namespace platform
