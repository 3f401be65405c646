// The demonstration subject's hypertext pages: the heart's chambers, its
// valves and the blood, linked to one another, each over a picture with hot
// spots; the first page has the subject's tune and a short video of the
// beating heart (an AVI of JPEG frames drawn here).
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>
#include <stdexcept>

#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "tools/escrita.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

void Poe16(QByteArray& b, quint16 v) {
  b.append(char(v & 0xFF));
  b.append(char(v >> 8));
}

void Poe32(QByteArray& b, quint32 v) {
  Poe16(b, quint16(v & 0xFFFF));
  Poe16(b, quint16(v >> 16));
}

QByteArray Jpeg(const QImage& img, int qualidade = 85) { return CodificaImagem(img, "JPG", qualidade); }
QByteArray Bmp(const QImage& img) { return CodificaImagem(img.convertToFormat(QImage::Format_RGB888), "BMP"); }

// A chunk: its code, its size and its bytes, padded to an even length.
QByteArray Bloco(const char* codigo, const QByteArray& dados) {
  QByteArray b(codigo, 4);
  Poe32(b, quint32(dados.size()));
  b += dados;
  if (dados.size() % 2) b.append('\0');
  return b;
}

QByteArray Lista(const char* tipo, const QByteArray& dados) { return Bloco("LIST", QByteArray(tipo, 4) + dados); }

// An AVI file of Motion-JPEG frames (the demultiplexer and the JPEG decoder
// of the multimedia layer's base plug-ins play it).
QByteArray Avi(const QList<QByteArray>& quadros, int largura, int altura, int porSegundo) {
  quint32 maior = 0;
  for (const QByteArray& q : quadros) maior = std::max(maior, quint32(q.size()));
  const quint32 n = quint32(quadros.size());

  QByteArray avih;
  Poe32(avih, 1000000 / porSegundo);
  Poe32(avih, maior * porSegundo);
  Poe32(avih, 0);
  Poe32(avih, 0x10);  // has an index
  Poe32(avih, n);
  Poe32(avih, 0);
  Poe32(avih, 1);
  Poe32(avih, maior);
  Poe32(avih, quint32(largura));
  Poe32(avih, quint32(altura));
  for (int i = 0; i < 4; ++i) Poe32(avih, 0);

  QByteArray strh("vidsMJPG", 8);
  Poe32(strh, 0);
  Poe16(strh, 0);
  Poe16(strh, 0);
  Poe32(strh, 0);
  Poe32(strh, 1);
  Poe32(strh, quint32(porSegundo));
  Poe32(strh, 0);
  Poe32(strh, n);
  Poe32(strh, maior);
  Poe32(strh, 0xFFFFFFFF);
  Poe32(strh, 0);
  Poe16(strh, 0);
  Poe16(strh, 0);
  Poe16(strh, quint16(largura));
  Poe16(strh, quint16(altura));

  QByteArray strf;
  Poe32(strf, 40);
  Poe32(strf, quint32(largura));
  Poe32(strf, quint32(altura));
  Poe16(strf, 1);
  Poe16(strf, 24);
  strf.append("MJPG", 4);
  Poe32(strf, quint32(largura * altura * 3));
  for (int i = 0; i < 4; ++i) Poe32(strf, 0);

  const QByteArray hdrl = Lista("hdrl", Bloco("avih", avih) + Lista("strl", Bloco("strh", strh) + Bloco("strf", strf)));

  QByteArray movi("movi", 4);
  QByteArray idx1;
  for (const QByteArray& q : quadros) {
    idx1.append("00dc", 4);
    Poe32(idx1, 0x10);  // a key frame
    Poe32(idx1, quint32(movi.size()));
    Poe32(idx1, quint32(q.size()));
    movi += Bloco("00dc", q);
  }
  return Bloco("RIFF", QByteArray("AVI ", 4) + hdrl + Bloco("LIST", movi) + Bloco("idx1", idx1));
}

// One frame of the beating heart: it swells and shrinks once a second.
QImage QuadroBatimento(int i, int quadros) {
  QImage img(160, 120, QImage::Format_RGB32);
  img.fill(QColor(255, 250, 235));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double fase = std::sin(2 * M_PI * i / quadros);
  const double escala = 1.0 + 0.12 * std::max(0.0, fase);
  const QPointF centro(80, 62);
  const QSizeF tamanho(90 * escala, 80 * escala);
  p.setBrush(QColor(200, 30, 40));
  p.setPen(QPen(QColor(100, 0, 10), 2));
  p.drawPath(Coracao(QRectF(centro - QPointF(tamanho.width() / 2, tamanho.height() / 2), tamanho)));
  p.setPen(QColor(60, 0, 0));
  p.setFont(QFont("DejaVu Sans", 8, QFont::Bold));
  p.drawText(QRectF(0, 104, 160, 14), Qt::AlignCenter, fase > 0 ? QStringLiteral("sístole") : QStringLiteral("diástole"));
  return img;
}

// The four valves between the chambers and the arteries.
QImage FiguraValvulas() {
  QImage img(360, 240, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const struct {
    QPointF c;
    const char* nome;
    QColor cor;
  } valvulas[] = {{{90, 70}, "Tricúspide", QColor(40, 80, 200)},
                  {{270, 70}, "Mitral", QColor(200, 30, 40)},
                  {{90, 170}, "Pulmonar", QColor(60, 120, 220)},
                  {{270, 170}, "Aórtica", QColor(220, 60, 60)}};
  p.setFont(QFont("DejaVu Sans", 10, QFont::Bold));
  for (const auto& v : valvulas) {
    p.setBrush(v.cor.lighter(150));
    p.setPen(QPen(v.cor, 3));
    p.drawEllipse(v.c, 34, 34);
    p.drawLine(v.c + QPointF(-24, -24), v.c + QPointF(0, 0));
    p.drawLine(v.c + QPointF(24, -24), v.c + QPointF(0, 0));
    p.drawLine(v.c + QPointF(0, 30), v.c + QPointF(0, 0));
    p.setPen(Qt::black);
    p.drawText(QRectF(v.c.x() - 60, v.c.y() + 36, 120, 18), Qt::AlignCenter, QString::fromUtf8(v.nome));
  }
  return img;
}

// Red cells, a white cell and platelets.
QImage FiguraSangue() {
  QImage img(360, 240, QImage::Format_RGB32);
  img.fill(QColor(255, 235, 220));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QRandomGenerator gerador(14);
  for (int i = 0; i < 14; ++i) {
    const QPointF c(20 + gerador.bounded(150), 20 + gerador.bounded(200));
    p.setBrush(QColor(200, 30, 40));
    p.setPen(QPen(QColor(130, 0, 10), 2));
    p.drawEllipse(c, 16, 16);
    p.setBrush(QColor(170, 20, 30));
    p.drawEllipse(c, 6, 6);
  }
  p.setBrush(QColor(235, 235, 255));
  p.setPen(QPen(QColor(90, 60, 160), 3));
  p.drawEllipse(QPointF(260, 70), 34, 34);
  p.setBrush(QColor(130, 90, 200));
  p.drawEllipse(QPointF(252, 64), 14, 12);
  p.setBrush(QColor(230, 180, 90));
  p.setPen(QPen(QColor(160, 110, 30), 1));
  for (QPointF c : {QPointF(240, 180), QPointF(270, 195), QPointF(300, 170), QPointF(285, 215)})
    p.drawEllipse(c, 6, 4);
  return img;
}

QByteArray Documento(const QString& titulo, const QStringList& paragrafos) {
  QByteArray d = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046\n"
                 "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}\n"
                 "{\\colortbl;\\red160\\green0\\blue20;\\red0\\green60\\blue160;}\n";
  d += "\\pard\\qc\\sa160\\f1\\fs32\\b\\cf1 " + TextoRtf(titulo) + "\\b0\\par\n";
  for (const QString& p : paragrafos) d += "\\pard\\qj\\fi360\\sa120\\f0\\fs26\\cf0 " + TextoRtf(p) + "\\par\n";
  d += "\\pard\\sa120\\f1\\fs20\\i\\cf2 " +
       TextoRtf(QStringLiteral("Clique num item da lista ou na figura; um clique duplo segue o item.")) + "\\i0\\par\n}\n";
  return d;
}

files::RegItem Item(const QString& rotulo, const QString& arquivo, double x, double y) {
  files::RegItem i;
  i.Item = rotulo;
  i.Arquivo = arquivo;
  i.X = x;
  i.Y = y;
  i.Prepara();
  return i;
}

void GravaPagina(const QString& pasta, const QString& nome, files::RegHiper pagina,
                 const QList<files::RegItem>& itens) {
  // The panes as the editor's "Quadros" leaves them, a little narrower text.
  pagina.LarguraTexto = 0.45;
  pagina.AlturaPainelFigura = 0.5;
  pagina.LarguraFigura = 0.4;
  pagina.AlturaFigura = 0.4;
  pagina.TamanhoOriginal = false;
  pagina.Prepara();
  files::RecordFile::Reescreve(pasta + nome + ".hpr", files::RegHiper::Tamanho, {pagina.ParaBytes()});
  QList<QByteArray> registros;
  for (const files::RegItem& i : itens) registros << i.ParaBytes();
  files::RecordFile::Reescreve(pasta + nome + ".itm", files::RegItem::Tamanho, registros);
}

}  // namespace

QList<files::RegPagina> GravaConteudoHiper(const QString& dirAssunto) {
  CriaPasta(dirAssunto);
  const QString pasta = dirAssunto.endsWith('/') ? dirAssunto : dirAssunto + '/';

  GravaArquivo(pasta + "camaras.jpg", Jpeg(ImagemCoracao()));
  GravaArquivo(pasta + "valvulas.bmp", Bmp(FiguraValvulas()));
  GravaArquivo(pasta + "sangue.jpg", Jpeg(FiguraSangue()));
  constexpr int kQuadros = 24;
  QList<QByteArray> quadros;
  for (int i = 0; i < kQuadros; ++i) quadros << Jpeg(QuadroBatimento(i, 12), 70);
  GravaArquivo(pasta + "batimento.avi", Avi(quadros, 160, 120, 12));

  GravaArquivo(pasta + "camaras.rtf",
               Documento(QStringLiteral("As câmaras do coração"),
                         {QStringLiteral("O coração tem quatro câmaras: dois átrios em cima e dois ventrículos "
                                         "embaixo. O lado direito recebe o sangue pobre em oxigênio que volta do "
                                         "corpo e o manda aos pulmões; o lado esquerdo recebe dos pulmões o sangue "
                                         "oxigenado e o manda para todo o corpo."),
                          QStringLiteral("Os átrios têm paredes finas: apenas empurram o sangue para os "
                                         "ventrículos logo abaixo. O ventrículo esquerdo tem a parede mais grossa "
                                         "de todas, porque bombeia o sangue até os pés e a cabeça."),
                          QStringLiteral("Veja o vídeo do batimento: na sístole o coração se contrai e expulsa "
                                         "o sangue; na diástole ele relaxa e volta a se encher.")}));
  GravaArquivo(pasta + "valvulas.rtf",
               Documento(QStringLiteral("As válvulas"),
                         {QStringLiteral("Quatro válvulas fazem o sangue correr num só sentido. A tricúspide e "
                                         "a mitral ficam entre os átrios e os ventrículos; a pulmonar e a aórtica, "
                                         "na saída dos ventrículos."),
                          QStringLiteral("O som do coração, o conhecido \"tum-tá\", é o ruído das válvulas se "
                                         "fechando.")}));
  GravaArquivo(pasta + "sangue.rtf",
               Documento(QStringLiteral("O sangue"),
                         {QStringLiteral("O sangue leva oxigênio e alimento às células e recolhe o que elas "
                                         "descartam. Os glóbulos vermelhos transportam o oxigênio; os glóbulos "
                                         "brancos defendem o corpo; as plaquetas fecham os cortes."),
                          QStringLiteral("Um adulto tem cerca de cinco litros de sangue, que dão uma volta "
                                         "completa pelo corpo em cerca de um minuto.")}));

  files::RegHiper camaras;
  camaras.Titulo = QStringLiteral("As câmaras do coração");
  camaras.Texto = QStringLiteral("camaras.rtf");
  camaras.Figura = QStringLiteral("camaras.jpg");
  camaras.Som = QStringLiteral("musica.mid");
  camaras.Video = QStringLiteral("batimento.avi");
  GravaPagina(pasta, "camaras", camaras,
              {Item(QStringLiteral("Átrio direito"), QStringLiteral("valvulas.hpr"), 36, 38),
               Item(QStringLiteral("Átrio esquerdo"), QStringLiteral("valvulas.hpr"), 64, 38),
               Item(QStringLiteral("Ventrículo direito"), QStringLiteral(" nenhum "), 37, 58),
               Item(QStringLiteral("Ventrículo esquerdo"), QStringLiteral("sangue.hpr"), 63, 58),
               Item(QStringLiteral("Leia sobre o sangue"), QStringLiteral("sangue.hpr"), -1, -1)});

  files::RegHiper valvulas;
  valvulas.Titulo = QStringLiteral("As válvulas");
  valvulas.Texto = QStringLiteral("valvulas.rtf");
  valvulas.Figura = QStringLiteral("valvulas.bmp");
  GravaPagina(pasta, "valvulas", valvulas,
              {Item(QStringLiteral("Tricúspide"), QStringLiteral(" nenhum "), 25, 29),
               Item(QStringLiteral("Mitral"), QStringLiteral(" nenhum "), 75, 29),
               Item(QStringLiteral("Pulmonar"), QStringLiteral(" nenhum "), 25, 71),
               Item(QStringLiteral("Aórtica"), QStringLiteral("sangue.hpr"), 75, 71),
               Item(QStringLiteral("Voltar às câmaras"), QStringLiteral("camaras.hpr"), -1, -1)});

  files::RegHiper sangue;
  sangue.Titulo = QStringLiteral("O sangue");
  sangue.Texto = QStringLiteral("sangue.rtf");
  sangue.Figura = QStringLiteral("sangue.jpg");
  GravaPagina(pasta, "sangue", sangue,
              {Item(QStringLiteral("Glóbulos vermelhos"), QString(), 25, 50),
               Item(QStringLiteral("Glóbulo branco"), QString(), 72, 29),
               Item(QStringLiteral("Plaquetas"), QString(), 78, 80),
               Item(QStringLiteral("As câmaras do coração"), QStringLiteral("camaras.hpr"), -1, -1)});

  files::RegPagina pagina;
  pagina.Tipo = files::kHipertexto;
  pagina.Arquivo = QStringLiteral("camaras.hpr");
  pagina.Imprimir = true;
  pagina.Sair = true;
  pagina.Prepara();
  return {pagina};
}

}  // namespace gerador
