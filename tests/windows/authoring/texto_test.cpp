// The rich-text editor: each showing starting empty and untitled, its menus
// and hints, the toolbar following the selection, the formatting commands,
// the font-size field, the ruler against the paragraph indents, dropped
// files, the overwrite question and printing.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <memory>

#include "authoring/documents/recuos.h"
#include "authoring/documents/regua.h"
#include "authoring/documents/setas_numero.h"
#include "authoring/documents/texto.h"
#include "files/arquivo_registros.h"
#include "platform/fonte.h"
#include "platform/rtf/leitor.h"
#include "platform/rtf/texto_rico.h"
#include "support/pdf.h"
#include "windows/authoring/apoio_documentos.h"

namespace {

using pravo::TfrmTexto;
using teste::Arquivo;
using teste::Botao;
using teste::QuandoAbrir;

class EditorTexto : public teste::TesteDocumentos {
 protected:
  void SetUp() override {
    TesteDocumentos::SetUp();
    frm = std::make_unique<TfrmTexto>();
    Mostra(frm.get());
  }
  void TearDown() override {
    frm->Editor->document()->setModified(false);
    frm->close();
    frm.reset();
    TesteDocumentos::TearDown();
  }

  // Loads an RTF document as "Abrir" would.
  void Abre(const QByteArray& rtf, const char* nome = "doc.rtf") {
    const QString caminho = pasta.Escreve(nome, rtf);
    frm->LoadDocument(caminho);
  }
  void Seleciona(int de, int ate) {
    QTextCursor c(frm->Editor->document());
    c.setPosition(de);
    c.setPosition(ate, QTextCursor::KeepAnchor);
    frm->Editor->setTextCursor(c);
  }
  QTextCharFormat FormatoEm(int pos) const {
    QTextCursor c(frm->Editor->document());
    c.setPosition(pos);
    c.setPosition(pos + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
  }
  void Solta(const QStringList& caminhos) {
    auto* dados = new QMimeData;
    QList<QUrl> urls;
    for (const QString& c : caminhos) urls << QUrl::fromLocalFile(c);
    dados->setUrls(urls);
    QDropEvent soltar(QPointF(20, 20), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window's handler: the application passes a drop on
    // only during a drag of its own.
    static_cast<QObject*>(frm.get())->event(&soltar);
    EXPECT_TRUE(soltar.isAccepted());
    delete dados;
  }

  std::unique_ptr<TfrmTexto> frm;
};

TEST_F(EditorTexto, EveryShowingStartsEmptyAndUntitledWithoutAsking) {
  EXPECT_EQ(frm->windowTitle(), "Editor de Textos - SemNome");
  EXPECT_EQ(frm->size(), QSize(1024, 768));
  EXPECT_EQ(frm->Painel(0), "Lin:   1   Col:   1");
  EXPECT_EQ(frm->Painel(1), "");
  EXPECT_EQ(frm->Editor->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE0));
  // The default attributes.
  EXPECT_EQ(frm->FontName->currentText(), "MS Sans Serif");
  EXPECT_EQ(frm->FontSize->text(), "8");

  Abre("{\\rtf1\\ansi Um texto\\par}");
  QTest::keyClicks(frm->Editor, "abc");
  EXPECT_EQ(frm->Painel(1), "Modificado");
  EXPECT_EQ(frm->Painel(0), "Lin:   1   Col:   4");
  EXPECT_EQ(frm->windowTitle(), "Editor de Textos - doc.rtf");
  // Left with No; the next showing clears without a question.
  EXPECT_TRUE(teste::TesteDocumentos::Com({Botao(QMessageBox::No)}, [&] { frm->FileExit(); }));
  EXPECT_FALSE(frm->isVisible());
  bool perguntou = false;
  apoio::QuandoModal([&](QWidget* w) {
    perguntou = true;
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
  }, 1500, true);
  Mostra(frm.get());
  QTest::qWait(100);
  EXPECT_FALSE(perguntou);
  EXPECT_EQ(frm->windowTitle(), "Editor de Textos - SemNome");
  EXPECT_TRUE(frm->Editor->toPlainText().isEmpty());
  EXPECT_FALSE(frm->Editor->document()->isModified());
  EXPECT_EQ(frm->Painel(1), "");
}

TEST_F(EditorTexto, MenusActionsShortcutsAndHints) {
  struct Item {
    QAction* acao;
    const char* texto;
    const char* dica;
    QKeySequence atalho;
  } const itens[] = {
      {frm->FileNewCmd, "&Novo", "Criar um novo arquivo", QKeySequence("Ctrl+N")},
      {frm->FileOpenCmd, "A&brir...", "Abrir um arquivo existente", QKeySequence("Ctrl+O")},
      {frm->FileSaveCmd, "&Salvar", "Salvar o arquivo corrente", QKeySequence("Ctrl+S")},
      {frm->FileSaveAsCmd, "Salvar &como...", "Salvar o arquivo corrente com um novo nome", QKeySequence()},
      {frm->FilePrintCmd, "&Imprimir", "Imprimir o arquivo corrente", QKeySequence("Ctrl+P")},
      {frm->FileExitCmd, "Sai&r", "Sair do Editor", QKeySequence("Alt+X")},
      {frm->EditUndoCmd, "&Desfazer", "Desfazer a última ação", QKeySequence("Ctrl+Z")},
      {frm->EditCutCmd, "Recor&tar", "Apagar o item selecionado", QKeySequence("Ctrl+X")},
      {frm->EditCopyCmd, "&Copiar", "Copiar o item selecionado para o ClipBoard", QKeySequence("Ctrl+C")},
      {frm->EditPasteCmd, "C&olar", "Colar o conteúdo do ClipBoard", QKeySequence("Ctrl+V")},
      {frm->SelectFontCmd, "&Fonte...", "Alterar o Fonte", QKeySequence()},
  };
  for (const Item& i : itens) {
    SCOPED_TRACE(i.texto);
    EXPECT_EQ(i.acao->text(), QString::fromUtf8(i.texto));
    EXPECT_EQ(i.acao->statusTip(), QString::fromUtf8(i.dica));
    EXPECT_EQ(i.acao->shortcut(), i.atalho);
  }
  EXPECT_EQ(frm->Arquivo1->title(), "&Arquivo");
  EXPECT_EQ(frm->Editar1->title(), "&Editar");
  // The toolbar buttons run the same actions.
  EXPECT_EQ(frm->ToolButton1->defaultAction(), frm->FileNewCmd);
  EXPECT_EQ(frm->PasteButton->defaultAction(), frm->EditPasteCmd);
  EXPECT_EQ(frm->UndoButton->defaultAction(), frm->EditUndoCmd);

  // Hints: the control under the mouse fills the bar with its hint; leaving
  // it brings the three panels back.
  const std::pair<QWidget*, const char*> dicas[] = {
      {frm->BoldButton, "Negrito"},          {frm->ItalicButton, "Itálico"},
      {frm->UnderlineButton, "Sublinhado"},  {frm->LeftAlign, "Alinhado à Esquerda"},
      {frm->CenterAlign, "Centralizado"},    {frm->RightAlign, "Alinhado à Direita"},
      {frm->BulletsButton, "Marcadores"},    {frm->SaveButton, "Salvar o arquivo corrente"},
  };
  for (const auto& [controle, dica] : dicas) {
    QEnterEvent entra(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(controle, &entra);
    EXPECT_FALSE(frm->PaineisVisiveis());
    EXPECT_EQ(frm->Dica(), QString::fromUtf8(dica));
    QEvent sai(QEvent::Leave);
    QApplication::sendEvent(controle, &sai);
    EXPECT_TRUE(frm->PaineisVisiveis());
  }
  EXPECT_EQ(frm->FontName->statusTip(), "Nome do Fonte");
  EXPECT_EQ(frm->FontSize->statusTip(), "Tamanho do Fonte");

  // Cut and copy need a selection; undo something to undo.
  EXPECT_FALSE(frm->EditCutCmd->isEnabled());
  EXPECT_FALSE(frm->EditUndoCmd->isEnabled());
  QTest::keyClicks(frm->Editor, "abc");
  frm->Editor->selectAll();
  EXPECT_TRUE(frm->EditCutCmd->isEnabled());
  EXPECT_TRUE(frm->EditCopyCmd->isEnabled());
  EXPECT_TRUE(frm->EditUndoCmd->isEnabled());
}

TEST_F(EditorTexto, FaceNamesAreTheScreensFamiliesOnceByTheirPlainNames) {
  QStringList faces;
  for (int i = 0; i < frm->FontName->count(); ++i) faces << frm->FontName->itemText(i);
  // Qt names a family that two foundries make "Family [Foundry]".
  QStringList esperadas;
  for (const QString& f : QFontDatabase::families()) esperadas << f.left(f.indexOf(" [")).trimmed();
  esperadas.sort(Qt::CaseInsensitive);
  esperadas.removeDuplicates();
  EXPECT_EQ(faces, esperadas);
  for (const QString& f : faces) EXPECT_FALSE(f.contains('[')) << f.toStdString();
  EXPECT_EQ(frm->FontName->maxVisibleItems(), 10);
  for (const auto& [qt, simples] : std::vector<std::pair<QString, QString>>{
           {"Nimbus Sans [UKWN]", "Nimbus Sans"}, {"C059 [urw]", "C059"}, {"Arial", "Arial"},
           {"Fonte [antiga] nova", "Fonte [antiga] nova"}})
    EXPECT_EQ(platform::FamiliaSimples(qt), simples);
  // A face chosen by a tagged name is stored and written by its plain one.
  frm->FontName->setEditText("Nimbus Sans [UKWN]");
  frm->FontNameChange();
  QTest::keyClicks(frm->Editor, "abc");
  EXPECT_EQ(FormatoEm(0).fontFamilies().toStringList().value(0), "Nimbus Sans");
}

TEST_F(EditorTexto, TheToolbarFollowsTheSelection) {
  Abre("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
       "\\pard\\qc\\f0\\fs40 {\\b\\i\\ul Forte}\\par"
       "\\pard\\qr\\f1\\fs20 Fraco}");
  frm->Editor->moveCursor(QTextCursor::Start);
  frm->Editor->moveCursor(QTextCursor::Right);
  EXPECT_TRUE(frm->BoldButton->isChecked());
  EXPECT_TRUE(frm->ItalicButton->isChecked());
  EXPECT_TRUE(frm->UnderlineButton->isChecked());
  EXPECT_TRUE(frm->CenterAlign->isChecked());
  EXPECT_EQ(frm->FontSize->text(), "20");
  EXPECT_EQ(frm->FontName->currentText(), "Arial");
  EXPECT_EQ(frm->UpDown1->valor(), 20);
  frm->Editor->moveCursor(QTextCursor::End);
  EXPECT_FALSE(frm->BoldButton->isChecked());
  EXPECT_TRUE(frm->RightAlign->isChecked());
  EXPECT_FALSE(frm->CenterAlign->isChecked());
  EXPECT_EQ(frm->FontSize->text(), "10");
  EXPECT_EQ(frm->FontName->currentText(), "Courier New");
  // Syncing the toolbar changes nothing in the document.
  EXPECT_FALSE(frm->Editor->document()->isModified());
}

TEST_F(EditorTexto, FormattingChangesTheSelectionOrOnlyWhatIsTypedNext) {
  Abre("{\\rtf1\\ansi abc}");
  // Nothing selected: the existing text stays as it is.
  frm->Editor->moveCursor(QTextCursor::End);
  frm->BoldButton->click();
  EXPECT_FALSE(FormatoEm(0).fontWeight() >= QFont::Bold);
  EXPECT_FALSE(FormatoEm(2).fontWeight() >= QFont::Bold);
  QTest::keyClicks(frm->Editor, "d");
  EXPECT_TRUE(FormatoEm(3).fontWeight() >= QFont::Bold);

  // A selection: italic and underline for "bc", the bold of "d" kept.
  Seleciona(1, 4);
  frm->ItalicButton->click();
  frm->UnderlineButton->click();
  EXPECT_FALSE(FormatoEm(0).fontItalic());
  EXPECT_TRUE(FormatoEm(1).fontItalic());
  EXPECT_TRUE(FormatoEm(3).fontUnderline());
  EXPECT_TRUE(FormatoEm(3).fontWeight() >= QFont::Bold);
  // Face and size.
  frm->FontName->setEditText("Arial");
  emit frm->FontName->textActivated("Arial");
  frm->FontSize->setText("18");
  EXPECT_EQ(FormatoEm(2).fontFamilies().toStringList().value(0), "Arial");
  EXPECT_EQ(FormatoEm(2).fontPointSize(), 18);
  EXPECT_NE(FormatoEm(0).fontPointSize(), 18);
  // The up-down control steps the size field.
  frm->UpDown1->Acima->click();
  EXPECT_EQ(frm->FontSize->text(), "19");
  EXPECT_EQ(FormatoEm(2).fontPointSize(), 19);

  // Alignment (tags 0 left, 1 right, 2 centre) and bullets of the paragraph.
  EXPECT_EQ(frm->LeftAlign->property("Tag").toInt(), 0);
  EXPECT_EQ(frm->RightAlign->property("Tag").toInt(), 1);
  EXPECT_EQ(frm->CenterAlign->property("Tag").toInt(), 2);
  frm->CenterAlign->click();
  EXPECT_EQ(frm->Editor->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  frm->RightAlign->click();
  EXPECT_TRUE(frm->Editor->document()->firstBlock().blockFormat().alignment() & Qt::AlignRight);
  frm->BulletsButton->click();
  EXPECT_TRUE(pravo::TemMarcadores(frm->Editor->document()->firstBlock()));
  frm->BulletsButton->click();
  EXPECT_FALSE(pravo::TemMarcadores(frm->Editor->document()->firstBlock()));
  EXPECT_TRUE(frm->Editor->document()->isModified());
}

TEST_F(EditorTexto, TheSizeFieldTakesOnlyWholeSizesFromOneAndNeverComplains) {
  Abre("{\\rtf1\\ansi\\fs24 abc\\par}");
  frm->Editor->selectAll();
  bool caixa = false;
  apoio::QuandoModal([&](QWidget* w) {
    caixa = true;
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
  }, 1500, true);
  for (const char* texto : {"", "0", "-3", "1700", " "}) {
    frm->FontSize->setText(texto);
    EXPECT_EQ(FormatoEm(1).fontPointSize(), 12) << texto;
  }
  // Typed key by key: "2", then "20".
  frm->FontSize->clear();
  QTest::keyClicks(frm->FontSize, "20");
  EXPECT_EQ(FormatoEm(1).fontPointSize(), 20);
  frm->FontSize->setText("1");
  EXPECT_EQ(FormatoEm(1).fontPointSize(), 1);
  QTest::qWait(50);
  EXPECT_FALSE(caixa);
  for (QTimer* t : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) delete t;
}

TEST_F(EditorTexto, SelectFontSetsTheAttributesFromTheDialog) {
  Abre("{\\rtf1\\ansi abc\\par}");
  frm->Editor->selectAll();
  QFont escolhida("DejaVu Serif");
  escolhida.setPointSize(22);
  escolhida.setItalic(true);
  QuandoAbrir<QDialog>([&](QDialog* d) {
    if (auto* f = qobject_cast<QFontDialog*>(d)) f->setCurrentFont(escolhida);
    d->accept();
  });
  frm->SelectFont();
  EXPECT_EQ(FormatoEm(1).fontFamilies().toStringList().value(0), "DejaVu Serif");
  EXPECT_EQ(FormatoEm(1).fontPointSize(), 22);
  EXPECT_TRUE(FormatoEm(1).fontItalic());
  EXPECT_TRUE(frm->ItalicButton->isChecked());
  EXPECT_EQ(frm->FontSize->text(), "22");
}

// The ruler's markers stand where the paragraph's indents put them, and a
// marker dropped gives the indent back.
TEST_F(EditorTexto, TheRulerMarkersFollowTheParagraphIndents) {
  const double k = platform::DpiDocumento() / 72.0;
  const int largura = frm->Ruler->contentsRect().width();
  struct Caso {
    const char* rtf;
    pravo::Recuos recuos;  // FirstIndent, LeftIndent, RightIndent
  } const casos[] = {
      {"\\pard abc", {0, 0, 0}},
      {"\\pard\\li720 abc", {36, 0, 0}},
      {"\\pard\\li720\\fi-360 abc", {18, 18, 0}},
      {"\\pard\\li360\\fi720\\ri1440 abc", {54, -36, 72}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.rtf);
    Abre(QByteArray("{\\rtf1\\ansi ") + c.rtf + "\\par}");
    frm->Editor->moveCursor(QTextCursor::Start);
    frm->SelectionChange();
    EXPECT_EQ(pravo::RecuosDe(frm->Editor->document()->firstBlock()), c.recuos);
    EXPECT_EQ(frm->Ruler->FirstInd->x(), int(c.recuos.primeira * k) + 2);
    EXPECT_EQ(frm->Ruler->LeftInd->x(), int((c.recuos.esquerda + c.recuos.primeira) * k) + 2);
    EXPECT_EQ(frm->Ruler->RightInd->x(), largura - 6 - int((c.recuos.direita + 6) * k));
  }
}

TEST_F(EditorTexto, DraggingTheMarkersSetsTheIndents) {
  Abre("{\\rtf1\\ansi\\pard abc\\par def\\par}");
  frm->Editor->moveCursor(QTextCursor::Start);
  frm->SelectionChange();
  QLabel* primeira = frm->Ruler->FirstInd;
  const int meio = primeira->width() / 2;
  // Dropped where it was taken, at left 2: Trunc((2 + offset - 6) x 3/4).
  EXPECT_EQ(primeira->x(), 2);
  QTest::mousePress(primeira, Qt::LeftButton, {}, QPoint(meio, 5));
  QTest::mouseRelease(primeira, Qt::LeftButton, {}, QPoint(meio, 5));
  EXPECT_EQ(pravo::RecuosDe(frm->Editor->document()->firstBlock()).primeira,
            pravo::PrimeiraDaRegua(2, meio));

  // Dragged 40 pixels right: the first line moves, the others stay.
  const pravo::Recuos antes = pravo::RecuosDe(frm->Editor->document()->firstBlock());
  const int x0 = primeira->x();
  QTest::mousePress(primeira, Qt::LeftButton, {}, QPoint(meio, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(meio + 40, 5), primeira->mapToGlobal(QPointF(meio + 40, 5)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(primeira, &move);
  QTest::mouseRelease(primeira, Qt::LeftButton, {}, QPoint(meio, 5));
  const pravo::Recuos depois = pravo::RecuosDe(frm->Editor->document()->firstBlock());
  EXPECT_EQ(depois.primeira, pravo::PrimeiraDaRegua(x0 + 40, meio));
  EXPECT_EQ(depois.primeira + depois.esquerda, antes.primeira + antes.esquerda);
  // The marker is placed back from the indent.
  EXPECT_EQ(primeira->x(), pravo::PosicoesDe(depois, frm->Ruler->contentsRect().width()).primeira);
  // The second paragraph is not touched.
  EXPECT_EQ(pravo::RecuosDe(frm->Editor->document()->lastBlock()), pravo::Recuos{});

  // The right marker dragged 30 pixels left.
  QLabel* direita = frm->Ruler->RightInd;
  const int xd = direita->x();
  QTest::mousePress(direita, Qt::LeftButton, {}, QPoint(meio, 5));
  QMouseEvent move2(QEvent::MouseMove, QPointF(meio - 30, 5), direita->mapToGlobal(QPointF(meio - 30, 5)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(direita, &move2);
  QTest::mouseRelease(direita, Qt::LeftButton, {}, QPoint(meio, 5));
  EXPECT_EQ(pravo::RecuosDe(frm->Editor->document()->firstBlock()).direita,
            std::max(0, pravo::DireitaDaRegua(xd - 30, meio, frm->Ruler->contentsRect().width())));
  EXPECT_GT(pravo::RecuosDe(frm->Editor->document()->firstBlock()).direita, 0);
}

TEST(Regua, MarkerArithmetic) {
  apoio::Aplicacao();
  if (platform::DpiDocumento() != 96) GTEST_SKIP() << "the cases are worked out at 96 dpi";
  // Dropped at left 6 minus its grab offset: an indent of 0.
  EXPECT_EQ(pravo::PrimeiraDaRegua(6 - 6, 6), 0);
  EXPECT_EQ(pravo::EsquerdaDaRegua(6 - 6, 6, 0), 0);
  // The first-line marker at left 2, dropped without moving: 1 point.
  EXPECT_EQ(pravo::PrimeiraDaRegua(2, 6), 1);
  EXPECT_EQ(pravo::PosicoesDe({0, 0, 0}, 600), (pravo::PosicoesRegua{2, 2, 600 - 6 - 8}));
  EXPECT_EQ(pravo::PosicoesDe({36, -18, 9}, 600), (pravo::PosicoesRegua{50, 26, 600 - 6 - 20}));
  // Back: left 50 with offset 6 is (50 + 6 - 6) x 3/4 = 37 points.
  EXPECT_EQ(pravo::PrimeiraDaRegua(50, 6), 37);
  // The right marker's way back is no exact inverse: 9 points shown at
  // 574 come back as Trunc((600 - 574 + 6 - 2) x 3/4) - 12 = 10.
  EXPECT_EQ(pravo::DireitaDaRegua(600 - 6 - 20, 6, 600), 10);
}

TEST_F(EditorTexto, ADroppedRtfIsOpenedAndAnythingElseIsRefused) {
  const QString a = pasta.Escreve("a.rtf", "{\\rtf1\\ansi Primeiro}");
  const QString b = pasta.Escreve("b.rtf", "{\\rtf1\\ansi Segundo}");
  const QString c = pasta.Escreve("c.rtf", "{\\rtf1\\ansi Terceiro}");
  const QString txt = pasta.Escreve("notas.rtf", "Isto não é RTF");
  // Three files: only the first is opened.
  Solta({a, b, c});
  EXPECT_EQ(frm->Editor->toPlainText(), "Primeiro");
  EXPECT_EQ(frm->DocumentName(), a);
  // Not RTF by its first bytes, whatever its name: refused, the document
  // and its name kept, so Ctrl+S cannot write over it.
  apoio::Mensagem vista;
  EXPECT_TRUE(Com({Botao(QMessageBox::Ok, &vista)}, [&] { Solta({txt}); }));
  EXPECT_EQ(vista.titulo, "Atenção!");
  EXPECT_TRUE(vista.texto.contains("notas.rtf"));
  EXPECT_EQ(frm->DocumentName(), a);
  EXPECT_EQ(frm->Editor->toPlainText(), "Primeiro");
  EXPECT_EQ(pasta.Le("notas.rtf"), QByteArray("Isto não é RTF"));
}

TEST_F(EditorTexto, APlainTextRtfOpensAsThePlayerShowsItAndSavesItsWords) {
  // Not RTF inside, though the open dialog lists it: its Windows-1252 text.
  const QByteArray texto("Isto n\xE3o \xE9 RTF\r\nSegunda linha \x80 5\r\n");
  const QString notas = pasta.Escreve("notas.rtf", texto);
  EXPECT_TRUE(Com({Arquivo(notas)}, [&] { frm->FileOpenCmd->trigger(); }));
  const QString palavras = QString::fromUtf8("Isto não é RTF\nSegunda linha € 5\n");
  EXPECT_EQ(frm->Editor->toPlainText(), palavras);
  EXPECT_EQ(frm->DocumentName(), notas);
  EXPECT_EQ(frm->Painel(1), "");
  // As the player's page shows it.
  platform::TextoRico pagina;
  pagina.Carrega(notas);
  EXPECT_EQ(pagina.toPlainText(), palavras);
  // "Salvar" keeps the words, now as RTF, which reopens with them.
  EXPECT_TRUE(frm->FileSave());
  EXPECT_TRUE(platform::EhRTF(pasta.Le("notas.rtf")));
  QTextDocument salvo;
  platform::LeRTF(pasta.Le("notas.rtf"), &salvo);
  EXPECT_EQ(salvo.toPlainText(), palavras);
  frm->FileNew();
  EXPECT_TRUE(Com({Arquivo(notas)}, [&] { frm->FileOpenCmd->trigger(); }));
  EXPECT_EQ(frm->Editor->toPlainText(), palavras);

  // A file that cannot be read at all raises its I/O error (which "Abrir"
  // reports) and leaves the editor as it was.
  QDir(pasta.caminho()).mkdir("pasta.rtf");
  EXPECT_THROW(frm->LoadDocument(pasta.caminho() + "pasta.rtf"), files::IoError);
  EXPECT_EQ(frm->Editor->toPlainText(), palavras);
  EXPECT_EQ(frm->DocumentName(), notas);
}

TEST_F(EditorTexto, SavingOverAFileNeedsAnExplicitYesAndEnterAnswersNo) {
  pasta.Escreve("velho.rtf", "velho");
  QTest::keyClicks(frm->Editor, "novo");
  apoio::Mensagem pergunta;
  bool padraoNao = false;
  QString titulo;
  EXPECT_TRUE(Com({Arquivo(pasta.caminho() + "velho.rtf", &titulo), Botao(QMessageBox::No, &pergunta, &padraoNao)},
                  [&] { EXPECT_FALSE(frm->FileSaveAs()); }));
  EXPECT_EQ(pergunta.titulo, "Atenção!");
  EXPECT_EQ(pergunta.texto, "Sobrepor " + pasta.caminho() + "velho.rtf ?");
  EXPECT_EQ(pergunta.icone, QMessageBox::Question);
  EXPECT_EQ(pergunta.botoes, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(padraoNao);
  EXPECT_EQ(pasta.Le("velho.rtf"), "velho");
  EXPECT_EQ(frm->DocumentName(), "SemNome");
  // "&Salvar" on an untitled document runs "Salvar &como..."; a name typed
  // without extension gets ".rtf".
  EXPECT_TRUE(Com({Arquivo(pasta.caminho() + "carta")}, [&] { frm->FileSaveCmd->trigger(); }));
  EXPECT_EQ(frm->DocumentName(), pasta.caminho() + "carta.rtf");
  EXPECT_EQ(frm->windowTitle(), "Editor de Textos - carta.rtf");
  EXPECT_TRUE(platform::EhRTF(pasta.Le("carta.rtf")));
  EXPECT_EQ(frm->Painel(1), "");
  // The save question names the whole path.
  QTest::keyClicks(frm->Editor, "!");
  apoio::Mensagem salvar;
  EXPECT_TRUE(Com({Botao(QMessageBox::Cancel, &salvar)}, [&] { frm->FileNew(); }));
  EXPECT_EQ(salvar.texto, "Salvar alterações para " + pasta.caminho() + "carta.rtf ?");
  EXPECT_EQ(salvar.botoes, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST_F(EditorTexto, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
  Abre("{\\rtf1\\ansi Guardado}");
  apoio::Mensagem erro;
  EXPECT_TRUE(Com({Arquivo(pasta.caminho() + "doc.rtf"), Botao(QMessageBox::Ok, &erro)}, [&] {
    QFile::remove(pasta.caminho() + "doc.rtf");
    frm->OpenDialog->setFileMode(QFileDialog::AnyFile);  // lets the test name a file that is gone
    frm->FileOpenCmd->trigger();
  }));
  EXPECT_EQ(erro.titulo, "Pravo II");
  EXPECT_EQ(erro.texto, "File not found");
  EXPECT_EQ(frm->Editor->toPlainText(), "Guardado");
  EXPECT_EQ(frm->DocumentName(), pasta.caminho() + "doc.rtf");
}

TEST_F(EditorTexto, PrintsThroughThePrintDialogWithTheDocumentNameAsTitle) {
  Abre("{\\rtf1\\ansi Para imprimir\\par}", "impresso.rtf");
  const QString pdf = pasta.caminho() + "saida.pdf";
  QuandoAbrir<QPrintDialog>([&](QPrintDialog* d) {
    d->printer()->setOutputFormat(QPrinter::PdfFormat);
    d->printer()->setOutputFileName(pdf);
    d->done(QDialog::Accepted);
  });
  frm->FilePrint();
  EXPECT_EQ(apoio::PaginasDoPdf(pdf), 1);
  // The job's title is the document's name (in the PDF's title, UTF-16).
  QByteArray titulo16;
  for (QChar ch : frm->DocumentName()) titulo16 += char(ch.unicode() >> 8), titulo16 += char(ch.unicode() & 0xFF);
  EXPECT_TRUE(pasta.Le("saida.pdf").contains(titulo16));
  // Cancelled: nothing printed.
  QFile::remove(pdf);
  QuandoAbrir<QPrintDialog>([](QPrintDialog* d) { d->reject(); });
  frm->FilePrint();
  EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
