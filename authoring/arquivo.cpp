#include "authoring/arquivo.h"

#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/listador.h"
#include "files/pastas.h"
#include "files/texto.h"
#include "platform/escala.h"
#include "platform/mensagens.h"

namespace pravo {

namespace {

struct Tipo {
  const char* extensao;
  const char* nome;  // UTF-8
};

constexpr Tipo kTipos[] = {
    {".ast", "Assunto"},
    {".plv", "Arquivo de Palavras"},
    {".fse", "Arquivo de Frases"},
    {".tst", "Arquivo de Testes"},
    {".loc", "Arquivo do Acerte o Local"},
    {".hpr", "Arquivo de HiperTexto"},
    {".tsh", "Arquivo de Testes HTML"},
    {".rel", "Arquivo de Relatório"},
};
constexpr int kNumTipos = static_cast<int>(std::size(kTipos));

bool TipoValido(int tipo) { return tipo >= 0 && tipo < kNumTipos; }

// The folder part of a path, with its trailing "/".
QString PastaDe(const QString& caminho) { return caminho.left(caminho.lastIndexOf('/') + 1); }

}  // namespace

QString ExtensaoTipo(int tipo) {
  return TipoValido(tipo) ? QString::fromLatin1(kTipos[tipo].extensao) : QString();
}

QString NomeTipo(int tipo) { return TipoValido(tipo) ? QString::fromUtf8(kTipos[tipo].nome) : QString(); }

void DefineEscolha(int tipo, const QString& nome) {
  const QString ext = ExtensaoTipo(tipo);
  switch (tipo) {
    case 0:
      ArqAssunto = DirPrograma + nome + '/' + nome + ext;
      DirAssunto = files::MinusculasAnsi(PastaDe(ArqAssunto));
      break;
    case 1: ArqPalavras = DirAssunto + nome + ext; break;
    case 2: ArqFrases = DirAssunto + nome + ext; break;
    case 3: ArqTestes = DirAssunto + nome + ext; break;
    case 4:
      ArqLocal = DirAssunto + nome + ext;
      DirLocal = files::MinusculasAnsi(PastaDe(ArqLocal));
      break;
    case 5:
      ArqHiper = DirAssunto + nome + ext;
      DirHiper = files::MinusculasAnsi(PastaDe(ArqHiper));
      break;
    case 6:
      ArqTesteHTML = DirAssunto + nome + ext;
      DirTesteHTML = files::MinusculasAnsi(PastaDe(ArqTesteHTML));
      break;
    case 7: ArqRelatorio = DirAssunto + nome + ext; break;
    default: break;
  }
}

TfrmArquivo::TfrmArquivo(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmArquivo"));
  setWindowTitle(QStringLiteral("Escolher ..."));
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));
  resize(403, 255);

  GroupBox1 = new QGroupBox(QStringLiteral(" Abrir ... existente "), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 8, 201, 239);
  lbAssuntos = new QListWidget(GroupBox1);
  lbAssuntos->setObjectName(QStringLiteral("lbAssuntos"));
  lbAssuntos->setGeometry(10, 24, 181, 166);
  btnAbrir = Botao(QStringLiteral("Abrir"), "btnAbrir", QRect(58, 200, 85, 27), GroupBox1);
  btnAbrir->setEnabled(false);

  FileListBox1 = new CaixaArquivos(this);

  GroupBox2 = new QGroupBox(QStringLiteral(" Criar novo ..."), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  GroupBox2->setGeometry(217, 8, 178, 131);
  edtNovo = new QLineEdit(GroupBox2);
  edtNovo->setObjectName(QStringLiteral("edtNovo"));
  edtNovo->setGeometry(10, 32, 158, 23);
  btnCriar = Botao(QStringLiteral("Criar"), "btnCriar", QRect(46, 80, 85, 27), GroupBox2);
  btnCriar->setEnabled(false);

  btnCancelar = Botao(QStringLiteral("Cancelar"), "btnCancelar", QRect(263, 212, 85, 27), this);

  // Enter presses "Criar" while the new name is being typed and "Abrir"
  // everywhere else.
  btnAbrir->setDefault(true);
  edtNovo->installEventFilter(this);

  connect(lbAssuntos, &QListWidget::itemSelectionChanged, this, [this] { lbAssuntosClick(); });
  connect(lbAssuntos, &QListWidget::itemClicked, this, [this] { lbAssuntosClick(); });
  connect(lbAssuntos, &QListWidget::itemDoubleClicked, this, [this] { lbAssuntosDblClick(); });
  connect(edtNovo, &QLineEdit::textChanged, this, [this] { edtNovoChange(); });
  connect(btnAbrir, &QPushButton::clicked, this, [this] { btnAbrirClick(); });
  connect(btnCriar, &QPushButton::clicked, this, [this] { btnCriarClick(); });
  connect(btnCancelar, &QPushButton::clicked, this, [this] { done(2); });

  setTabOrder(lbAssuntos, btnAbrir);
  setTabOrder(btnAbrir, edtNovo);
  setTabOrder(edtNovo, btnCriar);
  setTabOrder(btnCriar, btnCancelar);

  platform::EscalaJanelaPequena(this);
  setFixedSize(size());
  fonteTitulo_ = GroupBox1->font();
}

void TfrmArquivo::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (!evento->spontaneous()) FormActivate();
}

bool TfrmArquivo::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == edtNovo) {
    if (evento->type() == QEvent::FocusIn) {
      btnCriar->setDefault(true);
    } else if (evento->type() == QEvent::FocusOut) {
      btnAbrir->setDefault(true);
    } else if (evento->type() == QEvent::KeyPress) {
      const auto* tecla = static_cast<QKeyEvent*>(evento);
      if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
        if (btnCriar->isEnabled()) btnCriar->click();
        return true;
      }
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

// A long noun ("Arquivo do Acerte o Local") makes a title wider than its
// box: its font then shrinks, down to three quarters, until it fits.
void TfrmArquivo::DefineTitulo(QGroupBox* caixa, const QString& titulo) {
  QFont f = fonteTitulo_;
  const int espaco = caixa->width() - caixa->width() / 20;
  const int minimo = qMax(1, fonteTitulo_.pixelSize() * 3 / 4);
  while (f.pixelSize() > minimo && QFontMetrics(f).horizontalAdvance(titulo) > espaco)
    f.setPixelSize(f.pixelSize() - 1);
  caixa->setFont(f);
  caixa->setTitle(titulo);
}

void TfrmArquivo::FormActivate() {
  edtNovo->clear();
  lbAssuntos->clear();
  btnAbrir->setEnabled(false);
  btnCriar->setEnabled(false);
  edtNovo->setEnabled(TipoValido(TipoArquivo));

  const QString nome = NomeTipo(TipoArquivo);
  setWindowTitle(QStringLiteral("Escolher ") + nome);
  DefineTitulo(GroupBox1, QStringLiteral(" Abrir ") + nome + QStringLiteral(" existente"));
  DefineTitulo(GroupBox2, QStringLiteral(" Criar novo ") + nome);

  if (TipoArquivo == 0)
    ListaPastasAssunto();
  else if (TipoValido(TipoArquivo))
    ListaArquivosTipo();
  lbAssuntos->clearSelection();
  btnAbrir->setEnabled(false);
  lbAssuntos->setFocus();
}

void TfrmArquivo::ListaPastasAssunto() {
  FileListBox1->DefinePastas(true);
  FileListBox1->DefinePasta(DirPrograma);
  for (const QString& pasta : FileListBox1->Itens()) {
    // The help pages' folder and the original data folder are no subjects
    // (spelt exactly so; another spelling is listed).
    if (pasta == QLatin1String("Ajuda_arquivos") || pasta == QLatin1String("OrigData")) continue;
    lbAssuntos->addItem(pasta);
  }
}

void TfrmArquivo::ListaArquivosTipo() {
  FileListBox1->DefinePastas(false);
  FileListBox1->DefineMascara(QStringLiteral("*") + ExtensaoTipo(TipoArquivo));
  FileListBox1->DefinePasta(DirAssunto);
  for (const QString& arquivo : FileListBox1->Itens()) lbAssuntos->addItem(arquivo.left(arquivo.size() - 4));
}

void TfrmArquivo::lbAssuntosClick() {
  if (lbAssuntos->count() > 0 && !lbAssuntos->selectedItems().isEmpty()) btnAbrir->setEnabled(true);
}

void TfrmArquivo::lbAssuntosDblClick() {
  if (lbAssuntos->count() == 0) return;
  btnAbrir->setEnabled(true);
  btnAbrirClick();
}

void TfrmArquivo::edtNovoChange() { btnCriar->setEnabled(!files::Apara(edtNovo->text()).isEmpty()); }

void TfrmArquivo::btnAbrirClick() {
  const QList<QListWidgetItem*> escolhidos = lbAssuntos->selectedItems();
  if (escolhidos.isEmpty() || !TipoValido(TipoArquivo)) return;
  DefineEscolha(TipoArquivo, escolhidos.first()->text());
  done(1);
}

void TfrmArquivo::btnCriarClick() {
  const QString nome = files::Apara(edtNovo->text());
  if (nome.isEmpty() || !TipoValido(TipoArquivo)) return;
  // A name is a name inside the program or subject folder, never a path;
  // and the records keep names in the Windows-1252 code page, so a name
  // with other characters could not be found again from them.
  QString problema;
  if (!files::NomeSimples(nome))
    problema = QStringLiteral("O nome não pode conter \"/\" nem \"\\\", nem ser \".\" ou \"..\".");
  else if (files::DeAnsi(files::ParaAnsi(nome)) != nome)
    problema = QStringLiteral("O nome tem caracteres que não podem ser gravados nos arquivos.");
  if (!problema.isEmpty()) {
    platform::MensagemOK(this, QStringLiteral("Nome inválido!\n") + problema, QStringLiteral("Atenção !"));
    edtNovo->setFocus();
    edtNovo->selectAll();
    return;
  }
  DefineEscolha(TipoArquivo, nome);
  if (TipoArquivo == 0) {
    // A folder spelt in another case counts as existing: it would be the
    // same subject to the player.
    const bool criada = !files::PastaExiste(DirAssunto) && !files::ArquivoExiste(DirAssunto.chopped(1)) &&
                        QDir().mkdir(files::ResolveCaminho(DirAssunto));
    if (!criada)
      platform::MensagemOK(this, QStringLiteral("Erro ao criar Diretório"), QStringLiteral("Atenção !"));
  }
  done(1);
}

}  // namespace pravo
