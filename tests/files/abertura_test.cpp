// Opening files by name only when they are plain files.
#include "files/abertura.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/pasta_temporaria.h"

namespace {

TEST(Abertura, SoArquivosComunsEJamaisEspera) {
  apoio::PastaTemporaria pasta;
  const QString comum = pasta.Escreve("a.txt", "conteúdo");
  const QString cano = pasta.caminho() + "cano";
  ASSERT_EQ(mkfifo(QFile::encodeName(cano).constData(), 0644), 0);
  struct Caso {
    QString caminho;
    int flags;
    int erro;  // 0: opens
  };
  const Caso casos[] = {
      {comum, O_RDONLY, 0},          {comum, O_RDWR, 0},
      {pasta.caminho(), O_RDONLY, EISDIR},
      {cano, O_RDONLY, ENXIO},       {cano, O_WRONLY, ENXIO},  // no reader: would wait for ever
      {cano, O_RDWR, ENXIO},         {QStringLiteral("/dev/zero"), O_RDONLY, ENXIO},
      {pasta.caminho() + "nada", O_RDONLY, ENOENT},
      {QString(), O_RDONLY, ENOENT},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.caminho.toStdString() + " " + std::to_string(c.flags));
    errno = 0;
    const int fd = files::AbreDescritorComum(QFile::encodeName(c.caminho).constData(), c.flags);
    if (c.erro == 0) {
      ASSERT_GE(fd, 0);
      // Blocking again, and not passed on to other programs.
      EXPECT_EQ(fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
      EXPECT_NE(fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
      ::close(fd);
    } else {
      EXPECT_EQ(fd, -1);
      EXPECT_EQ(errno, c.erro);
    }
  }
}

TEST(Abertura, NoQFileCriaEsvaziaELeComLimite) {
  apoio::PastaTemporaria pasta;
  const QString novo = pasta.caminho() + "novo.cfg";
  QFile f;
  int erro = 0;
  EXPECT_FALSE(files::AbreArquivoComum(f, novo, QIODevice::ReadWrite, false, &erro));
  EXPECT_EQ(erro, ENOENT);
  ASSERT_TRUE(files::AbreArquivoComum(f, novo, QIODevice::ReadWrite, true));
  EXPECT_EQ(f.write("abcdef"), 6);
  f.close();
  ASSERT_TRUE(files::AbreArquivoComum(f, novo, QIODevice::WriteOnly | QIODevice::Truncate));
  EXPECT_EQ(f.size(), 0);
  EXPECT_EQ(f.write("xy"), 2);
  f.close();

  QByteArray bytes;
  EXPECT_TRUE(files::LeArquivoComum(novo, &bytes, 2));
  EXPECT_EQ(bytes, "xy");
  EXPECT_FALSE(files::LeArquivoComum(novo, &bytes, 1));
  EXPECT_TRUE(bytes.isEmpty());

  // A pipe is never emptied nor read.
  const QString cano = pasta.caminho() + "cano";
  ASSERT_EQ(mkfifo(QFile::encodeName(cano).constData(), 0644), 0);
  EXPECT_FALSE(files::AbreArquivoComum(f, cano, QIODevice::WriteOnly | QIODevice::Truncate, true, &erro));
  EXPECT_EQ(erro, ENXIO);
  EXPECT_FALSE(files::LeArquivoComum(cano, &bytes, 100));
  EXPECT_FALSE(QFileInfo(cano).isFile());
}

}  // namespace
