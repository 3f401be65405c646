#include "platform/rtf/texto_rico.h"

#include <QAbstractTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>
#include <QPrinter>
#include <QTextDocument>

#include "platform/rtf/impressao.h"
#include "platform/rtf/leitor.h"

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
  const bool ok = CarregaTextoRico(caminho, novo, OpcoesRTF{kLinhasPorTabelaVista});
  // What was shown goes first, so that a scroll bar put in place for the
  // new document lays nothing of the old one out again.
  if (!atual->isEmpty()) atual->clear();
  PreparaLargura(novo);
  ContaLayouts(novo);
  setDocument(novo);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The document replaced goes (the control itself frees only the one it
  // began with).
  if (atual && atual->parent() == this) delete atual.data();
  moveCursor(QTextCursor::Start);
  ensureCursorVisible();
  return ok;
}

void TextoRico::ContaLayouts(QTextDocument* doc) {
  // The width it was prepared at is its first.
  larguras_ = 1;
  ultimaLargura_ = doc->textWidth();
  connect(doc->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this, [this, doc] {
    if (doc->textWidth() == ultimaLargura_) return;
    ++larguras_;
    ultimaLargura_ = doc->textWidth();
  });
}

void TextoRico::PreparaLargura(QTextDocument* doc) {
  QScrollBar* barra = verticalScrollBar();
  const int semBarra = viewport()->width() + (barra->isVisible() ? barra->width() : 0);
  const int comBarra = semBarra - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, barra);
  const int altura = viewport()->height();
  // Laid out as far as one screen with the bar: when that overflows, the
  // bar shows and this is the width; else the whole document fits without
  // the bar.
  doc->setTextWidth(comBarra);
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  bool transborda = false;
  for (int pos = 1024;; pos *= 2) {
    const QTextBlock b = doc->findBlock(std::min(pos, doc->characterCount() - 1));
    if (layout->blockBoundingRect(b).bottom() > altura) {
      transborda = true;
      break;
    }
    if (pos >= doc->characterCount()) break;
  }
  if (transborda) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  } else {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    doc->setTextWidth(semBarra);
  }
}

void TextoRico::Limpa() { document()->clear(); }

bool TextoRico::Imprime(const QString& titulo) {
  QPrinter impressora(QPrinter::HighResolution);
  return ImprimeRTF(impressora, titulo, *document());
}

}  // namespace platform
