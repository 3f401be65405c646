#include "authoring/editors/paginas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "authoring/editors/controles.h"
#include "authoring/editors/rotulos.h"
#include "authoring/global.h"
#include "authoring/escolha_arquivo.h"
#include "authoring/listador.h"
#include "files/registros.h"

namespace pravo {

namespace {

QComboBox* Lista(QWidget* dono, const char* nome, int x, int y, int largura) {
  auto* c = new QComboBox(dono);
  c->setObjectName(QString::fromLatin1(nome));
  c->setEditable(false);
  c->setGeometry(x, y, largura, 23);
  c->setMaxVisibleItems(12);
  return c;
}

QCheckBox* Marca(QWidget* dono, const char* nome, const QString& texto, int x, int y) {
  auto* c = new QCheckBox(texto, dono);
  c->setObjectName(QString::fromLatin1(nome));
  c->setGeometry(x, y, 305, 21);
  c->setChecked(true);
  return c;
}

SpinEdit* Spin(QWidget* dono, const char* nome, int minimo, int maximo, int valor, int x, int y) {
  auto* s = new SpinEdit(minimo, maximo, valor, dono);
  s->setObjectName(QString::fromLatin1(nome));
  s->setGeometry(x, y, 65, 23);
  return s;
}

}  // namespace

TfrmEditAst::TfrmEditAst(QWidget* dono)
    : EditorRegistros({QStringLiteral("Pravo - "), QStringLiteral("Página"), &ArqAssunto,
                       &DadosAssunto, QString()},
                      dono) {
  setObjectName(QStringLiteral("frmEditAst"));

  RotuloCampo(this, "Label1", QStringLiteral("Tipo de Página:"), 8, 48);
  cboTipo = Lista(this, "cboTipo", 8, 68, 201);
  for (const char* nome : files::NomesTipos()) cboTipo->addItem(QString::fromUtf8(nome));
  cboTipo->setCurrentIndex(-1);
  RotuloCampo(this, "Label2", QStringLiteral("Arquivo:"), 224, 48);
  cboArquivo = Lista(this, "cboArquivo", 224, 68, 193);
  RotuloCampo(this, "Label3", QStringLiteral("Som:"), 432, 48);
  cboSom = Lista(this, "cboSom", 432, 68, 193);

  lblRodadas = RotuloCampo(this, "lblRodadas", QStringLiteral("Número de Rodadas:"), 8, 112);
  spnRodadas = Spin(this, "spnRodadas", files::kRodadasMinimo, files::kRodadasMaximo, 5, 8, 132);
  lblQuant = RotuloCampo(this, "lblQuant", QStringLiteral("Quantidade Máxima de Palavras"), 152, 112);
  spnQuant = Spin(this, "spnQuant", files::kQuantMinimo, files::kQuantMaximo, 5, 152, 132);
  lblPorcent = RotuloCampo(this, "lblPorcent", QStringLiteral("Porcentagem de Acertos para continuar:"),
                           384, 112);
  spnPorcent = Spin(this, "spnPorcent", 0, 100, 70, 384, 132);

  rgpOrdem = new GrupoRadio(QStringLiteral("Ordem"),
                            {QStringLiteral("Seqüencial"), QStringLiteral("Aleatória")}, 1, this);
  rgpOrdem->setObjectName(QStringLiteral("rgpOrdem"));
  rgpOrdem->setGeometry(8, 172, 201, 65);
  rgpDica = new GrupoRadio(QStringLiteral("Dica"),
                           {QStringLiteral("Usuário Solicita"), QStringLiteral("Nunca"),
                            QStringLiteral("Sempre"), QStringLiteral("Última Chance")},
                           2, this);
  rgpDica->setObjectName(QStringLiteral("rgpDica"));
  rgpDica->setGeometry(224, 172, 401, 65);

  chkRetorno = Marca(this, "chkRetorno", QStringLiteral("Permitir Consulta ao Texto (se houver)"), 8, 256);
  chkAvanco = Marca(this, "chkAvanco", QStringLiteral("Permitir Avançar antes do Término da Atividade"),
                    8, 284);
  chkSair = Marca(this, "chkSair", QStringLiteral("Permitir Sair antes do Término do Assunto"), 8, 312);
  chkAjuda = Marca(this, "chkAjuda", QStringLiteral("Permitir Ajuda (Caça-Palavras / Pal. Cruzadas)"),
                   320, 256);
  chkImprimir = Marca(this, "chkImprimir", QStringLiteral("Permitir Impressão (Texto para Estudo)"), 320, 284);
  chkAlfabeto = Marca(this, "chkAlfabeto", QStringLiteral("Exibir Alfabeto (Palavras Cruzadas)"), 320, 312);

  connect(cboTipo, &QComboBox::activated, this, [this](int tipo) {
    if (tipo != tipoListado_) cboTipoChange();
  });

  QWidget* ordem[] = {cboTipo,  cboArquivo, cboSom,      spnRodadas,  spnQuant,   spnPorcent,
                      rgpOrdem, rgpDica,    chkRetorno,  chkAvanco,   chkSair,    chkAjuda,
                      chkImprimir, chkAlfabeto, btnPrimeira, btnAnterior, btnProxima, btnUltima,
                      btnDeletar, btnInserir, btnSair};
  for (size_t i = 1; i < std::size(ordem); ++i) setTabOrder(ordem[i - 1], ordem[i]);

  HabilitaCampos();
  FormCreate();
}

void TfrmEditAst::Limpa() {
  cboTipo->setCurrentIndex(-1);
  tipoListado_ = -1;
  cboArquivo->clear();
  cboSom->clear();
  spnRodadas->setValue(5);
  spnQuant->setValue(5);
  spnPorcent->setValue(70);
  rgpOrdem->DefineItemIndex(0);
  rgpDica->DefineItemIndex(0);
  for (QCheckBox* c : {chkRetorno, chkAvanco, chkSair, chkAjuda, chkImprimir, chkAlfabeto})
    c->setChecked(true);
  HabilitaCampos();
}

void TfrmEditAst::ListaArquivos() {
  const int tipo = cboTipo->currentIndex();
  tipoListado_ = tipo;
  if (tipo < 0) {
    // With no kind there is nothing to choose from.
    cboArquivo->clear();
    return;
  }
  PreencheLista(cboArquivo, ListaPasta(DirAssunto, files::MascaraTipo(tipo)));
}

void TfrmEditAst::ListaSons() { PreencheLista(cboSom, ListaPasta(DirAssunto, QStringLiteral("*.wav;*.mid"))); }

void TfrmEditAst::HabilitaCampos() {
  const int k = cboTipo->currentIndex();
  const auto um = [k](std::initializer_list<int> tipos) {
    for (int t : tipos)
      if (t == k) return true;
    return false;
  };
  chkAvanco->setEnabled(k >= 3);
  chkRetorno->setEnabled(k >= 3);
  spnPorcent->setEnabled(k >= 3);
  lblPorcent->setEnabled(k >= 3);
  chkAjuda->setEnabled(k == 3 || k == 4);
  chkImprimir->setEnabled(k <= 1);
  chkAlfabeto->setEnabled(k == 4);
  spnRodadas->setEnabled(um({3, 4, 9, 11}));
  lblRodadas->setEnabled(spnRodadas->isEnabled());
  spnQuant->setEnabled((k >= 3 && k <= 8) || k == 10 || k == 12);
  lblQuant->setEnabled(spnQuant->isEnabled());
  rgpOrdem->setEnabled((k >= 5 && k <= 8) || k == 10 || k == 12);
  rgpDica->setEnabled(k == 5 || k == 6);

  QString quant = QStringLiteral("Quantidade de Palavras");
  if (k == 3 || k == 4) quant = QStringLiteral("Quantidade Máxima de Palavras");
  else if (k == 7) quant = QStringLiteral("Quantidade de Frases");
  else if (k == 8 || k == 12) quant = QStringLiteral("Quantidade de Testes");
  else if (k == 10) quant = QStringLiteral("Quantidade de Atividades");
  lblQuant->setText(quant);
  lblQuant->adjustSize();
}

void TfrmEditAst::cboTipoChange() {
  ListaArquivos();
  ListaSons();
  HabilitaCampos();
}

bool TfrmEditAst::Valida() {
  if (cboTipo->currentIndex() < 0) {
    Aviso(QStringLiteral("O campo \"Tipo\" está vazio !"));
    cboTipo->setFocus();
    return false;
  }
  if (cboArquivo->currentIndex() <= 0) {
    // Only a warning: the page is stored without a file.
    Aviso(QStringLiteral("O campo \"Arquivo\" não pode ficar vazio !"));
    cboArquivo->setFocus();
  }
  return true;
}

QByteArray TfrmEditAst::ParaRegistro() {
  files::RegPagina& r = AtividadeAtual;
  r = {};
  r.Tipo = cboTipo->currentIndex();
  r.Arquivo = EscolhidoNaLista(cboArquivo);
  r.Som = EscolhidoNaLista(cboSom);
  r.Rodadas = spnRodadas->value();
  r.Quant = spnQuant->value();
  r.Porcent = spnPorcent->value();
  r.Ordem = rgpOrdem->ItemIndex();
  r.Dica = rgpDica->ItemIndex();
  r.Retorno = chkRetorno->isChecked();
  r.Avanco = chkAvanco->isChecked();
  r.Sair = chkSair->isChecked();
  r.Ajuda = chkAjuda->isChecked();
  r.Imprimir = chkImprimir->isChecked();
  r.Alfabeto = chkAlfabeto->isChecked();
  r.Prepara();
  return r.ParaBytes();
}

void TfrmEditAst::DoRegistro(const QByteArray& bytes) {
  const files::RegPagina& r = AtividadeAtual = files::RegPagina::DeBytes(bytes);
  cboTipo->setCurrentIndex(r.Tipo >= 0 && r.Tipo < files::kNumTipos ? r.Tipo : -1);
  ListaArquivos();
  EscolheNaLista(cboArquivo, r.Arquivo);
  ListaSons();
  EscolheNaLista(cboSom, r.Som);
  spnRodadas->setValue(r.Rodadas);
  spnQuant->setValue(r.Quant);
  spnPorcent->setValue(r.Porcent);
  // The player reads any order but 0 as random, and a hint mode it does not
  // know as the first one; the groups show what the player will do.
  rgpOrdem->DefineItemIndex(r.Ordem != 0 ? 1 : 0);
  rgpDica->DefineItemIndex(r.Dica >= 0 && r.Dica < rgpDica->Quantidade() ? r.Dica : 0);
  chkRetorno->setChecked(r.Retorno);
  chkAvanco->setChecked(r.Avanco);
  chkSair->setChecked(r.Sair);
  chkAjuda->setChecked(r.Ajuda);
  chkImprimir->setChecked(r.Imprimir);
  chkAlfabeto->setChecked(r.Alfabeto);
  HabilitaCampos();
}

}  // namespace pravo
