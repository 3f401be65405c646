// The RTF writer against the reader: documents read, written and read again
// are the same document; documents built as the editor builds them come back
// with the attributes the editor set; the indents of list and plain
// paragraphs; saving to a file.
#include "platform/rtf/escritor.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <cctype>

#include "platform/rtf/leitor.h"
#include "support/aplicacao.h"
#include "support/documento_rtf.h"
#include "support/pasta_temporaria.h"

namespace {

class AmbienteQt : public ::testing::Environment {
 public:
  void SetUp() override { apoio::Aplicacao(); }
};
const auto* const kAmbiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

QByteArray Imagem(int w, int h, QColor cor, const char* formato) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(cor);
  img.setPixelColor(0, 0, Qt::white);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, formato);
  return bytes;
}

// A packed bitmap: the BMP file without its file header.
QByteArray Dib(int w, int h) { return Imagem(w, h, Qt::darkGreen, "BMP").mid(14); }

struct Documento {
  const char* nome;
  QByteArray rtf;
  QString texto;  // the plain text it must hold
};

void PrintTo(const Documento& d, std::ostream* os) { *os << d.nome; }

const QByteArray kFontes =
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
    "{\\f2\\fnil\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset204 Arial Cyr;}{\\f4\\fnil\\fcharset2 Wingdings;}"
    "{\\f5\\fnil\\fcharset161 Arial Greek;}}";
const QByteArray kCores = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;"
                          "\\red0\\green0\\blue0;\\red200\\green220\\blue255;}";

QByteArray Rtf(const QByteArray& corpo) { return "{\\rtf1\\ansi\\ansicpg1252\\deff0" + kFontes + kCores + corpo + "}"; }

std::vector<Documento> Documentos() {
  const QByteArray png = Imagem(6, 4, Qt::blue, "PNG").toHex();
  const QByteArray jpeg = Imagem(8, 8, Qt::red, "JPEG").toHex();
  return {
      {"atributos_do_editor",
       Rtf("\\pard\\f0\\fs20 Arial dez {\\b negrito} {\\i it\\'e1lico} {\\ul sublinhado} {\\b\\i\\ul os tr\\'eas}"
           "\\par\\pard\\qc\\f1\\fs36 centrado em Times\\par\\pard\\qr\\fs17 \\'e0 direita, oito e meio\\par"
           "\\pard\\li720\\fi-360\\ri1440 recuos esquerdo, primeira linha e direito\\par"
           "\\pard\\li1440\\fi720 primeira linha para dentro\\par"
           "{\\pntext\\f2\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}\\fi-360\\li720 marcador um\\par"
           "{\\pntext\\f2\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}\\fi-360\\li720 marcador dois\\par"
           "\\pard\\qj justificado\\par\\pard\\f0\\fs40\\par\\pard fim"),
       QStringLiteral("os três")},
      {"cores",
       Rtf("\\pard\\f0 {\\cf1 vermelho} {\\cf2\\highlight3 verde no amarelo} {\\cf4 preto expl\\'edcito} "
           "{\\cb5 fundo azulado} auto\\par"),
       QStringLiteral("verde no amarelo")},
      {"acentos_alem_do_latin1",
       Rtf("\\pard\\f0 euro \\'80 \\'9c\\'8c \\'93aspas\\'94 \\emdash\\endash\\bullet \\u945?\\u946? "
           "\\u8364? \\u-10179?\\u-8704? {\\f3 \\'c0\\'e1\\'e2 cir\\'edlico} {\\f5 \\'e1\\'e2 grego} "
           "{\\f2 a\\'b7b 1+2} {\\f4\\'fc\\'6c} \\u20013?\\u25991? fim\\par"),
       QStringLiteral("euro €")},
      {"caracteres_especiais",
       Rtf("\\pard\\f0 chaves \\{ \\} barra \\\\ fim\\tab tab\\line linha\\~fixo\\-hifen\\_duro "
           "\\'01 {\\strike risco} x{\\super 2} H{\\sub 2}O {\\caps mai\\'fasculas} {\\scaps versalete}\\par"),
       QStringLiteral("chaves { } barra \\ fim")},
      {"paragrafos",
       Rtf("\\pard\\sb240\\sa120\\sl360\\slmult1 um e meio\\par\\pard\\sl-300\\slmult0 exato\\par"
           "\\pard\\sl400 ao menos\\par\\pard\\sl240\\slmult1 simples\\par"
           "\\pard\\tx720\\tqr\\tx4320\\tqc\\tx6000\\tqdec\\tx7000 a\\tab b\\tab c\\par"
           "\\pard antes da p\\'e1gina\\page\\pard depois\\par\\pard\\pagebb quebra antes\\par"
           "\\pard\\fs48\\par\\pard\\fs16\\par\\pard ultimo"),
       QStringLiteral("antes da página")},
      {"figuras",
       Rtf("\\pard\\f0 png {\\pict\\pngblip\\picw6\\pich4\\picwgoal900\\pichgoal600 " + png +
           "} escalada {\\pict\\pngblip\\picw6\\pich4\\picscalex50\\picscaley200 " + png +
           "} jpeg {\\*\\shppict{\\pict\\jpegblip\\picw8\\pich8 " + jpeg +
           "}}{\\nonshppict{\\pict\\wmetafile8 0102}} dib {\\pict\\dibitmap0\\picw5\\pich3 " + Dib(5, 3).toHex() +
           "} ddb {\\pict\\wbitmap0\\wbmbitspixel24\\wbmplanes1\\wbmwidthbytes6\\picw2\\pich2 "
           "0000ff00ff00ff0000ff0000} wmf {\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
           "d7cdc69a0000} sem tipo {\\pict 89504e47} duas seguidas {\\pict\\pngblip " + png + "}{\\pict\\pngblip " +
           png + "}\\par"),
       QStringLiteral("escalada")},
      {"tabelas",
       Rtf("\\pard\\f0 antes da tabela\\par"
           "\\trowd\\trgaph70\\trbrdrt\\brdrs\\brdrw10\\clcbpat5\\cellx2000\\clcbpat3\\cellx5000\\cellx6500"
           "\\pard\\intbl Vaso\\cell {\\b Fun\\'e7\\'e3o}\\par segunda linha\\cell\\cell\\row"
           "\\trowd\\trgaph70\\trbrdrt\\brdrs\\brdrw10\\cellx2000\\clcbpat1\\cellx5000\\cellx6500"
           "\\pard\\intbl\\qc Art\\'e9rias\\cell\\pard\\intbl\\li360 levam\\cell {\\i fim}\\cell\\row"
           "\\pard entre as tabelas\\par"
           "\\trowd\\cellx3000\\pard\\intbl s\\'f3 uma\\cell\\row\\pard depois\\par"),
       QStringLiteral("entre as tabelas")},
      {"tabela_no_inicio_e_no_fim",
       Rtf("\\trowd\\cellx3000\\cellx6000\\pard\\intbl a\\cell b\\cell\\row"
           "\\trowd\\cellx3000\\cellx6000\\pard\\intbl\\cell\\cell\\row"),
       QStringLiteral("a")},
      {"listas",
       Rtf("{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}"
           "{\\listlevel\\levelnfc23{\\leveltext\\'01o;}}"
           "{\\listlevel\\levelnfc23{\\leveltext\\'01\\u9642 ?;}}\\listid10}"
           "{\\list{\\listlevel\\levelnfc0{\\leveltext\\'03(\\'00);}}{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01.;}}"
           "\\listid20}{\\list{\\listlevel\\levelnfc1{\\leveltext\\'02\\'00-;}}\\listid30}}"
           "{\\*\\listoverridetable{\\listoverride\\listid10\\ls1}{\\listoverride\\listid20\\ls2}"
           "{\\listoverride\\listid30\\ls3}}"
           "{\\listtext\\'95\\tab}\\pard\\ls1\\li720\\fi-360 disco\\par"
           "\\pard\\ls1\\ilvl1\\li1440\\fi-360 c\\'edrculo\\par\\pard\\ls1\\ilvl2\\li2160\\fi-360 quadrado\\par"
           "\\pard\\ls2\\li720\\fi-360 um\\par\\pard\\ls2\\li720\\fi-360 dois\\par"
           "\\pard\\ls2\\ilvl1\\li1440 letra\\par\\pard texto entre\\par"
           "\\pard\\ls3 romano\\par\\pard\\ls3\\par"
           "{\\pntext 1.\\tab}\\pard{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}\\li360 antigo um\\par"
           "{\\pntext 2.\\tab}\\pard{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}\\li360 antigo dois\\par"
           "\\pard{\\*\\pn\\pnlvlbody\\pnucrm{\\pntxtb [}{\\pntxta ]}} romano antigo\\par\\pard fim"),
       QStringLiteral("círculo")},
  };
}

class IdaEVolta : public ::testing::TestWithParam<Documento> {};

TEST_P(IdaEVolta, LidoEscritoELidoDeNovoEOMesmoDocumento) {
  const Documento& d = GetParam();
  QTextDocument lido;
  platform::LeRTF(d.rtf, &lido);
  ASSERT_TRUE(lido.toPlainText().contains(d.texto)) << lido.toPlainText().toStdString();
  const QByteArray escrito = platform::EscreveRTF(lido);
  EXPECT_TRUE(platform::EhRTF(escrito));
  for (char c : escrito) ASSERT_LT(uchar(c), 0x80) << "RTF is seven-bit text";
  QTextDocument relido;
  platform::LeRTF(escrito, &relido);
  EXPECT_EQ(relido.toPlainText(), lido.toPlainText());
  EXPECT_EQ(apoio::DescreveDocumento(relido).toStdString(), apoio::DescreveDocumento(lido).toStdString())
      << escrito.toStdString();
  // Writing what was read back gives the same bytes again.
  EXPECT_EQ(platform::EscreveRTF(relido), escrito);
}

INSTANTIATE_TEST_SUITE_P(Documentos, IdaEVolta, ::testing::ValuesIn(Documentos()),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(EscritaRTF, DocumentoVazioEDeUmaLinha) {
  for (const QString& texto : {QString(), QStringLiteral("só uma linha"), QStringLiteral("duas\nlinhas\n")}) {
    QTextDocument doc;
    doc.setPlainText(texto);
    QTextDocument relido;
    platform::LeRTF(platform::EscreveRTF(doc), &relido);
    EXPECT_EQ(relido.toPlainText(), texto);
    EXPECT_EQ(relido.blockCount(), doc.blockCount());
  }
}

// What the editor sets, the way it sets it: merged character formats on the
// selection, block alignment, a bullet list and the indents.
TEST(EscritaRTF, OQueOEditorDefineVoltaComOsMesmosAtributos) {
  QTextDocument doc;
  QTextCursor c(&doc);
  const auto escreve = [&](const QString& texto, const std::function<void(QTextCharFormat&)>& muda) {
    QTextCharFormat f;
    muda(f);
    c.mergeCharFormat(f);
    c.insertText(texto);
  };
  escreve("Face e tamanho ", [](QTextCharFormat& f) {
    f.setFontFamilies({QStringLiteral("Courier New")});
    f.setFontPointSize(14);
  });
  escreve("negrito ", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
  escreve("e itálico ", [](QTextCharFormat& f) { f.setFontItalic(true); });
  escreve("e sublinhado", [](QTextCharFormat& f) { f.setFontUnderline(true); });
  c.insertBlock();
  escreve("do diálogo de fontes ", [](QTextCharFormat& f) {
    f.setFont(QFont(QStringLiteral("Times New Roman"), 11, QFont::Bold, true));
  });
  QTextCharFormat soAFace;
  soAFace.setProperty(QTextFormat::FontFamily, QStringLiteral("Arial"));  // as older code sets it
  c.insertText(QStringLiteral("só a face "), soAFace);
  QTextCharFormat colado;
  colado.setProperty(QTextFormat::FontPixelSize, 20);  // text pasted from a web page
  c.insertText(QStringLiteral("colado"), colado);
  c.insertBlock();
  escreve("normal, oito pontos", [](QTextCharFormat& f) {
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontPointSize(8);
    f.setFontFamilies({QStringLiteral("MS Sans Serif")});
  });
  for (Qt::Alignment a : {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft}) {
    c.insertBlock();
    QTextBlockFormat bf = c.blockFormat();
    bf.setAlignment(a);
    c.setBlockFormat(bf);
    c.insertText(QStringLiteral("alinhado %1").arg(int(a)));
  }
  c.insertBlock();
  c.insertText(QStringLiteral("recuos"));
  platform::DefineRecuos(c.block(), {1440, -360, 720});
  c.insertBlock();
  c.createList(QTextListFormat::ListDisc);
  c.insertText(QStringLiteral("marcador"));
  c.insertBlock();
  c.insertText(QStringLiteral("marcador com recuos"));
  platform::DefineRecuos(c.block(), {1080, -360, 0});
  c.insertBlock();

  QTextDocument relido;
  platform::LeRTF(platform::EscreveRTF(doc), &relido);
  EXPECT_EQ(apoio::DescreveDocumento(relido).toStdString(), apoio::DescreveDocumento(doc).toStdString());
  const QTextBlock lista = relido.findBlock(relido.find(QStringLiteral("marcador com")).position());
  ASSERT_TRUE(lista.textList());
  EXPECT_EQ(lista.textList()->format().style(), QTextListFormat::ListDisc);
  EXPECT_EQ(lista.textList()->count(), 3);  // the new paragraph after it goes on with the list
  EXPECT_EQ(platform::RecuosDe(lista), (platform::RecuosRTF{1080, -360, 0}));
}

// Indents set through DefineRecuos read back from RecuosDe, in the editor's
// document and after a round trip, and a list paragraph shows its text where
// a plain one with the same indents does.
TEST(EscritaRTF, RecuosDeParagrafosComESemLista) {
  const std::vector<platform::RecuosRTF> casos = {
      {0, 0, 0}, {720, -360, 0}, {1440, 720, 1440}, {300, 0, 15}, {2160, -2160, 0}};
  for (const bool comLista : {false, true}) {
    for (const platform::RecuosRTF& r : casos) {
      QTextDocument doc;
      QTextCursor c(&doc);
      c.insertText(QStringLiteral("texto"));
      if (comLista) c.createList(QTextListFormat::ListDisc);
      platform::DefineRecuos(c.block(), r);
      EXPECT_EQ(platform::RecuosDe(c.block()), r) << r.esquerdo << " " << comLista;
      QTextDocument relido;
      platform::LeRTF(platform::EscreveRTF(doc), &relido);
      EXPECT_EQ(platform::RecuosDe(relido.firstBlock()), r) << r.esquerdo << " " << comLista;
      EXPECT_DOUBLE_EQ(relido.firstBlock().blockFormat().leftMargin(), doc.firstBlock().blockFormat().leftMargin());
    }
  }
  // A margin changed by other means wins over the indents the reader kept.
  QTextDocument doc;
  platform::LeRTF("{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01o;}}\\listid1}}"
                  "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}\\pard\\ls1\\li1440\\fi-360 item\\par}",
                  &doc);
  ASSERT_EQ(platform::RecuosDe(doc.firstBlock()), (platform::RecuosRTF{1440, -360, 0}));
  QTextBlockFormat bf = doc.firstBlock().blockFormat();
  bf.setLeftMargin(bf.leftMargin() + platform::TwipsParaDoc(360));
  QTextCursor(doc.firstBlock()).setBlockFormat(bf);
  EXPECT_EQ(platform::RecuosDe(doc.firstBlock()).esquerdo, 1800);
}

// The document's last paragraph, ended by the closing brace and not by \par,
// keeps what was set for it.
TEST(EscritaRTF, UltimoParagrafoSemParGuardaSeusAtributos) {
  QTextDocument doc;
  platform::LeRTF("{\\rtf1 um\\par\\pard\\qc\\li720\\fs40\\b}", &doc);
  ASSERT_EQ(doc.blockCount(), 2);
  EXPECT_EQ(doc.lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(platform::RecuosDe(doc.lastBlock()).esquerdo, 720);
  EXPECT_DOUBLE_EQ(doc.lastBlock().charFormat().fontPointSize(), 20.0);
  EXPECT_EQ(doc.lastBlock().charFormat().fontWeight(), QFont::Bold);
}

TEST(EscritaRTF, FonteDeSimboloGuardaONomeEOsGlifos) {
  QTextDocument doc;
  platform::LeRTF(Rtf("\\pard{\\f2 \\'61\\'62} {\\f4 \\'fc}\\par"), &doc);
  EXPECT_EQ(doc.firstBlock().text(), QString::fromUtf8("αβ ✓"));
  const QTextCharFormat f = doc.firstBlock().begin().fragment().charFormat();
  EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("Symbol"));
  EXPECT_EQ(f.intProperty(platform::rtf::kCharset), 2);
}

TEST(EscritaRTF, GravaOArquivoOuDizPorQueNao) {
  apoio::PastaTemporaria pasta;
  QTextDocument doc;
  platform::LeRTF(Rtf("\\pard\\f1 Cora\\'e7\\'e3o {\\b forte}\\par"), &doc);
  const QString caminho = pasta.caminho() + "texto.rtf";
  QString erro;
  ASSERT_TRUE(platform::GravaTextoRico(caminho, doc, &erro)) << erro.toStdString();
  QFile f(caminho);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), platform::EscreveRTF(doc));
  f.close();
  QTextDocument lido;
  EXPECT_TRUE(platform::CarregaTextoRico(caminho, &lido));
  EXPECT_EQ(apoio::DescreveDocumento(lido), apoio::DescreveDocumento(doc));

  EXPECT_FALSE(platform::GravaTextoRico(pasta.caminho() + "falta/texto.rtf", doc, &erro));
  EXPECT_FALSE(erro.isEmpty());
  EXPECT_FALSE(platform::GravaTextoRico(pasta.caminho(), doc, nullptr));
}

// Whatever the reader made of damaged bytes, the writer writes it and the
// reader reads it back with the same text.
TEST(EscritaRTF, DocumentosDanificadosVoltamComOMesmoTexto) {
  const std::vector<Documento> docs = Documentos();
  QRandomGenerator gerador(15);
  for (int n = 0; n < 60; ++n) {
    QByteArray b = docs[n % docs.size()].rtf;
    for (int k = 0; k < 8; ++k) b[gerador.bounded(int(b.size()))] = char(gerador.bounded(256));
    b.truncate(gerador.bounded(int(b.size()) / 2, int(b.size())));
    QTextDocument lido;
    platform::LeRTF(b, &lido);
    QTextDocument relido;
    platform::LeRTF(platform::EscreveRTF(lido), &relido);
    EXPECT_EQ(relido.toPlainText(), lido.toPlainText()) << n;
  }
}

// The cell edges (\cellx) of each row the RTF gives, in order.
QList<QList<int>> BordasEscritas(const QByteArray& rtf) {
  QList<QList<int>> linhas;
  for (const QByteArray& linha : rtf.split('\n')) {
    if (!linha.contains("\\trowd")) continue;
    QList<int> bordas;
    for (qsizetype i = linha.indexOf("\\cellx"); i >= 0; i = linha.indexOf("\\cellx", i + 1)) {
      qsizetype fim = i + 6;
      while (fim < linha.size() && std::isdigit(uchar(linha[fim]))) ++fim;
      bordas << linha.mid(i + 6, fim - i - 6).toInt();
    }
    linhas << bordas;
  }
  return linhas;
}

// A table whose widths follow its text (pasted from a page) is written as
// wide as a page's text, its columns in the shares they are shown in; a
// table read without cell edges is written without them and reads back
// with widths that follow its text; fixed widths stay as they are.
TEST(EscritaRTF, LargurasDasTabelasQueSeguemOTexto) {
  QTextDocument colado;
  colado.setHtml(QStringLiteral("<table border=1><tr><td>a</td><td>uma coluna com um texto bem mais longo</td>"
                                "<td>b</td></tr><tr><td>c</td><td>d</td><td>e</td></tr></table>"));
  colado.setTextWidth(3000);  // an editor's window far wider than a page
  const QList<QList<int>> bordas = BordasEscritas(platform::EscreveRTF(colado));
  ASSERT_EQ(bordas.size(), 2);
  for (const QList<int>& linha : bordas) {
    ASSERT_EQ(linha.size(), 3);
    EXPECT_EQ(linha.last(), 9360);
    EXPECT_GT(linha[1] - linha[0], 3 * linha[0]) << "the long column keeps its larger share";
    EXPECT_GT(linha[0], 144);
  }
  // Percentages are of the page's text width.
  QTextDocument porCento;
  QTextCursor c(&porCento);
  QTextTableFormat tf;
  tf.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 25),
                                QTextLength(QTextLength::PercentageLength, 75)});
  c.insertTable(1, 2, tf);
  porCento.setTextWidth(3000);
  EXPECT_EQ(BordasEscritas(platform::EscreveRTF(porCento)), QList<QList<int>>({{2340, 9360}}));

  // Read without \cellx: written without, read back with automatic widths.
  QTextDocument semBordas;
  platform::LeRTF(Rtf("\\trowd\\pard\\intbl um\\cell dois\\cell\\row\\pard depois\\par"), &semBordas);
  const QByteArray escrito = platform::EscreveRTF(semBordas);
  EXPECT_FALSE(escrito.contains("\\cellx")) << escrito.toStdString();
  QTextDocument relido;
  platform::LeRTF(escrito, &relido);
  const QTextTable* tabela = qobject_cast<QTextTable*>(relido.rootFrame()->childFrames().value(0));
  ASSERT_NE(tabela, nullptr);
  EXPECT_EQ(tabela->columns(), 2);
  EXPECT_TRUE(tabela->format().columnWidthConstraints().isEmpty());
  EXPECT_EQ(tabela->cellAt(0, 1).firstCursorPosition().block().text(), "dois");
  EXPECT_EQ(platform::EscreveRTF(relido), escrito);

  // Fixed widths are the author's.
  QTextDocument fixas;
  platform::LeRTF(Rtf("\\trowd\\cellx2000\\cellx12000\\pard\\intbl a\\cell b\\cell\\row"), &fixas);
  EXPECT_EQ(BordasEscritas(platform::EscreveRTF(fixas)), QList<QList<int>>({{2000, 12000}}));
}

// The font table names each family by its plain name: Qt's "Family
// [Foundry]" is no name another reader knows.
TEST(EscritaRTF, FontesPeloNomeSimplesDaFamilia) {
  QTextDocument doc;
  QTextCursor c(&doc);
  QTextCharFormat f;
  f.setFontFamilies({QStringLiteral("Nimbus Sans [UKWN]")});
  c.insertText(QStringLiteral("um"), f);
  f.setFontFamilies({QStringLiteral("C059 [urw]")});
  c.insertText(QStringLiteral("dois"), f);
  const QByteArray rtf = platform::EscreveRTF(doc);
  EXPECT_TRUE(rtf.contains(" Nimbus Sans;}")) << rtf.toStdString();
  EXPECT_TRUE(rtf.contains(" C059;}")) << rtf.toStdString();
  EXPECT_FALSE(rtf.contains('['));
}

}  // namespace
