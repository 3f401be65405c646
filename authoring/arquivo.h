// The subject and file chooser (unit Arquivo): the one dialog through which
// the author picks the current subject, or the activity file an editor is
// about to open, from a list or by typing a new name.  The caller sets
// TipoArquivo (0 to 7) and shows it modally; "Abrir" and "Criar" set the
// kind's globals and close with OK, "Cancelar" closes with Cancel and
// changes nothing.  The only thing it creates is a new subject folder.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pravo {

class CaixaArquivos;

// The extension (".ast" ...) and the noun ("Assunto" ...) of a file kind;
// empty outside 0 to 7.
QString ExtensaoTipo(int tipo);
QString NomeTipo(int tipo);

// Sets the globals that choosing the name N of kind `tipo` sets.
void DefineEscolha(int tipo, const QString& nome);

class TfrmArquivo : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmArquivo(QWidget* dono = nullptr);

  QGroupBox* GroupBox1;
  QListWidget* lbAssuntos;
  QPushButton* btnAbrir;
  CaixaArquivos* FileListBox1;
  QGroupBox* GroupBox2;
  QLineEdit* edtNovo;
  QPushButton* btnCriar;
  QPushButton* btnCancelar;

  void FormActivate();
  void ListaPastasAssunto();
  void ListaArquivosTipo();
  void lbAssuntosClick();
  void lbAssuntosDblClick();
  void edtNovoChange();
  void btnAbrirClick();
  void btnCriarClick();
  // Esc and the close box mean Cancel.
  void reject() override { done(2); }

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void DefineTitulo(QGroupBox* caixa, const QString& titulo);

  QFont fonteTitulo_;
};

}  // namespace pravo
