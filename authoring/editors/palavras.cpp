#include "authoring/editors/palavras.h"

#include <QLabel>
#include <QLineEdit>

#include "authoring/editors/controles.h"
#include "authoring/editors/rotulos.h"
#include "authoring/global.h"
#include "files/registros.h"
#include "files/texto.h"

namespace pravo {

TfrmEditPal::TfrmEditPal(QWidget* dono)
    : EditorRegistros({QStringLiteral("Editor de Arquivo de Palavras - "), QStringLiteral("Palavra"),
                       &ArqPalavras, &DadosPalavras,
                       QStringLiteral("Para quer as Atividades funcionem corretamente,\n"
                                      "é necessário um Mínimo de 5 Palavras.")},
                      dono) {
  setObjectName(QStringLiteral("frmEditPal"));

  Label1 = RotuloCampo(this, "Label1", QStringLiteral("Palavra:"), 8, 80);
  edtPalavra = new QLineEdit(this);
  edtPalavra->setObjectName(QStringLiteral("edtPalavra"));
  edtPalavra->setGeometry(8, 104, 169, 23);
  edtPalavra->setMaxLength(files::kCap20);

  Label2 = RotuloCampo(this, "Label2", QStringLiteral("Dica:"), 8, 152);
  memDica = new Memo(500, this);
  memDica->setObjectName(QStringLiteral("memDica"));
  memDica->setGeometry(8, 176, 617, 177);

  setTabOrder(edtPalavra, memDica);
  FormCreate();
}

void TfrmEditPal::Limpa() {
  edtPalavra->clear();
  memDica->clear();
}

bool TfrmEditPal::Valida() {
  return Preenchido(edtPalavra->text(), edtPalavra, QStringLiteral("O campo \"Palavra\" está vazio !")) &&
         Preenchido(memDica->Texto(), memDica, QStringLiteral("O campo \"Dica\" está vazio !"));
}

QByteArray TfrmEditPal::ParaRegistro() {
  PalavraAtual = {};
  PalavraAtual.Palavra = edtPalavra->text();
  PalavraAtual.DefineDica(memDica->Texto());
  PalavraAtual.Prepara();
  return PalavraAtual.ParaBytes();
}

void TfrmEditPal::DoRegistro(const QByteArray& bytes) {
  PalavraAtual = files::RegPalavra::DeBytes(bytes);
  edtPalavra->setText(PalavraAtual.Palavra);
  memDica->DefineTexto(PalavraAtual.Dica());
}

void TfrmEditPal::FocoAposMudanca() {
  edtPalavra->setFocus();
  edtPalavra->deselect();
  edtPalavra->setCursorPosition(edtPalavra->text().size());
}

}  // namespace pravo
