// The browser engine: Qt WebEngine, in a library loaded at run time.
#include "platform/navegador_motor.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// The page started ahead of need, until a view takes it.
QPointer<QWebEnginePage> aquecida;

class Motor : public platform::MotorNavegador {
 public:
  Motor(QWidget* pai, platform::FimDeCarga fim) : vista_(new QWebEngineView(pai)) {
    vista_->setContextMenuPolicy(Qt::NoContextMenu);
    if (aquecida) {
      QWebEnginePage* pagina = aquecida;
      aquecida = nullptr;
      QObject::disconnect(QCoreApplication::instance(), nullptr, pagina, nullptr);
      pagina->setParent(vista_);
      vista_->setPage(pagina);
    }
    QObject::connect(vista_->page(), &QWebEnginePage::loadingChanged, vista_,
                     [fim = std::move(fim)](const QWebEngineLoadingInfo& info) {
                       if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
                       if (fim) fim(info.url(), info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
                     });
  }

  QWidget* Vista() override { return vista_; }
  void Carrega(const QUrl& endereco) override { vista_->load(endereco); }
  QUrl Endereco() const override { return vista_->url(); }
  QString Titulo() const override { return vista_->title(); }

 private:
  QWebEngineView* vista_;  // owned by the control
};

}  // namespace

extern "C" {

Q_DECL_EXPORT platform::MotorNavegador* zelmo_CriaMotorNavegador(QWidget* pai, platform::FimDeCarga fim) {
  return new Motor(pai, std::move(fim));
}

Q_DECL_EXPORT void zelmo_AqueceNavegador(const QUrl& endereco) {
  if (aquecida) return;
  aquecida = new QWebEnginePage(QWebEngineProfile::defaultProfile(), QCoreApplication::instance());
  // A page nobody took goes before the engine does.
  QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, aquecida.data(),
                   &QObject::deleteLater);
  aquecida->load(endereco);
}

}  // extern "C"
