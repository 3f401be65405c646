#include "player/activities/cp.h"

#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kPrata = 0xC0C0C0;

}  // namespace

TfrmCP::TfrmCP(QWidget* dono) : TfrmTabuleiro(dono, QString::fromUtf8("Caça-Palavras")) {
  setObjectName("frmCP");
  lblTitulo = CriaRotuloTopo("lblTitulo", QString::fromUtf8("Caça-Palavras"), 8, 6, 23);
  lblTitulo->setAlignment(Qt::AlignCenter);
  lblLetras = CriaRotuloTopo("lblLetras", "Letras Ocultas: 0", 184, 10, 17, "Letras Ocultas: 000");
  CriaContadores(336, 432);
  CriaMemo(8, 40, 216, 401);
  CriaCelulas(Qt::PointingHandCursor, true);
  FormCreate();
}

std::unique_ptr<regras::Tabuleiro> TfrmCP::CriaTabuleiro() {
  return std::make_unique<regras::CacaPalavras>(AtividadeAtual.Rodadas, AtividadeAtual.Quant, Gerador);
}

QString TfrmCP::TituloRelatorio() const { return QString::fromUtf8("CAÇA-PALAVRAS"); }

void TfrmCP::MostraContadores() {
  TfrmTabuleiro::MostraContadores();
  if (cp()) lblLetras->setText("Letras Ocultas: " + QString::number(cp()->letrasOcultas()));
}

void TfrmCP::Panel0Click(Painel* sender) {
  if (!AceitaEntrada()) return;
  const int n = NumeroDoPainel(sender);
  if (!jogo()->Marca(n)) return;
  TocaClick(1);
  MostraCasa(n);
  MostraContadores();
  if (jogo()->fimDaRodada()) FimDaRodada();
  Resolve();
}

void TfrmCP::AjudaNaPalavra(int k) {
  // A crossing cell not yet found flashes once for each of its words.
  for (const int n : jogo()->CasasDaAjuda(k)) {
    Panel(n)->setCor(kPrata);
    Processa();
    if (Interrompida()) return;
    Espera(200);
    MostraCasa(n);
    Processa();
    if (Interrompida()) return;
  }
}

}  // namespace zelmo
