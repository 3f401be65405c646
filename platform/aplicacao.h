// The application object that both programs use, and their default error
// handler: a failure that no window handles itself (an input/output error of
// a file, a printer error) is shown in a message box captioned with the
// program's title and the standard text of the failure; the event in
// progress ends and the program goes on, as the window system's applications
// do.
#pragma once

#include <QApplication>
#include <QString>
#include <exception>

class QWidget;

namespace platform {

// Shows the failure: the caption, an error icon, the failure's text (for an
// input/output error also the file's path, below it) and an OK button.
void MostraErro(QWidget* dono, const QString& titulo, const std::exception& erro);

// Before the application object: what the browser needs to run here.  Its
// sandbox cannot run as the administrator, nor in many containers (the pages
// it shows are the subject's own local files), and it shares its OpenGL
// contexts.  A value the environment already holds is kept.
void PreparaAmbiente();

// Brings a window that is being shown above the window it belongs to and
// gives it the keyboard focus.  A window is stacked where its native window
// was made, and mapping it later does not raise it: without a window manager
// a window made early (as every authoring window is, at start-up) would
// appear below a window raised since, the main menu, which a modal window
// blocks.  A modal window without an owner belongs to the active window.
// Pop-ups, tool tips and windows that are shown without activation are left
// alone.
void PoeNaFrente(QWidget* janela);

// The application object: every event that ends in an exception is reported
// through MostraErro with the program's title instead of ending the program.
// It speaks Brazilian Portuguese from the start (UsaPortugues).  Every window
// it shows comes up in front (PoeNaFrente).
class Aplicacao : public QApplication {
 public:
  // `titulo`: the caption of the error boxes.  `semTexto`: what a failure
  // that carries no text of its own shows.
  Aplicacao(int& argc, char** argv, const QString& titulo,
            const QString& semTexto = QStringLiteral("Erro inesperado"));
  bool notify(QObject* destino, QEvent* evento) override;

  const QString& titulo() const { return titulo_; }

 private:
  QString titulo_;
  QString semTexto_;
};

}  // namespace platform
