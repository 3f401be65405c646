#include "authoring/principal.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "authoring/ajuda.h"
#include "authoring/arquivo.h"
#include "authoring/config.h"
#include "authoring/desenhos.h"
#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/listador.h"
#include "authoring/rel.h"
#include "authoring/splash.h"
#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/mensagens.h"

namespace pravo {

TfrmMain* frmMain = nullptr;

namespace {

const QString kArquivo = QStringLiteral("TfrmArquivo");

QLabel* Titulo(const QString& texto, const QColor& cor, int x, int y, QWidget* dono, const char* nome) {
  auto* l = new QLabel(texto, dono);
  l->setObjectName(QLatin1String(nome));
  l->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 40, true, true));
  platform::CorDoTexto(l, cor);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

TfrmMain::TfrmMain(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Pravo II"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));
  platform::PintaFundo(this, platform::kAmareloClaro);
  resize(632, 448);

  // The title and its shadow: the shadow first, so the red text lies on it.
  Label1 = Titulo(QStringLiteral("Pravo II "), Qt::black, 144, 16, this, "Label1");
  Label2 = Titulo(QStringLiteral("Pravo II "), Qt::red, 142, 14, this, "Label2");

  Label3 = new QLabel(QStringLiteral("Pravo II - Versão 1.01"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(FonteDesenho(QStringLiteral("Arial"), 17, true));
  platform::CorDoTexto(Label3, Qt::blue);
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label3->setGeometry(272, 318, 355, 22);

  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(352, 112, 201, 169);
  Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: white; border: 1px solid black; }"));

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(360, 120, 185, 153);
  Image1->setScaledContents(true);

  struct Botao {
    QPushButton** campo;
    const char* nome;
    const char* rotulo;  // UTF-8
    Glifo glifo;
    void (TfrmMain::*acao)();
  };
  const Botao menu[] = {
      {&btnHyper, "btnHyper", "Editar Hypertexto", Glifo::Hipertexto, &TfrmMain::btnHyperClick},
      {&btnPalavras, "btnPalavras", "Editar Arquivo de Palavras", Glifo::Palavras, &TfrmMain::btnPalavrasClick},
      {&btnFrases, "btnFrases", "Editar Arquivo de Frases", Glifo::Frases, &TfrmMain::btnFrasesClick},
      {&btnTestes, "btnTestes", "Editar Arquivo de Testes", Glifo::Testes, &TfrmMain::btnTestesClick},
      {&btnTestes2, "btnTestes2", "Editar Arquivo de Testes HTML", Glifo::TestesHTML, &TfrmMain::btnTestes2Click},
      {&btnLocal, "btnLocal", "Editar Arquivo do Acerte o Local", Glifo::Local, &TfrmMain::btnLocalClick},
      {&btnTrocar, "btnTrocar", "Trocar de Assunto", Glifo::Trocar, &TfrmMain::btnTrocarClick},
      {&btnAssunto, "btnAssunto", "Configurar Assunto", Glifo::Assunto, &TfrmMain::btnAssuntoClick},
      {&btnConfig, "btnConfig", "Configurar Zelmo", Glifo::Configurar, &TfrmMain::btnConfigClick},
      {&btnRelat, "btnRelat", "Ver Relatórios", Glifo::Relatorios, &TfrmMain::btnRelatClick},
      {&btnEditores, "btnEditores", "Editores", Glifo::Editores, &TfrmMain::btnEditoresClick},
  };
  // The column of the menu, below the title.
  int y = 70;
  for (const Botao& b : menu) {
    auto* botao = new QPushButton(IconeGlifo(b.glifo), QString::fromUtf8(b.rotulo), this);
    botao->setObjectName(QLatin1String(b.nome));
    botao->setGeometry(16, y, 249, 29);
    botao->setIconSize(QSize(18, 18));
    botao->setAutoDefault(false);
    botao->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 8px; }"));
    connect(botao, &QPushButton::clicked, this, [this, acao = b.acao] { (this->*acao)(); });
    *b.campo = botao;
    y += 34;
  }

  BitBtn1 = new QPushButton(IconeGlifo(Glifo::Ajuda), QStringLiteral("Ajuda"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(344, 408, 100, 30);
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  btnSair = new QPushButton(IconeGlifo(Glifo::Sair), QStringLiteral("Sair"), this);
  btnSair->setObjectName(QStringLiteral("btnSair"));
  btnSair->setGeometry(456, 408, 100, 30);
  btnSair->setAutoDefault(false);
  connect(btnSair, &QPushButton::clicked, this, [this] { btnSairClick(); });

  // Tab order: "Sair" first, then the menu top to bottom, then "Ajuda".
  QWidget* anterior = btnSair;
  for (QPushButton* b : {btnHyper, btnPalavras, btnFrases, btnTestes, btnTestes2, btnLocal, btnTrocar,
                         btnAssunto, btnConfig, btnRelat, btnEditores, BitBtn1}) {
    setTabOrder(anterior, b);
    anterior = b;
  }

  FileListBox1 = new CaixaArquivos(this);

  platform::EscalaTelaInteira(this);
  const int lado = btnHyper->height() * 2 / 3;
  for (QPushButton* b : findChildren<QPushButton*>()) b->setIconSize(QSize(lado, lado));
  Image1->setPixmap(DesenhoPrincipal(Image1->size() * 2));

  DirPrograma = files::DirProgramaDe(QCoreApplication::applicationDirPath());
  ArqConfig = files::ArqConfigDe(DirPrograma);

  AtualizaBotoes();
}

void TfrmMain::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (mostrada_ || evento->spontaneous()) return;
  mostrada_ = true;
  // The splash and the chooser are modal: they run once the window is up.
  QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TfrmMain::keyPressEvent(QKeyEvent* evento) {
  // Esc does not close the menu: "Sair" does.
  if (evento->key() == Qt::Key_Escape) {
    evento->accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

bool TfrmMain::FormShow() {
  auto* splash = new TfrmSplash(this);
  splash->exec();  // frees itself when it closes
  AtualizaBotoes();

  TipoArquivo = 0;
  QDialog* escolha = Janela(kArquivo);
  if (!escolha || escolha->exec() != 1) {
    emit Terminar();
    return false;
  }
  btnSair->setFocus();
  return true;
}

void TfrmMain::AtualizaBotoes() {
  const bool escolha = Janela(kArquivo) != nullptr;
  const struct {
    QPushButton* botao;
    const char* classe;
    bool comEscolha;
  } botoes[] = {
      {btnHyper, "TfrmHiper", true},        {btnPalavras, "TfrmEditPal", true},
      {btnFrases, "TfrmEditFra", true},     {btnTestes, "TfrmEditTst", true},
      {btnTestes2, "TfrmEditTsh", true},    {btnLocal, "TfrmEditLoc", true},
      {btnTrocar, "TfrmArquivo", false},    {btnAssunto, "TfrmEditAst", false},
      {btnConfig, "TfrmConfig", false},     {btnRelat, "TfrmRel", false},
      {btnEditores, "TfrmEditores", false},
  };
  for (const auto& b : botoes)
    b.botao->setEnabled(Janela(QLatin1String(b.classe)) != nullptr && (!b.comEscolha || escolha));
  BitBtn1->setEnabled(frmAjuda != nullptr);
}

void TfrmMain::EscolheEAbre(int tipo, const QString& classe) {
  QDialog* escolha = Janela(kArquivo);
  QDialog* editor = Janela(classe);
  if (!escolha || !editor) return;
  TipoArquivo = tipo;
  if (escolha->exec() == 1) editor->exec();
}

void TfrmMain::Abre(const QString& classe) {
  if (QDialog* janela = Janela(classe)) janela->exec();
}

void TfrmMain::btnHyperClick() { EscolheEAbre(5, QStringLiteral("TfrmHiper")); }
void TfrmMain::btnPalavrasClick() { EscolheEAbre(1, QStringLiteral("TfrmEditPal")); }
void TfrmMain::btnFrasesClick() { EscolheEAbre(2, QStringLiteral("TfrmEditFra")); }
void TfrmMain::btnTestesClick() { EscolheEAbre(3, QStringLiteral("TfrmEditTst")); }
void TfrmMain::btnTestes2Click() { EscolheEAbre(6, QStringLiteral("TfrmEditTsh")); }
void TfrmMain::btnLocalClick() { EscolheEAbre(4, QStringLiteral("TfrmEditLoc")); }

void TfrmMain::btnTrocarClick() {
  // On Cancel the current subject stays.
  TipoArquivo = 0;
  Abre(kArquivo);
}

void TfrmMain::btnAssuntoClick() { Abre(QStringLiteral("TfrmEditAst")); }
void TfrmMain::btnConfigClick() { Abre(QStringLiteral("TfrmConfig")); }
void TfrmMain::btnEditoresClick() { Abre(QStringLiteral("TfrmEditores")); }

void TfrmMain::btnRelatClick() {
  if (files::ArquivoExiste(ArqConfig)) {
    if (!LeConfiguracao(this)) return;
    // The names of the file are bare names; any other names no report.
    if (files::NomeSimples(Configuracao.NomeAssunto) &&
        files::NomeSimples(Configuracao.NomeRelatorio + QStringLiteral(".rel"))) {
      ArqRelatorio = files::ArqRelatorioDe(DirPrograma, Configuracao.NomeAssunto, Configuracao.NomeRelatorio);
      if (files::ArquivoExiste(ArqRelatorio)) {
        Abre(QStringLiteral("TfrmRel"));
        return;
      }
    }
  }
  platform::MensagemOK(this, QStringLiteral("Relatório não disponível!"), QStringLiteral("Atenção"));
}

void TfrmMain::BitBtn1Click() {
  if (frmAjuda) frmAjuda->exec();
}

void TfrmMain::btnSairClick() { close(); }

void RegistraJanelasAutoria() {
  if (!JanelaRegistrada(QStringLiteral("TfrmConfig")))
    RegistraJanela(QStringLiteral("TfrmConfig"), [](QWidget* dono) { return new TfrmConfig(dono); });
  if (!JanelaRegistrada(QStringLiteral("TfrmRel")))
    RegistraJanela(QStringLiteral("TfrmRel"), [](QWidget* dono) { return new TfrmRel(dono); });
  if (!JanelaRegistrada(kArquivo))
    RegistraJanela(kArquivo, [](QWidget* dono) { return new TfrmArquivo(dono); });
}

int Executa(QApplication& aplicacao) {
  QCoreApplication::setApplicationName(QStringLiteral("Pravo II"));
  QApplication::setWindowIcon(IconePrograma());
  RegistraJanelasAutoria();
  frmMain = new TfrmMain;
  frmAjuda = new TfrmAjuda(frmMain);
  QObject::connect(frmMain, &TfrmMain::Terminar, &aplicacao, &QCoreApplication::quit, Qt::QueuedConnection);
  QObject::connect(frmMain, &QDialog::finished, &aplicacao, &QCoreApplication::quit, Qt::QueuedConnection);
  frmMain->show();
  const int resultado = aplicacao.exec();
  DestroiJanelas();
  delete frmMain;
  frmMain = nullptr;
  frmAjuda = nullptr;
  return resultado;
}

}  // namespace pravo
