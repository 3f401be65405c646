#include "authoring/documents/editores.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "authoring/formulario.h"
#include "authoring/janelas.h"
#include "platform/escala.h"

namespace pravo {

TfrmEditores::TfrmEditores(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmEditores"));
  setWindowTitle(QStringLiteral("Editores"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));
  resize(490, 316);

  // The explanation: read-only, borderless, on the window's colour, never
  // keeping the caret.
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(8, 8, 474, 258);
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setFont(FonteDesenho(QStringLiteral("Arial"), 10));
  Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Base, palette().color(QPalette::Window));
  Memo1->setPalette(p);
  Memo1->viewport()->installEventFilter(this);

  btnHTML = Botao(QStringLiteral("Editar HTML"), "btnHTML", QRect(40, 276, 120, 30), this);
  btnRTF = Botao(QStringLiteral("Editar RTF"), "btnRTF", QRect(185, 276, 120, 30), this);
  btnCancel = Botao(QStringLiteral("Cancelar"), "btnCancel", QRect(330, 276, 120, 30), this);
  connect(btnHTML, &QPushButton::clicked, this, &TfrmEditores::btnHTMLClick);
  connect(btnRTF, &QPushButton::clicked, this, &TfrmEditores::btnRTFClick);
  // Esc presses "Cancelar" (QDialog's reject): nothing is opened.
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  PreencheMemo();
  platform::EscalaJanelaPequena(this);
  platform::CentraNaTela(this);
}

void TfrmEditores::PreencheMemo() {
  Memo1->setPlainText(QStringList{
      QStringLiteral("Algumas atividades do Zelmo II necessitam de arquivos no formato RTF (Rich Text File) ou HTML."),
      QStringLiteral("Os arquivos RTF armazenam textos com formatação (negrito, itálico, centralizado, etc), porém "
                     "não armazenam figuras nem tabelas."),
      QStringLiteral("Os arquivos HTML podem armazenar textos, imagens, tabelas. São como as páginas que "
                     "visualizamos na Internet."),
      QString(),
      QStringLiteral("Esses dois tipos de arquivo podem ser facilmente gerados por processadores de texto como o "
                     "Microsoft Word, por exemplo (este procedimento está bem detalhado no manual do Zelmo II)."),
      QString(),
      QStringLiteral("O Pravo II oferece dois editores: um para arquivos RTF e outro para arquivos HTML."),
      QString(),
      QStringLiteral("O Editor de arquivos em linguagem HTML deve ser utilizado apenas por pessoas que tenham pleno "
                     "domínio da linguagem. Por isso sugerimos, ao invés de usar nosso editor, criar o arquivo no "
                     "Microsoft Word e salvar como Página da Web no formato HTML."),
      QString(),
      QStringLiteral("O Editor de textos RTF pode ser utilizado por usuários menos experientes, porém possui menos "
                     "recursos do que o Microsoft Word. Por isso também sugerimos criar o arquivo no Microsoft Word "
                     "e salvar no formato RTF"),
  }.join(QLatin1Char('\n')));
}

bool TfrmEditores::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == Memo1->viewport() && e->type() == QEvent::MouseButtonPress) Memo1Click();
  return QDialog::eventFilter(objeto, e);
}

void TfrmEditores::Memo1Click() { btnCancel->setFocus(); }

void TfrmEditores::btnHTMLClick() {
  if (QDialog* editor = Janela(QStringLiteral("TfrmHTML"))) editor->exec();
  done(1);
}

void TfrmEditores::btnRTFClick() {
  if (QDialog* editor = Janela(QStringLiteral("TfrmTexto"))) editor->exec();
  done(1);
}

}  // namespace pravo
