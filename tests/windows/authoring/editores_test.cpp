// The editor chooser: its explanation, Esc closing it with nothing opened,
// and each editor opened from it closing it too; the windows made by the
// splash in its order.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include "authoring/documents/documentos.h"
#include "authoring/documents/editores.h"
#include "authoring/documents/html.h"
#include "authoring/documents/texto.h"
#include "windows/authoring/apoio_documentos.h"

namespace {

using pravo::Janela;
using pravo::TfrmEditores;

class Escolha : public teste::TesteDocumentos {
 protected:
  void SetUp() override {
    TesteDocumentos::SetUp();
    pravo::RegistraDocumentos();
    pravo::CriaJanelas(nullptr);
    frm = static_cast<TfrmEditores*>(Janela("TfrmEditores"));
    ASSERT_NE(frm, nullptr);
  }
  void TearDown() override {
    for (const char* c : {"TfrmTexto", "TfrmHTML", "TfrmBrowser", "TfrmEditores"}) pravo::EsqueceJanela(c);
    TesteDocumentos::TearDown();
  }
  TfrmEditores* frm = nullptr;
};

TEST_F(Escolha, TheSplashMakesTheDocumentWindowsInItsOrder) {
  for (const char* c : {"TfrmTexto", "TfrmHTML", "TfrmBrowser", "TfrmEditores"}) {
    SCOPED_TRACE(c);
    EXPECT_TRUE(pravo::JanelaRegistrada(c));
    ASSERT_NE(Janela(c), nullptr);
  }
  EXPECT_EQ(Janela("TfrmTexto")->objectName(), "frmTexto");
  EXPECT_EQ(Janela("TfrmHTML")->objectName(), "frmHTML");
  EXPECT_EQ(Janela("TfrmBrowser")->objectName(), "frmBrowser");
  EXPECT_EQ(frm->objectName(), "frmEditores");
}

TEST_F(Escolha, TheExplanationAndTheButtons) {
  EXPECT_EQ(frm->windowTitle(), "Editores");
  const QStringList linhas = frm->Memo1->toPlainText().split('\n');
  ASSERT_EQ(linhas.size(), 11);
  EXPECT_EQ(linhas[0], "Algumas atividades do Zelmo II necessitam de arquivos no formato RTF (Rich Text File) ou HTML.");
  EXPECT_TRUE(linhas[3].isEmpty());
  EXPECT_TRUE(linhas[5].isEmpty());
  EXPECT_TRUE(linhas[6].contains("dois editores"));
  EXPECT_TRUE(linhas[8].startsWith("O Editor de arquivos em linguagem HTML"));
  EXPECT_TRUE(linhas[10].endsWith("salvar no formato RTF"));
  EXPECT_TRUE(frm->Memo1->isReadOnly());
  EXPECT_EQ(frm->Memo1->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(frm->btnHTML->text(), "Editar HTML");
  EXPECT_EQ(frm->btnRTF->text(), "Editar RTF");
  EXPECT_EQ(frm->btnCancel->text(), "Cancelar");
  // Brought from 120 to 96 dpi, then scaled by the small-window rule:
  // 1024 x 12 / (96 x 64) = 2.
  EXPECT_NEAR(frm->width(), 490 * 0.8 * 2, 2);
  EXPECT_NEAR(frm->height(), 316 * 0.8 * 2, 2);
}

TEST_F(Escolha, EscClosesItWithNothingOpened) {
  bool abriuEditor = false;
  teste::QuandoAbrir<QDialog>([&](QDialog* d) {
    if (d != frm) abriuEditor = true;
    frm->Memo1Click();
    EXPECT_TRUE(frm->btnCancel->hasFocus() || !frm->isActiveWindow());
    QTest::keyClick(frm, Qt::Key_Escape);
  });
  EXPECT_EQ(frm->exec(), 0);
  EXPECT_FALSE(abriuEditor);
}

TEST_F(Escolha, ClosingTheEditorChosenClosesTheChooser) {
  for (const char* classe : {"TfrmTexto", "TfrmHTML"}) {
    SCOPED_TRACE(classe);
    auto* editor = static_cast<pravo::EditorDocumento*>(Janela(classe));
    bool mostrado = false;
    apoio::QuandoModalQue([editor](QWidget* w) { return w == editor && editor->ativado(); },
                          [&](QWidget*) {
                            mostrado = true;
                            editor->FileExit();
                          },
                          20000);
    QTimer::singleShot(0, frm, [&] {
      if (QString(classe) == "TfrmTexto") frm->btnRTF->click();
      else frm->btnHTML->click();
    });
    EXPECT_EQ(frm->exec(), 1);
    EXPECT_TRUE(mostrado);
    EXPECT_FALSE(editor->isVisible());
  }
}

}  // namespace
