#include "player/senha.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/texto.h"
#include "platform/escala.h"
#include "platform/fonte.h"
#include "platform/mensagens.h"
#include "player/glifo.h"
#include "player/janelas_pequenas.h"

namespace zelmo {

namespace {

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y) {
  auto* l = new QLabel(texto, pai);
  l->setObjectName(nome);
  l->setFont(platform::FonteDesenho("Times New Roman", 17, true));
  platform::CorDoTexto(l, platform::CorDe(platform::kAqua));
  l->move(x, y);
  l->adjustSize();
  return l;
}

QLineEdit* Edicao(QWidget* pai, const char* nome, int x, int y) {
  auto* e = new QLineEdit(pai);
  e->setObjectName(nome);
  e->setFont(platform::FonteDesenho("Times New Roman", 13));
  e->setGeometry(x, y, 225, 23);
  return e;
}

}  // namespace

TfrmSenha::TfrmSenha(QWidget* dono) : QDialog(dono, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("frmSenha");
  setWindowTitle(QStringLiteral("Zelmo II"));
  resize(260, 154);

  Panel1 = PainelDeFundo(this);
  Label1 = Rotulo(Panel1, "Label1", QStringLiteral("Nome:"), 16, 12);
  Label2 = Rotulo(Panel1, "Label2", QStringLiteral("Identificação"), 16, 60);
  edtNome = Edicao(Panel1, "edtNome", 16, 32);
  edtSenha = Edicao(Panel1, "edtSenha", 16, 80);
  btnOK = new QPushButton(GlifoOK(), QStringLiteral("OK"), Panel1);
  btnOK->setObjectName("btnOK");
  btnOK->setGeometry(88, 116, 75, 25);
  btnOK->setFont(FonteDeBotao());
  // Enter belongs to the two fields (below), never to a default button.
  btnOK->setAutoDefault(false);
  btnOK->setDefault(false);
  connect(btnOK, &QPushButton::clicked, this, &TfrmSenha::btnOKClick);
  edtNome->installEventFilter(this);
  edtSenha->installEventFilter(this);
  setTabOrder(edtNome, edtSenha);
  setTabOrder(edtSenha, btnOK);

  FormCreate();
}

void TfrmSenha::FormCreate() {
  platform::EscalaJanelaPequena(this);
  // The labels fit their text at the scaled font.
  Label1->adjustSize();
  Label2->adjustSize();
  AjustaBotaoOK(btnOK);
  setFixedSize(size());
  platform::CentraNaTela(this);
  passou_ = false;
  edtNome->setFocus();
}

bool TfrmSenha::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
      char key = 13;
      if (objeto == edtNome) edtNomeKeyPress(key);
      if (objeto == edtSenha) edtSenhaKeyPress(key);
      return true;
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

void TfrmSenha::edtNomeKeyPress(char& key) {
  if (key != 13) return;
  key = 0;
  edtSenha->setFocus();
}

void TfrmSenha::edtSenhaKeyPress(char& key) {
  if (key != 13) return;
  key = 0;
  btnOK->setFocus();
  btnOKClick();
}

void TfrmSenha::btnOKClick() {
  if (files::Apara(edtNome->text()).isEmpty()) {
    platform::MensagemOK(this, QStringLiteral("O campo Nome não pode ficar vazio"),
                         QStringLiteral("Atenção !"));
    edtNome->setFocus();
    return;
  }
  if (files::Apara(edtSenha->text()).isEmpty()) {
    platform::MensagemOK(this, QStringLiteral("O campo Identificação não pode ficar vazio"),
                         QStringLiteral("Atenção !"));
    edtSenha->setFocus();
    return;
  }
  passou_ = true;
  done(1);
}

void TfrmSenha::reject() {
  if (passou_) QDialog::reject();
}

void TfrmSenha::closeEvent(QCloseEvent* e) {
  if (!passou_) {
    e->ignore();
    return;
  }
  QDialog::closeEvent(e);
}

}  // namespace zelmo
