#include "player/activities/tabuleiro.h"

#include <QPainter>
#include <QPushButton>

#include "platform/fonte.h"
#include "platform/mensagens.h"
#include "player/activities/jogo_palavras.h"
#include "player/despachante.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAzul = 0xFF0000;
constexpr uint32_t kAqua = 0xFFFF00;
constexpr uint32_t kAmareloPalido = 0xC0FFFF;
constexpr uint32_t kAzulDoFundo = 0xA00000;
constexpr uint32_t kAmareloClaro = 8454143;
constexpr uint32_t kCorMemo = 14745599;
constexpr int kLadoCelula = 20;
constexpr int kEsquerdaGrade = 232;
constexpr int kTopoGrade = 40;

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

void Celula::setBorda(bool sim) {
  if (sim == borda_) return;
  borda_ = sim;
  update();
}

void Celula::paintEvent(QPaintEvent* e) {
  Painel::paintEvent(e);
  if (!borda_) return;
  QPainter p(this);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TfrmTabuleiro::TfrmTabuleiro(QWidget* dono, const QString& caption)
    : TfrmAtividade(dono, caption, LinhaBotoes::ComAjuda, regras::VarianteProxima::Segunda,
                    regras::VarianteConclusao::Rodadas) {
  connect(btnAjuda, &QPushButton::clicked, this, &TfrmTabuleiro::btnAjudaClick);
}

TfrmTabuleiro::~TfrmTabuleiro() = default;

void TfrmTabuleiro::CriaCelulas(Qt::CursorShape cursor, bool visiveis) {
  const QFont fonte = platform::FonteDesenho("Arial", 12);
  for (int n = 0; n < regras::kCasas; ++n) {
    auto* c = new Celula(this, "Panel" + QString::number(n));
    c->setGeometry(kEsquerdaGrade + kLadoCelula * regras::Tabuleiro::Coluna(n),
                   kTopoGrade + kLadoCelula * regras::Tabuleiro::Linha(n), kLadoCelula, kLadoCelula);
    c->setChanfros(Painel::Chanfro::Nenhum, Painel::Chanfro::Nenhum);
    c->setCor(kAzul);
    c->setCorFonte(kAqua);
    c->setFont(fonte);
    c->setCursor(cursor);
    c->setVisible(visiveis);
    connect(c, &Painel::clicked, this, [this, c] { Panel0Click(c); });
  }
  // Each cell is reached by its name.
  for (int n = 0; n < regras::kCasas; ++n)
    paineis_[n] = findChild<Celula*>("Panel" + QString::number(n), Qt::FindDirectChildrenOnly);
}

QLabel* TfrmTabuleiro::CriaRotuloTopo(const QString& nome, const QString& texto, int left, int top, int altura,
                                      const QString& maisLargo) {
  QLabel* l = CriaRotulo(this, nome, maisLargo.isEmpty() ? texto : maisLargo, left, top, altura, kAmareloClaro);
  l->setText(texto);
  return l;
}

void TfrmTabuleiro::CriaContadores(int leftAcertos, int leftErros) {
  lblAcertos = CriaRotuloTopo("lblAcertos", "Acertos: 0", leftAcertos, 10, 17, "Acertos: 000");
  lblErros = CriaRotuloTopo("lblErros", "Erros: 0", leftErros, 10, 17, "Erros: 000");
  lblRodada = CriaRotuloTopo("lblRodada", "Rodada: 1 de 5", 524, 10, 17);
  lblRodada->setGeometry(524, 10, 108, lblRodada->height());
  lblRodada->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmTabuleiro::CriaMemo(int left, int top, int width, int height) {
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(left, top, width, height);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(platform::FonteDesenho("MS Sans Serif", 12));
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Base, platform::CorDe(kCorMemo));
  p.setColor(QPalette::Text, Qt::black);
  Memo1->setPalette(p);
}

int TfrmTabuleiro::NumeroDoPainel(const QObject* painel) {
  if (!painel) return -1;
  const QString nome = painel->objectName();
  if (!nome.startsWith(QLatin1String("Panel"))) return -1;
  bool ok = false;
  const int n = nome.mid(5).toInt(&ok);
  return ok && regras::Tabuleiro::Dentro(n) ? n : -1;
}

void TfrmTabuleiro::ZeraContadores() {
  ajudando_ = false;
  jogo_ = CriaTabuleiro();
  lblRodada->setText(jogo_->Rodada());
}

bool TfrmTabuleiro::Iniciar() {
  if (!jogo_) return false;
  const qint64 registros = AbreDados(regras::kFormatoPalavras, &ArqPalavras);
  if (registros < 0) return false;
  const int n = regras::NumeroDeItens(registros, AtividadeAtual.Quant);
  const regras::SorteioPalavras sorteio = regras::SorteioDoArquivo(ArqPalavras, Gerador);
  Limpa();
  if (!jogo_->EscolhePalavras(n, sorteio)) return Falhou();
  jogo_->OrdenaPalavras();
  if (!jogo_->DistribuiPalavras(sorteio)) return Falhou();
  PreencheVazios();
  Dicas();
  return true;
}

bool TfrmTabuleiro::Falhou() {
  FalhaDeCarga(regras::TextoFalha(regras::kFormatoPalavras, jogo_->falha(), jogo_->erroES()));
  return false;
}

void TfrmTabuleiro::Limpa() {
  if (jogo_) jogo_->Limpa();
  MostraTabuleiro();
}

void TfrmTabuleiro::PreencheVazios() {
  jogo_->PreencheVazios();
  MostraTabuleiro();
  MostraContadores();
}

void TfrmTabuleiro::Dicas() {
  Memo1->setPlainText(jogo_->Dicas().join('\n'));
}

void TfrmTabuleiro::MostraContadores() {
  if (!jogo_) return;
  lblAcertos->setText("Acertos: " + QString::number(jogo_->acertos()));
  lblErros->setText("Erros: " + QString::number(jogo_->erros()));
}

void TfrmTabuleiro::MostraCasa(int n) {
  Celula* p = Panel(n);
  if (!p || !jogo_) return;
  const regras::VistaCasa v = jogo_->Vista(n);
  switch (v.aparencia) {
    case regras::Aparencia::Oculta:
    case regras::Aparencia::Livre:
      p->setCor(kAzul);
      p->setCorFonte(kAqua);
      break;
    case regras::Aparencia::Marcada:
      p->setCor(kAmareloPalido);
      p->setCorFonte(kAzul);
      break;
    case regras::Aparencia::Cursor:
      p->setCor(kAmareloPalido);
      p->setCorFonte(kAqua);
      break;
    case regras::Aparencia::Numero:
      p->setCor(kAzulDoFundo);
      p->setCorFonte(kAqua);
      break;
  }
  p->setBorda(v.aparencia != regras::Aparencia::Numero);
  p->setCaption(v.rotulo);
  p->setTag(v.tag);
  p->setVisible(v.aparencia != regras::Aparencia::Oculta);
}

void TfrmTabuleiro::MostraTabuleiro() {
  for (int n = 0; n < regras::kCasas; ++n) MostraCasa(n);
}

bool TfrmTabuleiro::Interrompida() const { return terminado() || ProgramaEncerrando(); }

bool TfrmTabuleiro::AceitaEntrada() const { return jogo_ && !ajudando_ && !Interrompida(); }

void TfrmTabuleiro::FimDaRodada() {
  if (jogo_->ProximaRodada()) {
    lblRodada->setText(jogo_->Rodada());
    MostraAviso(regras::MensagemProximaRodada());
    if (Interrompida()) return;
    Iniciar();
  } else {
    Conclui(0);
  }
}

void TfrmTabuleiro::btnAjudaClick() {
  if (!AceitaEntrada() || !btnAjuda->isEnabled()) return;
  // No board input is taken until the help is over: a cell marked or typed
  // meanwhile, or a round ended under it, would leave the help showing a
  // board that is no longer there.
  ajudando_ = true;
  const bool consulta = btnConsulta->isEnabled();
  const bool sair = btnSair->isEnabled();
  const bool proxima = btnProxima->isEnabled();
  for (QPushButton* b : {btnAjuda, btnConsulta, btnSair, btnProxima}) b->setEnabled(false);
  jogo_->ContaAjuda();
  for (int k = 0; k < jogo_->N() && !Interrompida(); ++k) AjudaNaPalavra(k);
  btnAjuda->setEnabled(true);
  btnConsulta->setEnabled(consulta);
  btnSair->setEnabled(sair);
  btnProxima->setEnabled(proxima);
  ajudando_ = false;
  if (!Interrompida()) FimDaAjuda();
  Resolve();
}

void TfrmTabuleiro::MostraResposta() {
  if (!jogo_) return;
  ListaErros += jogo_->MostraResposta();
  MostraTabuleiro();
}

int TfrmTabuleiro::Porcentagem() const { return jogo_ ? jogo_->Porcentagem() : 0; }

QStringList TfrmTabuleiro::LinhasContagem() const {
  return jogo_ ? jogo_->LinhasContagem(consultas()) : QStringList();
}

bool TfrmTabuleiro::CondicaoErro() const { return Porcentagem() != 100; }

QString TfrmTabuleiro::CabecalhoErros() const { return U("Palavras não encontradas na última rodada:"); }

}  // namespace zelmo
