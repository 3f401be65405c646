// The road back and forth between the two programs through their files: the
// configuration the teacher's dialog writes is the one the player starts
// from, the player's report writer appends runs to the report there, and
// "Ver Relatórios" opens that very file and shows the runs line for line.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "authoring/arquivo.h"
#include "authoring/config.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/principal.h"
#include "authoring/rel.h"
#include "files/pastas.h"
#include "player/global.h"
#include "player/principal.h"
#include "player/relatorio.h"
#include "player/senha.h"
#include "player/servicos.h"
#include "support/relogio_falso.h"
#include "windows/authoring/apoio_autoria.h"

namespace {

using teste::QuandoAbrir;

// Both programs in one program folder: the authoring program as its spine
// tests set it up, the player as its main window sets itself up there, with
// a login and a clock of the test's own.
class EntreProgramas : public teste::ProgramaTeste {
 protected:
  void SetUp() override {
    ProgramaTeste::SetUp();
    zelmo::ReiniciaGlobais();
    zelmo::DirPrograma = files::DirProgramaDe(pasta.caminho());
    zelmo::ArqConfig = files::ArqConfigDe(zelmo::DirPrograma);
    zelmo::Relogio = &relogio;
    senha_ = new zelmo::TfrmSenha;
    zelmo::frmSenha = senha_;
  }
  void TearDown() override {
    zelmo::frmSenha = nullptr;
    delete senha_;
    zelmo::ReiniciaGlobais();
    ProgramaTeste::TearDown();
  }

  // One student's run as the player ends it: the login as typed, the
  // activities' lines, the report written at `quando`.
  void Rodada(const QString& nome, const QString& identificacao, const QDateTime& quando,
              const QStringList& linhas) {
    senha_->edtNome->setText(nome);
    senha_->edtSenha->setText(identificacao);
    relogio.DefineData(quando);
    zelmo::LinhasRelatorio = linhas;
    zelmo::GravaRelatorio();
    zelmo::LinhasRelatorio.clear();
  }

  // What the viewer shows for a run: the line of asterisks, the header, the
  // lines, an empty line.
  static QStringList Bloco(const QString& nome, const QString& identificacao, const QDateTime& quando,
                           const QStringList& linhas) {
    return QStringList{QString(76, '*'),
                       nome + "  -  " + identificacao + " - " + quando.toString("dd/MM/yyyy - HH:mm:ss")} +
           linhas + QStringList{QString()};
  }

  // What the report viewer showed; Guarda keeps it and leaves the viewer.
  struct Visto {
    QString titulo;
    QStringList linhas;  // as the viewer keeps them
    QString texto;       // as its memo shows them
  };
  static void Guarda(pravo::TfrmRel* r, Visto* visto) {
    visto->titulo = r->windowTitle();
    visto->linhas = r->LinhasMemo();
    visto->texto = r->Memo1->toPlainText();
    r->btnSair->click();
  }

  apoio::RelogioFalso relogio;

 private:
  zelmo::TfrmSenha* senha_ = nullptr;
};

TEST_F(EntreProgramas, TheViewerShowsTwoRunsOfThePlayersWriterLineForLineWithTheirAccents) {
  Pasta("Biologia");
  zelmo::ArqRelatorio = files::ArqRelatorioDe(zelmo::DirPrograma, "Biologia", "Turma A");
  const QDateTime primeira(QDate(2026, 12, 10), QTime(9, 15, 2));
  const QDateTime segunda(QDate(2026, 12, 11), QTime(16, 40, 57));
  // A wrong-answer list of 760 characters is one line, written whole.
  const QString longa = QStringLiteral("   Erradas: ") + QString(748, QChar(0xE7));
  ASSERT_EQ(longa.size(), 760);
  const QStringList linhas1{QStringLiteral("Jogo da Forca - Arquivo: animais.plv"),
                            QStringLiteral("   Palavra: CORAÇÃO - acertou"), longa,
                            QStringLiteral("   Percentual de acertos: 80%")};
  const QStringList linhas2{QStringLiteral("Testes - Arquivo: ciências.tst"),
                            QStringLiteral("   Questão 3: «Avó» é acentuada? - errou"),
                            QString(), QStringLiteral("   Saiu antes do fim: Pêssego, maçã, açaí")};
  Rodada(QStringLiteral("José da Conceição"), QStringLiteral("7ºA-12 "), primeira, linhas1);
  Rodada(QStringLiteral("  Maria Inês"), QStringLiteral("nº 3"), segunda, linhas2);

  pravo::ArqRelatorio = zelmo::ArqRelatorio;
  pravo::TfrmRel visor;
  Visto visto;
  QuandoAbrir<pravo::TfrmRel>([&](pravo::TfrmRel* r) { Guarda(r, &visto); });
  visor.exec();

  const QStringList esperado =
      Bloco(QStringLiteral("José da Conceição"), QStringLiteral("7ºA-12 "), primeira, linhas1) +
      Bloco(QStringLiteral("  Maria Inês"), QStringLiteral("nº 3"), segunda, linhas2);
  EXPECT_EQ(visto.titulo, QStringLiteral("Relatórios - Turma A.rel"));
  ASSERT_EQ(visto.linhas.size(), esperado.size());
  for (qsizetype i = 0; i < esperado.size(); ++i) EXPECT_EQ(visto.linhas[i], esperado[i]) << "line " << i;
  EXPECT_EQ(visto.texto, esperado.join('\n'));
  // The header begins with the login exactly as typed.
  EXPECT_TRUE(visto.linhas[1].startsWith(QStringLiteral("José da Conceição  -  7ºA-12  - ")));
  EXPECT_TRUE(visto.linhas[8].startsWith(QStringLiteral("  Maria Inês  -  nº 3 - ")));
}

TEST_F(EntreProgramas, ThePlayerStartsFromTheDialogsConfigurationAndWritesWhereVerRelatoriosLooks) {
  // The teacher's current subject is another one; the dialog leaves it be.
  Pasta("Geografia");
  pravo::ArqAssunto = pravo::DirPrograma + "Geografia/Geografia.ast";
  pravo::DirAssunto = pravo::DirPrograma + "geografia/";
  pravo::ArqRelatorio = pravo::DirPrograma + "geografia/Geral.rel";
  auto frm = std::make_unique<pravo::TfrmMain>();
  pravo::DirPrograma = files::DirProgramaDe(pasta.caminho());
  pravo::ArqConfig = files::ArqConfigDe(pravo::DirPrograma);
  pravo::CriaJanelas(nullptr);
  frm->AtualizaBotoes();

  // A new subject and a new report, both typed in the chooser.
  const QString assunto = QStringLiteral("Ciências Naturais");
  const QString relatorio = QStringLiteral("Turma Única");
  auto Cria = [](QPushButton* botao, const QString& nome) {
    QuandoAbrir<pravo::TfrmArquivo>([nome](pravo::TfrmArquivo* a) {
      a->edtNovo->setText(nome);
      a->btnCriar->click();
    });
    botao->click();
  };
  auto* config = qobject_cast<pravo::TfrmConfig*>(pravo::Janela("TfrmConfig"));
  ASSERT_NE(config, nullptr);
  QuandoAbrir<pravo::TfrmConfig>([&](pravo::TfrmConfig* f) {
    Cria(f->btnAssunto, assunto);
    Cria(f->btnRel, relatorio);
    EXPECT_EQ(f->edtAssunto->text(), assunto);
    EXPECT_EQ(f->edtRel->text(), relatorio);
    f->btnOK->click();
  });
  ASSERT_EQ(config->exec(), 1);
  EXPECT_EQ(pravo::ArqRelatorio, pravo::DirPrograma + "geografia/Geral.rel");

  // The player's start: the names, and the subject folder the chooser made.
  zelmo::LeConfiguracao();
  zelmo::ConstroiCaminhos();
  EXPECT_EQ(zelmo::NomeAssunto, assunto);
  EXPECT_EQ(zelmo::NomeRelatorio, relatorio);
  // The chooser makes the folder in lower case; the player finds it by any.
  const QString pastaAssunto = files::ResolveCaminho(zelmo::DirAssunto);
  EXPECT_TRUE(QFileInfo(pastaAssunto).isDir());
  EXPECT_EQ(QDir(pastaAssunto).dirName().compare(assunto, Qt::CaseInsensitive), 0);
  EXPECT_FALSE(QFileInfo::exists(files::ResolveCaminho(zelmo::ArqRelatorio)));

  // A run ends; "Ver Relatórios" opens the file the player wrote.
  const QDateTime quando(QDate(2026, 12, 10), QTime(10, 0, 0));
  Rodada(QStringLiteral("Ana"), QStringLiteral("1"), quando, {QStringLiteral("Associação - 100%")});
  const QFileInfo escrito(files::ResolveCaminho(zelmo::ArqRelatorio));
  EXPECT_TRUE(escrito.isFile());
  EXPECT_EQ(QDir(escrito.absolutePath()), QDir(pastaAssunto));
  Visto visto;
  QuandoAbrir<pravo::TfrmRel>([&](pravo::TfrmRel* r) { Guarda(r, &visto); });
  frm->btnRelat->click();
  EXPECT_EQ(pravo::ArqRelatorio, zelmo::ArqRelatorio);
  EXPECT_EQ(visto.titulo, QStringLiteral("Relatórios - Turma Única.rel"));
  EXPECT_EQ(visto.linhas, Bloco(QStringLiteral("Ana"), QStringLiteral("1"), quando,
                                {QStringLiteral("Associação - 100%")}));
}

}  // namespace
