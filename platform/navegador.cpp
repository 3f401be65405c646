#include "platform/navegador.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include "files/pastas.h"

namespace platform {

Navegador::Navegador(QWidget* pai) : QWebEngineView(pai) {
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
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
