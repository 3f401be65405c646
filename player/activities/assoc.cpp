#include "player/activities/assoc.h"

#include <algorithm>

#include "player/activities/rotulo.h"
#include "player/activities/rules/palavras.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAmarelo = 0x00FFFF;
constexpr uint32_t kPreto = 0;
constexpr uint32_t kVermelho = 255;

QString U(const char* s) { return QString::fromUtf8(s); }

const DesenhoExercicio kDesenhoAssoc{"Associação", 232, 332, 520, 108, LinhaBotoes::Pronto188};

struct Janela {
  int left, topTitulo, topDica, alturaDica;
};
const Janela kJanelas[regras::kPorRodada] = {
    {8, 40, 69, 97}, {8, 176, 205, 100}, {324, 40, 69, 97}, {324, 176, 205, 100}, {324, 312, 341, 97}};

}  // namespace

TfrmAssoc::TfrmAssoc(QWidget* dono) : TfrmExercicio(dono, kDesenhoAssoc) {
  setObjectName("frmAssoc");
  QFont fonte(QStringLiteral("MS Sans Serif"));
  fonte.setPixelSize(13);
  for (int i = 1; i <= regras::kPorRodada; ++i) {
    const Janela& j = kJanelas[i - 1];
    auto* t = new Painel(this, "memPal" + QString::number(i));
    t->setGeometry(j.left, j.topTitulo, 305, 30);
    t->setCor(kAmarelo);
    t->setCorFonte(kPreto);
    t->setFont(fonte);
    t->setChanfros(Painel::Chanfro::Baixo, Painel::Chanfro::Nenhum);
    t->setCursor(Qt::PointingHandCursor);
    t->setArrastavel(true);
    t->setAcceptDrops(true);
    t->setTag(i);
    t->aoArrastarSobre = [this](Painel* alvo, QObject* origem) { return memPal1DragOver(alvo, origem); };
    t->aoSoltar = [this](Painel* alvo, QObject* origem) { memPal1DragDrop(alvo, origem); };
    memPal[static_cast<size_t>(i - 1)] = t;

    auto* d = new CaixaMemo(this, "memDica" + QString::number(i), j.left, j.topDica, 305, j.alturaDica);
    d->setProperty("Tag", i);
    connect(d, &CaixaMemo::clicked, this, &TfrmAssoc::memDica1Click);
    memDica[static_cast<size_t>(i - 1)] = d;
  }
  const char* instrucao[] = {"Arrastando com o mouse, ", "troque os títulos das janelas",
                             "para que fiquem de acordo com", "o seu conteúdo."};
  QLabel** rotulos[] = {&Label4, &Label1, &Label2, &Label3};
  const char* nomes[] = {"Label4", "Label1", "Label2", "Label3"};
  for (int k = 0; k < 4; ++k) {
    QLabel* l = CriaRotulo(this, nomes[k], U(instrucao[k]), 8, 320 + 32 * k, 20, platform::kAqua);
    l->setGeometry(8, 320 + 32 * k, 305, 30);
    l->setAlignment(Qt::AlignCenter);
    *rotulos[k] = l;
  }
  FormCreate();
}

TfrmAssoc::~TfrmAssoc() = default;

bool TfrmAssoc::Iniciar() {
  const qint64 registros = AbreDados(regras::kFormatoPalavras, &ArqPalavras);
  if (registros < 0) return false;
  if (!regras::RegistrosBastam(registros)) {
    FalhaDeCarga(U("Arquivo de Palavras precisa ter pelo menos 5 palavras !"));
    return false;
  }
  jogo_ = std::make_unique<regras::JogoAssoc>(AtividadeAtual.Rodadas);
  return true;
}

bool TfrmAssoc::EscolhePalavras(QList<files::RegPalavra>* palavras) {
  return SelecionaItens(regras::kFormatoPalavras, ArqPalavras, regras::kPorRodada, true, regras::RegrasPalavras(),
                        palavras);
}

void TfrmAssoc::Limpa() {
  if (jogo_) jogo_->Limpa();
  for (int i = 1; i <= regras::kPorRodada; ++i) {
    Pal(i)->setTag(i);
    Pal(i)->setCaption(QString());
    Dica(i)->setTexto(QString());
  }
}

void TfrmAssoc::Mostra() {
  for (int i = 1; i <= regras::kPorRodada; ++i) {
    // A file with fewer than five different words leaves windows out of play.
    Pal(i)->setVisible(jogo_->emJogo(i));
    Dica(i)->setVisible(jogo_->emJogo(i));
    Pal(i)->setTag(jogo_->tag(i));
    Pal(i)->setCaption(jogo_->titulo(i));
    Pal(i)->setCorFonte(jogo_->vermelho(i) ? kVermelho : kPreto);
    Dica(i)->setTexto(jogo_->dica(i));
  }
}

void TfrmAssoc::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->erros());
    return;
  }
  Limpa();
  QList<files::RegPalavra> palavras;
  if (!EscolhePalavras(&palavras)) return;
  lblRodada->setText(jogo_->Rodada());
  jogo_->NovaRodada(palavras, Gerador);
  Mostra();
}

bool TfrmAssoc::memPal1DragOver(Painel* alvo, QObject* source) {
  auto* origem = qobject_cast<Painel*>(source);
  return jogo_ && !Interrompida() && alvo && origem && std::find(memPal.begin(), memPal.end(), alvo) != memPal.end() &&
         std::find(memPal.begin(), memPal.end(), origem) != memPal.end();
}

void TfrmAssoc::memPal1DragDrop(Painel* alvo, QObject* source) {
  if (!memPal1DragOver(alvo, source)) return;
  auto* origem = qobject_cast<Painel*>(source);
  const auto numero = [this](Painel* p) { return static_cast<int>(std::find(memPal.begin(), memPal.end(), p) - memPal.begin()) + 1; };
  TocaClick(2);
  if (!jogo_->Troca(numero(alvo), numero(origem))) return;
  Mostra();
}

void TfrmAssoc::memDica1Click() { btnPronto->setFocus(); }

void TfrmAssoc::btnProntoClick() {
  if (!jogo_ || Interrompida()) return;
  const regras::Julgado j = jogo_->Pronto();
  ListaErros += j.linhas;
  Mostra();
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

void TfrmAssoc::MostraResposta() {
  if (!jogo_) return;
  jogo_->MostraResposta();
  for (int i = 1; jogo_->emJogo(i); ++i) Pal(i)->setCaption(jogo_->titulo(i));
}

int TfrmAssoc::Porcentagem() const { return jogo_ ? jogo_->Porcentagem() : 0; }

int TfrmAssoc::Erros() const { return jogo_ ? jogo_->erros() : 0; }

QStringList TfrmAssoc::LinhasContagem() const { return jogo_ ? jogo_->LinhasContagem(consultas()) : QStringList(); }

QString TfrmAssoc::TituloRelatorio() const { return U("ASSOCIAÇÃO"); }

QString TfrmAssoc::CabecalhoErros() const { return U("Palavras associadas incorretamente:"); }

}  // namespace zelmo
