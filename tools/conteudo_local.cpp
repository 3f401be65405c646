// The demonstration subject's locate activity and HTML tests: a picture of
// the heart (our own drawing, written as a JPEG) with two sets of labels,
// and three HTML pages of questions on the heart and the circulation.
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "files/texto.h"
#include "tools/escrita.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

constexpr const char* kFiguraLocal = "CoracaoLocal.jpg";
constexpr const char* kArquivoLocal = "Coracao.loc";
constexpr const char* kArquivoTestes = "Coracao.tsh";
constexpr double kLado = 400;  // the picture is drawn for a box of this side

// The heart from the front, without names: its four chambers, the aorta,
// the pulmonary artery and the venae cavae.  The heart's right side is on
// the viewer's left.
QImage FiguraLocal() {
  QImage img(400, 400, QImage::Format_RGB32);
  img.fill(QColor(255, 253, 245));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor azul(60, 90, 200), vermelho(205, 40, 45);
  auto tubo = [&p](const QPainterPath& caminho, const QColor& cor, double largura) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor.darker(150), largura + 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(caminho);
    p.setPen(QPen(cor, largura, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(caminho);
  };
  // The venae cavae, behind the heart.
  QPainterPath cava;
  cava.moveTo(138, 28);
  cava.lineTo(142, 190);
  tubo(cava, azul, 26);
  QPainterPath cavaInferior;
  cavaInferior.moveTo(132, 300);
  cavaInferior.lineTo(122, 380);
  tubo(cavaInferior, azul, 24);
  // The heart.
  const QRectF corpo(86, 118, 228, 232);
  QLinearGradient grad(corpo.topLeft(), corpo.bottomRight());
  grad.setColorAt(0, QColor(232, 90, 90));
  grad.setColorAt(1, QColor(160, 20, 30));
  p.setBrush(grad);
  p.setPen(QPen(QColor(90, 0, 10), 3));
  p.drawPath(Coracao(corpo));
  // The walls between the chambers.
  p.setPen(QPen(QColor(255, 235, 235), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(200, 186), QPointF(200, 318));
  p.drawLine(QPointF(104, 236), QPointF(296, 236));
  // The pulmonary artery, leaving the right ventricle up and to the left.
  QPainterPath pulmonar;
  pulmonar.moveTo(186, 196);
  pulmonar.cubicTo(180, 140, 150, 110, 86, 104);
  tubo(pulmonar, azul.lighter(115), 22);
  // The aorta: up from the left ventricle, over the top, down behind.
  QPainterPath aorta;
  aorta.moveTo(222, 200);
  aorta.lineTo(222, 92);
  aorta.cubicTo(222, 40, 300, 40, 304, 96);
  aorta.lineTo(306, 150);
  tubo(aorta, vermelho, 26);
  return img;
}

struct Painel {
  const char* rotulo;
  double x, y;            // the panel's left and top, in pixels of the 400 box
  double linhaX, linhaY;  // the point of the picture its line starts from
};

files::RegFigura Figura(std::initializer_list<Painel> paineis) {
  files::RegFigura r;
  r.Figura = QString::fromLatin1(kFiguraLocal);
  r.LarguraFig = 1.0;
  r.AlturaFig = 1.0;
  int k = 0;
  for (const Painel& p : paineis) {
    r.Rotulo[k] = QString::fromUtf8(p.rotulo);
    r.PanX[k] = p.x / kLado;
    r.PanY[k] = p.y / kLado;
    r.LinhaX[k] = p.linhaX / kLado;
    r.LinhaY[k] = p.linhaY / kLado;
    ++k;
  }
  for (; k < files::RegFigura::kPaineis; ++k) {
    r.PanX[k] = 5 / kLado;
    r.PanY[k] = 5 / kLado;
  }
  r.Prepara();
  return r;
}

struct Pergunta {
  const char* arquivo;
  const char* enunciado;
  std::initializer_list<const char*> alternativas;
  int correta;
};

const Pergunta kPerguntas[] = {
    {"Teste1.htm", "Quantas câmaras tem o coração humano?", {"Duas", "Três", "Quatro", "Cinco"}, 2},
    {"Teste2.htm", "Qual vaso leva o sangue do ventrículo esquerdo para todo o corpo?",
     {"A veia cava", "A aorta", "A artéria pulmonar"}, 1},
    {"Teste3.htm", "Onde o sangue venoso recebe oxigênio?",
     {"No coração", "No fígado", "Nos rins", "Nos pulmões", "Nos músculos"}, 3},
};

QByteArray PaginaPergunta(const Pergunta& q, int numero) {
  QString html = QStringLiteral(
      "<!DOCTYPE html>\n<html>\n<head><meta charset=\"windows-1252\"><title>Teste %1</title>\n"
      "<style>body{font-family:'DejaVu Serif',serif;background:#fffdf0;color:#202020;margin:24px}"
      "h2{color:#a00000}li{font-size:20px;margin:6px 0}</style></head>\n<body>\n"
      "<h2>Teste %1</h2>\n<p style=\"font-size:22px\">%2</p>\n<ol type=\"a\">\n")
                     .arg(numero)
                     .arg(QString::fromUtf8(q.enunciado));
  for (const char* a : q.alternativas) html += QStringLiteral("<li>%1</li>\n").arg(QString::fromUtf8(a));
  html += QStringLiteral("</ol>\n<p><i>Escolha a letra da alternativa correta e clique em \"Pronto\".</i></p>\n"
                         "</body>\n</html>\n");
  return files::ParaAnsi(html);
}

}  // namespace

QList<files::RegPagina> GravaConteudoLocal(const QString& dirAssunto) {
  const QString pasta = dirAssunto.endsWith('/') ? dirAssunto : dirAssunto + '/';
  GravaImagem(FiguraLocal(), pasta + QString::fromLatin1(kFiguraLocal), "JPG");
  files::RecordFile::Reescreve(
      pasta + QString::fromLatin1(kArquivoLocal), files::RegFigura::Tamanho,
      {Figura({{"Átrio direito", 8, 150, 150, 208},
               {"Átrio esquerdo", 284, 176, 252, 208},
               {"Ventrículo direito", 8, 300, 156, 276},
               {"Ventrículo esquerdo", 260, 330, 246, 282}})
           .ParaBytes(),
       Figura({{"Aorta", 290, 12, 262, 52},
               {"Artéria pulmonar", 8, 60, 110, 106},
               {"Veia cava", 8, 8, 140, 40}})
           .ParaBytes()});

  QList<QByteArray> testes;
  int numero = 0;
  for (const Pergunta& q : kPerguntas) {
    GravaArquivo(pasta + QString::fromLatin1(q.arquivo), PaginaPergunta(q, ++numero));
    files::RegTesteHTML t;
    t.ArquivoHTML = QString::fromLatin1(q.arquivo);
    t.Alternativas = static_cast<int32_t>(q.alternativas.size());
    t.Correta = q.correta;
    t.Prepara();
    testes.append(t.ParaBytes());
  }
  files::RecordFile::Reescreve(pasta + QString::fromLatin1(kArquivoTestes), files::RegTesteHTML::Tamanho, testes);

  const auto pagina = [](int tipo, const char* arquivo, int quant) {
    files::RegPagina p;
    p.Tipo = tipo;
    p.Arquivo = QString::fromLatin1(arquivo);
    p.Quant = quant;
    p.Ordem = 0;
    p.Porcent = 50;
    return p;
  };
  return {pagina(files::kLocal, kArquivoLocal, 2), pagina(files::kTestesHTML, kArquivoTestes, 3)};
}

}  // namespace gerador
