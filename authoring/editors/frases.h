// TfrmEditFra: the phrases editor.  One record per phrase of a phrases file
// (.fse): a phrase with gaps ("_"), the option that fills them and three
// wrong options, each option one item per gap separated by ";".
#pragma once

#include "authoring/editors/form_frase.h"

namespace pravo {

class TfrmEditFra : public FormFrase {
  Q_OBJECT
 public:
  explicit TfrmEditFra(QWidget* dono = nullptr);

  bool Valida() override;
  // The number of gaps of the phrase equals the number of items of each of
  // the four options; else the gaps message, focus on memFrase.
  bool ConfereLacunas();

  // The maximal runs of "_" in a phrase.
  static int Lacunas(const QString& frase);
  // 1 plus the number of ";" in an option.
  static int Itens(const QString& opcao);

  Memo* memFrase;
};

}  // namespace pravo
