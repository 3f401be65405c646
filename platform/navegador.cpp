#include "platform/navegador.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>
#include <QVBoxLayout>
#include <QtGlobal>

#include "files/pastas.h"
#include "platform/navegador_motor.h"

namespace platform {

namespace {

using Cria = MotorNavegador* (*)(QWidget*, FimDeCarga);
using Aquecer = void (*)(const QUrl&);

struct Biblioteca {
  Cria cria = nullptr;
  Aquecer aquece = nullptr;
};

// The engine's library: beside the program, else where the build put it.
const Biblioteca& Motor() {
  static const Biblioteca b = [] {
    Biblioteca r;
    QLibrary lib;
    lib.setLoadHints(QLibrary::PreventUnloadHint);
    const QStringList lugares = {QCoreApplication::applicationDirPath() + QStringLiteral("/" ZELMO_NOME_NAVEGADOR),
                                 QStringLiteral(ZELMO_CAMINHO_NAVEGADOR)};
    for (const QString& lugar : lugares) {
      lib.setFileName(lugar);
      if (lib.load()) break;
    }
    if (!lib.isLoaded()) {
      qWarning("browser engine not loaded: %s", qPrintable(lib.errorString()));
      return r;
    }
    r.cria = reinterpret_cast<Cria>(lib.resolve("zelmo_CriaMotorNavegador"));
    r.aquece = reinterpret_cast<Aquecer>(lib.resolve("zelmo_AqueceNavegador"));
    if (!r.cria || !r.aquece) r = {};
    return r;
  }();
  return b;
}

QUrl EnderecoDe(const QString& caminho, bool erroSeFaltar = false) {
  const QString real = files::ResolveCaminho(caminho);
  if (files::ArquivoExiste(real)) {
    if (QFileInfo(real).size() > kMaiorPaginaHtml) return QUrl(QStringLiteral("about:blank"));
    return QUrl::fromLocalFile(real);
  }
  if (erroSeFaltar && !caminho.isEmpty()) return QUrl::fromLocalFile(caminho);
  return QUrl(QStringLiteral("about:blank"));
}

void TiraFoco(QWidget* w) {
  w->setFocusPolicy(Qt::NoFocus);
  for (QWidget* dentro : w->findChildren<QWidget*>()) dentro->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

void Navegador::Aquece(const QString& caminho) {
  if (const Biblioteca& b = Motor(); b.aquece) b.aquece(EnderecoDe(caminho));
}

Navegador::Navegador(QWidget* pai) : QWidget(pai) {
  auto* enche = new QVBoxLayout(this);
  enche->setContentsMargins(0, 0, 0, 0);
  if (const Biblioteca& b = Motor(); b.cria) {
    motor_.reset(b.cria(this, [this](const QUrl& endereco, bool ok) { TerminouCarga(endereco, ok); }));
    enche->addWidget(motor_->Vista());
    setFocusProxy(motor_->Vista());
  }
}

Navegador::~Navegador() {
  // The view goes first, so that nothing it reports reaches a control
  // being taken apart.
  if (motor_) delete motor_->Vista();
}

void Navegador::TerminouCarga(const QUrl& endereco, bool ok) {
  // A load that the next navigation cut short is not the one waited for.
  if (endereco != alvo_ && !(alvo_.isEmpty() && endereco == QUrl(QStringLiteral("about:blank")))) return;
  carregado_ = true;
  emit NavegacaoCompleta(endereco, ok);
}

QUrl Navegador::url() const { return motor_ ? motor_->Endereco() : QUrl(); }

QString Navegador::title() const { return motor_ ? motor_->Titulo() : QString(); }

QWidget* Navegador::Vista() const { return motor_ ? motor_->Vista() : nullptr; }

void Navegador::SemFoco() {
  semFoco_ = true;
  TiraFoco(this);
  // The engine makes the widget that draws a page when it first shows one.
  if (QWidget* v = Vista()) v->installEventFilter(this);
}

bool Navegador::eventFilter(QObject* objeto, QEvent* evento) {
  if (semFoco_ && (evento->type() == QEvent::ChildAdded || evento->type() == QEvent::ChildPolished ||
                   evento->type() == QEvent::Show)) {
    if (QWidget* v = Vista()) TiraFoco(v);
  }
  return QWidget::eventFilter(objeto, evento);
}

Navegador* Navegador::Preenche(QWidget* painel, int margem) {
  auto* enche = new QVBoxLayout(painel);
  enche->setContentsMargins(margem, margem, margem, margem);
  auto* n = new Navegador(painel);
  n->setObjectName(QStringLiteral("WebBrowser1"));
  n->setFocusPolicy(Qt::ClickFocus);
  if (QWidget* v = n->Vista()) v->setFocusPolicy(Qt::ClickFocus);
  enche->addWidget(n);
  return n;
}

void Navegador::Navega(const QString& caminho, bool erroSeFaltar) {
  carregado_ = false;
  alvo_ = EnderecoDe(caminho, erroSeFaltar);
  if (motor_) {
    motor_->Carrega(alvo_);
  } else {
    // Without the engine the page stays empty, and the load ends at once.
    QTimer::singleShot(0, this, [this, alvo = alvo_] { TerminouCarga(alvo, false); });
  }
}

bool Navegador::EsperaCarregar(const std::function<bool()>& parar) {
  if (carregado_) return true;
  QEventLoop laco;
  QTimer limite;
  limite.setSingleShot(true);
  QTimer vigia;
  connect(this, &Navegador::NavegacaoCompleta, &laco, &QEventLoop::quit);
  connect(&limite, &QTimer::timeout, &laco, &QEventLoop::quit);
  connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &laco, &QEventLoop::quit);
  connect(&vigia, &QTimer::timeout, &laco, [&] {
    if (parar && parar()) laco.quit();
  });
  limite.start(std::max(0, limiteMs_));
  if (parar) vigia.start(20);
  laco.exec();
  return carregado_;
}

}  // namespace platform
