// The rich-edit control as the player shows it: a read-only view of a
// rich-text document loaded from a file (RTF, or plain text as such).
#pragma once

#include <QString>
#include <QTextEdit>

namespace platform {

class TextoRico : public QTextEdit {
  Q_OBJECT
 public:
  explicit TextoRico(QWidget* pai = nullptr);

  // Loads the file in place of what is shown; a file that cannot be read
  // shows nothing.  False then.  The document is read apart and handed over
  // laid out at the width it is shown at, with the vertical scroll bar it
  // needs already in place, so the control never lays it out again at
  // another width; long tables are read in parts (OpcoesRTF), so only the
  // first screen is laid out before the page shows and the rest follows.
  bool Carrega(const QString& caminho);
  // The widths at which the document shown has been laid out since it was
  // handed to the control: 1 when it was laid out once.  (Before, it is
  // laid out as far as one screen, to know whether it needs the bar.)
  int Layouts() const { return larguras_; }
  void Limpa();
  // Prints the document on the printer with the job title (ImprimeRTF).
  bool Imprime(const QString& titulo);

 private:
  // Lays the new document out, as far as one screen, at the width it is
  // going to be shown at, and puts the vertical scroll bar in place when it
  // overflows the screen.
  void PreparaLargura(QTextDocument* doc);
  void ContaLayouts(QTextDocument* doc);

  int larguras_ = 0;
  double ultimaLargura_ = -1;
};

}  // namespace platform
