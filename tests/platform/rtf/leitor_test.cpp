// The RTF reader on small documents: the text and the attributes each must
// give, and damaged documents that must still show what can be read.
#include "platform/rtf/leitor.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <functional>
#include <optional>

#include "support/aplicacao.h"
#include "support/pasta_temporaria.h"

namespace {

class AmbienteQt : public ::testing::Environment {
 public:
  void SetUp() override { apoio::Aplicacao(); }
};
const auto* const kAmbiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

QByteArray Hex(const QByteArray& b) { return b.toHex(); }

QByteArray Png(int w, int h, QColor cor) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(cor);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

// The character format of the first fragment that holds `texto`.
std::optional<QTextCharFormat> FormatoDe(const QTextDocument& doc, const QString& texto) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      if (it.fragment().text().contains(texto)) return it.fragment().charFormat();
  return std::nullopt;
}

QTextBlock BlocoDe(const QTextDocument& doc, const QString& texto) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (b.text().contains(texto)) return b;
  return {};
}

QTextTable* PrimeiraTabela(const QTextDocument& doc) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    QTextCursor c(b);
    if (QTextTable* t = c.currentTable()) return t;
  }
  return nullptr;
}

QString Fonte(const QTextCharFormat& f) {
  const QStringList fam = f.fontFamilies().toStringList();
  return fam.isEmpty() ? QString() : fam.first();
}

struct Caso {
  const char* nome;
  QByteArray rtf;
  QString texto;  // the document's plain text must contain it
  std::function<void(const QTextDocument&)> confere;
};

class LeituraRTF : public ::testing::TestWithParam<Caso> {};

TEST_P(LeituraRTF, DaOTextoEOsAtributos) {
  const Caso& c = GetParam();
  QTextDocument doc;
  platform::LeRTF(c.rtf, &doc);
  EXPECT_TRUE(doc.toPlainText().contains(c.texto)) << doc.toPlainText().toStdString();
  if (c.confere) c.confere(doc);
}

const QByteArray kFontes =
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
    "{\\f2\\fmodern Courier New;}{\\f3\\fnil\\fcharset2 Symbol;}}";

std::vector<Caso> Casos() {
  std::vector<Caso> v;
  v.push_back({"negrito_italico_sublinhado",
               "{\\rtf1\\ansi" + kFontes + "\\f0 normal {\\b negrito} {\\i it\\'e1lico} {\\ul sub} "
               "{\\strike risco} \\b0 fim\\par}",
               QStringLiteral("normal negrito itálico sub risco fim"), [](const QTextDocument& d) {
                 EXPECT_EQ(FormatoDe(d, "negrito")->fontWeight(), QFont::Bold);
                 EXPECT_EQ(FormatoDe(d, "normal")->fontWeight(), QFont::Normal);
                 EXPECT_TRUE(FormatoDe(d, "itálico")->fontItalic());
                 EXPECT_FALSE(FormatoDe(d, "negrito")->fontItalic());
                 EXPECT_TRUE(FormatoDe(d, "sub")->fontUnderline());
                 EXPECT_TRUE(FormatoDe(d, "risco")->fontStrikeOut());
                 EXPECT_EQ(FormatoDe(d, "fim")->fontWeight(), QFont::Normal);
               }});
  v.push_back({"fonte_e_tamanho_da_tabela",
               "{\\rtf1\\ansi\\deff1" + kFontes + "padrao \\f0\\fs36 arial18 {\\f2\\fs20 curier10}\\par}",
               QStringLiteral("padrao arial18 curier10"), [](const QTextDocument& d) {
                 EXPECT_EQ(Fonte(*FormatoDe(d, "padrao")), "Times New Roman");
                 EXPECT_DOUBLE_EQ(FormatoDe(d, "padrao")->fontPointSize(), 12.0);
                 EXPECT_EQ(Fonte(*FormatoDe(d, "arial18")), "Arial");
                 EXPECT_DOUBLE_EQ(FormatoDe(d, "arial18")->fontPointSize(), 18.0);
                 EXPECT_EQ(Fonte(*FormatoDe(d, "curier10")), "Courier New");
                 EXPECT_DOUBLE_EQ(FormatoDe(d, "curier10")->fontPointSize(), 10.0);
                 EXPECT_EQ(FormatoDe(d, "arial18")->property(platform::rtf::kCharset).toInt(), 0);
               }});
  v.push_back({"acentos_em_hexadecimal_e_brutos",
               "{\\rtf1\\ansi\\ansicpg1252 cora\\'e7\\'e3o, \\'c9 \xe9 \\'80\\par}",
               QStringLiteral("coração, É é €"), nullptr});
  v.push_back({"unicode_pula_o_substituto",
               "{\\rtf1\\ansi pre\\u8364?pos {\\uc2\\u8364\\'80\\'80x}{\\uc0\\u233 y} \\u-3913?z\\par}",
               QStringLiteral("pre€pos €xéy ") + QChar(0xF0B7) + QStringLiteral("z"), nullptr});
  v.push_back({"tabela_de_cores",
               "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
               "auto \\cf1 vermelho \\cf2 verde {\\highlight1 fundo} \\cf0 outra\\par}",
               QStringLiteral("auto vermelho verde fundo outra"), [](const QTextDocument& d) {
                 EXPECT_EQ(FormatoDe(d, "vermelho")->foreground().color(), QColor(255, 0, 0));
                 EXPECT_EQ(FormatoDe(d, "verde")->foreground().color(), QColor(0, 128, 0));
                 EXPECT_EQ(FormatoDe(d, "fundo")->background().color(), QColor(255, 0, 0));
                 EXPECT_FALSE(FormatoDe(d, "auto")->hasProperty(QTextFormat::ForegroundBrush));
                 EXPECT_FALSE(FormatoDe(d, "outra")->hasProperty(QTextFormat::ForegroundBrush));
               }});
  v.push_back({"alinhamento_recuos_espacos",
               "{\\rtf1\\ansi\\qc centro\\par\\qr direita\\par\\pard\\qj justo\\par"
               "\\pard\\li1440\\ri720\\fi-360\\sb240\\sa120\\sl360\\slmult1 recuado\\par"
               "\\pard esquerda\\par}",
               QStringLiteral("centro"), [](const QTextDocument& d) {
                 EXPECT_EQ(BlocoDe(d, "centro").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                           Qt::AlignHCenter);
                 EXPECT_EQ(BlocoDe(d, "direita").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                           Qt::AlignRight);
                 EXPECT_EQ(BlocoDe(d, "justo").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                           Qt::AlignJustify);
                 EXPECT_EQ(BlocoDe(d, "esquerda").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                           Qt::AlignLeft);
                 const QTextBlockFormat r = BlocoDe(d, "recuado").blockFormat();
                 EXPECT_NEAR(r.leftMargin(), platform::TwipsParaDoc(1440), 0.01);
                 EXPECT_NEAR(r.rightMargin(), platform::TwipsParaDoc(720), 0.01);
                 EXPECT_NEAR(r.textIndent(), platform::TwipsParaDoc(-360), 0.01);
                 EXPECT_NEAR(r.topMargin(), platform::TwipsParaDoc(240), 0.01);
                 EXPECT_NEAR(r.bottomMargin(), platform::TwipsParaDoc(120), 0.01);
                 EXPECT_EQ(r.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
                 EXPECT_NEAR(r.lineHeight(), 150.0, 0.01);
                 EXPECT_NEAR(BlocoDe(d, "esquerda").blockFormat().leftMargin(), 0.0, 0.01);
               }});
  v.push_back({"tabulacao_e_quebra_de_linha",
               "{\\rtf1\\ansi\\tqr\\tx2880 a\\tab b\\line c\\par}",
               QStringLiteral("a\tb"), [](const QTextDocument& d) {
                 const QTextBlock b = BlocoDe(d, "a\tb");
                 EXPECT_TRUE(b.text().contains(QChar::LineSeparator));
                 ASSERT_EQ(b.blockFormat().tabPositions().size(), 1);
                 EXPECT_EQ(b.blockFormat().tabPositions()[0].type, QTextOption::RightTab);
               }});
  v.push_back({"marcadores_antigos_pn",
               "{\\rtf1\\ansi" + kFontes +
               "{\\pntext\\f3\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'b7}}"
               "\\fi-360\\li720 primeiro\\par"
               "{\\pntext\\f3\\'b7\\tab}segundo\\par\\pard depois\\par}",
               QStringLiteral("primeiro"), [](const QTextDocument& d) {
                 QTextList* l = BlocoDe(d, "primeiro").textList();
                 ASSERT_NE(l, nullptr);
                 EXPECT_EQ(l->format().style(), QTextListFormat::ListDisc);
                 EXPECT_EQ(BlocoDe(d, "segundo").textList(), l);
                 EXPECT_EQ(l->count(), 2);
                 EXPECT_EQ(BlocoDe(d, "depois").textList(), nullptr);
                 // The marker text is the list's, not the paragraph's.
                 EXPECT_FALSE(BlocoDe(d, "primeiro").text().contains(QChar(0x2022)));
               }});
  v.push_back({"marcador_no_formato_do_item",
               "{\\rtf1\\ansi {\\fs48\\b Titulo\\par}\\pard{\\*\\pn\\pnlvlblt}\\fs20 item\\par\\pard\\fs30\\par}",
               QStringLiteral("item"), [](const QTextDocument& d) {
                 // The list marker and the empty line take the paragraph's own size.
                 EXPECT_DOUBLE_EQ(BlocoDe(d, "item").charFormat().fontPointSize(), 10.0);
                 EXPECT_DOUBLE_EQ(BlocoDe(d, "item").next().charFormat().fontPointSize(), 15.0);
               }});
  v.push_back({"lista_numerada_da_tabela_de_listas",
               "{\\rtf1\\ansi" + kFontes +
               "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1"
               "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid77}"
               "{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}\\listid78}}"
               "{\\*\\listoverridetable{\\listoverride\\listid77\\listoverridecount0\\ls1}"
               "{\\listoverride\\listid78\\ls2}}"
               "\\pard\\fi-360\\li720\\ls1 {\\listtext 1.\\tab}um\\par"
               "{\\listtext 2.\\tab}dois\\par"
               "\\pard\\ls2 {\\listtext\\f3 \\'b7\\tab}ponto\\par\\pard fora\\par}",
               QStringLiteral("um"), [](const QTextDocument& d) {
                 QTextList* l = BlocoDe(d, "um").textList();
                 ASSERT_NE(l, nullptr);
                 EXPECT_EQ(l->format().style(), QTextListFormat::ListDecimal);
                 EXPECT_EQ(l->format().numberSuffix(), ".");
                 EXPECT_EQ(BlocoDe(d, "dois").textList(), l);
                 EXPECT_EQ(l->itemText(BlocoDe(d, "dois")), "2.");
                 EXPECT_FALSE(BlocoDe(d, "um").text().contains("1."));
                 QTextList* p = BlocoDe(d, "ponto").textList();
                 ASSERT_NE(p, nullptr);
                 EXPECT_NE(p, l);
                 EXPECT_EQ(p->format().style(), QTextListFormat::ListDisc);
                 EXPECT_EQ(BlocoDe(d, "fora").textList(), nullptr);
               }});
  v.push_back({"tabela_simples",
               "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}antes\\par"
               "\\trowd\\trgaph108\\clbrdrt\\brdrs\\cellx2000\\clcbpat1\\cellx4000"
               "\\pard\\intbl A1\\cell B1\\cell\\row"
               "\\trowd\\cellx2000\\cellx4000\\pard\\intbl {\\b A2}\\cell B2\\cell\\row"
               "\\pard depois\\par}",
               QStringLiteral("depois"), [](const QTextDocument& d) {
                 QTextTable* t = PrimeiraTabela(d);
                 ASSERT_NE(t, nullptr);
                 EXPECT_EQ(t->rows(), 2);
                 EXPECT_EQ(t->columns(), 2);
                 auto celula = [t](int r, int c) {
                   QTextCursor a = t->cellAt(r, c).firstCursorPosition();
                   a.setPosition(t->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
                   return a.selectedText();
                 };
                 // The table follows "antes" with no empty line between.
                 EXPECT_EQ(t->cellAt(0, 0).firstCursorPosition().block().previous().text(), "antes");
                 EXPECT_EQ(celula(0, 0), "A1");
                 EXPECT_EQ(celula(0, 1), "B1");
                 EXPECT_EQ(celula(1, 0), "A2");
                 EXPECT_EQ(celula(1, 1), "B2");
                 EXPECT_EQ(FormatoDe(d, "A2")->fontWeight(), QFont::Bold);
                 EXPECT_GT(t->format().border(), 0);
                 EXPECT_EQ(t->cellAt(0, 1).format().background().color(), QColor(255, 0, 0));
                 EXPECT_EQ(t->cellAt(0, 0).format().background().style(), Qt::NoBrush);
                 const auto larguras = t->format().columnWidthConstraints();
                 ASSERT_EQ(larguras.size(), 2);
                 EXPECT_NEAR(larguras[0].rawValue(), platform::TwipsParaDoc(2000), 0.01);
                 QTextCursor fora(BlocoDe(d, "depois"));
                 EXPECT_EQ(fora.currentTable(), nullptr);
               }});
  v.push_back({"destinos_ignorados_e_texto_oculto",
               "{\\rtf1\\ansi{\\info{\\title Titulo secreto}{\\author X}}{\\stylesheet{\\s0 Normal;}}"
               "{\\*\\desconhecido lixo {\\b mais lixo}}{\\*\\generator Ger;}"
               "visivel {\\v oculto}{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt ligacao}} "
               "{\\header cabecalho}fim\\par}",
               QStringLiteral("visivel ligacao fim"), [](const QTextDocument& d) {
                 const QString t = d.toPlainText();
                 for (const char* fora : {"secreto", "Normal", "lixo", "Ger", "oculto", "HYPERLINK", "cabecalho"})
                   EXPECT_FALSE(t.contains(fora)) << fora;
               }});
  v.push_back({"simbolos_e_caracteres_especiais",
               "{\\rtf1\\ansi" + kFontes + "a\\~b\\emdash c\\endash d\\bullet\\lquote x\\rquote "
               "\\ldblquote y\\rdblquote \\{\\}\\\\ {\\f3 \\'b7\\'61}\\par}",
               QStringLiteral("a b\u2014c\u2013d\u2022\u2018x\u2019\u201Cy\u201D{}\\ \u2022\u03B1"),
               nullptr});
  v.push_back({"figura_png",
               "{\\rtf1\\ansi antes {\\*\\shppict{\\pict\\pngblip\\picw20\\pich10\\picwgoal600\\pichgoal300 " +
                   Hex(Png(20, 10, Qt::red)) +
                   "}}{\\nonshppict{\\pict\\wmetafile8\\picw20\\pich10 0102}} depois\\par}",
               QStringLiteral("antes"), [](const QTextDocument& d) {
                 int figuras = 0;
                 for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
                   for (auto it = b.begin(); !it.atEnd(); ++it) {
                     const QTextCharFormat f = it.fragment().charFormat();
                     if (!f.isImageFormat()) continue;
                     ++figuras;
                     const QTextImageFormat fi = f.toImageFormat();
                     EXPECT_NEAR(fi.width(), platform::TwipsParaDoc(600), 0.01);
                     EXPECT_NEAR(fi.height(), platform::TwipsParaDoc(300), 0.01);
                     EXPECT_EQ(fi.property(platform::rtf::kFiguraTipo).toString(), "png");
                     const QImage img = d.resource(QTextDocument::ImageResource, QUrl(fi.name())).value<QImage>();
                     EXPECT_EQ(img.size(), QSize(20, 10));
                     EXPECT_EQ(img.pixelColor(5, 5), QColor(Qt::red));
                   }
                 EXPECT_EQ(figuras, 1);  // the metafile fallback is not shown twice
               }});
  v.push_back({"figura_dib_e_escala",
               [] {
                 // A 2 x 2 DIB, 24 bits, bottom-up: blue, green / red, white.
                 QByteArray dib;
                 auto p32 = [&dib](quint32 v) { for (int i = 0; i < 4; ++i) dib.append(char(v >> (8 * i))); };
                 auto p16 = [&dib](quint16 v) { dib.append(char(v)); dib.append(char(v >> 8)); };
                 p32(40); p32(2); p32(2); p16(1); p16(24); p32(0); p32(16); p32(0); p32(0); p32(0); p32(0);
                 dib.append("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);  // blue, green, padding
                 dib.append("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);  // red, white, padding
                 return QByteArray("{\\rtf1 {\\pict\\dibitmap0\\picw2\\pich2\\picscalex200\\picscaley50 ") +
                        Hex(dib) + "} x\\par}";
               }(),
               QStringLiteral("x"), [](const QTextDocument& d) {
                 for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
                   for (auto it = b.begin(); !it.atEnd(); ++it) {
                     const QTextCharFormat f = it.fragment().charFormat();
                     if (!f.isImageFormat()) continue;
                     const QTextImageFormat fi = f.toImageFormat();
                     EXPECT_NEAR(fi.width(), platform::TwipsParaDoc(60), 0.01);   // 2 px x 15 x 200%
                     EXPECT_NEAR(fi.height(), platform::TwipsParaDoc(15), 0.01);  // 2 px x 15 x 50%
                     const QImage img = d.resource(QTextDocument::ImageResource, QUrl(fi.name())).value<QImage>();
                     ASSERT_EQ(img.size(), QSize(2, 2));
                     EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::red));
                     EXPECT_EQ(img.pixelColor(0, 1), QColor(Qt::blue));
                     return;
                   }
                 ADD_FAILURE() << "no picture";
               }});
  v.push_back({"figura_metarquivo",
               [] {
                 // A metafile of 100 x 100 units filled with a red rectangle.
                 QByteArray w;
                 auto p16 = [&w](int v) { w.append(char(v & 0xFF)); w.append(char((v >> 8) & 0xFF)); };
                 auto p32 = [&p16](quint32 v) { p16(int(v & 0xFFFF)); p16(int(v >> 16)); };
                 p16(1); p16(9); p16(0x300); p32(9 + 5 + 5 + 7 + 4 + 7 + 3); p16(1); p32(7); p16(0);
                 p32(5); p16(0x020B); p16(0); p16(0);
                 p32(5); p16(0x020C); p16(100); p16(100);
                 p32(7); p16(0x02FC); p16(0); p32(0x000000FF); p16(0);
                 p32(4); p16(0x012D); p16(0);
                 p32(7); p16(0x041B); p16(100); p16(100); p16(0); p16(0);
                 p32(3); p16(0);
                 return "{\\rtf1 {\\pict\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\pichgoal1440 " +
                        Hex(w) + "} wmf\\par}";
               }(),
               QStringLiteral("wmf"), [](const QTextDocument& d) {
                 for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
                   for (auto it = b.begin(); !it.atEnd(); ++it) {
                     const QTextCharFormat f = it.fragment().charFormat();
                     if (!f.isImageFormat()) continue;
                     const QTextImageFormat fi = f.toImageFormat();
                     EXPECT_NEAR(fi.width(), platform::TwipsParaDoc(1440), 0.01);
                     const QImage img = d.resource(QTextDocument::ImageResource, QUrl(fi.name())).value<QImage>();
                     ASSERT_FALSE(img.isNull());
                     EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() / 2), QColor(Qt::red));
                     return;
                   }
                 ADD_FAILURE() << "no picture";
               }});
  return v;
}

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

INSTANTIATE_TEST_SUITE_P(Documentos, LeituraRTF, ::testing::ValuesIn(Casos()),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(LeituraRTF, CharsetDaFonteEscolheACodificacao) {
  if (!QStringDecoder("windows-1251").isValid()) GTEST_SKIP() << "no windows-1251 codec";
  QTextDocument doc;
  platform::LeRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                  "\\f1 \\'cc\\'e8\\'f0 \\f0 \\'e7\\par}",
                  &doc);
  EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("Мир ç"))) << doc.toPlainText().toStdString();
  EXPECT_EQ(FormatoDe(doc, QStringLiteral("Мир"))->property(platform::rtf::kCharset).toInt(), 204);
}

TEST(LeituraRTF, ArquivoQueNaoERTFEntraComoTextoSimples) {
  apoio::PastaTemporaria pasta;
  const QString texto = pasta.Escreve("nota.rtf", "linha um\r\nlinha dois com \xe7\r\n{\\b nada}");
  QTextDocument doc;
  EXPECT_TRUE(platform::CarregaTextoRico(texto, &doc));
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("linha um\nlinha dois com ç\n{\\b nada}"));

  // The name in another case still finds the file.
  const QString rtf = pasta.Escreve("Pagina.RTF", "{\\rtf1 {\\b ok}}");
  EXPECT_TRUE(platform::CarregaTextoRico(pasta.caminho() + "pagina.rtf", &doc));
  EXPECT_EQ(doc.toPlainText(), "ok");

  EXPECT_FALSE(platform::CarregaTextoRico(pasta.caminho() + "falta.rtf", &doc));
  EXPECT_TRUE(doc.isEmpty());
}

// Damaged documents: no crash, no read past the buffer (run under a sanitizer
// to see it), and the readable text kept.
TEST(LeituraRTF, DocumentosDanificadosMostramOQueSeLe) {
  struct Danificado {
    QByteArray rtf;
    QString texto;
  };
  QByteArray fundo = "{\\rtf1 ";
  for (int i = 0; i < 100000; ++i) fundo += '{';
  fundo += "profundo";
  const std::vector<Danificado> casos = {
      {"{\\rtf1 texto {\\b negrito", "texto negrito"},
      {"{\\rtf1 a}}}} b", "a"},
      {"{\\rtf1 \\fs99999999999999999999 grande \\li-99999999999 x\\par}", "grande x"},
      {"{\\rtf1 corte\\'e", "corte"},
      {"{\\rtf1 corte\\'", "corte"},
      {"{\\rtf1 uni\\u", "uni"},
      {"{\\rtf1 uni\\u65", "uniA"},
      {"{\\rtf1 barra\\", "barra"},
      {"{\\rtf1 bin \\bin999999999 xyz", "bin"},
      {"{\\rtf1 antes{\\pict\\pngblip 89504e47", "antes"},
      {"{\\rtf1 antes{\\pict\\wbitmap0\\picw100000\\pich100000\\wbmbitspixel24 00ff} depois}", "antes depois"},
      {"{\\rtf1 antes{\\pict\\wbitmap0\\picw2\\pich2\\wbmbitspixel2147483647 00ff} depois}", "antes depois"},
      {"{\\rtf1 {\\colortbl;\\red999\\green-5\\blue3;}\\cf1 cor \\cf9999 sem\\par}", "cor sem"},
      {"{\\rtf1 \\trowd\\cellx-5\\cellx99999999\\intbl c1\\cell c2\\cell c3\\cell\\row fim}", "fim"},
      {"{\\rtf1 \\intbl solto\\cell\\row\\row\\cell depois}", "depois"},
      {"{\\rtf1 \\ls999\\ilvl99 lista\\par}", "lista"},
      {"{\\rtf1 \\trowd\\cellx900\\intbl t1\\cell\\row\\pard\\par\\trowd\\cellx900\\intbl t2\\cell\\row"
       "\\trowd\\cellx900\\pard\\intbl t3\\cell\\row}", "t3"},
      {"{\\rtf1 {\\*\\listtable{\\list{\\listlevel{\\leveltext\\'ff;}}}}\\ls1 nivel\\par}", "nivel"},
      {"{\\rtf1 \\palavramuitolongaquepassadetrintaeduasletrasdocontrole123 curta}", "curta"},
      {fundo, "profundo"},
      {QByteArray("{\\rtf1 nul\0byte}", 15), "nulbyte"},
      {"", ""},
  };
  for (const Danificado& c : casos) {
    QTextDocument doc;
    platform::LeRTF(c.rtf, &doc);
    EXPECT_TRUE(doc.toPlainText().remove(QChar::ObjectReplacementCharacter).remove('\n').contains(c.texto))
        << c.rtf.left(60).toStdString() << " -> " << doc.toPlainText().left(80).toStdString();
  }
}

TEST(LeituraRTF, BytesEmbaralhadosNaoDerrubamOLeitor) {
  const QByteArray base =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\colortbl;\\red1\\green2\\blue3;}"
      "\\pard\\qc\\li720 {\\b\\cf1 ol\\'e1}\\u8364?\\par{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt}x\\par"
      "\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\trowd\\cellx900\\intbl c\\cell\\row"
      "\\trowd\\cellx500\\cellx900\\cellx1300\\clcbpat1\\cellx1700\\intbl d\\cell e\\par f\\cell g\\cell h\\cell\\row"
      "\\pard{\\pict\\pngblip 89504e470d0a}\\par}";
  quint32 semente = 12345;
  auto sorteia = [&semente](int n) {
    semente = semente * 134775813u + 1;
    return int((quint64(semente) * quint64(n)) >> 32);
  };
  for (int rodada = 0; rodada < 400; ++rodada) {
    QByteArray b = base;
    const int mudancas = 1 + sorteia(8);
    for (int k = 0; k < mudancas; ++k) {
      const int pos = sorteia(int(b.size()));
      switch (sorteia(3)) {
        case 0: b[pos] = char(sorteia(256)); break;
        case 1: b.remove(pos, 1 + sorteia(10)); break;
        default: b.insert(pos, "{\\\\'}"[sorteia(5)]); break;
      }
    }
    if (sorteia(2)) b.truncate(sorteia(int(b.size()) + 1));
    QTextDocument doc;
    platform::LeRTF(b, &doc);
    (void)doc.toPlainText();
    // As a view reads it: every row a part of its own, a few bytes at a
    // time, and the same text as read at once.
    QTextDocument partes, pedacos;
    platform::LeRTF(b, &partes, {1});
    platform::LeituraEmPartes leitura(b, &pedacos, {1});
    while (leitura.Continua(7)) {
    }
    EXPECT_EQ(pedacos.toPlainText(), partes.toPlainText()) << rodada;
  }
}

TEST(LeituraRTF, RecarregarSubstituiOConteudo) {
  QTextDocument doc;
  platform::LeRTF("{\\rtf1 primeiro {\\pict\\pngblip " + Hex(Png(4, 4, Qt::blue)) + "}}", &doc);
  platform::LeRTF("{\\rtf1 segundo}", &doc);
  EXPECT_EQ(doc.toPlainText(), "segundo");
  EXPECT_FALSE(doc.isModified());
  EXPECT_FALSE(doc.isUndoAvailable());
}

}  // namespace
