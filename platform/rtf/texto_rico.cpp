#include "platform/rtf/texto_rico.h"

#include <QAbstractTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>
#include <limits>
#include <QTextDocument>

#include "platform/rtf/leitor.h"

namespace platform {

namespace {

// The reading of a long document goes on a piece of this many bytes at each
// turn of the event loop: some tens of milliseconds of reading and layout
// (a table's 1,200 rows), so the page answers while the rest comes in, and
// few enough pieces that repainting the screen after each costs little.
// The first piece, read before the page shows, doubles until it fills the
// screen.
constexpr qsizetype kBytesPorEtapa = 64 * 1024;
constexpr qsizetype kPrimeiraEtapa = 16 * 1024;

}  // namespace

TextoRico::TextoRico(QWidget* pai) : QTextEdit(pai) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setUndoRedoEnabled(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setAcceptRichText(true);
  etapa_.setInterval(0);
  connect(&etapa_, &QTimer::timeout, this, [this] {
    if (!leitura_ || !leitura_->Continua(kBytesPorEtapa)) ParaLeitura();
  });
}

TextoRico::~TextoRico() = default;

bool TextoRico::Carrega(const QString& caminho) {
  ParaLeitura();
  // The document is read apart, where no layout follows each insertion,
  // and handed to the control laid out as far as it is shown.  A long one
  // is handed over once its first screen is read; the rest is read into
  // it afterwards, a piece at a time (see kBytesPorEtapa).
  const QPointer<QTextDocument> atual = document();
  auto* novo = new QTextDocument(this);
  novo->setUndoRedoEnabled(false);
  novo->setDefaultFont(atual->defaultFont());
  novo->setDefaultTextOption(atual->defaultTextOption());
  novo->setDocumentMargin(atual->documentMargin());
  novo->setIndentWidth(atual->indentWidth());
  novo->setUseDesignMetrics(atual->useDesignMetrics());
  QByteArray bytes;
  const bool ok = LeArquivoTextoRico(caminho, &bytes);
  leitura_ = ComecaTextoRico(std::move(bytes), novo, OpcoesRTF{kLinhasPorTabelaVista});
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
  if (leitura_) etapa_.start();
  return ok;
}

void TextoRico::TerminaCarga() {
  if (leitura_) leitura_->Continua(std::numeric_limits<qsizetype>::max());
  ParaLeitura();
}

void TextoRico::ParaLeitura() {
  etapa_.stop();
  leitura_.reset();
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
  const auto transborda = [&] {
    for (int pos = 1024;; pos *= 2) {
      const QTextBlock b = doc->findBlock(std::min(pos, doc->characterCount() - 1));
      if (layout->blockBoundingRect(b).bottom() > altura) return true;
      if (pos >= doc->characterCount()) return false;
    }
  };
  // A document still being read is read on until it overflows the screen
  // or ends.
  bool mais = leitura_ && leitura_->Continua(kPrimeiraEtapa);
  bool cheio = transborda();
  for (qsizetype pedaco = kPrimeiraEtapa * 2; mais && !cheio; pedaco *= 2) {
    mais = leitura_->Continua(pedaco);
    cheio = transborda();
  }
  if (!mais) leitura_.reset();
  if (cheio) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  } else {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    doc->setTextWidth(semBarra);
  }
}

void TextoRico::Limpa() {
  ParaLeitura();
  document()->clear();
}

}  // namespace platform
