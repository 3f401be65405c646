#include "authoring/splash.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/janelas.h"

namespace pravo {

TfrmSplash::TfrmSplash(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(298, 201);

  // A blue panel with a raised bevel of width 5.
  Panel1 = new QLabel(QStringLiteral("Aguarde ..."), this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, 298, 201);
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 30, true, true));
  Panel1->setStyleSheet(QStringLiteral(
      "QLabel { background-color: #0000ff; color: #ffff00;"
      " border: 5px outset #6060ff; }"));

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  Timer1->setSingleShot(false);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

  if (const QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->geometry().center() - rect().center());
}

void TfrmSplash::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (!evento->spontaneous()) FormShow();
}

void TfrmSplash::keyPressEvent(QKeyEvent* evento) {
  // The splash cannot be sent away while the windows are being made.
  evento->accept();
}

void TfrmSplash::FormShow() { Timer1->start(); }

void TfrmSplash::Timer1Timer() {
  Timer1->stop();
  try {
    CriaJanelas(parentWidget());
  } catch (const std::exception& erro) {
    // The windows that could be made are there; the menu disables the rest.
    MostraErro(this, erro);
  }
  QApplication::processEvents();
  if (QWidget* principal = parentWidget()) {
    principal->raise();
    principal->activateWindow();
  }
  done(1);
}

}  // namespace pravo
