#include "authoring/ajuda.h"

#include <QFrame>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "authoring/formulario.h"
#include "authoring/global.h"
#include "files/pastas.h"
#include "platform/escala.h"

namespace pravo {

TfrmAjuda* frmAjuda = nullptr;

TfrmAjuda::TfrmAjuda(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmAjuda"));
  setWindowTitle(QStringLiteral("Ajuda do Zelmo II"));
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));
  resize(537, 375);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setGeometry(8, 8, 521, 321);
  auto* dentro = new QVBoxLayout(Panel1);
  dentro->setContentsMargins(1, 1, 1, 1);
  WebBrowser1 = new QWebEngineView(Panel1);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  dentro->addWidget(WebBrowser1);

  btnSair = Botao(QStringLiteral("Sair"), "btnSair", QRect(424, 338, 100, 30), this);
  connect(btnSair, &QPushButton::clicked, this, [this] { btnSairClick(); });

  platform::EscalaJanelaPequena(this);
  setFixedSize(size());
  platform::CentraNaTela(this);

  WebBrowser1->setUrl(QUrl::fromLocalFile(files::ResolveCaminho(DirPrograma + QStringLiteral("ajuda.htm"))));
}

void TfrmAjuda::btnSairClick() { done(2); }

}  // namespace pravo
