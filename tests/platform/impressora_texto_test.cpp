// The printer text channel: lines go down the page in the channel's font, a
// form feed and a full page each start a new page, closing ends the job.
// Printed to PDF files, whose pages are counted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/impressora_texto.h"
#include "support/aplicacao.h"
#include "support/pdf.h"

namespace {

using apoio::PaginasDoPdf;

// The application exists before any printer does.
struct ComAplicacao {
  ComAplicacao() { apoio::Aplicacao(); }
};

class Canal : public ::testing::Test, private ComAplicacao {
 protected:
  void SetUp() override {
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(Pdf());
    fonte.setFamilies({"Liberation Serif", "DejaVu Serif"});
    fonte.setPointSize(12);
    fonte.setItalic(true);
  }
  QString Pdf() const { return dir.path() + "/saida.pdf"; }

  // Lines of the font that fit on one page of the printer.
  int LinhasPorPagina() {
    const QFontMetrics m(QFont(fonte, &impressora), &impressora);
    const int altura = impressora.pageLayout().paintRectPixels(impressora.resolution()).height();
    return altura / m.lineSpacing();
  }

  QTemporaryDir dir;
  QPrinter impressora{QPrinter::HighResolution};
  QFont fonte;
};

TEST_F(Canal, FormFeedsStartNewPagesAndClosingEndsTheJob) {
  struct Caso {
    QStringList linhas;
    int paginas;
  } casos[] = {
      {{}, 1},                                        // an empty job still sends its page
      {{"uma linha", "outra"}, 1},
      {{"a", QString(QChar(12)), "", "b"}, 2},        // the report viewer's page break
      {{"antes\x0c" "depois"}, 2},                    // text after the feed goes on the new page
      {{"\x0c", "\x0c", "x"}, 3},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.linhas.join('|').toStdString());
    QFile::remove(Pdf());
    platform::ImpressoraTexto canal(impressora);
    canal.DefineFonte(fonte);
    ASSERT_TRUE(canal.Abre());
    for (const QString& l : c.linhas) canal.EscreveLinha(l);
    EXPECT_EQ(canal.paginas(), c.paginas);
    canal.Fecha();
    EXPECT_FALSE(canal.aberta());
    EXPECT_EQ(PaginasDoPdf(Pdf()), c.paginas);
  }
}

TEST_F(Canal, AFullPageGoesOnToTheNext) {
  const int porPagina = LinhasPorPagina();
  ASSERT_GT(porPagina, 10);
  for (int n : {porPagina, porPagina + 1, 2 * porPagina + 1}) {
    SCOPED_TRACE(n);
    QFile::remove(Pdf());
    platform::ImpressoraTexto canal(impressora);
    canal.DefineFonte(fonte);
    ASSERT_TRUE(canal.Abre());
    for (int i = 0; i < n; ++i) canal.EscreveLinha(QStringLiteral("linha %1").arg(i));
    canal.Fecha();
    EXPECT_EQ(PaginasDoPdf(Pdf()), (n + porPagina - 1) / porPagina);
  }
}

TEST_F(Canal, LinesAreDrawnInTheChannelsFont) {
  platform::ImpressoraTexto canal(impressora);
  canal.DefineFonte(fonte);
  ASSERT_TRUE(canal.Abre());
  canal.EscreveLinha(QStringLiteral("Relatório de Maria"));
  canal.Fecha();
  QFile f(Pdf());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.contains("LiberationSerif-Italic")) << "the italic serif font is embedded";
}

TEST_F(Canal, WritingWhileClosedDoesNothingAndAPrinterThatCannotStartIsReported) {
  platform::ImpressoraTexto fechado(impressora);
  fechado.EscreveLinha("nada");
  EXPECT_FALSE(fechado.aberta());
  EXPECT_FALSE(QFile::exists(Pdf()));

  QPrinter ruim(QPrinter::HighResolution);
  ruim.setOutputFormat(QPrinter::PdfFormat);
  ruim.setOutputFileName(dir.path() + "/nao/existe/saida.pdf");
  platform::ImpressoraTexto canal(ruim);
  EXPECT_FALSE(canal.Abre());
  EXPECT_FALSE(canal.aberta());
  canal.EscreveLinha("nada");
  canal.Fecha();
}

}  // namespace
