#include "player/principal.h"

#include <QApplication>
#include <exception>
#include <QCloseEvent>
#include <QLabel>
#include <QThread>
#include <QTimer>

#include "files/arquivo_registros.h"
#include "files/pastas.h"
#include "files/registros.h"
#include "platform/escala.h"
#include "platform/fonte.h"
#include "platform/mensagens.h"
#include "platform/som/som.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/senha.h"
#include "player/servicos.h"
#include "player/splash.h"

namespace zelmo {

namespace {

const char* const kTitulo = "Zelmo II";
const char* const kAssuntoPadrao = "Sistema Cardiovascular";
const char* const kRelatorioPadrao = "Relatório1";

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, const QFont& fonte,
               const QColor& cor) {
  auto* l = new QLabel(texto, pai);
  l->setObjectName(nome);
  l->setFont(fonte);
  platform::CorDoTexto(l, cor);
  l->setAttribute(Qt::WA_TranslucentBackground);
  return l;
}

// Leaves the message loop, when the program runs one (a run driven from a
// test has none).
void EncerraLaco() {
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void Mensagem(QWidget* dono, const QString& texto) {
  platform::MensagemOK(dono, texto, QString::fromUtf8(kTitulo));
}

}  // namespace

TfrmMain::TfrmMain(QWidget* pai) : QWidget(pai, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(kTitulo));
  frmMain = this;
  resize(640, 480);
  platform::PintaFundo(this, platform::kAzulEscuro);

  const QFont titulo = platform::FonteDesenho("Times New Roman", 60, true, true);
  // Label1 first, so that Label2 is drawn over its shadow.
  Label1 = Rotulo(this, "Label1", QStringLiteral("Zelmo II "), titulo, Qt::black);
  Label1->move(168, 48);
  Label1->adjustSize();
  Label2 = Rotulo(this, "Label2", QStringLiteral("Zelmo II "), titulo, Qt::red);
  Label2->move(166, 46);
  Label2->adjustSize();

  const QFont versao = platform::FonteDesenho("Arial", 17, true);
  Label4 = Rotulo(this, "Label4", QStringLiteral("Zelmo II - Versão 1.01"), versao,
                  platform::CorDe(platform::kAqua));
  Label4->setAlignment(Qt::AlignCenter);
  Label4->setGeometry(8, 374, 625, 25);

  MediaPlayer1 = new platform::MediaPlayer(this);
  MediaPlayer1->setObjectName("MediaPlayer1");

  FormCreate();
}

TfrmMain::~TfrmMain() {
  // The long-lived windows are this window's own and go with it.
  if (frmMain == this) frmMain = nullptr;
  frmRTF = frmHiper = frmHTML = nullptr;
  frmSenha = nullptr;
  frmAviso = nullptr;
}

void TfrmMain::FormCreate() {
  platform::EscalaTelaCheia(this);
  Label1->adjustSize();
  Label2->adjustSize();
  DirPrograma = files::DirProgramaDe(PastaDoPrograma.isEmpty()
                                         ? QCoreApplication::applicationDirPath()
                                         : PastaDoPrograma);
  ArqConfig = files::ArqConfigDe(DirPrograma);
  UltimaPagina.Tipo = -1;
  LinhasRelatorio.clear();
  ListaErros.clear();
}

void TfrmMain::Agenda() {
  if (agendado_) return;
  agendado_ = true;
  QTimer::singleShot(0, this, &TfrmMain::FormActivate);
}

void TfrmMain::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  Agenda();
}

void TfrmMain::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) Agenda();
}

void LeConfiguracao() {
  files::RegConfig cfg;
  bool lido = false;
  try {
    files::RecordFile arquivo(files::RegConfig::Tamanho);
    arquivo.AbreLeitura(ArqConfig);
    if (arquivo.Conta() >= 1) {
      cfg = arquivo.LeRegistro<files::RegConfig>(1);
      lido = true;
    }
    arquivo.Fecha();
  } catch (const files::IoError&) {
    lido = false;
  }
  // Without a configuration the player goes to the subject that the
  // configuration dialog offers first.
  if (!lido) {
    cfg.NomeAssunto = QString::fromUtf8(kAssuntoPadrao);
    cfg.NomeRelatorio = QString::fromUtf8(kRelatorioPadrao);
  }
  NomeAssunto = cfg.NomeAssunto;
  // The report is written inside the subject folder and nowhere else.
  NomeRelatorio = files::NomeSimples(cfg.NomeRelatorio) ? cfg.NomeRelatorio
                                                        : QString::fromUtf8(kRelatorioPadrao);
}

void ConstroiCaminhos() {
  ArqRelatorio = files::ArqRelatorioDe(DirPrograma, NomeAssunto, NomeRelatorio);
  if (files::NomeSimples(NomeAssunto)) {
    ArqAssunto = files::ArqAssuntoDe(DirPrograma, NomeAssunto);
    DirAssunto = files::DirAssuntoDe(DirPrograma, NomeAssunto);
  } else {
    // A subject name that is not a folder of the program folder names no
    // subject at all.
    ArqAssunto.clear();
    DirAssunto.clear();
  }
}

void TfrmMain::FormActivate() {
  if (executou_) return;
  executou_ = true;
  agendado_ = true;

  QApplication::processEvents();
  {
    TfrmSplash splash(this);
    splash.exec();
  }

  LeConfiguracao();
  ConstroiCaminhos();
  const qint64 total = ContaPaginas();
  if (total <= 0) return;

  if (!frmSenha) frmSenha = new TfrmSenha(this);
  frmSenha->exec();

  Label1->hide();
  Label2->hide();
  PercorrePaginas(total);
}

qint64 TfrmMain::ContaPaginas() {
  if (!files::ArquivoExiste(ArqAssunto)) {
    TerminaSemRelatorio(QStringLiteral("Assunto não encontrado !"));
    return 0;
  }
  qint64 total = 0;
  try {
    files::RecordFile arquivo(files::RegPagina::Tamanho);
    arquivo.AbreLeitura(ArqAssunto);
    total = arquivo.Conta();
    arquivo.Fecha();
  } catch (const files::IoError& erro) {
    TerminaSemRelatorio(QString::fromUtf8(erro.what()));
    return 0;
  }
  if (total == 0) TerminaSemRelatorio(QStringLiteral("Arquivo de Assunto vazio !"));
  return total;
}

void TfrmMain::PercorrePaginas(qint64 total) {
  // The subject file is opened, read and closed for each page; the count
  // taken before the login stays fixed for the run.
  for (qint64 i = 1; i <= total; ++i) {
    try {
      files::RecordFile arquivo(files::RegPagina::Tamanho);
      arquivo.AbreLeitura(ArqAssunto);
      AtividadeAtual = arquivo.LeRegistro<files::RegPagina>(i);
      arquivo.Fecha();
    } catch (const files::IoError& erro) {
      // The subject file went away or shrank during the run: the student's
      // work so far is kept.
      Mensagem(this, QString::fromUtf8(erro.what()));
      break;
    }
    if (!AtividadeAtual.Verifica()) {
      TerminaSemRelatorio(QStringLiteral("Arquivo AST Corrompido!"));
      return;
    }
    UltimaAtividade = (i == total);
    bool continua = false;
    try {
      continua = ExecutaAtividade();
    } catch (const std::exception& erro) {
      // A page window that failed while it was being built: the run ends as
      // when a window ends the program, with the work gathered so far.
      Mensagem(this, QString::fromLocal8Bit(erro.what()));
    }
    if (!continua) break;
  }
  Fecha();
}

void TfrmMain::TerminaSemRelatorio(const QString& mensagem) {
  Mensagem(this, mensagem);
  encerrado_ = true;
  fim_ = Fim::SemRelatorio;
  EncerraLaco();
}

void TfrmMain::Fecha() {
  close();
  if (!encerrado_) Encerra();  // a window that was never shown gets no close event
  EncerraLaco();
}

void TfrmMain::closeEvent(QCloseEvent* e) {
  FormClose();
  e->accept();
}

void TfrmMain::FormClose() {
  if (encerrado_) return;
  Encerra();
}

void TfrmMain::Encerra() {
  if (encerrado_) return;
  encerrado_ = true;
  // Only a run that got past the login has a student to report on.
  if (frmSenha && frmSenha->Passou()) {
    fim_ = Fim::Relatorio;
    GravaRelatorio();
  } else {
    fim_ = Fim::SemRelatorio;
  }
  LinhasRelatorio.clear();
  ListaErros.clear();
}

AplicacaoZelmo::AplicacaoZelmo(int& argc, char** argv)
    : platform::Aplicacao(argc, argv, QString::fromUtf8(kTitulo), QStringLiteral("Erro")) {}

int ExecutaZelmo() {
  QApplication::setApplicationName(QString::fromUtf8(kTitulo));
  auto* janela = new TfrmMain;
  janela->showFullScreen();
  const int r = QApplication::exec();
  delete janela;
  return r;
}

}  // namespace zelmo
