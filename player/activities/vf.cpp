#include "player/activities/vf.h"

#include <QPalette>
#include <QRadioButton>

#include "platform/fonte.h"
#include "player/activities/rules/frases.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kMarinho = 8388608;
constexpr uint32_t kBranco = 16777215;
constexpr uint32_t kAmarelo = 65535;
constexpr uint32_t kVermelho = 255;

QString U(const char* s) { return QString::fromUtf8(s); }

const DesenhoExercicio kDesenhoVF{"Verdadeiro ou Falso", 272, 364, 520, 108, LinhaBotoes::Pronto188,
                                  regras::VarianteConclusao::Segunda};

const int kTopoFrase[regras::kPorRodada] = {48, 127, 205, 284, 362};
const int kTopoGrupo[regras::kPorRodada] = {40, 119, 197, 276, 354};

uint32_t Cor(regras::CorMarca c) {
  switch (c) {
    case regras::CorMarca::Branca: return kBranco;
    case regras::CorMarca::Amarela: return kAmarelo;
    case regras::CorMarca::Vermelha: return kVermelho;
  }
  return kBranco;
}

}  // namespace

TfrmVF::TfrmVF(QWidget* dono) : TfrmExercicio(dono, kDesenhoVF) {
  setObjectName("frmVF");
  Panel1 = CriaPanel1();
  QWidget* anterior = btnPronto;
  for (int n = 1; n <= regras::kPorRodada; ++n) {
    const auto i = static_cast<size_t>(n - 1);
    auto* m = new CaixaMemo(this, "memFrase" + QString::number(n), 20, kTopoFrase[i], 470, 66);
    connect(m, &CaixaMemo::clicked, this, [this, n] { memFrase1Click(n); });
    memFrase[i] = m;

    auto* g = new platform::GrupoRadio(QString(), {"Verdadeiro", "Falso"}, 1, this);
    g->setObjectName("rdgVF" + QString::number(n));
    g->setGeometry(500, kTopoGrupo[i], 121, 75);
    g->setFont(platform::FonteDesenho("Times New Roman", 17, true));
    g->setCursor(Qt::PointingHandCursor);
    g->setAutoFillBackground(true);
    QPalette p = g->palette();
    p.setColor(QPalette::Window, platform::CorDe(kMarinho));
    g->setPalette(p);
    connect(g, &platform::GrupoRadio::indiceMudou, this, [this, n] { rdgVF1Click(n); });
    rdgVF[i] = g;
    setTabOrder(anterior, g);
    anterior = g;
  }
  PintaGrupos();
  FormCreate();
}

TfrmVF::~TfrmVF() = default;

bool TfrmVF::Iniciar() {
  const qint64 registros = AbreDados(regras::kFormatoFrases, &ArqFrases);
  if (registros < 0) return false;
  if (!regras::RegistrosBastam(registros)) {
    FalhaDeCarga(U("Arquivo de Frases precisa ter pelo menos 5 Frases !"));
    return false;
  }
  jogo_ = std::make_unique<regras::JogoVF>(AtividadeAtual.Rodadas);
  return true;
}

bool TfrmVF::EscolheFrases(QList<files::RegFrase>* frases) {
  return SelecionaItens(regras::kFormatoFrases, ArqFrases, regras::kPorRodada, true, regras::RegrasFrases(), frases);
}

void TfrmVF::PintaGrupos() {
  for (int n = 1; n <= regras::kPorRodada; ++n)
    platform::CorDoTexto(Grupo(n), platform::CorDe(jogo_ ? Cor(jogo_->cor(n)) : kBranco));
}

void TfrmVF::Limpa() {
  if (jogo_) jogo_->Limpa();
  limpando_ = true;  // clearing the marks runs no mark handler
  for (int n = 1; n <= regras::kPorRodada; ++n) {
    Frase(n)->setTexto(QString());
    Grupo(n)->DefineItemIndex(-1);
  }
  limpando_ = false;
  PintaGrupos();
}

void TfrmVF::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->erros());
    return;
  }
  Limpa();
  QList<files::RegFrase> frases;
  if (!EscolheFrases(&frases)) return;
  lblRodada->setText(jogo_->Rodada());
  jogo_->NovaRodada(frases, Gerador);
  for (int n = 1; n <= regras::kPorRodada; ++n) {
    // A file with fewer than five different phrases leaves statements out.
    Frase(n)->setVisible(jogo_->emJogo(n));
    Grupo(n)->setVisible(jogo_->emJogo(n));
    Frase(n)->setTexto(jogo_->afirmacao(n));
  }
}

void TfrmVF::rdgVF1Click(int n) {
  if (limpando_ || !jogo_ || !jogo_->emJogo(n)) return;
  TocaClick(1);
  jogo_->Marca(n, Grupo(n)->ItemIndex());
  PintaGrupos();
}

void TfrmVF::memFrase1Click(int n) {
  platform::GrupoRadio* g = Grupo(n);
  if (!g) return;
  QRadioButton* item = g->Item(std::max(g->ItemIndex(), 0));
  if (item) item->setFocus();
}

void TfrmVF::btnProntoClick() {
  if (!jogo_ || Interrompida()) return;
  const regras::Julgado j = jogo_->Pronto();
  if (j.incompleto) {
    MostraAviso({QString(), U("Você não definiu"), U("todas as opções!")});
    Resolve();
    return;
  }
  ListaErros += j.linhas;
  PintaGrupos();
  MostraContagem(j.certas, j.erradas);
  Processa();
  if (!Interrompida()) {
    if (j.resolvido()) {
      TocaAcerto();
      Proximo();
    } else {
      TocaErro();
    }
  }
  Resolve();
}

void TfrmVF::MostraResposta() {
  if (!jogo_) return;
  for (int n = 1; jogo_->emJogo(n); ++n) Grupo(n)->DefineItemIndex(jogo_->resposta(n));
}

int TfrmVF::Porcentagem() const { return jogo_ ? jogo_->Porcentagem() : 0; }

int TfrmVF::Erros() const { return jogo_ ? jogo_->erros() : 0; }

QStringList TfrmVF::LinhasContagem() const { return jogo_ ? jogo_->LinhasContagem(consultas()) : QStringList(); }

QString TfrmVF::TituloRelatorio() const { return U("VERDADEIRO OU FALSO"); }

QString TfrmVF::CabecalhoErros() const { return U("Frases incorretas:"); }

}  // namespace zelmo
