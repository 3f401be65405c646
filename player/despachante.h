// From page kind to window.  The text pages (kinds 0 to 2) are created once,
// by the splash; the activities (kinds 3 to 12) for one page and freed after
// it.  Each window's library registers its row; a kind without a row is
// skipped as an unknown kind is.
#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace zelmo {

using FabricaJanela = std::function<QDialog*(QWidget* dono)>;

void RegistraJanela(int tipo, FabricaJanela fabrica);
bool TemJanela(int tipo);
QDialog* CriaJanela(int tipo, QWidget* dono);

// The long-lived window of a text page kind (frmRTF, frmHiper, frmHTML);
// nullptr for any other kind or while it does not exist.
QDialog* JanelaDeTexto(int tipo);

// Shows the window of AtividadeAtual.Tipo; true when it answered 1 (OK).
bool ExecutaAtividade();

// Ending the program from a page or activity window (its file is missing,
// empty or corrupt): the application is told to terminate and the window's
// modal loop ends with 2 without its close handler, so the window adds no
// block; the run loop then closes the main window, which writes the report.
void EncerraPrograma(QDialog* janela);
bool ProgramaEncerrando();

// Tests: forget every registered window; clear the ending flag.
void RemoveJanelas();
void ReiniciaEncerramento();

}  // namespace zelmo
