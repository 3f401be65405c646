#include "player/activities/emb.h"

#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAmareloClaro = 8454143;
constexpr uint32_t kFonteAzul = 16711680;

const DesenhoJogo kDesenhoEmb{"Palavra Embaralhada", 48, "Palavra Correta", 72, 128, "Palavra Embaralhada",
                              208, 232, 209};

}  // namespace

TfrmEmb::TfrmEmb(QWidget* dono) : TfrmJogoPalavras(dono, kDesenhoEmb) {
  setObjectName("frmEmb");
  for (Painel* s : casas) {
    s->setAcceptDrops(true);
    s->aoArrastarSobre = [this](Painel* alvo, QObject* origem) { return Panel1DragOver(alvo, origem); };
    s->aoSoltar = [this](Painel* alvo, QObject* origem) { Panel1DragDrop(alvo, origem); };
  }
  QFont fonte(QStringLiteral("MS Sans Serif"));
  fonte.setPixelSize(13);
  for (int j = 1; j <= regras::kTamanhoPalavra; ++j) {
    auto* t = new Painel(this, "Panel" + QString::number(20 + j));
    t->setGeometry(312 + 16 * (j - 1), 152, 16, 25);
    t->setCor(kAmareloClaro);
    t->setCorFonte(kFonteAzul);
    t->setFont(fonte);
    t->setCursor(Qt::UpArrowCursor);
    t->setArrastavel(true);
    t->hide();
    pecas.append(t);
  }
  FormCreate();
}

std::unique_ptr<regras::JogoPalavras> TfrmEmb::CriaJogo(QList<files::RegPalavra> palavras) {
  return std::make_unique<regras::JogoEmb>(std::move(palavras), AtividadeAtual.Dica, Gerador);
}

QString TfrmEmb::TituloRelatorio() const { return QStringLiteral("PALAVRA EMBARALHADA"); }

void TfrmEmb::Limpa() {
  TfrmJogoPalavras::Limpa();
  for (Painel* t : pecas) {
    t->hide();
    t->setCaption(QString());
  }
}

void TfrmEmb::MostraPalavra() {
  TfrmJogoPalavras::MostraPalavra();
  for (int j = 1; j <= regras::kTamanhoPalavra; ++j) {
    Painel* t = Peca(j);
    t->setCaption(emb()->peca(j));
    t->setVisible(emb()->pecaVisivel(j));
  }
}

void TfrmEmb::Proximo() {
  TfrmJogoPalavras::Proximo();
  // A word with no characters has nothing to drag: it counts as solved at
  // once instead of leaving the student with an empty board.
  while (jogo_ && !terminado() && !jogo_->concluida() && jogo_->L() == 0) {
    Limpa();
    TfrmJogoPalavras::Proximo();
  }
}

bool TfrmEmb::Panel1DragOver(Painel* slot, QObject* source) {
  if (!slot || !emb() || terminado() || !pecas.contains(qobject_cast<Painel*>(source))) return false;
  return slot->caption().isEmpty() && emb()->AceitaPeca(slot->tag());
}

void TfrmEmb::Panel1DragDrop(Painel* slot, QObject* source) {
  auto* peca = qobject_cast<Painel*>(source);
  if (!Panel1DragOver(slot, peca)) return;
  const int j = pecas.indexOf(peca) + 1;
  if (!emb()->pecaVisivel(j)) return;
  TocaClick(2);
  Processa();
  // The board may have moved on while the click was painted.
  if (!Panel1DragOver(slot, peca) || !emb()->pecaVisivel(j)) return;
  const regras::Jogada jd = embMut()->Solta(j, slot->tag());
  if (jd.aceita && !jd.errou) peca->hide();
  TrataJogada(jd);
  Resolve();
}

}  // namespace zelmo
