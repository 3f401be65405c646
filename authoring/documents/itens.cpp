#include "authoring/documents/itens.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "authoring/documents/hiper.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/escolha_arquivo.h"
#include "authoring/listador.h"
#include "files/convencoes.h"
#include "files/geometria_hiper.h"
#include "platform/escala.h"
#include "platform/imagem.h"
#include "platform/mensagens.h"

namespace pravo {

namespace {

constexpr uint32_t kCreme = 14745599;
constexpr double kLarguras[] = {0.05, 0.40, 0.40, 0.07, 0.07};
// The grid's design width and row height.
constexpr int kLarguraGrade = 624;
constexpr int kAlturaLinha = 30;

// The cell editor reports its keys to the dialog (a character typed in the
// last row adds a row).
class Delegado : public QStyledItemDelegate {
 public:
  Delegado(QObject* filtro, QObject* pai) : QStyledItemDelegate(pai), filtro_(filtro) {}
  QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(pai, o, i);
    if (editor) editor->installEventFilter(filtro_);
    return editor;
  }

 private:
  QObject* filtro_;
};

QString Numero(int linha) { return QStringLiteral(" ") + QStringLiteral("%1").arg(linha, 2, 10, QLatin1Char('0')); }

}  // namespace

TfrmItens::TfrmItens(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmItens"));
  setWindowTitle(QStringLiteral("Itens"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  resize(640, 480);

  StringGrid1 = new QTableWidget(1, 4, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setGeometry(8, 8, kLarguraGrade, 200);
  StringGrid1->setHorizontalHeaderLabels(
      {QStringLiteral("Item"), QStringLiteral("Arquivo"), QStringLiteral("X"), QStringLiteral("Y")});
  StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->verticalHeader()->setSectionsMovable(true);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->verticalHeader()->setMinimumSectionSize(1);
  StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
  StringGrid1->setItemDelegate(new Delegado(this, StringGrid1));
  QPalette p = StringGrid1->palette();
  p.setColor(QPalette::Base, platform::CorDe(kCreme));
  StringGrid1->setPalette(p);
  StringGrid1->installEventFilter(this);

  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->installEventFilter(this);

  Label3 = new QLabel(QStringLiteral("Linhas"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(8, 222, 60, 20);
  btnExcluir = Botao(QStringLiteral("Excluir"), "btnExcluir", QRect(8, 246, 100, 30), this);
  btnInserir = Botao(QStringLiteral("Inserir"), "btnInserir", QRect(8, 284, 100, 30), this);
  GroupBox1 = new QGroupBox(QStringLiteral(" Cursor "), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 326, 100, 100);
  auto* label1 = new QLabel(QStringLiteral("Horizontal:"), GroupBox1);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(8, 18, 84, 18);
  lblCoordX = new QLabel(QStringLiteral("X=1"), GroupBox1);
  lblCoordX->setObjectName(QStringLiteral("lblCoordX"));
  lblCoordX->setGeometry(8, 36, 84, 18);
  auto* label2 = new QLabel(QStringLiteral("Vertical:"), GroupBox1);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setGeometry(8, 56, 84, 18);
  lblCoordY = new QLabel(QStringLiteral("Y=1"), GroupBox1);
  lblCoordY->setObjectName(QStringLiteral("lblCoordY"));
  lblCoordY->setGeometry(8, 74, 84, 18);

  pnlFigura = new QFrame(this);
  pnlFigura->setObjectName(QStringLiteral("pnlFigura"));
  pnlFigura->setGeometry(120, 216, 512, 256);
  platform::PintaFundo(pnlFigura, kCreme);
  imgFigura = new platform::Imagem(pnlFigura);
  imgFigura->setObjectName(QStringLiteral("imgFigura"));
  imgFigura->setCursor(Qt::CrossCursor);
  btnSair = Botao(QStringLiteral("Sair"), "btnSair", QRect(8, 440, 100, 30), this);

  connect(btnInserir, &QPushButton::clicked, this, &TfrmItens::btnInserirClick);
  connect(btnExcluir, &QPushButton::clicked, this, &TfrmItens::btnExcluirClick);
  connect(btnSair, &QPushButton::clicked, this, &TfrmItens::btnSairClick);
  connect(imgFigura, &platform::Imagem::ponteiroMoveu, this, &TfrmItens::imgFiguraMouseMove);
  connect(imgFigura, &platform::Imagem::clicada, this, &TfrmItens::imgFiguraClick);
  connect(StringGrid1, &QTableWidget::currentCellChanged, this,
          [this](int linha, int coluna) { StringGrid1SelectCell(coluna + 1, linha + 1); });
  connect(StringGrid1->verticalHeader(), &QHeaderView::sectionMoved, this,
          [this](int, int de, int para) { StringGrid1RowMoved(de + 1, para + 1); });
  connect(ComboBox1, &QComboBox::activated, this, &TfrmItens::ComboBox1Change);

  platform::EscalaTelaInteira(this);
  // The rows grow with the window, as every design size does.
  const int linha = std::max(1, files::Arredonda(double(kAlturaLinha) * StringGrid1->width() / kLarguraGrade));
  StringGrid1->verticalHeader()->setDefaultSectionSize(linha);
  StringGrid1->horizontalHeader()->setFixedHeight(linha);
  margemSair_ = height() - btnSair->y();
  margemFigura_ = height() - pnlFigura->geometry().bottom();
  Reinicia();
  LarguraColunas();
  ComboBox1->setFixedHeight(StringGrid1->verticalHeader()->defaultSectionSize());
  ComboBox1->hide();
}

// ---- the string grid ------------------------------------------------------

QString TfrmItens::Cells(int coluna, int linha) const {
  if (linha == 0) return coluna == kNumero ? QString() : StringGrid1->horizontalHeaderItem(coluna - 1)->text();
  if (coluna == kNumero) {
    const QTableWidgetItem* n = StringGrid1->verticalHeaderItem(linha - 1);
    return n ? n->text() : QString();
  }
  const QTableWidgetItem* c = StringGrid1->item(linha - 1, coluna - 1);
  return c ? c->text() : QString();
}

void TfrmItens::DefineCell(int coluna, int linha, const QString& texto) {
  if (linha < 1 || linha >= RowCount()) return;
  if (coluna == kNumero) {
    StringGrid1->setVerticalHeaderItem(linha - 1, new QTableWidgetItem(texto));
    return;
  }
  if (QTableWidgetItem* c = StringGrid1->item(linha - 1, coluna - 1))
    c->setText(texto);
  else
    StringGrid1->setItem(linha - 1, coluna - 1, new QTableWidgetItem(texto));
}

int TfrmItens::RowCount() const { return StringGrid1->rowCount() + 1; }

void TfrmItens::DefineRowCount(int linhas) { StringGrid1->setRowCount(std::max(1, linhas - 1)); }

int TfrmItens::Row() const { return std::max(0, StringGrid1->currentRow()) + 1; }

void TfrmItens::Reinicia() {
  StringGrid1->clearContents();
  DefineRowCount(2);
  DefineCell(kNumero, 1, Numero(1));
}

// The shares are of the width beside the vertical bar (and within the
// grid's frame), so that the five columns fit without a horizontal bar.
void TfrmItens::LarguraColunas() {
  const int w = StringGrid1->width() - 2 * StringGrid1->frameWidth() - StringGrid1->verticalScrollBar()->sizeHint().width();
  StringGrid1->verticalHeader()->setFixedWidth(files::Arredonda(w * kLarguras[0]));
  for (int c = 1; c < 5; ++c) StringGrid1->setColumnWidth(c - 1, files::Arredonda(w * kLarguras[c]));
}

// ---- the dialog -------------------------------------------------------------

void TfrmItens::ListaPaginas() { PreencheLista(ComboBox1, ListaPasta(DirHiper, QStringLiteral("*.hpr"))); }

void TfrmItens::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  FormActivate();
}

void TfrmItens::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  if (margemSair_ > 0) {
    btnSair->move(btnSair->x(), height() - margemSair_);
    pnlFigura->resize(pnlFigura->width(), std::max(10, height() - margemFigura_ - pnlFigura->y()));
    CentralizaFigura();
  }
  LarguraColunas();
}

void TfrmItens::FormActivate() {
  ListaPaginas();
  if (auto* editor = qobject_cast<TfrmHiper*>(Janela(QStringLiteral("TfrmHiper")))) {
    imgFigura->CopiaDe(*editor->imgFigura);
  }
  CentralizaFigura();
  Renumerar();
  StringGrid1->setCurrentCell(0, 0);
  ComboBox1->hide();
  StringGrid1->setFocus();
}

void TfrmItens::CentralizaFigura() {
  imgFigura->move(files::CentroNoPainel(pnlFigura->size(), imgFigura->size()));
}

void TfrmItens::Renumerar() {
  for (int r = 1; r < RowCount(); ++r) DefineCell(kNumero, r, Numero(r));
}

void TfrmItens::LimparLinha(int linha) {
  for (int c = kItem; c <= kY; ++c) DefineCell(c, linha, QString());
}

void TfrmItens::Troca(int a, int b) {
  for (int c = kItem; c <= kY; ++c) {
    const QString t = Cells(c, a);
    DefineCell(c, a, Cells(c, b));
    DefineCell(c, b, t);
  }
}

void TfrmItens::btnInserirClick() {
  const int atual = Row();
  DefineRowCount(RowCount() + 1);
  for (int r = RowCount() - 1; r > atual; --r)
    for (int c = kItem; c <= kY; ++c) DefineCell(c, r, Cells(c, r - 1));
  LimparLinha(atual);
  Renumerar();
}

void TfrmItens::btnExcluirClick() {
  if (RowCount() <= 2) {
    LimparLinha(1);
    return;
  }
  const int atual = Row();
  for (int r = atual; r < RowCount() - 1; ++r)
    for (int c = kItem; c <= kY; ++c) DefineCell(c, r, Cells(c, r + 1));
  DefineRowCount(RowCount() - 1);
  Renumerar();
}

void TfrmItens::StringGrid1KeyPress() {
  if (Row() != RowCount() - 1) return;
  DefineRowCount(RowCount() + 1);
  DefineCell(kNumero, RowCount() - 1, Numero(RowCount() - 1));
}

void TfrmItens::StringGrid1RowMoved(int de, int para) {
  // The header only moved the row on screen: the cells move, the header's
  // order goes back.
  QHeaderView* cabecalho = StringGrid1->verticalHeader();
  {
    const QSignalBlocker quieto(cabecalho);
    cabecalho->moveSection(para - 1, de - 1);
  }
  if (de < para)
    for (int r = de; r < para; ++r) Troca(r, r + 1);
  else
    for (int r = de; r > para; --r) Troca(r, r - 1);
  Renumerar();
}

void TfrmItens::StringGrid1SelectCell(int coluna, int linha) {
  if (coluna != kArquivo || linha < 1) {
    ComboBox1->hide();
    return;
  }
  const QModelIndex indice = StringGrid1->model()->index(linha - 1, coluna - 1);
  const QRect celula = StringGrid1->visualRect(indice);
  const QPoint canto = StringGrid1->viewport()->mapTo(this, celula.topLeft());
  ComboBox1->setGeometry(canto.x() + 1, canto.y() + 1, celula.width() + 1, celula.height() + 1);
  const int i = UltimoIgual(ComboBox1, Cells(coluna, linha));
  mudandoLista_ = true;
  ComboBox1->setCurrentIndex(i >= 0 ? i : 0);
  mudandoLista_ = false;
  ComboBox1->show();
  ComboBox1->raise();
  ComboBox1->setFocus();
}

void TfrmItens::ComboBox1Change() {
  if (mudandoLista_ || !ComboBox1->isVisible()) return;
  const int linha = StringGrid1->currentRow() + 1;
  const int coluna = StringGrid1->currentColumn() + 1;
  DefineCell(coluna, linha, ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString());
  ComboBox1->hide();
  StringGrid1->setFocus();
}

void TfrmItens::ComboBox1Exit() { ComboBox1Change(); }

void TfrmItens::imgFiguraMouseMove(QPointF ponto) {
  xClique_ = files::PorCentoDoClique(int(ponto.x()), imgFigura->width());
  yClique_ = files::PorCentoDoClique(int(ponto.y()), imgFigura->height());
  lblCoordX->setText(QStringLiteral("X=") + QString::number(xClique_));
  lblCoordY->setText(QStringLiteral("Y=") + QString::number(yClique_));
}

void TfrmItens::imgFiguraClick() {
  DefineCell(kX, Row(), lblCoordX->text().mid(2));
  DefineCell(kY, Row(), lblCoordY->text().mid(2));
}

void TfrmItens::btnSairClick() {
  bool todas = true;
  for (int r = 1; r < RowCount(); ++r) {
    const QString arquivo = Cells(kArquivo, r);
    if (arquivo.isEmpty()) continue;
    const int i = UltimoIgual(ComboBox1, arquivo);
    if (i >= 0) {
      DefineCell(kArquivo, r, ComboBox1->itemText(i));
      continue;
    }
    todas = false;
    platform::MensagemOK(this, QStringLiteral("Página ") + arquivo + QStringLiteral(" não existe !"),
                         QStringLiteral("Pravo II"));
  }
  if (todas) accept();
}

void TfrmItens::reject() {
  // Closing by the window system checks the links as "Sair" does.
  btnSairClick();
}

bool TfrmItens::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && objeto != ComboBox1) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (!tecla->text().isEmpty() && tecla->text().at(0).isPrint()) StringGrid1KeyPress();
  }
  if (objeto == ComboBox1 && evento->type() == QEvent::FocusOut && ComboBox1->isVisible()) {
    // Leaving for the list's own pop-up is not leaving the list.
    if (!ComboBox1->view()->isVisible()) ComboBox1Exit();
  }
  return QDialog::eventFilter(objeto, evento);
}

}  // namespace pravo
