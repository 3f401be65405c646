// TfrmEditTst: the tests editor.  One record per test of a tests file
// (.tst): a question, its right answer and up to three wrong answers.
#pragma once

#include "authoring/editors/form_frase.h"

namespace pravo {

class TfrmEditTst : public FormFrase {
  Q_OBJECT
 public:
  explicit TfrmEditTst(QWidget* dono = nullptr);

  // The wrong answers may be blank.
  bool Valida() override;

  Memo* memTeste;
};

}  // namespace pravo
