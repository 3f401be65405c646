#include "player/senha.h"

#include <QTest>
#include <gtest/gtest.h>

#include "apoio_jogador.h"

namespace {

using zelmo::TfrmSenha;

class SenhaTeste : public ::testing::Test {
 protected:
  SenhaTeste() { apoio::Aplicacao(); platform::DefineTela({1024, 768, 96}); }
  ~SenhaTeste() override { platform::UsaTelaReal(); }
};

struct CasoVazio {
  const char* nome;
  const char* identificacao;
  const char* mensagem;
  bool focoNoNome;
};

void PrintTo(const CasoVazio& c, std::ostream* os) {
  *os << "\"" << c.nome << "\" / \"" << c.identificacao << "\"";
}

std::string NomeDoCaso(const ::testing::TestParamInfo<CasoVazio>& info) {
  static const char* const nomes[] = {"NomeVazio", "NomeDeBrancos", "NomeDeTabEBrancos",
                                      "IdentificacaoVazia", "IdentificacaoDeBrancos"};
  return nomes[info.index];
}

class CampoVazioTeste : public SenhaTeste, public ::testing::WithParamInterface<CasoVazio> {};

TEST_P(CampoVazioTeste, RecusaComAMensagemEOFocoNoCampo) {
  const CasoVazio& c = GetParam();
  TfrmSenha senha;
  senha.edtNome->setText(QString::fromUtf8(c.nome));
  senha.edtSenha->setText(QString::fromUtf8(c.identificacao));
  apoio::Mensagem vista;
  apoio::RespondeMensagem(QMessageBox::Ok, &vista);
  senha.btnOKClick();
  EXPECT_EQ(vista.texto, QString::fromUtf8(c.mensagem));
  EXPECT_EQ(vista.titulo, QString::fromUtf8("Atenção !"));
  EXPECT_EQ(vista.botoes, QMessageBox::Ok);
  EXPECT_FALSE(senha.Passou());
  EXPECT_EQ(senha.focusWidget(), c.focoNoNome ? senha.edtNome : senha.edtSenha);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CampoVazioTeste,
    ::testing::Values(
        CasoVazio{"", "123", "O campo Nome não pode ficar vazio", true},
        CasoVazio{"   ", "123", "O campo Nome não pode ficar vazio", true},
        CasoVazio{"\t ", "", "O campo Nome não pode ficar vazio", true},
        CasoVazio{"Ana", "", "O campo Identificação não pode ficar vazio", false},
        CasoVazio{"Ana", "  ", "O campo Identificação não pode ficar vazio", false}),
    NomeDoCaso);

TEST_F(SenhaTeste, EnterNoNomeSoPassaAIdentificacao) {
  TfrmSenha senha;
  senha.edtNome->setFocus();
  QTest::keyClick(senha.edtNome, Qt::Key_Return);
  EXPECT_EQ(senha.focusWidget(), senha.edtSenha);
  EXPECT_FALSE(senha.Passou());
  // Nothing was submitted: no message came up for the empty identification.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(SenhaTeste, EnterNaIdentificacaoEnvia) {
  TfrmSenha senha;
  int resultado = -1;
  QTimer::singleShot(0, [&] {
    QTest::keyClicks(senha.edtNome, "Ana");
    QTest::keyClick(senha.edtNome, Qt::Key_Enter);
    QTest::keyClicks(senha.edtSenha, "7B");
    QTest::keyClick(senha.edtSenha, Qt::Key_Return);
  });
  resultado = senha.exec();
  EXPECT_EQ(resultado, 1);
  EXPECT_TRUE(senha.Passou());
  // The texts go as typed into the report header.
  EXPECT_EQ(senha.edtNome->text(), "Ana");
  EXPECT_EQ(senha.edtSenha->text(), "7B");
}

TEST_F(SenhaTeste, NaoFechaDeOutroJeitoAntesDeUmOKValido) {
  TfrmSenha senha;
  senha.show();
  EXPECT_FALSE(senha.close());
  QTest::keyClick(&senha, Qt::Key_Escape);
  senha.reject();
  EXPECT_TRUE(senha.isVisible());
  senha.edtNome->setText("  Ana ");
  senha.edtSenha->setText("1");
  senha.btnOKClick();
  EXPECT_TRUE(senha.Passou());
  EXPECT_FALSE(senha.isVisible());
  EXPECT_EQ(senha.result(), 1);
}

TEST_F(SenhaTeste, DesenhoDaJanela) {
  platform::DefineTela({1280, 1024, 120});  // small-window rule: x 2
  TfrmSenha senha;
  EXPECT_EQ(senha.size(), QSize(520, 308));
  EXPECT_EQ(senha.windowTitle(), "Zelmo II");
  EXPECT_EQ(senha.edtNome->geometry(), QRect(32, 64, 450, 46));
  EXPECT_EQ(senha.edtSenha->geometry(), QRect(32, 160, 450, 46));
  EXPECT_EQ(senha.btnOK->geometry(), QRect(176, 232, 150, 50));
  EXPECT_EQ(senha.Label1->text(), "Nome:");
  EXPECT_EQ(senha.Label2->text(), QString::fromUtf8("Identificação"));
  EXPECT_EQ(senha.Label1->font().pixelSize(), 34);
  EXPECT_TRUE(senha.edtNome->text().isEmpty());
  EXPECT_TRUE(senha.edtSenha->isEnabled());
  EXPECT_FALSE(senha.btnOK->icon().isNull());
  EXPECT_EQ(senha.pos(), QPoint((1280 - 520) / 2, (1024 - 308) / 2));
}

}  // namespace
