#include "authoring/documents/titulo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "authoring/formulario.h"
#include "platform/escala.h"
#include "platform/fonte.h"
#include "platform/mensagens.h"

namespace pravo {

TfrmTitulo::TfrmTitulo(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmTitulo"));
  setWindowTitle(QStringLiteral("Titulo"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  resize(592, 132);
  Label1 = new QLabel(QStringLiteral("Digite aqui o Título desta página:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 12, 560, 20);
  edtTitulo = new QLineEdit(this);
  edtTitulo->setObjectName(QStringLiteral("edtTitulo"));
  edtTitulo->setMaxLength(60);
  edtTitulo->setGeometry(16, 36, 560, 36);
  edtTitulo->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 23, true, true));
  platform::CorDoTexto(edtTitulo, platform::CorDe(platform::kAzul));
  btnSair = Botao(QStringLiteral("OK"), "btnSair", QRect(246, 88, 100, 30), this);
  btnSair->setDefault(true);
  connect(btnSair, &QPushButton::clicked, this, &QDialog::accept);
  platform::EscalaJanelaPequena(this);
}

void TfrmTitulo::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TfrmTitulo::FormActivate() {
  if (QWidget* tela = parentWidget() ? parentWidget()->window() : nullptr)
    move(tela->geometry().center() - rect().center());
  edtTitulo->setFocus();
}

}  // namespace pravo
