// The words, phrases and tests editors: each one's Valida, and what their
// fields store (texts as typed, cut to capacity, 500-character memos in two
// fields, line breaks as CR LF).
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "authoring/editors/frases.h"
#include "authoring/editors/palavras.h"
#include "authoring/editors/testes.h"
#include "comum.h"
#include "files/codigo.h"

namespace {

using teste::EditoresTeste;

// ---- Valida, a table per editor -------------------------------------------------

struct CasoValida {
  const char* nome;
  // The fields: word and hint, or the phrase/question and the four options.
  std::vector<const char*> campos;
  const char* mensagem;  // empty: passes
  const char* foco;      // the control at fault
};

class ValidaTeste : public EditoresTeste {
 protected:
  void SetUp() override {
    EditoresTeste::SetUp();
    pravo::ArqPalavras = Caminho(QStringLiteral("p.plv"));
    pravo::ArqFrases = Caminho(QStringLiteral("f.fse"));
    pravo::ArqTestes = Caminho(QStringLiteral("t.tst"));
  }
  // Fills an editor's fields, runs Valida and checks the message, the focus
  // and the answer.
  void Confere(pravo::EditorRegistros* frm, const std::vector<QWidget*>& controles, const CasoValida& c) {
    SCOPED_TRACE(c.nome);
    for (size_t i = 0; i < controles.size(); ++i) {
      const QString texto = QString::fromUtf8(i < c.campos.size() ? c.campos[i] : "");
      if (auto* e = qobject_cast<QLineEdit*>(controles[i])) e->setText(texto);
      if (auto* m = qobject_cast<pravo::Memo*>(controles[i])) m->DefineTexto(texto);
    }
    frm->btnSair->setFocus();
    bool ok = false;
    const auto caixas = respondedor.Roda([&] { ok = frm->Valida(); });
    if (*c.mensagem) {
      EXPECT_FALSE(ok);
      ASSERT_EQ(caixas.size(), 1u);
      EXPECT_EQ(caixas[0].texto, QString::fromUtf8(c.mensagem));
      EXPECT_EQ(caixas[0].titulo, QStringLiteral("Atenção !"));
      ASSERT_NE(frm->focusWidget(), nullptr);
      EXPECT_EQ(frm->focusWidget()->objectName(), QString::fromLatin1(c.foco));
    } else {
      EXPECT_TRUE(ok);
      EXPECT_TRUE(caixas.empty());
    }
  }
};

TEST_F(ValidaTeste, Palavras) {
  const char* vazia = "O campo \"Palavra\" está vazio !";
  const char* semDica = "O campo \"Dica\" está vazio !";
  const CasoValida casos[] = {
      {"completa", {"casa", "onde se mora"}, "", ""},
      {"espaço antes", {" casa", "onde se mora"}, "", ""},
      {"sem palavra", {"", "dica"}, vazia, "edtPalavra"},
      {"palavra em branco", {" \t ", "dica"}, vazia, "edtPalavra"},
      {"nada: a palavra primeiro", {"", ""}, vazia, "edtPalavra"},
      {"sem dica", {"casa", ""}, semDica, "memDica"},
      {"dica de quebras e brancos", {"casa", "\r\n  \r\n\t"}, semDica, "memDica"},
  };
  auto* frm = Editor<pravo::TfrmEditPal>("TfrmEditPal");
  frm->show();
  for (const CasoValida& c : casos) Confere(frm, {frm->edtPalavra, frm->memDica}, c);
}

TEST_F(ValidaTeste, Frases) {
  const char* lacunas =
      "A quantidade de lacunas na Frase é diferente da\nquantidade de opções de preenchimento.";
  const char* incorreta = "O campo \"Opção Incorreta\" está vazio !";
  const char* frase = "O céu é ___ e o mar é __ .";
  const CasoValida casos[] = {
      {"duas lacunas, dois itens", {frase, "azul;azul", "verde;azul", "azul;verde", "roxo;cinza"}, "", ""},
      {"uma opção de um item", {frase, "azul;azul", "verde;azul", "azul;verde", "roxo"}, lacunas, "memFrase"},
      {"sem sublinhado nunca passa", {"O céu é azul.", "a", "b", "c", "d"}, lacunas, "memFrase"},
      {"quatro sublinhados são uma lacuna", {"É ____ .", "a", "b", "c", "d"}, "", ""},
      {"separados por um branco são duas", {"É _ _ .", "a;b", "b;c", "c;d", "d;e"}, "", ""},
      {"em duas linhas são duas", {"É _\r\n_ .", "a;b", "b;c", "c;d", "d;e"}, "", ""},
      {"';' no fim faz um item vazio", {"É _ _ .", "a;", "b;c", "c;d", "d;e"}, "", ""},
      {"sem frase", {"  ", "a", "b", "c", "d"}, "O campo \"Frase\" está vazio !", "memFrase"},
      {"sem correta", {"É _ .", "\r\n", "b", "c", "d"}, "O campo \"Opção Correta\" está vazio !",
       "memCorreta"},
      {"sem a primeira incorreta", {"É _ .", "a", "", "c", "d"}, incorreta, "memErrada1"},
      {"sem a segunda incorreta", {"É _ .", "a", "b", " ", "d"}, incorreta, "memErrada2"},
      {"sem a terceira incorreta", {"É _ .", "a", "b", "c", ""}, incorreta, "memErrada3"},
      {"as vazias antes das lacunas", {"Sem lacuna", "a", "", "", ""}, incorreta, "memErrada1"},
  };
  auto* frm = Editor<pravo::TfrmEditFra>("TfrmEditFra");
  frm->show();
  for (const CasoValida& c : casos)
    Confere(frm, {frm->memFrase, frm->memCorreta, frm->memErrada1, frm->memErrada2, frm->memErrada3}, c);
}

TEST_F(ValidaTeste, Testes) {
  const CasoValida casos[] = {
      {"completo", {"Quanto é 2 + 2?", "4", "3", "5", "22"}, "", ""},
      {"sem erradas", {"Quanto é 2 + 2?", "4", "", "", ""}, "", ""},
      {"sem pergunta", {"\r\n", "4"}, "O campo \"Teste\" está vazio !", "memTeste"},
      {"sem resposta", {"Quanto é 2 + 2?", "  "}, "O campo \"Opção Correta\" está vazio !", "memCorreta"},
  };
  auto* frm = Editor<pravo::TfrmEditTst>("TfrmEditTst");
  frm->show();
  for (const CasoValida& c : casos)
    Confere(frm, {frm->memTeste, frm->memCorreta, frm->memErrada1, frm->memErrada2, frm->memErrada3}, c);
}

// ---- what the fields store ------------------------------------------------------

class CamposTeste : public EditoresTeste {};

TEST_F(CamposTeste, APalavraEGravadaComoDigitadaEADicaEmDuasPartes) {
  pravo::ArqPalavras = Caminho(QStringLiteral("p.plv"));
  auto* frm = Editor<pravo::TfrmEditPal>("TfrmEditPal");
  frm->show();
  struct Caso {
    QString palavra, dica;
    QString guardada, dica1, dica2;
  };
  const QString d250(250, u'a');
  const Caso casos[] = {
      {" Casa", "onde\nse mora", " Casa", "onde\r\nse mora", ""},
      {QString(20, u'x'), d250, QString(20, u'x'), d250, ""},
      {"ave", d250 + "b", "ave", d250, "b"},
      {"ação", QString(499, u'c') + "d", "ação", QString(250, u'c'), QString(249, u'c') + "d"},
  };
  teste::Respondedor depois(1);
  for (const Caso& c : casos) {
    frm->edtPalavra->setText(c.palavra);
    frm->memDica->setPlainText(c.dica);
    const qint64 aqui = frm->RegistroAtual();
    // Inserting stores the record; deleting the new blank one shows it again.
    depois.Roda([&] { frm->btnInserir->click(); });
    const files::RegPalavra r = teste::Registros<files::RegPalavra>(pravo::ArqPalavras)[aqui - 1];
    EXPECT_EQ(r.Palavra, c.guardada);
    EXPECT_EQ(r.Dica1, c.dica1);
    EXPECT_EQ(r.Dica2, c.dica2);
    EXPECT_EQ(r.Codigo, files::CodigoPalavra(c.guardada));
    EXPECT_TRUE(r.Verifica());
    // Shown again joined, with the break as typed.
    frm->btnDeletar->click();
    EXPECT_EQ(frm->RegistroAtual(), aqui);
    EXPECT_EQ(frm->edtPalavra->text(), c.guardada);
    EXPECT_EQ(frm->memDica->Texto(), c.dica1 + c.dica2);
  }
  // The edit takes no more than 20 characters.
  frm->edtPalavra->clear();
  QTest::keyClicks(frm->edtPalavra, QString(25, u'y'));
  EXPECT_EQ(frm->edtPalavra->text(), QString(20, u'y'));
}

TEST_F(CamposTeste, AsFrasesEOsTestesGuardamOsTextosComoDigitados) {
  pravo::ArqFrases = Caminho(QStringLiteral("f.fse"));
  auto* frm = Editor<pravo::TfrmEditFra>("TfrmEditFra");
  frm->show();
  const QString frase = QStringLiteral("  Uma ") + QString(300, u'_') + QStringLiteral(" lacuna\n");
  frm->memFrase->setPlainText(frase);
  frm->memCorreta->setPlainText(QStringLiteral(" certa "));
  frm->memErrada1->setPlainText(QStringLiteral("um\ndois"));
  frm->memErrada2->setPlainText(QStringLiteral("b"));
  frm->memErrada3->setPlainText(QStringLiteral("c"));
  respondedor.Roda([&] { frm->close(); });
  EXPECT_FALSE(frm->isVisible());
  const files::RegFrase r = teste::Registros<files::RegFrase>(pravo::ArqFrases)[0];
  QString guardada = frase;
  guardada.replace(u'\n', QStringLiteral("\r\n"));
  EXPECT_EQ(r.Texto1, guardada.left(250));
  EXPECT_EQ(r.Texto2, guardada.mid(250));
  EXPECT_EQ(r.Correta, QStringLiteral(" certa "));
  EXPECT_EQ(r.Errada1, QStringLiteral("um\r\ndois"));
  EXPECT_EQ(r.Codigo, files::CodigoPalavra(r.Texto1));

  // The tests editor stores a test whose wrong answers are all empty.
  pravo::ArqTestes = Caminho(QStringLiteral("t.tst"));
  auto* tst = Editor<pravo::TfrmEditTst>("TfrmEditTst");
  tst->show();
  EXPECT_EQ(tst->windowTitle(), QStringLiteral("Editor de Arquivo de Testes - t.tst"));
  EXPECT_EQ(tst->lblPagina->text(), QStringLiteral("Teste 1 de 1"));
  tst->memTeste->setPlainText(QStringLiteral("Quanto é 2 + 2?"));
  tst->memCorreta->setPlainText(QStringLiteral("4"));
  respondedor.Roda([&] { tst->close(); });
  const files::RegFrase t = teste::Registros<files::RegFrase>(pravo::ArqTestes)[0];
  EXPECT_EQ(t.Texto1, QStringLiteral("Quanto é 2 + 2?"));
  EXPECT_TRUE(t.Errada1.isEmpty() && t.Errada2.isEmpty() && t.Errada3.isEmpty());
  EXPECT_TRUE(t.Verifica());
}

// ---- the memo -------------------------------------------------------------------

TEST(Memo, UmaQuebraDeLinhaContaDoisCaracteres) {
  apoio::Aplicacao();
  pravo::Memo memo(10);
  memo.show();
  QTest::keyClicks(&memo, QStringLiteral("abcd"));
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClicks(&memo, QStringLiteral("efghij"));
  // 4 + 2 + 4 = 10: the last two letters do not fit.
  EXPECT_EQ(memo.Texto(), QStringLiteral("abcd\r\nefgh"));
  // A break that no longer fits is refused too.
  QTest::keyClick(&memo, Qt::Key_Return);
  EXPECT_EQ(memo.Texto(), QStringLiteral("abcd\r\nefgh"));

  // A paste keeps what fits.
  memo.clear();
  memo.insertPlainText(QStringLiteral("1\n2\n3\n4\n5\n6"));
  EXPECT_EQ(memo.Texto(), QStringLiteral("1\r\n2\r\n3\r\n4"));
  EXPECT_EQ(pravo::Memo::Comprimento(memo.toPlainText()), 10);

  // A stored text comes back with its breaks, whichever way they were written.
  memo.DefineTexto(QStringLiteral("ab\r\ncd\ref"));
  EXPECT_EQ(memo.Texto(), QStringLiteral("ab\r\ncd\r\nef"));
  memo.DefineTexto(QStringLiteral("abc\r\ndef\r\ngh"));
  EXPECT_EQ(memo.Texto(), QStringLiteral("abc\r\ndef\r\n"));
}

}  // namespace
