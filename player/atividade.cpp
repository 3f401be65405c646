#include "player/atividade.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/mensagens.h"
#include "player/despachante.h"
#include "player/glifo.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr int kTopoBotoes = 448;
constexpr int kAlturaBotao = 25;

QString U(const char* s) { return QString::fromUtf8(s); }

struct Posicao {
  int left;
  int width;
};

struct Linha {
  Posicao consulta, ajuda, sair, proxima;
};

Linha LinhaDe(LinhaBotoes l) {
  switch (l) {
    case LinhaBotoes::ComAjuda: return {{232, 94}, {334, 94}, {436, 94}, {538, 94}};
    case LinhaBotoes::ComDica: return {{312, 80}, {0, 0}, {474, 80}, {555, 80}};
    case LinhaBotoes::Pronto188:
    case LinhaBotoes::Pronto116: return {{334, 94}, {0, 0}, {436, 94}, {538, 94}};
  }
  return {};
}

}  // namespace

TfrmAtividade::TfrmAtividade(QWidget* dono, const QString& caption, LinhaBotoes linha,
                             regras::VarianteProxima proxima, regras::VarianteConclusao conclusao)
    : QDialog(dono, Qt::Window | Qt::FramelessWindowHint),
      varianteProxima_(proxima), varianteConclusao_(conclusao) {
  setWindowTitle(caption);
  resize(640, 480);
  platform::PintaFundo(this, platform::kAzulEscuro);

  const Linha l = LinhaDe(linha);
  btnConsulta = CriaBotao("btnConsulta", "Consulta", l.consulta.left, l.consulta.width);
  if (linha == LinhaBotoes::ComAjuda) btnAjuda = CriaBotao("btnAjuda", "Ajuda", l.ajuda.left, l.ajuda.width);
  btnSair = CriaBotao("btnSair", "Sair", l.sair.left, l.sair.width);
  btnProxima = CriaBotao("btnProxima", U("Próxima"), l.proxima.left, l.proxima.width);
  // The tab order starts at Próxima, then Sair.
  setTabOrder(btnProxima, btnSair);
  if (btnAjuda) setTabOrder(btnSair, btnAjuda);
  setTabOrder(btnAjuda ? btnAjuda : btnSair, btnConsulta);

  if (linha == LinhaBotoes::ComAjuda) {
    // The word search's and crossword's row has glyphs.
    btnConsulta->setIcon(GlifoConsulta());
    btnAjuda->setIcon(GlifoAjuda());
    btnSair->setIcon(GlifoSair());
    btnProxima->setIcon(GlifoProxima());
  }

  connect(btnProxima, &QPushButton::clicked, this, &TfrmAtividade::btnProximaClick);
  connect(btnSair, &QPushButton::clicked, this, &TfrmAtividade::btnSairClick);
  connect(btnConsulta, &QPushButton::clicked, this, &TfrmAtividade::btnConsultaClick);
}

TfrmAtividade::~TfrmAtividade() = default;

QPushButton* TfrmAtividade::CriaBotao(const QString& nome, const QString& texto, int left, int width) {
  auto* b = new QPushButton(texto, this);
  b->setObjectName(nome);
  b->setGeometry(left, kTopoBotoes, width, kAlturaBotao);
  b->setFont(FonteDeBotao());
  return b;
}

QPushButton* TfrmAtividade::CriaPronto(int left) {
  pronto_ = CriaBotao(QStringLiteral("btnPronto"), QStringLiteral("Pronto"), left, 94);
  pronto_->setDefault(true);
  setTabOrder(btnConsulta, pronto_);
  return pronto_;
}

void TfrmAtividade::OrdemDeTab(const QList<QWidget*>& ordem) {
  QList<QWidget*> cadeia;
  for (QWidget* w : ordem) {
    if (!w) continue;
    if (w->focusPolicy() & Qt::TabFocus) {
      cadeia << w;
      continue;
    }
    for (QWidget* dentro : w->findChildren<QWidget*>())
      if (dentro->focusPolicy() & Qt::TabFocus) cadeia << dentro;
  }
  for (qsizetype i = 1; i < cadeia.size(); ++i) setTabOrder(cadeia[i - 1], cadeia[i]);
}

void TfrmAtividade::FormCreate() {
  platform::EscalaTelaCheia(this);
  for (QPushButton* b : {btnConsulta, btnAjuda, btnSair, btnProxima})
    if (b && !b->icon().isNull()) AjustaGlifo(b);
}

void TfrmAtividade::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (agendada_) return;
  agendada_ = true;
  // Activation runs inside the modal loop, so that it may end the program or
  // open messages of its own.  Once per window: a test may have run it.
  QTimer::singleShot(0, this, [this] {
    if (!ativada_) FormActivate();
  });
}

void TfrmAtividade::Processa() { QCoreApplication::processEvents(); }

bool TfrmAtividade::Interrompida() const { return terminado_ || ProgramaEncerrando(); }

void TfrmAtividade::FormActivate() {
  if (ativada_) return;
  ativada_ = true;
  // The page's counts as the page-list editor bounds them, for every
  // activity (a consultation puts this same copy back).
  regras::LimitaPagina(AtividadeAtual);
  // 1.
  terminado_ = false;
  ListaErros.clear();
  // 2.
  btnProxima->setEnabled(false);
  btnSair->setEnabled(AtividadeAtual.Sair);
  btnConsulta->setEnabled(AtividadeAtual.Retorno && UltimaPagina.Tipo >= 0);
  if (btnAjuda) btnAjuda->setEnabled(AtividadeAtual.Ajuda);
  // 3.
  consultas_ = 0;
  ZeraContadores();
  // 4.
  if (!Iniciar() || ProgramaEncerrando()) return;
  if (TemProximo()) Proximo();
  if (!ProgramaEncerrando() && !terminado_) {
    // 5.
    Processa();
    // 6.
    TocaSomDaPagina(AtividadeAtual.Som);
    // 7.
    if (UltimaAtividade) {
      btnProxima->setEnabled(false);
      btnProxima->hide();
    } else {
      btnProxima->setEnabled(AtividadeAtual.Avanco);
    }
    // 8.  A window that judges with "Pronto" starts on it: an Enter pressed
    // before the student moved the focus judges, and never leaves.
    if (pronto_ && pronto_->isEnabled()) pronto_->setFocus();
    else if (btnProxima->isVisible() && btnProxima->isEnabled()) btnProxima->setFocus();
  }
  Resolve();
}

qint64 TfrmAtividade::AbreDados(const regras::FormatoDados& formato, QString* caminho) {
  Gerador.SemeiaDoRelogio(*Relogio);
  const QString c = files::CaminhoNoAssunto(DirAssunto, AtividadeAtual.Arquivo);
  if (caminho) *caminho = c;
  const regras::Contagem contagem = regras::ContaRegistros(c, formato.tamanho);
  if (contagem.falha != regras::FalhaCarga::Nenhuma) {
    FalhaDeCarga(regras::TextoFalha(formato, contagem.falha, contagem.erroES));
    return -1;
  }
  return contagem.registros;
}

void TfrmAtividade::FalhaDeCarga(const QString& texto) {
  platform::MensagemOK(this, texto, U(regras::kTituloPrograma));
  EncerraPrograma(this);
}

void TfrmAtividade::Conclui(int erros) {
  terminado_ = true;
  resultado_ = 1;
  MostraAviso(regras::MensagemConclusao(varianteConclusao_, erros));
}

void TfrmAtividade::Resolve() {
  if (ProgramaEncerrando()) {
    if (isVisible()) QDialog::done(2);
    return;
  }
  if (terminado_ && resultado_ != 0 && !fechada_) done(resultado_);
}

void TfrmAtividade::btnProximaClick() {
  if (terminado_) return;
  const int p = Porcentagem();
  if (!regras::PodeAvancar(p, AtividadeAtual.Porcent)) {
    MostraAviso(regras::MensagemFaltaPorcentagem(AtividadeAtual.Porcent, p));
    return;
  }
  MostraResposta();
  MostraAviso(regras::MensagemProxima(varianteProxima_, p, Erros()));
  terminado_ = true;
  resultado_ = 1;
  Resolve();
}

void TfrmAtividade::btnSairClick() {
  if (terminado_) return;
  if (!platform::PerguntaSimNao(this, U(regras::kPerguntaSair), U(regras::kTituloPergunta))) return;
  ListaErros.append(U(regras::kLinhaEncerrado));
  MostraResposta();
  MostraAviso(regras::MensagemSair());
  terminado_ = true;
  resultado_ = 2;
  Resolve();
}

void TfrmAtividade::btnConsultaClick() {
  if (terminado_) return;
  const bool ultima = UltimaAtividade;
  UltimaAtividade = false;
  ++consultas_;
  const files::RegPagina copia = AtividadeAtual;
  AtividadeAtual = UltimaPagina;
  ParaSom();
  if (QDialog* pagina = JanelaDeTexto(UltimaPagina.Tipo)) {
    if (pagina->exec() == 2) {
      terminado_ = true;
      resultado_ = 2;
    }
  }
  AtividadeAtual = copia;
  UltimaAtividade = ultima;
  if (!terminado_ && !ProgramaEncerrando()) TocaSomDaPagina(AtividadeAtual.Som);
  Resolve();
}

bool TfrmAtividade::FormClose() {
  if (!terminado_) return false;
  if (fechada_) return true;
  fechada_ = true;
  LinhasRelatorio += regras::BlocoRelatorio(TituloRelatorio(), LinhasContagem(), CondicaoErro(), CabecalhoErros(),
                                            ListaErros);
  LimpaAoFechar();
  ParaSom();
  return true;
}

void TfrmAtividade::done(int r) {
  if (ProgramaEncerrando()) {
    QDialog::done(2);
    return;
  }
  if (r == 0 || !FormClose()) return;
  QDialog::done(r);
}

void TfrmAtividade::reject() {
  if (ProgramaEncerrando()) QDialog::done(2);
}

void TfrmAtividade::closeEvent(QCloseEvent* e) {
  e->ignore();
  if (ProgramaEncerrando()) {
    QDialog::done(2);
    return;
  }
  if (terminado_ && !fechada_) done(resultado_ != 0 ? resultado_ : 2);
}

void TfrmAtividade::keyPressEvent(QKeyEvent* e) {
  // Escape closes nothing; Enter and Space reach the focused button.
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace zelmo
