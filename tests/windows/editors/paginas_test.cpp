// The page-list editor: the kind and its file lists, the fields each kind
// enables, the re-selection of a stored name, and its Valida.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "authoring/editors/paginas.h"
#include "files/codigo.h"
#include "comum.h"

namespace {

using teste::EditoresTeste;

class PaginasTeste : public EditoresTeste {
 protected:
  void Grava(const std::vector<files::RegPagina>& paginas) {
    std::vector<QByteArray> b;
    for (files::RegPagina p : paginas) {
      p.Prepara();
      b.push_back(p.ParaBytes());
    }
    Cria(QStringLiteral("assunto.ast"), teste::Arquivo(b));
  }
  pravo::TfrmEditAst* Abre() {
    auto* frm = Editor<pravo::TfrmEditAst>("TfrmEditAst");
    frm->show();
    return frm;
  }
  // The author picks a kind from the list.
  static void EscolheTipo(pravo::TfrmEditAst* frm, int tipo) {
    frm->cboTipo->setCurrentIndex(tipo);
    emit frm->cboTipo->activated(tipo);
  }
  static QStringList Entradas(const QComboBox* c) {
    QStringList r;
    for (int i = 0; i < c->count(); ++i) r << c->itemText(i);
    return r;
  }
  std::vector<files::RegPagina> Paginas() { return teste::Registros<files::RegPagina>(pravo::ArqAssunto); }
};

TEST_F(PaginasTeste, UmaPaginaEmBrancoSoEGravadaDepoisDeGanharUmTipo) {
  auto* frm = Abre();
  EXPECT_EQ(frm->cboTipo->currentIndex(), -1);
  EXPECT_EQ(frm->cboArquivo->count(), 0);
  for (QPushButton* b : {frm->btnProxima, frm->btnInserir, frm->btnSair}) {
    const auto caixas = respondedor.Roda([&] { b->click(); });
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, QStringLiteral("O campo \"Tipo\" está vazio !"));
    EXPECT_EQ(frm->focusWidget(), frm->cboTipo);
  }
  EXPECT_TRUE(frm->isVisible());
  // "Deletar" takes it without a test, and a new blank page takes its place.
  EXPECT_TRUE(respondedor.Roda([&] { frm->btnDeletar->click(); }).empty());
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Página 1 de 1"));

  // A new subject holds no data file yet: the page is stored after the
  // warning, without a file, and the editor closes.
  EscolheTipo(frm, files::kForca);
  EXPECT_EQ(teste::Textos(respondedor.Roda([&] { frm->btnSair->click(); })),
            (std::vector<QString>{QStringLiteral("O campo \"Arquivo\" não pode ficar vazio !")}));
  EXPECT_FALSE(frm->isVisible());
  const auto paginas = Paginas();
  ASSERT_EQ(paginas.size(), 1u);
  EXPECT_EQ(paginas[0].Tipo, files::kForca);
  EXPECT_TRUE(paginas[0].Arquivo.isEmpty());
  EXPECT_TRUE(paginas[0].Verifica());
}

TEST_F(PaginasTeste, UmNomeGravadoEReescolhidoSemDiferencaDeMaiusculas) {
  Cria(QStringLiteral("lista1.plv"));
  Cria(QStringLiteral("outra.plv"));
  Cria(QStringLiteral("Fundo.WAV"));
  Cria(QStringLiteral("texto.rtf"));
  files::RegPagina p;
  p.Tipo = files::kForca;
  p.Arquivo = QStringLiteral("Lista1.plv");
  p.Som = QStringLiteral("fundo.wav");
  Grava({p});
  auto* frm = Abre();
  EXPECT_EQ(Entradas(frm->cboArquivo), (QStringList{" nenhum ", "lista1.plv", "outra.plv"}));
  EXPECT_EQ(frm->cboArquivo->currentText(), QStringLiteral("lista1.plv"));
  EXPECT_EQ(frm->cboSom->currentText(), QStringLiteral("Fundo.WAV"));
  EXPECT_TRUE(respondedor.Roda([&] { frm->close(); }).empty());
  const auto paginas = Paginas();
  EXPECT_EQ(paginas[0].Arquivo, QStringLiteral("lista1.plv"));
  EXPECT_EQ(paginas[0].Som, QStringLiteral("Fundo.WAV"));
  EXPECT_EQ(paginas[0].Codigo, files::CodigoPalavra(QStringLiteral("lista1.plv")));
}

TEST_F(PaginasTeste, DeDuasEntradasIguaisSemDiferencaDeMaiusculasFicaAUltima) {
  Cria(QStringLiteral("LISTA.plv"));
  Cria(QStringLiteral("lista.plv"));
  files::RegPagina p;
  p.Tipo = files::kCacaPalavras;
  p.Arquivo = QStringLiteral("Lista.plv");
  Grava({p});
  auto* frm = Abre();
  ASSERT_EQ(frm->cboArquivo->count(), 3);
  EXPECT_EQ(frm->cboArquivo->currentIndex(), 2);
}

TEST_F(PaginasTeste, UmArquivoQueSumiuDaPastaAparecesSemEscolhaEAvisaAoSair) {
  files::RegPagina p;
  p.Tipo = files::kTestes;
  p.Arquivo = QStringLiteral("sumiu.tst");
  Grava({p, p});
  auto* frm = Abre();
  EXPECT_EQ(frm->cboArquivo->currentIndex(), -1);
  const auto caixas = respondedor.Roda([&] { frm->btnProxima->click(); });
  ASSERT_EQ(caixas.size(), 1u);
  EXPECT_EQ(caixas[0].texto, QStringLiteral("O campo \"Arquivo\" não pode ficar vazio !"));
  // The page passes: the move happened, the page lost its file, and the
  // focus stays where the warning put it.
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Página 2 de 2"));
  EXPECT_EQ(frm->focusWidget(), frm->cboArquivo);
  EXPECT_TRUE(Paginas()[0].Arquivo.isEmpty());
  EXPECT_TRUE(Paginas()[0].Codigo.isEmpty());
}

TEST_F(PaginasTeste, OutroTipoEsvaziaAsEscolhasDeArquivoESom) {
  Cria(QStringLiteral("palavras.plv"));
  Cria(QStringLiteral("frases.fse"));
  Cria(QStringLiteral("som.mid"));
  Cria(QStringLiteral("pagina.htm"));
  Cria(QStringLiteral("pagina2.html"));
  auto* frm = Abre();
  EscolheTipo(frm, files::kForca);
  EXPECT_EQ(Entradas(frm->cboArquivo), (QStringList{" nenhum ", "palavras.plv"}));
  EXPECT_EQ(Entradas(frm->cboSom), (QStringList{" nenhum ", "som.mid"}));
  frm->cboArquivo->setCurrentIndex(1);
  frm->cboSom->setCurrentIndex(1);
  EscolheTipo(frm, files::kFrases);
  EXPECT_EQ(Entradas(frm->cboArquivo), (QStringList{" nenhum ", "frases.fse"}));
  EXPECT_EQ(frm->cboArquivo->currentIndex(), -1);
  EXPECT_EQ(frm->cboSom->currentIndex(), -1);
  EscolheTipo(frm, files::kHTML);
  EXPECT_EQ(Entradas(frm->cboArquivo), (QStringList{" nenhum ", "pagina.htm", "pagina2.html"}));
  // " nenhum " stores no name.
  frm->cboArquivo->setCurrentIndex(0);
  EXPECT_EQ(teste::Textos(respondedor.Roda([&] { frm->close(); })).size(), 1u);
  EXPECT_TRUE(Paginas()[0].Arquivo.isEmpty());
}

TEST_F(PaginasTeste, CadaTipoHabilitaOsSeusCampos) {
  struct Caso {
    int tipo;
    const char* habilitados;  // R Q P O D a i l v r: rounds, quantity, percentage,
                              // order, hint, help, print, alphabet, advance, return
    const char* quant;
  };
  const Caso casos[] = {
      {-1, "      i   ", "Quantidade de Palavras"},
      {0, "      i   ", "Quantidade de Palavras"},
      {1, "      i   ", "Quantidade de Palavras"},
      {2, "          ", "Quantidade de Palavras"},
      {3, "RQP  a  vr", "Quantidade Máxima de Palavras"},
      {4, "RQP  a lvr", "Quantidade Máxima de Palavras"},
      {5, " QPOD   vr", "Quantidade de Palavras"},
      {6, " QPOD   vr", "Quantidade de Palavras"},
      {7, " QPO    vr", "Quantidade de Frases"},
      {8, " QPO    vr", "Quantidade de Testes"},
      {9, "R P     vr", "Quantidade de Palavras"},
      {10, " QPO    vr", "Quantidade de Atividades"},
      {11, "R P     vr", "Quantidade de Palavras"},
      {12, " QPO    vr", "Quantidade de Testes"},
  };
  auto* frm = Abre();
  for (const Caso& c : casos) {
    EscolheTipo(frm, c.tipo);
    const QWidget* campos[] = {frm->spnRodadas, frm->spnQuant,    frm->spnPorcent, frm->rgpOrdem,
                               frm->rgpDica,    frm->chkAjuda,    frm->chkImprimir, frm->chkAlfabeto,
                               frm->chkAvanco,  frm->chkRetorno};
    QString visto;
    for (const QWidget* w : campos) visto += w->isEnabled() ? QStringLiteral("x") : QStringLiteral(" ");
    QString esperado = QString::fromLatin1(c.habilitados);
    for (QChar& ch : esperado)
      if (ch != u' ') ch = u'x';
    EXPECT_EQ(visto, esperado) << "tipo " << c.tipo;
    EXPECT_EQ(frm->lblQuant->text(), QString::fromUtf8(c.quant)) << "tipo " << c.tipo;
    EXPECT_TRUE(frm->chkSair->isEnabled());
    EXPECT_TRUE(frm->cboArquivo->isEnabled() && frm->cboSom->isEnabled() && frm->cboTipo->isEnabled());
  }
}

TEST_F(PaginasTeste, OsCamposDesabilitadosGuardamOsSeusValores) {
  Cria(QStringLiteral("texto.rtf"));
  files::RegPagina p;
  p.Tipo = files::kCacaPalavras;
  p.Rodadas = 9;
  p.Quant = 12;
  p.Porcent = 55;
  p.Ordem = 1;
  p.Dica = 3;
  p.Ajuda = false;
  p.Alfabeto = false;
  Grava({p});
  auto* frm = Abre();
  EXPECT_EQ(frm->spnRodadas->value(), 9);
  EXPECT_EQ(frm->rgpDica->ItemIndex(), 3);
  EXPECT_EQ(frm->rgpOrdem->ItemIndex(), 1);
  EXPECT_FALSE(frm->chkAjuda->isChecked());
  EscolheTipo(frm, files::kTextoRTF);
  frm->cboArquivo->setCurrentIndex(1);
  respondedor.Roda([&] { frm->close(); });
  const files::RegPagina r = Paginas()[0];
  EXPECT_EQ(r.Tipo, files::kTextoRTF);
  EXPECT_EQ(r.Arquivo, QStringLiteral("texto.rtf"));
  EXPECT_EQ(r.Rodadas, 9);
  EXPECT_EQ(r.Quant, 12);
  EXPECT_EQ(r.Porcent, 55);
  EXPECT_EQ(r.Ordem, 1);
  EXPECT_EQ(r.Dica, 3);
  EXPECT_FALSE(r.Ajuda);
  EXPECT_FALSE(r.Alfabeto);
  EXPECT_TRUE(r.Sair && r.Retorno && r.Avanco && r.Imprimir);

  // A blank page stored as "Texto RTF" carries the defaults of the disabled fields.
  frm->show();
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  EscolheTipo(frm, files::kTextoRTF);
  frm->cboArquivo->setCurrentIndex(1);
  respondedor.Roda([&] { frm->close(); });
  const files::RegPagina n = Paginas()[1];
  EXPECT_EQ(n.Rodadas, 5);
  EXPECT_EQ(n.Quant, 5);
  EXPECT_EQ(n.Porcent, 70);
}

// ---- spin edits -----------------------------------------------------------------

TEST_F(PaginasTeste, UmSpinEditTrazOValorDigitadoParaDentroDosLimites) {
  struct Caso {
    int minimo, maximo;
    const char* digitado;
    int valor;
  };
  const Caso casos[] = {
      {1, 10, "50", 10}, {1, 10, "0", 1},  {1, 10, "-3", 1}, {1, 10, "7", 7},     {0, 100, "", 0},
      {1, 20, "-", 1},   {1, 20, "+", 1},  {1, 20, "4-", 1}, {1, 20, "99999999999", 1},
      {0, 100, "100", 100},
  };
  for (const Caso& c : casos) {
    pravo::SpinEdit spin(c.minimo, c.maximo, c.minimo + 1);
    QLineEdit* edit = spin.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText(QString::fromLatin1(c.digitado));
    // Read as typed, before the field is left.
    EXPECT_EQ(spin.value(), c.valor) << c.digitado;
    spin.interpretText();
    EXPECT_EQ(spin.value(), c.valor) << c.digitado;
    EXPECT_EQ(spin.text(), QString::number(c.valor)) << c.digitado;
  }
  // Letters cannot be typed at all.
  pravo::SpinEdit spin(1, 10, 5);
  spin.show();
  QLineEdit* edit = spin.findChild<QLineEdit*>();
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("a3b"));
  EXPECT_EQ(spin.text(), QStringLiteral("3"));
  // A value typed past the maximum is accepted while typing, brought down on leaving.
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("42"));
  EXPECT_EQ(edit->text(), QStringLiteral("42"));
  spin.interpretText();
  EXPECT_EQ(spin.text(), QStringLiteral("10"));
}

}  // namespace
