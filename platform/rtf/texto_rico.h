// The rich-edit control as the player shows it: a read-only view of a
// rich-text document loaded from a file (RTF, or plain text as such).
#pragma once

#include <QString>
#include <QTextEdit>
#include <QTimer>
#include <memory>

namespace platform {

class LeituraEmPartes;

class TextoRico : public QTextEdit {
  Q_OBJECT
 public:
  explicit TextoRico(QWidget* pai = nullptr);
  ~TextoRico() override;

  // Loads the file in place of what is shown; a file that cannot be read
  // shows nothing.  False then.  The document is read apart and handed over
  // laid out at the width it is shown at, with the vertical scroll bar it
  // needs already in place, so the control never lays it out again at
  // another width; long tables are read in parts (OpcoesRTF), so only the
  // first screen is laid out before the page shows and the rest follows.
  // A long RTF document is handed over once its first screen is read, and
  // the rest is read into it while the page is shown, a piece at each turn
  // of the event loop (Carregando() meanwhile).
  bool Carrega(const QString& caminho);
  bool Carregando() const { return leitura_ != nullptr; }
  // Reads at once what is still to be read of the document shown: whatever
  // takes the whole document (printing, ImprimeRTF) does this first.
  void TerminaCarga();
  // The widths at which the document shown has been laid out since it was
  // handed to the control: 1 when it was laid out once.  (Before, it is
  // laid out as far as one screen, to know whether it needs the bar.)
  int Layouts() const { return larguras_; }
  void Limpa();

 private:
  // Lays the new document out, as far as one screen, at the width it is
  // going to be shown at, and puts the vertical scroll bar in place when it
  // overflows the screen.
  void PreparaLargura(QTextDocument* doc);
  void ContaLayouts(QTextDocument* doc);
  void ParaLeitura();

  std::unique_ptr<LeituraEmPartes> leitura_;
  QTimer etapa_;

  int larguras_ = 0;
  double ultimaLargura_ = -1;
};

}  // namespace platform
