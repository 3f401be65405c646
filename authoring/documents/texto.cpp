#include "authoring/documents/texto.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

#include "authoring/documents/recuos.h"
#include "authoring/documents/regua.h"
#include "authoring/documents/setas_numero.h"
#include "platform/fonte.h"
#include "platform/mensagens.h"
#include "platform/rtf/escritor.h"
#include "platform/rtf/leitor.h"

namespace pravo {

namespace {

constexpr uint32_t kAmareloEditor = 14745599;  // $E0FFFF
// The rich-edit control's largest font size.
constexpr int kMaiorTamanho = 1638;
// The longest dropped name that is taken.
constexpr int kMaiorNome = 260;

QString FaceDe(const QTextCharFormat& f, const QTextDocument* doc) {
  const QStringList faces = f.fontFamilies().toStringList();
  if (!faces.isEmpty() && !faces.constFirst().isEmpty()) return faces.constFirst();
  const QStringList padrao = doc->defaultFont().families();
  return padrao.isEmpty() ? doc->defaultFont().family() : padrao.constFirst();
}

int TamanhoDe(const QTextCharFormat& f, const QTextDocument* doc) {
  const double pontos = f.fontPointSize() > 0 ? f.fontPointSize() : doc->defaultFont().pointSizeF();
  return int(std::lround(pontos));
}

}  // namespace

TfrmTexto::TfrmTexto(QWidget* dono)
    : EditorDocumento({QStringLiteral("Arquivos Texto (RTF) (*.RTF)"), QStringLiteral("rtf")}, dono) {
  setObjectName(QStringLiteral("frmTexto"));

  // The formatting part of the toolbar.
  StandardToolBar->addSeparator();
  FontName = new QComboBox(StandardToolBar);
  FontName->setObjectName(QStringLiteral("FontName"));
  FontName->setEditable(true);
  FontName->setInsertPolicy(QComboBox::NoInsert);
  FontName->setMaxVisibleItems(10);
  FontName->setMinimumWidth(170);
  FontName->setToolTip(QStringLiteral("Nome do Fonte"));
  FontName->setStatusTip(FontName->toolTip());
  StandardToolBar->addWidget(FontName);
  FontSize = new QLineEdit(QStringLiteral("0"), StandardToolBar);
  FontSize->setObjectName(QStringLiteral("FontSize"));
  FontSize->setFixedWidth(36);
  FontSize->setToolTip(QStringLiteral("Tamanho do Fonte"));
  FontSize->setStatusTip(FontSize->toolTip());
  FontSize->setValidator(new QIntValidator(0, kMaiorTamanho, FontSize));
  StandardToolBar->addWidget(FontSize);
  UpDown1 = new SetasNumero(StandardToolBar);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->DefineLimites(0, kMaiorTamanho);
  StandardToolBar->addWidget(UpDown1);
  StandardToolBar->addSeparator();
  BoldButton = Botao("BoldButton", QStringLiteral("N"), QStringLiteral("Negrito"));
  ItalicButton = Botao("ItalicButton", QStringLiteral("I"), QStringLiteral("Itálico"));
  UnderlineButton = Botao("UnderlineButton", QStringLiteral("S"), QStringLiteral("Sublinhado"));
  {
    QFont f = BoldButton->font();
    f.setBold(true);
    BoldButton->setFont(f);
    f = ItalicButton->font();
    f.setItalic(true);
    ItalicButton->setFont(f);
    f = UnderlineButton->font();
    f.setUnderline(true);
    UnderlineButton->setFont(f);
  }
  StandardToolBar->addSeparator();
  LeftAlign = Botao("LeftAlign", QStringLiteral("Esq"), QStringLiteral("Alinhado à Esquerda"));
  CenterAlign = Botao("CenterAlign", QStringLiteral("Cen"), QStringLiteral("Centralizado"));
  RightAlign = Botao("RightAlign", QStringLiteral("Dir"), QStringLiteral("Alinhado à Direita"));
  LeftAlign->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-left")));
  CenterAlign->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-center")));
  RightAlign->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-right")));
  alinhamento_ = new QButtonGroup(this);
  alinhamento_->setExclusive(true);
  const struct {
    QToolButton* botao;
    int tag;
  } alinhamentos[] = {{LeftAlign, 0}, {CenterAlign, 2}, {RightAlign, 1}};
  for (const auto& a : alinhamentos) {
    a.botao->setProperty("Tag", a.tag);
    if (!a.botao->icon().isNull()) a.botao->setToolButtonStyle(Qt::ToolButtonIconOnly);
    alinhamento_->addButton(a.botao);
    connect(a.botao, &QToolButton::clicked, this, [this, b = a.botao] { AlignButtonClick(b); });
  }
  StandardToolBar->addSeparator();
  BulletsButton = Botao("BulletsButton", QString(QChar(0x2022)) + QStringLiteral(" -"), QStringLiteral("Marcadores"));
  BulletsButton->setIcon(QIcon::fromTheme(QStringLiteral("format-list-unordered")));
  if (!BulletsButton->icon().isNull()) BulletsButton->setToolButtonStyle(Qt::ToolButtonIconOnly);

  connect(BoldButton, &QToolButton::clicked, this, &TfrmTexto::BoldButtonClick);
  connect(ItalicButton, &QToolButton::clicked, this, &TfrmTexto::ItalicButtonClick);
  connect(UnderlineButton, &QToolButton::clicked, this, &TfrmTexto::UnderlineButtonClick);
  connect(BulletsButton, &QToolButton::clicked, this, &TfrmTexto::BulletsButtonClick);
  connect(FontName, &QComboBox::textActivated, this, [this] { FontNameChange(); });
  connect(FontSize, &QLineEdit::textChanged, this, [this] { FontSizeChange(); });
  connect(UpDown1, &SetasNumero::Mudou, this, [this](int valor) { FontSize->setText(QString::number(valor)); });

  // The ruler, between the toolbar and the editor.
  Ruler = new Regua(this);
  corpo_->insertWidget(corpo_->indexOf(Editor), Ruler);
  for (QLabel* m : {Ruler->FirstInd, Ruler->LeftInd, Ruler->RightInd}) m->installEventFilter(this);
  connect(Ruler, &Regua::Redimensionada, this, &TfrmTexto::RulerResize);

  // The document: rich text on a light yellow page, dropped files handled
  // by the window.
  Editor->setAcceptRichText(true);
  Editor->setLineWrapMode(QTextEdit::WidgetWidth);
  Editor->setAutoFillBackground(true);
  QPalette p = Editor->palette();
  p.setColor(QPalette::Base, platform::CorDe(kAmareloEditor));
  p.setColor(QPalette::Window, platform::CorDe(kAmareloEditor));
  p.setColor(QPalette::Text, Qt::black);
  Editor->setPalette(p);
  Editor->viewport()->installEventFilter(this);
  connect(Editor, &QTextEdit::cursorPositionChanged, this, &TfrmTexto::SelectionChange);
  connect(Editor, &QTextEdit::selectionChanged, this, &TfrmTexto::SelectionChange);
  connect(Editor, &QTextEdit::currentCharFormatChanged, this, &TfrmTexto::SelectionChange);

  // FormCreate.
  SetDocumentName(kSemNome);
  FillFontNames();
  BuildRulerText();
  ApplyEditMargins();
  // The default attributes: "MS Sans Serif", 8 points.
  QFont padrao;
  padrao.setFamilies({QStringLiteral("MS Sans Serif")});
  padrao.setPointSize(8);
  Editor->document()->setDefaultFont(padrao);
  padrao_.setFontFamilies({QStringLiteral("MS Sans Serif")});
  padrao_.setFontPointSize(8);
  Editor->setCurrentCharFormat(padrao_);
  SelectionChange();
}

QToolButton* TfrmTexto::Botao(const char* nome, const QString& texto, const QString& dica) {
  auto* b = new QToolButton(StandardToolBar);
  b->setObjectName(QLatin1String(nome));
  b->setText(texto);
  b->setToolTip(dica);
  b->setStatusTip(dica);
  b->setCheckable(true);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  StandardToolBar->addWidget(b);
  return b;
}

void TfrmTexto::SetDocumentName(const QString& nome) {
  FDocumentName = nome;
  setWindowTitle(QStringLiteral("Editor de Textos - ") + QFileInfo(nome).fileName());
}

void TfrmTexto::FillFontNames() {
  FontName->clear();
  FontName->addItems(platform::FamiliasDaTela());
}

void TfrmTexto::BuildRulerText() {
  QString legenda;
  for (int i = 0; i < 100; ++i) legenda += QStringLiteral("\t|");
  Ruler->DefineLegenda(legenda);
}

void TfrmTexto::ApplyEditMargins() {
  Editor->DefineMargens(6, 6);
  Ruler->DefineTabulacao(Editor->frameWidth() + 6 + Editor->document()->documentMargin() - Ruler->frameWidth(),
                         Editor->document()->defaultTextOption().tabStopDistance());
}

void TfrmTexto::resizeEvent(QResizeEvent* e) {
  EditorDocumento::resizeEvent(e);
  ApplyEditMargins();
  SelectionChange();
}

void TfrmTexto::FormShow() {
  ShowCaretPosition();
  setAcceptDrops(true);
  RichEditChange();
  ActionList2Update();
  Editor->setFocus();
}

void TfrmTexto::FormActivate() {
  // Every showing starts empty and untitled, without asking.
  SetDocumentName(kSemNome);
  Esvazia();
  Editor->document()->setModified(false);
  ShowModifiedState(false);
}

void TfrmTexto::Esvazia() {
  Editor->clear();
  Editor->setReadOnly(false);
  Editor->setCurrentCharFormat(padrao_);
  SelectionChange();
}

void TfrmTexto::PoeConteudo(const QByteArray& bytes) {
  // As the player's page shows the file: a file that is not RTF is its
  // plain text, which "Salvar" then writes as RTF.
  platform::PoeTextoRico(bytes, Editor->document());
  Editor->moveCursor(QTextCursor::Start);
  SelectionChange();
}

QByteArray TfrmTexto::Conteudo() const { return platform::EscreveRTF(*Editor->document()); }

QTextCharFormat TfrmTexto::CurrentAttributes() const {
  const QTextCursor c = Editor->textCursor();
  return c.hasSelection() ? c.charFormat() : Editor->currentCharFormat();
}

void TfrmTexto::MudaAtributos(const QTextCharFormat& mudanca) {
  // With a selection the selection changes; without one, only what is
  // typed next.
  Editor->mergeCurrentCharFormat(mudanca);
}

void TfrmTexto::BoldButtonClick() {
  if (FSyncingToolbar) return;
  QTextCharFormat f;
  f.setFontWeight(BoldButton->isChecked() ? QFont::Bold : QFont::Normal);
  MudaAtributos(f);
}

void TfrmTexto::ItalicButtonClick() {
  if (FSyncingToolbar) return;
  QTextCharFormat f;
  f.setFontItalic(ItalicButton->isChecked());
  MudaAtributos(f);
}

void TfrmTexto::UnderlineButtonClick() {
  if (FSyncingToolbar) return;
  QTextCharFormat f;
  f.setFontUnderline(UnderlineButton->isChecked());
  MudaAtributos(f);
}

void TfrmTexto::AlignButtonClick(QToolButton* botao) {
  if (FSyncingToolbar) return;
  switch (botao->property("Tag").toInt()) {
    case 1: Editor->setAlignment(Qt::AlignRight); break;
    case 2: Editor->setAlignment(Qt::AlignHCenter); break;
    default: Editor->setAlignment(Qt::AlignLeft); break;
  }
}

void TfrmTexto::BulletsButtonClick() {
  if (FSyncingToolbar) return;
  AplicaMarcadores(Editor->textCursor(), BulletsButton->isChecked());
}

void TfrmTexto::FontNameChange() {
  if (FSyncingToolbar) return;
  const QString face = platform::FamiliaSimples(FontName->currentText());
  if (face.isEmpty()) return;
  QTextCharFormat f;
  f.setFontFamilies({face});
  MudaAtributos(f);
}

void TfrmTexto::FontSizeChange() {
  if (FSyncingToolbar) return;
  // Only a whole size from 1 up is taken; while the author types or clears
  // the field, anything else waits quietly.
  bool ok = false;
  const int tamanho = FontSize->text().trimmed().toInt(&ok);
  if (!ok || tamanho < 1 || tamanho > kMaiorTamanho) return;
  UpDown1->DefineValor(tamanho);
  QTextCharFormat f;
  f.setFontPointSize(tamanho);
  MudaAtributos(f);
}

void TfrmTexto::SelectFont() {
  const QTextCharFormat atual = CurrentAttributes();
  QFont fonte = atual.font();
  fonte.setFamilies({FaceDe(atual, Editor->document())});
  fonte.setPointSize(std::max(1, TamanhoDe(atual, Editor->document())));
  QFontDialog dialogo(fonte, this);
  dialogo.setOption(QFontDialog::DontUseNativeDialog);
  dialogo.setWindowTitle(QStringLiteral("Fonte"));
  if (dialogo.exec() == QDialog::Accepted) {
    const QFont escolhida = dialogo.selectedFont();
    QTextCharFormat f;
    f.setFontFamilies({platform::FamiliaSimples(escolhida.family())});
    if (escolhida.pointSizeF() > 0) f.setFontPointSize(escolhida.pointSizeF());
    f.setFontWeight(escolhida.bold() ? QFont::Bold : QFont::Normal);
    f.setFontItalic(escolhida.italic());
    f.setFontUnderline(escolhida.underline());
    f.setFontStrikeOut(escolhida.strikeOut());
    MudaAtributos(f);
  }
  SelectionChange();
  Editor->setFocus();
}

void TfrmTexto::SelectionChange() {
  FSyncingToolbar = true;
  const auto fim = qScopeGuard([this] { FSyncingToolbar = false; });

  const QTextCursor cursor = Editor->textCursor();
  const QTextBlock bloco = cursor.block();
  // The editor reports format changes in the middle of replacing its whole
  // text, while the caret is in no paragraph.
  if (!bloco.isValid()) return;
  const PosicoesRegua pos = PosicoesDe(RecuosDe(bloco), Ruler->contentsRect().width());
  Ruler->FirstInd->move(pos.primeira, Ruler->FirstInd->y());
  Ruler->LeftInd->move(pos.esquerda, Ruler->LeftInd->y());
  Ruler->RightInd->move(pos.direita, Ruler->RightInd->y());

  const QTextCharFormat f = Editor->currentCharFormat();
  BoldButton->setChecked(f.fontWeight() >= QFont::Bold);
  ItalicButton->setChecked(f.fontItalic());
  UnderlineButton->setChecked(f.fontUnderline());
  BulletsButton->setChecked(TemMarcadores(bloco));

  const int tamanho = TamanhoDe(f, Editor->document());
  FontSize->setText(QString::number(tamanho));
  UpDown1->DefineValor(tamanho);
  FontName->setEditText(FaceDe(f, Editor->document()));

  // A justified paragraph (from a document made elsewhere) has no button.
  const Qt::Alignment a = bloco.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
  QToolButton* botao = LeftAlign;
  if (a & Qt::AlignHCenter)
    botao = CenterAlign;
  else if (a & Qt::AlignRight)
    botao = RightAlign;
  else if (a & Qt::AlignJustify)
    botao = nullptr;
  alinhamento_->setExclusive(false);
  for (QToolButton* b : {LeftAlign, CenterAlign, RightAlign}) b->setChecked(b == botao);
  alinhamento_->setExclusive(true);

  ShowCaretPosition();
}

void TfrmTexto::RulerItemMouseDown(QLabel* marcador, int x) {
  FMarkerGrabOffset = marcador->width() / 2;
  marcador->move(marcador->x() + x - FMarkerGrabOffset, marcador->y());
  FMarkerDragging = true;
}

void TfrmTexto::RulerItemMouseMove(QLabel* marcador, int x) {
  if (FMarkerDragging) marcador->move(marcador->x() + x - FMarkerGrabOffset, marcador->y());
}

void TfrmTexto::FirstIndMouseUp() {
  FMarkerDragging = false;
  Recuos r;
  r.primeira = PrimeiraDaRegua(Ruler->FirstInd->x(), FMarkerGrabOffset);
  AplicaRecuos(Editor->textCursor(), r, kPrimeira);
  LeftIndMouseUp();
}

void TfrmTexto::LeftIndMouseUp() {
  FMarkerDragging = false;
  Recuos r;
  r.esquerda = EsquerdaDaRegua(Ruler->LeftInd->x(), FMarkerGrabOffset, RecuosDe(Editor->textCursor().block()).primeira);
  AplicaRecuos(Editor->textCursor(), r, kEsquerda);
  SelectionChange();
}

void TfrmTexto::RightIndMouseUp() {
  FMarkerDragging = false;
  Recuos r;
  r.direita = DireitaDaRegua(Ruler->RightInd->x(), FMarkerGrabOffset, Ruler->contentsRect().width());
  AplicaRecuos(Editor->textCursor(), r, kDireita);
  SelectionChange();
}

void TfrmTexto::RulerResize() {
  Ruler->RulerLine->setFixedWidth(Ruler->contentsRect().width() - 2 * Ruler->RulerLine->x());
  SelectionChange();
}

void TfrmTexto::HandleDroppedFiles(const QStringList& nomes) {
  if (nomes.isEmpty()) return;
  const QString nome = nomes.constFirst();
  if (nome.isEmpty() || nome.size() > kMaiorNome) return;
  // Only an RTF document is taken: any other file would be written over as
  // RTF by the next "Salvar".
  if (!platform::EhRTF(LeArquivo(nome, 64))) {
    platform::AvisoOK(this, QStringLiteral("O arquivo ") + nome + QStringLiteral(" não é um documento RTF !"),
                      QStringLiteral("Atenção!"));
    return;
  }
  if (!ConfirmSaveChanges()) return;
  LoadDocument(nome);
}

bool TfrmTexto::Arrasto(QDropEvent* e) {
  if (!e->mimeData()->hasUrls() || !acceptDrops()) return false;
  e->acceptProposedAction();
  if (e->type() == QEvent::Drop) {
    QStringList nomes;
    for (const QUrl& u : e->mimeData()->urls())
      if (u.isLocalFile()) nomes << u.toLocalFile();
    Protege([&] { HandleDroppedFiles(nomes); });
  }
  return true;
}

void TfrmTexto::dragEnterEvent(QDragEnterEvent* e) { Arrasto(e); }
void TfrmTexto::dragMoveEvent(QDragMoveEvent* e) { Arrasto(e); }
void TfrmTexto::dropEvent(QDropEvent* e) { Arrasto(e); }

bool TfrmTexto::eventFilter(QObject* objeto, QEvent* e) {
  // The ruler's markers.
  if (auto* marcador = qobject_cast<QLabel*>(objeto);
      marcador && (marcador == Ruler->FirstInd || marcador == Ruler->LeftInd || marcador == Ruler->RightInd)) {
    auto* m = static_cast<QMouseEvent*>(e);
    switch (e->type()) {
      case QEvent::MouseButtonPress:
        if (m->button() == Qt::LeftButton) RulerItemMouseDown(marcador, int(m->position().x()));
        return true;
      case QEvent::MouseMove:
        RulerItemMouseMove(marcador, int(m->position().x()));
        return true;
      case QEvent::MouseButtonRelease:
        if (m->button() != Qt::LeftButton || !FMarkerDragging) return true;
        if (marcador == Ruler->FirstInd) FirstIndMouseUp();
        else if (marcador == Ruler->LeftInd) LeftIndMouseUp();
        else RightIndMouseUp();
        return true;
      default:
        return false;
    }
  }
  // Files dragged from the desktop onto the editor are the window's.
  if (objeto == Editor->viewport() &&
      (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove || e->type() == QEvent::Drop))
    return Arrasto(static_cast<QDropEvent*>(e));
  return EditorDocumento::eventFilter(objeto, e);
}

}  // namespace pravo
