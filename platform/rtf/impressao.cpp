#include "platform/rtf/impressao.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <memory>

#include "platform/rtf/leitor.h"

namespace platform {

QRect RetanguloPaginaTwips(const QPaintDevice& dispositivo) {
  const int dpiX = std::max(1, dispositivo.logicalDpiX());
  const int dpiY = std::max(1, dispositivo.logicalDpiY());
  return QRect(QPoint(0, 0), QPoint(int(qint64(dispositivo.width()) * 1440 / dpiX),
                                    int(qint64(dispositivo.height()) * 1440 / dpiY)));
}

namespace {

// QTextDocument::clone() copies an empty document's one block format as it
// stands, and when that block is a list item the copy's block points at a
// list the copy does not have (Qt 6.4 crashes on it).  Such a document is
// copied here by hand, its list made anew.
QTextDocument* Copia(const QTextDocument& doc, QObject* pai) {
  const QTextBlock bloco = doc.firstBlock();
  if (!doc.isEmpty() || !bloco.textList()) return doc.clone(pai);
  auto* copia = new QTextDocument(pai);
  copia->setDefaultFont(doc.defaultFont());
  copia->setDefaultTextOption(doc.defaultTextOption());
  copia->setIndentWidth(doc.indentWidth());
  copia->rootFrame()->setFrameFormat(doc.rootFrame()->frameFormat());
  QTextBlockFormat formato = bloco.blockFormat();
  formato.clearProperty(QTextFormat::ObjectIndex);
  QTextCursor cursor(copia);
  cursor.setBlockFormat(formato);
  cursor.setBlockCharFormat(bloco.charFormat());
  cursor.createList(bloco.textList()->format());
  return copia;
}

}  // namespace

int ImprimeIntervalo(QPainter& pintor, const QTextDocument& doc, const QRect& retTwips,
                     const std::function<bool()>& novaPagina) {
  QPaintDevice* dispositivo = pintor.device();
  if (!dispositivo || retTwips.width() <= 0 || retTwips.height() <= 0) return 0;
  const double dpiX = std::max(1, dispositivo->logicalDpiX());
  const double dpiY = std::max(1, dispositivo->logicalDpiY());
  const double dpiDoc = DpiDocumento();

  // The document is laid out at its own resolution on a copy, cut into
  // pages of the rectangle's size (a line that does not fit starts the next
  // page), and each page is drawn scaled to the device.
  auto* original = const_cast<QTextDocument*>(&doc);
  std::unique_ptr<QTextDocument> copia(Copia(doc, original));  // pictures come from the original
  copia->setDocumentMargin(0);
  const QSizeF pagina(retTwips.width() * dpiDoc / 1440.0, retTwips.height() * dpiDoc / 1440.0);
  copia->setPageSize(pagina);
  const int paginas = std::max(1, copia->pageCount());
  const QPointF origem(retTwips.left() * dpiX / 1440.0, retTwips.top() * dpiY / 1440.0);

  int feitas = 0;
  for (int i = 0; i < paginas; ++i) {
    if (i > 0 && !novaPagina()) break;
    const QRectF visivel(0, i * pagina.height(), pagina.width(), pagina.height());
    pintor.save();
    pintor.translate(origem);
    pintor.scale(dpiX / dpiDoc, dpiY / dpiDoc);
    pintor.translate(0, -visivel.top());
    pintor.setClipRect(visivel);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = visivel;
    contexto.palette.setColor(QPalette::Text, Qt::black);
    copia->documentLayout()->draw(&pintor, contexto);
    pintor.restore();
    ++feitas;
  }
  return feitas;
}

bool ImprimeRTF(QPrinter& impressora, const QString& titulo, const QTextDocument& doc,
                const QRect& retPagina) {
  impressora.setDocName(titulo);
  QPainter pintor;
  if (!pintor.begin(&impressora)) return false;
  QRect ret = RetanguloPaginaTwips(impressora);
  if (!retPagina.isEmpty()) {
    const int dpiX = std::max(1, impressora.logicalDpiX());
    const int dpiY = std::max(1, impressora.logicalDpiY());
    ret = QRect(QPoint(int(qint64(retPagina.left()) * 1440 / dpiX), int(qint64(retPagina.top()) * 1440 / dpiY)),
                QPoint(int(qint64(retPagina.right()) * 1440 / dpiX), int(qint64(retPagina.bottom()) * 1440 / dpiY)));
  }
  ImprimeIntervalo(pintor, doc, ret, [&impressora] { return impressora.newPage(); });
  pintor.end();
  return true;
}

}  // namespace platform
