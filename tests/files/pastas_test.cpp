#include "files/pastas.h"

#include "files/texto.h"

#include "support/pasta_temporaria.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace files;

namespace {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TEST(Pastas, CaminhosDoAssunto) {
  const QString dir = DirProgramaDe(U("/opt/ZELMO/Ação"));
  EXPECT_EQ(dir, U("/opt/zelmo/ação/"));
  EXPECT_EQ(DirProgramaDe(QStringLiteral("/opt/z/")), QStringLiteral("/opt/z/"));
  EXPECT_EQ(ArqConfigDe(dir), dir + "Zelmo2.cfg");
  EXPECT_EQ(DirAssuntoDe(dir, QStringLiteral("Biologia")), dir + "biologia/");
  EXPECT_EQ(ArqAssuntoDe(dir, QStringLiteral("Biologia")), dir + "biologia/biologia.ast");
  EXPECT_EQ(ArqRelatorioDe(dir, QStringLiteral("Biologia"), QStringLiteral("Turma A")), dir + "Biologia/Turma A.rel");
  EXPECT_EQ(DirAssuntoDe(dir, U("ÉTICA")), dir + U("ética/"));
  EXPECT_EQ(ArquivoItens(dir + "biologia/pagina1.hpr"), dir + "biologia/pagina1.itm");
  EXPECT_EQ(ArquivoItens(QStringLiteral("P.HPR")), QStringLiteral("P.itm"));
}

TEST(Pastas, NomesSimples) {
  const struct {
    const char* nome;
    bool simples;
  } casos[] = {{"a.plv", true},      {" nenhum ", true}, {"", false},     {".", false},     {"..", false},
               {"../x.plv", false},  {"a/b", false},     {"a\\b", false}, {"/etc/passwd", false},
               {"...", true}};
  for (const auto& c : casos) {
    EXPECT_EQ(NomeSimples(QString::fromLatin1(c.nome)), c.simples) << c.nome;
    const QString p = CaminhoNoAssunto(QStringLiteral("/d/"), QString::fromLatin1(c.nome));
    if (c.simples)
      EXPECT_EQ(p, QStringLiteral("/d/") + c.nome);
    else
      EXPECT_FALSE(ArquivoExiste(p)) << c.nome;
  }
  apoio::PastaTemporaria pasta;
  pasta.Escreve(QStringLiteral("fora.plv"), "x");
  pasta.Escreve(QStringLiteral("assunto/dentro.plv"), "x");
  const QString assunto = pasta.caminho() + "assunto/";
  EXPECT_TRUE(ArquivoExiste(CaminhoNoAssunto(assunto, QStringLiteral("dentro.plv"))));
  EXPECT_FALSE(ArquivoExiste(CaminhoNoAssunto(assunto, QStringLiteral("../fora.plv"))));
  EXPECT_FALSE(ArquivoExiste(CaminhoNoAssunto(assunto, QString())));  // not the folder itself
  EXPECT_FALSE(PastaExiste(CaminhoNoAssunto(assunto, QStringLiteral("."))));
}

TEST(Pastas, ResolveSemDistinguirCaixa) {
  apoio::PastaTemporaria pasta;
  pasta.Escreve(U("Programa/Ciências/Ciências.AST"), "x");
  pasta.Escreve(QStringLiteral("Programa/Zelmo2.cfg"), "x");
  // The temporary folder's own name holds capitals; it is found lower-cased.
  const QString dir = DirProgramaDe(pasta.caminho() + "Programa");
  EXPECT_NE(dir, pasta.caminho() + "Programa/");
  EXPECT_EQ(ResolveCaminho(dir), pasta.caminho() + "Programa/");
  const QString ast = ArqAssuntoDe(dir, U("CIÊNCIAS"));
  EXPECT_EQ(ResolveCaminho(ast), pasta.caminho() + U("Programa/Ciências/Ciências.AST"));
  EXPECT_TRUE(ArquivoExiste(ast));
  EXPECT_FALSE(PastaExiste(ast));
  EXPECT_TRUE(PastaExiste(DirAssuntoDe(dir, U("Ciências"))));
  EXPECT_TRUE(ArquivoExiste(ArqConfigDe(dir)));
  // A missing tail is kept as given, below the parts that were found.
  EXPECT_EQ(ResolveCaminho(dir + U("ciências/Novo/Rel A.rel")),
            pasta.caminho() + U("Programa/Ciências/Novo/Rel A.rel"));
  EXPECT_FALSE(ArquivoExiste(dir + U("ciências/Novo/Rel A.rel")));
  // The exact spelling wins when it exists.
  pasta.Escreve(U("Programa/ciências/outro.ast"), "x");
  EXPECT_EQ(ResolveCaminho(pasta.caminho() + U("Programa/ciências/outro.ast")),
            pasta.caminho() + U("Programa/ciências/outro.ast"));
  EXPECT_EQ(ResolveCaminho(QString()), QString());
}

TEST(Pastas, ListaArquivos) {
  apoio::PastaTemporaria pasta;
  for (const char* n : {"b.wav", "A.MID", "c.txt", "d.Wav", "e.html", "f.htm", "g.htmx.bak"})
    pasta.Escreve(QString::fromLatin1(n), "x");
  pasta.Escreve(QStringLiteral("pasta.wav/dentro.wav"), "x");  // a folder is not listed
  EXPECT_EQ(ListaArquivos(pasta.caminho(), QStringLiteral("*.wav;*.mid")),
            QStringList({"A.MID", "b.wav", "d.Wav"}));
  EXPECT_EQ(ListaArquivos(pasta.caminho(), QStringLiteral("*.htm*")), QStringList({"e.html", "f.htm", "g.htmx.bak"}));
  // The folder itself resolves case-blind.
  const QString semCaixa = MinusculasAnsi(pasta.caminho());
  EXPECT_EQ(ListaArquivos(semCaixa, QStringLiteral("*.TXT")), QStringList({"c.txt"}));
  EXPECT_TRUE(ListaArquivos(pasta.caminho() + "nada/", QStringLiteral("*")).isEmpty());
}
