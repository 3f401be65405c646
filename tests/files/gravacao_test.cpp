// Whole-file writes: the new content or the old one, never a part, and no
// temporary left beside the file.
#include "files/gravacao.h"

#include "support/arquivo_gravado.h"
#include "support/disco_pequeno.h"
#include "support/interrupcao.h"
#include "support/pasta_temporaria.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using files::GravacaoInteira;
using files::GravaInteiro;
using files::IoError;

using apoio::TemTemporario;

IoError::Kind FalhaDe(const std::function<void()>& f) {
  try {
    f();
  } catch (const IoError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no IoError";
  return IoError::Kind::Other;
}

class Gravacao : public ::testing::Test {
 protected:
  apoio::PastaTemporaria pasta;
  QString Arq(const char* nome) const { return pasta.caminho() + nome; }
};

TEST_F(Gravacao, TrocaOConteudoInteiroEGuardaAsPermissoes) {
  const QString p = Arq("pagina.hpr");
  GravaInteiro(p, "primeiro");
  EXPECT_EQ(apoio::Conteudo(p), "primeiro");
  ::chmod(QFile::encodeName(p).constData(), 0640);
  {
    GravacaoInteira g(p);
    g.Escreve("seg", 3);
    g.Escreve(QByteArray("undo"));
    g.Sincroniza();
    EXPECT_EQ(apoio::Conteudo(p), "primeiro");  // not in place before the rename
    g.Troca();
  }
  EXPECT_EQ(apoio::Conteudo(p), "segundo");
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(p).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  GravaInteiro(p, QByteArray());
  EXPECT_EQ(QFileInfo(p).size(), 0);
  EXPECT_FALSE(TemTemporario(p));
}

TEST_F(Gravacao, SemConcluirNadaMuda) {
  const QString p = Arq("Zelmo2.cfg");
  GravaInteiro(p, "velho");
  {
    GravacaoInteira g(p);
    g.Escreve(QByteArray(100000, 'n'));
  }
  {
    GravacaoInteira g(p);
    g.Escreve(QByteArray("n"));
    g.Sincroniza();
  }
  EXPECT_EQ(apoio::Conteudo(p), "velho");
  EXPECT_FALSE(TemTemporario(p));
  GravacaoInteira g(pasta.caminho() + "novo.itm");  // a new file stays absent
  g.Escreve(QByteArray("x"));
  EXPECT_THROW(g.Troca(), IoError);  // not synced yet
  EXPECT_FALSE(QFileInfo::exists(pasta.caminho() + "novo.itm"));
}

// A temporary left by a killed writer (even a link planted in its place) is
// removed by the next write and never written through.
TEST_F(Gravacao, TemporarioAntigoSaiNaProximaGravacao) {
  const QString p = Arq("texto.rtf");
  const QString alheio = Arq("alheio.txt");
  GravaInteiro(alheio, "intocado");
  ASSERT_EQ(::symlink(QFile::encodeName(alheio).constData(),
                      QFile::encodeName(GravacaoInteira::Temporario(p)).constData()), 0);
  GravaInteiro(p, "novo");
  EXPECT_EQ(apoio::Conteudo(p), "novo");
  EXPECT_EQ(apoio::Conteudo(alheio), "intocado");
  EXPECT_FALSE(TemTemporario(p));
  pasta.Escreve("texto.rtf.gravando", "meio escrito");
  GravaInteiro(p, "outro");
  EXPECT_EQ(apoio::Conteudo(p), "outro");
  EXPECT_FALSE(TemTemporario(p));
}

// A link in the file's place is replaced by the file; what it led to stays.
TEST_F(Gravacao, LinkESubstituidoNaoSeguido) {
  const QString alvo = Arq("alvo.cfg");
  const QString p = Arq("Zelmo2.cfg");
  GravaInteiro(alvo, "alvo");
  ASSERT_EQ(::symlink(QFile::encodeName(alvo).constData(), QFile::encodeName(p).constData()), 0);
  GravaInteiro(p, "novo");
  EXPECT_EQ(apoio::Conteudo(alvo), "alvo");
  EXPECT_EQ(apoio::Conteudo(p), "novo");
  EXPECT_FALSE(QFileInfo(p).isSymLink());
}

TEST_F(Gravacao, RecusaOQueNaoEArquivoComum) {
  const QString cano = Arq("cano.hpr");
  ASSERT_EQ(::mkfifo(QFile::encodeName(cano).constData(), 0644), 0);
  QDir(pasta.caminho()).mkdir("pasta.itm");
  EXPECT_EQ(FalhaDe([&] { GravaInteiro(cano, "x"); }), IoError::Kind::AccessDenied);
  EXPECT_EQ(FalhaDe([&] { GravaInteiro(Arq("pasta.itm"), "x"); }), IoError::Kind::AccessDenied);
  EXPECT_EQ(FalhaDe([&] { GravaInteiro("/dev/null", "x"); }), IoError::Kind::AccessDenied);
  EXPECT_EQ(FalhaDe([&] { GravaInteiro(Arq("falta/p.hpr"), "x"); }), IoError::Kind::FileNotFound);
  EXPECT_EQ(FalhaDe([&] { GravaInteiro(QString(), "x"); }), IoError::Kind::FileNotFound);
  EXPECT_TRUE(QFileInfo(cano).exists() && !QFileInfo(cano).isFile());
  EXPECT_FALSE(TemTemporario(cano));
}

// A full disk, with contents below and above Qt's 16 KB buffer: "Disk full",
// the old file byte for byte, no temporary.  Then, with room again, the
// write goes through.
TEST_F(Gravacao, DiscoCheioGuardaOArquivoVelho) {
  apoio::DiscoPequeno disco(128);
  if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
  const QString p = disco.caminho() + "pagina.itm";
  const QByteArray velho(3000, 'v');
  GravaInteiro(p, velho);
  disco.Enche();
  for (const qsizetype tamanho : {qsizetype(1), qsizetype(528), qsizetype(16383), qsizetype(100000)}) {
    SCOPED_TRACE(tamanho);
    EXPECT_EQ(FalhaDe([&] { GravaInteiro(p, QByteArray(tamanho, 'n')); }), IoError::Kind::DiskFull);
    EXPECT_EQ(apoio::Conteudo(p), velho);
    EXPECT_FALSE(TemTemporario(p));
  }
  EXPECT_EQ(FalhaDe([&] { GravaInteiro(disco.caminho() + "novo.cfg", QByteArray(512, 'c')); }),
            IoError::Kind::DiskFull);
  EXPECT_FALSE(QFileInfo::exists(disco.caminho() + "novo.cfg"));
  disco.Esvazia();
  GravaInteiro(p, "cabe");
  EXPECT_EQ(apoio::Conteudo(p), "cabe");
}

// Killed at any moment, the file holds the old content or the new, whole,
// and the next write leaves no temporary behind.  On a tmpfs where one can be
// mounted, so that the syncs cost nothing (a kill loses nothing a sync keeps).
TEST_F(Gravacao, MortoNoMeioDeixaVelhoOuNovo) {
  apoio::DiscoPequeno disco(4096);
  const QString p = (disco.montado() ? disco.caminho() : pasta.caminho()) + "Zelmo2.cfg";
  const QByteArray a(512, 'a'), b(20000, 'b');
  GravaInteiro(p, a);
  int comTemporario = 0;
  apoio::Interrupcoes plano;
  plano.passo = [&](quint64 n) { GravaInteiro(p, n % 2 ? a : b); };
  plano.confere = [&](int) {
    const QByteArray agora = apoio::Conteudo(p);
    EXPECT_TRUE(agora == a || agora == b) << agora.size() << " bytes";
    if (TemTemporario(p)) ++comTemporario;
    GravaInteiro(p, a);
    EXPECT_FALSE(TemTemporario(p));
  };
  ASSERT_TRUE(apoio::Interrompe(plano));
  EXPECT_GT(comTemporario, 0) << "no kill landed in the middle of a write";
}

}  // namespace
