// The HTML-tests editor: the blank record, Valida's three tests, the
// preview, a stored letter beyond the group and a stored page missing from
// the folder, and the road to the player: the letter the teacher chose is
// the right one.
#include <QComboBox>
#include <QRadioButton>

#include "activities/teste_html_apoio.h"
#include "authoring/editors/testes2.h"
#include "comum.h"
#include "jogador.h"
#include "platform/navegador.h"
#include "player/activities/teste_html.h"
#include "player/global.h"
#include "windows/activities/apoio_atividades.h"

namespace {

using apoio::TesteHTML;
using files::RegTesteHTML;
using pravo::TfrmEditTsh;

QString U(const char* s) { return QString::fromUtf8(s); }


class EditTshTeste : public teste::EditoresTeste {
 protected:
  void SetUp() override {
    EditoresTeste::SetUp();
    pasta.Escreve("branco.htm", "<html><body></body></html>");
    pravo::DirTesteHTML = pravo::DirAssunto;
    pravo::ArqTesteHTML = Caminho(QStringLiteral("t.tsh"));
    for (const char* q : {"q1.htm", "Q2.html", "q3.htm"}) Cria(QString::fromLatin1(q), "<html><body>?</body></html>");
    frm = Editor<TfrmEditTsh>("TfrmEditTsh");
    ASSERT_NE(frm, nullptr);
  }
  void TearDown() override {
    if (frm && frm->isVisible()) frm->QDialog::hide();
    EditoresTeste::TearDown();
  }
  void Escolhe(const QString& nome) {
    const int i = frm->cboArquivo->findText(nome);
    ASSERT_GT(i, 0) << nome.toStdString();
    frm->cboArquivo->setCurrentIndex(i);
    emit frm->cboArquivo->activated(i);
  }
  std::vector<QString> Valida(bool* ok) {
    return teste::Textos(respondedor.Roda([&] { *ok = frm->Valida(); }));
  }
  std::vector<RegTesteHTML> Gravados() { return teste::Registros<RegTesteHTML>(pravo::ArqTesteHTML); }
  QUrl Url(const QString& nome) const { return QUrl::fromLocalFile(pasta.caminho() + nome); }

  TfrmEditTsh* frm = nullptr;
};

const char* kVazio = "O campo \"Arquivo\" não pode ficar vazio !";
const char* kQuantidade = "O campo \"Quantidade de Alternativas\"\nnão está de acordo com a Alternativa Correta !";
const char* kRepetido = "O mesmo \"Arquivo\" não pode se utlizado em mais de um teste !";

TEST_F(EditTshTeste, ANewFileGetsTheBlankTestAndThePagesAreListed) {
  frm->show();
  EXPECT_EQ(frm->windowTitle(), "Editor de Arquivo de Testes - t.tsh");
  EXPECT_EQ(frm->lblPagina->text(), "Teste 1 de 1");
  EXPECT_EQ(frm->cboArquivo->count(), 4);
  EXPECT_EQ(frm->cboArquivo->itemText(0), " nenhum ");
  EXPECT_EQ(frm->cboArquivo->itemText(2), "Q2.html");
  EXPECT_EQ(frm->cboArquivo->currentIndex(), -1);
  EXPECT_EQ(frm->rdgCorreta->ItemIndex(), 0);
  EXPECT_EQ(frm->WebBrowser1->endereco(), Url("branco.htm"));
  EXPECT_EQ(Gravados().at(0), TesteHTML("", 5, 0));
  // Choosing a page shows it; typing a name stores nothing.
  Escolhe("q3.htm");
  EXPECT_EQ(frm->WebBrowser1->endereco(), Url("assunto/q3.htm"));
  frm->cboArquivo->setEditText("q1.htm");
  bool ok = false;
  EXPECT_EQ(Valida(&ok), std::vector<QString>{U(kVazio)});
  EXPECT_TRUE(ok);
}

TEST_F(EditTshTeste, ValidaRunsAllItsTests) {
  Cria("t.tsh", teste::Arquivo({TesteHTML("q1.htm", 4, 0).ParaBytes(), TesteHTML("", 5, 0).ParaBytes(),
                                TesteHTML("q3.htm", 5, 1).ParaBytes()}));
  frm->show();
  struct Caso {
    const char* pagina;  // "" : " nenhum "
    int alternativas, correta;
    std::vector<const char*> mensagens;
    bool aceito;
  } casos[] = {
      {"Q2.html", 4, 3, {}, true},
      {"Q2.html", 3, 3, {kQuantidade}, false},
      {"q3.htm", 5, 0, {kRepetido}, false},
      // The empty page of another record repeats an empty one.
      {"", 3, 4, {kVazio, kQuantidade, kRepetido}, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.pagina);
    if (*c.pagina) Escolhe(QString::fromLatin1(c.pagina));
    else {
      frm->cboArquivo->setCurrentIndex(0);
      emit frm->cboArquivo->activated(0);
    }
    frm->SpnQuant->setValue(c.alternativas);
    frm->rdgCorreta->DefineItemIndex(c.correta);
    bool ok = !c.aceito;
    std::vector<QString> esperadas;
    for (const char* m : c.mensagens) esperadas.push_back(U(m));
    EXPECT_EQ(Valida(&ok), esperadas);
    EXPECT_EQ(ok, c.aceito);
    EXPECT_EQ(frm->focusWidget(), c.mensagens.empty() ? frm->focusWidget() : frm->cboArquivo);
  }
  // The record in hand is untouched by reading the others.
  EXPECT_EQ(frm->rdgCorreta->ItemIndex(), 4);
}

TEST_F(EditTshTeste, StoredValuesTheGroupCannotShowAreNotRewritten) {
  Cria("t.tsh", teste::Arquivo({TesteHTML("sumiu.htm", 3, 7).ParaBytes(), TesteHTML("q1.htm", 2, 1).ParaBytes()}));
  frm->show();
  // The missing page is kept, shown in the edit field; no letter is chosen.
  EXPECT_EQ(frm->cboArquivo->currentIndex(), -1);
  EXPECT_EQ(frm->cboArquivo->currentText(), "sumiu.htm");
  EXPECT_EQ(frm->rdgCorreta->ItemIndex(), -1);
  EXPECT_EQ(frm->WebBrowser1->endereco(), Url("branco.htm"));
  auto caixas = respondedor.Roda([&] { frm->btnProxima->click(); });
  EXPECT_EQ(teste::Textos(caixas), std::vector<QString>{U(kQuantidade)});
  EXPECT_EQ(frm->lblPagina->text(), "Teste 1 de 2");
  frm->rdgCorreta->DefineItemIndex(2);
  caixas = respondedor.Roda([&] { frm->btnProxima->click(); });
  EXPECT_TRUE(caixas.empty());
  EXPECT_EQ(frm->WebBrowser1->endereco(), Url("assunto/q1.htm"));
  EXPECT_EQ(Gravados().at(0), TesteHTML("sumiu.htm", 3, 2));
}

TEST_F(EditTshTeste, TheLetterTheTeacherChoseIsTheRightOne) {
  frm->show();
  Escolhe("q1.htm");
  frm->SpnQuant->setValue(4);
  frm->rdgCorreta->DefineItemIndex(3);
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), "Teste 2 de 2");
  Escolhe("Q2.html");
  frm->SpnQuant->setValue(2);
  frm->rdgCorreta->DefineItemIndex(1);
  respondedor.Roda([&] { frm->btnSair->click(); });
  ASSERT_FALSE(frm->isVisible());

  apoio::RelogioFalso relogio;
  teste::PaginaNoJogador(files::kTestesHTML, "t.tsh", &relogio);
  apoio::Respondedor respostas;
  {
    zelmo::TfrmTesteHTML j;
    j.show();
    j.FormActivate();
    EXPECT_EQ(j.RadioGroup1->Quantidade(), 4);
    j.RadioGroup1->DefineItemIndex(3);
    j.btnProntoClick();
    EXPECT_EQ(j.lblRodada->text(), "Teste 2 de 2");
    EXPECT_EQ(j.RadioGroup1->Quantidade(), 2);
    j.RadioGroup1->DefineItemIndex(0);
    j.btnProntoClick();
    EXPECT_EQ(zelmo::ListaErros, QStringList{"Q2.html - Alternativa escolhida: a"});
    j.RadioGroup1->DefineItemIndex(1);
    j.btnProntoClick();
    EXPECT_EQ(j.result(), 1);
  }
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(2, 1), QStringList{"Quantidade de Testes: 2 - Acertos: 2 - Erros: 1"});
  zelmo::ReiniciaGlobais();
}

}  // namespace
