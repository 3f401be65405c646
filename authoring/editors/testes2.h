// TfrmEditTsh: the HTML-tests editor.  One record per test of an HTML-tests
// file (.tsh): the HTML page of the subject that shows the question, how many
// alternatives it offers and which letter is right, with a preview of the
// page.
#pragma once

#include "authoring/editors/editor_registros.h"
#include "authoring/escolha_arquivo.h"

class QLabel;
class QFrame;

namespace platform {
class Navegador;
}

namespace pravo {

class GrupoRadio;
class SpinEdit;

class TfrmEditTsh : public EditorRegistros {
  Q_OBJECT
 public:
  explicit TfrmEditTsh(QWidget* dono = nullptr);

  // All three tests run; the record is refused when the letters do not agree
  // with the alternatives or another record names the same page.
  bool Valida() override;
  // The HTML pages of the folder, after " nenhum ".
  void ListaArquivos();
  // The teacher chose a page: the preview shows it.
  void cboArquivoChange();

  QLabel* Label7;
  EscolhaArquivo* cboArquivo;
  QLabel* Label2;
  SpinEdit* SpnQuant;
  GrupoRadio* rdgCorreta;
  QLabel* Label1;
  QFrame* Panel1;
  platform::Navegador* WebBrowser1;

 protected:
  void Limpa() override;
  void AntesDeAbrir() override;
  QByteArray ParaRegistro() override;
  void DoRegistro(const QByteArray& bytes) override;
  void FocoAposMudanca() override;

 private:
  void NavegaBranco();
  // The preview of the chosen page (the blank page without one).
  void MostraPrevia();
};

}  // namespace pravo
