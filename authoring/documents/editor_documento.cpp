#include "authoring/documents/editor_documento.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cerrno>
#include <stdexcept>

#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "files/abertura.h"
#include "files/arquivo_registros.h"
#include "files/gravacao.h"
#include "files/pastas.h"
#include "platform/dialogo_arquivos.h"
#include "platform/escala.h"
#include "platform/rtf/impressao.h"
#include "platform/mensagens.h"

namespace pravo {

namespace {

const QString kAtencao = QStringLiteral("Atenção!");

using files::IoError;

}  // namespace

QByteArray LeArquivo(const QString& caminho, qint64 limite) {
  // Only a plain file is read: a pipe or a device is refused at once, so a
  // pipe chosen or dropped as a document never holds the program.
  const QString real = files::ResolveCaminho(caminho);
  QFile arquivo;
  int erro = ENOENT;
  if (real.isEmpty() || !files::AbreArquivoComum(arquivo, real, QIODevice::ReadOnly, false, &erro))
    throw IoError(files::FalhaDoSistema(erro), caminho);
  QByteArray bytes = limite < 0 ? arquivo.readAll() : arquivo.read(limite);
  if (arquivo.error() != QFileDevice::NoError) throw IoError(IoError::Kind::Other, caminho);
  return bytes;
}

void GravaArquivoInteiro(const QString& caminho, const QByteArray& bytes) {
  const QString real = files::ResolveCaminho(caminho);
  if (real.isEmpty()) throw IoError(IoError::Kind::FileNotFound, caminho);
  files::GravaInteiro(real, bytes);
}

LinhaColuna PosicaoDoCursor(const QTextEdit* editor) {
  const QTextDocument* doc = editor->document();
  const int pos = editor->textCursor().selectionStart();
  const QTextBlock bloco = doc->findBlock(pos);
  LinhaColuna r;
  if (!bloco.isValid()) return r;
  for (QTextBlock b = doc->begin(); b.isValid() && b != bloco; b = b.next()) {
    const QTextLayout* l = b.layout();
    r.linha += (l && l->lineCount() > 0) ? l->lineCount() : 1;
  }
  r.coluna = pos - bloco.position();
  if (const QTextLayout* l = bloco.layout(); l && l->lineCount() > 0) {
    const QTextLine linha = l->lineForTextPosition(r.coluna);
    if (linha.isValid()) {
      r.linha += linha.lineNumber();
      r.coluna -= linha.textStart();
    }
  }
  return r;
}

EditorDocumento::EditorDocumento(const Arquivos& arquivos, QWidget* dono) : QDialog(dono) {
  // The whole screen and no border icons: "Sai&r" leaves.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));

  corpo_ = new QVBoxLayout(this);
  corpo_->setContentsMargins(0, 0, 0, 0);
  corpo_->setSpacing(0);

  // The actions: each menu item and tool button runs one, and the shortcut
  // belongs to it.
  FileNewCmd = Acao("FileNewCmd", QStringLiteral("&Novo"), QStringLiteral("Criar um novo arquivo"),
                    QKeySequence(Qt::CTRL | Qt::Key_N), &EditorDocumento::FileNew);
  FileOpenCmd = Acao("FileOpenCmd", QStringLiteral("A&brir..."), QStringLiteral("Abrir um arquivo existente"),
                     QKeySequence(Qt::CTRL | Qt::Key_O), &EditorDocumento::FileOpen);
  FileSaveCmd = Acao("FileSaveCmd", QStringLiteral("&Salvar"), QStringLiteral("Salvar o arquivo corrente"),
                     QKeySequence(Qt::CTRL | Qt::Key_S), nullptr);
  connect(FileSaveCmd, &QAction::triggered, this, [this] { FileSave(); });
  FileSaveAsCmd = Acao("FileSaveAsCmd", QStringLiteral("Salvar &como..."),
                       QStringLiteral("Salvar o arquivo corrente com um novo nome"), QKeySequence(), nullptr);
  connect(FileSaveAsCmd, &QAction::triggered, this, [this] { FileSaveAs(); });
  FilePrintCmd = Acao("FilePrintCmd", QStringLiteral("&Imprimir"), QStringLiteral("Imprimir o arquivo corrente"),
                      QKeySequence(Qt::CTRL | Qt::Key_P), &EditorDocumento::FilePrint);
  FileExitCmd = Acao("FileExitCmd", QStringLiteral("Sai&r"), QStringLiteral("Sair do Editor"),
                     QKeySequence(Qt::ALT | Qt::Key_X), &EditorDocumento::FileExit);
  EditUndoCmd = Acao("EditUndoCmd", QStringLiteral("&Desfazer"), QStringLiteral("Desfazer a última ação"),
                     QKeySequence(Qt::CTRL | Qt::Key_Z), &EditorDocumento::EditUndo);
  EditCutCmd = Acao("EditCutCmd", QStringLiteral("Recor&tar"), QStringLiteral("Apagar o item selecionado"),
                    QKeySequence(Qt::CTRL | Qt::Key_X), &EditorDocumento::EditCut);
  EditCopyCmd = Acao("EditCopyCmd", QStringLiteral("&Copiar"),
                     QStringLiteral("Copiar o item selecionado para o ClipBoard"), QKeySequence(Qt::CTRL | Qt::Key_C),
                     &EditorDocumento::EditCopy);
  EditPasteCmd = Acao("EditPasteCmd", QStringLiteral("C&olar"), QStringLiteral("Colar o conteúdo do ClipBoard"),
                      QKeySequence(Qt::CTRL | Qt::Key_V), &EditorDocumento::EditPaste);
  SelectFontCmd = Acao("SelectFontCmd", QStringLiteral("&Fonte..."), QStringLiteral("Alterar o Fonte"),
                       QKeySequence(), nullptr);
  connect(SelectFontCmd, &QAction::triggered, this, [this] { Protege([this] { SelectFont(); }); });

  MainMenu = new QMenuBar(this);
  MainMenu->setObjectName(QStringLiteral("MainMenu"));
  Arquivo1 = MainMenu->addMenu(QStringLiteral("&Arquivo"));
  Arquivo1->setObjectName(QStringLiteral("Arquivo1"));
  Arquivo1->addActions({FileNewCmd, FileOpenCmd, FileSaveCmd, FileSaveAsCmd});
  Arquivo1->addSeparator();
  Arquivo1->addAction(FilePrintCmd);
  Arquivo1->addSeparator();
  Arquivo1->addAction(FileExitCmd);
  Editar1 = MainMenu->addMenu(QStringLiteral("&Editar"));
  Editar1->setObjectName(QStringLiteral("Editar1"));
  Editar1->addAction(EditUndoCmd);
  Editar1->addSeparator();
  Editar1->addActions({EditCutCmd, EditCopyCmd, EditPasteCmd});
  Editar1->addSeparator();
  Editar1->addAction(SelectFontCmd);
  for (QMenu* m : {Arquivo1, Editar1}) m->setToolTipsVisible(false);
  corpo_->setMenuBar(MainMenu);

  StandardToolBar = new QToolBar(this);
  StandardToolBar->setObjectName(QStringLiteral("StandardToolBar"));
  StandardToolBar->setMovable(false);
  StandardToolBar->setFloatable(false);
  StandardToolBar->setIconSize(QSize(20, 20));
  ToolButton1 = BotaoDe(FileNewCmd, "ToolButton1", QStringLiteral("document-new"));
  OpenButton = BotaoDe(FileOpenCmd, "OpenButton", QStringLiteral("document-open"));
  SaveButton = BotaoDe(FileSaveCmd, "SaveButton", QStringLiteral("document-save"));
  PrintButton = BotaoDe(FilePrintCmd, "PrintButton", QStringLiteral("document-print"));
  StandardToolBar->addSeparator();
  CutButton = BotaoDe(EditCutCmd, "CutButton", QStringLiteral("edit-cut"));
  CopyButton = BotaoDe(EditCopyCmd, "CopyButton", QStringLiteral("edit-copy"));
  PasteButton = BotaoDe(EditPasteCmd, "PasteButton", QStringLiteral("edit-paste"));
  UndoButton = BotaoDe(EditUndoCmd, "UndoButton", QStringLiteral("edit-undo"));
  corpo_->addWidget(StandardToolBar);

  Editor = new CaixaTexto(this);
  Editor->setObjectName(QStringLiteral("Editor"));
  Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  corpo_->addWidget(Editor, 1);

  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setSizeGripEnabled(false);
  const int larguras[3] = {120, 100, 50};
  for (int i = 0; i < 3; ++i) {
    paineis_[i] = new QLabel(StatusBar);
    paineis_[i]->setFixedWidth(larguras[i]);
    paineis_[i]->setFrameShape(QFrame::StyledPanel);
    paineis_[i]->setFrameShadow(QFrame::Sunken);
    StatusBar->addWidget(paineis_[i]);
  }
  paineis_[1]->setAlignment(Qt::AlignCenter);
  corpo_->addWidget(StatusBar);

  connect(Editor, &QTextEdit::textChanged, this, &EditorDocumento::RichEditChange);
  connect(Editor, &QTextEdit::cursorPositionChanged, this, &EditorDocumento::ShowCaretPosition);
  connect(Editor, &QTextEdit::selectionChanged, this, &EditorDocumento::ActionList2Update);
  connect(Editor, &QTextEdit::undoAvailable, this, &EditorDocumento::ActionList2Update);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &EditorDocumento::ActionList2Update);

  // Both file dialogs start in the program's folder.
  for (QFileDialog** d : {&OpenDialog, &SaveDialog}) {
    *d = new QFileDialog(this);
    platform::PreparaDialogoArquivos(*d);
    (*d)->setNameFilter(arquivos.filtro);
    (*d)->setDefaultSuffix(arquivos.extensao);
    (*d)->setDirectory(files::ResolveCaminho(DirPrograma));
    // A name typed and confirmed with Enter can leave the name field's
    // completion list on screen after the dialog has gone.
    connect(*d, &QDialog::finished, *d, [dialogo = *d] {
      for (QCompleter* c : dialogo->findChildren<QCompleter*>())
        if (c->popup()) c->popup()->hide();
    });
  }
  OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
  OpenDialog->setWindowTitle(QStringLiteral("Abrir"));
  OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog->setFileMode(QFileDialog::ExistingFile);
  SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
  SaveDialog->setWindowTitle(QStringLiteral("Salvar como"));
  SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog->setFileMode(QFileDialog::AnyFile);
  // The overwrite question is the editor's own.
  SaveDialog->setOption(QFileDialog::DontConfirmOverwrite);

  // Sized to the screen, with no design scaling.
  platform::CobreTela(this);
}

QAction* EditorDocumento::Acao(const char* nome, const QString& texto, const QString& dica,
                               const QKeySequence& atalho, void (EditorDocumento::*comando)()) {
  auto* a = new QAction(texto, this);
  a->setObjectName(QLatin1String(nome));
  a->setToolTip(dica);
  a->setStatusTip(dica);
  a->setShortcut(atalho);
  a->setShortcutContext(Qt::WindowShortcut);
  addAction(a);
  if (comando) connect(a, &QAction::triggered, this, [this, comando] { Protege([this, comando] { (this->*comando)(); }); });
  return a;
}

QToolButton* EditorDocumento::BotaoDe(QAction* acao, const char* nome, const QString& icone) {
  auto* b = new QToolButton(StandardToolBar);
  b->setObjectName(QLatin1String(nome));
  b->setAutoRaise(true);
  b->setDefaultAction(acao);
  b->setIcon(QIcon::fromTheme(icone));
  if (b->icon().isNull()) b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  StandardToolBar->addWidget(b);
  return b;
}

bool EditorDocumento::Protege(const std::function<void()>& comando) {
  try {
    comando();
    return true;
  } catch (const std::exception& erro) {
    MostraErro(this, erro);
    return false;
  }
}

void EditorDocumento::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  ativado_ = false;
  FormShow();
  // The activation runs inside the modal loop, so that it may ask.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) Protege([this] { FormActivate(); });
    ativado_ = true;
  });
}

void EditorDocumento::FormShow() {
  ShowCaretPosition();
  RichEditChange();
  ActionList2Update();
  Editor->setFocus();
}

void EditorDocumento::reject() {}

void EditorDocumento::closeEvent(QCloseEvent* e) {
  if (!isVisible()) {
    e->accept();
    return;
  }
  if (!FormCloseQuery()) {
    e->ignore();
    return;
  }
  e->accept();
  QDialog::done(2);
}

bool EditorDocumento::FormCloseQuery() { return ConfirmSaveChanges(); }

bool EditorDocumento::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    // ShowHint: a hint fills the bar as one panel; none brings the three
    // panels back.
    const QString dica = static_cast<QStatusTipEvent*>(e)->tip();
    if (dica.isEmpty())
      StatusBar->clearMessage();
    else
      StatusBar->showMessage(dica);
    return true;
  }
  return QDialog::event(e);
}

QString EditorDocumento::Painel(int i) const { return (i >= 0 && i < 3) ? paineis_[i]->text() : QString(); }
bool EditorDocumento::PaineisVisiveis() const { return StatusBar->currentMessage().isEmpty(); }
QString EditorDocumento::Dica() const { return StatusBar->currentMessage(); }

void EditorDocumento::Esvazia() { Editor->clear(); }

bool EditorDocumento::ConfirmSaveChanges() {
  if (!Editor->document()->isModified()) return true;
  switch (platform::PerguntaSimNaoCancela(
      this, QStringLiteral("Salvar alterações para ") + DocumentName() + QStringLiteral(" ?"), kAtencao)) {
    case 1: return FileSave();
    case 0: return true;
    default: return false;
  }
}

void EditorDocumento::LoadDocument(const QString& nome) {
  PoeConteudo(LeArquivo(nome));
  SetDocumentName(nome);
  Editor->setFocus();
  Editor->document()->setModified(false);
  ShowModifiedState(false);
}

void EditorDocumento::FileNew() {
  if (!ConfirmSaveChanges()) return;
  SetDocumentName(kSemNome);
  Esvazia();
  Editor->document()->setModified(false);
  ShowModifiedState(false);
  AposNovo();
}

void EditorDocumento::FileOpen() {
  if (!ConfirmSaveChanges()) return;
  if (OpenDialog->exec() != QDialog::Accepted || OpenDialog->selectedFiles().isEmpty()) return;
  LoadDocument(OpenDialog->selectedFiles().constFirst());
  // The dialog offers no read-only choice: documents open editable.
  Editor->setReadOnly(false);
  AposArquivo();
}

bool EditorDocumento::Grava(const QString& caminho) {
  if (!Protege([&] { GravaArquivoInteiro(caminho, Conteudo()); })) return false;
  Editor->document()->setModified(false);
  ShowModifiedState(false);
  return true;
}

bool EditorDocumento::FileSave() {
  if (DocumentName() == kSemNome) return FileSaveAs();
  if (!Grava(DocumentName())) return false;
  AposArquivo();
  return true;
}

bool EditorDocumento::FileSaveAs() {
  if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty()) return false;
  const QString nome = SaveDialog->selectedFiles().constFirst();
  if (files::ArquivoExiste(nome) &&
      !platform::PerguntaSimNaoPadraoNao(this, QStringLiteral("Sobrepor ") + nome + QStringLiteral(" ?"), kAtencao))
    return false;
  if (!Grava(nome)) return false;
  SetDocumentName(nome);
  AposArquivo();
  return true;
}

void EditorDocumento::FilePrint() {
  QPrinter impressora(QPrinter::HighResolution);
  QPrintDialog dialogo(&impressora, this);
  dialogo.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialogo.exec() != QDialog::Accepted) return;
  if (!platform::ImprimeRTF(impressora, DocumentName(), *Editor->document()))
    throw std::runtime_error("Erro de impressão: não foi possível iniciar a impressão.");
}

void EditorDocumento::FileExit() { close(); }

void EditorDocumento::EditUndo() { Editor->undo(); }
void EditorDocumento::EditCut() { Editor->cut(); }
void EditorDocumento::EditCopy() { Editor->copy(); }
void EditorDocumento::EditPaste() { Editor->paste(); }

void EditorDocumento::ActionList2Update() {
  const bool selecao = Editor->textCursor().hasSelection();
  EditCutCmd->setEnabled(selecao);
  EditCopyCmd->setEnabled(selecao);
  EditUndoCmd->setEnabled(Editor->document()->isUndoAvailable());
  EditPasteCmd->setEnabled(Editor->canPaste());
}

void EditorDocumento::RichEditChange() {
  ShowModifiedState(Editor->document()->isModified());
  ActionList2Update();
}

void EditorDocumento::ShowCaretPosition() {
  const LinhaColuna p = PosicaoDoCursor(Editor);
  paineis_[0]->setText(QString::asprintf("Lin: %3d   Col: %3d", p.linha + 1, p.coluna + 1));
}

void EditorDocumento::ShowModifiedState(bool modificado) {
  paineis_[1]->setText(modificado ? QStringLiteral("Modificado") : QString());
}

}  // namespace pravo
