// The hypertext page editor's keys (Enter and Escape keep the work), its
// item grid on the screen, pages from another version, and the picture's
// shape in the editor and its dialogs on every screen.
#include "windows/editors/editor_hiper.h"

namespace {

using apoio_hiper_editor::ContaMensagens;
using apoio_hiper_editor::EditorHiper;
using pravo::TfrmItens;


// Sends a key to the widget that has the focus, as the keyboard does.
void Tecla(QWidget* janela, Qt::Key tecla) {
  QWidget* alvo = QApplication::focusWidget() ? QApplication::focusWidget() : janela;
  QTest::keyClick(alvo, tecla);
}

// No button of the window is pressed by Enter.
void SemBotaoPadrao(const QWidget* janela) {
  for (const QPushButton* b : janela->findChildren<QPushButton*>())
    EXPECT_FALSE(b->isDefault() || b->autoDefault()) << b->objectName().toStdString();
}

TEST_F(EditorHiper, EnterNosItensSoTerminaAEdicao) {
  Abre();
  SemBotaoPadrao(itens);
  SemBotaoPadrao(editor);
  Linha(1, "Primeiro", "", "", "");
  Linha(2, "", "", "", "");
  apoio::QuandoAbrir<TfrmItens>([&](TfrmItens* t) {
    t->activateWindow();
    apoio::Espera([t] { return t->isActiveWindow(); });
    // A label typed in the empty last row, then Enter and Enter again.
    t->StringGrid1->setCurrentCell(1, 0);
    t->StringGrid1->setFocus();
    for (const char c : std::string("Casa")) {
      QWidget* alvo = QApplication::focusWidget() ? QApplication::focusWidget() : t->StringGrid1;
      QTest::keyClick(alvo, c);
    }
    Tecla(t, Qt::Key_Return);
    Tecla(t, Qt::Key_Return);
    // The page list's choice ended with Enter.
    t->StringGrid1->setCurrentCell(0, 1);
    Tecla(t, Qt::Key_Return);
    Tecla(t, Qt::Key_Enter);
    EXPECT_TRUE(t->isVisible());
    t->btnSair->click();
  });
  itens->exec();
  EXPECT_EQ(itens->Cells(TfrmItens::kItem, 1), "Primeiro");
  EXPECT_EQ(itens->Cells(TfrmItens::kItem, 2), "Casa");
  Fecha();
  const QList<files::RegItem> lidos = ItensGravados();
  ASSERT_EQ(lidos.size(), 2);
  EXPECT_EQ(lidos[1].Item, "Casa");
}

TEST_F(EditorHiper, EscapeEEnterNaoFechamOEditor) {
  bool aberto = false;
  apoio::QuandoAbrir<pravo::TfrmHiper>([&](pravo::TfrmHiper* e) {
    e->activateWindow();
    apoio::Espera([e] { return e->isActiveWindow(); });
    e->btnDefault->click();
    Tecla(e, Qt::Key_Escape);
    Tecla(e, Qt::Key_Return);
    QTest::keyClick(e, Qt::Key_Escape);
    aberto = e->isVisible();
    e->btnSair->click();
  });
  editor->exec();
  EXPECT_TRUE(aberto);
  EXPECT_FALSE(editor->isVisible());
}

// The grid's rows grow with the window and its five columns fit beside the
// vertical bar, on every screen.
TEST_F(EditorHiper, GradeDosItensCabeNaTela) {
  const platform::Tela telas[] = {{1024, 768, 96}, {1366, 768, 96}, {1920, 1080, 96}};
  for (const platform::Tela& tela : telas) {
    SCOPED_TRACE(tela.largura);
    platform::DefineTela(tela);
    TfrmItens grade(nullptr);
    grade.show();
    QTableWidget* g = grade.StringGrid1;
    const int linha = files::Arredonda(30.0 * g->width() / 624);
    EXPECT_GT(linha, 30);
    EXPECT_EQ(g->verticalHeader()->defaultSectionSize(), linha);
    EXPECT_EQ(grade.ComboBox1->height(), linha);
    EXPECT_FALSE(g->horizontalScrollBar()->isVisible());
    const int ultima = g->columnViewportPosition(3) + g->columnWidth(3);
    EXPECT_LE(ultima, g->viewport()->width());
    EXPECT_GE(ultima, g->viewport()->width() - g->viewport()->width() / 50);
    grade.hide();
  }
}

// A page whose item file is of an older or newer version (a crash between
// the two renames of a closing) opens and is edited as any other: its own
// record, the items the file holds; closing writes both anew.
TEST_F(EditorHiper, PaginaComItensDeOutraVersaoEEditada) {
  QList<files::RegItem> velhos;
  for (int i = 1; i <= 12; ++i) velhos << apoio::ItemHiper(QString("Velho %1").arg(i), "", i, i);
  for (const auto& lista : {QList<files::RegItem>{}, velhos}) {
    SCOPED_TRACE(lista.size());
    apoio::GravaHiper(pravo::ArqHiper, apoio::PaginaHiper("Nova", "", "figura.bmp"), lista);
    Abre();
    EXPECT_EQ(editor->lblTitulo->text(), "Nova");
    EXPECT_EQ(itens->RowCount(), lista.size() + 2);
    Linha(int(lista.size()) + 1, "Mais um", "", "5", "5");
    Fecha();
    EXPECT_EQ(PaginaGravada().Titulo, "Nova");
    const QList<files::RegItem> gravados = ItensGravados();
    ASSERT_EQ(gravados.size(), lista.size() + 1);
    EXPECT_EQ(gravados.back().Item, "Mais um");
  }
}

// A page laid out on a 4:3 screen, opened on any screen: the editor, its
// "Itens" and its "Características da Figura" show the picture at the shape
// it was given (300 x 150 at 1024 x 768), and what the editor stores on that
// screen shows at the same shape on a 4:3 screen.
struct CasoTelaEditor {
  platform::Tela tela;
  QSize figura;
};

void PrintTo(const CasoTelaEditor& c, std::ostream* os) { *os << c.tela.largura << "x" << c.tela.altura; }

class EditorHiperNaTela : public EditorHiper, public ::testing::WithParamInterface<CasoTelaEditor> {
 protected:
  platform::Tela TelaDoTeste() const override { return GetParam().tela; }
};

TEST_P(EditorHiperNaTela, FiguraComSuaFormaNoEditorENosDialogos) {
  const CasoTelaEditor c = GetParam();
  files::RegHiper r = apoio::PaginaHiper("Forma", "", "figura.bmp");
  r.LarguraFigura = 300.0 / 1024;
  r.AlturaFigura = 150.0 / 768;
  apoio::GravaHiper(pravo::ArqHiper, r, {apoio::ItemHiper("Centro", "", 50, 50)});
  Abre();
  EXPECT_EQ(editor->imgFigura->size(), c.figura);
  EXPECT_LE(std::abs(c.figura.width() - 2 * c.figura.height()), 2);
  itens->FormActivate();
  EXPECT_EQ(itens->imgFigura->size(), c.figura);
  EXPECT_FALSE(itens->imgFigura->AutoSize());
  figura->FormActivate();
  EXPECT_EQ(figura->imgFigura->size(), c.figura);
  EXPECT_EQ(figura->scbLargura->value(), c.figura.width());
  EXPECT_EQ(figura->scbAltura->value(), c.figura.height());
  // A click on the middle of the picture in "Itens" is the middle of the
  // picture the student sees.
  itens->imgFiguraMouseMove(QPointF(c.figura.width() / 2.0, c.figura.height() / 2.0));
  itens->imgFiguraClick();
  EXPECT_EQ(itens->Cells(TfrmItens::kX, 1), "50");
  EXPECT_EQ(itens->Cells(TfrmItens::kY, 1), "50");
  Fecha();
  const files::RegHiper guardado = PaginaGravada();
  EXPECT_EQ(files::GeometriaDe(guardado, QSize(1024, 768)).figura, QSize(300, 150));
  EXPECT_EQ(files::GeometriaDe(guardado, QSize(c.tela.largura, c.tela.altura)).figura, c.figura);
}

// The picture dialog stretches a picture up to its pane less 10, and never
// beyond the design area that the record carries (wider than the pane only
// with a narrow text pane on a wide screen).
TEST_P(EditorHiperNaTela, FiguraAjustadaAteAAreaDoDesenho) {
  const CasoTelaEditor c = GetParam();
  const QSize area = files::AreaDoDesenho(QSize(c.tela.largura, c.tela.altura));
  Abre();
  editor->quadro->DefineLarguraTexto(editor->quadro->Minimo());
  figura->cboArquivo->setCurrentIndex(pravo::UltimoIgual(figura->cboArquivo, "figura.bmp"));
  figura->cboArquivoChange();
  editor->imgFigura->CopiaDe(*figura->imgFigura);
  figura->FormActivate();
  figura->rdbAjustar->setChecked(true);
  const QSize painel = figura->pnlFigura->size();
  EXPECT_EQ(figura->scbLargura->maximum(), std::min(painel.width() - 10, area.width()));
  EXPECT_EQ(figura->scbAltura->maximum(), std::min(painel.height() - 10, area.height()));
  figura->scbLargura->setValue(figura->scbLargura->maximum());
  figura->scbAltura->setValue(figura->scbAltura->maximum());
  const QSize maior = figura->imgFigura->size();
  editor->imgFigura->CopiaDe(*figura->imgFigura);
  Fecha();
  // What was shown reads back whole.
  EXPECT_EQ(files::GeometriaDe(PaginaGravada(), QSize(c.tela.largura, c.tela.altura)).figura, maior);
}

INSTANTIATE_TEST_SUITE_P(Telas, EditorHiperNaTela,
                         ::testing::Values(CasoTelaEditor{{1024, 768, 96}, {300, 150}},
                                           CasoTelaEditor{{1366, 768, 96}, {300, 150}},
                                           CasoTelaEditor{{1920, 1080, 96}, {422, 211}},
                                           CasoTelaEditor{{1280, 1024, 96}, {375, 188}}));

}  // namespace
