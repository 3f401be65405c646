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

// Runs `acao` on the first visible active modal window for which `escolhe`
// is true.  Polls every 5 ms; gives up after `limiteMs`.  The defaults below
// are generous: on a loaded machine a window with a browser in it can take
// many seconds to come up, and a poller that gives up leaves exec() hanging.
void QuandoModalQue(std::function<bool(QWidget*)> escolhe, std::function<void(QWidget*)> acao,
                    int limiteMs);

// Runs `acao` on the next modal window that opens (one that was not already
// the active modal window when this was called).
void QuandoModal(std::function<void(QWidget*)> acao, int limiteMs = 60000);

// Runs `acao` on the next visible modal window that is a T (one already open
// too).
template <class T>
void QuandoAbrir(std::function<void(T*)> acao, int limiteMs = 60000) {
  QuandoModalQue([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                 [acao](QWidget* w) { acao(qobject_cast<T*>(w)); }, limiteMs);
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
