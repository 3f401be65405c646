// The hypertext page editor and its dialogs: opening and closing a page
// (new, without its page file, a 0-byte page, names kept), the item grid and
// its hot spots, the picture dialog, and the road from the files the editor
// stores to the player's viewer (items, marker, links).
#include "windows/editors/editor_hiper.h"

namespace {

using apoio_hiper_editor::ContaMensagens;
using apoio_hiper_editor::EditorHiper;
using pravo::TfrmItens;

TEST_F(EditorHiper, JanelasCriadasPeloSplash) {
  for (const char* classe : {"TfrmHiper", "TfrmItens", "TfrmFigura", "TfrmTitulo", "TfrmLista1", "TfrmLista2",
                             "TfrmLista3"})
    EXPECT_NE(pravo::Janela(classe), nullptr) << classe;
  EXPECT_EQ(editor->size(), QSize(1024, 768));
  EXPECT_EQ(figura->size(), QSize(1024, 768));
  EXPECT_EQ(editor->windowTitle(), "Hipertexto");
  // "Quadros": half the screen each way.
  EXPECT_EQ(editor->quadro->pnlLeft->width(), 512);
  EXPECT_EQ(editor->quadro->pnlRightTop->height(), 384);
  EXPECT_EQ(pravo::JanelaLista(2)->windowTitle(), "Som");
  EXPECT_EQ(pravo::JanelaLista(3)->mascara(), "*.avi;*.mpg;*.mpeg;*.mov");
}

TEST_F(EditorHiper, PaginaNovaGravaNomesVaziosEItensVazios) {
  Abre();
  EXPECT_TRUE(editor->lblTitulo->text().isEmpty());
  EXPECT_EQ(itens->RowCount(), 2);
  EXPECT_EQ(itens->Cells(0, 1), " 01");
  Fecha();
  EXPECT_EQ(QFileInfo(pravo::ArqHiper).size(), files::RegHiper::Tamanho);
  const files::RegHiper r = PaginaGravada();
  EXPECT_TRUE(r.Texto.isEmpty() && r.Som.isEmpty() && r.Video.isEmpty() && r.Figura.isEmpty());
  EXPECT_DOUBLE_EQ(r.LarguraTexto, 0.5);
  EXPECT_TRUE(r.Verifica());
  EXPECT_EQ(QFileInfo(files::ArquivoItens(pravo::ArqHiper)).size(), 0);
}

TEST_F(EditorHiper, ItensLidosQualquerQueSejaOArquivoDaPagina) {
  // No page file, then a 0-byte one: the items are read, and closing keeps
  // them.
  for (bool vazio : {false, true}) {
    SCOPED_TRACE(vazio);
    QFile::remove(pravo::ArqHiper);
    if (vazio) pasta.Escreve("bio/pagina.hpr", "");
    QList<QByteArray> registros;
    for (files::RegItem i : {apoio::ItemHiper("Um", "outra.hpr", 10, 20), apoio::ItemHiper("Dois", "", -1, -1)}) {
      i.Prepara();
      registros << i.ParaBytes();
    }
    files::RecordFile::Reescreve(files::ArquivoItens(pravo::ArqHiper), files::RegItem::Tamanho, registros);
    Abre();
    EXPECT_EQ(itens->RowCount(), 4);
    EXPECT_EQ(itens->Cells(TfrmItens::kItem, 1), "Um");
    EXPECT_EQ(itens->Cells(TfrmItens::kX, 1), "10");
    EXPECT_EQ(itens->Cells(TfrmItens::kX, 2), "");
    EXPECT_EQ(editor->lstItens->count(), 2);
    Fecha();
    const QList<files::RegItem> lidos = ItensGravados();
    ASSERT_EQ(lidos.size(), 2);
    EXPECT_EQ(lidos[0].Arquivo, "outra.hpr");
    EXPECT_EQ(lidos[0].Y, 20);
    EXPECT_EQ(lidos[1].X, -1);
  }
}

TEST_F(EditorHiper, NomesSemMudancaSaoMantidos) {
  files::RegHiper r = apoio::PaginaHiper("Título", "Sumiu.rtf", "FIGURA.BMP");
  r.Som = "SOM.WAV";
  r.Video = "filme.avi";
  apoio::GravaHiper(pravo::ArqHiper, r, {});
  Abre();
  EXPECT_EQ(editor->lblTitulo->text(), "Título");
  EXPECT_EQ(pravo::JanelaTitulo()->edtTitulo->text(), "Título");
  EXPECT_FALSE(editor->imgFigura->figura().vazia());
  EXPECT_EQ(editor->imgFigura->size(), QSize(256, 192));
  EXPECT_TRUE(figura->rdbAjustar->isChecked());
  Fecha();
  const files::RegHiper gravada = PaginaGravada();
  // Names missing from the folder stay as they were; the others take the
  // listing's spelling.
  EXPECT_EQ(gravada.Texto, "Sumiu.rtf");
  EXPECT_EQ(gravada.Video, "filme.avi");
  EXPECT_EQ(gravada.Som, "som.wav");
  EXPECT_EQ(gravada.Figura, "figura.bmp");
  EXPECT_TRUE(gravada.Verifica());
  // The pane sizes read back as the same pixels.
  EXPECT_EQ(files::GeometriaDe(gravada, {1024, 768}), files::GeometriaDe(r, {1024, 768}));

  // The author's own choice of " nenhum " drops a name.
  Abre();
  auto* video = pravo::JanelaLista(3)->cboArquivo;
  video->setCurrentIndex(0);
  emit video->activated(0);
  Fecha();
  EXPECT_TRUE(PaginaGravada().Video.isEmpty());
  EXPECT_EQ(PaginaGravada().Texto, "Sumiu.rtf");
}

TEST_F(EditorHiper, GradeDeItens) {
  Abre();
  Linha(1, "A", "outra.hpr", "10", "20");
  Linha(2, "", "outra.hpr", "1", "1");
  Linha(3, "C", " nenhum ", "", "40");
  Linha(4, "D", "", "abc", "5");
  // Inserting with row 1 current: an empty row 1, the rest moved down.
  itens->StringGrid1->setCurrentCell(0, 0);
  itens->btnInserirClick();
  EXPECT_EQ(itens->RowCount(), 6);
  EXPECT_EQ(itens->Cells(TfrmItens::kItem, 1), "");
  EXPECT_EQ(itens->Cells(TfrmItens::kItem, 2), "A");
  EXPECT_EQ(itens->Cells(0, 5), " 05");
  itens->btnExcluirClick();
  EXPECT_EQ(itens->RowCount(), 5);
  EXPECT_EQ(itens->Cells(TfrmItens::kItem, 1), "A");
  // A character typed in the last row adds a row.
  itens->StringGrid1->setCurrentCell(3, 0);
  itens->StringGrid1KeyPress();
  EXPECT_EQ(itens->RowCount(), 6);
  EXPECT_EQ(itens->Cells(0, 5), " 05");
  Fecha();
  const QList<files::RegItem> lidos = ItensGravados();
  ASSERT_EQ(lidos.size(), 3);
  EXPECT_EQ(lidos[0].Item, "A");
  EXPECT_EQ(lidos[0].X, 10);
  // An empty or unreadable cell: no hot spot.
  EXPECT_EQ(lidos[1].Item, "C");
  EXPECT_EQ(lidos[1].Arquivo, " nenhum ");
  EXPECT_EQ(lidos[1].X, -1);
  EXPECT_EQ(lidos[1].Y, -1);
  EXPECT_EQ(lidos[2].X, -1);

  // "Excluir" with a single data row empties it and keeps it.
  QFile::remove(files::ArquivoItens(pravo::ArqHiper));
  Abre();
  Linha(1, "Só", "", "1", "2");
  itens->btnExcluirClick();
  EXPECT_EQ(itens->RowCount(), 2);
  EXPECT_EQ(itens->Cells(TfrmItens::kItem, 1), "");
}

TEST_F(EditorHiper, PorCentoComVirgulaOuPonto) {
  // The grid writes the program's decimal comma and reads it back; a point
  // is read too, and never as a thousands separator.
  QList<QByteArray> registros;
  for (files::RegItem i : {apoio::ItemHiper("Meio", "", 12.5, 99.75)}) {
    i.Prepara();
    registros << i.ParaBytes();
  }
  files::RecordFile::Reescreve(files::ArquivoItens(pravo::ArqHiper), files::RegItem::Tamanho, registros);
  Abre();
  EXPECT_EQ(itens->Cells(TfrmItens::kX, 1), "12,5");
  EXPECT_EQ(itens->Cells(TfrmItens::kY, 1), "99,75");
  const struct {
    const char* x;
    double guardado;
  } casos[] = {{"12,5", 12.5}, {"12.5", 12.5}, {"1.250", 1.25}, {" 7 ", 7}, {"1.234,5", -1}, {"doze", -1}};
  int r = 2;
  for (const auto& c : casos) Linha(r++, QString::fromLatin1(c.x), "", QString::fromLatin1(c.x), "3");
  Fecha();
  const QList<files::RegItem> lidos = ItensGravados();
  ASSERT_EQ(lidos.size(), 1 + int(std::size(casos)));
  EXPECT_DOUBLE_EQ(lidos[0].X, 12.5);
  EXPECT_DOUBLE_EQ(lidos[0].Y, 99.75);
  for (size_t k = 0; k < std::size(casos); ++k) EXPECT_DOUBLE_EQ(lidos[k + 1].X, casos[k].guardado) << casos[k].x;
}

TEST_F(EditorHiper, CliqueNaFiguraGuardaOPorCentoDoClique) {
  figura->PreencheArquivos();
  itens->imgFigura->DefineFigura(editor->imgFigura->figura());
  itens->imgFigura->DefineAutoSize(false);
  itens->imgFigura->resize(200, 100);
  const struct {
    int x, guardado;
  } casos[] = {{0, 0}, {199, 99}, {99, 50}, {100, 50}};
  for (const auto& c : casos) {
    itens->imgFiguraMouseMove(QPointF(c.x, 50));
    itens->imgFiguraClick();
    EXPECT_EQ(itens->Cells(TfrmItens::kX, 1), QString::number(c.guardado)) << c.x;
    EXPECT_EQ(itens->Cells(TfrmItens::kY, 1), "50");
    EXPECT_EQ(itens->lblCoordX->text(), "X=" + QString::number(c.guardado));
  }
}

TEST_F(EditorHiper, SairDosItensConfereAsPaginas) {
  Abre();
  itens->ListaPaginas();
  Linha(1, "A", "OUTRA.HPR", "", "");
  Linha(2, "B", "apagada.hpr", "", "");
  apoio::Mensagem m;
  apoio::RespondeMensagem(QMessageBox::Ok, &m);
  itens->btnSairClick();
  EXPECT_EQ(m.texto, "Página apagada.hpr não existe !");
  EXPECT_EQ(itens->Cells(TfrmItens::kArquivo, 1), "outra.hpr");
  EXPECT_NE(itens->result(), QDialog::Accepted);
  itens->DefineCell(TfrmItens::kArquivo, 2, " NENHUM ");
  itens->btnSairClick();
  EXPECT_EQ(itens->Cells(TfrmItens::kArquivo, 2), " nenhum ");
  EXPECT_EQ(itens->result(), QDialog::Accepted);
  // The page list over an "Arquivo" cell.
  itens->StringGrid1SelectCell(TfrmItens::kArquivo, 1);
  EXPECT_TRUE(itens->ComboBox1->isVisibleTo(itens));
  EXPECT_EQ(itens->ComboBox1->currentText(), "outra.hpr");
  EXPECT_EQ(itens->ComboBox1->itemText(0), " nenhum ");
}

TEST_F(EditorHiper, DialogoDaFigura) {
  Abre();
  figura->cboArquivo->setCurrentIndex(pravo::UltimoIgual(figura->cboArquivo, "figura.bmp"));
  figura->cboArquivoChange();
  EXPECT_TRUE(figura->rdbOriginal->isChecked());
  EXPECT_TRUE(figura->rdbAjustar->isVisibleTo(figura));
  EXPECT_EQ(figura->imgFigura->size(), QSize(200, 100));
  EXPECT_FALSE(figura->scbLargura->isVisibleTo(figura));
  figura->rdbAjustar->setChecked(true);
  EXPECT_TRUE(figura->scbLargura->isVisibleTo(figura));
  figura->scbLargura->setValue(300);
  figura->scbAltura->setValue(150);
  EXPECT_EQ(figura->imgFigura->size(), QSize(300, 150));
  const QPoint esperado = files::CentroNoPainel(figura->pnlFigura->size(), QSize(300, 150));
  EXPECT_EQ(figura->imgFigura->pos(), esperado);
  // What "Figura" copies back into the editor when the dialog closes.
  apoio::QuandoAbrir<pravo::TfrmFigura>([](pravo::TfrmFigura* f) {
    f->rdbAjustar->setChecked(true);
    f->scbLargura->setValue(300);
    f->scbAltura->setValue(150);
    f->btnSair->click();
  });
  editor->BitBtn2Click();
  EXPECT_EQ(editor->imgFigura->size(), QSize(300, 150));
  Fecha();
  const files::RegHiper r = PaginaGravada();
  EXPECT_EQ(r.Figura, "figura.bmp");
  EXPECT_FALSE(r.TamanhoOriginal);
  EXPECT_DOUBLE_EQ(r.LarguraFigura, 300.0 / 1024);
}

TEST_F(EditorHiper, TituloPeloDialogoEFechaPorSair) {
  int resultado = -1;
  apoio::QuandoAbrir<pravo::TfrmHiper>([](pravo::TfrmHiper* e) {
    apoio::QuandoAbrir<pravo::TfrmTitulo>([](pravo::TfrmTitulo* t) {
      t->edtTitulo->setText("Um título da página");
      t->btnSair->click();
    });
    e->BitBtn4Click();
    e->btnSair->click();
  });
  resultado = editor->exec();
  EXPECT_NE(resultado, -1);
  EXPECT_EQ(PaginaGravada().Titulo, "Um título da página");
}

// From what the editor stores to what the student sees: the items, the
// marker on the clicked pixel and the links.
TEST_F(EditorHiper, DoEditorAoVisualizador) {
  Abre();
  pravo::JanelaLista(1)->cboArquivo->setCurrentIndex(pravo::UltimoIgual(pravo::JanelaLista(1)->cboArquivo, "texto.rtf"));
  figura->cboArquivo->setCurrentIndex(pravo::UltimoIgual(figura->cboArquivo, "figura.bmp"));
  figura->cboArquivoChange();
  editor->imgFigura->DefineFigura(figura->imgFigura->figura());  // as "Figura" copies it
  editor->quadro->DefineLarguraTexto(333);
  editor->quadro->DefineAlturaPainelFigura(301);
  editor->lblTitulo->setText("Estrada");
  // Hot spots picked on the picture at its page size.
  itens->FormActivate();
  ASSERT_EQ(itens->imgFigura->size(), QSize(200, 100));
  const QPoint cliques[] = {{37, 81}, {150, 20}};
  for (int k = 0; k < 2; ++k) {
    Linha(k + 1, QString("Item %1").arg(k + 1), k == 0 ? "outra.hpr" : " nenhum ", "", "");
    itens->StringGrid1->setCurrentCell(k, 0);
    itens->imgFiguraMouseMove(QPointF(cliques[k]));
    itens->imgFiguraClick();
  }
  Fecha();
  apoio::GravaHiper(pravo::DirHiper + "outra.hpr", apoio::PaginaHiper("Outra", "", ""), {});

  NoVisualizador([&](zelmo::TfrmHiper& visor) {
    EXPECT_EQ(visor.lblTitulo->text(), "Estrada");
    EXPECT_EQ(visor.quadro->pnlLeft->width(), 333);
    EXPECT_EQ(visor.quadro->pnlRightTop->height(), 301);
    EXPECT_EQ(visor.imgFigura->size(), QSize(200, 100));
    EXPECT_TRUE(visor.reTexto->document()->toPlainText().startsWith("Texto da página"));
    ASSERT_EQ(visor.lstItens->count(), 2);
    for (int k = 0; k < 2; ++k) {
      visor.lstItens->setCurrentRow(k);
      const QRect alvo = visor.imgAlvo->geometry();
      const QPoint centro = alvo.topLeft() + QPoint(alvo.width() / 2, alvo.height() / 2) - visor.imgFigura->pos();
      EXPECT_LE((centro - cliques[k]).manhattanLength(), 2) << k;
    }
    // A click at the second spot picks it; a double-click at the first
    // follows its link.
    visor.imgFiguraMouseMove(QPointF(cliques[1]));
    visor.imgFiguraClick();
    EXPECT_EQ(visor.lstItens->currentRow(), 1);
    visor.imgFiguraMouseMove(QPointF(cliques[0]));
    visor.imgFiguraDblClick();
    EXPECT_EQ(visor.lblTitulo->text(), "Outra");
    visor.btnVoltarClick();
    EXPECT_EQ(visor.lblTitulo->text(), "Estrada");
  });
}

// A picture that cannot be read is reported once, as any failure, and its
// name is not stored: neither the page's stored picture nor one chosen in
// "Características da Figura".
TEST_F(EditorHiper, FiguraQueNaoSeLeDaUmaMensagemENaoFicaGuardada) {
  pasta.Escreve("bio/quebrada.jpg", "isto não é um JPEG");
  apoio::GravaHiper(pravo::ArqHiper, apoio::PaginaHiper("Quebrada", "", "quebrada.jpg"), {});
  {
    ContaMensagens mensagens;
    Abre();
    EXPECT_EQ(mensagens.quantas, 1);
    EXPECT_TRUE(mensagens.textos.value(0).startsWith("JPEG error #")) << mensagens.textos.value(0).toStdString();
  }
  EXPECT_LT(figura->cboArquivo->currentIndex(), 1);
  Fecha();
  EXPECT_TRUE(PaginaGravada().Figura.isEmpty());

  // Chosen in the dialog after a good one: the good one stays chosen and
  // shown.
  Abre();
  figura->cboArquivo->setCurrentIndex(pravo::UltimoIgual(figura->cboArquivo, "figura.bmp"));
  figura->cboArquivoChange();
  {
    ContaMensagens mensagens;
    figura->cboArquivo->setCurrentIndex(pravo::UltimoIgual(figura->cboArquivo, "quebrada.jpg"));
    figura->cboArquivoChange();
    EXPECT_EQ(mensagens.quantas, 1);
  }
  EXPECT_EQ(figura->cboArquivo->currentText(), "figura.bmp");
  EXPECT_EQ(figura->imgFigura->size(), QSize(200, 100));
  Fecha();
  EXPECT_EQ(PaginaGravada().Figura, "figura.bmp");
}

// A close whose write fails keeps the window open with its layout, so that
// the teacher can free the disk and leave with "Sair" again.
TEST_F(EditorHiper, SairQueNaoGravaDeixaAJanelaAbertaComOQueseFez) {
  QDir(pasta.caminho()).mkpath("bio/pagina.itm");  // the item file cannot be written
  bool aberta = false;
  int largura = 0;
  int mensagens = -1;
  apoio::QuandoAbrir<pravo::TfrmHiper>([&](pravo::TfrmHiper* e) {
    e->quadro->DefineLarguraTexto(333);
    e->lblTitulo->setText("Feito");
    {
      ContaMensagens conta;
      e->btnSair->click();
      mensagens = conta.quantas;
    }
    aberta = e->isVisible();
    largura = e->quadro->pnlLeft->width();
    QDir(pasta.caminho()).rmdir("bio/pagina.itm");
    e->btnSair->click();
  });
  editor->exec();
  EXPECT_EQ(mensagens, 1);
  EXPECT_TRUE(aberta);
  EXPECT_EQ(largura, 333);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(PaginaGravada().Titulo, "Feito");
  EXPECT_DOUBLE_EQ(PaginaGravada().LarguraTexto, 333.0 / 1024);
  EXPECT_TRUE(QFileInfo(files::ArquivoItens(pravo::ArqHiper)).isFile());
}

// A title is the author's text: "<b>" in it is shown as typed, in the
// editor and in the player's page.
TEST_F(EditorHiper, TituloComoTextoSimplesNoEditorENoVisualizador) {
  const QString titulo = "<b>Negrito</b> & <i>x</i>";
  apoio::GravaHiper(pravo::ArqHiper, apoio::PaginaHiper(titulo, "", ""), {});
  // As typed, the label is at least as wide as the text with its marks.
  const auto mostraComoDigitado = [&](QLabel* l) {
    EXPECT_EQ(l->text(), titulo);
    EXPECT_GE(l->sizeHint().width(), QFontMetrics(l->font()).horizontalAdvance(titulo));
  };
  Abre();
  mostraComoDigitado(editor->lblTitulo);

  NoVisualizador([&](zelmo::TfrmHiper& visor) {
    mostraComoDigitado(visor.lblTitulo);
  });
}

}  // namespace
