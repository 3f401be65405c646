// TfrmInserir: the small dialog that asks whether a new record goes before
// or after the current one.  Its choice stays as the author left it, from
// one use to the next, in every editor.
#pragma once

#include <QDialog>

class QPushButton;

namespace pravo {

class GrupoRadio;

class TfrmInserir : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmInserir(QWidget* dono = nullptr);

  // True when the author chose "depois".
  bool Depois() const;

  // The program's one instance (the splash creates it); a window of its own
  // when the program's windows have not been created (a single editor under
  // test).
  static TfrmInserir* Instancia();

  GrupoRadio* RadioGroup1;
  QPushButton* btnSair;

  // There is no cancel: only the OK button leaves the dialog.
  void reject() override {}

 protected:
  void showEvent(QShowEvent* e) override;
};

}  // namespace pravo
