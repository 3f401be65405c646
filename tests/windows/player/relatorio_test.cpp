#include "player/relatorio.h"

#include <QFile>
#include <QLocale>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "apoio_jogador.h"
#include "files/texto.h"
#include "player/servicos.h"

namespace {

const QDateTime kAgora(QDate(2026, 12, 10), QTime(14, 30, 5));

QByteArray Cabecalho(const QString& nome, const QString& id) {
  const QLocale l = QLocale::system();
  return files::ParaAnsi(nome + "  -  " + id + " - " + l.toString(kAgora.date(), QLocale::ShortFormat) +
                         " - " + l.toString(kAgora.time(), zelmo::FormatoHoraLonga(l)));
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

TEST_F(RelatorioTeste, DataEHoraDoRelogioNosFormatosDoLocal) {
  Aluno("Ana", "1");
  programa.relogio.DefineData(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)));
  zelmo::GravaRelatorio();
  const QLocale l = QLocale::system();
  const QByteArray linha = Arquivo().split('\n').value(1);
  EXPECT_EQ(linha, files::ParaAnsi("Ana  -  1 - " + l.toString(QDate(2027, 1, 2), QLocale::ShortFormat) +
                                   " - " + l.toString(QTime(3, 4, 5), zelmo::FormatoHoraLonga(l))));
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

}  // namespace
