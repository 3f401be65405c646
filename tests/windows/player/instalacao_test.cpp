// The installed program folder: `cmake --install` of this build into folders
// of the test's own, as the run scripts do it into ~/ZelmoII.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "apoio_jogador.h"
#include "files/pastas.h"
#include "player/principal.h"

namespace {

using Arquivos = QMap<QString, QByteArray>;  // path below the folder -> bytes

const QString kBuild = QStringLiteral(ZELMO_BUILD);
const QString kOrigem = kBuild + QStringLiteral("/instalacao/");
const QString kDemo = QStringLiteral("Sistema Cardiovascular");
const QStringList kBinarios = {"Zelmo2", "Pravo2", "libplatform_navegador.so"};

Arquivos Conteudo(const QString& pasta) {
  Arquivos r;
  QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString caminho = it.next();
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(caminho);
    r.insert(QDir(pasta).relativeFilePath(caminho), f.readAll());
  }
  return r;
}

QByteArray Bytes(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

bool Grava(const QString& caminho, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(caminho).absolutePath());
  QFile f(caminho);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The teacher's part of a program folder: the configuration and every
// subject folder (everything but the programs, the shared media and help).
Arquivos DoProfessor(const Arquivos& tudo) {
  const Arquivos origem = Conteudo(kOrigem);
  Arquivos r;
  for (auto it = tudo.begin(); it != tudo.end(); ++it) {
    const bool compartilhado = (origem.contains(it.key()) && !it.key().contains('/') && it.key() != "Zelmo2.cfg") ||
                               it.key().startsWith("Ajuda_arquivos/") || kBinarios.contains(it.key());
    if (!compartilhado) r.insert(it.key(), it.value());
  }
  return r;
}

class InstalacaoTeste : public ::testing::Test {
 protected:
  // Installs this build into `pasta`, with the environment's ZELMO_MENU_DIR
  // set to `menu` (unset: the null string) and HOME at the test's own home.
  void Instala(const QString& pasta, const QString& menu) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", casa());
    env.remove("XDG_DATA_HOME");
    env.remove("DESTDIR");
    if (menu.isNull())
      env.remove("ZELMO_MENU_DIR");
    else
      env.insert("ZELMO_MENU_DIR", menu);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZELMO_CMAKE), {"--install", kBuild, "--prefix", pasta});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
  }
  QString casa() const { return raiz.path() + "/casa"; }

  QTemporaryDir raiz;
  // Capitals and a blank: the programs lower-case their folder's path, and
  // the menu's Exec lines quote it.
  const QString pasta = raiz.path() + "/Meu ZelmoII";
  const QString menu = raiz.path() + "/menu";
};

TEST_F(InstalacaoTeste, NumaPastaVaziaDaUmProgramaCompletoQueTocaADemonstracao) {
  ASSERT_NO_FATAL_FAILURE(Instala(pasta, menu));

  // Everything the generator writes, byte for byte, and the programs with
  // their library, which find the libraries they link.
  const Arquivos instalado = Conteudo(pasta);
  const Arquivos origem = Conteudo(kOrigem);
  for (auto it = origem.begin(); it != origem.end(); ++it)
    EXPECT_TRUE(instalado.value(it.key()) == it.value()) << qPrintable(it.key());
  EXPECT_TRUE(instalado.contains("ajuda.htm"));
  EXPECT_TRUE(instalado.contains(kDemo + "/" + kDemo + ".ast"));
  for (const QString& b : kBinarios) {
    SCOPED_TRACE(b.toStdString());
    EXPECT_TRUE(instalado.value(b) == Bytes(kBuild + "/bin/" + b)) << "differs from the build's";
    QProcess ldd;
    ldd.start("ldd", {pasta + "/" + b});
    ASSERT_TRUE(ldd.waitForFinished(30000));
    const QString saida = ldd.readAllStandardOutput();
    EXPECT_EQ(ldd.exitCode(), 0);
    EXPECT_FALSE(saida.contains("not found")) << qPrintable(saida);
  }
  EXPECT_TRUE(QFileInfo(pasta + "/Zelmo2").isExecutable());
  EXPECT_TRUE(QFileInfo(pasta + "/Pravo2").isExecutable());

  // The menu's entries start the installed programs.
  for (const auto& [arquivo, programa, nome] : {std::tuple{"zelmo2.desktop", "Zelmo2", "Zelmo II"},
                                                std::tuple{"pravo2.desktop", "Pravo2", "Pravo II"}}) {
    SCOPED_TRACE(arquivo);
    const QStringList linhas = QString::fromUtf8(Bytes(menu + "/" + arquivo)).split('\n');
    EXPECT_EQ(linhas.value(0), "[Desktop Entry]");
    EXPECT_TRUE(linhas.contains(QStringLiteral("Name=") + nome));
    EXPECT_TRUE(linhas.contains("Exec=\"" + pasta + "/" + programa + "\""));
    EXPECT_TRUE(linhas.contains("Path=" + pasta));
    EXPECT_TRUE(linhas.contains("Icon=" + pasta + "/" + programa + ".png"));
    EXPECT_TRUE(linhas.contains("Categories=Education;"));
    EXPECT_TRUE(QFileInfo(pasta + "/" + programa + ".png").size() > 0);
  }
  EXPECT_EQ(QDir(menu).entryList(QDir::Files | QDir::Hidden).size(), 2);

  // The player, in that folder, plays the demonstration subject: every page
  // it shows finds its data file, and the run's block lands in the report.
  apoio::ProgramaDeTeste programa;
  zelmo::PastaDoPrograma = pasta;
  QList<apoio::Visita> visitas;
  for (int t = 0; t < files::kNumTipos; ++t)
    zelmo::RegistraJanela(t, [&visitas](QWidget* dono) { return new apoio::JanelaFalsa(dono, &visitas, {}); });
  {
    apoio::Respondedor r("Ana Souza", "7B");
    zelmo::TfrmMain janela;
    janela.FormActivate();
    EXPECT_EQ(r.logins, 1);
    EXPECT_TRUE(r.mensagens.isEmpty());
    EXPECT_EQ(zelmo::NomeAssunto, kDemo);
  }
  EXPECT_GT(visitas.size(), 10);
  for (const apoio::Visita& v : visitas) {
    if (v.arquivo.isEmpty()) continue;
    EXPECT_TRUE(files::ArquivoExiste(files::CaminhoNoAssunto(zelmo::DirAssunto, v.arquivo))) << qPrintable(v.arquivo);
  }
  EXPECT_TRUE(Bytes(pasta + "/" + kDemo + QString::fromUtf8("/Relatório1.rel")).contains("Ana Souza  -  7B"));
}

TEST_F(InstalacaoTeste, DeNovoTrocaOsProgramasEGuardaOsArquivosDoProfessor) {
  ASSERT_NO_FATAL_FAILURE(Instala(pasta, ""));
  // The teacher's changes: another subject configured, the demonstration
  // edited (a page more, a file gone, one added), reports in both.
  const QString demo = pasta + "/" + kDemo + "/";
  ASSERT_TRUE(Grava(pasta + "/Zelmo2.cfg", apoio::Configuracao("Biologia", "Turma A")));
  ASSERT_TRUE(Grava(pasta + "/Biologia/Biologia.ast", apoio::Bytes({apoio::Pagina(0, "a.rtf")})));
  ASSERT_TRUE(Grava(pasta + "/Biologia/Turma A.rel", "Ana  -  1\r\n"));
  ASSERT_TRUE(Grava(demo + kDemo + ".ast", Bytes(demo + kDemo + ".ast") + apoio::Bytes({apoio::Pagina(2, "b.htm")})));
  ASSERT_TRUE(QFile::remove(demo + "musica.mid"));
  ASSERT_TRUE(Grava(demo + "b.htm", "<html></html>"));
  ASSERT_TRUE(Grava(demo + QString::fromUtf8("Relatório1.rel"), "Bia  -  2\r\n"));
  // Older programs, media and help.
  for (const QString& velho : kBinarios + QStringList{"acerto1.wav", "ajuda.htm", "Zelmo2.png"})
    ASSERT_TRUE(Grava(pasta + "/" + velho, "velho"));
  const Arquivos antes = DoProfessor(Conteudo(pasta));
  ASSERT_TRUE(antes.contains("Biologia/Turma A.rel"));

  ASSERT_NO_FATAL_FAILURE(Instala(pasta, ""));

  const Arquivos depois = Conteudo(pasta);
  EXPECT_TRUE(DoProfessor(depois) == antes) << "the teacher's files changed";
  EXPECT_FALSE(depois.contains(kDemo + "/musica.mid"));
  for (const QString& b : kBinarios) EXPECT_TRUE(depois.value(b) == Bytes(kBuild + "/bin/" + b)) << qPrintable(b);
  for (const char* m : {"acerto1.wav", "ajuda.htm", "Zelmo2.png"})
    EXPECT_TRUE(depois.value(m) == Bytes(kOrigem + m)) << qPrintable(m);
  EXPECT_FALSE(QFileInfo::exists(menu));
}

// The programs find their files without regard to case, so a configuration
// or a demonstration subject spelt otherwise is the teacher's, and what a
// killed install left on its way is cleared.
TEST_F(InstalacaoTeste, ArquivosDoProfessorEmOutraCaixaFicamSemCopia) {
  ASSERT_TRUE(Grava(pasta + "/zelmo2.cfg", apoio::Configuracao("sistema cardiovascular", "T")));
  ASSERT_TRUE(Grava(pasta + "/sistema cardiovascular/sistema cardiovascular.ast", apoio::Bytes({apoio::Pagina(-1, "")})));
  ASSERT_TRUE(Grava(pasta + "/.instalando-" + kDemo + "/" + kDemo + "/meio.rtf", "{\\rtf1"));
  ASSERT_NO_FATAL_FAILURE(Instala(pasta, ""));
  const QStringList entradas = QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  EXPECT_TRUE(entradas.contains("zelmo2.cfg"));
  EXPECT_FALSE(entradas.contains("Zelmo2.cfg"));
  EXPECT_FALSE(entradas.contains(kDemo));
  for (const QString& e : entradas) EXPECT_FALSE(e.startsWith(".instalando")) << qPrintable(e);
  EXPECT_EQ(Conteudo(pasta + "/sistema cardiovascular").size(), 1);
  EXPECT_TRUE(entradas.contains("ajuda.htm"));
}

// Without a menu folder of its own, the install writes the menu's entries
// into the user's menu for ~/ZelmoII only.
TEST_F(InstalacaoTeste, MenuDoUsuarioSoParaAPastaDoUsuario) {
  const QString aplicacoes = casa() + "/.local/share/applications";
  ASSERT_NO_FATAL_FAILURE(Instala(pasta, QString()));
  EXPECT_FALSE(QFileInfo::exists(aplicacoes));
  ASSERT_NO_FATAL_FAILURE(Instala(casa() + "/ZelmoII", QString()));
  EXPECT_TRUE(Bytes(aplicacoes + "/zelmo2.desktop").contains("Exec=\"" + (casa() + "/ZelmoII/Zelmo2\"").toUtf8()));
  EXPECT_TRUE(QFileInfo::exists(aplicacoes + "/pravo2.desktop"));
}

}  // namespace
