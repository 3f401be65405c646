#include "player/activities/jogo_palavras.h"

#include <QFont>

#include "platform/mensagens.h"
#include "player/activities/rules/palavras.h"
#include "player/despachante.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAmarelo = 0x00FFFF;
constexpr uint32_t kCiano = 16777088;
constexpr uint32_t kVerdeClaro = 8454016;

QString U(const char* s) { return QString::fromUtf8(s); }


}  // namespace

TfrmJogoPalavras::TfrmJogoPalavras(QWidget* dono, const DesenhoJogo& d)
    : TfrmAtividade(dono, U(d.caption), LinhaBotoes::ComDica) {
  Label1 = CriaRotulo(this, "Label1", U(d.caption), 8, 6, 23, kAmarelo);
  lblRodada = CriaRotulo(this, "lblRodada", QString(), 528, 10, 17, kAmarelo);
  lblRodada->setGeometry(528, 10, 103, 20);
  lblRodada->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label3 = CriaRotulo(this, "Label3", U(d.textoLabel3), 312, d.topoLabel3, 20, kCiano);
  Label4 = CriaRotulo(this, "Label4", U(d.textoLabel4), 312, d.topoLabel4, 20, kCiano);
  Label5 = CriaRotulo(this, "Label5", "Dica", 312, d.topoLabel5, 20, kCiano);

  for (int i = 1; i <= regras::kTamanhoPalavra; ++i) {
    auto* s = new Painel(this, "Panel" + QString::number(i));
    s->setGeometry(312 + 16 * (i - 1), d.topoSlots, 16, 25);
    s->setCor(kVerdeClaro);
    QFont fonte(QStringLiteral("MS Sans Serif"));
    fonte.setPixelSize(13);
    fonte.setBold(true);
    s->setFont(fonte);
    s->setTag(i);
    s->hide();
    casas.append(s);
  }

  memDica = new QPlainTextEdit(this);
  memDica->setObjectName("memDica");
  memDica->setGeometry(312, d.topoDica, 321, d.alturaDica);
  memDica->setReadOnly(true);
  memDica->setFocusPolicy(Qt::NoFocus);
  QFont fonteDica(QStringLiteral("MS Sans Serif"));
  fonteDica.setPixelSize(13);
  memDica->setFont(fonteDica);
  QPalette pd = memDica->palette();
  pd.setColor(QPalette::Base, platform::CorDe(kCiano));
  pd.setColor(QPalette::Text, Qt::black);
  memDica->setPalette(pd);

  btnDica = CriaBotao("btnDica", "Dica", 393, 80);
  setTabOrder(btnSair, btnDica);
  setTabOrder(btnDica, btnConsulta);
  connect(btnDica, &QPushButton::clicked, this, &TfrmJogoPalavras::btnDicaClick);

  imagens.Cria(this);
}

TfrmJogoPalavras::~TfrmJogoPalavras() = default;

bool TfrmJogoPalavras::Iniciar() {
  const qint64 registros = AbreDados(regras::kFormatoPalavras, &ArqPalavras);
  if (registros < 0) return false;
  const int n = regras::NumeroDeItens(registros, AtividadeAtual.Quant);
  Limpa();
  QList<files::RegPalavra> palavras;
  if (!EscolhePalavras(n, &palavras)) return false;
  jogo_ = CriaJogo(std::move(palavras));
  jogo_->Limpa();
  return true;
}

bool TfrmJogoPalavras::EscolhePalavras(int n, QList<files::RegPalavra>* palavras) {
  return AtividadeAtual.Ordem != 0 ? EscolhePalavras2(n, palavras) : EscolhePalavras1(n, palavras);
}

bool TfrmJogoPalavras::EscolhePalavras1(int n, QList<files::RegPalavra>* palavras) {
  return SelecionaItens(regras::kFormatoPalavras, ArqPalavras, n, false, regras::RegrasPalavras(), palavras);
}

bool TfrmJogoPalavras::EscolhePalavras2(int n, QList<files::RegPalavra>* palavras) {
  return SelecionaItens(regras::kFormatoPalavras, ArqPalavras, n, true, regras::RegrasPalavras(), palavras);
}

void TfrmJogoPalavras::Limpa() {
  if (jogo_) jogo_->Limpa();
  imagens.Mostra(regras::Figura{});
  for (Painel* s : casas) {
    s->hide();
    s->setCaption(QString());
  }
}

void TfrmJogoPalavras::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->perdidas());
    return;
  }
  lblRodada->setText(jogo_->Rodada());
  MostraPalavra();
  memDica->setPlainText(jogo_->DicaNaPalavra());
  btnDica->setEnabled(jogo_->dicaDisponivel());
}

void TfrmJogoPalavras::MostraPalavra() { AtualizaSlots(); }

void TfrmJogoPalavras::AtualizaSlots() {
  for (int i = 1; i <= regras::kTamanhoPalavra; ++i) {
    Painel* s = Slot(i);
    s->setCaption(jogo_ ? jogo_->rotulo(i) : QString());
    s->setVisible(jogo_ && jogo_->visivel(i));
  }
}

void TfrmJogoPalavras::DesenhaErro(int n) {
  regras::Figura f = imagens.Mostrada();
  regras::DesenhaEstagio(f, n);
  imagens.Mostra(f);
  if (n == 4 && AtividadeAtual.Dica == regras::kDicaUltimaChance && jogo_) memDica->setPlainText(jogo_->dica());
}

void TfrmJogoPalavras::btnDicaClick() {
  if (!jogo_ || !jogo_->dicaDisponivel()) return;
  memDica->setPlainText(jogo_->PedeDica());
  btnDica->setEnabled(false);
}

void TfrmJogoPalavras::MostraResposta() {
  if (!jogo_) return;
  jogo_->MostraResposta();
  // Visibility unchanged: a gap stays a gap.
  for (int i = 1; i <= jogo_->L(); ++i) Slot(i)->setCaption(jogo_->rotulo(i));
}

void TfrmJogoPalavras::TrataJogada(const regras::Jogada& j) {
  if (!j.aceita || !jogo_) return;
  // While a change is painted the student may leave the activity (Próxima,
  // Sair, a consultation that ends the run): from then on nothing more is
  // played, sounded or said.
  for (int i : j.reveladas) {
    Slot(i)->setCaption(jogo_->rotulo(i));
    Slot(i)->setVisible(jogo_->visivel(i));
    Processa();
    if (Interrompida()) return;
  }
  if (j.errou) DesenhaErro(j.estagio);
  if (j.resolvida) {
    Processa();
    if (Interrompida()) return;
    TocaAcerto();
    Espera(1000);
  } else if (j.perdida) {
    ListaErros.append(jogo_->palavra());
    MostraResposta();
    Processa();
    if (Interrompida()) return;
    TocaErro();
    Espera(2000);
  }
  if (j.resolvida || j.perdida) {
    Limpa();
    Proximo();
  }
}

int TfrmJogoPalavras::Porcentagem() const { return jogo_ ? jogo_->Porcentagem() : 0; }

int TfrmJogoPalavras::Erros() const { return jogo_ ? jogo_->perdidas() : 0; }

QStringList TfrmJogoPalavras::LinhasContagem() const {
  return jogo_ ? jogo_->LinhasContagem(consultas()) : QStringList();
}

bool TfrmJogoPalavras::CondicaoErro() const { return jogo_ && jogo_->condicaoErro(); }

QString TfrmJogoPalavras::CabecalhoErros() const { return U("Palavras não descobertas:"); }

}  // namespace zelmo
