#include "platform/rtf/texto_rico.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <memory>

#include "platform/rtf/escritor.h"
#include "platform/rtf/leitor.h"
#include "support/aplicacao.h"
#include "support/memoria.h"
#include "support/pasta_temporaria.h"

using namespace platform;

namespace {

QByteArray Tabela(int linhas) {
  QByteArray d = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\n";
  for (int i = 0; i < linhas; ++i)
    d += "\\trowd\\cellx2000\\cellx4000\\intbl L" + QByteArray::number(i) + "\\cell Veia\\cell\\row\n";
  return d + "\\pard\\par}";
}

QList<QTextTable*> Tabelas(QTextDocument* doc) {
  QList<QTextTable*> r;
  for (QTextFrame* f : doc->rootFrame()->childFrames())
    if (auto* t = qobject_cast<QTextTable*>(f)) r << t;
  return r;
}

// A table whose rows after the first part grow a third cell, between text
// and a list, then a short table.
QByteArray TabelaQueCresce() {
  QByteArray d = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\n"
                 "{\\pard Antes\\par}\n";
  for (int i = 0; i < 230; ++i) {
    d += "\\trowd\\cellx2000\\cellx4000" + QByteArray(i >= 150 ? "\\cellx5000" : "") + "\\intbl L" +
         QByteArray::number(i) + "\\cell {\\b Veia}\\cell" + QByteArray(i >= 150 ? " C\\cell" : "") + "\\row\n";
  }
  d += "\\pard {\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}\\fi-360\\li720 Item\\par\n";
  d += "\\pard\\trowd\\cellx3000\\intbl Fim\\cell\\row\\pard Depois\\par}";
  return d;
}

class TextoRicoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    apoio::Aplicacao();
    controle = std::make_unique<TextoRico>();
    re = controle.get();
    re->resize(600, 400);
    re->show();
    QApplication::processEvents();
  }
  void LayoutInteiro() {
    re->document()->documentLayout()->blockBoundingRect(re->document()->lastBlock());
    QApplication::processEvents();
  }
  apoio::PastaTemporaria pasta;
  std::unique_ptr<TextoRico> controle;
  TextoRico* re = nullptr;
};

// The control lays a long document out once: at the width it shows it at,
// its scroll bar in place before the document is handed over.  A document
// that fits is laid out at the whole width, without the bar.
TEST_F(TextoRicoTest, ADocumentIsLaidOutOnceAtItsShownWidth) {
  ASSERT_TRUE(re->Carrega(pasta.Escreve("longa.rtf", Tabela(300))));
  LayoutInteiro();
  re->resize(600, 400);  // the same size again changes nothing
  QApplication::processEvents();
  EXPECT_EQ(re->Layouts(), 1);
  EXPECT_TRUE(re->verticalScrollBar()->isVisible());
  EXPECT_EQ(re->document()->textWidth(), re->viewport()->width());

  ASSERT_TRUE(re->Carrega(pasta.Escreve("curta.rtf", Tabela(3))));
  LayoutInteiro();
  EXPECT_EQ(re->Layouts(), 1);
  EXPECT_FALSE(re->verticalScrollBar()->isVisible());
  EXPECT_EQ(re->document()->textWidth(), re->viewport()->width());

  // A new width is a new layout.
  re->resize(500, 400);
  QApplication::processEvents();
  LayoutInteiro();
  EXPECT_EQ(re->Layouts(), 2);
}

// A long table is shown as tables of a hundred rows one under the other,
// with nothing between them: the rows stand as in one table.  The reader
// gives an editor the table whole.
TEST_F(TextoRicoTest, ALongTableIsShownInPartsThatTouch) {
  ASSERT_TRUE(re->Carrega(pasta.Escreve("longa.rtf", Tabela(250))));
  LayoutInteiro();
  const QList<QTextTable*> partes = Tabelas(re->document());
  ASSERT_EQ(partes.size(), 3);
  EXPECT_EQ(partes[0]->rows(), kLinhasPorTabelaVista);
  EXPECT_EQ(partes[2]->rows(), 50);
  EXPECT_EQ(partes[2]->cellAt(49, 0).firstCursorPosition().block().text(), "L249");
  EXPECT_EQ(partes[1]->cellAt(0, 1).firstCursorPosition().block().text(), "Veia");
  QAbstractTextDocumentLayout* layout = re->document()->documentLayout();
  for (int i = 1; i < partes.size(); ++i)
    EXPECT_DOUBLE_EQ(layout->frameBoundingRect(partes[i]).top(), layout->frameBoundingRect(partes[i - 1]).bottom());

  QTextDocument inteira;
  LeRTF(Tabela(250), &inteira);
  ASSERT_EQ(Tabelas(&inteira).size(), 1);
  EXPECT_EQ(Tabelas(&inteira)[0]->rows(), 250);
}

// Read a piece at a time, of any size, a document comes out as read at
// once; the parts of a long table in the document before a later row widens
// it take the new column, with the width of the last, as one table would.
TEST(LeituraEmPartesTest, PiecesOfAnySizeGiveTheDocumentReadAtOnce) {
  apoio::Aplicacao();
  const QByteArray rtf = TabelaQueCresce();
  QTextDocument inteira;
  LeRTF(rtf, &inteira, {kLinhasPorTabelaVista});
  const QList<QTextTable*> partes = Tabelas(&inteira);
  ASSERT_EQ(partes.size(), 4);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(partes[i]->columns(), 3) << i;
    const QList<QTextLength> larguras = partes[i]->format().columnWidthConstraints();
    ASSERT_EQ(larguras.size(), 3) << i;
    EXPECT_EQ(larguras[2], larguras[1]) << i;
  }
  EXPECT_EQ(partes[0]->cellAt(99, 0).firstCursorPosition().block().text(), "L99");
  EXPECT_EQ(partes[1]->cellAt(50, 2).firstCursorPosition().block().text(), "C");
  EXPECT_TRUE(partes[0]->cellAt(0, 2).firstCursorPosition().block().text().isEmpty());
  EXPECT_EQ(partes[3]->rows(), 1);

  for (const qsizetype pedaco : {qsizetype(1), qsizetype(13), qsizetype(4096)}) {
    QTextDocument doc;
    doc.setUndoRedoEnabled(true);
    LeituraEmPartes leitura(rtf, &doc, {kLinhasPorTabelaVista});
    int pedacos = 1;
    while (leitura.Continua(pedaco)) ++pedacos;
    EXPECT_TRUE(leitura.Terminada());
    EXPECT_GT(pedacos, rtf.size() / (pedaco + 16)) << pedaco;  // a control word at a time
    EXPECT_EQ(doc.toPlainText(), inteira.toPlainText()) << pedaco;
    EXPECT_EQ(EscreveRTF(doc), EscreveRTF(inteira)) << pedaco;
    EXPECT_EQ(Tabelas(&doc).size(), 4) << pedaco;
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    EXPECT_FALSE(doc.isUndoAvailable());
  }
}

// A long document is handed to the control once its first screen is read:
// the page shows at once, and the rest is read into it while it is shown,
// laid out once at the same width.  What takes the whole document reads the
// rest at once; a new load, clearing or closing stop the reading.
TEST_F(TextoRicoTest, ALongDocumentShowsItsFirstScreenAndTheRestFollows) {
  const QString longa = pasta.Escreve("longa.rtf", Tabela(5000));
  ASSERT_TRUE(re->Carrega(longa));
  EXPECT_TRUE(re->Carregando());
  EXPECT_TRUE(re->verticalScrollBar()->isVisible());
  const qsizetype primeiras = Tabelas(re->document()).size();
  EXPECT_GE(primeiras, 1);
  EXPECT_LT(primeiras, 50);
  EXPECT_EQ(Tabelas(re->document())[0]->cellAt(0, 0).firstCursorPosition().block().text(), "L0");
  for (int i = 0; i < 1000 && re->Carregando(); ++i) QApplication::processEvents();
  EXPECT_FALSE(re->Carregando());
  const QList<QTextTable*> partes = Tabelas(re->document());
  ASSERT_EQ(partes.size(), 50);
  EXPECT_EQ(partes.last()->cellAt(99, 0).firstCursorPosition().block().text(), "L4999");
  LayoutInteiro();
  EXPECT_EQ(re->Layouts(), 1);
  EXPECT_EQ(re->textCursor().position(), 0);

  // Printing reads the rest first.
  ASSERT_TRUE(re->Carrega(longa));
  re->TerminaCarga();
  EXPECT_FALSE(re->Carregando());
  EXPECT_EQ(Tabelas(re->document()).size(), 50);

  // A new load while one is read shows the new document alone.
  ASSERT_TRUE(re->Carrega(longa));
  ASSERT_TRUE(re->Carregando());
  ASSERT_TRUE(re->Carrega(pasta.Escreve("curta.rtf", Tabela(3))));
  EXPECT_FALSE(re->Carregando());
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  EXPECT_EQ(Tabelas(re->document()).size(), 1);
  EXPECT_EQ(Tabelas(re->document())[0]->rows(), 3);

  ASSERT_TRUE(re->Carrega(longa));
  re->Limpa();
  EXPECT_FALSE(re->Carregando());
  QApplication::processEvents();
  EXPECT_TRUE(re->document()->isEmpty());

  // The page closed while its text is read.
  ASSERT_TRUE(re->Carrega(longa));
  ASSERT_TRUE(re->Carregando());
  controle.reset();
  QApplication::processEvents();
}

// A file over the size limit is not read: the control shows nothing, as for
// a file it cannot read, and takes none of it into memory.
TEST_F(TextoRicoTest, AFileOverTheLimitShowsNothingAndIsNotRead) {
  ASSERT_TRUE(re->Carrega(pasta.Escreve("antes.rtf", Tabela(3))));
  const QString acima = apoio::ArquivoEsparso(pasta, "acima.rtf", kMaiorTextoRico + 1);
  const QString enorme = apoio::ArquivoEsparso(pasta, "enorme.rtf", apoio::k2GiB);
  ASSERT_FALSE(enorme.isEmpty());
  EXPECT_FALSE(re->Carrega(acima));
  EXPECT_TRUE(re->document()->isEmpty());
  apoio::ZeraPicoMemoria();
  const qint64 antes = apoio::PicoMemoria();
  EXPECT_FALSE(re->Carrega(enorme));
  EXPECT_TRUE(re->document()->isEmpty());
  EXPECT_LT(apoio::PicoMemoria() - antes, apoio::kFolgaMemoria);
}

}  // namespace
