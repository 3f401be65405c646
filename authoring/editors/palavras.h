// TfrmEditPal: the words editor.  One record per word of a words file (.plv):
// the word and its hint.
#pragma once

#include "authoring/editors/editor_registros.h"

class QLabel;
class QLineEdit;

namespace pravo {

class Memo;

class TfrmEditPal : public EditorRegistros {
  Q_OBJECT
 public:
  explicit TfrmEditPal(QWidget* dono = nullptr);

  bool Valida() override;

  QLabel* Label1;
  QLineEdit* edtPalavra;
  QLabel* Label2;
  Memo* memDica;

 protected:
  void Limpa() override;
  QByteArray ParaRegistro() override;
  void DoRegistro(const QByteArray& bytes) override;
  void FocoAposMudanca() override;
};

}  // namespace pravo
