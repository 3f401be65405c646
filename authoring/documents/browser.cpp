#include "authoring/documents/browser.h"

#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "authoring/documents/html.h"
#include "authoring/global.h"
#include "platform/escala.h"
#include "platform/navegador.h"

namespace pravo {

TfrmBrowser::TfrmBrowser(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmBrowser"));
  setWindowTitle(QStringLiteral("Visualizar"));
  // Only the system menu with its close box.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  auto* corpo = new QVBoxLayout(this);
  corpo->setContentsMargins(0, 0, 0, 0);
  WebBrowser1 = new platform::Navegador(this);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  corpo->addWidget(WebBrowser1);
  // Escape leaves the preview wherever the focus is (the page itself takes
  // the keys it is given): without a window manager there is no other way.
  auto* sair = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  sair->setContext(Qt::WindowShortcut);
  connect(sair, &QShortcut::activated, this, &QDialog::reject);

  // Sized to the screen, with no design scaling; the blank page of the
  // program folder until a file is shown.
  platform::CobreTela(this);
  WebBrowser1->Navega(DirPrograma + QStringLiteral("branco.htm"));
}

void TfrmBrowser::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TfrmBrowser::FormActivate() { WebBrowser1->Navega(CurrentHtmlFile); }

}  // namespace pravo
