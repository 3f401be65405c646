// What the activity window tests share: a subject folder with a words file,
// the player's globals pointed at it, a clock that busy waits run through at
// once, and an answerer for every message and dialog the window opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "files/registros.h"
#include "platform/escala.h"
#include "player/aviso.h"
#include "player/despachante.h"
#include "player/global.h"
#include "activities/palavras_apoio.h"
#include "support/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"
#include "support/relogio_falso.h"

namespace apoio {

// While it lives, answers every modal window: message boxes with `botao`
// (a question) or OK, the message window frmAviso with OK, and any other
// window through `outra`.  Keeps what each showed, in order.
class Respondedor {
 public:
  explicit Respondedor(QMessageBox::StandardButton botao = QMessageBox::Yes) : botao_(botao) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Olha(); });
    timer_.start(2);
  }
  QList<Mensagem> caixas;
  QList<QStringList> avisos;
  std::function<void(QWidget*)> outra;
  // Called while frmAviso is shown, before it is answered.
  std::function<void()> aoAvisar;
  // Answers questions with this from now on.
  void Responde(QMessageBox::StandardButton botao) { botao_ = botao; }

 private:
  void Olha() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
      caixas.append({caixa->windowTitle(), caixa->text(), caixa->icon(), caixa->standardButtons()});
      QAbstractButton* b = caixa->button(botao_);
      if (!b) b = caixa->button(QMessageBox::Ok);
      if (b) b->click(); else caixa->done(0);
      return;
    }
    if (auto* aviso = qobject_cast<zelmo::TfrmAviso*>(w)) {
      avisos.append(aviso->Linhas());
      if (aoAvisar) aoAvisar();
      aviso->BitBtn1->click();
      return;
    }
    if (outra) outra(w);
  }
  QMessageBox::StandardButton botao_;
  QTimer timer_;
};

// A text page for consultations: records what it was shown with and answers
// `resultado` (kEncerra: its own file fails and it ends the program).
class PaginaFalsa : public QDialog {
 public:
  static constexpr int kEncerra = -1;
  explicit PaginaFalsa(int resultado) : resultado_(resultado) {}
  int vezes = 0;
  files::RegPagina vista;
  bool ultimaVista = true;

 protected:
  void showEvent(QShowEvent* e) override {
    QDialog::showEvent(e);
    ++vezes;
    vista = zelmo::AtividadeAtual;
    ultimaVista = zelmo::UltimaAtividade;
    QTimer::singleShot(0, this, [this] {
      if (resultado_ == kEncerra) zelmo::EncerraPrograma(this);
      else done(resultado_);
    });
  }

 private:
  int resultado_;
};

// A hand-moved clock that also calls `aCadaLeitura` at each reading of the
// time of day: a test looks at the window in the middle of a busy wait.
class RelogioEspiao : public RelogioFalso {
 public:
  std::function<void()> aCadaLeitura;
  int MilissegundosDoDia() const override {
    if (aCadaLeitura) aCadaLeitura();
    return RelogioFalso::MilissegundosDoDia();
  }
};

struct ComAplicacao {
  ComAplicacao() { Aplicacao(); }
};

// A typed character, as the keyboard sends it to `w`.
inline void Tecla(QWidget* w, const QString& texto, Qt::Key tecla = Qt::Key_unknown) {
  QKeyEvent press(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
  QCoreApplication::sendEvent(w, &release);
}

class AtividadeTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    zelmo::ReiniciaGlobais();
    zelmo::ReiniciaEncerramento();
    zelmo::Relogio = &relogio;
    // The design size: the window keeps its design geometry.
    platform::DefineTela({640, 480, 120});
    zelmo::DirPrograma = pasta.caminho();
    zelmo::DirAssunto = pasta.caminho();
  }
  void TearDown() override {
    zelmo::frmRTF = zelmo::frmHiper = zelmo::frmHTML = nullptr;
    zelmo::ReiniciaGlobais();
    zelmo::ReiniciaEncerramento();
    platform::UsaTelaReal();
  }

  void Palavras(const QString& nome, const QList<files::RegPalavra>& registros) {
    QByteArray b;
    for (const auto& r : registros) b += r.ParaBytes();
    pasta.Escreve(nome, b);
  }
  void Frases(const QString& nome, const QList<files::RegFrase>& registros) {
    QByteArray b;
    for (const auto& r : registros) b += r.ParaBytes();
    pasta.Escreve(nome, b);
  }
  // The records of a file in the subject folder, as written.
  template <class R>
  QList<R> Registros(const QString& nome) const {
    const QByteArray b = pasta.Le(nome);
    QList<R> v;
    for (qsizetype k = 0; k + R::Tamanho <= b.size(); k += R::Tamanho) v.append(R::DeBytes(b.mid(k, R::Tamanho)));
    return v;
  }
  // The page being played.
  void Pagina(int tipo, const QString& arquivo, int quant = 5, int ordem = 0, int dica = 0, int porcent = 70) {
    files::RegPagina p;
    p.Tipo = tipo;
    p.Arquivo = arquivo;
    p.Quant = quant;
    p.Ordem = ordem;
    p.Dica = dica;
    p.Porcent = porcent;
    p.Prepara();
    zelmo::AtividadeAtual = p;
  }
  // A window shown and activated (its first word on the board).
  template <class J>
  std::unique_ptr<J> Abre() {
    auto j = std::make_unique<J>();
    j->show();
    j->FormActivate();
    return j;
  }

  ComAplicacao aplicacao_;
  PastaTemporaria pasta;
  RelogioEspiao relogio;
  Respondedor respostas;
};

}  // namespace apoio
