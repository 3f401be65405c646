#include "platform/texto_rico.h"

#include <QPrinter>

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
  const bool ok = CarregaTextoRico(caminho, document());
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
