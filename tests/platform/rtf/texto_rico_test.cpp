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
