#include "files/arquivo_registros.h"

#include "files/registros.h"
#include "support/disco_cheio.h"
#include "support/pasta_temporaria.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace files;

namespace {

constexpr int kTam = 8;  // a small record size makes the moves easy to read

QByteArray Reg(char c) { return QByteArray(kTam, c); }

// The file's records as letters, one per record ("ABC").
QString Letras(const QByteArray& conteudo) {
  QString r;
  for (qsizetype i = 0; i + kTam <= conteudo.size(); i += kTam) r += QChar(conteudo[i]);
  return r;
}

QByteArray Arquivo(const QString& letras) {
  QByteArray r;
  for (QChar c : letras) r += Reg(c.toLatin1());
  return r;
}

// Raises the expected failure and checks its text.
template <class F>
void EsperaFalha(F&& f, IoError::Kind kind, const char* texto) {
  try {
    f();
    ADD_FAILURE() << "no IoError for " << texto;
  } catch (const IoError& e) {
    EXPECT_EQ(e.kind(), kind);
    EXPECT_STREQ(e.what(), texto);
  }
}

class ArquivoRegistros : public ::testing::Test {
 protected:
  QString Cria(const QString& letras, const QByteArray& resto = {}) {
    return pasta.Escreve(QStringLiteral("dados.plv"), Arquivo(letras) + resto);
  }
  QByteArray Conteudo() const { return pasta.Le(QStringLiteral("dados.plv")); }

  apoio::PastaTemporaria pasta;
};

}  // namespace

TEST_F(ArquivoRegistros, ContaIgnoraRegistroParcial) {
  const struct {
    int bytes;
    qint64 conta;
  } casos[] = {{0, 0}, {799, 0}, {800, 1}, {1599, 1}, {1600, 2}};
  for (const auto& c : casos) {
    const QString p = pasta.Escreve(QStringLiteral("a.ast"), QByteArray(c.bytes, 'x'));
    RecordFile f(RegPagina::Tamanho);
    f.AbreLeitura(p);
    EXPECT_EQ(f.Conta(), c.conta) << c.bytes;
    EXPECT_EQ(LeTodos(p, RegPagina::Tamanho).size(), c.conta);
    // The partial record is never read.
    EsperaFalha([&] { f.Le(c.conta + 1); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  }
}

TEST_F(ArquivoRegistros, LeEEscreveNoLugar) {
  const QString p = Cria(QStringLiteral("ABC"));
  RecordFile f(kTam);
  f.AbreEdicao(p);
  EXPECT_EQ(f.Le(2), Reg('B'));
  f.Escreve(2, Reg('x'));
  f.Escreve(4, Reg('D'));  // count + 1 appends
  f.Escreve(1, QByteArray("ab"));  // a short record is padded with zeros
  EXPECT_EQ(f.Conta(), 4);
  f.Fecha();
  EXPECT_EQ(Conteudo(), QByteArray("ab", 2) + QByteArray(6, '\0') + Reg('x') + Reg('C') + Reg('D'));
  f.AbreEdicao(p);
  EsperaFalha([&] { f.Escreve(6, Reg('z')); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  EsperaFalha([&] { f.Le(0); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
}

TEST_F(ArquivoRegistros, InsereEApagaMovemRegistros) {
  const struct {
    const char* antes;
    const char* operacao;  // "i<p>" inserts 'n' at p, "a<p>" deletes p
    const char* depois;
  } casos[] = {
      {"AB", "i1", "nAB"},      {"AB", "i2", "AnB"},    {"AB", "i3", "ABn"},  {"", "i1", "n"},
      {"ABCDE", "a3", "ABDE"},  {"ABCDE", "a1", "BCDE"}, {"ABCDE", "a5", "ABCD"}, {"A", "a1", ""},
  };
  for (const auto& c : casos) {
    const QString p = Cria(QString::fromLatin1(c.antes));
    RecordFile f(kTam);
    f.AbreEdicao(p);
    const int pos = c.operacao[1] - '0';
    if (c.operacao[0] == 'i')
      f.Insere(pos, Reg('n'));
    else
      f.Apaga(pos);
    f.Fecha();
    const QByteArray conteudo = Conteudo();
    EXPECT_EQ(Letras(conteudo), QString::fromLatin1(c.depois)) << c.antes << " " << c.operacao;
    EXPECT_EQ(conteudo.size(), qstrlen(c.depois) * kTam) << c.antes << " " << c.operacao;
  }
}

TEST_F(ArquivoRegistros, MovimentoEmBlocosIgualAoRegistroARegistro) {
  // More than one block of records, with a partial record at the end: the
  // moves must leave exactly what moving record by record leaves.
  constexpr int kTamGrande = 779;
  constexpr int kConta = 3000;  // 2.3 MB
  QByteArray original;
  for (int n = 0; n < kConta; ++n) {
    QByteArray r(kTamGrande, '\0');
    for (int i = 0; i < kTamGrande; ++i) r[i] = static_cast<char>((n * 7 + i) % 251);
    original += r;
  }
  const QByteArray parcial(100, 'p');
  const QByteArray novo(kTamGrande, 'N');
  auto registro = [&](int n) { return original.mid(qsizetype(n - 1) * kTamGrande, kTamGrande); };

  for (int p : {1, 1500, kConta}) {
    const QString caminho = pasta.Escreve(QStringLiteral("g.plv"), original + parcial);
    RecordFile f(kTamGrande);
    f.AbreEdicao(caminho);
    f.Insere(p, novo);
    f.Fecha();
    QByteArray esperado;
    for (int n = 1; n < p; ++n) esperado += registro(n);
    esperado += novo;
    for (int n = p; n <= kConta; ++n) esperado += registro(n);
    EXPECT_EQ(pasta.Le(QStringLiteral("g.plv")), esperado) << "insert at " << p;

    pasta.Escreve(QStringLiteral("g.plv"), original + parcial);
    f.AbreEdicao(caminho);
    f.Apaga(p);
    f.Fecha();
    esperado.clear();
    for (int n = 1; n <= kConta; ++n)
      if (n != p) esperado += registro(n);
    EXPECT_EQ(pasta.Le(QStringLiteral("g.plv")), esperado) << "delete " << p;
  }
}

TEST_F(ArquivoRegistros, Falhas) {
  RecordFile f(kTam);
  EsperaFalha([&] { f.AbreLeitura(pasta.caminho() + "nada.plv"); }, IoError::Kind::FileNotFound, "File not found");
  EsperaFalha([&] { f.AbreEdicao(pasta.caminho() + "sem/pasta.plv"); }, IoError::Kind::FileNotFound,
              "File not found");
  EsperaFalha([&] { f.AbreLeitura(QString()); }, IoError::Kind::FileNotFound, "File not found");
  EsperaFalha([&] { f.AbreEdicao(pasta.caminho()); }, IoError::Kind::AccessDenied, "Access denied");
  EsperaFalha([&] { LeTodos(pasta.caminho() + "nada.plv", kTam); }, IoError::Kind::FileNotFound, "File not found");

  const QString p = Cria(QStringLiteral("AB"));
  f.AbreLeitura(p);
  EsperaFalha([&] { f.Escreve(1, Reg('x')); }, IoError::Kind::AccessDenied, "Access denied");
  EsperaFalha([&] { f.Insere(1, Reg('x')); }, IoError::Kind::AccessDenied, "Access denied");
  EsperaFalha([&] { f.Apaga(1); }, IoError::Kind::AccessDenied, "Access denied");
  f.Fecha();
  EXPECT_EQ(Letras(Conteudo()), QStringLiteral("AB"));

  f.AbreEdicao(p);
  EsperaFalha([&] { f.Insere(4, Reg('x')); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  // Deleting past the end is refused rather than cutting the last record.
  EsperaFalha([&] { f.Apaga(3); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  EsperaFalha([&] { f.Apaga(0); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  f.Fecha();
  EXPECT_EQ(Letras(Conteudo()), QStringLiteral("AB"));
  EsperaFalha([&] { f.Conta(); }, IoError::Kind::FileNotOpen, "File not open");

  QFile::setPermissions(p, QFileDevice::ReadOwner);
  if (!QFile(p).open(QIODevice::ReadWrite))  // root ignores permissions
    EsperaFalha([&] { f.AbreEdicao(p); }, IoError::Kind::AccessDenied, "Access denied");

  EXPECT_STREQ(IoError::Texto(IoError::Kind::DiskFull), "Disk full");
  const IoError e(IoError::Kind::DiskFull, QStringLiteral("/x"));
  EXPECT_STREQ(e.what(), "Disk full");
  EXPECT_EQ(e.path(), QStringLiteral("/x"));
}

// A pipe or a device where a record file should be is refused at once, in
// every mode: the open neither waits for the pipe's other end nor takes a
// device for a file (a pipe with a writer, a device that reads as endless
// zeros).  Nothing is created in its place.
TEST_F(ArquivoRegistros, SoArquivosComunsSaoAbertos) {
  const QString cano = pasta.caminho() + "cano.plv";
  ASSERT_EQ(mkfifo(QFile::encodeName(cano).constData(), 0644), 0);
  const int escritor = ::open(QFile::encodeName(cano).constData(), O_RDWR | O_NONBLOCK);  // keeps a writer there
  for (const QString& caminho : {cano, QStringLiteral("/dev/zero"), QStringLiteral("/dev/null")}) {
    SCOPED_TRACE(caminho.toStdString());
    if (!QFileInfo::exists(caminho)) continue;
    RecordFile f(kTam);
    EsperaFalha([&] { f.AbreLeitura(caminho); }, IoError::Kind::AccessDenied, "Access denied");
    EsperaFalha([&] { f.AbreEdicao(caminho); }, IoError::Kind::AccessDenied, "Access denied");
    EsperaFalha([&] { RecordFile::Reescreve(caminho, kTam, {Reg('x')}); }, IoError::Kind::AccessDenied,
                "Access denied");
    EsperaFalha([&] { LeTodos(caminho, kTam); }, IoError::Kind::AccessDenied, "Access denied");
    EXPECT_FALSE(f.aberto());
  }
  if (escritor >= 0) ::close(escritor);
  RecordFile f(kTam);
  ::unlink(QFile::encodeName(cano).constData());
  ASSERT_EQ(mkfifo(QFile::encodeName(cano).constData(), 0644), 0);  // no one at either end
  EsperaFalha([&] { f.AbreLeitura(cano); }, IoError::Kind::AccessDenied, "Access denied");
  EsperaFalha([&] { f.AbreEdicao(cano); }, IoError::Kind::AccessDenied, "Access denied");
  EXPECT_FALSE(QFileInfo(cano).isFile());
}

// Records read through a mapping of the file; another program cutting the
// file meanwhile makes the lost records a read past the end, not a crash.
TEST_F(ArquivoRegistros, LeituraMapeadaSobreviveAoArquivoCortado) {
  const QString p = Cria(QString(2048, QChar('M')));  // 16 KB: four pages
  RecordFile f(kTam);
  f.AbreLeitura(p);
  const uchar* mapa = f.Mapeia();
  ASSERT_NE(mapa, nullptr);
  EXPECT_EQ(f.LeMapeado(mapa, 2048), Reg('M'));
  EsperaFalha([&] { f.LeMapeado(mapa, 2049); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  ASSERT_TRUE(QFile::resize(p, 100));
  EsperaFalha([&] { f.LeMapeado(mapa, 2000); }, IoError::Kind::ReadBeyondEnd, "Read beyond end of file");
  EXPECT_EQ(f.LeMapeado(mapa, 1), Reg('M'));
  f.Fecha();
}

TEST_F(ArquivoRegistros, DiscoCheio) {
  RecordFile f(kTam);
  f.AbreEdicao(pasta.caminho() + "cheio.plv");
  apoio::DiscoCheio cheio(0);
  EsperaFalha([&] { f.Escreve(1, Reg('x')); }, IoError::Kind::DiskFull, "Disk full");
}

TEST_F(ArquivoRegistros, EdicaoCriaEReescreveEsvazia) {
  const QString p = pasta.caminho() + "novo.cfg";
  RecordFile f(RegConfig::Tamanho);
  f.AbreEdicao(p);
  EXPECT_EQ(f.Conta(), 0);
  f.Fecha();
  EXPECT_TRUE(QFileInfo(p).isFile());

  pasta.Escreve(QStringLiteral("pagina1.itm"), QByteArray(5000, 'z'));
  RegItem a, b;
  a.Item = QStringLiteral("um");
  b.Item = QStringLiteral("dois");
  RecordFile::Reescreve(pasta.caminho() + "pagina1.itm", RegItem::Tamanho, {a.ParaBytes(), b.ParaBytes()});
  const QList<QByteArray> lidos = LeTodos(pasta.caminho() + "pagina1.itm", RegItem::Tamanho);
  ASSERT_EQ(lidos.size(), 2);
  EXPECT_EQ(RegItem::DeBytes(lidos[1]).Item, QStringLiteral("dois"));
  EXPECT_EQ(QFileInfo(pasta.caminho() + "pagina1.itm").size(), 2 * RegItem::Tamanho);
  RecordFile::Reescreve(pasta.caminho() + "pagina1.itm", RegItem::Tamanho, {});
  EXPECT_EQ(QFileInfo(pasta.caminho() + "pagina1.itm").size(), 0);
}

TEST_F(ArquivoRegistros, AbreSemDistinguirCaixa) {
  pasta.Escreve(QStringLiteral("Biologia/Animais.PLV"), Arquivo(QStringLiteral("AB")));
  RecordFile f(kTam);
  f.AbreLeitura(pasta.caminho() + "biologia/animais.plv");
  EXPECT_EQ(f.Conta(), 2);
  EXPECT_TRUE(f.caminho().endsWith(QStringLiteral("Biologia/Animais.PLV")));
  f.Fecha();
  // Editing a missing file in a folder spelt in another case creates it there.
  f.AbreEdicao(pasta.caminho() + "BIOLOGIA/novo.plv");
  f.Escreve(1, Reg('q'));
  f.Fecha();
  EXPECT_EQ(pasta.Le(QStringLiteral("Biologia/novo.plv")), Reg('q'));
  const auto lidos = LeTodos(pasta.caminho() + "biologia/NOVO.plv", kTam);
  ASSERT_EQ(lidos.size(), 1);
}

TEST_F(ArquivoRegistros, RegistrosTipados) {
  const QString p = pasta.caminho() + "palavras.plv";
  RecordFile f(RegPalavra::Tamanho);
  f.AbreEdicao(p);
  RegPalavra w;
  w.Palavra = QStringLiteral("sol");
  w.Prepara();
  f.EscreveRegistro(1, w);
  EXPECT_EQ(f.LeRegistro<RegPalavra>(1), w);
  EXPECT_TRUE(f.LeRegistro<RegPalavra>(1).Verifica());
}
