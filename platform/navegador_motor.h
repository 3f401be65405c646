// The browser engine's side of the web-browser control.  The engine is a
// library of its own, loaded when the first browser is wanted (or ahead of
// need, in idle time), so that starting a program does not wait for it.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace platform {

class MotorNavegador {
 public:
  virtual ~MotorNavegador() = default;
  // The view that shows the pages, a child of the control.
  virtual QWidget* Vista() = 0;
  virtual void Carrega(const QUrl& endereco) = 0;
  virtual QUrl Endereco() const = 0;
  virtual QString Titulo() const = 0;
};

// A load that ended: where, and whether it succeeded.
using FimDeCarga = std::function<void(const QUrl& endereco, bool ok)>;

}  // namespace platform

// What the engine's library offers, found by these names.
extern "C" {
// A view for the control `pai`; it takes over the page that
// zelmo_AqueceNavegador started, if there is one.
platform::MotorNavegador* zelmo_CriaMotorNavegador(QWidget* pai, platform::FimDeCarga fim);
// Starts the engine and a page at `endereco`, for the next view made.
void zelmo_AqueceNavegador(const QUrl& endereco);
}
