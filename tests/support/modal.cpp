#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace apoio {

namespace {

const char* const kEspera = "apoio_esperaModal";

// The answers still waiting end with the test that scheduled them: one that
// was never needed must not answer a window of the next test.
class FimDoTeste : public testing::EmptyTestEventListener {
  void OnTestEnd(const testing::TestInfo&) override {
    if (!qApp) return;
    for (QTimer* t : qApp->findChildren<QTimer*>(kEspera, Qt::FindDirectChildrenOnly)) {
      t->stop();
      t->deleteLater();
    }
  }
};

const bool kRegistrado = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new FimDoTeste);
  return true;
}();

}  // namespace

void FechaModais() {
  // Hiding a modal window ends its exec() whatever its own checks say;
  // nested ones end from the top down.
  for (int i = 0; i < 20; ++i) {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    w->hide();
  }
}

void QuandoModalQue(std::function<bool(QWidget*)> escolhe, std::function<void(QWidget*)> acao,
                    int limiteMs, bool talvez) {
  (void)kRegistrado;
  auto timer = new QTimer(qApp);
  timer->setObjectName(QLatin1String(kEspera));
  auto relogio = std::make_shared<QElapsedTimer>();
  relogio->start();
  QObject::connect(timer, &QTimer::timeout, [timer, relogio, escolhe, acao, limiteMs, talvez] {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w->isVisible() && escolhe(w)) {
      timer->stop();
      timer->deleteLater();
      acao(w);
      return;
    }
    if (relogio->elapsed() > limiteMs) {
      timer->stop();
      timer->deleteLater();
      if (talvez) return;
      // The window came late or not at all: the test fails now, and a modal
      // window left open (the wrong one, or one the answer missed) closes,
      // so that no exec() is left waiting.
      std::string aberta;
      if (w)
        aberta = std::string(" (open: ") + w->metaObject()->className() + " \"" + w->windowTitle().toStdString() + "\")";
      ADD_FAILURE() << "no modal window to answer within " << limiteMs << " ms" << aberta;
      FechaModais();
    }
  });
  timer->start(5);
}

void QuandoModal(std::function<void(QWidget*)> acao, int limiteMs, bool talvez) {
  QPointer<QWidget> antes = QApplication::activeModalWidget();
  QuandoModalQue([antes](QWidget* w) { return w != antes.data(); }, std::move(acao), limiteMs, talvez);
}

Mensagem Vista(const QMessageBox* caixa) {
  return {caixa->windowTitle(), caixa->text(), caixa->icon(), caixa->standardButtons()};
}

void RespondeMensagem(QMessageBox::StandardButton botao, Mensagem* vista) {
  QuandoModal([botao, vista](QWidget* w) {
    auto* caixa = qobject_cast<QMessageBox*>(w);
    if (!caixa) return;
    if (vista) *vista = Vista(caixa);
    if (QAbstractButton* b = caixa->button(botao))
      b->click();
    else
      caixa->done(botao);
  });
}

void Respostas(std::vector<std::function<void(QWidget*)>> acoes) {
  if (acoes.empty()) return;
  auto primeira = acoes.front();
  acoes.erase(acoes.begin());
  QuandoModal([primeira, acoes](QWidget* w) {
    // The next answer waits for the window after this one.
    Respostas(acoes);
    primeira(w);
  });
}

bool Espera(std::function<bool()> pronto, int limiteMs) {
  QElapsedTimer relogio;
  relogio.start();
  while (!pronto()) {
    if (relogio.elapsed() > limiteMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

}  // namespace apoio
