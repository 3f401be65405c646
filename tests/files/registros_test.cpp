#include "files/registros.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace files;

namespace {

// Record bytes put together by hand from the layouts, independently of the
// code under test: zeros, then each field at its offset.
class Bytes {
 public:
  explicit Bytes(int tamanho) : b_(tamanho, '\0') {}
  // A short text: its length byte, then its bytes (already in the code page).
  Bytes& Txt(int pos, const QByteArray& s) {
    b_[pos] = static_cast<char>(s.size());
    for (int i = 0; i < s.size(); ++i) b_[pos + 1 + i] = s[i];
    return *this;
  }
  Bytes& I32(int pos, uint32_t v) {
    for (int k = 0; k < 4; ++k) b_[pos + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
    return *this;
  }
  Bytes& F64(int pos, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int k = 0; k < 8; ++k) b_[pos + k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
    return *this;
  }
  Bytes& U8(int pos, int v) {
    b_[pos] = static_cast<char>(v);
    return *this;
  }
  operator QByteArray() const { return b_; }

 private:
  QByteArray b_;
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TEST(RegPagina, BytesNosDeslocamentos) {
  RegPagina r;
  r.Tipo = kForca;
  r.Arquivo = U("Animais.plv");
  r.Som = U("música.wav");
  r.Rodadas = 3;
  r.Porcent = 80;
  r.Quant = 12;
  r.Ordem = 1;
  r.Dica = 3;
  r.Ajuda = false;
  r.Imprimir = true;
  r.Sair = false;
  r.Retorno = true;
  r.Avanco = false;
  r.Alfabeto = true;
  r.Prepara();
  const QByteArray esperado = Bytes(800)
                                  .I32(0, 5)
                                  .Txt(4, "Animais.plv")
                                  .Txt(260, "m\xFAsica.wav")
                                  .I32(516, 3)
                                  .I32(520, 80)
                                  .I32(524, 12)
                                  .I32(528, 1)
                                  .I32(532, 3)
                                  .U8(537, 1)
                                  .U8(539, 1)
                                  .U8(541, 1)
                                  // "Animais.plv", weights 10 down to 0:
                                  // 65x10+110x9+105x8 = 2480 -> 60 -> 92;
                                  // 109x7+97x6+105x5 = 1870 -> 110 -> 142;
                                  // 115x4+46x3+112x2 = 822 -> 162 -> 194.
                                  .Txt(542, "\x5C\x8E\xC2");
  EXPECT_EQ(r.ParaBytes(), esperado);
  EXPECT_EQ(RegPagina::DeBytes(esperado), r);
  EXPECT_TRUE(RegPagina::DeBytes(esperado).Verifica());
}

TEST(RegPagina, NovaPaginaENegativos) {
  const RegPagina nova;
  const QByteArray b = nova.ParaBytes();
  EXPECT_EQ(b, QByteArray(Bytes(800)
                              .I32(0, 0xFFFFFFFFu)
                              .I32(516, 5)
                              .I32(520, 70)
                              .I32(524, 5)
                              .U8(536, 1)
                              .U8(537, 1)
                              .U8(538, 1)
                              .U8(539, 1)
                              .U8(540, 1)
                              .U8(541, 1)));
  EXPECT_EQ(RegPagina::DeBytes(b).Tipo, -1);
  EXPECT_TRUE(nova.Verifica());  // empty Arquivo, empty Codigo
}

TEST(RegPalavra, BytesEDicaEmDuasPartes) {
  const QString dica = QString(250, 'x') + U("ção");
  RegPalavra r;
  r.Palavra = U("maçã");
  r.DefineDica(dica);
  EXPECT_EQ(r.Dica1, QString(250, 'x'));
  EXPECT_EQ(r.Dica2, U("ção"));
  EXPECT_EQ(r.Dica(), dica);
  r.Prepara();
  // "maçã" = 6D 61 E7 E3: 109x3 + 97x2 + 231x1 = 752 -> 752 mod 220 = 92 -> 124.
  const QByteArray esperado =
      Bytes(779).Txt(0, "ma\xE7\xE3").Txt(21, QByteArray(250, 'x')).Txt(272, "\xE7\xE3o").Txt(523, "\x7C");
  EXPECT_EQ(r.ParaBytes(), esperado);
  const RegPalavra lido = RegPalavra::DeBytes(esperado);
  EXPECT_EQ(lido, r);
  EXPECT_TRUE(lido.Verifica());
}

TEST(RegPalavra, VerificaPelaPalavraComoGravada) {
  RegPalavra r;
  r.Palavra = QStringLiteral("gato");
  r.Prepara();
  EXPECT_TRUE(r.Verifica());
  RegPalavra maiuscula = r;
  maiuscula.Palavra = QStringLiteral("GATO");
  EXPECT_FALSE(maiuscula.Verifica());  // case-sensitive
  RegPalavra vazia;
  EXPECT_TRUE(vazia.Verifica());
  vazia.Codigo = QStringLiteral("x");
  EXPECT_FALSE(vazia.Verifica());
}

TEST(RegPalavra, TextoLongoCortadoEZerosDepois) {
  RegPalavra r;
  r.Palavra = QStringLiteral("abcdefghijklmnopqrstuvwxyz");  // 26 > 20
  r.Prepara();
  EXPECT_EQ(r.Palavra, QStringLiteral("abcdefghijklmnopqrst"));
  QByteArray b = r.ParaBytes();
  EXPECT_EQ(b[0], 20);
  EXPECT_TRUE(RegPalavra::DeBytes(b).Verifica());
  // A shorter word written over the same buffer leaves zeros after it.
  r.Palavra = QStringLiteral("ab");
  b = r.ParaBytes();
  EXPECT_EQ(b.mid(0, 21), QByteArray("\x02" "ab", 3) + QByteArray(18, '\0'));
  // Not prepared: ParaBytes still cuts to the field.
  RegPalavra cru;
  cru.Palavra = QString(40, 'z');
  EXPECT_EQ(cru.ParaBytes()[0], 20);
  EXPECT_EQ(cru.ParaBytes()[21], 0);
}

TEST(RegFrase, BytesNosDeslocamentos) {
  RegFrase r;
  r.DefineTexto(QStringLiteral("O ___ late."));
  r.Correta = QStringLiteral("cachorro");
  r.Errada1 = QStringLiteral("gato");
  r.Errada2 = QStringLiteral("peixe");
  r.Errada3 = U("pássaro");
  r.Prepara();
  EXPECT_EQ(r.Texto2, QString());
  const QByteArray b = r.ParaBytes();
  const QByteArray esperadoSemCodigo = Bytes(1762)
                                           .Txt(0, "O ___ late.")
                                           .Txt(502, "cachorro")
                                           .Txt(753, "gato")
                                           .Txt(1004, "peixe")
                                           .Txt(1255, "p\xE1ssaro");
  EXPECT_EQ(b.left(1506), QByteArray(esperadoSemCodigo).left(1506));
  EXPECT_EQ(static_cast<unsigned char>(b[1506]), 3);  // 11 bytes, three groups
  EXPECT_EQ(RegFrase::DeBytes(b), r);
  EXPECT_TRUE(RegFrase::DeBytes(b).Verifica());
}

TEST(RegFigura, BytesNosDeslocamentos) {
  RegFigura r;
  r.Figura = QStringLiteral("mapa.jpg");
  r.LarguraFig = 0.75;
  r.AlturaFig = 0.5;
  r.Rotulo = {QStringLiteral("  Norte "), QStringLiteral("Sul"), U("Região"), QString(), QString(), QString()};
  r.PanX = {0.1, 0.2, 0.3, 0, 0, 0};
  r.PanY = {0.4, 0.5, 0.6, 0, 0, 0};
  r.LinhaX = {0.25, -1, 0.125, -1, -1, -1};
  r.LinhaY = {0.375, -1, 0.0625, -1, -1, -1};
  r.Prepara();
  EXPECT_EQ(r.Rotulo[0], QStringLiteral("Norte"));  // labels are stored trimmed
  Bytes e(848);
  e.Txt(0, "mapa.jpg").F64(256, 0.75).F64(264, 0.5);
  e.Txt(272, "Norte").Txt(293, "Sul").Txt(314, "Regi\xE3o");
  const double px[] = {0.1, 0.2, 0.3}, py[] = {0.4, 0.5, 0.6};
  const double lx[] = {0.25, -1, 0.125, -1, -1, -1}, ly[] = {0.375, -1, 0.0625, -1, -1, -1};
  for (int k = 0; k < 3; ++k) e.F64(400 + 8 * k, px[k]).F64(448 + 8 * k, py[k]);
  for (int k = 0; k < 6; ++k) e.F64(496 + 8 * k, lx[k]).F64(544 + 8 * k, ly[k]);
  // "mapa.jpg": 8 bytes, two groups: 109x7+97x6+112x5 = 1905 -> 145 -> 177;
  // 97x4+46x3+106x2 = 738 -> 78 -> 110.
  e.Txt(592, "\xB1\x6E");
  EXPECT_EQ(r.ParaBytes(), QByteArray(e));
  EXPECT_EQ(RegFigura::DeBytes(e), r);
  EXPECT_TRUE(RegFigura::DeBytes(e).Verifica());
}

TEST(RegHiper, BytesNosDeslocamentos) {
  RegHiper r;
  r.Texto = QStringLiteral("ab");
  r.Som = QStringLiteral("s.wav");
  r.Video = QStringLiteral("v.avi");
  r.Figura = QStringLiteral("f.bmp");
  r.Titulo = QString(70, 'T');  // cut to 60
  r.LarguraTexto = 0.5;
  r.AlturaPainelFigura = 0.25;
  r.LarguraFigura = 0.4;
  r.AlturaFigura = 0.3;
  r.TamanhoOriginal = true;
  r.Prepara();
  const QByteArray e = Bytes(1384)
                           .Txt(0, "ab")
                           .Txt(256, "s.wav")
                           .Txt(512, "v.avi")
                           .Txt(768, "f.bmp")
                           .Txt(1024, QByteArray(60, 'T'))
                           .F64(1088, 0.5)
                           .F64(1096, 0.25)
                           .F64(1104, 0.4)
                           .F64(1112, 0.3)
                           .U8(1120, 1);  // "ab" has an empty check text
  EXPECT_EQ(r.ParaBytes(), e);
  EXPECT_EQ(RegHiper::DeBytes(e), r);
  EXPECT_TRUE(RegHiper::DeBytes(e).Verifica());
}

TEST(RegItem, BytesNosDeslocamentos) {
  RegItem r;
  r.Item = U("Fígado");
  r.Arquivo = QStringLiteral(" nenhum ");
  r.X = 12.5;
  r.Y = -1;
  const QByteArray e = Bytes(528).Txt(0, "F\xEDgado").Txt(256, " nenhum ").F64(512, 12.5).F64(520, -1);
  EXPECT_EQ(r.ParaBytes(), e);
  EXPECT_EQ(RegItem::DeBytes(e), r);
}

TEST(RegTesteHTML, BytesNosDeslocamentos) {
  RegTesteHTML r;
  r.ArquivoHTML = QStringLiteral("abc");
  r.Alternativas = 4;
  r.Correta = 2;
  r.Prepara();
  const QByteArray e = Bytes(516).Txt(0, "abc").I32(252, 4).I32(256, 2).Txt(260, "h");
  EXPECT_EQ(r.ParaBytes(), e);
  EXPECT_EQ(RegTesteHTML::DeBytes(e), r);
  EXPECT_TRUE(RegTesteHTML::DeBytes(e).Verifica());
}

TEST(RegConfig, BytesNosDeslocamentos) {
  RegConfig r;
  r.NomeAssunto = QStringLiteral("Biologia");
  r.NomeRelatorio = QStringLiteral("Turma A");
  const QByteArray e = Bytes(512).Txt(0, "Biologia").Txt(256, "Turma A");
  EXPECT_EQ(r.ParaBytes(), e);
  EXPECT_EQ(RegConfig::DeBytes(e), r);
}

TEST(Registros, LeituraTolerante) {
  // Any non-zero byte is true; lengths beyond the capacity read as the
  // capacity; bytes after the text are ignored.
  Bytes b(800);
  b.U8(536, 0x80).U8(537, 2).U8(538, 0);
  b.U8(4, 255);  // Arquivo full
  b.U8(260, 3).Txt(260, "abc").U8(264, 'Z');
  QByteArray bytes = b;
  for (int i = 5; i < 260; ++i) bytes[i] = 'q';
  const RegPagina p = RegPagina::DeBytes(bytes);
  EXPECT_TRUE(p.Ajuda);
  EXPECT_TRUE(p.Imprimir);
  EXPECT_FALSE(p.Sair);
  EXPECT_EQ(p.Arquivo, QString(255, 'q'));
  EXPECT_EQ(p.Som, QStringLiteral("abc"));
  // Written back, a true boolean is the byte 1.
  EXPECT_EQ(p.ParaBytes()[536], 1);

  // Length 200 in a 20-character field reads 20 characters and no further.
  QByteArray palavra = Bytes(779).Txt(21, "dica");
  palavra[0] = static_cast<char>(200);
  for (int i = 1; i <= 20; ++i) palavra[i] = 'w';
  const RegPalavra w = RegPalavra::DeBytes(palavra);
  EXPECT_EQ(w.Palavra, QString(20, 'w'));
  EXPECT_EQ(w.Dica1, QStringLiteral("dica"));

  // A short buffer reads as if padded with zeros.
  const RegConfig c = RegConfig::DeBytes(QByteArray("\x05" "Bio", 4));
  EXPECT_EQ(c.NomeAssunto, QString::fromLatin1("Bio\0\0", 5));
  EXPECT_EQ(c.NomeRelatorio, QString());
}

TEST(Registros, TextoDeQuinhentos) {
  const QString longo = QString(250, 'a') + QString(250, 'b') + QStringLiteral("cccc");
  const auto [p1, p2] = DivideTexto(longo);
  EXPECT_EQ(p1, QString(250, 'a'));
  EXPECT_EQ(p2, QString(250, 'b'));  // past 500 is cut
  EXPECT_EQ(DivideTexto(QStringLiteral("curto")).second, QString());
  EXPECT_EQ(JuntaTexto(QStringLiteral("ab"), QStringLiteral("cd")), QStringLiteral("abcd"));
  EXPECT_EQ(Corta(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
  // A pair of surrogates is one character and is never split.
  const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
  EXPECT_EQ(Corta(QStringLiteral("a") + emoji + QStringLiteral("b"), 2), QStringLiteral("a") + emoji);
}

TEST(Registros, TiposDePagina) {
  const char* nomes[] = {"Texto RTF",         "Hipertexto",          "HTML",
                         "Caça Palavras",     "Palavras Cruzadas",   "Jogo da Forca",
                         "Palavra Embaralhada", "Frases para Completar", "Testes",
                         "Associação",        "Acerte o Local",      "Verdadeiro ou Falso",
                         "Testes em HTML"};
  const char* mascaras[] = {"*.rtf", "*.hpr", "*.htm*", "*.plv", "*.plv", "*.plv", "*.plv",
                            "*.fse", "*.tst", "*.plv", "*.loc", "*.fse", "*.tsh"};
  for (int t = 0; t < kNumTipos; ++t) {
    EXPECT_STREQ(NomesTipos()[t], nomes[t]) << t;
    EXPECT_EQ(MascaraTipo(t), QString::fromLatin1(mascaras[t])) << t;
  }
  EXPECT_EQ(MascaraTipo(-1), QString());
  EXPECT_EQ(MascaraTipo(13), QString());
}
