// The authoring program's default error handler: a failure that no window
// handles itself (an input/output error of a record file, a printer error)
// is shown in a message box with the program's title as caption and the
// standard text of the failure; the event in progress ends and the program
// goes on.
#pragma once

#include <QString>
#include <exception>

#include "platform/aplicacao.h"

class QWidget;

namespace pravo {

// Shows the failure: caption "Pravo II", an error icon, the failure's text
// (for an input/output error also the file's path) and an OK button.
inline void MostraErro(QWidget* dono, const std::exception& erro) {
  platform::MostraErro(dono, QStringLiteral("Pravo II"), erro);
}

// The application object of Pravo2: every event that ends in an exception
// is reported through MostraErro instead of ending the program.
class Aplicacao : public platform::Aplicacao {
 public:
  Aplicacao(int& argc, char** argv) : platform::Aplicacao(argc, argv, QStringLiteral("Pravo II")) {}
};

}  // namespace pravo
