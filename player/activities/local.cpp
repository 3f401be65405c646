#include "player/activities/local.h"

#include <QFontMetrics>

#include "files/pastas.h"
#include "platform/figura.h"
#include "platform/fonte.h"
#include "platform/imagem.h"
#include "platform/mensagens.h"
#include "player/activities/jogo_palavras.h"
#include "player/activities/rules/trocas.h"
#include "player/despachante.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kAqua = 16776960;
constexpr int kLarguraAlvo = 50;  // a target's width while it is empty, in pixels
constexpr int kTopoOpcoes[] = {37, 69, 101, 133, 165, 197};
constexpr int kTopoInstrucoes[] = {248, 272, 296, 320, 352, 376};
const char* const kInstrucoes[] = {"Arraste cada",         "painél acima",   "para o local correto",
                                   "na figura ao lado.",   "Para finalizar", "clique em  \"Pronto\"."};

}  // namespace

TfrmLocal::TfrmLocal(QWidget* dono)
    : TfrmAtividade(dono, QStringLiteral("Acerte o Local"), LinhaBotoes::Pronto116) {
  setObjectName(QStringLiteral("frmLocal"));
  setFont(platform::FonteDesenho(QStringLiteral("MS Sans Serif"), 13));

  lblTitulo = CriaRotulo(this, "lblTitulo", QStringLiteral("Acerte o Local"), 8, 6, 23, kAqua);
  lblAcertos = CriaRotulo(this, "lblAcertos", QStringLiteral("Acertos: 0"), 248, 10, 17, kAqua);
  lblErros = CriaRotulo(this, "lblErros", QStringLiteral("Erros: 0"), 356, 10, 17, kAqua);
  lblRodada = CriaRotulo(this, "lblRodada", QStringLiteral("Figura 1 de 5"), 532, 10, 17, kAqua);
  lblRodada->setGeometry(500, 10, 132, 20);
  lblRodada->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::Box);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(6, 34, 406, 406);
  platform::PintaFundo(Panel1, 0xC0C0C0);
  imgFrente = new platform::Imagem(Panel1, platform::Imagem::Uso::Quadro);
  imgFrente->setObjectName(QStringLiteral("imgFrente"));
  imgFrente->setGeometry(2, 2, 400, 400);

  for (int q = 1; q <= files::RegFigura::kPaineis; ++q) {
    auto* alvo = new Painel(Panel1, QStringLiteral("pnlPan") + QString::number(q));
    alvo->setGeometry(5, 5, 100, 25);
    alvo->hide();
    alvo->setAcceptDrops(true);
    // A target takes the drag of any option.
    alvo->aoArrastarSobre = [this](Painel*, QObject* origem) {
      return opcoes.contains(qobject_cast<Painel*>(origem));
    };
    alvo->aoSoltar = [this](Painel* a, QObject* origem) { pnlPan6DragDrop(a, origem); };
    alvos.append(alvo);

    auto* op = new Painel(this, QStringLiteral("pnlOp") + QString::number(q));
    op->setGeometry(421, kTopoOpcoes[q - 1], 212, 25);
    op->setCursor(Qt::PointingHandCursor);
    op->setArrastavel(true);
    op->hide();
    opcoes.append(op);
  }
  for (int n = 0; n < 6; ++n) {
    QLabel* l = CriaRotulo(this, qPrintable(QStringLiteral("Label%1").arg(n + 1)), QString::fromUtf8(kInstrucoes[n]),
                           423, kTopoInstrucoes[n], 20, kAqua);
    l->setGeometry(423, kTopoInstrucoes[n], 209, 30);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }

  btnPronto = CriaPronto(116);
  connect(btnPronto, &QPushButton::clicked, this, &TfrmLocal::btnProntoClick);
  FormCreate();
}

TfrmLocal::~TfrmLocal() = default;

files::GeometriaLocal TfrmLocal::Geometria() const { return files::GeometriaLocal(imgFrente->width()); }

void TfrmLocal::ZeraContadores() {
  jogo_.reset();
  ocupado_ = false;
  AtualizaContadores();
}

void TfrmLocal::AtualizaContadores() {
  lblAcertos->setText(QStringLiteral("Acertos: %1").arg(jogo_ ? jogo_->acertos() : 0));
  lblErros->setText(QStringLiteral("Erros: %1").arg(jogo_ ? jogo_->erros() : 0));
}

bool TfrmLocal::Iniciar() {
  const qint64 registros = AbreDados(regras::kFormatoLocal, &ArqLocal);
  if (registros < 0) return false;
  const int n = regras::NumeroDeItens(registros, AtividadeAtual.Quant);
  QList<files::RegFigura> figuras;
  if (!EscolheFiguras(n, &figuras)) return false;
  jogo_ = std::make_unique<regras::JogoLocal>(std::move(figuras));
  return true;
}

bool TfrmLocal::EscolheFiguras(int n, QList<files::RegFigura>* figuras) {
  return AtividadeAtual.Ordem != 0 ? EscolheFiguras2(n, figuras) : EscolheFiguras1(n, figuras);
}

bool TfrmLocal::EscolheFiguras1(int n, QList<files::RegFigura>* figuras) {
  return SelecionaItens(regras::kFormatoLocal, ArqLocal, n, false, regras::RegrasFiguras(), figuras);
}

bool TfrmLocal::EscolheFiguras2(int n, QList<files::RegFigura>* figuras) {
  return SelecionaItens(regras::kFormatoLocal, ArqLocal, n, true, regras::RegrasFiguras(), figuras);
}

void TfrmLocal::Limpa() {
  imgFrente->Limpa();
  for (Painel* p : alvos + opcoes) p->hide();
  for (Painel* a : alvos) a->resize(kLarguraAlvo, a->height());
}

int TfrmLocal::LarguraDe(const QString& legenda) const {
  return QFontMetrics(font()).horizontalAdvance(legenda.trimmed()) + 10;
}

void TfrmLocal::PoeLegenda(Painel* alvo, const QString& legenda) {
  alvo->setCaption(legenda);
  alvo->resize(LarguraDe(legenda), alvo->height());
}

void TfrmLocal::DesenhaFigura() {
  const files::RegFigura& f = jogo_->figura();
  const QString caminho = files::CaminhoNoAssunto(DirAssunto, f.Figura);
  if (!files::FiguraDesenhavel(f.Figura) || !files::ArquivoExiste(caminho)) return;
  platform::Figura figura;
  if (!figura.Carrega(files::ResolveCaminho(caminho))) return;  // an unreadable picture leaves the box blank
  imgFrente->DesenhaFigura(figura, Geometria().RetanguloFigura(f.LarguraFig, f.AlturaFig));
}

void TfrmLocal::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->erros());
    return;
  }
  Limpa();
  lblRodada->setText(QStringLiteral("Figura %1 de %2").arg(jogo_->i() + 1).arg(jogo_->N()));
  DesenhaFigura();

  const files::RegFigura& f = jogo_->figura();
  const files::GeometriaLocal g = Geometria();
  const int k = jogo_->K();
  imgFrente->DefineCaneta(2, Qt::black);
  for (int q = 1; q <= k; ++q) {
    Painel* alvo = pnlPan(q);
    alvo->setCaption(QString());
    // Kept inside the box, wide enough for its own label, so that every
    // target can take a drop.
    const QSize lugar(std::max(kLarguraAlvo, LarguraDe(f.Rotulo[q - 1])), alvo->height());
    alvo->move(g.PosicaoPainel(f.PanX[q - 1], f.PanY[q - 1], lugar));
    alvo->show();
    if (const auto ponto = g.PontoLinha(f.LinhaX[q - 1], f.LinhaY[q - 1]))
      imgFrente->Linha(*ponto, files::GeometriaLocal::Centro(alvo->geometry()));
  }

  QStringList legendas;
  for (int q = 1; q <= k; ++q) legendas << f.Rotulo[q - 1];
  regras::AplicaTrocas(legendas, regras::SorteiaTrocas(k, Gerador));
  for (int q = 1; q <= k; ++q) {
    pnlOp(q)->setCaption(legendas[q - 1]);
    pnlOp(q)->show();
  }
}

void TfrmLocal::pnlPan6DragDrop(Painel* alvo, QObject* origem) {
  auto* op = qobject_cast<Painel*>(origem);
  if (!alvo || !op || !opcoes.contains(op) || !alvo->isVisible() || ocupado_ || terminado()) return;
  TocaClick(2);
  PoeLegenda(alvo, op->caption());
}

void TfrmLocal::btnProntoClick() {
  if (!jogo_ || ocupado_ || terminado() || ProgramaEncerrando()) return;
  ocupado_ = true;
  QStringList legendas;
  for (int q = 1; q <= jogo_->K(); ++q) legendas << pnlPan(q)->caption();
  const regras::JulgamentoLocal j = jogo_->Julga(legendas, &ListaErros);
  if (j.incompleto) {
    MostraAviso({QString(), QStringLiteral("Você não preencheu"), QStringLiteral("todos os painéis!")});
    ocupado_ = false;
    Resolve();
    return;
  }
  for (int q : j.errados) {
    pnlPan(q)->setCaption(QString());
    pnlPan(q)->resize(kLarguraAlvo, pnlPan(q)->height());
  }
  AtualizaContadores();
  Processa();
  if (!terminado() && !ProgramaEncerrando()) {
    if (j.completa) {
      TocaAcerto();
      Proximo();
    } else {
      TocaErro();
    }
  }
  ocupado_ = false;
  Resolve();
}

void TfrmLocal::MostraResposta() {
  if (!jogo_ || jogo_->i() < 0 || jogo_->i() >= jogo_->N()) return;
  for (int q = 1; q <= files::RegFigura::kPaineis; ++q) PoeLegenda(pnlPan(q), jogo_->rotulo(q));
}

int TfrmLocal::Porcentagem() const { return jogo_ ? jogo_->Porcentagem() : 0; }

int TfrmLocal::Erros() const { return jogo_ ? jogo_->erros() : 0; }

QString TfrmLocal::TituloRelatorio() const { return QStringLiteral("ACERTE O LOCAL"); }

QStringList TfrmLocal::LinhasContagem() const {
  return jogo_ ? jogo_->LinhasContagem(consultas()) : regras::JogoLocal({}).LinhasContagem(consultas());
}

QString TfrmLocal::CabecalhoErros() const { return QStringLiteral("Painéis incorretos:"); }

}  // namespace zelmo
