#include "player/activities/assoc.h"

#include <algorithm>

#include "player/activities/rotulo.h"
#include "player/activities/rules/palavras.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

const DesenhoExercicio kDesenhoAssoc{"Associação", 232, 332, 520, 108, LinhaBotoes::Pronto188, "Rodada 1 de 5"};

struct Janela {
  int left, topTitulo, topDica, alturaDica;
};
const Janela kJanelas[regras::kPorRodada] = {
    {8, 40, 69, 97}, {8, 176, 205, 100}, {324, 40, 69, 97}, {324, 176, 205, 100}, {324, 312, 341, 97}};

}  // namespace

TfrmAssoc::TfrmAssoc(QWidget* dono)
    : TfrmRodadas(dono, kDesenhoAssoc, regras::kFormatoPalavras, &ArqPalavras,
                  "Arquivo de Palavras precisa ter pelo menos 5 palavras !") {
  setObjectName("frmAssoc");
  QFont fonte(QStringLiteral("MS Sans Serif"));
  fonte.setPixelSize(13);
  for (int i = 1; i <= regras::kPorRodada; ++i) {
    const Janela& j = kJanelas[i - 1];
    auto* t = new Painel(this, "memPal" + QString::number(i));
    t->setGeometry(j.left, j.topTitulo, 305, 30);
    t->setCor(platform::kAmarelo);
    t->setCorFonte(platform::kPreto);
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

std::unique_ptr<regras::JogoRodadas> TfrmAssoc::CriaJogo(int rodadas) {
  return std::make_unique<regras::JogoAssoc>(rodadas);
}

bool TfrmAssoc::EscolhePalavras() {
  QList<files::RegPalavra> palavras;
  if (!SorteiaRegistros(regras::RegrasPalavras(), &palavras)) return false;
  assoc()->NovaRodada(palavras, Gerador);
  return true;
}

void TfrmAssoc::Limpa() {
  if (jogo_) assoc()->Limpa();
  for (int i = 1; i <= regras::kPorRodada; ++i) {
    Pal(i)->setTag(i);
    Pal(i)->setCaption(QString());
    Dica(i)->setTexto(QString());
  }
}

void TfrmAssoc::MostraRodada() {
  for (int i = 1; i <= regras::kPorRodada; ++i) {
    // A file with fewer than five different words leaves windows out of play.
    Pal(i)->setVisible(jogo()->emJogo(i));
    Dica(i)->setVisible(jogo()->emJogo(i));
    Pal(i)->setTag(jogo()->tag(i));
    Pal(i)->setCaption(jogo()->titulo(i));
    Pal(i)->setCorFonte(jogo()->vermelho(i) ? platform::kVermelho : platform::kPreto);
    Dica(i)->setTexto(jogo()->dica(i));
  }
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
  if (assoc()->Troca(numero(alvo), numero(origem))) MostraRodada();
}

void TfrmAssoc::memDica1Click() { btnPronto->setFocus(); }

void TfrmAssoc::btnProntoClick() {
  if (!jogo_ || Interrompida()) return;
  Julga(assoc()->Pronto());
  Resolve();
}

void TfrmAssoc::MostraResposta() {
  if (!jogo_) return;
  assoc()->MostraResposta();
  for (int i = 1; jogo()->emJogo(i); ++i) Pal(i)->setCaption(jogo()->titulo(i));
}

QString TfrmAssoc::TituloRelatorio() const { return U("ASSOCIAÇÃO"); }

QString TfrmAssoc::CabecalhoErros() const { return U("Palavras associadas incorretamente:"); }

}  // namespace zelmo
