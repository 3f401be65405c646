// The locate window: targets and lines where the record puts them (inside
// the box whatever it holds), options dropped on targets, the judging, the
// completion and the report block.
#include <QFontMetrics>
#include <QImage>

#include "apoio_atividades.h"
#include "files/geometria_local.h"
#include "platform/imagem.h"
#include "player/activities/local.h"

namespace {

using files::RegFigura;
using zelmo::Painel;
using zelmo::TfrmLocal;

QString U(const char* s) { return QString::fromUtf8(s); }

// A line passes at or next to (x, y).
bool Linha(const QImage& canvas, int x, int y) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (canvas.pixelColor(x + dx, y + dy) == QColor(Qt::black)) return true;
  return false;
}

RegFigura Figura(const QString& nome, const QStringList& rotulos, double larg = 1.0, double alt = 1.0) {
  RegFigura f;
  f.Figura = nome;
  f.LarguraFig = larg;
  f.AlturaFig = alt;
  for (int k = 0; k < 6; ++k) {
    f.Rotulo[k] = rotulos.value(k);
    f.PanX[k] = 0.05;
    f.PanY[k] = 0.1 * (k + 1);
  }
  f.Prepara();
  return f;
}

class LocalTeste : public apoio::AtividadeTeste {
 protected:
  void Figuras(const QList<RegFigura>& figuras) {
    QByteArray b;
    for (const auto& f : figuras) b += f.ParaBytes();
    pasta.Escreve("f.loc", b);
  }
  std::unique_ptr<TfrmLocal> Jogo(const QList<RegFigura>& figuras, int porcent = 70) {
    Figuras(figuras);
    Pagina(files::kLocal, "f.loc", 20, 0, 0, porcent);
    return Abre<TfrmLocal>();
  }
  // A picture of one colour, as a bitmap in the subject folder.
  void Quadro(const QString& nome, QColor cor) {
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(cor);
    ASSERT_TRUE(img.save(pasta.caminho() + nome, "BMP"));
  }
  // The option showing the label dropped on target q.
  static void Solta(TfrmLocal& j, const QString& rotulo, int q) {
    for (Painel* op : j.opcoes)
      if (!op->isHidden() && op->caption() == rotulo) return j.pnlPan6DragDrop(j.pnlPan(q), op);
    ADD_FAILURE() << "no option " << rotulo.toStdString();
  }
  static QStringList Opcoes(const TfrmLocal& j) {
    QStringList s;
    for (Painel* op : j.opcoes)
      if (!op->isHidden()) s << op->caption();
    return s;
  }
};

TEST_F(LocalTeste, APictureWithItsTargetsLinesAndOptions) {
  Quadro("cor.bmp", QColor(0, 200, 0));
  RegFigura f = Figura("COR.BMP", {"Aorta", "Veia"}, 0.5, 0.25);
  f.PanX[0] = 0.25;
  f.PanY[0] = 0.5;
  f.LinhaX[0] = 0.75;
  f.LinhaY[0] = 0.125;
  f.Prepara();
  auto j = Jogo({f, Figura("b.jpg", {"X"})});
  EXPECT_EQ(j->windowTitle(), "Acerte o Local");
  EXPECT_EQ(j->imgFrente->geometry(), QRect(2, 2, 400, 400));
  EXPECT_EQ(j->btnPronto->geometry(), QRect(116, 448, 94, 25));
  EXPECT_EQ(j->lblRodada->text(), "Figura 1 de 2");
  // Targets: empty, 50 pixels wide, at the stored fractions of the box.
  EXPECT_EQ(j->pnlPan(1)->geometry(), QRect(100, 200, 50, 25));
  EXPECT_EQ(j->pnlPan(2)->geometry(), QRect(20, 80, 50, 25));
  EXPECT_TRUE(j->pnlPan(3)->isHidden());
  EXPECT_EQ(j->pnlPan(1)->caption(), "");
  // The window system brings drops to the targets; the options are dragged.
  EXPECT_TRUE(j->pnlPan(6)->acceptDrops());
  EXPECT_FALSE(j->pnlOp(1)->acceptDrops());
  // Two labels: the ten swaps exchange the same pair, so the stored order.
  EXPECT_EQ(Opcoes(*j), (QStringList{"Aorta", "Veia"}));
  // The picture drawn at half by a quarter of the box, centred; the line
  // from (300, 50) to the first target's centre (125, 212).
  const QImage& canvas = j->imgFrente->canvas();
  EXPECT_EQ(canvas.pixelColor(200, 200), QColor(0, 200, 0));
  EXPECT_EQ(canvas.pixelColor(90, 200), QColor(Qt::white));
  EXPECT_TRUE(Linha(canvas, 300, 50));
  EXPECT_TRUE(Linha(canvas, 212, 131));  // half way
  EXPECT_FALSE(Linha(canvas, 300, 300));
}

TEST_F(LocalTeste, TargetsStoredOutsideTheBoxAreBroughtInAndTakeDrops) {
  // A 1024 x 768 screen: the box is 640 pixels.
  platform::DefineTela({1024, 768, 120});
  RegFigura f = Figura("nada.jpg", {"Aorta", "Veia", U("Átrio")});
  const double nan = std::numeric_limits<double>::quiet_NaN();
  f.PanX = {1.5, -3.0, nan, 0, 0, 0};
  f.PanY = {0.5, 1e300, std::numeric_limits<double>::infinity(), 0, 0, 0};
  f.LinhaX = {nan, 0.5, -1, -1, -1, -1};
  f.LinhaY = {0.5, 1e300, -1, -1, -1, -1};
  f.Prepara();
  auto j = Jogo({f});
  const int lado = j->imgFrente->width();
  EXPECT_EQ(lado, 640);
  for (int q = 1; q <= 3; ++q) {
    const QRect r = j->pnlPan(q)->geometry();
    EXPECT_GE(r.left(), 0) << q;
    EXPECT_GE(r.top(), 0) << q;
    EXPECT_LE(r.right(), lado) << q;
    EXPECT_LE(r.bottom(), lado) << q;
  }
  // Wide enough for its own label: it stays inside once that label is on.
  Solta(*j, "Aorta", 1);
  Solta(*j, "Veia", 2);
  Solta(*j, U("Átrio"), 3);
  EXPECT_LE(j->pnlPan(1)->geometry().right(), lado);
  j->btnProntoClick();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns!"), U("Você acertou 100% desta atividade.")}));
}

TEST_F(LocalTeste, DropsJudgingAndTheReportBlock) {
  auto j = Jogo({Figura("a.jpg", {"Aorta", "Veia"}), Figura("b.jpg", {"Pulmão"})});
  j->btnProntoClick();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Você não preencheu"), U("todos os painéis!")}));
  // A drop puts the option's caption on the target and widens it to the text.
  Solta(*j, "Aorta", 1);
  Solta(*j, "Aorta", 2);
  EXPECT_EQ(j->pnlPan(2)->caption(), "Aorta");
  EXPECT_EQ(j->pnlPan(2)->width(), QFontMetrics(j->font()).horizontalAdvance("Aorta") + 10);
  j->btnProntoClick();
  // The wrong target is emptied and narrowed; the right one keeps its label.
  EXPECT_EQ(j->pnlPan(1)->caption(), "Aorta");
  EXPECT_EQ(j->pnlPan(2)->caption(), "");
  EXPECT_EQ(j->pnlPan(2)->width(), 50);
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 1");
  EXPECT_EQ(j->lblErros->text(), "Erros: 1");
  EXPECT_EQ(zelmo::ListaErros, QStringList{"a.jpg - Aorta"});
  Solta(*j, "Veia", 2);
  j->btnProntoClick();
  EXPECT_EQ(j->lblRodada->text(), "Figura 2 de 2");
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 3");
  Solta(*j, U("Pulmão"), 1);
  j->btnProntoClick();
  ASSERT_EQ(respostas.avisos.size(), 2);
  EXPECT_EQ(respostas.avisos[1],
            (QStringList{U("Você completou esta atividade, mas teve 1 erro(s)."), "Continue estudando!"}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** ACERTE O LOCAL ***",
                         U("Quantidade de Figuras: 2 - Painéis Corretos: 4 - Painéis Errados: 1"),
                         "Atividade cumprida: 100 % - Consultas: 0", U("Painéis incorretos:"), "a.jpg - Aorta"}));
}

TEST_F(LocalTeste, LeavingShowsTheAnswerWithoutCountingIt) {
  auto j = Jogo({Figura("a.jpg", {"A1"}), Figura("b.jpg", {"B1", "B2"}), Figura("c.jpg", {"C1"})}, 30);
  Solta(*j, "A1", 1);
  j->btnProntoClick();
  j->btnProximaClick();
  EXPECT_EQ(j->pnlPan(1)->caption(), "B1");
  EXPECT_EQ(j->pnlPan(2)->caption(), "B2");
  EXPECT_TRUE(j->pnlPan(3)->isHidden());
  EXPECT_EQ(respostas.avisos.back(), (QStringList{"", U("Parabéns!"), U("Você acertou 33% desta atividade.")}));
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(2),
            (QStringList{U("Quantidade de Figuras: 3 - Painéis Corretos: 1 - Painéis Errados: 0"),
                         "Atividade cumprida: 33 % - Consultas: 0"}));
}

TEST_F(LocalTeste, AMissingOrCorruptFileEndsTheProgram) {
  Pagina(files::kLocal, "falta.loc");
  auto j = Abre<TfrmLocal>();
  ASSERT_EQ(respostas.caixas.size(), 1);
  EXPECT_EQ(respostas.caixas[0].texto, U("Arquivo do Acerte o Local não encontrado !"));
  EXPECT_TRUE(zelmo::ProgramaEncerrando());

  zelmo::ReiniciaEncerramento();
  RegFigura f = Figura("a.jpg", {"A"});
  f.Codigo = "?";
  Figuras({f});
  Pagina(files::kLocal, "f.loc");
  auto k = Abre<TfrmLocal>();
  ASSERT_EQ(respostas.caixas.size(), 2);
  EXPECT_EQ(respostas.caixas[1].texto, "Arquivo LOC Corrompido!");
}

}  // namespace
