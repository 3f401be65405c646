#include "authoring/editors/form_frase.h"

#include <QLabel>

#include "authoring/editors/controles.h"
#include "authoring/editors/rotulos.h"
#include "files/registros.h"

namespace pravo {

namespace {

Memo* NovoMemo(QWidget* dono, const char* nome, int limite, int y, int altura) {
  auto* m = new Memo(limite, dono);
  m->setObjectName(QString::fromLatin1(nome));
  m->setGeometry(88, y, 537, altura);
  return m;
}

}  // namespace

FormFrase::FormFrase(const DescricaoEditor& descricao, files::RegFrase& buffer, const char* nomeMemo,
                     const QString& rotulo, QWidget* dono)
    : EditorRegistros(descricao, dono), buffer_(buffer) {
  lblTexto = RotuloCampo(this, "Label1", rotulo, 8, 48);
  memTexto = NovoMemo(this, nomeMemo, 500, 48, 129);
  RotuloCampo(this, "Label2", QStringLiteral("Opção\nCorreta:"), 8, 184);
  memCorreta = NovoMemo(this, "memCorreta", files::kCap250, 184, 49);
  RotuloCampo(this, "Label3", QStringLiteral("Opção\nIncorreta:"), 8, 240);
  memErrada1 = NovoMemo(this, "memErrada1", files::kCap250, 240, 49);
  RotuloCampo(this, "Label4", QStringLiteral("Opção\nIncorreta:"), 8, 296);
  memErrada2 = NovoMemo(this, "memErrada2", files::kCap250, 296, 49);
  RotuloCampo(this, "Label5", QStringLiteral("Opção\nIncorreta:"), 8, 352);
  memErrada3 = NovoMemo(this, "memErrada3", files::kCap250, 352, 49);
  setTabOrder(memTexto, memCorreta);
  setTabOrder(memCorreta, memErrada1);
  setTabOrder(memErrada1, memErrada2);
  setTabOrder(memErrada2, memErrada3);
  FormCreate();
}

void FormFrase::Limpa() {
  for (Memo* m : {memTexto, memCorreta, memErrada1, memErrada2, memErrada3}) m->clear();
}

QByteArray FormFrase::ParaRegistro() {
  buffer_ = {};
  buffer_.DefineTexto(memTexto->Texto());
  buffer_.Correta = memCorreta->Texto();
  buffer_.Errada1 = memErrada1->Texto();
  buffer_.Errada2 = memErrada2->Texto();
  buffer_.Errada3 = memErrada3->Texto();
  buffer_.Prepara();
  return buffer_.ParaBytes();
}

void FormFrase::DoRegistro(const QByteArray& bytes) {
  buffer_ = files::RegFrase::DeBytes(bytes);
  memTexto->DefineTexto(buffer_.Texto());
  memCorreta->DefineTexto(buffer_.Correta);
  memErrada1->DefineTexto(buffer_.Errada1);
  memErrada2->DefineTexto(buffer_.Errada2);
  memErrada3->DefineTexto(buffer_.Errada3);
}

void FormFrase::FocoAposMudanca() { memTexto->setFocus(); }

}  // namespace pravo
