// The report viewer (unit Rel): shows, prints and deletes the report file
// ArqRelatorio that the player writes.  It shows the text as it is and does
// not interpret it.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace pravo {

// The lines of a text: a line ends at a line feed, a carriage return or the
// pair; a last line without an end counts, an end at the very end opens no
// further line.
QStringList LinhasDoTexto(const QString& texto);

// What printing sends to the printer for the given memo lines: three empty
// lines, then each line (with one blank appended) cut into chunks of at
// most 80 characters, each broken after its last blank and printed after a
// margin of 15 blanks; after 46 or more printed lines, at the end of a memo
// line, a line holding only a form feed and three empty lines more.
QStringList LinhasImpressao(const QStringList& linhasMemo);

// The message shown when the report does not fit in the viewer.
QString MensagemRelatorioExtenso();

class TfrmRel : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmRel(QWidget* dono = nullptr);

  QPlainTextEdit* Memo1;
  QPushButton* btnImprimir;
  QPushButton* btnApagar;
  QPushButton* btnSair;

  void FormActivate();
  void btnImprimirClick();
  void btnApagarClick();
  void btnSairClick();

  // The lines the memo holds (none when it is empty).
  const QStringList& LinhasMemo() const { return linhas_; }
  // Prints the memo's lines on the given printer; false when the printer
  // could not start the job (the failure has been shown).
  bool Imprime(QPrinter& impressora);

  // How many characters the memo takes (its capacity); a longer report is
  // shown only in part.
  static constexpr qsizetype kCapacidadePadrao = 16 * 1024 * 1024;
  void DefineCapacidade(qsizetype caracteres) { capacidade_ = caracteres; }

 protected:
  void showEvent(QShowEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  void MostraLinhas(const QStringList& linhas);
  void Dispoe();

  QStringList linhas_;
  qsizetype capacidade_ = kCapacidadePadrao;
};

}  // namespace pravo
