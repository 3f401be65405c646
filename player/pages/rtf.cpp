#include "player/pages/rtf.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPushButton>

#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/rtf/impressao.h"
#include "platform/mensagens.h"
#include "platform/rtf/texto_rico.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/servicos.h"

namespace zelmo {

namespace {
constexpr uint32_t kCreme = 14745599;  // $E0FFFF
}

TfrmRTF::TfrmRTF(QWidget* dono) : JanelaPagina(dono, QStringLiteral("Texto RTF")) {
  setObjectName(QStringLiteral("frmRTF"));
  RichEdit1 = new platform::TextoRico(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setGeometry(8, 8, 625, 433);
  RichEdit1->setFocusPolicy(Qt::ClickFocus);
  QPalette p = RichEdit1->palette();
  p.setColor(QPalette::Base, platform::CorDe(kCreme));
  p.setColor(QPalette::Text, Qt::black);
  RichEdit1->setPalette(p);

  btnImprimir = CriaBotao("btnImprimir", QStringLiteral("Imprimir"), 334);
  btnSair = CriaBotao("btnSair", QStringLiteral("Sair"), 436);
  btnProxima = CriaBotao("btnProxima", QStringLiteral("Próxima"), 538);
  setTabOrder(btnProxima, btnSair);
  setTabOrder(btnSair, btnImprimir);

  connect(btnProxima, &QPushButton::clicked, this, &TfrmRTF::btnProximaClick);
  connect(btnSair, &QPushButton::clicked, this, &TfrmRTF::btnSairClick);
  connect(btnImprimir, &QPushButton::clicked, this, &TfrmRTF::btnImprimirClick);
  FormCreate();
}

void TfrmRTF::FormCreate() { platform::EscalaTelaCheia(this); }

void TfrmRTF::FormActivate() {
  IniciaBotoes();
  btnImprimir->setEnabled(AtividadeAtual.Imprimir);

  ArqRTF = files::CaminhoNoAssunto(DirAssunto, AtividadeAtual.Arquivo);
  if (!files::ArquivoExiste(ArqRTF)) {
    platform::MensagemOK(this, QStringLiteral("Texto RTF não encontrado !"), QStringLiteral("Zelmo II"));
    EncerraPrograma(this);
    return;
  }
  RichEdit1->Carrega(ArqRTF);
  QCoreApplication::processEvents();
  if (ProgramaEncerrando() || !isVisible()) return;

  TocaSomDaPagina(AtividadeAtual.Som);
  LiberaProxima();
}

void TfrmRTF::FormClose() { RichEdit1->Limpa(); }

void TfrmRTF::btnImprimirClick() { ImprimeRTF(QString(), RichEdit1); }

void TfrmRTF::ImprimeRTF(const QString& titulo, platform::TextoRico* richEdit) {
  richEdit->TerminaCarga();
  ImprimeNaImpressora([&](QPrinter& impressora) {
    return platform::ImprimeRTF(impressora, titulo, *richEdit->document());
  });
}

}  // namespace zelmo
