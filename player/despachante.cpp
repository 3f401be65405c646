#include "player/despachante.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>

#include "player/global.h"
#include "player/principal.h"

namespace zelmo {

namespace {

std::array<FabricaJanela, files::kNumTipos> tabela;
bool encerrando = false;

bool TipoValido(int tipo) { return tipo >= 0 && tipo < files::kNumTipos; }

// Swallows what a window would react to while it is shown only to be ended.
class Mudo : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::Show:
      case QEvent::ShowToParent:
      case QEvent::WindowActivate:
      case QEvent::ActivationChange:
      case QEvent::FocusIn:
        return true;
      default:
        return false;
    }
  }
};

bool Continua(int resultado) { return resultado == 1 && !encerrando; }

}  // namespace

QDialog* JanelaDeTexto(int tipo) {
  switch (tipo) {
    case files::kTextoRTF: return frmRTF;
    case files::kHipertexto: return frmHiper;
    case files::kHTML: return frmHTML;
  }
  return nullptr;
}

void RegistraJanela(int tipo, FabricaJanela fabrica) {
  if (TipoValido(tipo)) tabela[tipo] = std::move(fabrica);
}

bool TemJanela(int tipo) { return TipoValido(tipo) && static_cast<bool>(tabela[tipo]); }

QDialog* CriaJanela(int tipo, QWidget* dono) {
  if (!TemJanela(tipo)) return nullptr;
  return tabela[tipo](dono);
}

void RemoveJanelas() {
  for (auto& f : tabela) f = nullptr;
}

bool ExecutaAtividade() {
  // Compared as unsigned, so -1 and every other value outside 0..12 is
  // simply skipped.
  const auto tipo = static_cast<uint32_t>(AtividadeAtual.Tipo);
  if (tipo > static_cast<uint32_t>(files::kTestesHTML)) return true;

  if (tipo <= static_cast<uint32_t>(files::kHTML)) {
    QDialog* janela = JanelaDeTexto(static_cast<int>(tipo));
    if (!janela) return true;  // that page window is not part of this program
    UltimaPagina = AtividadeAtual;
    return Continua(janela->exec());
  }

  // Made for this page and freed after it (unless it freed itself on close).
  QPointer<QDialog> janela(CriaJanela(static_cast<int>(tipo), frmMain));
  if (!janela) return true;
  int resultado = 2;
  if (!encerrando) resultado = janela->exec();  // else it failed while being built
  delete janela.data();
  return Continua(resultado);
}

void EncerraPrograma(QDialog* janela) {
  encerrando = true;
  if (!janela) return;
  // done() ends the modal loop without the close handler.  A window that asks
  // this while it is still being shown (before its loop runs) is ended again
  // once the loop runs.
  janela->done(2);
  QPointer<QDialog> guarda(janela);
  QTimer::singleShot(0, janela, [guarda] {
    if (!guarda || !encerrando || !guarda->testAttribute(Qt::WA_ShowModal)) return;
    // Still in its modal loop: a window hidden before the loop ran has to be
    // visible again for done() to end the loop.  It is made so silently: its
    // own show and activation handlers must not run a second time.
    if (guarda->isHidden()) {
      Mudo mudo;
      guarda->installEventFilter(&mudo);
      guarda->show();
      guarda->done(2);
      guarda->removeEventFilter(&mudo);
      return;
    }
    guarda->done(2);
  });
}

bool ProgramaEncerrando() { return encerrando; }

void ReiniciaEncerramento() { encerrando = false; }

}  // namespace zelmo
