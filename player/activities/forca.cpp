#include "player/activities/forca.h"

#include <QKeyEvent>

#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAmareloClaro = 8454143;
constexpr uint32_t kFonteAzul = 16711680;
constexpr uint32_t kFonteVermelha = 255;

const DesenhoJogo kDesenhoForca{"Jogo da Forca", 40, "Palavra", 64, 120, "Alfabeto", 232, 256, 185};

}  // namespace

TfrmForca::TfrmForca(QWidget* dono) : TfrmJogoPalavras(dono, kDesenhoForca) {
  setObjectName("frmForca");
  QFont fonte(QStringLiteral("MS Sans Serif"));
  fonte.setPixelSize(13);
  fonte.setBold(true);
  for (int n = 1; n <= regras::kLetras; ++n) {
    auto* a = new Painel(this, "Alfa" + QString::number(n));
    const int coluna = (n - 1) % 13;
    a->setGeometry(312 + 24 * coluna, n <= 13 ? 144 : 176, 24, 32);
    a->setCaption(regras::JogoForca::Letra(n));
    a->setCor(kAmareloClaro);
    a->setCorFonte(kFonteAzul);
    a->setFont(fonte);
    a->setCursor(Qt::PointingHandCursor);
    a->setChanfros(Painel::Chanfro::Baixo, Painel::Chanfro::Alto);
    connect(a, &Painel::clicked, this, [this, a] { Alfa1Click(a); });
    letras.append(a);
  }
  FormCreate();
}

void TfrmForca::FormCreate() {
  TfrmAtividade::FormCreate();
  letrasDoConjunto_ = regras::JogoForca::ConjuntoLetras();
}

std::unique_ptr<regras::JogoPalavras> TfrmForca::CriaJogo(QList<files::RegPalavra> palavras) {
  return std::make_unique<regras::JogoForca>(std::move(palavras), AtividadeAtual.Dica);
}

void TfrmForca::ZeraContadores() { ocupado_ = false; }

void TfrmForca::Limpa() {
  TfrmJogoPalavras::Limpa();
  for (Painel* a : letras) {
    a->setEnabled(true);
    a->setCorFonte(kFonteAzul);
  }
}

QString TfrmForca::TituloRelatorio() const { return QStringLiteral("JOGO DA FORCA"); }

void TfrmForca::Alfa1Click(Painel* sender) {
  if (ocupado_ || !sender || terminado()) return;
  const int n = letras.indexOf(sender) + 1;
  if (n < 1 || !sender->isEnabled() || !forca() || !forca()->letraLivre(n)) return;
  ocupado_ = true;
  TocaClick(1);
  sender->setCorFonte(kFonteVermelha);
  sender->setEnabled(false);
  Processa();
  if (Interrompida()) {
    ocupado_ = false;
    Resolve();
    return;
  }
  const regras::Jogada j = static_cast<regras::JogoForca*>(jogo_.get())->JogaLetra(n);
  TrataJogada(j);
  ocupado_ = false;
  Resolve();
}

void TfrmForca::FormKeyPress(const QString& tecla) {
  const int n = regras::JogoForca::LetraDaTecla(tecla);
  if (n == 0 || ocupado_) return;
  Painel* a = Alfa(n);
  if (a && a->isEnabled()) Alfa1Click(a);
}

void TfrmForca::keyPressEvent(QKeyEvent* e) {
  // The buttons keep Enter, Space and the arrows; every other character
  // reaches the form.
  if (!e->text().isEmpty() && e->key() != Qt::Key_Escape) {
    FormKeyPress(e->text());
    e->accept();
    return;
  }
  TfrmJogoPalavras::keyPressEvent(e);
}

}  // namespace zelmo
