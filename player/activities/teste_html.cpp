#include "player/activities/teste_html.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVBoxLayout>

#include "files/pastas.h"
#include "platform/fonte.h"
#include "platform/grupo_radio.h"
#include "platform/mensagens.h"
#include "platform/navegador.h"
#include "player/activities/jogo_palavras.h"
#include "player/despachante.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAqua = 16776960;
constexpr uint32_t kMarinho = 0x800000;  // navy, blue in the high byte

QFrame* Moldura(QWidget* pai, const char* nome, const QRect& r, uint32_t cor) {
  auto* f = new QFrame(pai);
  f->setObjectName(QString::fromLatin1(nome));
  f->setFrameShape(QFrame::Panel);
  f->setFrameShadow(QFrame::Sunken);
  f->setLineWidth(2);
  f->setGeometry(r);
  platform::PintaFundo(f, cor);
  return f;
}

// While it lives, the mouse presses and keys that reach the application are
// dropped.
class SemEntrada : public QObject {
 public:
  SemEntrada() { QCoreApplication::instance()->installEventFilter(this); }
  ~SemEntrada() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

TfrmTesteHTML::TfrmTesteHTML(QWidget* dono)
    : TfrmAtividade(dono, QStringLiteral("Testes HTML"), LinhaBotoes::Pronto116) {
  setObjectName(QStringLiteral("frmTesteHTML"));

  lblTitulo = CriaRotulo(this, "lblTitulo", QStringLiteral("Teste"), 8, 6, 23, kAqua);
  lblAcertos = CriaRotulo(this, "lblAcertos", QStringLiteral("Acertos: 0"), 232, 10, 17, kAqua);
  lblErros = CriaRotulo(this, "lblErros", QStringLiteral("Erros: 0"), 324, 10, 17, kAqua);
  lblRodada = CriaRotulo(this, "lblRodada", QStringLiteral("Teste 1 de 5"), 544, 10, 17, kAqua);
  lblRodada->setGeometry(544, 10, 85, 20);
  lblRodada->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Panel3 = Moldura(this, "Panel3", QRect(8, 36, 625, 326), platform::kAzulEscuro);
  Panel1 = new QFrame(Panel3);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::NoFrame);
  platform::PintaFundo(Panel1, platform::kAzulEscuro);
  auto* enche3 = new QVBoxLayout(Panel3);
  enche3->setContentsMargins(2, 2, 2, 2);
  enche3->addWidget(Panel1);
  WebBrowser1 = platform::Navegador::Preenche(Panel1);
  // The focus stays with the letters and the buttons.
  WebBrowser1->SemFoco();

  Panel2 = Moldura(this, "Panel2", QRect(8, 368, 625, 73), kMarinho);
  Label1 = CriaRotulo(Panel2, "Label1", QStringLiteral("Escolha uma alternativa"), 8, 26, 20, kAqua);
  RadioGroup1 = new platform::GrupoRadio(QString(), {}, 5, Panel2);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(224, 8, 385, 49);
  RadioGroup1->setCursor(Qt::PointingHandCursor);
  RadioGroup1->setFont(platform::FonteDesenho(QStringLiteral("Times New Roman"), 17, true, true));
  RadioGroup1->setFlat(true);
  platform::PintaFundo(RadioGroup1, kMarinho);
  platform::CorDoTexto(RadioGroup1, platform::CorDe(kAqua));

  btnPronto = CriaPronto(116);
  OrdemDasLetras();

  connect(btnPronto, &QPushButton::clicked, this, &TfrmTesteHTML::btnProntoClick);
  connect(RadioGroup1, &platform::GrupoRadio::indiceMudou, this, &TfrmTesteHTML::RadioGroup1Click);
  connect(WebBrowser1, &platform::Navegador::NavegacaoCompleta, this,
          &TfrmTesteHTML::WebBrowser1NavigateComplete2);
  FormCreate();
  NavegaBranco();
}

TfrmTesteHTML::~TfrmTesteHTML() = default;

void TfrmTesteHTML::NavegaBranco() { WebBrowser1->Navega(DirPrograma + QStringLiteral("branco.htm")); }

void TfrmTesteHTML::ZeraContadores() {
  jogo_.reset();
  ocupado_ = false;
  lblAcertos->setText(QStringLiteral("Acertos: 0"));
  lblErros->setText(QStringLiteral("Erros: 0"));
}

bool TfrmTesteHTML::Iniciar() {
  const qint64 registros = AbreDados(regras::kFormatoTesteHTML, &ArqTesteHTML);
  if (registros < 0) return false;
  const int n = regras::NumeroDeItens(registros, AtividadeAtual.Quant);
  QList<files::RegTesteHTML> testes;
  if (!EscolheTestes(n, &testes)) return false;
  jogo_ = std::make_unique<regras::JogoTesteHTML>(std::move(testes));
  return true;
}

bool TfrmTesteHTML::EscolheTestes(int n, QList<files::RegTesteHTML>* testes) {
  return AtividadeAtual.Ordem != 0 ? EscolheTestes2(n, testes) : EscolheTestes1(n, testes);
}

bool TfrmTesteHTML::EscolheTestes1(int n, QList<files::RegTesteHTML>* testes) {
  return SelecionaItens(regras::kFormatoTesteHTML, ArqTesteHTML, n, false, regras::RegrasTestesHTML(), testes);
}

bool TfrmTesteHTML::EscolheTestes2(int n, QList<files::RegTesteHTML>* testes) {
  return SelecionaItens(regras::kFormatoTesteHTML, ArqTesteHTML, n, true, regras::RegrasTestesHTML(), testes);
}

bool TfrmTesteHTML::Interrompida() const { return terminado() || ProgramaEncerrando(); }

void TfrmTesteHTML::OrdemDasLetras() { OrdemDeTab({btnProxima, btnSair, btnConsulta, btnPronto, Panel2, Panel3}); }

void TfrmTesteHTML::HabilitaResposta(bool sim) {
  if (!sim) {
    // Switching the answer off would pass the focus on to "Próxima" or
    // "Sair", where a stray Enter leaves the activity: it waits on the
    // answer bar instead, which no key presses.
    Panel2->setFocus(Qt::OtherFocusReason);
  }
  btnPronto->setEnabled(sim);
  RadioGroup1->setEnabled(sim);
  if (sim && (!focusWidget() || focusWidget() == Panel2)) btnPronto->setFocus(Qt::OtherFocusReason);
}

void TfrmTesteHTML::MostraRodada(const QString& texto) {
  lblRodada->setText(texto);
  // Right-aligned on its box, which grows to the left when the text outgrows it.
  const QRect r = lblRodada->geometry();
  const int largura = lblRodada->fontMetrics().horizontalAdvance(texto) + lblRodada->fontMetrics().averageCharWidth();
  if (largura > r.width()) lblRodada->setGeometry(r.right() + 1 - largura, r.y(), largura, r.height());
}

void TfrmTesteHTML::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->erros());
    return;
  }
  // The letters of the test before are gone while its successor loads, so
  // nothing chosen for one test is judged against the next.
  ocupado_ = true;
  // Until the test is shown and ready, nothing pressed or typed reaches a
  // button.
  SemEntrada semEntrada;
  HabilitaResposta(false);
  RadioGroup1->DefineItemIndex(-1);
  RadioGroup1->DefineItens({});
  MostraRodada(jogo_->Rodada());

  carregado_ = false;
  // A missing page shows the browser's own page for it, and is played so.
  WebBrowser1->Navega(files::CaminhoNoAssunto(DirAssunto, jogo_->teste().ArquivoHTML), true);
  // A page that never finishes loading is played as it is shown once the
  // browser's wait runs out.
  WebBrowser1->EsperaCarregar([this] { return carregado_ || Interrompida() || !isVisible(); });
  if (Interrompida()) {
    ocupado_ = false;
    return;
  }

  const int alternativas = jogo_->teste().Alternativas;
  RadioGroup1->DefineColunas(std::max(1, alternativas));
  RadioGroup1->DefineItens(regras::LetrasAlternativas(alternativas));
  OrdemDasLetras();
  HabilitaResposta(true);
  // The letters are painted before the first key can reach them.
  Processa();
  ocupado_ = false;
}

void TfrmTesteHTML::btnProntoClick() {
  if (!jogo_ || ocupado_ || Interrompida() || !jogo_->temTeste()) return;
  const regras::Resposta r = jogo_->Julga(RadioGroup1->ItemIndex(), &ListaErros);
  switch (r) {
    case regras::Resposta::SemEscolha:
      MostraAviso({QString(), QStringLiteral("Você não escolheu"), QStringLiteral("uma alternativa!")});
      break;
    case regras::Resposta::Certa:
      ocupado_ = true;
      HabilitaResposta(false);
      lblAcertos->setText(QStringLiteral("Acertos: %1").arg(jogo_->acertos()));
      Processa();
      if (Interrompida()) break;
      TocaAcerto();
      Espera(2000);
      {
        // What was pressed or typed during the pause is dropped.
        SemEntrada semEntrada;
        Processa();
      }
      if (!Interrompida()) Proximo();
      break;
    case regras::Resposta::Errada:
      lblErros->setText(QStringLiteral("Erros: %1").arg(jogo_->erros()));
      Processa();
      if (!Interrompida()) TocaErro();
      break;
  }
  ocupado_ = false;
  Resolve();
}

void TfrmTesteHTML::RadioGroup1Click() { TocaClick(1); }

void TfrmTesteHTML::WebBrowser1NavigateComplete2() { carregado_ = true; }

void TfrmTesteHTML::MostraResposta() {
  if (!jogo_ || !jogo_->temTeste()) return;
  const int c = jogo_->teste().Correta;
  if (c < RadioGroup1->Quantidade()) RadioGroup1->DefineItemIndex(c);
}

int TfrmTesteHTML::Porcentagem() const { return jogo_ ? jogo_->Porcentagem() : 0; }

int TfrmTesteHTML::Erros() const { return jogo_ ? jogo_->erros() : 0; }

QString TfrmTesteHTML::TituloRelatorio() const { return QStringLiteral("TESTES HTML"); }

QStringList TfrmTesteHTML::LinhasContagem() const {
  return jogo_ ? jogo_->LinhasContagem(consultas()) : regras::JogoTesteHTML({}).LinhasContagem(consultas());
}

QString TfrmTesteHTML::CabecalhoErros() const { return QStringLiteral("Testes incorretos:"); }

void TfrmTesteHTML::LimpaAoFechar() {
  RadioGroup1->DefineItemIndex(-1);
  NavegaBranco();
}

}  // namespace zelmo
