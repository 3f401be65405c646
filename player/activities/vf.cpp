#include "player/activities/vf.h"

#include <QPalette>
#include <QRadioButton>

#include "platform/fonte.h"
#include "player/activities/rules/frases.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

const DesenhoExercicio kDesenhoVF{"Verdadeiro ou Falso", 272, 364, 520, 108, LinhaBotoes::Pronto188,
                                  "Rodada: 1 de 5", regras::VarianteConclusao::Segunda};

const int kTopoFrase[regras::kPorRodada] = {48, 127, 205, 284, 362};
const int kTopoGrupo[regras::kPorRodada] = {40, 119, 197, 276, 354};

uint32_t Cor(regras::CorMarca c) {
  switch (c) {
    case regras::CorMarca::Branca: return platform::kBranco;
    case regras::CorMarca::Amarela: return platform::kAmarelo;
    case regras::CorMarca::Vermelha: return platform::kVermelho;
  }
  return platform::kBranco;
}

}  // namespace

TfrmVF::TfrmVF(QWidget* dono)
    : TfrmRodadas(dono, kDesenhoVF, regras::kFormatoFrases, &ArqFrases,
                  "Arquivo de Frases precisa ter pelo menos 5 Frases !") {
  setObjectName("frmVF");
  Panel1 = CriaPanel1();
  QList<QWidget*> ordem{btnProxima, btnSair, btnConsulta, btnPronto};
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
    p.setColor(QPalette::Window, platform::CorDe(platform::kMarinho));
    g->setPalette(p);
    connect(g, &platform::GrupoRadio::indiceMudou, this, [this, n] { rdgVF1Click(n); });
    rdgVF[i] = g;
    ordem << g;
  }
  OrdemDeTab(ordem);
  PintaGrupos();
  FormCreate();
}

TfrmVF::~TfrmVF() = default;

std::unique_ptr<regras::JogoRodadas> TfrmVF::CriaJogo(int rodadas) { return std::make_unique<regras::JogoVF>(rodadas); }

bool TfrmVF::EscolheFrases() {
  QList<files::RegFrase> frases;
  if (!SorteiaRegistros(regras::RegrasFrases(), &frases)) return false;
  vf()->NovaRodada(frases, Gerador);
  return true;
}

void TfrmVF::PintaGrupos() {
  for (int n = 1; n <= regras::kPorRodada; ++n)
    platform::CorDoTexto(Grupo(n), platform::CorDe(jogo_ ? Cor(jogo()->cor(n)) : platform::kBranco));
}

void TfrmVF::Limpa() {
  if (jogo_) vf()->Limpa();
  limpando_ = true;  // clearing the marks runs no mark handler
  for (int n = 1; n <= regras::kPorRodada; ++n) {
    Frase(n)->setTexto(QString());
    Grupo(n)->DefineItemIndex(-1);
  }
  limpando_ = false;
  PintaGrupos();
}

void TfrmVF::MostraRodada() {
  for (int n = 1; n <= regras::kPorRodada; ++n) {
    // A file with fewer than five different phrases leaves statements out.
    Frase(n)->setVisible(jogo()->emJogo(n));
    Grupo(n)->setVisible(jogo()->emJogo(n));
    if (Frase(n)->texto() != jogo()->afirmacao(n)) Frase(n)->setTexto(jogo()->afirmacao(n));
  }
  PintaGrupos();
}

void TfrmVF::rdgVF1Click(int n) {
  if (limpando_ || !jogo_ || !jogo()->emJogo(n)) return;
  TocaClick(1);
  vf()->Marca(n, Grupo(n)->ItemIndex());
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
  const regras::Julgado j = vf()->Pronto();
  if (j.incompleto)
    MostraAviso({QString(), U("Você não definiu"), U("todas as opções!")});
  else
    Julga(j);
  Resolve();
}

void TfrmVF::MostraResposta() {
  if (!jogo_) return;
  for (int n = 1; jogo()->emJogo(n); ++n) Grupo(n)->DefineItemIndex(jogo()->resposta(n));
}

QString TfrmVF::TituloRelatorio() const { return U("VERDADEIRO OU FALSO"); }

QString TfrmVF::CabecalhoErros() const { return U("Frases incorretas:"); }

}  // namespace zelmo
