// What the text-page windows share: the full-screen frame, "Próxima" and
// "Sair", the may-close flag that keeps the window system from closing the
// page, and the activation that runs inside the modal loop at each showing.
//
// A page window is created once and shown again for every page of its kind
// and for every consultation from an activity; each showing starts at
// FormActivate and reads AtividadeAtual and UltimaAtividade afresh.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QPrinter;
class QPushButton;

namespace zelmo {

class JanelaPagina : public QDialog {
  Q_OBJECT
 public:
  QPushButton* btnProxima = nullptr;
  QPushButton* btnSair = nullptr;

  void btnProximaClick();
  void btnSairClick();
  bool podeFechar() const { return podeFechar_; }
  // This showing's activation has run to its end.
  bool ativada() const { return ativada_; }

  // Closes only once "Próxima" or "Sair" allowed it (then FormClose runs),
  // or when the program is ending (then it does not).
  void done(int r) override;
  // Escape closes nothing.
  void reject() override;

 protected:
  JanelaPagina(QWidget* dono, const QString& caption);
  // A button of the row at the foot, at design coordinates.
  QPushButton* CriaBotao(const char* nome, const QString& texto, int esquerda);

  // One showing: runs once per show, inside the modal loop.
  virtual void FormActivate() = 0;
  // Clears what the page showed; ParaSom follows.
  virtual void FormClose() = 0;

  // Activation steps shared by the pages: may-close false, "Sair" enabled
  // on the last page or when the page allows it, "Próxima" disabled.
  void IniciaBotoes();
  // The last step: "Próxima" enabled, or hidden on the last page, and
  // focused when it can be.
  void LiberaProxima();

  // Prints on the default printer through `imprime`; without a printer, or
  // when the job cannot begin (`imprime` answers false), a warning says so.
  void ImprimeNaImpressora(const std::function<bool(QPrinter&)>& imprime);

  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

  bool podeFechar_ = false;
  bool ativada_ = false;
};

}  // namespace zelmo
