// The player's main window: the dark-blue screen behind every page.  Its
// first activation runs the whole student run inside itself; closing it
// writes the report and ends the program.
#pragma once

#include <QWidget>

#include "platform/aplicacao.h"

class QLabel;

namespace platform {
class MediaPlayer;
}

namespace zelmo {

class TfrmMain : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* pai = nullptr);
  ~TfrmMain() override;

  QLabel* Label1;  // "Zelmo II ", black: the shadow of Label2
  QLabel* Label2;  // "Zelmo II ", red
  QLabel* Label4;  // "Zelmo II - Versão 1.01"
  platform::MediaPlayer* MediaPlayer1;  // the program's one media player

  // The run: splash, configuration, subject file, login, every page, end.
  // Runs once, whatever number of times the window is activated.
  void FormActivate();
  bool Executou() const { return executou_; }
  // How the run ended (tests).
  enum class Fim { EmCurso, Relatorio, SemRelatorio };
  Fim fim() const { return fim_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void FormCreate();
  void FormClose();
  void Encerra();
  void Agenda();
  // The subject file's page count; 0 when it is missing, empty or unreadable
  // (the program then ends without a report).
  qint64 ContaPaginas();
  void PercorrePaginas(qint64 total);
  // Ends the program without closing the main window: no report.
  void TerminaSemRelatorio(const QString& mensagem);
  void Fecha();

  bool agendado_ = false;
  bool executou_ = false;
  bool encerrado_ = false;
  Fim fim_ = Fim::EmCurso;
};

// The application object of the player: an error that escapes an event
// handler is shown in a message box with the player's title and ends only
// that event.
class AplicacaoZelmo : public platform::Aplicacao {
 public:
  AplicacaoZelmo(int& argc, char** argv);
};

// The start of a run, steps the main window takes after the splash.
// LeConfiguracao: NomeAssunto and NomeRelatorio from the one record of
// ArqConfig; without a readable configuration, the subject and report that
// the configuration dialog offers first.  ConstroiCaminhos: ArqRelatorio,
// ArqAssunto and DirAssunto from DirPrograma and those names.
void LeConfiguracao();
void ConstroiCaminhos();

// Program start: the title, the main window over the whole screen, the
// message loop.  The page and activity windows are registered before.
int ExecutaZelmo();

// Before the application object: what the browser needs to run here.
inline void PreparaAmbiente() { platform::PreparaAmbiente(); }

}  // namespace zelmo
