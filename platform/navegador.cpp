#include "platform/navegador.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "files/pastas.h"

namespace platform {

namespace {

// The page started by Aquece, until a browser takes it.
QPointer<QWebEnginePage> aquecida;

}  // namespace

void Navegador::Aquece(const QString& caminho) {
  if (aquecida) return;
  QWebEngineProfile* perfil = QWebEngineProfile::defaultProfile();
  aquecida = new QWebEnginePage(perfil, QCoreApplication::instance());
  // A page nobody took goes before the engine does.
  QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, aquecida.data(),
                   &QObject::deleteLater);
  const QString real = files::ResolveCaminho(caminho);
  aquecida->load(files::ArquivoExiste(real) ? QUrl::fromLocalFile(real) : QUrl("about:blank"));
}

Navegador::Navegador(QWidget* pai) : QWebEngineView(pai) {
  setContextMenuPolicy(Qt::NoContextMenu);
  if (aquecida) {
    QWebEnginePage* pagina = aquecida;
    aquecida = nullptr;
    QObject::disconnect(QCoreApplication::instance(), nullptr, pagina, nullptr);
    pagina->setParent(this);
    setPage(pagina);
  }
  Acompanha(page());
}

void Navegador::Acompanha(QWebEnginePage* pagina) {
  connect(pagina, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
    // A load that the next navigation cut short is not the one waited for.
    if (info.url() != alvo_ && !(alvo_.isEmpty() && info.url() == QUrl("about:blank"))) return;
    carregado_ = true;
    emit NavegacaoCompleta(info.url(), info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
  });
}

Navegador* Navegador::Preenche(QWidget* painel, int margem) {
  auto* enche = new QVBoxLayout(painel);
  enche->setContentsMargins(margem, margem, margem, margem);
  auto* n = new Navegador(painel);
  n->setObjectName(QStringLiteral("WebBrowser1"));
  n->setFocusPolicy(Qt::ClickFocus);
  enche->addWidget(n);
  return n;
}

void Navegador::Navega(const QString& caminho) {
  carregado_ = false;
  const QString real = files::ResolveCaminho(caminho);
  if (files::ArquivoExiste(real)) {
    alvo_ = QUrl::fromLocalFile(real);
    load(alvo_);
  } else {
    alvo_ = QUrl("about:blank");
    load(alvo_);
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
