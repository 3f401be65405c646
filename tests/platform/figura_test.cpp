#include "platform/figura.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QtEndian>
#include <limits>
#include <vector>

#include "platform/escala.h"
#include "platform/wmf/wmf.h"
#include "support/aplicacao.h"
#include "support/pasta_temporaria.h"
#include "support/relogio_falso.h"

using namespace platform;

namespace {

// A metafile written record by record, as the window system stores one.
class Wmf {
 public:
  Wmf& R(quint16 funcao, std::vector<int> p) {
    Poe32(corpo_, static_cast<quint32>(3 + p.size()));
    Poe16(corpo_, funcao);
    for (int v : p) Poe16(corpo_, static_cast<quint16>(v));
    return *this;
  }
  // A record given as its raw size field and words (for damaged files).
  Wmf& Cru(quint32 tamanho, quint16 funcao, std::vector<int> p) {
    Poe32(corpo_, tamanho);
    Poe16(corpo_, funcao);
    for (int v : p) Poe16(corpo_, static_cast<quint16>(v));
    return *this;
  }
  Wmf& Bytes(quint16 funcao, std::vector<int> p, const QByteArray& resto) {
    QByteArray r = resto;
    if (r.size() % 2) r.append('\0');
    Poe32(corpo_, static_cast<quint32>(3 + p.size() + r.size() / 2));
    Poe16(corpo_, funcao);
    for (int v : p) Poe16(corpo_, static_cast<quint16>(v));
    corpo_.append(r);
    return *this;
  }
  Wmf& Pincel(quint32 cor, int estilo = 0, int hachura = 0) { return R(0x02FC, {estilo, int(cor & 0xFFFF), int(cor >> 16), hachura}); }
  Wmf& Caneta(quint32 cor, int largura, int estilo = 0) { return R(0x02FA, {estilo, largura, 0, int(cor & 0xFFFF), int(cor >> 16)}); }
  Wmf& Seleciona(int i) { return R(0x012D, {i}); }
  Wmf& Retangulo(int l, int t, int r, int b) { return R(0x041B, {b, r, t, l}); }
  Wmf& Linha(int x0, int y0, int x1, int y1) { return R(0x0214, {y0, x0}).R(0x0213, {y1, x1}); }

  // Placeable with a frame and units per inch, or plain (caixa empty).
  QByteArray Arquivo(QRect caixa = {}, int porPolegada = 0, bool comFim = true) const {
    QByteArray corpo = corpo_;
    if (comFim) {
      Poe32(corpo, 3);
      Poe16(corpo, 0);
    }
    QByteArray w;
    if (!caixa.isNull()) {
      Poe32(w, 0x9AC6CDD7u);
      Poe16(w, 0);
      for (int v : {caixa.left(), caixa.top(), caixa.left() + caixa.width(), caixa.top() + caixa.height()})
        Poe16(w, static_cast<quint16>(v));
      Poe16(w, static_cast<quint16>(porPolegada));
      Poe32(w, 0);
      quint16 soma = 0;
      for (int i = 0; i < 10; ++i) soma ^= qFromLittleEndian<quint16>(w.constData() + 2 * i);
      Poe16(w, soma);
    }
    for (int v : {1, 9, 0x0300}) Poe16(w, static_cast<quint16>(v));
    Poe32(w, static_cast<quint32>(9 + corpo.size() / 2));
    Poe16(w, 4);
    Poe32(w, 64);
    Poe16(w, 0);
    return w + corpo;
  }

  static void Poe16(QByteArray& b, quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); }
  static void Poe32(QByteArray& b, quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); }

 private:
  QByteArray corpo_;
};

constexpr quint32 kVermelho = 0x0000FF, kAzul = 0xFF0000, kVerde = 0x00FF00;

// A 100 x 50 picture: a red square (10,10)-(40,40) without outline and a
// blue vertical line at x = 60 from y = 5 to 45, 4 units wide.
Wmf Desenho() {
  Wmf w;
  w.R(0x0103, {8}).R(0x020B, {0, 0}).R(0x020C, {50, 100});
  w.Pincel(kVermelho).Seleciona(0).Caneta(0, 0, 5).Seleciona(1).Retangulo(10, 10, 40, 40);
  w.Caneta(kAzul, 4).Seleciona(2).Linha(60, 5, 60, 45);
  return w;
}

QImage Renderiza(const Figura& f, QSize tamanho, QRectF destino) {
  QImage img(tamanho, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  f.Desenha(p, destino);
  return img;
}

// Every cut of a good file, and the file with any one byte changed, loads or
// fails cleanly and draws without reading past its bytes.
void CadaEstrago(const QByteArray& bom, Figura::Formato formato) {
  for (int n = 0; n <= bom.size(); ++n) {
    Figura g;
    if (g.CarregaBytes(bom.left(n), formato)) Renderiza(g, {40, 20}, QRectF(0, 0, 40, 20));
  }
  for (int i = 0; i < bom.size(); ++i)
    for (char mascara : {'\xA5', '\x5A'}) {
      QByteArray x = bom;
      x[i] = static_cast<char>(x[i] ^ mascara);
      Figura g;
      if (g.CarregaBytes(x, formato)) Renderiza(g, {40, 20}, QRectF(0, 0, 40, 20));
    }
}

QByteArray Codifica(const QImage& img, const char* formato, int qualidade = 90) {
  QByteArray b;
  QBuffer buf(&b);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, formato, qualidade);
  return b;
}

// Left half red, right half blue.
QImage DuasCores(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::blue);
  QPainter(&img).fillRect(0, 0, w / 2, h, Qt::red);
  return img;
}

bool Perto(QRgb a, QColor b, int tolerancia = 40) {
  return std::abs(qRed(a) - b.red()) <= tolerancia && std::abs(qGreen(a) - b.green()) <= tolerancia &&
         std::abs(qBlue(a) - b.blue()) <= tolerancia;
}

// A 24-bit DIB of 2 x 2 pixels: bottom row green, green; top row red, blue.
QByteArray Dib2x2() {
  QByteArray d;
  Wmf::Poe32(d, 40);
  Wmf::Poe32(d, 2);
  Wmf::Poe32(d, 2);
  Wmf::Poe16(d, 1);
  Wmf::Poe16(d, 24);
  for (int i = 0; i < 6; ++i) Wmf::Poe32(d, 0);
  d.append("\x00\xFF\x00\x00\xFF\x00\x00\x00", 8);  // bottom row (rows are stored bottom-up), padded
  d.append("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8);  // top row: red, blue
  return d;
}

// An enhanced metafile written record by record: a frame of 25.4 x 12.7 mm
// on a reference device of 96 pixels an inch (96 x 48 pixels).
class Emf {
 public:
  Emf& R(quint32 tipo, std::vector<qint32> campos) {
    Wmf::Poe32(corpo_, tipo);
    Wmf::Poe32(corpo_, static_cast<quint32>(8 + 4 * campos.size()));
    for (qint32 v : campos) Wmf::Poe32(corpo_, static_cast<quint32>(v));
    ++registros_;
    return *this;
  }
  // A record whose fields end in 16-bit values (an even count of them).
  Emf& R16(quint32 tipo, std::vector<qint32> campos, std::vector<int> curtos) {
    QByteArray extra;
    for (int v : curtos) Wmf::Poe16(extra, static_cast<quint16>(v));
    Wmf::Poe32(corpo_, tipo);
    Wmf::Poe32(corpo_, static_cast<quint32>(8 + 4 * campos.size() + extra.size()));
    for (qint32 v : campos) Wmf::Poe32(corpo_, static_cast<quint32>(v));
    corpo_.append(extra);
    ++registros_;
    return *this;
  }
  QByteArray Arquivo() const {
    QByteArray corpo = corpo_;
    for (quint32 v : {14u, 20u, 0u, 0u, 20u}) Wmf::Poe32(corpo, v);  // EOF
    QByteArray h;
    for (qint32 v : {1, 88, 0, 0, 95, 47, 0, 0, 2540, 1270, 0x464D4520, 0x10000}) Wmf::Poe32(h, static_cast<quint32>(v));
    Wmf::Poe32(h, static_cast<quint32>(88 + corpo.size()));
    Wmf::Poe32(h, static_cast<quint32>(registros_ + 2));
    Wmf::Poe16(h, 8);
    Wmf::Poe16(h, 0);
    for (qint32 v : {0, 0, 0, 960, 960, 254, 254}) Wmf::Poe32(h, static_cast<quint32>(v));
    return h + corpo;
  }

 private:
  QByteArray corpo_;
  int registros_ = 0;
};

class FiguraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    apoio::Aplicacao();
    DefineTela({640, 480, 96});
  }
  void TearDown() override { UsaTelaReal(); }
  apoio::PastaTemporaria pasta;
};

}  // namespace

TEST_F(FiguraTest, JpegPeloLibjpegComTamanhoNatural) {
  const QByteArray jpg = Codifica(DuasCores(40, 30), "JPG");
  QString erro;
  const QImage img = DecodificaJPEG(jpg, &erro);
  ASSERT_FALSE(img.isNull()) << erro.toStdString();
  EXPECT_EQ(img.size(), QSize(40, 30));
  EXPECT_TRUE(Perto(img.pixel(5, 15), Qt::red));
  EXPECT_TRUE(Perto(img.pixel(35, 15), Qt::blue));

  Figura f;
  ASSERT_TRUE(f.Carrega(pasta.Escreve("foto.JPG", jpg)));
  EXPECT_EQ(f.formato(), Figura::Formato::JPEG);
  EXPECT_EQ(f.Tamanho(), QSize(40, 30));
  // Gray pictures too.
  const QImage cinza = DecodificaJPEG(Codifica(DuasCores(16, 16).convertToFormat(QImage::Format_Grayscale8), "JPG"));
  ASSERT_EQ(cinza.size(), QSize(16, 16));
  EXPECT_EQ(qRed(cinza.pixel(12, 8)), qBlue(cinza.pixel(12, 8)));
}

TEST_F(FiguraTest, JpegEstragadoDaErroDoLibjpegSemCair) {
  const QByteArray jpg = Codifica(DuasCores(64, 64), "JPG");
  QByteArray lixo = jpg.left(2) + QByteArray(300, '\x55');
  QByteArray quadroRuim = jpg;
  // The frame header's precision byte (SOF0: FF C0, length, precision).
  const int sof = jpg.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  quadroRuim[sof + 4] = 3;
  QByteArray enorme = jpg;  // claims 60000 x 60000 pixels
  enorme[sof + 5] = enorme[sof + 7] = '\xEA';
  enorme[sof + 6] = enorme[sof + 8] = '\x60';
  QString erroEnorme;
  EXPECT_TRUE(DecodificaJPEG(enorme, &erroEnorme).isNull());
  EXPECT_EQ(erroEnorme, QStringLiteral("Figura grande demais para ser mostrada."));
  const QRegularExpression formato(QStringLiteral("^JPEG error #\\d+$"));
  for (const QByteArray& ruim : {QByteArray(), jpg.left(2), jpg.left(20), lixo, quadroRuim}) {
    QString erro;
    EXPECT_TRUE(DecodificaJPEG(ruim, &erro).isNull());
    EXPECT_TRUE(formato.match(erro).hasMatch()) << erro.toStdString();
    Figura f;
    EXPECT_FALSE(f.CarregaBytes(ruim, Figura::Formato::JPEG));
    EXPECT_TRUE(formato.match(f.erro()).hasMatch()) << f.erro().toStdString();
  }
  // Cut inside the picture data: libjpeg warns and fills the rest, so the
  // picture shows, its full size, as the window system showed it.
  const int sos = jpg.indexOf("\xFF\xDA");
  ASSERT_GT(sos, 0);
  QString erro;
  const QImage meia = DecodificaJPEG(jpg.left((sos + jpg.size()) / 2), &erro);
  EXPECT_EQ(meia.size(), QSize(64, 64)) << erro.toStdString();
  // Every cut of the file decodes or fails cleanly.
  for (int n = 0; n < jpg.size(); n += 13) DecodificaJPEG(jpg.left(n));
}

TEST_F(FiguraTest, BitmapPeloQtEFormatoPeloConteudo) {
  const QByteArray bmp = Codifica(DuasCores(20, 10), "BMP");
  Figura f;
  ASSERT_TRUE(f.Carrega(pasta.Escreve("mapa.bmp", bmp)));
  EXPECT_EQ(f.formato(), Figura::Formato::BMP);
  EXPECT_EQ(f.Tamanho(), QSize(20, 10));
  const QImage img = Renderiza(f, {40, 20}, QRectF(0, 0, 40, 20));
  EXPECT_TRUE(Perto(img.pixel(5, 10), Qt::red, 10));
  EXPECT_TRUE(Perto(img.pixel(35, 10), Qt::blue, 10));

  // A bitmap named .jpg is read for what it is.
  Figura g;
  ASSERT_TRUE(g.Carrega(pasta.Escreve("disfarce.jpg", bmp)));
  EXPECT_EQ(g.formato(), Figura::Formato::BMP);
  // A name without a known ending: by the bytes.
  ASSERT_TRUE(g.Carrega(pasta.Escreve("sem_extensao", Codifica(DuasCores(8, 8), "JPG"))));
  EXPECT_EQ(g.formato(), Figura::Formato::JPEG);
}

TEST_F(FiguraTest, FalhasDizemPorQueEGuardamAFiguraAnterior) {
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(Codifica(DuasCores(20, 10), "BMP")));
  const struct {
    QString nome;
    QByteArray bytes;
    const char* erro;
  } casos[] = {
      {"curto.bmp", QByteArray("BM\x10\0\0\0", 6), "Bitmap inválido."},
      {"texto.txt", QByteArray("nada de figura aqui"), "Formato de figura desconhecido."},
      {"vetor.emf", QByteArray(100, '\0'), "O arquivo não é um metafile avançado do Windows."},
      {"ruim.wmf", QByteArray(10, '\x01'), "O arquivo não é um metafile do Windows."},
  };
  for (const auto& c : casos) {
    EXPECT_FALSE(f.Carrega(pasta.Escreve(c.nome, c.bytes))) << c.nome.toStdString();
    EXPECT_EQ(f.erro(), QString::fromUtf8(c.erro)) << c.nome.toStdString();
    EXPECT_EQ(f.Tamanho(), QSize(20, 10));
  }
  EXPECT_FALSE(f.Carrega(pasta.caminho() + "falta.jpg"));
  EXPECT_EQ(f.erro(), QStringLiteral("Arquivo de figura não encontrado: falta.jpg"));
  EXPECT_FALSE(f.vazia());
  EXPECT_TRUE(Figura().vazia());
  EXPECT_EQ(Figura().Tamanho(), QSize(0, 0));
}

TEST_F(FiguraTest, MetafileDesenhaNoLugarCertoEsticado) {
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(Desenho().Arquivo(QRect(0, 0, 100, 50), 100)));
  EXPECT_EQ(f.formato(), Figura::Formato::WMF);
  EXPECT_EQ(f.Tamanho(), QSize(96, 48));  // one inch by half an inch at 96 dpi
  DefineTela({640, 480, 120});
  EXPECT_EQ(f.Tamanho(), QSize(120, 60));

  // Twice the size: the square covers 20..80, the line is at x = 120.
  QImage img = Renderiza(f, {200, 100}, QRectF(0, 0, 200, 100));
  EXPECT_TRUE(Perto(img.pixel(50, 50), Qt::red, 5));
  EXPECT_TRUE(Perto(img.pixel(22, 22), Qt::red, 5));
  EXPECT_TRUE(Perto(img.pixel(90, 50), Qt::white, 5));
  EXPECT_TRUE(Perto(img.pixel(120, 50), Qt::blue, 5));
  EXPECT_TRUE(Perto(img.pixel(120, 5), Qt::white, 5));
  EXPECT_TRUE(Perto(img.pixel(150, 50), Qt::white, 5));

  // Stretched into another rectangle, tall and offset: x by 1, y by 4.
  img = Renderiza(f, {200, 260}, QRectF(50, 30, 100, 200));
  EXPECT_TRUE(Perto(img.pixel(50 + 25, 30 + 100), Qt::red, 5));
  EXPECT_TRUE(Perto(img.pixel(50 + 25, 30 + 30), Qt::white, 5));  // above the square (y 40 < 10 x 4)
  EXPECT_TRUE(Perto(img.pixel(50 + 60, 30 + 100), Qt::blue, 5));
  EXPECT_TRUE(Perto(img.pixel(50 + 25, 20), Qt::white, 5));       // outside the rectangle
  // Nothing is drawn outside the rectangle given.
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_TRUE(Perto(img.pixel(x, y), Qt::white, 0)) << x << "," << y;

  // The picture at a size, transparent where nothing is drawn.
  const QImage a = f.Imagem({100, 50});
  EXPECT_EQ(a.size(), QSize(100, 50));
  EXPECT_EQ(qAlpha(a.pixel(90, 5)), 0);
  EXPECT_TRUE(Perto(a.pixel(25, 25), Qt::red, 5));
}

TEST_F(FiguraTest, MetafileSemCabecalhoPlaceableUsaSuaJanela) {
  Metafile m;
  ASSERT_TRUE(m.Carrega(Desenho().Arquivo()));
  EXPECT_FALSE(m.Placeable());
  EXPECT_EQ(m.Quadro(), QRectF(0, 0, 100, 50));
  EXPECT_EQ(m.TamanhoNatural(96), QSize(100, 50));

  // Without a window: the box of what it draws.
  Wmf semJanela;
  semJanela.Pincel(kVerde).Seleciona(0).Retangulo(20, 30, 70, 50);
  ASSERT_TRUE(m.Carrega(semJanela.Arquivo()));
  EXPECT_EQ(m.Quadro(), QRectF(20, 30, 50, 20));
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(semJanela.Arquivo()));
  const QImage img = Renderiza(f, {50, 20}, QRectF(0, 0, 50, 20));
  EXPECT_TRUE(Perto(img.pixel(25, 10), Qt::green, 5));
}

TEST_F(FiguraTest, MetafileRegistrosDeEstadoEFormas) {
  // The window moved and scaled, a saved and restored state, an ellipse, a
  // polygon, a hatched brush and a bitmap inside the metafile.
  Wmf w;
  w.R(0x0103, {8}).R(0x020B, {100, 100}).R(0x020C, {100, 200});  // window (100,100) 200 x 100
  w.Pincel(kVerde).Seleciona(0).Caneta(0, 0, 5).Seleciona(1);
  w.R(0x001E, {});                                                // SaveDC
  w.Pincel(kAzul).Seleciona(2);
  w.R(0x0418, {200, 300, 100, 200});                              // Ellipse (200,100)-(300,200)
  w.R(0x0127, {0xFFFF});                                          // RestoreDC(-1): green again
  w.R(0x0324, {3, 100, 100, 180, 100, 100, 180});                 // Polygon: a triangle at the corner
  w.Bytes(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 40, 40, 150, 120}, Dib2x2());  // StretchDIB at (120,150) 40 x 40
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(w.Arquivo(QRect(0, 0, 200, 100), 96)));
  const QImage img = Renderiza(f, {200, 100}, QRectF(0, 0, 200, 100));
  EXPECT_TRUE(Perto(img.pixel(150, 50), Qt::blue, 5));    // the ellipse's centre
  EXPECT_TRUE(Perto(img.pixel(105, 5), Qt::white, 5));    // corner of the ellipse's box
  EXPECT_TRUE(Perto(img.pixel(10, 10), Qt::green, 5));    // the triangle, in the restored brush
  EXPECT_TRUE(Perto(img.pixel(70, 20), Qt::white, 5));
  EXPECT_TRUE(Perto(img.pixel(25, 55), Qt::red, 60));     // the bitmap's top left pixel
  EXPECT_TRUE(Perto(img.pixel(55, 55), Qt::blue, 60));
  EXPECT_TRUE(Perto(img.pixel(40, 85), Qt::green, 60));   // its bottom row
}

TEST_F(FiguraTest, MetafileComTexto) {
  Wmf w;
  w.R(0x0103, {8}).R(0x020B, {0, 0}).R(0x020C, {100, 400});
  QByteArray fonte(18, '\0');
  fonte.append("Arial");
  fonte.append(QByteArray(32 - 5, '\0'));
  // CreateFontIndirect: height -40, bold, then the face name.
  std::vector<int> campos = {-40, 0, 0, 0, 700};
  w.Bytes(0x02FB, campos, fonte.mid(10));
  w.Seleciona(0);
  w.R(0x0209, {0x00FF, 0});   // SetTextColor red
  w.R(0x0102, {1});           // transparent
  w.R(0x012E, {24});          // baseline
  w.Bytes(0x0A32, {70, 20, 6, 0}, "WWWWWW");  // ExtTextOut at (20, 70)
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(w.Arquivo(QRect(0, 0, 400, 100), 96)));
  const QImage img = Renderiza(f, {400, 100}, QRectF(0, 0, 400, 100));
  int vermelhos = 0, acima = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 400; ++x)
      if (Perto(img.pixel(x, y), Qt::red, 80)) (y <= 72 ? vermelhos : acima)++;
  EXPECT_GT(vermelhos, 200);  // letters above the baseline
  EXPECT_EQ(acima, 0);        // W has no descender
}

TEST_F(FiguraTest, MetafileEstragadoFalhaOuDesenhaEmParteSemCair) {
  const QByteArray bom = Desenho().Arquivo(QRect(0, 0, 100, 50), 100);
  // A record that claims more words than the file holds, after the square:
  // the square still draws.
  Wmf longo = Desenho();
  longo.Cru(100000, 0x0324, {3, 0, 0});
  Metafile m;
  ASSERT_TRUE(m.Carrega(longo.Arquivo(QRect(0, 0, 100, 50), 100, false)));
  EXPECT_TRUE(m.Truncado());
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(longo.Arquivo(QRect(0, 0, 100, 50), 100, false)));
  EXPECT_TRUE(Perto(Renderiza(f, {100, 50}, QRectF(0, 0, 100, 50)).pixel(25, 25), Qt::red, 5));

  // Records whose counts point past their own words.
  Wmf mentiroso;
  mentiroso.R(0x0103, {8}).R(0x020C, {50, 100}).Pincel(kVermelho).Seleciona(0);
  mentiroso.R(0x0324, {30000, 1, 1});                 // polygon of 30000 points in 2 words
  mentiroso.R(0x0538, {2, 5000, 5000, 0, 0});         // poly-polygon
  mentiroso.R(0x0521, {2000, 0x4141});                // text of 2000 bytes
  mentiroso.R(0x0A32, {0, 0, 999, 6, 1, 2});           // ext text with a box and no text
  mentiroso.Bytes(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 40, 40, 0, 0}, QByteArray("\x28\0\0\0\xFF\xFF\0\0", 8));
  mentiroso.R(0x012D, {77}).R(0x01F0, {-1}).R(0x0127, {-5}).R(0x0127, {9});
  mentiroso.Cru(2, 0x041B, {});                        // size below a record header
  ASSERT_TRUE(f.CarregaBytes(mentiroso.Arquivo(QRect(0, 0, 100, 50), 100)));
  Renderiza(f, {100, 50}, QRectF(0, 0, 100, 50));

  Wmf rico = Desenho();
  rico.R(0x0418, {40, 90, 5, 50}).R(0x081A, {0, 100, 50, 0, 50, 100, 0, 0}).R(0x0325, {3, 0, 0, 50, 50, 100, 0});
  rico.Bytes(0x0A32, {30, 10, 3, 6, 0, 0, 90, 40}, "abc").Bytes(0x0B41, {0x0020, 0x00CC, 2, 2, 0, 0, 30, 30, 5, 5}, Dib2x2());
  CadaEstrago(rico.Arquivo(QRect(0, 0, 100, 50), 100), Figura::Formato::WMF);
  EXPECT_FALSE(f.CarregaBytes(bom.left(30), Figura::Formato::WMF));
}

TEST_F(FiguraTest, MetafileAvancadoComCaminhoETransformacao) {
  constexpr qint32 kNuloCaneta = static_cast<qint32>(0x80000008u);
  Emf e;
  e.R(39, {1, 0, 0x0000FF, 0}).R(37, {1}).R(37, {kNuloCaneta});  // red brush, no pen
  e.R(43, {10, 10, 40, 40});                                     // Rectangle
  e.R(39, {2, 0, 0xFF0000, 0}).R(37, {2});                       // blue brush
  e.R(59, {}).R16(86, {0, 0, 0, 0, 3}, {50, 5, 90, 5, 50, 45}).R(60, {}).R(62, {0, 0, 0, 0});  // a filled path
  e.R(39, {3, 0, 0x00FF00, 0}).R(37, {3});                       // green brush
  e.R(35, {0x3F800000, 0, 0, 0x3F800000, 0x42700000, 0x41F00000});  // world: move by (60, 30)
  e.R(43, {0, 0, 10, 10});
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(e.Arquivo()));
  EXPECT_EQ(f.formato(), Figura::Formato::EMF);
  EXPECT_EQ(f.Tamanho(), QSize(96, 48));
  DefineTela({640, 480, 120});
  EXPECT_EQ(f.Tamanho(), QSize(120, 60));
  const QImage img = Renderiza(f, {192, 96}, QRectF(0, 0, 192, 96));
  EXPECT_TRUE(Perto(img.pixel(50, 50), Qt::red, 5));
  EXPECT_TRUE(Perto(img.pixel(110, 20), Qt::blue, 5));
  EXPECT_TRUE(Perto(img.pixel(160, 16), Qt::blue, 5));
  EXPECT_TRUE(Perto(img.pixel(170, 80), Qt::white, 5));
  EXPECT_TRUE(Perto(img.pixel(130, 70), Qt::green, 5));
  EXPECT_TRUE(Perto(img.pixel(150, 70), Qt::white, 5));

  e.R16(84, {0, 0, 0, 0, 1, 0, 0, 10, 30, 3, 76, 0, 0, 0, 0, 0, 0}, {'a', 'b', 'c', 0});  // ExtTextOutW at (10, 30)
  CadaEstrago(e.Arquivo(), Figura::Formato::EMF);
}

TEST_F(FiguraTest, MetafileAvancadoComValoresNosExtremos) {
  // A pen width, rounded corners and a state count at the bottom of the
  // 32-bit range, and bounds that end at its top: the picture loads and
  // draws without overflowing.
  constexpr qint32 kMenor = std::numeric_limits<qint32>::min();
  Emf e;
  e.R(38, {1, 0, kMenor, 0, 0x0000FF});         // CreatePen
  e.R(33, {}).R(34, {kMenor});                   // SaveDC, RestoreDC
  e.R(44, {10, 10, 40, 40, kMenor, kMenor});     // RoundRect
  QByteArray bytes = e.Arquivo();
  qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), bytes.data() + 16);  // the bounds' right
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(bytes));
  Renderiza(f, {96, 48}, QRectF(0, 0, 96, 48));
}

TEST_F(FiguraTest, AlvosDaPastaDoProgramaCarregamNoNossoPlayer) {
  // The generator writes the program folder next to the tests at build time.
  const QString dir = QCoreApplication::applicationDirPath() + "/../bin/";
  if (!QFileInfo::exists(dir + "Alvo0.wmf")) GTEST_SKIP() << "program folder not generated in " << dir.toStdString();
  Figura alvo[2];
  QImage img[2];
  for (int n = 0; n < 2; ++n) {
    ASSERT_TRUE(alvo[n].Carrega(dir + QStringLiteral("Alvo%1.wmf").arg(n))) << alvo[n].erro().toStdString();
    EXPECT_EQ(alvo[n].formato(), Figura::Formato::WMF);
    EXPECT_EQ(alvo[n].Tamanho(), QSize(24, 24));  // a quarter of an inch
    img[n] = alvo[n].Imagem({60, 60});
    EXPECT_EQ(qAlpha(img[n].pixel(1, 1)), 0) << n;  // round: the corners stay clear
  }
  // The blinking pair: the outer ring red in one and white in the other, the
  // ring inside it the other way round.
  const QColor vermelho(0xD0, 0, 0);
  EXPECT_TRUE(Perto(img[0].pixel(12, 12), vermelho, 60));
  EXPECT_TRUE(Perto(img[0].pixel(17, 17), Qt::white, 60));
  EXPECT_TRUE(Perto(img[1].pixel(12, 12), Qt::white, 60));
  EXPECT_TRUE(Perto(img[1].pixel(17, 17), vermelho, 60));
  EXPECT_TRUE(Perto(img[0].pixel(30, 8), Qt::black, 60));  // the cross
  EXPECT_NE(img[0], img[1]);
}

namespace {

// A metafile of `n` filled rectangles.
QByteArray MuitosRetangulos(int n) {
  Wmf w;
  w.Pincel(0x0000FF).Seleciona(0);
  for (int i = 0; i < n; ++i) w.Retangulo(i % 90, i % 40, i % 90 + 10, i % 40 + 10);
  return w.Arquivo(QRect(0, 0, 100, 50), 100);
}

struct RelogioDoMetafile {
  explicit RelogioDoMetafile(const files::Relogio* r) { DefineRelogioMetafile(r); }
  ~RelogioDoMetafile() { DefineRelogioMetafile(nullptr); }
};

// One playing stops once it has taken its time: the clock is read at the
// start and every 16 records, so with 50 ms a reading it stops at the fifth
// reading after the start (250 ms), 80 records in; a clock that stands
// still lets every record play.
TEST_F(FiguraTest, MetafilePlayingStopsAtItsTimeLimit) {
  Metafile m;
  ASSERT_TRUE(m.Carrega(MuitosRetangulos(5000)));
  QImage img(100, 50, QImage::Format_ARGB32);
  {
    apoio::RelogioFalso relogio(36000000, 50);
    RelogioDoMetafile r(&relogio);
    QPainter p(&img);
    EXPECT_EQ(m.Reproduz(p, QRectF(0, 0, 100, 50)), 5 * 16);
  }
  {
    apoio::RelogioFalso parado(36000000, 0);
    RelogioDoMetafile r(&parado);
    QPainter p(&img);
    EXPECT_EQ(m.Reproduz(p, QRectF(0, 0, 100, 50)), m.Registros());
  }
  // Midnight in the middle of a playing is no end of time.
  {
    apoio::RelogioFalso meiaNoite(24 * 3600 * 1000 - 60, 20);
    RelogioDoMetafile r(&meiaNoite);
    QPainter p(&img);
    EXPECT_EQ(m.Reproduz(p, QRectF(0, 0, 100, 50)), 13 * 16);
  }
}

// Records past the limit are not read: the picture is cut there, as a
// truncated one.
TEST_F(FiguraTest, MetafileKeepsAtMostItsRecordLimit) {
  Wmf w;
  for (int i = 0; i < kMaiorRegistrosMetafile + 10; ++i) w.R(0x001E, {});  // SaveDC
  Metafile m;
  ASSERT_TRUE(m.Carrega(w.Arquivo(QRect(0, 0, 100, 50), 100)));
  EXPECT_EQ(m.Registros(), kMaiorRegistrosMetafile);
  EXPECT_TRUE(m.Truncado());
  Metafile curto;
  ASSERT_TRUE(curto.Carrega(MuitosRetangulos(10)));
  EXPECT_FALSE(curto.Truncado());
}

// On the screen a metafile is played once for each size it is shown at:
// painting it again at that size copies what was played.
TEST_F(FiguraTest, MetafileIsPlayedOncePerShownSize) {
  apoio::RelogioFalso relogio(36000000, 0);
  RelogioDoMetafile r(&relogio);
  Figura f;
  ASSERT_TRUE(f.CarregaBytes(MuitosRetangulos(20)));
  const QImage primeira = Renderiza(f, {200, 100}, QRectF(0, 0, 200, 100));
  const int umaVez = relogio.leituras();
  EXPECT_GT(umaVez, 0);
  const Figura copia = f;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Renderiza(copia, {200, 100}, QRectF(0, 0, 200, 100)), primeira);
  EXPECT_EQ(relogio.leituras(), umaVez);
  EXPECT_EQ(f.Imagem({200, 100}).size(), QSize(200, 100));
  EXPECT_EQ(relogio.leituras(), umaVez);
  Renderiza(f, {100, 50}, QRectF(0, 0, 100, 50));
  EXPECT_GT(relogio.leituras(), umaVez);
}

}  // namespace
