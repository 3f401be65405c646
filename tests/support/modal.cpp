#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace apoio {

void QuandoModalQue(std::function<bool(QWidget*)> escolhe, std::function<void(QWidget*)> acao,
                    int limiteMs) {
  auto timer = new QTimer(qApp);
  auto relogio = std::make_shared<QElapsedTimer>();
  relogio->start();
  QObject::connect(timer, &QTimer::timeout, [timer, relogio, escolhe, acao, limiteMs] {
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
    }
  });
  timer->start(5);
}

void QuandoModal(std::function<void(QWidget*)> acao, int limiteMs) {
  QPointer<QWidget> antes = QApplication::activeModalWidget();
  QuandoModalQue([antes](QWidget* w) { return w != antes.data(); }, std::move(acao), limiteMs);
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
