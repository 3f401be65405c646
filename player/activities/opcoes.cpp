#include "player/activities/opcoes.h"

#include <QPalette>
#include <QRadioButton>

#include "platform/fonte.h"
#include "player/activities/rotulo.h"
#include "player/activities/rules/frases.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TfrmOpcoes::TfrmOpcoes(QWidget* dono, const DesenhoOpcoes& d) : TfrmExercicio(dono, d.exercicio), desenho_(d) {
  Panel1 = CriaPanel1();
  Bevel1 = new QFrame(Panel1);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setGeometry(8, 22, 606, 147);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Label1 = CriaRotulo(Panel1, "Label1", U(d.textoLabel1), 16, 10, 20, platform::kAqua, false);
  // Over the bevel's line, as a frame's caption.
  Label1->setAutoFillBackground(true);
  QPalette fundo = Label1->palette();
  fundo.setColor(QPalette::Window, Panel1->palette().color(QPalette::Window));
  Label1->setPalette(fundo);

  memFrase = new CaixaMemo(this, "memFrase", 28, 72, 584, 121);

  RadioGroup1 = new platform::GrupoRadio(U(d.textoGrupo), {"", "", "", ""}, 2, this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(16, 204, 606, 229);
  RadioGroup1->setFont(platform::FonteDesenho("Times New Roman", 20, true));
  platform::CorDoTexto(RadioGroup1, platform::CorDe(platform::kAqua));
  connect(RadioGroup1, &platform::GrupoRadio::indiceMudou, this, [this] { RadioGroup1Click(); });

  // Each memo lies over the radio group beside its own item: item k - 1 and
  // memOp<k> are the same option.
  const int left[] = {42, 42, 342, 342};
  const int top[] = {232, 336, 232, 336};
  for (int k = 1; k <= regras::kOpcoes; ++k) {
    const auto i = static_cast<size_t>(k - 1);
    auto* m = new CaixaMemo(this, "memOp" + QString::number(k), left[i], top[i], d.larguraOp[i], d.alturaOp[i]);
    m->viewport()->setCursor(Qt::PointingHandCursor);
    connect(m, &CaixaMemo::clicked, this, [this, k] { memOp1Click(k); });
    memOp[i] = m;
  }
  OrdemDeTab({btnProxima, btnSair, btnConsulta, btnPronto, RadioGroup1});
}

TfrmOpcoes::~TfrmOpcoes() = default;

bool TfrmOpcoes::Iniciar() {
  const qint64 registros = AbreDados(*desenho_.formato, &ArqFrases);
  if (registros < 0) return false;
  const int n = regras::NumeroDeItens(registros, AtividadeAtual.Quant);
  // "Frase 1 de <N>" from the start, before the phrases are drawn.
  lblRodada->setText(U(desenho_.exercicio.rodada).section(QStringLiteral(" de "), 0, 0) + QStringLiteral(" de ") +
                     QString::number(n));
  Limpa();
  QList<files::RegFrase> itens;
  if (!EscolheFrases(n, &itens)) return false;
  jogo_ = CriaJogo(std::move(itens));
  return true;
}

bool TfrmOpcoes::EscolheFrases(int n, QList<files::RegFrase>* frases) {
  return AtividadeAtual.Ordem != 0 ? EscolheFrases2(n, frases) : EscolheFrases1(n, frases);
}

bool TfrmOpcoes::EscolheFrases1(int n, QList<files::RegFrase>* frases) {
  return SelecionaItens(*desenho_.formato, ArqFrases, n, false, regras::RegrasFrases(), frases);
}

bool TfrmOpcoes::EscolheFrases2(int n, QList<files::RegFrase>* frases) {
  return SelecionaItens(*desenho_.formato, ArqFrases, n, true, regras::RegrasFrases(), frases);
}

void TfrmOpcoes::Limpa() {
  const bool antes = escolhendo_;
  escolhendo_ = true;  // clearing chooses nothing
  memFrase->setTexto(QString());
  RadioGroup1->DefineItemIndex(-1);
  for (CaixaMemo* m : memOp) {
    m->setTexto(QString());
    m->setCorFonte(platform::kPreto);
  }
  escolhendo_ = antes;
}

void TfrmOpcoes::Mostra() {
  memFrase->setTexto(jogo_->texto());
  for (int k = 1; k <= regras::kOpcoes; ++k) {
    Op(k)->setTexto(jogo_->opcao(k).texto);
    Op(k)->setCorFonte(jogo_->escolhida() == k ? platform::kVermelho : platform::kPreto);
  }
}

void TfrmOpcoes::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->erradas());
    return;
  }
  Limpa();
  lblRodada->setText(jogo_->Rodada());
  Mostra();
}

void TfrmOpcoes::memOp1Click(int k) {
  if (!jogo_ || escolhendo_ || Interrompida() || !Op(k)) return;
  // Selecting the radio item below runs its handler; the choice is made here
  // once, with one click.
  escolhendo_ = true;
  ++escolhas_;
  TocaClick(1);
  jogo_->Escolhe(k);
  Mostra();
  RadioGroup1->DefineItemIndex(k - 1);
  if (QRadioButton* item = RadioGroup1->Item(k - 1)) item->setFocus();
  escolhendo_ = false;
}

void TfrmOpcoes::RadioGroup1Click() {
  if (escolhendo_) return;
  const int item = RadioGroup1->ItemIndex();
  if (item >= 0) memOp1Click(item + 1);
}

void TfrmOpcoes::btnProntoClick() {
  if (!jogo_ || Interrompida()) return;
  QString linha;
  const regras::Julgamento j = jogo_->Pronto(&linha);
  if (j == regras::Julgamento::SemEscolha) {
    MostraAviso({QString(), U("Você não escolheu"), U("uma opção!")});
  } else {
    if (j == regras::Julgamento::Errada) ListaErros.append(linha);
    MostraContagem(jogo_->certas(), jogo_->erradas());
    Julgou(j == regras::Julgamento::Certa);
  }
  Resolve();
}

void TfrmOpcoes::MostraResposta() {
  if (!jogo_ || jogo_->correta() == 0) return;
  RadioGroup1->DefineItemIndex(jogo_->correta() - 1);
}

QString TfrmOpcoes::TituloRelatorio() const { return U(desenho_.titulo); }

QString TfrmOpcoes::CabecalhoErros() const { return U(desenho_.cabecalho); }

}  // namespace zelmo
