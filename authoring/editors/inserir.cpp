#include "authoring/editors/inserir.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QPushButton>

#include "authoring/editors/controles.h"
#include "authoring/formulario.h"
#include "authoring/janelas.h"
#include "platform/escala.h"

namespace pravo {

TfrmInserir::TfrmInserir(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmInserir"));
  setWindowTitle(QStringLiteral("Inserir"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(193, 91);
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));

  RadioGroup1 = new GrupoRadio(QStringLiteral(" Inserir"),
                               {QStringLiteral("antes"), QStringLiteral("depois")}, 2, this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(8, 4, 177, 45);
  RadioGroup1->DefineItemIndex(0);

  btnSair = new QPushButton(QStringLiteral("OK"), this);
  btnSair->setObjectName(QStringLiteral("btnSair"));
  btnSair->setGeometry(59, 58, 75, 25);
  btnSair->setDefault(true);
  connect(btnSair, &QPushButton::clicked, this, [this] { done(1); });

  // FormCreate: scaled only; the size stays the scaled design.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  platform::EscalaJanelaPequena(this);
  setFixedSize(size());
}

void TfrmInserir::showEvent(QShowEvent* e) {
  // Centred on the screen.
  if (const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen()) {
    const QRect area = tela->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  QDialog::showEvent(e);
}

bool TfrmInserir::Depois() const { return RadioGroup1->ItemIndex() == 1; }

TfrmInserir* TfrmInserir::Instancia() {
  if (auto* frm = qobject_cast<TfrmInserir*>(Janela(QStringLiteral("TfrmInserir")))) return frm;
  static QPointer<TfrmInserir> proprio;
  if (!proprio) proprio = new TfrmInserir(nullptr);
  return proprio;
}

}  // namespace pravo
