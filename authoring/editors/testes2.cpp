#include "authoring/editors/testes2.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "authoring/editors/controles.h"
#include "authoring/editors/rotulos.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/listador.h"
#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "platform/navegador.h"

namespace pravo {

TfrmEditTsh::TfrmEditTsh(QWidget* dono)
    : EditorRegistros({QStringLiteral("Editor de Arquivo de Testes - "), QStringLiteral("Teste"), &ArqTesteHTML,
                       &DadosTesteHTML, QString()},
                      dono) {
  setObjectName(QStringLiteral("frmEditTsh"));
  setFont(FonteDesenho(QStringLiteral("Times New Roman"), 13));
  lblPagina->setText(QStringLiteral("Teste 1 de 1"));

  Label7 = RotuloCampo(this, "Label7", QStringLiteral("Arquivo:"), 8, 44, true);
  cboArquivo = new EscolhaArquivo(EscolhaArquivo::Guarda::Registro, this, /*editavel=*/true);
  cboArquivo->setObjectName(QStringLiteral("cboArquivo"));
  cboArquivo->setInsertPolicy(QComboBox::NoInsert);
  cboArquivo->setGeometry(8, 64, 217, 23);
  cboArquivo->setMaxVisibleItems(10);
  connect(cboArquivo, &EscolhaArquivo::escolhida, this, &TfrmEditTsh::cboArquivoChange);

  Label2 = RotuloCampo(this, "Label2", QStringLiteral("Quantidade de Alternativas:"), 240, 44, true);
  SpnQuant = new SpinEdit(1, 5, 5, this);
  SpnQuant->setObjectName(QStringLiteral("SpnQuant"));
  SpnQuant->setGeometry(240, 64, 57, 23);

  rdgCorreta = new GrupoRadio(QStringLiteral("Alternativa Correta"),
                              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                               QStringLiteral("e")},
                              5, this);
  rdgCorreta->setObjectName(QStringLiteral("rdgCorreta"));
  rdgCorreta->setGeometry(424, 36, 201, 53);
  rdgCorreta->DefineItemIndex(0);

  Label1 = RotuloCampo(this, "Label1", QStringLiteral("Visualização:"), 8, 96, true);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setGeometry(8, 116, 617, 293);
  WebBrowser1 = platform::Navegador::Preenche(Panel1, 2);

  QWidget* ordem[] = {cboArquivo, SpnQuant, rdgCorreta, btnPrimeira, btnAnterior, btnProxima,
                      btnUltima,  btnDeletar, btnInserir, btnSair};
  for (size_t i = 1; i < std::size(ordem); ++i) setTabOrder(ordem[i - 1], ordem[i]);

  FormCreate();
  NavegaBranco();
}

void TfrmEditTsh::NavegaBranco() { WebBrowser1->Navega(DirPrograma + QStringLiteral("branco.htm")); }

void TfrmEditTsh::MostraPrevia() {
  if (cboArquivo->TemEntrada())
    WebBrowser1->Navega(DirTesteHTML + cboArquivo->itemText(cboArquivo->currentIndex()));
  else
    NavegaBranco();
}

void TfrmEditTsh::ListaArquivos() { cboArquivo->Preenche(ListaPasta(DirTesteHTML, QStringLiteral("*.htm*"))); }

void TfrmEditTsh::Limpa() {
  cboArquivo->Limpa();
  SpnQuant->setValue(5);
  rdgCorreta->DefineItemIndex(0);
  NavegaBranco();
}

void TfrmEditTsh::AntesDeAbrir() { ListaArquivos(); }

void TfrmEditTsh::cboArquivoChange() {
  if (cboArquivo->TemEntrada()) MostraPrevia();
}

bool TfrmEditTsh::Valida() {
  const QString pagina = cboArquivo->Escolhido();
  bool aceito = true;
  if (pagina.isEmpty()) {
    // Only a warning: the test may be stored without a page.
    Aviso(QStringLiteral("O campo \"Arquivo\" não pode ficar vazio !"));
    cboArquivo->setFocus();
  }
  // No letter chosen (a stored letter beyond "e") does not agree either.
  const int correta = rdgCorreta->ItemIndex();
  if (correta < 0 || SpnQuant->value() < correta + 1) {
    Aviso(QStringLiteral("O campo \"Quantidade de Alternativas\"\nnão está de acordo com a Alternativa Correta !"));
    cboArquivo->setFocus();
    aceito = false;
  }
  // The other records are read into the buffer; the record in hand lives in
  // the controls until it is stored.
  bool repetido = false;
  const bool lido = ProtegeES(this, [&] {
    for (qint64 n = 1; n <= NumRegistros(); ++n) {
      if (n == RegistroAtual()) continue;
      TesteHTMLAtual = files::RegTesteHTML::DeBytes(DadosTesteHTML.Le(n));
      if (TesteHTMLAtual.ArquivoHTML == pagina) repetido = true;
    }
  });
  if (!lido) return false;
  if (repetido) {
    Aviso(QStringLiteral("O mesmo \"Arquivo\" não pode se utlizado em mais de um teste !"));
    cboArquivo->setFocus();
    aceito = false;
  }
  return aceito;
}

QByteArray TfrmEditTsh::ParaRegistro() {
  TesteHTMLAtual = {};
  TesteHTMLAtual.ArquivoHTML = cboArquivo->Escolhido();
  TesteHTMLAtual.Alternativas = SpnQuant->value();
  TesteHTMLAtual.Correta = rdgCorreta->ItemIndex();
  TesteHTMLAtual.Prepara();
  return TesteHTMLAtual.ParaBytes();
}

void TfrmEditTsh::DoRegistro(const QByteArray& bytes) {
  TesteHTMLAtual = files::RegTesteHTML::DeBytes(bytes);
  cboArquivo->Mostra(TesteHTMLAtual.ArquivoHTML);
  SpnQuant->setValue(TesteHTMLAtual.Alternativas);
  // A letter beyond "e" chooses none, and the record waits for one.
  rdgCorreta->DefineItemIndex(TesteHTMLAtual.Correta);
  if (cboArquivo->TemEntrada()) MostraPrevia();
}

void TfrmEditTsh::FocoAposMudanca() { cboArquivo->setFocus(); }

}  // namespace pravo
