// The hypertext page: a page laid out from its record, the failures of its
// file, picking items on the picture, links and "Voltar", the guard while a
// page loads, and printing (picture above text, bounded).
#include "player/pages/hiper.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "files/geometria_hiper.h"
#include "platform/imagem.h"
#include "platform/quadro_hiper.h"
#include "platform/rtf/texto_rico.h"
#include "player/despachante.h"
#include "player/global.h"
#include "support/memoria.h"
#include "support/modal.h"
#include "support/pdf.h"
#include "windows/pages/apoio_hiper.h"
#include "windows/pages/apoio_paginas.h"

namespace {

using apoio::ItemHiper;
using zelmo::TfrmHiper;

class PaginaHiper : public apoio::TestePagina {
 protected:
  void SetUp() override {
    TestePagina::SetUp();
    pasta.Escreve("bio/a.rtf", "{\\rtf1\\ansi Texto da p\\'e1gina A\\par}");
    pasta.Escreve("bio/c.rtf", "{\\rtf1\\ansi Texto da p\\'e1gina C\\par}");
    apoio::GravaFigura(pasta.caminho() + "bio/a.bmp", QSize(200, 100), Qt::red);
    apoio::GravaFigura(pasta.caminho() + "bio/c.bmp", QSize(40, 30), Qt::blue);
    files::RegHiper a = apoio::PaginaHiper("Página A", "a.rtf", "a.bmp");
    a.Som = "falta.wav";
    apoio::GravaHiper(Caminho("a.hpr"), a,
                      {ItemHiper("Para B", "b.hpr", 20, 30), ItemHiper("Sem ligação", " nenhum ", 80, 30),
                       ItemHiper("Sem ponto", "", -1, -1), ItemHiper("Borda", "falta.hpr", -1, 50)});
    // B names no text and no picture.
    apoio::GravaHiper(Caminho("b.hpr"), apoio::PaginaHiper("Página B", "", ""),
                      {ItemHiper("Para C", "c.hpr", 50, 50)});
    files::RegHiper c = apoio::PaginaHiper("Página C", "c.rtf", "c.bmp");
    c.TamanhoOriginal = true;
    c.Video = "v.avi";
    apoio::GravaHiper(Caminho("c.hpr"), c, {}, false);
    janela = std::make_unique<TfrmHiper>();
  }
  void TearDown() override {
    janela.reset();
    TestePagina::TearDown();
  }

  QString Caminho(const QString& nome) const { return pasta.caminho() + "bio/" + nome; }

  int Mostra(const QString& arquivo, std::function<void(TfrmHiper*)> acao) {
    Pagina(files::kHipertexto, arquivo);
    TfrmHiper* j = janela.get();
    apoio::Quando([j] { return j->isVisible() && (j->ativada() || zelmo::ProgramaEncerrando()); },
                  [j, acao] {
                    acao(j);
                    if (j->isVisible() && j->btnProxima->isEnabled()) j->btnProxima->click();
                  });
    return janela->exec();
  }

  static QString Texto(TfrmHiper* j) { return j->reTexto->document()->toPlainText().trimmed(); }
  static QStringList Linhas(TfrmHiper* j) {
    QStringList r;
    for (int i = 0; i < j->lstItens->count(); ++i) r << j->lstItens->item(i)->text();
    return r;
  }
  // The pointer over the picture at per cents (x, y), then a click.
  static void Clica(TfrmHiper* j, double x, double y) {
    j->imgFiguraMouseMove(QPointF(j->imgFigura->width() * x / 100, j->imgFigura->height() * y / 100));
    j->imgFiguraClick();
  }
  static QPoint CentroDoAlvo(TfrmHiper* j) { return j->imgAlvo->geometry().topLeft() + QPoint(j->imgAlvo->width() / 2, j->imgAlvo->height() / 2); }

  std::unique_ptr<TfrmHiper> janela;
};

TEST_F(PaginaHiper, PaginaDispostaPeloRegistro) {
  for (const char* nome : {"pnlTop", "lblTitulo", "pnlLeft", "reTexto", "Splitter1", "pnlRight", "pnlRightTop",
                           "imgFigura", "imgAlvo", "Splitter2", "pnlRightBottom", "lstItens", "pnlBottom",
                           "btnVoltar", "btnVideo", "btnSom", "btnImprimir", "btnSair", "btnProxima", "Timer1"})
    EXPECT_NE(janela->findChild<QObject*>(nome), nullptr) << nome;
  EXPECT_EQ(janela->windowTitle(), "Hipertexto");
  EXPECT_EQ(janela->size(), QSize(1024, 768));
  // The window's Times New Roman is that of its item list and buttons too.
  for (QWidget* w : std::initializer_list<QWidget*>{janela->lstItens, janela->btnVoltar, janela->btnVideo, janela->btnSom,
                                                    janela->btnImprimir, janela->btnSair, janela->btnProxima})
    EXPECT_EQ(w->font().family(), janela->lblTitulo->font().family()) << w->objectName().toStdString();

  const int r = Mostra("a.hpr", [](TfrmHiper* j) {
    EXPECT_EQ(j->lblTitulo->text(), "Página A");
    EXPECT_EQ(Texto(j), "Texto da página A");
    EXPECT_EQ(Linhas(j), (QStringList{"Para B", "Sem ligação", "Sem ponto", "Borda"}));
    // 1024 x 0.3 = 307.2; 768 x 0.5; the picture stretched to 256 x 192.
    EXPECT_EQ(j->quadro->pnlLeft->width(), 307);
    EXPECT_EQ(j->quadro->pnlRightTop->height(), 384);
    EXPECT_EQ(j->imgFigura->size(), QSize(256, 192));
    EXPECT_TRUE(j->imgFigura->Stretch());
    const QSize painel = j->quadro->pnlRightTop->size();
    EXPECT_EQ(j->imgFigura->pos(), QPoint((painel.width() - 256) / 2, (painel.height() - 192) / 2));
    EXPECT_TRUE(j->imgFigura->isVisible());
    EXPECT_FALSE(j->imgAlvo->isVisible());
    EXPECT_FALSE(j->btnVoltar->isEnabled());
    EXPECT_TRUE(j->btnSom->isEnabled());   // named, though missing
    EXPECT_FALSE(j->btnVideo->isEnabled());
    EXPECT_TRUE(j->btnImprimir->isEnabled());
    EXPECT_TRUE(j->btnProxima->isEnabled());
    EXPECT_EQ(j->quadro->Minimo(), 768 / 5);
  });
  EXPECT_EQ(r, 1);
  // Closing clears the panes.
  EXPECT_TRUE(janela->lblTitulo->text().isEmpty());
  EXPECT_TRUE(janela->reTexto->document()->isEmpty());
  EXPECT_TRUE(janela->imgFigura->figura().vazia());
  EXPECT_EQ(janela->lstItens->count(), 0);
}

TEST_F(PaginaHiper, DivisoresPresosAoTamanhoMinimo) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    platform::QuadroHiper* q = j->quadro;
    const int minimo = q->Minimo();
    // Dragged far to the left and up: the panes stop at the minimum size.
    QTest::mousePress(q->Splitter1, Qt::LeftButton, {}, QPoint(0, 10));
    QTest::mouseMove(q->Splitter1, QPoint(-900, 10));
    QTest::mouseRelease(q->Splitter1, Qt::LeftButton, {}, QPoint(-900, 10));
    EXPECT_EQ(q->pnlLeft->width(), minimo);
    EXPECT_EQ(q->Splitter1->x(), minimo);
    QTest::mousePress(q->Splitter2, Qt::LeftButton, {}, QPoint(10, 0));
    QTest::mouseMove(q->Splitter2, QPoint(10, -900));
    QTest::mouseRelease(q->Splitter2, Qt::LeftButton, {}, QPoint(10, -900));
    EXPECT_EQ(q->pnlRightTop->height(), minimo);
    // The picture is centred in the pane it is left with.
    EXPECT_EQ(j->imgFigura->pos(), files::CentroNoPainel(q->pnlRightTop->size(), j->imgFigura->size()));
  });
}

TEST_F(PaginaHiper, TamanhoOriginalESemItens) {
  Mostra("c.hpr", [](TfrmHiper* j) {
    EXPECT_EQ(j->imgFigura->size(), QSize(40, 30));
    EXPECT_TRUE(j->imgFigura->AutoSize());
    EXPECT_TRUE(j->btnVideo->isEnabled());
    // No item file: an empty list, and clicks on the picture do nothing.
    EXPECT_EQ(j->lstItens->count(), 0);
    Clica(j, 10, 10);
    EXPECT_EQ(j->lstItens->currentRow(), -1);
  });
}

TEST_F(PaginaHiper, FalhasDoArquivoDaPaginaEncerramOPrograma) {
  pasta.Escreve("bio/vazio.hpr", "");
  files::RegHiper corrompido = apoio::PaginaHiper("X", "a.rtf", "");
  corrompido.Prepara();
  corrompido.Codigo = "???";
  files::RecordFile::Reescreve(Caminho("ruim.hpr"), files::RegHiper::Tamanho, {corrompido.ParaBytes()});
  const struct {
    const char* arquivo;
    const char* mensagem;
  } casos[] = {{"falta.hpr", "Hipertexto não encontrado !"},
               {"../a.hpr", "Hipertexto não encontrado !"},
               {"vazio.hpr", "Arquivo de Hipertexto vazio !"},
               {"ruim.hpr", "Arquivo HPR Corrompido!"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.arquivo);
    zelmo::ReiniciaEncerramento();
    apoio::Mensagem m;
    apoio::RespondeMensagem(QMessageBox::Ok, &m);
    Pagina(files::kHipertexto, c.arquivo);
    EXPECT_EQ(janela->exec(), 2);
    EXPECT_EQ(m.texto, c.mensagem);
    EXPECT_EQ(m.titulo, "Zelmo II");
    EXPECT_TRUE(zelmo::ProgramaEncerrando());
  }
}

TEST_F(PaginaHiper, CliqueNaFiguraEscolheOItemMaisProximo) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    const QRect fig = j->imgFigura->geometry();
    // Nearest to (25, 28): "Para B" at (20, 30); the marker is centred on it.
    Clica(j, 25, 28);
    EXPECT_EQ(j->lstItens->currentRow(), 0);
    EXPECT_TRUE(j->imgAlvo->isVisible());
    EXPECT_TRUE(j->Timer1->isActive());
    EXPECT_EQ(CentroDoAlvo(j), files::PontoQuente(fig, 20, 30));
    // Near (-1, -1): the item without a hot spot; the marker hides.
    Clica(j, 0, 0);
    EXPECT_EQ(j->lstItens->currentRow(), 2);
    EXPECT_FALSE(j->imgAlvo->isVisible());
    EXPECT_FALSE(j->Timer1->isActive());
    // X = -1, Y = 50: one per cent left of the picture, half way down.
    j->lstItens->setCurrentRow(3);
    EXPECT_TRUE(j->imgAlvo->isVisible());
    EXPECT_EQ(CentroDoAlvo(j), QPoint(fig.left() + files::Arredonda(-0.01 * fig.width()), fig.top() + fig.height() / 2));
    // The pointer over the marker counts at the picture position under it.
    j->imgAlvoMouseMove(QPointF(j->imgAlvo->width() / 2.0, j->imgAlvo->height() / 2.0));
    EXPECT_NEAR(j->ponteiro().x(), -1, 0.5);
    EXPECT_NEAR(j->ponteiro().y(), 50, 0.5);
    // Through the pointer itself: a click on the picture near (80, 30).
    QTest::mouseMove(j->imgFigura, QPoint(fig.width() * 78 / 100, fig.height() * 33 / 100));
    QTest::mouseClick(j->imgFigura, Qt::LeftButton, {}, QPoint(fig.width() * 78 / 100, fig.height() * 33 / 100));
    EXPECT_EQ(j->lstItens->currentRow(), 1);
  });
}

// On every screen the picture keeps the shape it has on a 4:3 screen (page
// a: 256 x 192 at 1024 x 768), the panes stay fractions of the screen, and
// the hot spots stay on the same points of the picture.
struct CasoTelaHiper {
  QSize tela;
  QSize figura;
};

void PrintTo(const CasoTelaHiper& c, std::ostream* os) { *os << c.tela.width() << "x" << c.tela.height(); }

class PaginaHiperNaTela : public PaginaHiper, public ::testing::WithParamInterface<CasoTelaHiper> {
 protected:
  void SetUp() override {
    PaginaHiper::SetUp();
    janela.reset();
    platform::DefineTela({GetParam().tela.width(), GetParam().tela.height(), 96});
    janela = std::make_unique<TfrmHiper>();
  }
};

TEST_P(PaginaHiperNaTela, FiguraComSuaFormaEPontosQuentesNoLugar) {
  const CasoTelaHiper c = GetParam();
  EXPECT_EQ(janela->size(), c.tela);
  Mostra("a.hpr", [c](TfrmHiper* j) {
    EXPECT_EQ(j->quadro->pnlLeft->width(), files::Arredonda(c.tela.width() * 0.3));
    EXPECT_EQ(j->quadro->pnlRightTop->height(), files::Arredonda(c.tela.height() * 0.5));
    const QRect fig = j->imgFigura->geometry();
    EXPECT_EQ(fig.size(), c.figura);
    EXPECT_LE(std::abs(fig.width() * 192 - fig.height() * 256), 256);  // 4 : 3, to a pixel
    EXPECT_EQ(fig.topLeft(), files::CentroNoPainel(j->quadro->pnlRightTop->size(), fig.size()));
    EXPECT_GE(fig.left(), 0);
    // The marker on (20, 30) and (80, 30) of the picture.
    for (int linha : {0, 1}) {
      j->lstItens->setCurrentRow(linha);
      const double x = linha == 0 ? 20 : 80;
      EXPECT_EQ(CentroDoAlvo(j) - fig.topLeft(),
                QPoint(files::Arredonda(fig.width() * x / 100), files::Arredonda(fig.height() * 0.3)));
    }
    // A click on the picture at (20, 30) picks "Para B" again.
    const QPoint ponto(fig.width() / 5, fig.height() * 3 / 10);
    QTest::mouseMove(j->imgFigura, ponto);
    QTest::mouseClick(j->imgFigura, Qt::LeftButton, {}, ponto);
    EXPECT_EQ(j->lstItens->currentRow(), 0);
  });
}

INSTANTIATE_TEST_SUITE_P(Telas, PaginaHiperNaTela,
                         ::testing::Values(CasoTelaHiper{{1024, 768}, {256, 192}},
                                           CasoTelaHiper{{1366, 768}, {256, 192}},
                                           CasoTelaHiper{{1920, 1080}, {360, 270}},
                                           CasoTelaHiper{{1280, 1024}, {320, 240}},
                                           CasoTelaHiper{{800, 600}, {200, 150}}));

TEST_F(PaginaHiper, MarcadorPiscaEntreAsDuasFiguras) {
  apoio::GravaFigura(pasta.caminho() + "Alvo0.wmf", QSize(8, 8), Qt::green);  // not metafiles: left as they were
  Mostra("a.hpr", [](TfrmHiper* j) {
    j->lstItens->setCurrentRow(0);
    const bool antes = j->piscando();
    j->Timer1Timer();
    EXPECT_NE(j->piscando(), antes);
    j->Timer1Timer();
    EXPECT_EQ(j->piscando(), antes);
    EXPECT_EQ(j->Timer1->interval(), 200);
  });
}

TEST_F(PaginaHiper, LigacoesEVoltar) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    // No link, " nenhum " or a missing page: nothing happens.
    for (int linha : {1, 2, 3}) {
      j->lstItens->setCurrentRow(linha);
      j->lstItensDblClick();
      EXPECT_EQ(j->lblTitulo->text(), "Página A");
      EXPECT_FALSE(j->btnVoltar->isEnabled());
    }
    j->lstItens->setCurrentRow(0);
    j->lstItensDblClick();
    // B names no text and no picture: neither of A's stays under B's title.
    EXPECT_EQ(j->lblTitulo->text(), "Página B");
    EXPECT_TRUE(j->reTexto->document()->isEmpty());
    EXPECT_TRUE(j->imgFigura->figura().vazia());
    EXPECT_EQ(j->imgFigura->size(), QSize(256, 192));  // the stored size stays
    EXPECT_EQ(Linhas(j), QStringList{"Para C"});
    EXPECT_TRUE(j->btnVoltar->isEnabled());
    EXPECT_FALSE(j->imgAlvo->isVisible());
    // A double-click on the picture picks the nearest item and follows it.
    j->imgFiguraMouseMove(QPointF(1, 1));
    j->imgFiguraDblClick();
    EXPECT_EQ(j->lblTitulo->text(), "Página C");
    EXPECT_EQ(j->pilha().size(), 2);
    j->btnVoltarClick();
    EXPECT_EQ(j->lblTitulo->text(), "Página B");
    EXPECT_TRUE(j->btnVoltar->isEnabled());
    j->btnVoltarClick();
    EXPECT_EQ(j->lblTitulo->text(), "Página A");
    EXPECT_EQ(Texto(j), "Texto da página A");
    EXPECT_FALSE(j->btnVoltar->isEnabled());
    j->btnVoltarClick();  // an empty stack: nothing
    EXPECT_EQ(j->lblTitulo->text(), "Página A");
  });
}

TEST_F(PaginaHiper, NadaDeLigacaoNemVoltarEnquantoAPaginaCarrega) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    j->lstItens->setCurrentRow(0);
    bool dentro = false;
    // Runs while B is loading, as a queued double-click and "Voltar" would.
    QTimer::singleShot(0, j, [j, &dentro] {
      dentro = j->carregando();
      j->btnVoltarClick();
      j->lstItensDblClick();
    });
    j->lstItensDblClick();
    EXPECT_TRUE(dentro);
    EXPECT_EQ(j->lblTitulo->text(), "Página B");
    EXPECT_EQ(Linhas(j), QStringList{"Para C"});
    EXPECT_EQ(j->itens().size(), 1);
    EXPECT_EQ(j->pilha().size(), 1);
    EXPECT_FALSE(j->carregando());
  });
}

// Tabbing into the list picks nothing: no line, no marker, until the
// student picks one.
TEST_F(PaginaHiper, TabNaListaNaoEscolheNenhumItem) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    QFocusEvent entrada(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(j->lstItens, &entrada);
    EXPECT_EQ(j->lstItens->currentRow(), -1);
    EXPECT_TRUE(j->lstItens->selectedItems().isEmpty());
    EXPECT_FALSE(j->imgAlvo->isVisible());
    EXPECT_FALSE(j->Timer1->isActive());
    // The window's Times New Roman in the list and the buttons.
    EXPECT_EQ(j->lstItens->font().family(), "Times New Roman");
    EXPECT_EQ(j->btnVoltar->font().family(), "Times New Roman");
  });
}

// A click on the picture handled while a linked page loads picks nothing
// on the new page, and leaves no marker blinking there.
TEST_F(PaginaHiper, CliqueDuranteACargaNaoDeixaMarcadorPiscando) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    j->lstItens->setCurrentRow(0);
    ASSERT_TRUE(j->Timer1->isActive());
    QTimer::singleShot(0, j, [j] { Clica(j, 80, 30); });
    j->lstItensDblClick();
    EXPECT_EQ(j->lblTitulo->text(), "Página B");
    EXPECT_TRUE(j->lstItens->selectedItems().isEmpty());
    EXPECT_FALSE(j->imgAlvo->isVisible());
    EXPECT_FALSE(j->Timer1->isActive());
  });
}

TEST_F(PaginaHiper, ImprimeAFiguraEmCimaEOTextoEmBaixo) {
  Mostra("a.hpr", [](TfrmHiper* j) {
    QTextCursor cursor(j->reTexto->document());
    cursor.movePosition(QTextCursor::End);
    for (int i = 0; i < 3; ++i) cursor.insertText(QString(" Linha de texto impresso %1.").arg(i));
    QImage pagina(850, 1100, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    int paginas = 1;
    {
      QPainter p(&pagina);
      j->Imprime(p, [&paginas] { return ++paginas, false; });
    }
    EXPECT_EQ(paginas, 1);
    int vermelhoForaDoTerco = 0, vermelhos = 0, escurosNoTerco = 0, escuros = 0;
    for (int y = 0; y < pagina.height(); ++y)
      for (int x = 0; x < pagina.width(); ++x) {
        const QColor c = pagina.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 60) {
          ++vermelhos;
          if (y >= 1100 / 3) ++vermelhoForaDoTerco;
        }
        if (c.red() < 100 && c.green() < 100 && c.blue() < 100) {
          ++escuros;
          if (y < 1100 / 3) ++escurosNoTerco;
        }
      }
    // The picture shown 256 x 192 is half the page wide: 425 x 319.
    EXPECT_NEAR(vermelhos, 425 * 319, 1500);
    EXPECT_EQ(vermelhoForaDoTerco, 0);
    EXPECT_GT(escuros, 100);
    EXPECT_EQ(escurosNoTerco, 0);
  });
}

TEST_F(PaginaHiper, ImpressaoNumPdfTerminaMesmoComFiguraMaiorQueAPagina) {
  Mostra("a.hpr", [this](TfrmHiper* j) {
    // A picture in the text far taller than the space below the top third.
    QImage enorme(50, 20000, QImage::Format_RGB32);
    enorme.fill(Qt::darkGreen);
    j->reTexto->document()->addResource(QTextDocument::ImageResource, QUrl("mem://enorme"), enorme);
    QTextCursor cursor(j->reTexto->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertImage("mem://enorme");
    for (int i = 0; i < 200; ++i) cursor.insertText(QString("Linha %1 de um texto longo.\n").arg(i));
    const QString pdf = pasta.caminho() + "hiper.pdf";
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
    ASSERT_TRUE(j->PrintRichEdit(impressora));
    const int paginas = apoio::PaginasDoPdf(pdf);
    EXPECT_GE(paginas, 2);
    EXPECT_LT(paginas, 60);
  });
}

}  // namespace

namespace {

// An item file over the item limit is a file the page cannot read: the
// input/output error ends the program, as a read error does; a sparse one
// of 2 GiB is not read into the list, and the peak memory stays where it
// was.  A file at the limit is read whole.
TEST_F(PaginaHiper, AnItemFileOverTheLimitIsAReadErrorAndNotRead) {
  QList<files::RegItem> mil;
  for (int i = 0; i < files::RegItem::MaiorContagem; ++i) mil << ItemHiper("Item", "", -1, -1);
  apoio::GravaHiper(Caminho("mil.hpr"), apoio::PaginaHiper("Mil", "", ""), mil);
  EXPECT_EQ(Mostra("mil.hpr", [](TfrmHiper* j) { EXPECT_EQ(j->lstItens->count(), files::RegItem::MaiorContagem); }), 1);

  apoio::GravaHiper(Caminho("enorme.hpr"), apoio::PaginaHiper("Enorme", "", ""), {}, false);
  ASSERT_FALSE(apoio::ArquivoEsparso(pasta, "bio/enorme.itm", apoio::k2GiB).isEmpty());
  apoio::Mensagem m;
  apoio::RespondeMensagem(QMessageBox::Ok, &m);
  apoio::ZeraPicoMemoria();
  const qint64 antes = apoio::PicoMemoria();
  Pagina(files::kHipertexto, "enorme.hpr");
  EXPECT_EQ(janela->exec(), 2);
  EXPECT_LT(apoio::PicoMemoria() - antes, apoio::kFolgaMemoria);
  EXPECT_EQ(m.texto, "I/O error");
  EXPECT_EQ(m.titulo, "Zelmo II");
  EXPECT_EQ(janela->lstItens->count(), 0);
  EXPECT_TRUE(zelmo::ProgramaEncerrando());
}

// The page and its item file are replaced one right after the other; a
// crash between the two leaves a page with the items of its version before
// or after.  Such a page is shown as it is: its own title, text and
// picture, and whatever items the item file holds (none, or more than
// before), with no message.
TEST_F(PaginaHiper, PaginaComItensDeOutraVersaoEMostrada) {
  QList<files::RegItem> mais;
  for (int i = 1; i <= 20; ++i) mais << ItemHiper(QString("Item %1").arg(i), "b.hpr", i * 4, 100 - i * 4);
  for (const auto& itens : {QList<files::RegItem>{}, mais}) {
    SCOPED_TRACE(itens.size());
    apoio::GravaHiper(Caminho("a.hpr"), apoio::PaginaHiper("Página A", "a.rtf", "a.bmp"), itens);
    const int r = Mostra("a.hpr", [&](TfrmHiper* j) {
      EXPECT_EQ(j->lblTitulo->text(), "Página A");
      EXPECT_EQ(Texto(j), "Texto da página A");
      EXPECT_EQ(j->lstItens->count(), itens.size());
      if (!itens.isEmpty()) {
        Clica(j, 80, 20);
        EXPECT_EQ(j->lstItens->currentRow(), 19);
      }
    });
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(zelmo::ProgramaEncerrando());
  }
}

}  // namespace
