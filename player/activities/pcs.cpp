#include "player/activities/pcs.h"

#include <QKeyEvent>

#include "platform/fonte.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

constexpr uint32_t kPrata = 0xC0C0C0;
constexpr uint32_t kAzul = 0xFF0000;
constexpr int kTeclasPorLinha = 11;
constexpr int kLadoTecla = 20;
constexpr const char* kLegendas[] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",  //
    "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V",  //
    "W", "X", "Y", "Z", "Ç", "Ã", "Õ", "-", "_", " ", " ",  //
    "Á", "É", "Í", "Ó", "Ú", "Â", "Ê", "Î", "Ô", "Û", "Ý",  //
    "À", "È", "Ì", "Ò", "Ù", "Ä", "Ë", "Ï", "Ö", "Ü", "Ñ"};

}  // namespace

TfrmPCs::TfrmPCs(QWidget* dono) : TfrmTabuleiro(dono, "Palavras Cruzadas") {
  setObjectName("frmPCs");
  lblTitulo = CriaRotuloTopo("lblTitulo", "Palavras Cruzadas", 8, 6, 23);
  lblTitulo->setGeometry(8, 6, 181, lblTitulo->height());
  lblTitulo->setAlignment(Qt::AlignCenter);
  CriaContadores(272, 368);
  CriaMemo(4, 40, 218, 433);
  CriaCelulas(Qt::ArrowCursor, false);

  QFont fonte = platform::FonteDesenho("MS Sans Serif", 12);
  for (int i = 1; i <= static_cast<int>(std::size(kLegendas)); ++i) {
    auto* t = new QPushButton(QString::fromUtf8(kLegendas[i - 1]), this);
    t->setObjectName("BitBtn" + QString::number(i));
    t->setGeometry(4 + kLadoTecla * ((i - 1) % kTeclasPorLinha), 372 + kLadoTecla * ((i - 1) / kTeclasPorLinha),
                   kLadoTecla, kLadoTecla);
    t->setFont(fonte);
    t->setFocusPolicy(Qt::NoFocus);
    t->setCursor(Qt::PointingHandCursor);
    t->hide();
    connect(t, &QPushButton::clicked, this, [this, t] { BitBtn1Click(t); });
    teclas.append(t);
  }
  // Key preview: whatever has the focus, the form sees the key first.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  FormCreate();
}

std::unique_ptr<regras::Tabuleiro> TfrmPCs::CriaTabuleiro() {
  return std::make_unique<regras::Cruzadas>(AtividadeAtual.Rodadas, AtividadeAtual.Quant, Gerador);
}

QString TfrmPCs::TituloRelatorio() const { return QStringLiteral("PALAVRAS CRUZADAS"); }

void TfrmPCs::ZeraContadores() {
  if (AtividadeAtual.Alfabeto)
    MostraTeclado();
  else
    EscondeTeclado();
  TfrmTabuleiro::ZeraContadores();
}

void TfrmPCs::MostraTeclado() {
  for (QPushButton* t : teclas) t->show();
  const QRect m = Memo1->geometry();
  Memo1->resize(m.width(), BitBtn(1)->y() - BitBtn(1)->height() / 4 - m.y());
}

void TfrmPCs::EscondeTeclado() {
  for (QPushButton* t : teclas) t->hide();
  const QRect m = Memo1->geometry();
  Memo1->resize(m.width(), btnConsulta->y() + btnConsulta->height() - m.y());
}

void TfrmPCs::CursorMovido(int antes) {
  TocaClick(1);
  MostraCasa(antes);
  MostraCasa(pcs()->cursor());
}

void TfrmPCs::Panel0Click(Painel* sender) {
  if (!AceitaEntrada()) return;
  const int antes = pcs()->cursor();
  if (!jogo()->Clica(NumeroDoPainel(sender))) return;
  CursorMovido(antes);
}

bool TfrmPCs::AndaH() {
  const int antes = pcs()->cursor();
  if (!jogo()->AndaH()) return false;
  CursorMovido(antes);
  return true;
}

bool TfrmPCs::AndaV() {
  const int antes = pcs()->cursor();
  if (!jogo()->AndaV()) return false;
  CursorMovido(antes);
  return true;
}

void TfrmPCs::FormKeyPress(const QString& texto) {
  for (const QChar c : texto) {
    if (!AceitaEntrada()) break;
    if (c == QChar(u'\b')) {
      const int antes = pcs()->cursor();
      bool andou = false;
      if (!jogo()->Apaga(&andou)) continue;
      if (andou) CursorMovido(antes);
      else MostraCasa(antes);
      MostraContadores();
    } else if (jogo()->Digita(c)) {
      ProcessaLetra();
    }
  }
  Resolve();
}

void TfrmPCs::BitBtn1Click(QPushButton* sender) {
  if (!AceitaEntrada() || !sender || sender->text().size() != 1) return;
  if (jogo()->Digita(sender->text()[0])) ProcessaLetra();
  Resolve();
}

void TfrmPCs::ProcessaLetra() {
  MostraCasa(pcs()->cursor());
  MostraContadores();
  if (pcs()->fimDaRodada()) {
    FimDaRodada();
    if (Interrompida()) return;
  }
  // Also on a round just laid out: from its first letter on.
  if (pcs()->direcao() == regras::Direcao::Vertical) {
    if (!AndaV()) AndaH();
  } else {
    if (!AndaH()) AndaV();
  }
}

void TfrmPCs::AjudaNaPalavra(int k) {
  for (const int n : pcs()->CasasDaAjuda(k)) {
    Panel(n)->setCor(kPrata);
    Panel(n)->setCaption(QString(pcs()->caractere(n)));
  }
  Processa();
  if (Interrompida()) return;
  Espera(1000);
  // Every cell of the word goes back to its caption on blue, the cursor's
  // too: it is shown again when the help is over.
  for (const int n : pcs()->CasasDeLetras(k)) {
    MostraCasa(n);
    Panel(n)->setCor(kAzul);
  }
  Processa();
}

void TfrmPCs::FimDaAjuda() {
  const int antes = pcs()->cursor();
  jogo()->VoltaAoInicio();
  MostraCasa(antes);
  MostraCasa(pcs()->cursor());
}

bool TfrmPCs::TeclaDoTabuleiro(const QKeyEvent* e) {
  // Tab keeps moving the focus and Escape stays with the frame.
  if (e->text().isEmpty()) return false;
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape: return false;
    default: return true;
  }
}

bool TfrmPCs::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease) {
    auto* e = static_cast<QKeyEvent*>(evento);
    if (TeclaDoTabuleiro(e)) {
      // The release too: a button must not take Space's release as a click.
      if (evento->type() == QEvent::KeyPress) FormKeyPress(e->text());
      return true;
    }
  }
  return TfrmTabuleiro::eventFilter(objeto, evento);
}

void TfrmPCs::keyPressEvent(QKeyEvent* e) {
  if (TeclaDoTabuleiro(e)) {
    FormKeyPress(e->text());
    e->accept();
    return;
  }
  TfrmTabuleiro::keyPressEvent(e);
}

}  // namespace zelmo
