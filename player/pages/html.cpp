#include "player/pages/html.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/mensagens.h"
#include "platform/navegador.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/servicos.h"

namespace zelmo {

TfrmHTML::TfrmHTML(QWidget* dono) : JanelaPagina(dono, QStringLiteral("Texto HTML")) {
  setObjectName(QStringLiteral("frmHTML"));
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::NoFrame);
  Panel1->setGeometry(8, 8, 625, 433);
  platform::PintaFundo(Panel1, platform::kAzulEscuro);
  auto* enche = new QVBoxLayout(Panel1);
  enche->setContentsMargins(0, 0, 0, 0);
  WebBrowser1 = new platform::Navegador(Panel1);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  WebBrowser1->setFocusPolicy(Qt::ClickFocus);
  if (QWidget* vista = WebBrowser1->Vista()) vista->setFocusPolicy(Qt::ClickFocus);
  enche->addWidget(WebBrowser1);

  btnSair = CriaBotao("btnSair", QStringLiteral("Sair"), 436);
  btnProxima = CriaBotao("btnProxima", QStringLiteral("Próxima"), 538);
  setTabOrder(btnProxima, btnSair);

  connect(btnProxima, &QPushButton::clicked, this, &TfrmHTML::btnProximaClick);
  connect(btnSair, &QPushButton::clicked, this, &TfrmHTML::btnSairClick);
  connect(WebBrowser1, &platform::Navegador::NavegacaoCompleta, this, &TfrmHTML::WebBrowser1NavigateComplete2);
  FormCreate();
}

void TfrmHTML::FormCreate() {
  platform::EscalaTelaCheia(this);
  NavegaBranco();
}

void TfrmHTML::NavegaBranco() { WebBrowser1->Navega(DirPrograma + QStringLiteral("branco.htm")); }

void TfrmHTML::FormActivate() {
  IniciaBotoes();

  ArqHTML = files::CaminhoNoAssunto(DirAssunto, AtividadeAtual.Arquivo);
  if (!files::ArquivoExiste(ArqHTML)) {
    platform::MensagemOK(this, QStringLiteral("Arquivo HTML não encontrado !"), QStringLiteral("Zelmo II"));
    EncerraPrograma(this);
    return;
  }
  carregado_ = false;
  WebBrowser1->Navega(ArqHTML);
  // A page that never finishes loading is used as it is shown once the
  // browser's wait runs out.
  WebBrowser1->EsperaCarregar([this] { return carregado_ || ProgramaEncerrando() || !isVisible(); });
  if (ProgramaEncerrando() || !isVisible()) return;

  TocaSomDaPagina(AtividadeAtual.Som);
  LiberaProxima();
}

void TfrmHTML::WebBrowser1NavigateComplete2() { carregado_ = true; }

void TfrmHTML::FormClose() { NavegaBranco(); }

}  // namespace zelmo
