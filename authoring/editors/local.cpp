#include "authoring/editors/local.h"

#include <QComboBox>
#include <QPushButton>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "authoring/editors/rotulos.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/listador.h"
#include "files/pastas.h"
#include "files/registros.h"
#include "files/texto.h"
#include "platform/imagem.h"
#include "platform/mensagens.h"

namespace pravo {

namespace {

constexpr int kPaineis = files::RegFigura::kPaineis;
const QString kSemFigura = QStringLiteral("     ");

QLabel* RotuloNegrito(QWidget* dono, const char* nome, const QString& texto, int x, int y) {
  auto* l = new QLabel(texto, dono);
  l->setObjectName(QString::fromLatin1(nome));
  l->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 17, true, true));
  l->move(x, y);
  l->adjustSize();
  return l;
}

// The glyphs of the line buttons: a line from a point, and a cross that
// takes it away.
QIcon Glifo(bool limpa) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (limpa) {
    p.setPen(QPen(QColor(200, 0, 0), 2.5));
    p.drawLine(3, 3, 13, 13);
    p.drawLine(13, 3, 3, 13);
  } else {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(3, 13, 12, 4);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(3, 13), 2, 2);
    p.setBrush(QColor(255, 255, 160));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(10, 2, 5, 4);
  }
  return QIcon(pm);
}

QToolButton* BotaoGlifo(QWidget* dono, const QString& nome, bool limpa, int x, int y) {
  auto* b = new QToolButton(dono);
  b->setObjectName(nome);
  b->setIcon(Glifo(limpa));
  b->setGeometry(x, y, 25, 25);
  b->setAutoRaise(false);
  return b;
}

QScrollBar* Barra(QWidget* dono, const char* nome, Qt::Orientation o, const QRect& r) {
  auto* b = new QScrollBar(o, dono);
  b->setObjectName(QString::fromLatin1(nome));
  b->setGeometry(r);
  b->setRange(1, 100);
  b->setValue(1);
  b->setSingleStep(10);
  b->setPageStep(100);
  return b;
}

// A bar set by the program: the value within its bounds, no change handler.
void PoeBarra(QScrollBar* b, int valor) {
  const QSignalBlocker bloqueio(b);
  b->setValue(std::clamp(valor, b->minimum(), b->maximum()));
}

int Tipo(const QString& caminho) {
  const QString fim = caminho.right(3).toLower();
  if (fim == QLatin1String("jpg")) return 0;
  if (fim == QLatin1String("bmp")) return 1;
  if (fim == QLatin1String("wmf")) return 2;
  return -1;
}

}  // namespace

// ---- PainelRotulo -------------------------------------------------------------

PainelRotulo::PainelRotulo(TfrmEditLoc* editor, QWidget* pai, const QString& nome)
    : QLabel(pai), editor_(editor) {
  setObjectName(nome);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setCursor(Qt::SizeAllCursor);
}

void PainelRotulo::mousePressEvent(QMouseEvent* e) {
  editor_->pnlPan1MouseDown(this, e->position().toPoint());
  e->accept();
}

void PainelRotulo::mouseMoveEvent(QMouseEvent* e) {
  editor_->pnlPan1MouseMove(this, e->position().toPoint());
  e->accept();
}

void PainelRotulo::mouseReleaseEvent(QMouseEvent* e) {
  editor_->pnlPan1MouseUp(this);
  e->accept();
}

// ---- TfrmEditLoc --------------------------------------------------------------

TfrmEditLoc::TfrmEditLoc(QWidget* dono)
    : EditorRegistros({QStringLiteral("Editor de Arquivos do Acerte o Local - "), QStringLiteral("Figura"),
                       &ArqLocal, &DadosLocal, QString(), 420},
                      dono) {
  setObjectName(QStringLiteral("frmEditLoc"));
  setFont(FonteDesenho(QStringLiteral("Times New Roman"), 13));
  lblPagina->setText(QStringLiteral("Figura 1 de 1"));
  linhaX_.fill(-1.0);
  linhaY_.fill(-1.0);

  Label7 = RotuloNegrito(this, "Label7", QStringLiteral("Figura:"), 400, 32);
  cboFigura = new EscolhaArquivo(EscolhaArquivo::Guarda::Registro, this);
  cboFigura->setObjectName(QStringLiteral("cboFigura"));
  cboFigura->setMaxVisibleItems(10);
  cboFigura->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 15));
  cboFigura->setGeometry(400, 56, 217, 25);
  connect(cboFigura, &EscolhaArquivo::escolhida, this, &TfrmEditLoc::cboFiguraChange);

  Label1 = RotuloNegrito(this, "Label1", QStringLiteral("Painéis:"), 400, 112);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::Box);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(30, 36, 356, 356);
  imgFrente = new platform::Imagem(Panel1, platform::Imagem::Uso::Quadro);
  imgFrente->setObjectName(QStringLiteral("imgFrente"));
  imgFrente->setGeometry(2, 2, 350, 350);
  imgFrente->setCursor(Qt::CrossCursor);
  connect(imgFrente, &platform::Imagem::pressionada, this, &TfrmEditLoc::imgFrenteMouseDown);

  for (int k = 1; k <= kPaineis; ++k) {
    const int topo = 136 + 32 * (k - 1);
    auto* edt = new QLineEdit(this);
    edt->setObjectName(QStringLiteral("edtPan%1").arg(k));
    edt->setGeometry(400, topo, 150, 23);
    edt->setMaxLength(files::kCap20);
    connect(edt, &QLineEdit::textChanged, this, [this, k] { edtPan1Change(k); });
    edtPan.append(edt);

    QToolButton* linha = BotaoGlifo(this, QStringLiteral("btnLinha%1").arg(k), false, 560, topo);
    connect(linha, &QToolButton::clicked, this, [this, k] { btnLinha1Click(k); });
    btnLinha.append(linha);
    QToolButton* limpa = BotaoGlifo(this, QStringLiteral("btnLimpa%1").arg(k), true, k == 1 ? 592 : 591, topo);
    connect(limpa, &QToolButton::clicked, this, [this, k] { btnLimpa1Click(k); });
    btnLimpa.append(limpa);

    auto* painel = new PainelRotulo(this, Panel1, QStringLiteral("pnlPan%1").arg(k));
    painel->setGeometry(5, 5, 100, 25);
    painel->hide();
    pnlPan.append(painel);
  }

  scbHoriz = Barra(this, "scbHoriz", Qt::Horizontal, QRect(32, 392, 352, 15));
  scbVert = Barra(this, "scbVert", Qt::Vertical, QRect(8, 38, 20, 350));
  connect(scbHoriz, &QScrollBar::valueChanged, this, &TfrmEditLoc::scbHorizChange);
  connect(scbVert, &QScrollBar::valueChanged, this, &TfrmEditLoc::scbVertChange);

  QList<QWidget*> ordem{cboFigura};
  for (int k = 0; k < kPaineis; ++k) ordem << edtPan[k] << btnLinha[k] << btnLimpa[k];
  ordem << scbHoriz << scbVert << btnPrimeira << btnAnterior << btnProxima << btnUltima << btnDeletar
        << btnInserir << btnSair;
  for (qsizetype i = 1; i < ordem.size(); ++i) setTabOrder(ordem[i - 1], ordem[i]);

  FormCreate();
  // The bars reach the box's side after scaling.
  scbHoriz->setMaximum(imgFrente->width());
  scbVert->setMaximum(imgFrente->height());
}

TfrmEditLoc::~TfrmEditLoc() = default;

files::GeometriaLocal TfrmEditLoc::Geometria() const { return files::GeometriaLocal(imgFrente->width()); }

void TfrmEditLoc::AntesDeLimpar() {
  holders_ = {};
  caminhoFigura_ = kSemFigura;
  linhaArmada_ = -1;
}

void TfrmEditLoc::AoFechar() { holders_ = {}; }

void TfrmEditLoc::ListaFiguras() {
  QStringList nomes;
  for (const char* mascara : {"*.bmp", "*.wmf", "*.jpg"}) nomes += ListaPasta(DirLocal, QLatin1String(mascara));
  cboFigura->Preenche(nomes);
}

void TfrmEditLoc::Limpa() {
  cboFigura->clear();
  cboFigura->Limpa();
  for (QLineEdit* e : edtPan) e->clear();
  imgFrente->Limpa();
  PoeBarra(scbVert, imgFrente->height());
  PoeBarra(scbHoriz, imgFrente->width());
  for (PainelRotulo* p : pnlPan) {
    p->setText(QString());
    p->move(5, 5);
    p->hide();
  }
  linhaX_.fill(-1.0);
  linhaY_.fill(-1.0);
  ListaFiguras();
}

platform::Figura* TfrmEditLoc::Holder() {
  const int tipo = Tipo(caminhoFigura_);
  return tipo < 0 ? nullptr : &holders_[static_cast<size_t>(tipo)];
}

void TfrmEditLoc::RedesenhaFigura() {
  imgFrente->Limpa();
  if (!cboFigura->TemEntrada()) return;
  const platform::Figura* f = Holder();
  if (!f || f->vazia()) return;
  imgFrente->DesenhaFigura(*f, Geometria().RetanguloFigura(scbHoriz->value(), scbVert->value()));
}

void TfrmEditLoc::DesenhaLinhas() {
  const files::GeometriaLocal g = Geometria();
  imgFrente->DefineCaneta(2, Qt::black);
  for (int k = 1; k <= kPaineis; ++k) {
    // Drawn whether or not its panel is shown.
    if (const auto ponto = g.PontoLinha(linhaX_[k - 1], linhaY_[k - 1]))
      imgFrente->Linha(*ponto, files::GeometriaLocal::Centro(pnlPan[k - 1]->geometry()));
  }
}

void TfrmEditLoc::Redesenha() {
  RedesenhaFigura();
  DesenhaLinhas();
}

void TfrmEditLoc::CarregaFigura() {
  imgFrente->Limpa();
  caminhoFigura_ = kSemFigura;
  if (!cboFigura->TemEntrada()) return;
  caminhoFigura_ = DirLocal + cboFigura->itemText(cboFigura->currentIndex());
  platform::Figura* holder = Holder();
  if (!holder) return;
  platform::Figura lida;
  // A picture that cannot be read draws nothing.
  *holder = lida.Carrega(files::ResolveCaminho(caminhoFigura_)) ? lida : platform::Figura();
  if (holder->vazia()) return;
  if (scbVert->value() == 1) PoeBarra(scbVert, holder->Altura());
  if (scbHoriz->value() == 1) PoeBarra(scbHoriz, holder->Largura());
  imgFrente->DesenhaFigura(*holder, Geometria().RetanguloFigura(scbHoriz->value(), scbVert->value()));
}

void TfrmEditLoc::cboFiguraChange() {
  PoeBarra(scbVert, 1);
  PoeBarra(scbHoriz, 1);
  CarregaFigura();
  DesenhaLinhas();
}

void TfrmEditLoc::scbHorizChange() { Redesenha(); }
void TfrmEditLoc::scbVertChange() { Redesenha(); }

void TfrmEditLoc::edtPan1Change(int k) {
  PainelRotulo* p = pnlPan.value(k - 1);
  if (!p) return;
  const QString texto = files::Apara(edtPan[k - 1]->text());
  p->setVisible(!texto.isEmpty());
  p->resize(QFontMetrics(font()).horizontalAdvance(texto) + 10, p->height());
  p->setText(texto);
  // A wider label stays inside the box.
  p->move(Geometria().DentroDaCaixa(p->pos(), p->size()));
  Redesenha();
}

void TfrmEditLoc::Centraliza(PainelRotulo* painel, QPoint p) {
  const QPoint destino = painel->pos() + p - QPoint(meiaLargura_, meiaAltura_);
  painel->move(Geometria().DentroDaCaixa(destino, painel->size()));
}

void TfrmEditLoc::pnlPan1MouseDown(PainelRotulo* painel, QPoint p) {
  meiaLargura_ = painel->width() / 2;
  meiaAltura_ = painel->height() / 2;
  Centraliza(painel, p);
  arrastando_ = true;
}

void TfrmEditLoc::pnlPan1MouseMove(PainelRotulo* painel, QPoint p) {
  if (arrastando_) Centraliza(painel, p);
}

void TfrmEditLoc::pnlPan1MouseUp(PainelRotulo*) {
  arrastando_ = false;
  Redesenha();
}

void TfrmEditLoc::btnLinha1Click(int k) { linhaArmada_ = k; }

void TfrmEditLoc::imgFrenteMouseDown(QPoint ponto) {
  if (linhaArmada_ < 1 || linhaArmada_ > kPaineis) return;
  const files::GeometriaLocal g = Geometria();
  linhaX_[linhaArmada_ - 1] = g.Fracao(ponto.x());
  linhaY_[linhaArmada_ - 1] = g.Fracao(ponto.y());
  linhaArmada_ = -1;
  Redesenha();
}

void TfrmEditLoc::btnLimpa1Click(int k) {
  if (k < 1 || k > kPaineis) return;
  linhaX_[k - 1] = -1.0;
  linhaY_[k - 1] = -1.0;
  Redesenha();
}

bool TfrmEditLoc::Valida() {
  if (cboFigura->Escolhido().isEmpty()) {
    // Only a warning, whichever button is pressed.
    platform::PerguntaSimNao(this, QStringLiteral("O campo \"Figura\" não pode ficar vazio !"),
                             QStringLiteral("Atenção !"));
    cboFigura->setFocus();
  }
  return Preenchido(edtPan[0]->text(), edtPan[0], QStringLiteral("O primeiro painel não pode ficar vazio !"));
}

QByteArray TfrmEditLoc::ParaRegistro() {
  const files::GeometriaLocal g = Geometria();
  files::RegFigura& r = FiguraAtual;
  r = {};
  r.Figura = cboFigura->Escolhido();
  r.LarguraFig = g.Fracao(scbHoriz->value());
  r.AlturaFig = g.Fracao(scbVert->value());
  for (int k = 0; k < kPaineis; ++k) {
    r.Rotulo[k] = files::Apara(edtPan[k]->text());
    r.PanX[k] = g.Fracao(pnlPan[k]->x());
    r.PanY[k] = g.Fracao(pnlPan[k]->y());
    r.LinhaX[k] = linhaX_[k];
    r.LinhaY[k] = linhaY_[k];
  }
  r.Prepara();
  return r.ParaBytes();
}

void TfrmEditLoc::DoRegistro(const QByteArray& bytes) {
  const files::RegFigura& r = FiguraAtual = files::RegFigura::DeBytes(bytes);
  const files::GeometriaLocal g = Geometria();
  cboFigura->Mostra(r.Figura);
  PoeBarra(scbHoriz, g.TamanhoFigura(r.LarguraFig));
  PoeBarra(scbVert, g.TamanhoFigura(r.AlturaFig));
  for (int k = 0; k < kPaineis; ++k) {
    edtPan[k]->setText(r.Rotulo[k]);
    pnlPan[k]->move(g.PosicaoPainel(r.PanX[k], r.PanY[k], pnlPan[k]->size()));
    linhaX_[k] = r.LinhaX[k];
    linhaY_[k] = r.LinhaY[k];
  }
  CarregaFigura();
  DesenhaLinhas();
}

}  // namespace pravo
