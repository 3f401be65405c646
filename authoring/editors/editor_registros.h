// The record-editor frame that the six record editors share: opening or
// creating the file at each activation, the record label, the four moves,
// inserting with TfrmInserir, deleting and closing.  The frame does the file
// work; each editor does its field work through the hooks below (Limpa,
// Valida, and the two halves of Grava and Mostra: controls to record bytes
// and record bytes to controls).
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace files {
class IoError;
class RecordFile;
}  // namespace files

namespace pravo {

// Shows an input/output error as the program's default handler does: its
// standard text in a box captioned "Pravo II".
void MostraErroES(QWidget* dono, const files::IoError& erro);

// Runs an operation and reports an input/output error that stops it; true
// when it ran to the end.
bool ProtegeES(QWidget* dono, const std::function<void()>& operacao);

// What sets one editor of the family apart from the frame.
struct DescricaoEditor {
  QString prefixoTitulo;        // "Editor de Arquivo de Palavras - "
  QString substantivo;          // "Palavra"
  const QString* caminho;       // the path variable in Global (ArqPalavras)
  files::RecordFile* arquivo;   // the record file in Global (DadosPalavras)
  QString avisoMinimo;          // shown on closing with fewer than 5 records; empty: none
  int topoBotoes = 416;         // the design top of the row of buttons
};

class EditorRegistros : public QDialog {
  Q_OBJECT
 public:
  EditorRegistros(const DescricaoEditor& descricao, QWidget* dono);
  ~EditorRegistros() override;

  // The frame state: the current record (1-based) and the record count.
  qint64 RegistroAtual() const { return atual_; }
  qint64 NumRegistros() const { return num_; }
  // noun + " " + i + " de " + N.
  QString Rotulo(qint64 i) const;

  // True if the controls hold a storable record; else the message of the
  // first failing test, the focus on the control at fault, and false.
  virtual bool Valida() = 0;

  // Every way of closing ends here (Sair, Escape, the window manager).
  void done(int resultado) override;

  // The frame's handlers.
  void FormActivate();
  // True when the window may close.
  bool FormClose();
  void btnPrimeiraClick();
  void btnAnteriorClick();
  void btnProximaClick();
  void btnUltimaClick();
  void btnInserirClick();
  void btnDeletarClick();
  void btnSairClick();

  QLabel* lblPagina;
  QPushButton* btnPrimeira;
  QPushButton* btnAnterior;
  QPushButton* btnProxima;
  QPushButton* btnUltima;
  QPushButton* btnDeletar;
  QPushButton* btnInserir;
  QPushButton* btnSair;

 protected:
  // Each editor's own operations.
  virtual void Limpa() = 0;
  // Controls to the record buffer (texts cut, Codigo computed), as bytes.
  virtual QByteArray ParaRegistro() = 0;
  // A record's bytes to the buffer and the controls.
  virtual void DoRegistro(const QByteArray& bytes) = 0;
  // Where the focus goes after a move, an insertion or a deletion.
  virtual void FocoAposMudanca() {}
  // Activation steps of an editor's own: before Limpa (the locate editor's
  // picture holders), between Limpa and opening the file (the HTML-tests
  // editor's page list); and after the file is closed.
  virtual void AntesDeLimpar() {}
  virtual void AntesDeAbrir() {}
  virtual void AoFechar() {}

  // Stores the controls as record i.
  virtual void Grava(qint64 i);
  // Reads record i into the controls and the label.
  virtual void Mostra(qint64 i);

  // The end of the editor's construction: scales the window from its
  // 632 x 448 design and sizes it to the screen.
  void FormCreate();

  void showEvent(QShowEvent* e) override;

  // A validation or warning box: caption "Atenção !", one OK button.
  void Aviso(const QString& texto);
  // Valida's test of a field that may not be blank: when `texto` is blank,
  // the message, the focus on `controle`, and false.
  bool Preenchido(const QString& texto, QWidget* controle, const QString& mensagem);

 private:
  void Move(bool anda, qint64 destino);
  void Encerra();

  DescricaoEditor d_;
  qint64 atual_ = 1;
  qint64 num_ = 0;
  bool aberto_ = false;   // the file is open for this showing
  bool fechando_ = false;
};

}  // namespace pravo
