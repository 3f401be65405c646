// The player's shared state.  Windows take no arguments: they read these and
// answer only through their modal result (1 go on, 2 end the run, 0 stay).
#pragma once

#include <QString>
#include <QStringList>

#include "files/convencoes.h"
#include "files/registros.h"

class QDialog;

namespace platform {
class MediaPlayer;
}

namespace zelmo {

class TfrmMain;
class TfrmSenha;
class TfrmAviso;

extern QString DirPrograma;   // program folder, lower-cased, ending in "/"
extern QString ArqConfig;     // DirPrograma + "Zelmo2.cfg"
extern QString NomeAssunto;
extern QString NomeRelatorio;
extern QString ArqAssunto;
extern QString DirAssunto;
extern QString ArqRelatorio;

// The full path of the current page's file, one per format.
extern QString ArqRTF;
extern QString ArqHiper;
extern QString ArqHTML;
extern QString ArqPalavras;
extern QString ArqFrases;
extern QString ArqLocal;
extern QString ArqTesteHTML;

extern files::RegPagina AtividadeAtual;  // the page being played
extern files::RegPagina UltimaPagina;    // the last text page shown; Tipo -1 until one was
extern bool UltimaAtividade;             // the current page is the subject's last

extern QStringList LinhasRelatorio;  // this run's report lines
extern QStringList ListaErros;       // one activity's wrong answers

// The windows that live for the whole run.
extern TfrmMain* frmMain;
extern QDialog* frmRTF;
extern QDialog* frmHiper;
extern QDialog* frmHTML;
extern TfrmSenha* frmSenha;
extern TfrmAviso* frmAviso;

// The one media player of the program, owned by the main window; without a
// main window (tests) one kept by the application.
platform::MediaPlayer* MediaPlayer1();

// The folder TfrmMain.FormCreate takes DirPrograma from; empty: the folder of
// the program's own file (tests set their own).
extern QString PastaDoPrograma;

// The program's one random generator and its time source.  The clock is the
// system's; tests put their own in its place.
extern files::Aleatorio Gerador;
extern files::Relogio* Relogio;

// Puts every global back to its state at program start (tests use it).
void ReiniciaGlobais();

}  // namespace zelmo
