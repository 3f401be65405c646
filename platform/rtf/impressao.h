// Laying a rich-text document out on a paged device: the rich-edit
// control's format-range printing.  Each page is rendered from the first
// line that did not fit on the page before, every page into the same
// rectangle.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPaintDevice;
class QPrinter;
class QTextDocument;

namespace platform {

// The printable area of a device in twips (1440 per inch): from (0, 0) to
// (width x 1440 div horizontal dpi, height x 1440 div vertical dpi).
QRect RetanguloPaginaTwips(const QPaintDevice& dispositivo);

// Renders the whole document on the painter's device into `retTwips`
// (twips from the painter's origin, the printable area's top-left), page
// after page; before every page but the first it calls `novaPagina`, and
// stops early when that fails.  The document itself is not touched.
// Returns the number of pages rendered (an empty document takes one).
int ImprimeIntervalo(QPainter& pintor, const QTextDocument& doc, const QRect& retTwips,
                     const std::function<bool()>& novaPagina);

// ImprimeRTF: a print job titled `titulo` on the printer, the document laid
// into the printer's whole printable area (no margins of our own), or into
// `retPagina` (device pixels) when it is not empty.  False when the job
// could not begin (no printer).
bool ImprimeRTF(QPrinter& impressora, const QString& titulo, const QTextDocument& doc,
                const QRect& retPagina = QRect());

}  // namespace platform
