// The report viewer: a report of two runs as the player writes it, printing
// (the chunks, the margin, the page breaks), deleting, and reports that are
// too long or cannot be read or deleted.
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "apoio_autoria.h"
#include "authoring/rel.h"
#include "support/pdf.h"

namespace {

using namespace pravo;
using teste::QuandoAbrir;
using apoio::PaginasDoPdf;

const QString kFF = QString(QChar(12));
const QString kMargem = QString(15, ' ');

// A report of two runs in the player's format: per run a line of 76
// asterisks, the header, the activity lines and an empty line, every line
// ended by one line feed, text in Windows-1252.
QByteArray RelatorioDuasRodadas() {
  const QByteArray asteriscos(76, '*');
  QByteArray r;
  r += asteriscos + "\n";
  r += "Jo\xE3o da Silva  -  7A-12 - 10/12/2026 - 09:15:02\n";
  r += "Jogo da Forca - Arquivo: animais.plv\n";
  r += "   Palavra: CORA\xC7\xC3O - acertou\n";
  r += "\n";
  r += asteriscos + "\n";
  r += "Maria In\xEAs  -  7B-03 - 10/12/2026 - 10:40:57\n";
  r += "Testes - Arquivo: cora\xE7\xE3o.tst - 80%\n";
  r += "\n";
  return r;
}

TEST(LinhasDoTexto, LinesEndAtLineFeedCarriageReturnOrThePair) {
  EXPECT_EQ(LinhasDoTexto(""), QStringList());
  EXPECT_EQ(LinhasDoTexto("\n"), QStringList({""}));
  EXPECT_EQ(LinhasDoTexto("a\r\nb\rc\n\nd"), QStringList({"a", "b", "c", "", "d"}));
  EXPECT_EQ(LinhasDoTexto("a\n\n"), QStringList({"a", ""}));
  EXPECT_EQ(LinhasDoTexto("a\n\r"), QStringList({"a", ""}));
}

TEST(LinhasImpressao, ChunksOfEightyBrokenAfterTheLastBlankBehindAFifteenBlankMargin) {
  const QString oitenta = QString(70, 'x') + " abcdefghi";  // 80, blanks inside, none at the end
  ASSERT_EQ(oitenta.size(), 80);
  const QString duzentos(200, 'y');
  struct Caso {
    const char* nome;
    QStringList memo;
    QStringList impresso;  // after the three empty lines of the top
  } casos[] = {
      {"empty memo", {}, {}},
      {"empty line", {""}, {kMargem + " "}},
      {"short line", {"Maria"}, {kMargem + "Maria "}},
      {"80 with blanks", {oitenta}, {kMargem + QString(70, 'x') + " ", kMargem + "abcdefghi "}},
      {"200 without blanks",
       {duzentos},
       {kMargem + QString(80, 'y'), kMargem + QString(80, 'y'), kMargem + QString(40, 'y') + " "}},
      {"79 and a blank", {QString(79, 'z')}, {kMargem + QString(79, 'z') + " "}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    const QStringList saida = LinhasImpressao(c.memo);
    EXPECT_EQ(saida, QStringList({"", "", ""}) + c.impresso);
    for (const QString& l : saida) EXPECT_LE(l.size(), 95);
  }
}

TEST(LinhasImpressao, APageBreakFollowsTheMemoLineThatPassesFortyFivePrintedLines) {
  QStringList curtas;
  for (int i = 0; i < 46; ++i) curtas << QStringLiteral("linha %1").arg(i);
  const QStringList com46 = LinhasImpressao(curtas);
  ASSERT_EQ(com46.size(), 3 + 46 + 4);
  EXPECT_EQ(com46.mid(49), QStringList({kFF, "", "", ""}));

  const QStringList com45 = LinhasImpressao(curtas.mid(0, 45));
  EXPECT_EQ(com45.size(), 3 + 45);
  EXPECT_FALSE(com45.contains(kFF));

  // The test is made only between memo lines: 44 short lines and one of
  // three chunks make 47 lines on the page before the break.
  QStringList longa = curtas.mid(0, 44);
  longa << QString(200, 'w') << "depois";
  const QStringList saida = LinhasImpressao(longa);
  EXPECT_EQ(saida.indexOf(kFF), 3 + 47);
  EXPECT_EQ(saida.last(), kMargem + "depois ");
}

class Visor : public teste::ProgramaTeste {
 protected:
  void SetUp() override {
    ProgramaTeste::SetUp();
    Pasta("Biologia");
    ArqRelatorio = DirPrograma + "Biologia/Turma A.rel";
    frm = std::make_unique<TfrmRel>();
  }
  void TearDown() override {
    frm.reset();
    ProgramaTeste::TearDown();
  }
  int Mostra(std::function<void(TfrmRel*)> acao) {
    QuandoAbrir<TfrmRel>(std::move(acao));
    return frm->exec();
  }
  // Shows the viewer and closes it, answering the message it shows on the
  // way; gives the lines it showed.
  QStringList MostraComAviso(apoio::Mensagem* vista) {
    teste::Responde(QMessageBox::Ok, vista);
    QStringList linhas;
    Mostra([&](TfrmRel* f) {
      linhas = f->LinhasMemo();
      f->btnSair->click();
    });
    return linhas;
  }
  void ImprimeEm(const QString& pdf) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
    ASSERT_TRUE(frm->Imprime(impressora));
  }

  std::unique_ptr<TfrmRel> frm;
};

TEST_F(Visor, TheViewerTakesTheWholeScreenWithItsButtonsBelowTheText) {
  for (const platform::Tela tela : {platform::Tela{1024, 768, 96}, platform::Tela{1920, 1080, 96}}) {
    SCOPED_TRACE(tela.largura);
    platform::DefineTela(tela);
    TfrmRel v;
    EXPECT_EQ(v.size(), QSize(tela.largura, tela.altura));
    for (QPushButton* b : {v.btnImprimir, v.btnApagar, v.btnSair}) {
      EXPECT_TRUE(v.rect().contains(b->geometry()));
      EXPECT_GT(b->y(), v.Memo1->geometry().bottom());
    }
    EXPECT_GT(v.Memo1->width(), tela.largura * 9 / 10);
    EXPECT_GT(v.Memo1->height(), tela.altura * 3 / 4);
  }
}

TEST_F(Visor, ShowsAReportOfTwoRunsAsThePlayerWroteIt) {
  pasta.Escreve("Biologia/Turma A.rel", RelatorioDuasRodadas());
  QString titulo, texto;
  QStringList linhas;
  Mostra([&](TfrmRel* f) {
    titulo = f->windowTitle();
    texto = f->Memo1->toPlainText();
    linhas = f->LinhasMemo();
    f->btnSair->click();
  });
  const QString asteriscos(76, '*');
  const QStringList esperadas{asteriscos,
                              "João da Silva  -  7A-12 - 10/12/2026 - 09:15:02",
                              "Jogo da Forca - Arquivo: animais.plv",
                              "   Palavra: CORAÇÃO - acertou",
                              "",
                              asteriscos,
                              "Maria Inês  -  7B-03 - 10/12/2026 - 10:40:57",
                              "Testes - Arquivo: coração.tst - 80%",
                              ""};
  EXPECT_EQ(titulo, "Relatórios - Turma A.rel");
  EXPECT_EQ(linhas, esperadas);
  EXPECT_EQ(texto, esperadas.join('\n'));
  EXPECT_TRUE(frm->Memo1->isReadOnly());
}

TEST_F(Visor, PrintsWhatIsShownInItalicOnOnePage) {
  pasta.Escreve("Biologia/Turma A.rel", RelatorioDuasRodadas());
  Mostra([&](TfrmRel* f) { f->btnSair->click(); });
  const QString pdf = pasta.caminho() + "rel.pdf";
  ImprimeEm(pdf);
  EXPECT_EQ(PaginasDoPdf(pdf), 1);
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.contains("Italic"));
  EXPECT_FALSE(bytes.contains("BoldItalic"));
}

TEST_F(Visor, PrintingGoesThroughThePrintDialog) {
  pasta.Escreve("Biologia/Turma A.rel", RelatorioDuasRodadas());
  const QString pdf = pasta.caminho() + "dialogo.pdf";
  bool cancelado = false;
  Mostra([&](TfrmRel* f) {
    // Cancelled: nothing is printed.
    QuandoAbrir<QPrintDialog>([&](QPrintDialog* d) {
      cancelado = true;
      d->reject();
    });
    f->btnImprimir->click();
    EXPECT_FALSE(QFile::exists(pdf));
    // Accepted, printing to a file.
    QuandoAbrir<QPrintDialog>([&](QPrintDialog* d) {
      d->printer()->setOutputFormat(QPrinter::PdfFormat);
      d->printer()->setOutputFileName(pdf);
      d->done(QDialog::Accepted);
    });
    f->btnImprimir->click();
    f->btnSair->click();
  });
  EXPECT_TRUE(cancelado);
  EXPECT_EQ(PaginasDoPdf(pdf), 1);
}

TEST_F(Visor, ALongReportPrintsFortySixLinesAPage) {
  QByteArray texto;
  for (int i = 0; i < 100; ++i) texto += "Linha " + QByteArray::number(i) + "\n";
  pasta.Escreve("Biologia/Turma A.rel", texto);
  Mostra([&](TfrmRel* f) { f->btnSair->click(); });
  ASSERT_EQ(frm->LinhasMemo().size(), 100);
  const QString pdf = pasta.caminho() + "longo.pdf";
  ImprimeEm(pdf);
  EXPECT_EQ(PaginasDoPdf(pdf), 3);  // 46 + 46 + 8
}

TEST_F(Visor, DeletingAsksFirstThenEmptiesTheViewerWhichStillPrints) {
  pasta.Escreve("Biologia/Turma A.rel", RelatorioDuasRodadas());
  apoio::Mensagem pergunta;
  bool vazioDepoisDoNao = true, aberto = false;
  QString texto;
  Mostra([&](TfrmRel* f) {
    teste::Responde(QMessageBox::No, &pergunta);
    f->btnApagar->click();
    vazioDepoisDoNao = f->LinhasMemo().isEmpty();
    EXPECT_TRUE(QFile::exists(Real(ArqRelatorio)));
    teste::Responde(QMessageBox::Yes, nullptr);
    f->btnApagar->click();
    aberto = f->isVisible();
    texto = f->Memo1->toPlainText();
    f->btnSair->click();
  });
  EXPECT_EQ(pergunta.texto, "Você tem certeza que deseja APAGAR o Arquivo de Relatório ?");
  EXPECT_EQ(pergunta.titulo, "Atenção !");
  EXPECT_EQ(pergunta.botoes, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(pergunta.icone, QMessageBox::NoIcon);
  EXPECT_FALSE(vazioDepoisDoNao);
  EXPECT_TRUE(aberto);
  EXPECT_TRUE(texto.isEmpty());
  EXPECT_TRUE(frm->LinhasMemo().isEmpty());
  EXPECT_FALSE(QFile::exists(Real(ArqRelatorio)));
  const QString pdf = pasta.caminho() + "vazio.pdf";
  ImprimeEm(pdf);
  EXPECT_EQ(PaginasDoPdf(pdf), 1);
}

TEST_F(Visor, AReportLongerThanTheViewerShowsItsBeginningAndSaysSo) {
  pasta.Escreve("Biologia/Turma A.rel", RelatorioDuasRodadas());
  frm->DefineCapacidade(150);
  apoio::Mensagem vista;
  const QStringList linhas = MostraComAviso(&vista);
  EXPECT_EQ(vista.titulo, "Atenção !");
  EXPECT_EQ(vista.texto, MensagemRelatorioExtenso());
  EXPECT_EQ(vista.texto.count('\n'), 2);
  EXPECT_TRUE(vista.texto.contains("Word  for Windows"));
  EXPECT_EQ(linhas.size(), 2);  // 77 + 49 characters fit in 150, the third line does not
}

TEST_F(Visor, OnlyWhatFitsIsReadFromAHugeReport) {
  QByteArray texto;
  for (int i = 0; i < 2000; ++i) texto += "Linha " + QByteArray::number(i) + "\r\n";
  pasta.Escreve("Biologia/Turma A.rel", texto);
  frm->DefineCapacidade(1000);
  apoio::Mensagem vista;
  const QStringList linhas = MostraComAviso(&vista);
  EXPECT_EQ(vista.texto, MensagemRelatorioExtenso());
  ASSERT_FALSE(linhas.isEmpty());
  qsizetype total = 0;
  for (int i = 0; i < linhas.size(); ++i) {
    EXPECT_EQ(linhas[i], "Linha " + QString::number(i));  // whole lines only
    total += linhas[i].size() + 1;
  }
  EXPECT_LE(total, 1000);
  EXPECT_GT(total, 800);
}

TEST_F(Visor, AReportThatCannotBeReadOrDeletedIsReportedAndStays) {
  // A folder where the report should be: it can be neither read nor deleted.
  Pasta("Biologia/Turma A.rel");
  apoio::Mensagem leitura, remocao;
  teste::Responde(QMessageBox::Ok, &leitura);
  QString texto;
  Mostra([&](TfrmRel* f) {
    texto = f->Memo1->toPlainText();
    QuandoAbrir<QMessageBox>([&](QMessageBox* pergunta) {
      teste::Responde(QMessageBox::Ok, &remocao);
      pergunta->done(QMessageBox::Yes);
    });
    f->btnApagar->click();
    f->btnSair->click();
  });
  EXPECT_EQ(leitura.titulo, "Atenção !");
  EXPECT_TRUE(leitura.texto.startsWith("Não foi possível ler o Arquivo de Relatório"));
  EXPECT_TRUE(texto.isEmpty());
  EXPECT_EQ(remocao.titulo, "Atenção !");
  EXPECT_TRUE(remocao.texto.startsWith("Não foi possível apagar o Arquivo de Relatório"));
  EXPECT_TRUE(QFileInfo(Real(ArqRelatorio)).isDir());
}

}  // namespace
