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
  // shows nothing.  False then.
  bool Carrega(const QString& caminho);
  void Limpa();
  // Prints the document on the printer with the job title (ImprimeRTF).
  bool Imprime(const QString& titulo);
};

}  // namespace platform
