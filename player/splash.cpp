#include "player/splash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

#include "platform/escala.h"
#include "platform/fonte.h"
#include "platform/mensagens.h"
#include "platform/navegador.h"
#include "player/aviso.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/janelas_pequenas.h"
#include "player/principal.h"
#include "player/senha.h"

namespace zelmo {

namespace {

int intervalo = 1000;

}  // namespace

void TfrmSplash::DefineIntervalo(int ms) { intervalo = ms; }
int TfrmSplash::Intervalo() { return intervalo; }

TfrmSplash::TfrmSplash(QWidget* dono) : QDialog(dono, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setWindowTitle(QStringLiteral("Zelmo II"));
  resize(260, 154);

  Panel1 = PainelDeFundo(this);
  Panel1->setText(QStringLiteral("Aguarde ..."));
  Panel1->setFont(platform::FonteDesenho("Times New Roman", 23, true, true));
  platform::CorDoTexto(Panel1, QColor(255, 255, 0));

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setSingleShot(true);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(intervalo);
  connect(Timer1, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);
  Panel1->installEventFilter(this);

  FormCreate();
}

void TfrmSplash::FormCreate() {
  platform::EscalaJanelaPequena(this);
  setFixedSize(size());
  platform::CentraNaTela(this);
  pronto_ = false;
}

void TfrmSplash::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void TfrmSplash::FormShow() { Timer1->start(); }

bool TfrmSplash::eventFilter(QObject* objeto, QEvent* e) {
  // The first paint of "Aguarde ..." starts the idle work, right after it.
  if (objeto == Panel1 && e->type() == QEvent::Paint && !preparado_) {
    preparado_ = true;
    QTimer::singleShot(0, this, &TfrmSplash::Prepara);
  }
  return QDialog::eventFilter(objeto, e);
}

void TfrmSplash::Prepara() {
  if (pronto_) return;
  // The browser engine, with the blank page that the HTML page's browser
  // navigates to first.
  platform::Navegador::Aquece(DirPrograma + QStringLiteral("branco.htm"));
}

void TfrmSplash::Timer1Timer() {
  Timer1->stop();
  // The windows that live for the whole run, in this order.  A page window
  // that this program was built without stays absent and its pages are
  // skipped.
  QWidget* dono = frmMain;
  if (!frmRTF) frmRTF = CriaJanela(files::kTextoRTF, dono);
  if (!frmHiper) frmHiper = CriaJanela(files::kHipertexto, dono);
  if (!frmHTML) frmHTML = CriaJanela(files::kHTML, dono);
  if (!frmSenha) frmSenha = new TfrmSenha(dono);
  if (!frmAviso) frmAviso = new TfrmAviso(dono);
  QApplication::processEvents();
  if (frmMain) {
    frmMain->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) frmMain->raise();
  }
  pronto_ = true;
  close();
}

void TfrmSplash::reject() {
  if (pronto_) QDialog::reject();
}

void TfrmSplash::closeEvent(QCloseEvent* e) {
  if (!pronto_) {
    e->ignore();
    return;
  }
  e->accept();
  done(1);
}

}  // namespace zelmo
