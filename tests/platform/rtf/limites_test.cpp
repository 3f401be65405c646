// Rich text from careless or hostile files: pictures over the picture limits
// and over the document's picture memory, and tables of many rows.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <ctime>

#include "platform/rtf/leitor.h"
#include "support/aplicacao.h"

namespace {

class RtfLimites : public ::testing::Test {
 protected:
  RtfLimites() { apoio::Aplicacao(); }
};

// A small JPEG whose header declares another size: libjpeg fills the data
// that is missing, so it decodes at the declared size.
QByteArray JpegDeclarando(int largura, int altura) {
  QImage img(16, 16, QImage::Format_RGB32);
  img.fill(Qt::darkGreen);
  QByteArray b;
  QBuffer buffer(&b);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, "JPG");
  const int sof = int(b.indexOf("\xFF\xC0"));
  EXPECT_GT(sof, 0);
  b[sof + 5] = char(altura >> 8);
  b[sof + 6] = char(altura & 0xFF);
  b[sof + 7] = char(largura >> 8);
  b[sof + 8] = char(largura & 0xFF);
  return b;
}

QByteArray Figura(const QByteArray& jpeg) {
  return "{\\pict\\jpegblip\\picwgoal2880\\pichgoal1440 " + jpeg.toHex() + "}";
}

struct FiguraLida {
  QSize imagem;  // of the picture held by the document
  QSizeF mostrada;
};

QList<FiguraLida> Figuras(QTextDocument& doc) {
  QList<FiguraLida> r;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      if (!f.isImageFormat()) continue;
      const QTextImageFormat fi = f.toImageFormat();
      const QImage img = doc.resource(QTextDocument::ImageResource, QUrl(fi.name())).value<QImage>();
      r.append({img.size(), QSizeF(fi.width(), fi.height())});
    }
  return r;
}

TEST_F(RtfLimites, APictureOverThePixelLimitIsAFrameOfItsDeclaredSize) {
  // 7000 x 7000 is within the side limit and over the pixel limit.
  QTextDocument doc;
  platform::LeRTF("{\\rtf1 antes " + Figura(JpegDeclarando(7000, 7000)) + Figura(JpegDeclarando(64, 48)) +
                      " depois\\par}",
                  &doc);
  EXPECT_TRUE(doc.toPlainText().contains("antes")) << doc.toPlainText().toStdString();
  EXPECT_TRUE(doc.toPlainText().contains("depois"));
  const QList<FiguraLida> figuras = Figuras(doc);
  ASSERT_EQ(figuras.size(), 2);
  EXPECT_LE(figuras[0].imagem.width() * figuras[0].imagem.height(), 64 * 64);
  EXPECT_EQ(figuras[1].imagem, QSize(64, 48));
  for (const FiguraLida& f : figuras) {
    EXPECT_NEAR(f.mostrada.width(), platform::TwipsParaDoc(2880), 0.01);
    EXPECT_NEAR(f.mostrada.height(), platform::TwipsParaDoc(1440), 0.01);
  }
}

TEST_F(RtfLimites, ADocumentTakesNoMoreThanItsPictureMemory) {
  // Five pictures of 25 million pixels, 100 MB each once decoded: the four
  // that fit in the document's 384 MiB are shown, the fifth is a frame.
  QByteArray rtf = "{\\rtf1 ";
  for (int i = 0; i < 5; ++i) rtf += Figura(JpegDeclarando(5000, 5000));
  QTextDocument doc;
  platform::LeRTF(rtf + " fim\\par}", &doc);
  EXPECT_TRUE(doc.toPlainText().contains("fim"));
  const QList<FiguraLida> figuras = Figuras(doc);
  ASSERT_EQ(figuras.size(), 5);
  qint64 pixels = 0;
  for (int i = 0; i < 5; ++i) {
    pixels += qint64(figuras[i].imagem.width()) * figuras[i].imagem.height();
    EXPECT_NEAR(figuras[i].mostrada.width(), platform::TwipsParaDoc(2880), 0.01) << i;
  }
  EXPECT_EQ(figuras[3].imagem, QSize(5000, 5000));
  EXPECT_LE(figuras[4].imagem.width() * figuras[4].imagem.height(), 64 * 64);
  EXPECT_LE(pixels * 4, qint64(384) << 20);
}

QByteArray Tabela(int linhas) {
  QByteArray rtf = "{\\rtf1\\ansi antes\\par ";
  for (int i = 0; i < linhas; ++i)
    rtf += "\\trowd\\cellx1500\\cellx3000\\cellx4500\\pard\\intbl r" + QByteArray::number(i) + "\\cell "
           "{\\b b}\\cell c\\cell\\row\n";
  return rtf + "\\pard depois\\par}";
}

double SegundosDeProcessador() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

double MelhorTempo(const QByteArray& rtf) {
  double melhor = 1e9;
  for (int vez = 0; vez < 3; ++vez) {
    QTextDocument doc;
    const double t0 = SegundosDeProcessador();
    platform::LeRTF(rtf, &doc);
    melhor = std::min(melhor, SegundosDeProcessador() - t0);
  }
  return melhor;
}

// The table is read whole: every row in place, and eight times the rows cost
// about eight times the work, not sixty-four (the processor time of this
// thread, the best of three, so other programs do not count).
TEST_F(RtfLimites, ALongTableIsReadInTimeThatGrowsWithItsRows) {
  QTextDocument doc;
  platform::LeRTF(Tabela(8000), &doc);
  QTextTable* tabela = nullptr;
  for (auto i = doc.rootFrame()->begin(); !i.atEnd() && !tabela; ++i)
    tabela = qobject_cast<QTextTable*>(i.currentFrame());
  ASSERT_NE(tabela, nullptr);
  EXPECT_EQ(tabela->rows(), 8000);
  EXPECT_EQ(tabela->columns(), 3);
  const QTextTableCell ultima = tabela->cellAt(7999, 0);
  EXPECT_EQ(ultima.firstCursorPosition().block().text(), "r7999");
  EXPECT_TRUE(ultima.firstCursorPosition().block().next().isValid());
  EXPECT_TRUE(doc.toPlainText().startsWith("antes"));
  EXPECT_TRUE(doc.toPlainText().trimmed().endsWith("depois"));

  const double pequena = MelhorTempo(Tabela(1000));
  const double grande = MelhorTempo(Tabela(8000));
  EXPECT_LT(grande, 24 * std::max(pequena, 1e-3)) << "1000 rows: " << pequena << " s, 8000 rows: " << grande << " s";
}

}  // namespace
