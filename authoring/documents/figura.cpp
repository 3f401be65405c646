#include "authoring/documents/figura.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>
#include <stdexcept>

#include "authoring/documents/hiper.h"
#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/escolha_arquivo.h"
#include "authoring/listador.h"
#include "files/convencoes.h"
#include "files/geometria_hiper.h"
#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/imagem.h"
#include "platform/mensagens.h"
#include "platform/quadro_hiper.h"

namespace pravo {

namespace {

constexpr uint32_t kCreme = 14745599;

QScrollBar* Barra(QWidget* dono, const char* nome, const QRect& lugar) {
  auto* b = new QScrollBar(Qt::Horizontal, dono);
  b->setObjectName(QString::fromLatin1(nome));
  b->setRange(10, 1000);
  b->setValue(10);
  b->setSingleStep(10);
  b->setPageStep(100);
  b->setGeometry(lugar);
  return b;
}

QLabel* Rotulo(QWidget* dono, const char* nome, const QString& texto, const QRect& lugar) {
  auto* l = new QLabel(texto, dono);
  l->setObjectName(QString::fromLatin1(nome));
  l->setGeometry(lugar);
  return l;
}

}  // namespace

bool LeFiguraDaPagina(QWidget* dono, const QString& caminho, platform::Figura* figura) {
  platform::Figura lida;
  if (!lida.Carrega(caminho)) {
    MostraErro(dono, std::runtime_error(lida.erro().toStdString()));
    return false;
  }
  *figura = lida;
  return true;
}

TfrmFigura::TfrmFigura(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmFigura"));
  setWindowTitle(QStringLiteral("Características da Figura"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  resize(640, 480);

  pnlFigura = new QFrame(this);
  pnlFigura->setObjectName(QStringLiteral("pnlFigura"));
  pnlFigura->setGeometry(8, 72, 624, 360);
  pnlFigura->setAutoFillBackground(true);
  platform::PintaFundo(pnlFigura, kCreme);
  imgFigura = new platform::Imagem(pnlFigura);
  imgFigura->setObjectName(QStringLiteral("imgFigura"));

  Label3 = Rotulo(this, "Label3", QStringLiteral("Arquivo:"), QRect(8, 10, 60, 20));
  cboArquivo = new EscolhaArquivo(EscolhaArquivo::Guarda::Pagina, this);
  cboArquivo->setObjectName(QStringLiteral("cboArquivo"));
  cboArquivo->setGeometry(72, 8, 200, 24);
  rdbOriginal = new QRadioButton(QStringLiteral("Tamanho Original"), this);
  rdbOriginal->setObjectName(QStringLiteral("rdbOriginal"));
  rdbOriginal->setGeometry(290, 10, 150, 20);
  rdbAjustar = new QRadioButton(QStringLiteral("Ajustar Tamanho"), this);
  rdbAjustar->setObjectName(QStringLiteral("rdbAjustar"));
  rdbAjustar->setGeometry(290, 36, 150, 20);
  rdbAjustar->setChecked(true);
  rdbOriginal->hide();
  rdbAjustar->hide();
  lblLargura = Rotulo(this, "lblLargura", QStringLiteral("Largura:"), QRect(8, 40, 60, 20));
  scbLargura = Barra(this, "scbLargura", QRect(72, 40, 200, 18));
  lblAltura = Rotulo(this, "lblAltura", QStringLiteral("Altura:"), QRect(450, 10, 60, 20));
  scbAltura = Barra(this, "scbAltura", QRect(450, 36, 180, 18));
  btnSair = Botao(QStringLiteral("Sair"), "btnSair", QRect(532, 442, 100, 30), this);

  connect(cboArquivo, &QComboBox::activated, this, &TfrmFigura::cboArquivoChange);
  connect(rdbOriginal, &QRadioButton::toggled, this, [this](bool marcado) {
    if (marcado) rdbOriginalClick();
  });
  connect(rdbAjustar, &QRadioButton::toggled, this, [this](bool marcado) {
    if (marcado) rdbAjustarClick();
  });
  connect(scbLargura, &QScrollBar::valueChanged, this, &TfrmFigura::scbLarguraChange);
  connect(scbAltura, &QScrollBar::valueChanged, this, &TfrmFigura::scbAlturaChange);
  connect(btnSair, &QPushButton::clicked, this, &QDialog::accept);
  platform::EscalaTelaInteira(this);
  margemSair_ = height() - btnSair->y();
}

void TfrmFigura::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  if (margemSair_ > 0) btnSair->move(btnSair->x(), height() - margemSair_);
}

void TfrmFigura::PreencheArquivos() {
  QStringList nomes;
  for (const char* mascara : {"*.wmf", "*.bmp", "*.jpg"})
    nomes += ListaPasta(DirHiper, QString::fromLatin1(mascara));
  cboArquivo->Preenche(nomes);
  escolha_ = cboArquivo->currentIndex();
}

void TfrmFigura::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  FormActivate();
}

void TfrmFigura::FormActivate() {
  auto* editor = qobject_cast<TfrmHiper*>(Janela(QStringLiteral("TfrmHiper")));
  if (editor) {
    const platform::Tela tela = platform::TelaAtual();
    const QSize painel = editor->quadro->pnlRightTop->size();
    pnlFigura->setGeometry((tela.largura - painel.width()) / 2,
                           (files::Arredonda(tela.altura * 0.9) - painel.height()) / 2 +
                               files::Arredonda(tela.altura * 0.05),
                           painel.width(), painel.height());
    pnlFigura->lower();
    imgFigura->CopiaDe(*editor->imgFigura);
  }
  const bool original = imgFigura->AutoSize();
  {
    const QSignalBlocker quieto1(rdbOriginal), quieto2(rdbAjustar);
    (original ? rdbOriginal : rdbAjustar)->setChecked(true);
  }
  if (original)
    rdbOriginalClick();
  else
    rdbAjustarClick();
  CentralizaFigura();
}

void TfrmFigura::CentralizaFigura() {
  imgFigura->move(files::CentroNoPainel(pnlFigura->size(), imgFigura->size()));
}

void TfrmFigura::MostraBarras(bool mostra) {
  for (QWidget* w : {static_cast<QWidget*>(lblLargura), static_cast<QWidget*>(scbLargura),
                     static_cast<QWidget*>(lblAltura), static_cast<QWidget*>(scbAltura)})
    w->setVisible(mostra);
}

void TfrmFigura::rdbOriginalClick() {
  imgFigura->DefineStretch(false);
  imgFigura->DefineAutoSize(true);
  MostraBarras(false);
  CentralizaFigura();
}

void TfrmFigura::rdbAjustarClick() {
  imgFigura->DefineAutoSize(false);
  imgFigura->DefineStretch(true);
  const QSize tamanho = imgFigura->size();
  // Up to the preview pane less 10, and never beyond what the page record
  // carries (the design area, wider than the pane only on wide screens).
  const platform::Tela tela = platform::TelaAtual();
  const QSize area = files::AreaDoDesenho(QSize(tela.largura, tela.altura));
  scbLargura->setMaximum(std::max(10, std::min(pnlFigura->width() - 10, area.width())));
  scbAltura->setMaximum(std::max(10, std::min(pnlFigura->height() - 10, area.height())));
  scbLargura->setValue(std::clamp(tamanho.width(), 10, scbLargura->maximum()));
  scbAltura->setValue(std::clamp(tamanho.height(), 10, scbAltura->maximum()));
  imgFigura->resize(scbLargura->value(), scbAltura->value());
  MostraBarras(true);
  CentralizaFigura();
}

void TfrmFigura::scbLarguraChange() {
  if (imgFigura->AutoSize()) return;
  imgFigura->resize(scbLargura->value(), imgFigura->height());
  CentralizaFigura();
}

void TfrmFigura::scbAlturaChange() {
  if (imgFigura->AutoSize()) return;
  imgFigura->resize(imgFigura->width(), scbAltura->value());
  CentralizaFigura();
}

void TfrmFigura::cboArquivoChange() {
  const int indice = cboArquivo->currentIndex();
  if (indice <= 0) {
    escolha_ = indice;
    return;
  }
  platform::Figura lida;
  // Chosen here, or the stored picture while the editor opens the page.
  QWidget* dono = isVisible() ? static_cast<QWidget*>(this) : Janela(QStringLiteral("TfrmHiper"));
  const QString nome = cboArquivo->currentText();
  if (!LeFiguraDaPagina(dono, files::ResolveCaminho(DirHiper + nome), &lida)) {
    cboArquivo->setCurrentIndex(escolha_);
    // The page's own stored name, which the list remembers, goes too.
    if (cboArquivo->Escolhido().compare(nome, Qt::CaseInsensitive) == 0) cboArquivo->Limpa();
    return;
  }
  escolha_ = indice;
  if (!rdbOriginal->isChecked())
    rdbOriginal->setChecked(true);  // runs rdbOriginalClick
  rdbOriginal->show();
  rdbAjustar->show();
  imgFigura->DefineFigura(lida);
  CentralizaFigura();
}

}  // namespace pravo
