// The program's file lister (the main window's hidden FileListBox1): the
// plain files of a folder that match a mask of one or more patterns
// separated by ";" ("*.wav;*.mid"), names as spelt on disk, in alphabetical
// order without regard to case.  Pointing it at a folder makes that folder
// the process's current directory, which stays so afterwards (the hypertext
// page editor relies on this).
#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

namespace pravo {

// Lists `pasta` (a folder path, resolved without regard to case) and makes it
// the current directory.  A missing folder lists nothing and leaves the
// current directory as it was.
QStringList ListaPasta(const QString& pasta, const QString& mascara);

// The sub-folders of `pasta` (no "." or ".."), spelt as on disk, in
// alphabetical order without regard to case; also makes it the current
// directory.
QStringList ListaSubpastas(const QString& pasta);

// The hidden file-list box of a window ("FileListBox1"): set its mask, point
// it at a folder and refresh it; it then holds the listed names.
class CaixaArquivos : public QListWidget {
 public:
  explicit CaixaArquivos(QWidget* dono = nullptr);

  void DefineMascara(const QString& mascara) { mascara_ = mascara; }
  const QString& mascara() const { return mascara_; }
  // Folders instead of files (the chooser's list of subjects).
  void DefinePastas(bool pastas) { pastas_ = pastas; }
  // Points the box at a folder, which becomes the current directory, and
  // refreshes it.
  void DefinePasta(const QString& pasta);
  const QString& pasta() const { return pasta_; }
  void Atualiza();
  QStringList Itens() const;

 private:
  QString mascara_ = QStringLiteral("*");
  QString pasta_;
  bool pastas_ = false;
};

}  // namespace pravo
