#include "player/relatorio.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>
#include <sys/file.h>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "apoio_jogador.h"
#include "files/texto.h"
#include "player/servicos.h"
#include "support/relogio_falso.h"

namespace {

const QDateTime kAgora(QDate(2026, 12, 10), QTime(14, 30, 5));

// The date and time as a Brazilian teacher reads them.
QByteArray Cabecalho(const QString& nome, const QString& id) {
  return files::ParaAnsi(nome + "  -  " + id + " - 10/12/2026 - 14:30:05");
}

// The run's block as the report viewer expects its bytes.
QByteArray Esperado(const QString& nome, const QString& id, const QList<QByteArray>& linhas) {
  QByteArray b = QByteArray(76, '*') + "\n" + Cabecalho(nome, id) + "\n";
  for (const QByteArray& l : linhas) b += l + "\n";
  return b + "\n";
}

class RelatorioTeste : public ::testing::Test {
 protected:
  RelatorioTeste() {
    programa.relogio.DefineData(kAgora);
    senha = new zelmo::TfrmSenha;
    zelmo::frmSenha = senha;
    zelmo::ArqRelatorio = programa.pasta.caminho() + "Biologia/Turma A.rel";
    QDir().mkpath(programa.pasta.caminho() + "Biologia");
  }
  ~RelatorioTeste() override {
    zelmo::frmSenha = nullptr;
    delete senha;
  }
  void Aluno(const QString& nome, const QString& id) {
    senha->edtNome->setText(nome);
    senha->edtSenha->setText(id);
  }
  QByteArray Arquivo() const { return programa.pasta.Le("Biologia/Turma A.rel"); }

  apoio::ProgramaDeTeste programa;
  zelmo::TfrmSenha* senha;
};

TEST_F(RelatorioTeste, SemLinhasSaoTresLinhas) {
  Aluno("Ana", "7B");
  zelmo::GravaRelatorio();
  const QByteArray rel = Arquivo();
  EXPECT_EQ(rel, Esperado("Ana", "7B", {}));
  EXPECT_EQ(rel.count('\n'), 3);
  EXPECT_FALSE(rel.contains('\r'));
}

TEST_F(RelatorioTeste, BytesDoBloco) {
  struct Caso {
    const char* antes;
    QStringList linhas;
    QList<QByteArray> bytes;
  };
  const QString longa = QString(760, QChar(0xE7));  // 760 "ç"
  const Caso casos[] = {
      {"", {"Jogo da Forca", "", "  recuado"}, {"Jogo da Forca", "", "  recuado"}},
      // Earlier blocks are kept; the new one follows the last byte, LF or not.
      {"bloco antigo\n\n", {"a"}, {"a"}},
      {"sem fim de linha", {"b"}, {"b"}},
      {"", {longa}, {QByteArray(760, '\xE7')}},
      {"", {QString::fromUtf8("Associação: 75%"), QString::fromUtf8("“aspas” € œ")},
       {"Associa\xE7\xE3o: 75%", "\x93" "aspas\x94 \x80 \x9C"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.antes);
    programa.pasta.Escreve("Biologia/Turma A.rel", c.antes);
    Aluno(QString::fromUtf8("  João Conceição "), QString::fromUtf8("nº 5"));
    zelmo::LinhasRelatorio = c.linhas;
    zelmo::GravaRelatorio();
    EXPECT_EQ(Arquivo(), QByteArray(c.antes) + Esperado(QString::fromUtf8("  João Conceição "),
                                                         QString::fromUtf8("nº 5"), c.bytes));
  }
  // The login texts, untrimmed, in the code page.
  EXPECT_TRUE(Arquivo().contains("  Jo\xE3o Concei\xE7\xE3o   -  n\xBA 5 - "));
}

TEST_F(RelatorioTeste, DataEHoraDoRelogioEmPortugues) {
  // dd/MM/yyyy and HH:mm:ss, whatever language the machine speaks (the
  // machine's, named by the caller, is printed for the test below).
  std::printf("idioma da maquina: %s\n", qPrintable(QLocale::system().name()));
  Aluno("Ana", "1");
  programa.relogio.DefineData(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)));
  zelmo::GravaRelatorio();
  EXPECT_EQ(Arquivo().split('\n').value(1), "Ana  -  1 - 02/01/2027 - 03:04:05");
}

TEST_F(RelatorioTeste, DataEmPortuguesQualquerQueSejaOIdiomaDaMaquina) {
  // The test above, in this test program started again in other languages.
  for (const char* idioma : {"en_US.UTF-8", "de_DE.UTF-8", "C"}) {
    SCOPED_TRACE(idioma);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* nome : {"LC_ALL", "LC_TIME", "LANG", "LANGUAGE"}) ambiente.insert(nome, idioma);
    QProcess teste;
    teste.setProcessEnvironment(ambiente);
    teste.setProcessChannelMode(QProcess::MergedChannels);
    teste.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=RelatorioTeste.DataEHoraDoRelogioEmPortugues"});
    ASSERT_TRUE(teste.waitForFinished(60000));
    const QString saida = QString::fromLocal8Bit(teste.readAll());
    EXPECT_EQ(teste.exitCode(), 0) << saida.toStdString();
    EXPECT_TRUE(saida.contains("[  PASSED  ] 1 test")) << saida.toStdString();
    EXPECT_TRUE(saida.contains("idioma da maquina: " + QString::fromLatin1(idioma).section('.', 0, 0)))
        << saida.toStdString();
  }
}

TEST(HoraDoRelatorio, FormatoLongoSemFusoHorario) {
  // Qt's long time formats end in the time zone; the report's time doesn't.
  for (const QLocale& l : {QLocale(QLocale::Portuguese, QLocale::Brazil), QLocale::c(),
                           QLocale(QLocale::English, QLocale::UnitedStates)}) {
    SCOPED_TRACE(l.name().toStdString());
    const QString hora = l.toString(QTime(15, 4, 5), zelmo::FormatoHoraLonga(l));
    EXPECT_TRUE(hora.contains("04:05")) << hora.toStdString();
    EXPECT_FALSE(hora.contains("UTC") || hora.contains("GMT") || hora.contains("BRT") ||
                 hora.endsWith(' '))
        << hora.toStdString();
  }
  EXPECT_EQ(QLocale(QLocale::Portuguese, QLocale::Brazil)
                .toString(QTime(15, 4, 5),
                          zelmo::FormatoHoraLonga(QLocale(QLocale::Portuguese, QLocale::Brazil))),
            "15:04:05");
}

TEST_F(RelatorioTeste, PastaQueNaoExisteDaAMensagem) {
  zelmo::ArqRelatorio = programa.pasta.caminho() + "Nenhuma/Turma A.rel";
  Aluno("Ana", "1");
  apoio::Mensagem vista;
  apoio::RespondeMensagem(QMessageBox::Ok, &vista);
  zelmo::GravaRelatorio();
  EXPECT_EQ(vista.texto, QString::fromUtf8("Não foi possível gravar Relatório"));
  EXPECT_EQ(vista.titulo, "Zelmo II");
  EXPECT_EQ(vista.botoes, QMessageBox::Ok);
  EXPECT_FALSE(QFile::exists(zelmo::ArqRelatorio));
}

TEST_F(RelatorioTeste, CaminhoComOutraCaixaAchaOArquivo) {
  // The program folder is lower-cased; the subject folder on disk is not.
  programa.pasta.Escreve("Biologia/Turma A.rel", "x\n");
  zelmo::ArqRelatorio = programa.pasta.caminho().toLower() + "biologia/Turma A.rel";
  Aluno("Ana", "1");
  zelmo::GravaRelatorio();
  EXPECT_EQ(Arquivo(), "x\n" + Esperado("Ana", "1", {}));
}

// --- Another process holding the report

enum class Trava { Registro, ArquivoTodo };

// A child that holds a lock on the file until it reads a byte from `solta`,
// after telling the parent through `pronto`.
pid_t Segura(const QByteArray& caminho, Trava tipo, int pronto, int solta) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  const int fd = ::open(caminho.constData(), O_WRONLY);
  bool ok = fd >= 0;
  if (ok && tipo == Trava::Registro) {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    ok = ::fcntl(fd, F_SETLK, &fl) == 0;
  } else if (ok) {
    ok = ::flock(fd, LOCK_EX) == 0;
  }
  char c = ok ? '1' : '0';
  if (::write(pronto, &c, 1) != 1) _exit(2);
  if (::read(solta, &c, 1) < 0) _exit(3);
  _exit(0);
}

void PrintTo(Trava t, std::ostream* os) { *os << (t == Trava::Registro ? "fcntl" : "flock"); }

class TravadoTeste : public RelatorioTeste, public ::testing::WithParamInterface<Trava> {
 protected:
  void SetUp() override {
    programa.pasta.Escreve("Biologia/Turma A.rel", "antes\n");
    ASSERT_EQ(pipe(pronto), 0);
    ASSERT_EQ(pipe(solta), 0);
    filho = Segura(QFile::encodeName(zelmo::ArqRelatorio), GetParam(), pronto[1], solta[0]);
    char c = 0;
    ASSERT_EQ(::read(pronto[0], &c, 1), 1);
    ASSERT_EQ(c, '1');
  }
  void Solta() {
    if (filho <= 0) return;
    char c = 'x';
    ASSERT_EQ(::write(solta[1], &c, 1), 1);
    int status = 0;
    waitpid(filho, &status, 0);
    filho = 0;
  }
  void TearDown() override {
    Solta();
    for (int fd : {pronto[0], pronto[1], solta[0], solta[1]}) ::close(fd);
  }
  int pronto[2]{-1, -1};
  int solta[2]{-1, -1};
  pid_t filho = 0;
};

TEST_P(TravadoTeste, Espera30SegundosDoRelogioEDesiste) {
  Aluno("Ana", "1");
  zelmo::LinhasRelatorio = {"linha"};
  apoio::Mensagem vista;
  apoio::RespondeMensagem(QMessageBox::Ok, &vista);
  zelmo::GravaRelatorio();
  EXPECT_EQ(vista.texto, QString::fromUtf8("Não foi possível gravar Relatório"));
  EXPECT_EQ(vista.titulo, "Zelmo II");
  // Tried for 30,000 ms of the clock (50 ms a reading), not a moment less.
  EXPECT_GE(programa.relogio.leituras(), 30000 / 50);
  EXPECT_LE(programa.relogio.leituras(), 30000 / 50 + 2);
  EXPECT_EQ(Arquivo(), "antes\n");
}

// A clock that lets the other process go after some readings.
class RelogioQueSolta : public apoio::RelogioFalso {
 public:
  RelogioQueSolta(std::function<void()> solta) : solta_(std::move(solta)) {}
  int MilissegundosDoDia() const override {
    if (leituras() == 100) solta_();
    return RelogioFalso::MilissegundosDoDia();
  }

 private:
  std::function<void()> solta_;
};

TEST_P(TravadoTeste, GravaQuandoOOutroSolta) {
  RelogioQueSolta relogio([this] { Solta(); });
  relogio.DefineData(kAgora);
  zelmo::Relogio = &relogio;
  Aluno("Ana", "1");
  zelmo::LinhasRelatorio = {"linha"};
  zelmo::GravaRelatorio();
  EXPECT_GE(relogio.leituras(), 100);
  EXPECT_LT(relogio.leituras(), 30000 / 50);
  EXPECT_EQ(Arquivo(), "antes\n" + Esperado("Ana", "1", {"linha"}));
}

INSTANTIATE_TEST_SUITE_P(Travas, TravadoTeste, ::testing::Values(Trava::Registro, Trava::ArquivoTodo),
                         [](const auto& info) {
                           return info.param == Trava::Registro ? "Registro" : "ArquivoTodo";
                         });

// --- Writers at once, and a write that fails half-way

// Blocks of many sizes, each telling who wrote it and how many lines it has.
QByteArray BlocoDe(int escritor, int n) {
  QStringList linhas;
  const int quantas = 1 + (n * 7 + escritor) % 40;
  for (int k = 0; k < quantas; ++k)
    linhas << QString("%1 %2 %3 ").arg(escritor).arg(n).arg(k) + QString((n * 131 + k * 17) % 3000, 'x');
  return zelmo::BlocoRelatorio(QString("escritor %1").arg(escritor), QString::number(n), kAgora, linhas);
}

TEST(EscritoresTeste, DoisProgramasAoMesmoTempoNuncaMisturamBlocos) {
  apoio::PastaTemporaria pasta;
  const QByteArray caminho = QFile::encodeName(pasta.caminho() + "Turma.rel");
  constexpr int kEscritores = 4, kBlocos = 150;
  QList<pid_t> filhos;
  for (int e = 0; e < kEscritores; ++e) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int falhas = 0;
      for (int n = 0; n < kBlocos; ++n)
        if (zelmo::AnexaBloco(caminho, BlocoDe(e, n), files::RelogioSistema::Instancia()) !=
            zelmo::Gravacao::Gravado)
          ++falhas;
      _exit(falhas == 0 ? 0 : 1);
    }
    filhos << pid;
  }
  for (pid_t pid : filhos) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  QFile f(QFile::decodeName(caminho));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray resto = f.readAll();
  QList<int> proximo(kEscritores, 0);
  int blocos = 0;
  while (!resto.isEmpty()) {
    // Which block starts here: its header names the writer and the number.
    const int fimAsteriscos = resto.indexOf('\n');
    ASSERT_EQ(fimAsteriscos, 76);
    const QByteArray cabecalho = resto.mid(77, resto.indexOf('\n', 77) - 77);
    ASSERT_TRUE(cabecalho.startsWith("escritor ")) << cabecalho.left(60).constData();
    const int e = cabecalho.mid(9, 1).toInt();
    // "escritor E  -  N - date - time"
    const int n = cabecalho.mid(15).split(' ').value(0).toInt();
    const QByteArray esperado = BlocoDe(e, n);
    ASSERT_TRUE(resto.startsWith(esperado)) << "block " << e << "/" << n << " is not whole";
    EXPECT_EQ(n, proximo[e]) << "writer " << e << " out of order";
    proximo[e] = n + 1;
    resto.remove(0, esperado.size());
    ++blocos;
  }
  EXPECT_EQ(blocos, kEscritores * kBlocos);
}

TEST(EscritoresTeste, EscritaQueFalhaNaoDeixaMeioBloco) {
  apoio::PastaTemporaria pasta;
  const QString caminho = pasta.Escreve("Turma.rel", "bloco antigo\n\n");
  const QByteArray bloco = BlocoDe(1, 9);
  ASSERT_GT(bloco.size(), 2000);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    // The disk is "full" 1000 bytes past the current end.
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim {};
    lim.rlim_cur = lim.rlim_max = 14 + 1000;
    setrlimit(RLIMIT_FSIZE, &lim);
    const auto r = zelmo::AnexaBloco(QFile::encodeName(caminho), bloco, files::RelogioSistema::Instancia());
    _exit(r == zelmo::Gravacao::Falhou ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(pasta.Le("Turma.rel"), "bloco antigo\n\n");
}

// --- A writer killed half-way

// A block of about a megabyte that says who wrote it.
QByteArray BlocoGrande(int escritor, int n) {
  QStringList linhas;
  for (int k = 0; k < 1000; ++k)
    linhas << QString("%1 %2 %3 ").arg(escritor).arg(n).arg(k) + QString(1000, QChar('a' + (n + k) % 26));
  return zelmo::BlocoRelatorio(QString("escritor %1").arg(escritor), QString::number(n), kAgora, linhas);
}

// Writers killed with SIGKILL while they append: whatever moment the kill
// comes, the file holds only whole blocks, and the next block starts on its
// own line of asterisks.
TEST(EscritoresTeste, UmEscritorMortoNoMeioNuncaDeixaBlocoCortado) {
  apoio::PastaTemporaria pasta;
  const QString nome = pasta.caminho() + "Turma.rel";
  const QByteArray caminho = QFile::encodeName(nome);
  constexpr int kMortos = 40, kBlocos = 4;
  std::mt19937 sorte(16);
  for (int e = 0; e < kMortos; ++e) {
    const qint64 antes = QFileInfo(nome).size();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      QList<QByteArray> blocos;
      for (int n = 0; n < kBlocos; ++n) blocos << BlocoGrande(e, n);
      for (int n = 0; n < kBlocos; ++n) zelmo::AnexaBloco(caminho, blocos[n], files::RelogioSistema::Instancia());
      _exit(0);
    }
    // Killed a moment after its first block began to land; every second
    // writer only once that block is whole, so that whole blocks are there
    // to keep however busy the machine is.
    const qint64 alvo = e % 2 == 0 ? antes + BlocoGrande(e, 0).size() : antes + 1;
    for (int espera = 0; espera < 50000 && QFileInfo(nome).size() < alvo; ++espera) usleep(100);
    usleep(sorte() % 4000);
    kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
  }
  ASSERT_EQ(zelmo::AnexaBloco(caminho, BlocoDe(kMortos, 0), files::RelogioSistema::Instancia()),
            zelmo::Gravacao::Gravado);

  QFile f(nome);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray tudo = f.readAll();
  qsizetype pos = 0;
  int ultimo = -1, proximo = 0, blocos = 0;
  while (pos < tudo.size()) {
    ASSERT_EQ(tudo.indexOf('\n', pos) - pos, 76) << "at byte " << pos;
    const qsizetype fimCabecalho = tudo.indexOf('\n', pos + 77);
    const QByteArray cabecalho = tudo.mid(pos + 77, fimCabecalho - pos - 77);
    ASSERT_TRUE(cabecalho.startsWith("escritor ")) << cabecalho.left(60).constData();
    // "escritor E  -  N - date - time"
    const QList<QByteArray> partes = cabecalho.mid(9).split(' ');
    const int e = partes.value(0).toInt(), n = partes.value(4).toInt();
    const QByteArray esperado = e == kMortos ? BlocoDe(e, n) : BlocoGrande(e, n);
    ASSERT_TRUE(QByteArrayView(tudo).sliced(pos).startsWith(esperado)) << "block " << e << "/" << n << " is not whole";
    if (e != ultimo) proximo = 0;
    EXPECT_TRUE(e >= ultimo && n == proximo) << "block " << e << "/" << n << " out of order";
    ultimo = e;
    proximo = n + 1;
    pos += esperado.size();
    ++blocos;
  }
  EXPECT_EQ(ultimo, kMortos);
  EXPECT_GE(blocos, kMortos / 2);
}

// --- Report files that cannot be written at all

// AnexaBloco in a child process prepared by `prepara` (which says false when
// this machine cannot set the case up): 0 when it gave up without writing
// after at most two readings of the clock, 1 when it wrote or waited for
// the clock, 2 when the case could not be set up.  A child still busy after
// 20 s has hung: -1.
int TentaEmOutroProcesso(const QByteArray& caminho, const std::function<bool()>& prepara) {
  const pid_t pid = fork();
  if (pid < 0) return -2;
  if (pid == 0) {
    if (!prepara()) _exit(2);
    apoio::RelogioFalso relogio;
    const auto r = zelmo::AnexaBloco(caminho, "bloco\n\n", relogio);
    _exit(r != zelmo::Gravacao::Gravado && relogio.leituras() <= 2 ? 0 : 1);
  }
  int status = 0;
  for (int espera = 0; espera < 2000; ++espera) {
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
    usleep(10000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return -1;
}

TEST(RecusadoTeste, SoUmaTravaDeOutroEscritorFazEsperar) {
  apoio::PastaTemporaria pasta;
  ASSERT_EQ(::chmod(QFile::encodeName(pasta.caminho()).constData(), 0755), 0);
  struct Caso {
    const char* nome;
    std::function<bool(const QByteArray&)> prepara;  // in the child
  };
  const Caso casos[] = {
      {"a folder", [](const QByteArray& c) { return ::mkdir(c.constData(), 0755) == 0; }},
      {"a pipe", [](const QByteArray& c) { return ::mkfifo(c.constData(), 0644) == 0; }},
      {"a read-only file",
       [](const QByteArray& c) {
         const int fd = ::open(c.constData(), O_WRONLY | O_CREAT, 0444);
         if (fd < 0 || ::close(fd) != 0) return false;
         // Not the superuser, for whom no file is read-only.
         return ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::access(c.constData(), W_OK) != 0;
       }},
      {"a read-only disk",
       [](const QByteArray& c) {
         // A disk of this process's own, made read-only once the report is
         // on it.
         const QByteArray pasta = c + ".disco";
         if (::mkdir(pasta.constData(), 0755) != 0 || ::unshare(CLONE_NEWNS) != 0 ||
             ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             ::mount("zelmo", pasta.constData(), "tmpfs", 0, "size=64k") != 0)
           return false;
         const QByteArray arquivo = pasta + "/Turma.rel";
         const int fd = ::open(arquivo.constData(), O_WRONLY | O_CREAT, 0644);
         if (fd < 0 || ::close(fd) != 0) return false;
         return ::mount(nullptr, pasta.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
       }},
  };
  int caso = 0;
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    QByteArray caminho = QFile::encodeName(pasta.caminho() + QString("rel%1.rel").arg(caso++));
    const bool disco = std::string(c.nome) == "a read-only disk";
    const QByteArray alvo = disco ? caminho + ".disco/Turma.rel" : caminho;
    const int r = TentaEmOutroProcesso(alvo, [&] { return c.prepara(caminho); });
    if (r == 2) {
      std::printf("(%s: cannot be set up on this machine)\n", c.nome);
      continue;
    }
    EXPECT_EQ(r, 0) << (r == -1 ? "it hung" : r == 1 ? "it waited for the clock or wrote" : "");
  }
}

TEST_F(RelatorioTeste, UmaPastaNoLugarDoRelatorioDaAMensagemSemEsperar) {
  QDir().mkpath(zelmo::ArqRelatorio);
  Aluno("Ana", "1");
  apoio::Mensagem vista;
  apoio::RespondeMensagem(QMessageBox::Ok, &vista);
  zelmo::GravaRelatorio();
  EXPECT_EQ(vista.texto, QString::fromUtf8("Não foi possível gravar Relatório"));
  EXPECT_LE(programa.relogio.leituras(), 2);
}

}  // namespace

namespace {

// A symbolic link in the report's place, to another file or to a name not
// there yet, is never written through: the message, and nothing written or
// created where the link leads; the link stays as it was.
TEST_F(RelatorioTeste, UmLinkNoLugarDoRelatorioNuncaEEscrito) {
  const QString fora = programa.pasta.Escreve("fora/de outro.txt", "de outra pessoa\n");
  const QString falta = programa.pasta.caminho() + "fora/novo.txt";
  for (const QString& alvo : {fora, falta}) {
    SCOPED_TRACE(alvo.toStdString());
    QFile::remove(zelmo::ArqRelatorio);
    ASSERT_TRUE(QFile::link(alvo, zelmo::ArqRelatorio));
    Aluno("Ana", "1");
    apoio::Mensagem vista;
    apoio::RespondeMensagem(QMessageBox::Ok, &vista);
    const int leituras = programa.relogio.leituras();
    zelmo::GravaRelatorio();
    EXPECT_LE(programa.relogio.leituras() - leituras, 2);  // refused at once, no waiting
    EXPECT_EQ(vista.texto, QString::fromUtf8("Não foi possível gravar Relatório"));
    EXPECT_EQ(vista.titulo, "Zelmo II");
    EXPECT_EQ(programa.pasta.Le("fora/de outro.txt"), "de outra pessoa\n");
    EXPECT_FALSE(QFileInfo::exists(falta));
    EXPECT_TRUE(QFileInfo(zelmo::ArqRelatorio).isSymLink());
  }
}

}  // namespace
