#include "authoring/documents/lista.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "authoring/formulario.h"
#include "authoring/escolha_arquivo.h"
#include "authoring/global.h"
#include "authoring/listador.h"
#include "platform/escala.h"

namespace pravo {

TfrmLista::TfrmLista(const char* nome, const QString& caption, const QString& rotulo, const QString& mascara,
                     QWidget* dono)
    : QDialog(dono), mascara_(mascara) {
  setObjectName(QString::fromLatin1(nome));
  setWindowTitle(caption);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  resize(318, 117);
  Label1 = new QLabel(rotulo, this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(12, 10, 294, 20);
  cboArquivo = new EscolhaArquivo(EscolhaArquivo::Guarda::Pagina, this);
  cboArquivo->setObjectName(QStringLiteral("cboArquivo"));
  cboArquivo->setGeometry(12, 34, 294, 24);
  btnSair = Botao(QStringLiteral("OK"), "btnSair", QRect(109, 74, 100, 30), this);
  btnSair->setDefault(true);
  connect(btnSair, &QPushButton::clicked, this, &QDialog::accept);
  platform::EscalaJanelaPequena(this);
}

void TfrmLista::PreencheArquivos() { cboArquivo->Preenche(ListaPasta(DirHiper, mascara_)); }

void TfrmLista::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  if (QWidget* tela = parentWidget() ? parentWidget()->window() : nullptr)
    move(tela->geometry().center() - rect().center());
  cboArquivo->setFocus();
}

TfrmLista1::TfrmLista1(QWidget* dono)
    : TfrmLista("frmLista1", QStringLiteral("Texto"), QStringLiteral("Escolha o Texto para esta página"),
                QStringLiteral("*.rtf"), dono) {}

TfrmLista2::TfrmLista2(QWidget* dono)
    : TfrmLista("frmLista2", QStringLiteral("Som"), QStringLiteral("Escolha o Arquivo de Som para esta página"),
                QStringLiteral("*.wav;*.mid"), dono) {}

TfrmLista3::TfrmLista3(QWidget* dono)
    : TfrmLista("frmLista3", QStringLiteral("Vídeo"),
                QStringLiteral("Escolha o Arquivo de Vídeo para esta página"),
                QStringLiteral("*.avi;*.mpg;*.mpeg;*.mov"), dono) {}

}  // namespace pravo
