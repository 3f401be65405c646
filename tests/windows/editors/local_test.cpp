// The locate editor: the blank record, the picture at its natural size, the
// panels kept inside the box, the lines, Valida, a stored picture missing
// from the folder, and the road to the player: the targets stand where the
// teacher put the labels.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

#include "authoring/editors/local.h"
#include "comum.h"
#include "jogador.h"
#include "files/geometria_local.h"
#include "platform/imagem.h"
#include "player/activities/local.h"
#include "player/global.h"
#include "support/relogio_falso.h"
#include "windows/activities/apoio_atividades.h"

namespace {

using files::RegFigura;
using pravo::TfrmEditLoc;

QString U(const char* s) { return QString::fromUtf8(s); }

class EditLocTeste : public teste::EditoresTeste {
 protected:
  void SetUp() override {
    EditoresTeste::SetUp();
    pravo::DirLocal = pravo::DirAssunto;
    pravo::ArqLocal = Caminho(QStringLiteral("f.loc"));
    frm = Editor<TfrmEditLoc>("TfrmEditLoc");
    ASSERT_NE(frm, nullptr);
  }
  void TearDown() override {
    if (frm && frm->isVisible()) frm->QDialog::hide();
    EditoresTeste::TearDown();
  }
  void Quadro(const QString& nome, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 200));
    ASSERT_TRUE(img.save(Caminho(nome), "BMP"));
  }
  void Escolhe(const QString& nome) {
    const int i = frm->cboFigura->findText(nome);
    ASSERT_GT(i, 0) << nome.toStdString();
    frm->cboFigura->setCurrentIndex(i);
    emit frm->cboFigura->activated(i);
  }
  void Fecha() {
    respondedor.Roda([&] { frm->btnSair->click(); });
    ASSERT_FALSE(frm->isVisible());
  }
  // Drags panel k so that its centre ends at (x, y) of the box's panel.
  void Arrasta(int k, QPoint destino) {
    pravo::PainelRotulo* p = frm->pnlPan[k - 1];
    frm->pnlPan1MouseDown(p, QPoint(p->width() / 2, p->height() / 2));
    frm->pnlPan1MouseMove(p, destino - p->pos());
    frm->pnlPan1MouseUp(p);
  }
  std::vector<RegFigura> Gravados() { return teste::Registros<RegFigura>(pravo::ArqLocal); }

  TfrmEditLoc* frm = nullptr;
};

TEST_F(EditLocTeste, ANewFileGetsTheBlankRecordAtOnce) {
  frm->show();
  EXPECT_EQ(frm->windowTitle(), "Editor de Arquivos do Acerte o Local - f.loc");
  EXPECT_EQ(frm->lblPagina->text(), "Figura 1 de 1");
  EXPECT_EQ(frm->imgFrente->width(), 350);
  EXPECT_EQ(frm->scbHoriz->value(), 350);
  EXPECT_EQ(frm->scbVert->maximum(), 350);
  EXPECT_EQ(frm->cboFigura->count(), 1);
  ASSERT_EQ(Bytes("f.loc").size(), 848);
  const RegFigura r = Gravados().at(0);
  EXPECT_EQ(r.Figura, "");
  EXPECT_EQ(r.LarguraFig, 1.0);
  EXPECT_EQ(r.AlturaFig, 1.0);
  EXPECT_DOUBLE_EQ(r.PanX[3], 5.0 / 350);
  EXPECT_EQ(r.LinhaX[5], -1.0);
  EXPECT_EQ(r.Codigo, "");
}

TEST_F(EditLocTeste, APictureStartsAtItsNaturalSizeWithinTheBox) {
  Quadro("b.bmp", 200, 100);
  Quadro("a.BMP", 900, 40);
  frm->show();
  EXPECT_EQ(frm->cboFigura->itemText(1), "a.BMP");
  Escolhe("b.bmp");
  EXPECT_EQ(frm->scbHoriz->value(), 200);
  EXPECT_EQ(frm->scbVert->value(), 100);
  EXPECT_EQ(frm->imgFrente->canvas().pixelColor(175, 175), QColor(0, 0, 200));
  EXPECT_EQ(frm->imgFrente->canvas().pixelColor(60, 175), QColor(Qt::white));
  Escolhe("a.BMP");
  EXPECT_EQ(frm->scbHoriz->value(), 350);
  EXPECT_EQ(frm->scbVert->value(), 40);
  frm->edtPan[0]->setText("Aorta");
  Fecha();
  const RegFigura r = Gravados().at(0);
  EXPECT_EQ(r.Figura, "a.BMP");
  EXPECT_DOUBLE_EQ(r.AlturaFig, 40.0 / 350);
  EXPECT_TRUE(r.Verifica());
}

TEST_F(EditLocTeste, ValidaWarnsOfThePictureAndRefusesABlankFirstLabel) {
  frm->show();
  frm->edtPan[0]->setText("   ");
  EXPECT_TRUE(frm->pnlPan[0]->isHidden());
  bool ok = true;
  auto caixas = respondedor.Roda([&] { ok = frm->Valida(); });
  EXPECT_FALSE(ok);
  EXPECT_EQ(teste::Textos(caixas), (std::vector<QString>{U("O campo \"Figura\" não pode ficar vazio !"),
                                                         U("O primeiro painel não pode ficar vazio !")}));
  EXPECT_EQ(frm->focusWidget(), frm->edtPan[0]);
  // The other labels may be empty, also between filled ones.
  frm->edtPan[0]->setText("Aorta");
  frm->edtPan[2]->setText("Veia");
  caixas = respondedor.Roda([&] { ok = frm->Valida(); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(caixas.size(), 1u);
}

TEST_F(EditLocTeste, PanelsStayInsideTheBoxAndLinesBelongToTheRecord) {
  frm->show();
  frm->edtPan[0]->setText("Aorta");
  frm->edtPan[1]->setText("Ventrículo esquerdo");
  Arrasta(1, QPoint(100, 50));
  const QSize tamanho = frm->pnlPan[0]->size();
  EXPECT_EQ(frm->pnlPan[0]->pos(), QPoint(100 - tamanho.width() / 2, 50 - tamanho.height() / 2));
  // Beyond the edge: held at it.
  Arrasta(2, QPoint(500, -40));
  EXPECT_EQ(frm->pnlPan[1]->pos(), QPoint(350 - frm->pnlPan[1]->width(), 0));
  // A click with no line armed does nothing; armed, it sets the point once.
  frm->imgFrenteMouseDown(QPoint(10, 10));
  EXPECT_EQ(frm->LinhaX(1), -1.0);
  frm->btnLinha[0]->click();
  frm->imgFrenteMouseDown(QPoint(175, 70));
  frm->imgFrenteMouseDown(QPoint(5, 5));
  EXPECT_DOUBLE_EQ(frm->LinhaX(1), 0.5);
  EXPECT_DOUBLE_EQ(frm->LinhaY(1), 0.2);
  EXPECT_EQ(frm->linhaArmada(), -1);
  // A line for an empty label is kept too.
  frm->btnLinha[4]->click();
  frm->imgFrenteMouseDown(QPoint(35, 35));
  frm->btnLimpa[4]->click();
  EXPECT_EQ(frm->LinhaX(5), -1.0);
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), "Figura 2 de 2");
  EXPECT_EQ(frm->LinhaX(1), -1.0);
  frm->edtPan[0]->setText("Veia");
  respondedor.Roda([&] { frm->btnPrimeira->click(); });
  EXPECT_DOUBLE_EQ(frm->LinhaY(1), 0.2);
  EXPECT_EQ(frm->pnlPan[1]->pos(), QPoint(350 - frm->pnlPan[1]->width(), 0));
  const RegFigura r = Gravados().at(0);
  EXPECT_DOUBLE_EQ(r.PanX[1] + double(frm->pnlPan[1]->width()) / 350, 1.0);
  EXPECT_EQ(r.PanY[1], 0.0);
}

TEST_F(EditLocTeste, AStoredPictureMissingFromTheFolderIsKept) {
  RegFigura r;
  r.Figura = "Sumiu.jpg";
  r.Rotulo[0] = "Aorta";
  r.LarguraFig = r.AlturaFig = 0.5;
  r.Prepara();
  RegFigura s = r;
  s.Figura = "../fora.jpg";
  s.Prepara();
  Cria("f.loc", teste::Arquivo({r.ParaBytes(), s.ParaBytes()}));
  frm->show();
  EXPECT_EQ(frm->cboFigura->currentIndex(), -1);
  EXPECT_EQ(frm->cboFigura->placeholderText(), "Sumiu.jpg");
  EXPECT_EQ(frm->scbHoriz->value(), 175);
  // Moving on and back stores it as it was, without the picture warning.
  auto caixas = respondedor.Roda([&] { frm->btnProxima->click(); });
  EXPECT_TRUE(caixas.empty());
  // A name that is not a bare name is not kept.
  EXPECT_EQ(frm->cboFigura->placeholderText(), "");
  caixas = respondedor.Roda([&] { frm->btnPrimeira->click(); });
  EXPECT_EQ(caixas.size(), 1u);
  EXPECT_EQ(Gravados().at(0).Figura, "Sumiu.jpg");
  EXPECT_EQ(Gravados().at(1).Figura, "");
  // The teacher choosing " nenhum " replaces it.
  frm->cboFigura->setCurrentIndex(0);
  emit frm->cboFigura->activated(0);
  caixas = respondedor.Roda([&] { frm->btnProxima->click(); });
  EXPECT_EQ(caixas.size(), 1u);
  EXPECT_EQ(Gravados().at(0).Figura, "");
}

// ---- From the teacher's editor to the student's window ---------------------------

class DoEditorAoJogador : public EditLocTeste {
 protected:
  void TearDown() override {
    zelmo::ReiniciaGlobais();
    platform::DefineTela({640, 480, 120});
    EditLocTeste::TearDown();
  }
  apoio::RelogioFalso relogio;
};

TEST_F(DoEditorAoJogador, LabelsLandOnTheTargetsTheTeacherPlaced) {
  Quadro("cor.bmp", 350, 350);
  frm->show();
  Escolhe("cor.bmp");
  frm->edtPan[0]->setText("Aorta");
  frm->edtPan[1]->setText("Veia cava");
  Arrasta(1, QPoint(120, 60));
  Arrasta(2, QPoint(80, 300));
  frm->btnLinha[1]->click();
  frm->imgFrenteMouseDown(QPoint(140, 210));
  const QPoint editor1 = frm->pnlPan[0]->pos(), editor2 = frm->pnlPan[1]->pos();
  Fecha();

  // The player on a 1024 x 768 screen: its box is 640 pixels.
  platform::DefineTela({1024, 768, 120});
  teste::PaginaNoJogador(files::kLocal, "f.loc", &relogio);
  zelmo::TfrmLocal j;
  j.show();
  j.FormActivate();
  const files::GeometriaLocal g(j.imgFrente->width());
  ASSERT_EQ(g.lado(), 640);
  const auto Escala = [](QPoint e) { return QPoint(qRound(e.x() * 640.0 / 350), qRound(e.y() * 640.0 / 350)); };
  EXPECT_EQ(j.pnlPan(1)->pos(), Escala(editor1));
  EXPECT_EQ(j.pnlPan(2)->pos(), Escala(editor2));
  // The line starts at the point the teacher clicked, scaled.
  const QImage& canvas = j.imgFrente->canvas();
  const QPoint inicio = Escala({140, 210});
  bool preto = false;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) preto |= canvas.pixelColor(inicio + QPoint(dx, dy)) == QColor(Qt::black);
  EXPECT_TRUE(preto);
  EXPECT_EQ(canvas.pixelColor(600, 40), QColor(0, 0, 200));
  // The student drops each label on its target and is done.
  const auto Solta = [&](const QString& rotulo, int q) {
    for (zelmo::Painel* op : j.opcoes)
      if (op->caption() == rotulo) j.pnlPan6DragDrop(j.pnlPan(q), op);
  };
  Solta("Aorta", 1);
  Solta("Veia cava", 2);
  apoio::Respondedor respostas;
  j.btnProntoClick();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns!"), U("Você acertou 100% desta atividade.")}));
}

}  // namespace
