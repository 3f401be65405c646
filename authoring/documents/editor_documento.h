// What the two document editors share (the rich-text editor TfrmTexto and
// the HTML editor TfrmHTML): the menus "&Arquivo" and "&Editar" with their
// actions, shortcuts and hints, the file and edit buttons of the toolbar,
// the editor, the status bar with the caret position, the modified flag and
// the hints, the file commands with their save and overwrite questions, and
// printing.  Each editor says how its document is read, written, named and
// shown.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QTextEdit>
#include <functional>

class QAction;
class QKeySequence;
class QFileDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace pravo {

// The name of a document that was never saved.
inline const QString kSemNome = QStringLiteral("SemNome");

// A whole plain file's bytes (or its first `limite` bytes when `limite` is
// not negative); a file that cannot be read, or a pipe, device or folder in
// its place, raises the input/output error of its failure (files::IoError).
QByteArray LeArquivo(const QString& caminho, qint64 limite = -1);
// Writes the bytes as the whole file, whole or not at all
// (files/gravacao.h): a failed save leaves the old file as it was and raises
// its input/output error.
void GravaArquivoInteiro(const QString& caminho, const QByteArray& bytes);

// The caret's line (of the lines as shown, wrapped lines counted) and
// column, from 0.
struct LinhaColuna {
  int linha = 0;
  int coluna = 0;
};
LinhaColuna PosicaoDoCursor(const QTextEdit* editor);

// The editor control: a text edit whose formatting rectangle can be set.
class CaixaTexto : public QTextEdit {
  Q_OBJECT
 public:
  using QTextEdit::QTextEdit;
  // The text keeps this many pixels from the left and right edges.
  void DefineMargens(int esquerda, int direita) { setViewportMargins(esquerda, 0, direita, 0); }
};

class EditorDocumento : public QDialog {
  Q_OBJECT
 public:
  QMenuBar* MainMenu;
  QMenu* Arquivo1;
  QMenu* Editar1;
  QAction* FileNewCmd;
  QAction* FileOpenCmd;
  QAction* FileSaveCmd;
  QAction* FileSaveAsCmd;
  QAction* FilePrintCmd;
  QAction* FileExitCmd;
  QAction* EditUndoCmd;
  QAction* EditCutCmd;
  QAction* EditCopyCmd;
  QAction* EditPasteCmd;
  QAction* SelectFontCmd;
  QToolBar* StandardToolBar;
  QToolButton* ToolButton1;
  QToolButton* OpenButton;
  QToolButton* SaveButton;
  QToolButton* PrintButton;
  QToolButton* CutButton;
  QToolButton* CopyButton;
  QToolButton* PasteButton;
  QToolButton* UndoButton;
  CaixaTexto* Editor;
  QStatusBar* StatusBar;
  QFileDialog* OpenDialog;
  QFileDialog* SaveDialog;

  // The document's name: its full path, or "SemNome".
  virtual QString DocumentName() const = 0;
  virtual void SetDocumentName(const QString& nome) = 0;

  // The file commands.  Each one that can lose text asks first; a save
  // question answered Yes that did not end in a save abandons the command,
  // as Cancel does.  FileSave and FileSaveAs say whether the document was
  // saved; a failed write is reported and leaves document and name as they
  // were.
  void FileNew();
  void FileOpen();
  bool FileSave();
  bool FileSaveAs();
  void FilePrint();
  void FileExit();
  void EditUndo();
  void EditCut();
  void EditCopy();
  void EditPaste();
  virtual void SelectFont() = 0;

  // True when the command that asked may go on: nothing to save, No, or Yes
  // and the document was saved.
  bool ConfirmSaveChanges();
  // Reads the file in place of the document (a failure raises its
  // input/output error and changes nothing) and names the document by it.
  void LoadDocument(const QString& nome);
  bool FormCloseQuery();

  void ActionList2Update();
  void RichEditChange();
  void ShowCaretPosition();
  void ShowModifiedState(bool modificado);

  // What a status panel shows (0 to 2), and whether the three panels are
  // shown (false while a hint fills the bar).
  QString Painel(int i) const;
  bool PaineisVisiveis() const;
  QString Dica() const;
  // This showing's activation has run.
  bool ativado() const { return ativado_; }

  // Escape leaves nothing: the editor is left through "Sai&r".
  void reject() override;

 protected:
  struct Arquivos {
    QString filtro;    // "Arquivos Texto (RTF) (*.RTF)"
    QString extensao;  // appended to a name typed without one
  };
  EditorDocumento(const Arquivos& arquivos, QWidget* dono);

  // The document's content from a file's bytes, and as bytes to save.
  virtual void PoeConteudo(const QByteArray& bytes) = 0;
  virtual QByteArray Conteudo() const = 0;
  // The editor emptied (FileNew and the rich-text editor's activation).
  virtual void Esvazia();
  // A file was opened or saved; a new document was started.
  virtual void AposArquivo() {}
  virtual void AposNovo() {}
  virtual void FormShow();
  virtual void FormActivate() = 0;

  // Runs a command; a failure it raises is reported as the program's
  // default handler reports it.  True when it ran to the end.
  bool Protege(const std::function<void()>& comando);

  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

  QVBoxLayout* corpo_;

 private:
  QAction* Acao(const char* nome, const QString& texto, const QString& dica, const QKeySequence& atalho,
                void (EditorDocumento::*comando)());
  QToolButton* BotaoDe(QAction* acao, const char* nome, const QString& icone);
  bool Grava(const QString& caminho);

  QLabel* paineis_[3];
  bool ativado_ = false;
};

}  // namespace pravo
