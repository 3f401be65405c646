// The demonstration subject's text pages: a rich-text page on the heart and
// an HTML page on the circulation, with the pictures they show.
#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

#include "files/texto.h"
#include "tools/escrita.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

// Text as RTF: the braces and backslash escaped, everything past ASCII as
// \'hh in Windows-1252 (or \uN where the code page has no such character).
QByteArray R(const QString& texto) {
  QByteArray saida;
  for (QChar c : texto) {
    const char16_t u = c.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      saida += '\\';
      saida += char(u);
    } else if (u < 0x80) {
      saida += char(u);
    } else {
      const QByteArray ansi = files::ParaAnsi(QString(c));
      if (ansi != "?")
        saida += "\\'" + ansi.toHex();
      else
        saida += "\\u" + QByteArray::number(int16_t(u)) + "?";
    }
  }
  return saida;
}

QByteArray Png(const QImage& img) { return CodificaImagem(img, "PNG"); }

}  // namespace

QPainterPath Coracao(const QRectF& r) {
  const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
  QPainterPath p;
  p.moveTo(x + w / 2, y + h * 0.28);
  p.cubicTo(x + w * 0.45, y, x, y, x, y + h * 0.32);
  p.cubicTo(x, y + h * 0.62, x + w * 0.4, y + h * 0.78, x + w / 2, y + h);
  p.cubicTo(x + w * 0.6, y + h * 0.78, x + w, y + h * 0.62, x + w, y + h * 0.32);
  p.cubicTo(x + w, y, x + w * 0.55, y, x + w / 2, y + h * 0.28);
  return p;
}

namespace {

// The heart with its four chambers named.
QImage FiguraCoracao() {
  QImage img(320, 260, QImage::Format_ARGB32);
  img.fill(QColor(255, 255, 240));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(40, 30, 240, 210);
  QLinearGradient grad(r.topLeft(), r.bottomRight());
  grad.setColorAt(0, QColor(230, 60, 60));
  grad.setColorAt(1, QColor(150, 10, 20));
  p.setBrush(grad);
  p.setPen(QPen(QColor(90, 0, 10), 3));
  p.drawPath(Coracao(r));
  p.setPen(QPen(QColor(255, 240, 240), 2, Qt::DashLine));
  p.drawLine(QPointF(160, 95), QPointF(160, 225));
  p.drawLine(QPointF(70, 120), QPointF(250, 120));
  QFont f("DejaVu Sans", 10, QFont::Bold);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(70, 80, 90, 40), Qt::AlignCenter, QStringLiteral("Átrio\ndireito"));
  p.drawText(QRectF(160, 80, 90, 40), Qt::AlignCenter, QStringLiteral("Átrio\nesquerdo"));
  p.drawText(QRectF(75, 130, 85, 40), Qt::AlignCenter, QStringLiteral("Ventrículo\ndireito"));
  p.drawText(QRectF(160, 130, 85, 40), Qt::AlignCenter, QStringLiteral("Ventrículo\nesquerdo"));
  p.setPen(QColor(60, 0, 0));
  p.setFont(QFont("DejaVu Serif", 13, QFont::Bold, true));
  p.drawText(QRectF(0, 2, 320, 26), Qt::AlignCenter, QStringLiteral("O coração por dentro"));
  return img;
}

// The two circuits of the blood: lungs, heart and body.
QImage FiguraCirculacao() {
  QImage img(520, 360, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  auto caixa = [&p](const QRectF& r, const QColor& cor, const QString& texto) {
    p.setPen(QPen(cor.darker(160), 2));
    p.setBrush(cor);
    p.drawRoundedRect(r, 14, 14);
    p.setPen(Qt::white);
    p.setFont(QFont("DejaVu Sans", 14, QFont::Bold));
    p.drawText(r, Qt::AlignCenter, texto);
  };
  auto seta = [&p](QPointF a, QPointF b, const QColor& cor) {
    p.setPen(QPen(cor, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QLineF l(b, a);
    QLineF asa1 = l;
    asa1.setLength(18);
    asa1.setAngle(l.angle() + 28);
    QLineF asa2 = l;
    asa2.setLength(18);
    asa2.setAngle(l.angle() - 28);
    p.setBrush(cor);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{b, asa1.p2(), asa2.p2()});
  };
  const QColor vermelho(200, 30, 40), azul(40, 80, 200);
  caixa(QRectF(180, 20, 160, 60), QColor(120, 160, 200), QStringLiteral("Pulmões"));
  caixa(QRectF(180, 150, 160, 60), QColor(190, 40, 50), QStringLiteral("Coração"));
  caixa(QRectF(180, 280, 160, 60), QColor(120, 150, 90), QStringLiteral("Corpo"));
  seta(QPointF(215, 150), QPointF(215, 84), azul);
  seta(QPointF(305, 84), QPointF(305, 150), vermelho);
  seta(QPointF(305, 210), QPointF(305, 276), vermelho);
  seta(QPointF(215, 276), QPointF(215, 210), azul);
  p.setFont(QFont("DejaVu Sans", 11));
  p.setPen(QColor(40, 40, 40));
  p.drawText(QRectF(350, 95, 170, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pequena circulação\n(pulmonar)"));
  p.drawText(QRectF(350, 215, 170, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Grande circulação\n(sistêmica)"));
  // The legend: red for the blood rich in oxygen, blue for the poor.
  p.setPen(QPen(vermelho, 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 150), QPointF(50, 150));
  p.setPen(QPen(azul, 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 190), QPointF(50, 190));
  p.setPen(QColor(40, 40, 40));
  p.drawText(QRectF(58, 138, 120, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("sangue arterial"));
  p.drawText(QRectF(58, 178, 120, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("sangue venoso"));
  return img;
}

QByteArray DocumentoCoracao() {
  QByteArray d;
  d += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046\n"
       "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
       "{\\f2\\fmodern\\fcharset0 Courier New;}{\\f3\\ftech\\fcharset2 Symbol;}}\n"
       "{\\colortbl;\\red160\\green0\\blue20;\\red0\\green60\\blue160;\\red0\\green110\\blue40;"
       "\\red255\\green240\\blue200;\\red210\\green225\\blue245;\\red90\\green90\\blue90;}\n"
       "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\'02\\'00.;}"
       "{\\levelnumbers\\'01;}\\fi-360\\li720}\\listid1}}\n"
       "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\n"
       "{\\info{\\title " + R(QStringLiteral("O Coração Humano")) + "}{\\author Zelmo II}}\n";
  // Title.
  d += "\\pard\\qc\\sa120\\f1\\fs40\\b\\cf1 " + R(QStringLiteral("O Coração Humano")) + "\\b0\\par\n";
  d += "\\pard\\qc\\sa240\\f1\\fs22\\i\\cf6 " + R(QStringLiteral("Sistema Cardiovascular — texto de apoio")) +
       "\\i0\\par\n";
  // Introduction.
  d += "\\pard\\qj\\fi360\\sa120\\sl300\\slmult1\\f0\\fs26\\cf0 " +
       R(QStringLiteral("O ")) + "{\\b " + R(QStringLiteral("coração")) + "} " +
       R(QStringLiteral("é um órgão muscular oco, do tamanho aproximado de um punho fechado. Fica no centro do "
                        "tórax, entre os dois pulmões, levemente inclinado para a esquerda. Funciona como uma ")) +
       "{\\i " + R(QStringLiteral("bomba dupla")) + "} " +
       R(QStringLiteral("que impulsiona o sangue por todo o corpo, levando oxigênio e nutrientes às células e "
                        "recolhendo o gás carbônico que elas produzem.")) +
       "\\par\n";
  // The picture.
  const QImage img = FiguraCoracao();
  d += "\\pard\\qc\\sb120\\sa120{\\*\\shppict{\\pict\\pngblip\\picw" + QByteArray::number(img.width()) +
       "\\pich" + QByteArray::number(img.height()) + "\\picwgoal" + QByteArray::number(img.width() * 15) +
       "\\pichgoal" + QByteArray::number(img.height() * 15) + "\n";
  const QByteArray hex = Png(img).toHex();
  for (qsizetype i = 0; i < hex.size(); i += 128) d += hex.mid(i, 128) + "\n";
  d += "}}\\par\n";
  // Chambers: a bulleted list.
  d += "\\pard\\sb200\\sa80\\f1\\fs28\\b\\cf2 " + R(QStringLiteral("As quatro cavidades")) + "\\b0\\par\n";
  const QStringList cavidades = {
      QStringLiteral("Átrio direito: recebe o sangue pobre em oxigênio que volta do corpo pelas veias cavas."),
      QStringLiteral("Ventrículo direito: envia esse sangue aos pulmões pela artéria pulmonar."),
      QStringLiteral("Átrio esquerdo: recebe o sangue rico em oxigênio que chega dos pulmões."),
      QStringLiteral("Ventrículo esquerdo: tem a parede mais grossa e bombeia o sangue para a aorta.")};
  for (const QString& item : cavidades) {
    const qsizetype dois = item.indexOf(':');
    d += "{\\pntext\\f3\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf3\\pnindent360{\\pntxtb\\'b7}}"
         "\\fi-360\\li720\\sa60\\f0\\fs26\\cf0 {\\b " + R(item.left(dois + 1)) + "}" + R(item.mid(dois + 1)) +
         "\\par\n";
  }
  // The way of the blood: a numbered list.
  d += "\\pard\\sb200\\sa80\\f1\\fs28\\b\\cf2 " + R(QStringLiteral("O caminho do sangue")) + "\\b0\\par\n";
  const QStringList passos = {
      QStringLiteral("O sangue venoso chega ao átrio direito."),
      QStringLiteral("Passa ao ventrículo direito pela valva tricúspide."),
      QStringLiteral("Segue pela artéria pulmonar até os pulmões, onde troca gás carbônico por oxigênio."),
      QStringLiteral("Volta ao átrio esquerdo pelas veias pulmonares."),
      QStringLiteral("Do ventrículo esquerdo sai pela aorta para todo o corpo.")};
  for (int i = 0; i < passos.size(); ++i)
    d += "\\pard\\fi-360\\li720\\sa60\\ls1{\\listtext " + QByteArray::number(i + 1) + ".\\tab}\\f0\\fs26\\cf0 " +
         R(passos[i]) + "\\par\n";
  // The vessels: a small table.
  d += "\\pard\\sb200\\sa80\\f1\\fs28\\b\\cf2 " + R(QStringLiteral("Os vasos sanguíneos")) + "\\b0\\par\n";
  const QList<QStringList> linhas = {
      {QStringLiteral("Vaso"), QStringLiteral("Função")},
      {QStringLiteral("Artérias"), QStringLiteral("Levam o sangue do coração para os órgãos.")},
      {QStringLiteral("Veias"), QStringLiteral("Trazem o sangue de volta ao coração.")},
      {QStringLiteral("Capilares"), QStringLiteral("Fazem as trocas de gases e nutrientes com as células.")}};
  for (int l = 0; l < linhas.size(); ++l) {
    const QByteArray sombra = l == 0 ? "\\clcbpat5" : "";
    d += "\\trowd\\trgaph80\\trleft0"
         "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10" +
         sombra + "\\cellx2200"
         "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10" +
         sombra + "\\cellx8600\n";
    const QByteArray fmt = l == 0 ? "\\f1\\fs24\\cf0\\b " : "\\f0\\fs24\\cf0\\b0 ";
    d += "\\pard\\intbl" + fmt + R(linhas[l][0]) + "\\cell " + R(linhas[l][1]) + "\\cell\\row\n";
  }
  // A curiosity in another font and colour.
  d += "\\pard\\sb240\\sa60\\f2\\fs24\\cf3\\b " + R(QStringLiteral("Curiosidade:")) + "\\b0  " +
       R(QStringLiteral("o coração de um adulto bate cerca de 100 mil vezes por dia.")) + "\\line " +
       R(QStringLiteral("Em repouso, bate de 60 a 100 vezes por minuto.")) + "\\par\n";
  d += "\\pard\\qr\\sb120\\f0\\fs20\\cf6\\i {\\highlight4 " +
       R(QStringLiteral("Continue na próxima página: a circulação do sangue.")) + "}\\i0\\par\n}\n";
  return d;
}

QByteArray DocumentoCirculacao() {
  const QString html = QStringLiteral(
      "<!DOCTYPE html>\n"
      "<html lang=\"pt-BR\">\n<head>\n<meta charset=\"windows-1252\">\n"
      "<title>A circulação do sangue</title>\n"
      "<style>\n"
      "  body { background: #fffde8; color: #222; font-family: Georgia, 'DejaVu Serif', serif;\n"
      "         margin: 24px 40px; line-height: 1.45; }\n"
      "  h1 { color: #a00014; font-family: Arial, 'DejaVu Sans', sans-serif; border-bottom: 3px solid #a00014;\n"
      "       padding-bottom: 6px; }\n"
      "  h2 { color: #003ca0; font-family: Arial, 'DejaVu Sans', sans-serif; margin-top: 1.4em; }\n"
      "  .figura { float: right; margin: 0 0 16px 24px; text-align: center; font-size: 90%; color: #555; }\n"
      "  .figura img { border: 1px solid #bbb; border-radius: 8px; box-shadow: 2px 2px 6px #ccc; }\n"
      "  .arterial { color: #c81e28; font-weight: bold; }\n"
      "  .venoso { color: #2850c8; font-weight: bold; }\n"
      "  .quadro { background: #e8f0fb; border-left: 6px solid #003ca0; padding: 10px 16px; }\n"
      "</style>\n</head>\n<body>\n"
      "<h1>A circulação do sangue</h1>\n"
      "<div class=\"figura\"><img src=\"circulacao.png\" width=\"390\" height=\"270\" "
      "alt=\"Esquema das duas circulações\"><br>As duas circulações</div>\n"
      "<p>O sangue percorre dois caminhos, que começam e terminam no coração. Por isso se diz que a "
      "circulação humana é <em>dupla</em> e <em>fechada</em>: o sangue passa duas vezes pelo coração a "
      "cada volta completa e nunca sai dos vasos.</p>\n"
      "<h2>Pequena circulação</h2>\n"
      "<p>Vai do ventrículo direito aos pulmões e volta ao átrio esquerdo. Nos pulmões o "
      "<span class=\"venoso\">sangue venoso</span> deixa o gás carbônico e recebe oxigênio, tornando-se "
      "<span class=\"arterial\">sangue arterial</span>.</p>\n"
      "<h2>Grande circulação</h2>\n"
      "<p>Sai do ventrículo esquerdo pela aorta, leva o sangue arterial a todos os órgãos e volta ao "
      "átrio direito pelas veias cavas, já como sangue venoso.</p>\n"
      "<p class=\"quadro\"><strong>Para pensar:</strong> por que a parede do ventrículo esquerdo é mais "
      "grossa que a do ventrículo direito?</p>\n"
      "</body>\n</html>\n");
  return files::ParaAnsi(html);
}

}  // namespace

QByteArray TextoRtf(const QString& texto) { return R(texto); }
QImage ImagemCoracao() { return FiguraCoracao(); }

QList<files::RegPagina> GravaConteudoPaginas(const QString& dirAssunto) {
  CriaPasta(dirAssunto);
  const QString pasta = dirAssunto.endsWith('/') ? dirAssunto : dirAssunto + '/';
  GravaArquivo(pasta + "Coracao.rtf", DocumentoCoracao());
  GravaArquivo(pasta + "Circulacao.htm", DocumentoCirculacao());
  GravaImagem(FiguraCirculacao(), pasta + "circulacao.png");

  files::RegPagina rtf;
  rtf.Tipo = files::kTextoRTF;
  rtf.Arquivo = QStringLiteral("Coracao.rtf");
  rtf.Imprimir = true;
  rtf.Sair = true;
  rtf.Prepara();

  files::RegPagina html;
  html.Tipo = files::kHTML;
  html.Arquivo = QStringLiteral("Circulacao.htm");
  html.Imprimir = false;
  html.Sair = true;
  html.Prepara();
  return {rtf, html};
}

}  // namespace gerador
