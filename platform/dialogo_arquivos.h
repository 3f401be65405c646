// Qt's own file dialog as the programs show it: wholly in Brazilian
// Portuguese (the kind of each entry, its size and its date, which Qt's
// file model takes from the machine's language and not from the program's),
// and large enough for its columns to show.
#pragma once

class QFileDialog;

namespace platform {

// Call once, on a dialog that is not shown yet; the dialog is Qt's own (not
// the desktop's), since only that one can be put in the program's language.
void PreparaDialogoArquivos(QFileDialog* dialogo);

}  // namespace platform
