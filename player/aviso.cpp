#include "player/aviso.h"

#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QTextOption>
#include <QWindow>

#include "platform/escala.h"
#include "platform/fonte.h"
#include "platform/mensagens.h"
#include "player/glifo.h"

namespace zelmo {

TfrmAviso::TfrmAviso(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmAviso");
  setWindowTitle(QStringLiteral("Atenção !"));
  resize(289, 174);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(3);
  Panel1->setGeometry(8, 8, 273, 129);

  Memo1 = new QTextEdit(Panel1);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(8, 11, 257, 110);
  Memo1->setReadOnly(true);
  Memo1->setFrameStyle(QFrame::NoFrame);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Base, platform::CorDe(platform::kPrata));
  p.setColor(QPalette::Text, platform::CorDe(platform::kAzul));
  Memo1->setPalette(p);
  Memo1->setFont(platform::FonteDesenho("Times New Roman", 17, true, true));

  BitBtn1 = new QPushButton(GlifoOK(), "OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(108, 144, 75, 25);
  BitBtn1->setFont(FonteDeBotao());
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });

  FormCreate();
}

void TfrmAviso::FormCreate() {
  platform::EscalaJanelaPequena(this);
  AjustaBotaoOK(BitBtn1);
  setFixedSize(size());
  NoCanto();
}

void TfrmAviso::FormShow() { NoCanto(); }

void TfrmAviso::NoCanto() {
  const platform::Tela t = platform::TelaAtual();
  move(t.x + 12, t.y + 12);
}

void TfrmAviso::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

int TfrmAviso::MostraSobre(QWidget* pedinte) {
  // The window manager keeps a window above the one it is transient for,
  // and raises that one with it.  Transient for the main window, the message
  // would bring the main window up over the activity that asked.
  QPointer<QWidget> janela = pedinte ? pedinte->window() : nullptr;
  if (!janela && parentWidget()) janela = parentWidget()->window();
  winId();
  if (QWindow* propria = windowHandle())
    propria->setTransientParent(janela ? janela->windowHandle() : nullptr);
  const int resultado = exec();
  if (janela && janela->isVisible()) janela->activateWindow();
  return resultado;
}

void TfrmAviso::Limpa() {
  linhas_.clear();
  Memo1->clear();
}

void TfrmAviso::Adiciona(const QString& linha) {
  linhas_.append(linha);
  Memo1->setPlainText(linhas_.join('\n'));
}

}  // namespace zelmo
