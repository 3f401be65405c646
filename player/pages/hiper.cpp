#include "player/pages/hiper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "files/arquivo_registros.h"
#include "files/geometria_hiper.h"
#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/fonte.h"
#include "platform/imagem.h"
#include "platform/rtf/impressao.h"
#include "platform/mensagens.h"
#include "platform/quadro_hiper.h"
#include "platform/som/som.h"
#include "platform/rtf/texto_rico.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

// The window's font, which its list and buttons take.
QFont FonteDaJanela() { return platform::FonteDesenho(QStringLiteral("Times New Roman"), 13); }

QPushButton* BotaoDoPainel(QFrame* painel, const char* nome, const QString& texto, int esquerda) {
  auto* b = new QPushButton(texto, painel);
  b->setObjectName(QString::fromLatin1(nome));
  b->setFont(FonteDaJanela());
  b->setGeometry(esquerda, 8, 94, 25);
  b->setAutoDefault(true);
  return b;
}

QSize TamanhoTela() {
  const platform::Tela t = platform::TelaAtual();
  return {t.largura, t.altura};
}

// The subject folder's file of a bare name that exists; else empty.
QString Existente(const QString& nome) {
  if (nome.isEmpty()) return {};
  const QString caminho = files::CaminhoNoAssunto(DirAssunto, nome);
  return files::ArquivoExiste(caminho) ? files::ResolveCaminho(caminho) : QString();
}

// Tabbing into the list makes no item current: the list shows the focus and
// waits for the student to pick one (with the arrows, or the mouse).
class SemEscolhaAoFocar : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::FocusIn) return false;
    auto* lista = qobject_cast<QListWidget*>(objeto);
    if (!lista || lista->currentRow() >= 0) return false;
    lista->viewport()->update();
    return true;
  }
};

}  // namespace

TfrmHiper::TfrmHiper(QWidget* dono) : JanelaPagina(dono, QStringLiteral("Hipertexto")) {
  setObjectName(QStringLiteral("frmHiper"));
  quadro = new platform::QuadroHiper(this);
  lblTitulo = quadro->lblTitulo;
  reTexto = quadro->reTexto;
  imgFigura = quadro->imgFigura;
  lstItens = quadro->lstItens;
  lstItens->setFont(FonteDaJanela());
  lstItens->installEventFilter(new SemEscolhaAoFocar(lstItens));
  platform::PintaFundo(quadro->pnlBottom, platform::kAzulEscuro);

  imgAlvo = new platform::Imagem(quadro->pnlRightTop);
  imgAlvo->setObjectName(QStringLiteral("imgAlvo"));
  imgAlvo->DefineAutoSize(false);
  imgAlvo->DefineStretch(true);
  imgAlvo->resize(30, 30);
  imgAlvo->hide();

  QFrame* pe = quadro->pnlBottom;
  btnVoltar = BotaoDoPainel(pe, "btnVoltar", QStringLiteral("Voltar"), 8);
  btnVideo = BotaoDoPainel(pe, "btnVideo", QStringLiteral("Vídeo"), 112);
  btnSom = BotaoDoPainel(pe, "btnSom", QStringLiteral("Som"), 216);
  btnImprimir = BotaoDoPainel(pe, "btnImprimir", QStringLiteral("Imprimir"), 320);
  btnSair = BotaoDoPainel(pe, "btnSair", QStringLiteral("Sair"), 424);
  btnProxima = BotaoDoPainel(pe, "btnProxima", QStringLiteral("Próxima"), 538);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(200);

  connect(btnProxima, &QPushButton::clicked, this, &TfrmHiper::btnProximaClick);
  connect(btnSair, &QPushButton::clicked, this, &TfrmHiper::btnSairClick);
  connect(btnVoltar, &QPushButton::clicked, this, &TfrmHiper::btnVoltarClick);
  connect(btnVideo, &QPushButton::clicked, this, &TfrmHiper::btnVideoClick);
  connect(btnSom, &QPushButton::clicked, this, &TfrmHiper::btnSomClick);
  connect(btnImprimir, &QPushButton::clicked, this, &TfrmHiper::btnImprimirClick);
  connect(Timer1, &QTimer::timeout, this, &TfrmHiper::Timer1Timer);
  connect(quadro, &platform::QuadroHiper::Splitter1Moved, this, &TfrmHiper::Splitter1Moved);
  connect(quadro, &platform::QuadroHiper::Splitter2Moved, this, &TfrmHiper::Splitter2Moved);
  connect(lstItens, &QListWidget::currentRowChanged, this, &TfrmHiper::lstItensClick);
  connect(lstItens, &QListWidget::itemClicked, this, &TfrmHiper::lstItensClick);
  connect(lstItens, &QListWidget::itemDoubleClicked, this, &TfrmHiper::lstItensDblClick);
  connect(imgFigura, &platform::Imagem::ponteiroMoveu, this, &TfrmHiper::imgFiguraMouseMove);
  connect(imgAlvo, &platform::Imagem::ponteiroMoveu, this, &TfrmHiper::imgAlvoMouseMove);
  for (platform::Imagem* img : {imgFigura, imgAlvo}) {
    connect(img, &platform::Imagem::clicada, this, &TfrmHiper::imgFiguraClick);
    connect(img, &platform::Imagem::clicadaDuasVezes, this, &TfrmHiper::imgFiguraDblClick);
  }
  FormCreate();
}

void TfrmHiper::FormCreate() {
  platform::EscalaTelaCheia(this);
  quadro->setGeometry(rect());
  const int minimo = platform::TelaAtual().altura / 5;
  quadro->DefineMinimo(minimo);
  pisca_ = false;
  // The marker starts with its first picture, so it shows from the first blink.
  const QString alvo = DirPrograma + QStringLiteral("Alvo0.wmf");
  if (files::ArquivoExiste(alvo)) imgAlvo->Carrega(files::ResolveCaminho(alvo));
}

void TfrmHiper::FormActivate() {
  IniciaBotoes();
  btnImprimir->setEnabled(AtividadeAtual.Imprimir);
  ArqHiper = files::CaminhoNoAssunto(DirAssunto, AtividadeAtual.Arquivo);
  pilha_.clear();
  btnVoltar->setEnabled(false);
  ponteiro_ = QPointF(0, 0);
  if (!Iniciar()) return;
  TocaSomDaPagina(AtividadeAtual.Som);
  LiberaProxima();
}

void TfrmHiper::Falha(const QString& texto) {
  platform::MensagemOK(this, texto, QStringLiteral("Zelmo II"));
  EncerraPrograma(this);
}

bool TfrmHiper::Iniciar() {
  Timer1->stop();
  imgAlvo->hide();
  if (!files::ArquivoExiste(ArqHiper)) {
    Falha(QStringLiteral("Hipertexto não encontrado !"));
    return false;
  }
  // A queued double-click or "Voltar" waits until this page is shown whole.
  carregando_ = true;
  struct Fim {
    bool& f;
    ~Fim() { f = false; }
  } fim{carregando_};

  files::RegHiper pagina;
  try {
    files::RecordFile arq(files::RegHiper::Tamanho);
    arq.AbreLeitura(ArqHiper);
    if (arq.Conta() == 0) {
      arq.Fecha();
      Falha(QStringLiteral("Arquivo de Hipertexto vazio !"));
      return false;
    }
    pagina = arq.LeRegistro<files::RegHiper>(1);
    arq.Fecha();
  } catch (const files::IoError& e) {
    Falha(QString::fromUtf8(e.what()));
    return false;
  }
  if (!pagina.Verifica()) {
    Falha(QStringLiteral("Arquivo HPR Corrompido!"));
    return false;
  }
  pagina_ = pagina;

  imgFigura->hide();
  // A page that names no picture, or a missing one, shows none: nothing of
  // the page before stays under this page's title.
  imgFigura->Limpa();
  quadro->AplicaGeometria(files::GeometriaDe(pagina_, TamanhoTela()));
  QCoreApplication::processEvents();
  if (ProgramaEncerrando() || !isVisible()) return false;

  btnSom->setEnabled(!pagina_.Som.isEmpty());
  btnVideo->setEnabled(!pagina_.Video.isEmpty());
  lblTitulo->setText(pagina_.Titulo);
  const QString texto = Existente(pagina_.Texto);
  if (!texto.isEmpty())
    reTexto->Carrega(texto);
  else
    reTexto->Limpa();
  const QString figura = Existente(pagina_.Figura);
  if (!figura.isEmpty()) imgFigura->Carrega(figura);
  Redimensiona();
  imgFigura->show();

  lstItens->clear();
  itens_.clear();
  // Nothing is selected on the new page, so no marker shows (a click
  // handled while the page loaded may have shown one for the page before).
  EscondeAlvo();
  const QString arqItens = files::ArquivoItens(ArqHiper);
  if (files::ArquivoExiste(arqItens)) {
    QList<QByteArray> registros;
    try {
      registros = files::LeTodos(arqItens, files::RegItem::Tamanho, files::RegItem::MaiorContagem);
    } catch (const files::IoError& e) {
      Falha(QString::fromUtf8(e.what()));
      return false;
    }
    for (const QByteArray& r : registros) {
      itens_.append(files::ItemValido(files::RegItem::DeBytes(r)));
      lstItens->addItem(itens_.back().Item);
    }
    if (!itens_.isEmpty() && btnProxima->isVisible() && btnProxima->isEnabled()) btnProxima->setFocus();
  }
  return true;
}

void TfrmHiper::Redimensiona() {
  quadro->CentralizaFigura();
  reTexto->viewport()->update();
  const int linha = LinhaEscolhida();
  if (linha < 0) return;
  if (files::TemPontoQuente(itens_[linha]))
    PoeAlvo(itens_[linha]);
  else
    EscondeAlvo();
}

// The frame then keeps the pane at the splitter's minimum size.
void TfrmHiper::Splitter1Moved() { Redimensiona(); }
void TfrmHiper::Splitter2Moved() { Redimensiona(); }

void TfrmHiper::PoeAlvo(const files::RegItem& item) {
  imgAlvo->setGeometry(files::RetanguloAlvo(imgFigura->geometry(), imgAlvo->size(), item.X, item.Y));
  imgAlvo->raise();
}

void TfrmHiper::EscondeAlvo() {
  Timer1->stop();
  imgAlvo->hide();
}

int TfrmHiper::LinhaEscolhida() const {
  const int linha = lstItens->currentRow();
  if (linha < 0 || linha >= itens_.size() || !lstItens->item(linha)->isSelected()) return -1;
  return linha;
}

void TfrmHiper::lstItensClick() {
  if (carregando_) return;
  const int linha = LinhaEscolhida();
  if (linha < 0) return;
  if (!files::TemPontoQuente(itens_[linha])) {
    EscondeAlvo();
    return;
  }
  PoeAlvo(itens_[linha]);
  imgAlvo->show();
  if (!Timer1->isActive()) Timer1->start();
}

void TfrmHiper::Mostra(const QString& caminho) {
  ArqHiper = caminho;
  Iniciar();
}

void TfrmHiper::lstItensDblClick() {
  if (carregando_) return;
  const int linha = lstItens->currentRow();
  if (linha < 0 || linha >= itens_.size()) return;
  const QString caminho = files::CaminhoNoAssunto(DirAssunto, itens_[linha].Arquivo);
  if (!files::ArquivoExiste(caminho)) return;  // no link, " nenhum " or a missing page
  btnVoltar->setEnabled(true);
  pilha_.append(ArqHiper);
  Mostra(caminho);
}

void TfrmHiper::btnVoltarClick() {
  if (carregando_ || pilha_.isEmpty()) return;
  const QString caminho = pilha_.takeLast();
  if (pilha_.isEmpty()) btnVoltar->setEnabled(false);
  Mostra(caminho);
}

void TfrmHiper::imgFiguraMouseMove(QPointF ponto) {
  ponteiro_ = files::PorCentoDoPonteiro(ponto, imgFigura->size());
}

void TfrmHiper::imgAlvoMouseMove(QPointF ponto) {
  const QPointF naFigura = ponto + QPointF(imgAlvo->pos() - imgFigura->pos());
  ponteiro_ = files::PorCentoDoPonteiro(naFigura, imgFigura->size());
}

void TfrmHiper::imgFiguraClick() {
  if (carregando_) return;  // the items are those of the page being left
  const int melhor = files::ItemMaisProximo(itens_, ponteiro_);
  if (melhor < 0) return;
  {
    const QSignalBlocker quieto(lstItens);
    lstItens->setCurrentRow(melhor);
  }
  lstItensClick();
}

void TfrmHiper::imgFiguraDblClick() {
  if (itens_.isEmpty()) return;
  imgFiguraClick();
  lstItensDblClick();
}

void TfrmHiper::Timer1Timer() {
  if (LinhaEscolhida() < 0) {
    EscondeAlvo();
    return;
  }
  pisca_ = !pisca_;
  const QString alvo = DirPrograma + QStringLiteral("Alvo") + (pisca_ ? '1' : '0') + QStringLiteral(".wmf");
  if (files::ArquivoExiste(alvo)) imgAlvo->Carrega(files::ResolveCaminho(alvo));
}

void TfrmHiper::btnSomClick() { TocaSomDaPagina(pagina_.Som); }

void TfrmHiper::btnVideoClick() {
  const QString video = Existente(pagina_.Video);
  if (video.isEmpty()) return;
  platform::MediaPlayer* mp = MediaPlayer1();
  // In the player's own window, at the film's size scaled as this page is,
  // over the picture pane.
  QWidget* painel = quadro->pnlRightTop;
  mp->DefineLugar(QRect(painel->mapToGlobal(QPoint(0, 0)), painel->size()), platform::FatorDoDesenho(this));
  mp->SetFileName(video);
  mp->Open();
  mp->Play();
}

void TfrmHiper::btnImprimirClick() {
  ImprimeNaImpressora([this](QPrinter& impressora) { return PrintRichEdit(impressora); });
}

bool TfrmHiper::PrintRichEdit(QPrinter& impressora) {
  impressora.setDocName(pagina_.Titulo);
  QPainter pintor;
  if (!pintor.begin(&impressora)) return false;
  Imprime(pintor, [&impressora] { return impressora.newPage(); });
  pintor.end();
  return true;
}

void TfrmHiper::Imprime(QPainter& pintor, const std::function<bool()>& novaPagina) {
  const QPaintDevice* dispositivo = pintor.device();
  if (!dispositivo) return;
  Imprime_Figura(pintor, QSize(dispositivo->width(), dispositivo->height()));
  const QRect twips = platform::RetanguloPaginaTwips(*dispositivo);
  // Every page takes the text into the same rectangle; the layout is cut into
  // pages beforehand, so a line or picture taller than the space still ends.
  reTexto->TerminaCarga();
  platform::ImprimeIntervalo(pintor, *reTexto->document(),
                             files::RetanguloTextoImpresso(QSize(twips.right(), twips.bottom())), novaPagina);
}

void TfrmHiper::Imprime_Figura(QPainter& pintor, QSize pagina) {
  if (imgFigura->figura().vazia()) return;
  const QRect destino = files::RetanguloFiguraImpressa(pagina, imgFigura->size());
  if (destino.isEmpty()) return;
  pintor.setRenderHint(QPainter::SmoothPixmapTransform);
  imgFigura->figura().Desenha(pintor, QRectF(destino));
}

void TfrmHiper::FormClose() {
  lblTitulo->clear();
  reTexto->Limpa();
  imgFigura->Limpa();
  lstItens->clear();
  itens_.clear();
  EscondeAlvo();
}

}  // namespace zelmo
