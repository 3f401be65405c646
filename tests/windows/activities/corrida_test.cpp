// An activity inside a whole run: a words file that fails ends the program,
// and the report still holds the blocks of the activities played before.
#include <QLineEdit>

#include "apoio_atividades.h"
#include "player/activities/atividades.h"
#include "player/atividade.h"
#include "player/principal.h"
#include "player/senha.h"
#include "player/splash.h"

namespace {

using apoio::Palavra;

files::RegPagina PaginaDoAssunto(int tipo, const QString& arquivo) {
  files::RegPagina p;
  p.Tipo = tipo;
  p.Arquivo = arquivo;
  p.Porcent = 0;
  p.Prepara();
  return p;
}

class CorridaTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    zelmo::RemoveJanelas();
    zelmo::RegistraAtividades();
    zelmo::PastaDoPrograma = pasta.caminho();
    zelmo::TfrmSplash::DefineIntervalo(0);
    files::RegConfig c;
    c.NomeAssunto = "Biologia";
    c.NomeRelatorio = "Turma A";
    c.Prepara();
    pasta.Escreve("Zelmo2.cfg", c.ParaBytes());
    // The login is filled in; each activity is left at once with Próxima.
    respostas.outra = [](QWidget* w) {
      if (auto* senha = qobject_cast<zelmo::TfrmSenha*>(w)) {
        senha->edtNome->setText("Ana");
        senha->edtSenha->setText("7B");
        senha->btnOK->click();
      } else if (auto* a = qobject_cast<zelmo::TfrmAtividade*>(w);
                 a && a->ativada() && a->btnProxima->isEnabled()) {
        QTimer::singleShot(0, a, [a] { a->btnProxima->click(); });
      }
    };
  }
  void TearDown() override {
    zelmo::RemoveJanelas();
    zelmo::PastaDoPrograma.clear();
    zelmo::TfrmSplash::DefineIntervalo(1000);
    AtividadeTeste::TearDown();
  }
  void Assunto(const QList<files::RegPagina>& paginas) {
    QByteArray b;
    for (const auto& p : paginas) b += p.ParaBytes();
    pasta.Escreve("Biologia/Biologia.ast", b);
  }
  QStringList Relatorio() const {
    return QString::fromLatin1(pasta.Le("Biologia/Turma A.rel")).split('\n');
  }
};

TEST_F(CorridaTeste, AMissingWordsFileEndsTheRunAndTheReportKeepsTheEarlierBlock) {
  pasta.Escreve("Biologia/coracao.plv", Palavra("aorta").ParaBytes() + Palavra("veia").ParaBytes());
  Assunto({PaginaDoAssunto(5, "coracao.plv"), PaginaDoAssunto(6, "falta.plv"), PaginaDoAssunto(5, "coracao.plv")});
  zelmo::TfrmMain principal;
  principal.FormActivate();
  ASSERT_EQ(respostas.caixas.size(), 1);
  EXPECT_EQ(respostas.caixas[0].texto, QString::fromUtf8("Arquivo de Palavras não encontrado !"));
  EXPECT_EQ(respostas.caixas[0].titulo, "Zelmo II");
  const QStringList linhas = Relatorio();
  ASSERT_EQ(linhas.size(), 8) << linhas.join("|").toStdString();
  EXPECT_EQ(linhas[0], QString(76, '*'));
  EXPECT_TRUE(linhas[1].startsWith("Ana  -  7B - "));
  EXPECT_EQ(linhas.mid(2), (QStringList{"", "*** JOGO DA FORCA ***",
                                        "Quantidade de Palavras: 2 - Palavras Corretas: 0 - Palavras Erradas: 0 - "
                                        "Consultas: 0",
                                        QString::fromUtf8("Resolução: 0 % - Não Pediu Dica"), "", ""}));
}

}  // namespace
