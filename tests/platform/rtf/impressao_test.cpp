// Format-range printing: a document is laid page after page into one
// rectangle, each page going on from the first line that did not fit.
#include "platform/rtf/impressao.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/rtf/leitor.h"
#include "support/aplicacao.h"
#include "support/pasta_temporaria.h"

namespace {

class AmbienteQt : public ::testing::Environment {
 public:
  void SetUp() override { apoio::Aplicacao(); }
};
const auto* const kAmbiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

// Lines of 12-point text, each numbered.
QByteArray Linhas(int n) {
  QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 ";
  for (int i = 1; i <= n; ++i) rtf += "Linha " + QByteArray::number(i) + " do texto\\par ";
  return rtf + "}";
}

// The ink on a page: the smallest rectangle holding every non-white pixel.
QRect Tinta(const QImage& img) {
  int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* l = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if (qGray(l[x]) < 200) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
      }
  }
  return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// Prints on 100-dpi page images of 850 x 1100 pixels.
std::vector<QImage> Imprime(const QTextDocument& doc, const QRect& retTwips) {
  std::vector<QImage> paginas;
  QImage pagina(850, 1100, QImage::Format_RGB32);
  pagina.setDotsPerMeterX(3937);
  pagina.setDotsPerMeterY(3937);
  pagina.fill(Qt::white);
  QPainter p(&pagina);
  const int n = platform::ImprimeIntervalo(p, doc, retTwips, [&] {
    paginas.push_back(pagina.copy());
    pagina.fill(Qt::white);
    return true;
  });
  p.end();
  paginas.push_back(pagina);
  EXPECT_EQ(n, int(paginas.size()));
  return paginas;
}

TEST(Impressao, CadaPaginaNoMesmoRetangulo) {
  // The hypertext page's rectangle: a tenth of the width at each side, from
  // a third of the height down to the bottom.
  const QRect ret(QPoint(1224, 5280), QPoint(11016, 15840));  // twips of 8.5 x 11 in
  QTextDocument doc;
  // 7.33 in of 12-point lines, about 37 lines a page: 100 lines are three pages.
  platform::LeRTF(Linhas(100), &doc);
  const std::vector<QImage> paginas = Imprime(doc, ret);
  ASSERT_EQ(paginas.size(), 3u);
  const QRect retPx(QPoint(ret.left() * 100 / 1440, ret.top() * 100 / 1440),
                    QPoint(ret.right() * 100 / 1440, ret.bottom() * 100 / 1440));
  std::vector<QRect> tintas;
  for (const QImage& img : paginas) {
    const QRect t = Tinta(img);
    ASSERT_FALSE(t.isNull());
    EXPECT_TRUE(retPx.adjusted(-1, -1, 1, 1).contains(t)) << t.x() << "," << t.y() << " " << t.width() << "x" << t.height();
    tintas.push_back(t);
  }
  // Every page starts at the rectangle's top and left, as the first does.
  EXPECT_LT(tintas[0].top() - retPx.top(), 12);
  EXPECT_NEAR(tintas[1].top(), tintas[0].top(), 2);
  EXPECT_NEAR(tintas[2].top(), tintas[0].top(), 2);
  EXPECT_NEAR(tintas[1].left(), tintas[0].left(), 2);
  // The last page holds the rest only.
  EXPECT_LT(tintas[2].height(), tintas[0].height());
  // The document shown is not touched by printing.
  EXPECT_EQ(doc.documentMargin(), QTextDocument().documentMargin());
}

TEST(Impressao, NenhumaLinhaSePerdeNemSeRepete) {
  // A page of exactly the height of n lines holds those n lines: the text
  // printed on all pages is the text of the document, once.
  QTextDocument doc;
  platform::LeRTF(Linhas(60), &doc);
  QTextDocument copia;
  copia.setDocumentMargin(0);
  platform::LeRTF(Linhas(60), &copia);
  const QRect ret(0, 0, 9000, 4000);
  copia.setPageSize(QSizeF(platform::TwipsParaDoc(9000), platform::TwipsParaDoc(4000)));
  const int esperadas = copia.pageCount();
  EXPECT_GE(esperadas, 3);
  EXPECT_EQ(int(Imprime(doc, ret).size()), esperadas);
}

TEST(Impressao, DocumentoVazioImprimeUmaPagina) {
  // Also when its one empty paragraph is a list item, as a file cut right
  // after \ls1 reads: then the item's marker is on the page.
  for (const QByteArray& rtf : {QByteArray(), QByteArray("{\\rtf1\\ls1")}) {
    QTextDocument doc;
    if (!rtf.isEmpty()) platform::LeRTF(rtf, &doc);
    const std::vector<QImage> paginas = Imprime(doc, QRect(0, 0, 9000, 9000));
    ASSERT_EQ(paginas.size(), 1u) << rtf.toStdString();
    EXPECT_EQ(Tinta(paginas[0]).isNull(), rtf.isEmpty()) << rtf.toStdString();
  }
}

TEST(Impressao, ImprimeRTFNumPDFDeTresPaginas) {
  apoio::PastaTemporaria pasta;
  const QString pdf = pasta.caminho() + "saida.pdf";
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(pdf);
  impressora.setPageSize(QPageSize(QPageSize::A4));
  impressora.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

  // The whole printable area in twips: 190 x 277 mm.
  const QRect ret = platform::RetanguloPaginaTwips(impressora);
  EXPECT_NEAR(ret.width(), 190 / 25.4 * 1440, 30);
  EXPECT_NEAR(ret.height(), 277 / 25.4 * 1440, 30);

  // Lines per page: measure with a copy laid out the same way.
  QTextDocument medida;
  medida.setDocumentMargin(0);
  platform::LeRTF(Linhas(10), &medida);
  medida.setPageSize(QSizeF(platform::TwipsParaDoc(ret.width()), 1e9));
  const double alturaLinha = medida.documentLayout()->documentSize().height() / 11.0;
  const int porPagina = int(platform::TwipsParaDoc(ret.height()) / alturaLinha);

  QTextDocument doc;
  platform::LeRTF(Linhas(porPagina * 2 + porPagina / 2), &doc);
  ASSERT_TRUE(platform::ImprimeRTF(impressora, "Teste", doc));

  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  const auto paginas = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(bytes));
  int n = 0;
  for (auto it = paginas; it.hasNext(); it.next()) ++n;
  EXPECT_EQ(n, 3);
}

}  // namespace
