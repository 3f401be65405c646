#include "authoring/config.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "files/pastas.h"
#include "platform/escala.h"

namespace pravo {

namespace {

// The file-name part of a path less its last 4 characters (".ast", ".rel").
QString NomeSemExtensao(const QString& caminho) {
  const QString nome = caminho.mid(caminho.lastIndexOf('/') + 1);
  return nome.left(qMax<qsizetype>(0, nome.size() - 4));
}

QLabel* Rotulo(const QString& texto, const char* nome, QWidget* dono) {
  auto* l = new QLabel(texto, dono);
  l->setObjectName(QLatin1String(nome));
  l->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 16, true, true));
  return l;
}

QLineEdit* Campo(const char* nome, QWidget* dono) {
  auto* e = new QLineEdit(dono);
  e->setObjectName(QLatin1String(nome));
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::ClickFocus);
  return e;
}

}  // namespace

bool LeConfiguracao(QWidget* dono) {
  try {
    DadosConfig.AbreLeitura(ArqConfig);
    Configuracao = DadosConfig.LeRegistro<files::RegConfig>(1);
    DadosConfig.Fecha();
    return true;
  } catch (const files::IoError& erro) {
    if (DadosConfig.aberto()) DadosConfig.Fecha();
    MostraErro(dono, erro);
    return false;
  }
}

TfrmConfig::TfrmConfig(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmConfig"));
  setWindowTitle(QStringLiteral("Configuração do Zelmo"));
  // No border icons: "OK" is the way out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(FonteDesenho(QStringLiteral("Times New Roman"), 16));
  resize(338, 165);

  Label1 = Rotulo(QStringLiteral("Assunto:"), "Label1", this);
  Label1->setGeometry(16, 10, 220, 20);
  edtAssunto = Campo("edtAssunto", this);
  edtAssunto->setGeometry(16, 31, 217, 25);
  btnAssunto = Botao(QStringLiteral("Alterar..."), "btnAssunto", QRect(241, 30, 81, 27), this);

  Label2 = Rotulo(QStringLiteral("Arquivo de Relatório:"), "Label2", this);
  Label2->setGeometry(16, 64, 220, 20);
  edtRel = Campo("edtRel", this);
  edtRel->setGeometry(16, 85, 217, 25);
  btnRel = Botao(QStringLiteral("Alterar..."), "btnRel", QRect(241, 84, 81, 27), this);

  btnOK = Botao(QStringLiteral("OK"), "btnOK", QRect(129, 126, 81, 29), this);
  btnOK->setDefault(true);

  connect(btnAssunto, &QPushButton::clicked, this, [this] { btnAssuntoClick(); });
  connect(btnRel, &QPushButton::clicked, this, [this] { btnRelClick(); });
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });

  platform::EscalaJanelaPequena(this);
  setFixedSize(size());
}

void TfrmConfig::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (!evento->spontaneous()) FormActivate();
}

void TfrmConfig::keyPressEvent(QKeyEvent* evento) {
  // There is no cancel button, so Esc does not leave the dialog.
  if (evento->key() == Qt::Key_Escape) {
    evento->accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

void TfrmConfig::FormActivate() {
  salvoAssunto_ = ArqAssunto;
  salvoRelatorio_ = ArqRelatorio;
  salvoDirAssunto_ = DirAssunto;
  emprestado_ = true;

  QString assunto = QString::fromUtf8(kAssuntoPadrao);
  QString relatorio = QString::fromUtf8(kRelatorioPadrao);
  // A damaged file is reported and left as it is; the dialog offers the
  // defaults, and only "OK" writes a new file.
  if (files::ArquivoExiste(ArqConfig) && LeConfiguracao(this)) {
    assunto = Configuracao.NomeAssunto;
    relatorio = Configuracao.NomeRelatorio;
  }
  // While the dialog is open the two names are held in these globals.
  ArqAssunto = assunto;
  ArqRelatorio = relatorio;
  edtAssunto->setText(assunto);
  edtRel->setText(relatorio);
  btnOK->setFocus();
}

void TfrmConfig::btnAssuntoClick() {
  QDialog* escolha = Janela(QStringLiteral("TfrmArquivo"));
  if (!escolha) return;
  TipoArquivo = 0;
  if (escolha->exec() == 1) edtAssunto->setText(NomeSemExtensao(ArqAssunto));
}

void TfrmConfig::btnRelClick() {
  QDialog* escolha = Janela(QStringLiteral("TfrmArquivo"));
  if (!escolha) return;
  TipoArquivo = 7;
  if (escolha->exec() == 1) edtRel->setText(NomeSemExtensao(ArqRelatorio));
}

void TfrmConfig::btnOKClick() {
  Configuracao = {};
  Configuracao.NomeAssunto = edtAssunto->text();
  Configuracao.NomeRelatorio = edtRel->text();
  Configuracao.Prepara();
  try {
    files::RecordFile::Reescreve(ArqConfig, files::RegConfig::Tamanho, {Configuracao.ParaBytes()});
  } catch (const files::IoError& erro) {
    // Nothing was written; the dialog stays open with the names.
    MostraErro(this, erro);
    return;
  }
  done(1);
}

void TfrmConfig::FormClose() {
  if (!emprestado_) return;
  ArqAssunto = salvoAssunto_;
  ArqRelatorio = salvoRelatorio_;
  DirAssunto = salvoDirAssunto_;
  emprestado_ = false;
}

void TfrmConfig::done(int resultado) {
  FormClose();
  QDialog::done(resultado);
}

}  // namespace pravo
