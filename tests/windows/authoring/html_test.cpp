// The HTML editor: "&Visualizar" enabled only for a file opened or saved in
// this showing, the preview showing the file as it is on disk, a second
// showing asking before it clears, and the page's bytes kept in the
// encoding and line endings they were found in.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFileDialog>
#include <QFontInfo>
#include <QTest>
#include <QTextDocument>
#include <memory>

#include "authoring/documents/browser.h"
#include "authoring/documents/html.h"
#include "authoring/documents/texto_html.h"
#include "platform/navegador.h"
#include "windows/authoring/apoio_documentos.h"

namespace {

using pravo::FormaHTML;
using pravo::TfrmHTML;
using teste::Arquivo;
using teste::Botao;

// Bytes read and written back unchanged, and what was read.
TEST(TextoHTML, EncodingAndLineEndingsAreKept) {
  struct Caso {
    const char* descricao;
    QByteArray bytes;
    QString texto;
    FormaHTML forma;
  } const casos[] = {
      {"Windows-1252, CR LF", "<p>Ol\xE1\r\nA\xE7\xE3o\xA0!</p>\r\n",
       QString::fromUtf8("<p>Olá\nAção\u00A0!</p>\n"), {false, false, "\r\n", false}},
      {"UTF-8 declared, LF", "<meta charset=\"utf-8\"><p>Ol\xC3\xA1 \xE2\x82\xAC</p>\n",
       QString::fromUtf8("<meta charset=\"utf-8\"><p>Olá €</p>\n"), {true, false, "\n", true}},
      {"UTF-8 in the http-equiv form, CR",
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\xE2\x86\x92\r",
       QString::fromUtf8("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n→\n"),
       {true, false, "\r", true}},
      {"UTF-8 mark without a declaration", "\xEF\xBB\xBF<p>\xC3\xA7</p>", QString::fromUtf8("<p>ç</p>"),
       {true, true, "\r\n", false}},
      {"declares UTF-8 but is not: every byte kept", "<meta charset=utf-8>\xE9\x81\r\n",
       QString::fromUtf8("<meta charset=utf-8>é") + QChar(0x81) + "\n", {false, false, "\r\n", true}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.descricao);
    const pravo::ArquivoHTML lido = pravo::LeHTML(c.bytes);
    EXPECT_EQ(lido.texto, c.texto);
    EXPECT_EQ(lido.forma, c.forma);
    EXPECT_EQ(pravo::GravaHTML(lido.texto, lido.forma), c.bytes);
  }
}

// Each line keeps its own ending: unedited lines byte for byte, a line
// edited or added in between takes the ending of the line at its place.
TEST(TextoHTML, EachLineKeepsItsOwnEnding) {
  const QByteArray misto("<html>\r\n<head>\n<title>T</title>\r\n<body>\r<p>a</p>\n</html>");
  const pravo::ArquivoHTML lido = pravo::LeHTML(misto);
  EXPECT_EQ(pravo::GravaHTML(lido.texto, lido.forma, lido), misto);
  struct Caso {
    const char* descricao;
    QString texto;
    QByteArray bytes;
  } const casos[] = {
      {"a line edited", QStringLiteral("<html>\n<head>\n<title>Outro</title>\n<body>\n<p>a</p>\n</html>"),
       "<html>\r\n<head>\n<title>Outro</title>\r\n<body>\r<p>a</p>\n</html>"},
      {"a line added", QStringLiteral("<html>\n<head>\n<meta>\n<title>T</title>\n<body>\n<p>a</p>\n</html>"),
       "<html>\r\n<head>\n<meta>\n<title>T</title>\r\n<body>\r<p>a</p>\n</html>"},
      {"a line removed", QStringLiteral("<html>\n<title>T</title>\n<body>\n<p>a</p>\n</html>"),
       "<html>\r\n<title>T</title>\r\n<body>\r<p>a</p>\n</html>"},
      {"an ending added at the end", QStringLiteral("<html>\n<head>\n<title>T</title>\n<body>\n<p>a</p>\n</html>\n"),
       "<html>\r\n<head>\n<title>T</title>\r\n<body>\r<p>a</p>\n</html>\n"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.descricao);
    EXPECT_EQ(pravo::GravaHTML(c.texto, lido.forma, lido), c.bytes);
  }
}

TEST(TextoHTML, CharactersTheCodePageLacksAreWrittenAsReferences) {
  const FormaHTML ansi;
  EXPECT_EQ(pravo::GravaHTML(QString::fromUtf8("€ → 😀\nfim"), ansi), QByteArray("\x80 &#8594; &#128512;\r\nfim"));
  // A page that now declares UTF-8 is written so.
  EXPECT_EQ(pravo::GravaHTML(QString::fromUtf8("<meta charset=\"UTF-8\">→"), ansi),
            QByteArray("<meta charset=\"UTF-8\">\xE2\x86\x92"));
}

class EditorHTML : public teste::TesteDocumentos {
 protected:
  void SetUp() override {
    TesteDocumentos::SetUp();
    frm = std::make_unique<TfrmHTML>();
    MostraComPrevia(frm.get());
  }
  void TearDown() override {
    FechaComPrevia(frm);
    TesteDocumentos::TearDown();
  }
  pravo::TfrmBrowser* Previa() const {
    return static_cast<pravo::TfrmBrowser*>(pravo::Janela("TfrmBrowser"));
  }

  std::unique_ptr<TfrmHTML> frm;
};

TEST_F(EditorHTML, PreviewOnlyForAFileOpenedOrSavedInThisShowing) {
  EXPECT_EQ(frm->windowTitle(), "Editor de Arquivos HTML - SemNome");
  EXPECT_EQ(pravo::CurrentHtmlFile, "SemNome");
  EXPECT_FALSE(frm->Visualizar1->isEnabled());
  EXPECT_EQ(frm->Visualizar1->text(), "&Visualizar");
  EXPECT_TRUE(QFontInfo(frm->Editor->font()).fixedPitch());

  const QString pagina = pasta.Escreve("pagina.htm", "<p>Um</p>\r\n");
  EXPECT_TRUE(Com({Arquivo(pagina)}, [&] { frm->FileOpen(); }));
  EXPECT_EQ(frm->Editor->toPlainText(), "<p>Um</p>\n");
  EXPECT_TRUE(frm->Visualizar1->isEnabled());
  EXPECT_EQ(pravo::CurrentHtmlFile, pagina);
  frm->FileNew();
  EXPECT_FALSE(frm->Visualizar1->isEnabled());
  // Saved under a name typed without extension: ".html".
  QTest::keyClicks(frm->Editor, "<p>Dois</p>");
  EXPECT_TRUE(Com({Arquivo(pasta.caminho() + "nova")}, [&] { frm->FileSave(); }));
  EXPECT_EQ(pravo::CurrentHtmlFile, pasta.caminho() + "nova.html");
  EXPECT_EQ(pasta.Le("nova.html"), "<p>Dois</p>");
  EXPECT_TRUE(frm->Visualizar1->isEnabled());
}

TEST_F(EditorHTML, ThePreviewShowsTheFileAsOnDisk) {
  const QString pagina = pasta.Escreve("pagina.htm", "<p>Salvo</p>");
  EXPECT_TRUE(Com({Arquivo(pagina)}, [&] { frm->FileOpen(); }));
  QTest::keyClicks(frm->Editor, "<p>mais</p>");
  // Cancel: no preview.
  EXPECT_TRUE(Com({Botao(QMessageBox::Cancel)}, [&] { frm->Visualizar1->trigger(); }));
  EXPECT_FALSE(Previa()->isVisible());
  // No: the preview shows the version last saved.
  QUrl mostrado;
  EXPECT_TRUE(Com({Botao(QMessageBox::No), [&](QWidget* w) {
                     EXPECT_EQ(w, Previa());
                     EXPECT_EQ(w->windowTitle(), "Visualizar");
                     mostrado = Previa()->WebBrowser1->endereco();
                     w->close();
                   }},
                  [&] { frm->Visualizar1->trigger(); }));
  EXPECT_EQ(mostrado, QUrl::fromLocalFile(pagina));
  EXPECT_EQ(pasta.Le("pagina.htm"), "<p>Salvo</p>");
  EXPECT_TRUE(frm->Editor->document()->isModified());
}

TEST_F(EditorHTML, ASecondShowingAsksBeforeClearing) {
  const QString pagina = pasta.Escreve("pagina.htm", "<p>A</p>");
  EXPECT_TRUE(Com({Arquivo(pagina)}, [&] { frm->FileOpen(); }));
  QTest::keyClicks(frm->Editor, "x");
  EXPECT_TRUE(Com({Botao(QMessageBox::No)}, [&] { frm->FileExit(); }));
  EXPECT_FALSE(frm->isVisible());
  // Cancel in the new showing's question: the last text and name stay.
  apoio::Mensagem pergunta;
  apoio::Respostas({Botao(QMessageBox::Cancel, &pergunta)});
  Mostra(frm.get());
  EXPECT_EQ(pergunta.texto, "Salvar alterações para " + pagina + " ?");
  EXPECT_EQ(pergunta.titulo, "Atenção!");
  EXPECT_EQ(frm->Editor->toPlainText(), "x<p>A</p>");
  EXPECT_EQ(frm->windowTitle(), "Editor de Arquivos HTML - pagina.htm");
  EXPECT_FALSE(frm->Visualizar1->isEnabled());
}

TEST_F(EditorHTML, APageComesBackInItsOwnEncodingAndLineEndings) {
  const QByteArray ansi("<html>\r\n<p>Cora\xE7\xE3o\xA0</p>\r\n</html>\r\n");
  const QString pagina = pasta.Escreve("ansi.htm", ansi);
  EXPECT_TRUE(Com({Arquivo(pagina)}, [&] { frm->FileOpen(); }));
  frm->Editor->moveCursor(QTextCursor::End);
  frm->Editor->insertPlainText(QString::fromUtf8("<p>Fé →</p>"));
  EXPECT_TRUE(frm->FileSave());
  EXPECT_EQ(pasta.Le("ansi.htm"), ansi + QByteArray("<p>F\xE9 &#8594;</p>"));

  const QByteArray utf8("<meta charset=\"utf-8\">\n<p>Cora\xC3\xA7\xC3\xA3o</p>\n");
  const QString outra = pasta.Escreve("utf8.htm", utf8);
  EXPECT_TRUE(Com({Arquivo(outra)}, [&] { frm->FileOpen(); }));
  frm->Editor->moveCursor(QTextCursor::End);
  frm->Editor->insertPlainText(QString::fromUtf8("→"));
  EXPECT_TRUE(frm->FileSave());
  EXPECT_EQ(pasta.Le("utf8.htm"), utf8 + QByteArray("\xE2\x86\x92"));
}

TEST_F(EditorHTML, AMixedPageSavedUneditedComesBackByteForByte) {
  const QByteArray misto("<html>\r\n<p>um</p>\n<p>dois</p>\r\n</html>\n");
  const QString pagina = pasta.Escreve("misto.htm", misto);
  EXPECT_TRUE(Com({Arquivo(pagina)}, [&] { frm->FileOpen(); }));
  EXPECT_TRUE(frm->FileSave());
  EXPECT_EQ(pasta.Le("misto.htm"), misto);
  // A line typed at the end, saved twice: the lines read keep their endings.
  frm->Editor->moveCursor(QTextCursor::End);
  frm->Editor->insertPlainText("<!-- fim -->\n");
  EXPECT_TRUE(frm->FileSave());
  EXPECT_TRUE(frm->FileSave());
  EXPECT_EQ(pasta.Le("misto.htm"), misto + "<!-- fim -->\n");
}

TEST_F(EditorHTML, ADroppedFileChangesNothing) {
  const QString pagina = pasta.Escreve("pagina.htm", "<p>A</p>\r\n");
  EXPECT_TRUE(Com({Arquivo(pagina)}, [&] { frm->FileOpen(); }));
  const QString outro = pasta.Escreve("outro.htm", "<p>B</p>");
  QMimeData dados;
  dados.setUrls({QUrl::fromLocalFile(outro)});
  dados.setText(QUrl::fromLocalFile(outro).toString());
  QWidget* alvo = frm->Editor->viewport();
  QDragEnterEvent entra(QPoint(10, 10), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(alvo, &entra);
  EXPECT_FALSE(entra.isAccepted());
  QDropEvent solta(QPointF(10, 10), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(alvo, &solta);
  EXPECT_FALSE(solta.isAccepted());
  EXPECT_EQ(frm->Editor->toPlainText(), "<p>A</p>\n");
  EXPECT_FALSE(frm->Editor->document()->isModified());
  EXPECT_EQ(frm->DocumentName(), pagina);
}

}  // namespace
