#include "support/modal.h"

#include <QAbstractButton>
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace apoio {

void QuandoModal(std::function<void(QWidget*)> acao, int limiteMs) {
  QPointer<QWidget> antes = QApplication::activeModalWidget();
  auto timer = new QTimer(qApp);
  auto relogio = std::make_shared<QElapsedTimer>();
  relogio->start();
  QObject::connect(timer, &QTimer::timeout, [timer, relogio, antes, acao, limiteMs] {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w != antes.data() && w->isVisible()) {
      timer->stop();
      timer->deleteLater();
      acao(w);
      return;
    }
    if (relogio->elapsed() > limiteMs) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(5);
}

void RespondeMensagem(QMessageBox::StandardButton botao, Mensagem* vista) {
  QuandoModal([botao, vista](QWidget* w) {
    auto* caixa = qobject_cast<QMessageBox*>(w);
    if (!caixa) return;
    if (vista) {
      vista->titulo = caixa->windowTitle();
      vista->texto = caixa->text();
      vista->icone = caixa->icon();
      vista->botoes = caixa->standardButtons();
    }
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
