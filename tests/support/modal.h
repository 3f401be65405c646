// Answering modal windows from a timer, as Qt's own tests do: exec() blocks,
// so the answer is scheduled before the call that opens the window.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace apoio {

// How long an answer waits for its window.
constexpr int kLimiteModal = 30000;

// Runs `acao` on the first visible active modal window for which `escolhe`
// is true.  Polls every 5 ms.  When `limiteMs` pass first, the test fails
// and every modal window still open is closed (FechaModais), so that a
// window missed or late never leaves exec() waiting.  The defaults below
// leave a window with a browser in it time to come up on a loaded machine,
// and are well below CTest's limit.  An answer not used by the end of its
// test is dropped.
// With `talvez`, the window may not come at all (a test that checks that it
// does not): then the answer only gives up.
void QuandoModalQue(std::function<bool(QWidget*)> escolhe, std::function<void(QWidget*)> acao,
                    int limiteMs, bool talvez = false);

// Hides the modal windows open now, the top one first: each one's exec()
// returns, whatever its own checks would say.
void FechaModais();

// Runs `acao` on the next modal window that opens (one that was not already
// the active modal window when this was called).
// With `talvez`, a test that checks that no window comes: nothing fails when
// none does.
void QuandoModal(std::function<void(QWidget*)> acao, int limiteMs = kLimiteModal, bool talvez = false);

// Runs `acao` on the next visible modal window that is a T (one already open
// too).
template <class T>
void QuandoAbrir(std::function<void(T*)> acao, int limiteMs = kLimiteModal) {
  QuandoModalQue([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                 [acao](QWidget* w) { acao(qobject_cast<T*>(w)); }, limiteMs);
}

// Runs `acao` on a T that may open within `limiteMs`; nothing fails when
// none does.
template <class T>
void SeAbrir(std::function<void(T*)> acao, int limiteMs) {
  QuandoModalQue([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                 [acao](QWidget* w) { acao(qobject_cast<T*>(w)); }, limiteMs, true);
}

// What a message box showed.
struct Mensagem {
  QString titulo;
  QString texto;
  QMessageBox::Icon icone = QMessageBox::NoIcon;
  QMessageBox::StandardButtons botoes;
};

// What a message box shows.
Mensagem Vista(const QMessageBox* caixa);

// Answers the next message box with `botao` and records what it showed in
// `*vista` (when given).
void RespondeMensagem(QMessageBox::StandardButton botao, Mensagem* vista = nullptr);

// Answers every modal window in turn with the next of the actions, one per
// window, in order.
void Respostas(std::vector<std::function<void(QWidget*)>> acoes);

// Spins the event loop until `pronto` or the limit passes; true if pronto.
bool Espera(std::function<bool()> pronto, int limiteMs = 10000);

}  // namespace apoio
