// The windows the splash creates, in its fixed order.  Each window's library
// registers its factory under the window's class name; the splash creates
// the registered ones in the order below, once, and the main menu finds them
// here (a menu button whose window is not built stays disabled).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace pravo {

using FabricaJanela = std::function<QDialog*(QWidget* dono)>;

// The 21 class names in the order of creation ("TfrmConfig" ... "TfrmEditores").
const QStringList& OrdemDeCriacao();

void RegistraJanela(const QString& classe, FabricaJanela fabrica);
bool JanelaRegistrada(const QString& classe);
// Forgets a class's factory (tests that register stand-ins).
void EsqueceJanela(const QString& classe);

// Creates every registered window in the order of creation; a second call
// creates nothing.  A window whose making fails is left out, the others are
// made, and the first failure is then thrown again.
void CriaJanelas(QWidget* dono);
// The window of a class ("TfrmEditPal"), once created; else nullptr.
QDialog* Janela(const QString& classe);
// Frees the windows and forgets them (tests).
void DestroiJanelas();

}  // namespace pravo
