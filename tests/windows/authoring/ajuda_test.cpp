// The help window: it shows the program folder's "ajuda.htm", navigated once
// when it is made, so a page followed in one showing is still there in the
// next.
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEngineView>

#include "apoio_autoria.h"
#include "authoring/ajuda.h"

namespace {

using namespace pravo;

class Ajuda : public teste::ProgramaTeste {};

TEST_F(Ajuda, ShowsTheHelpPageOfTheProgramFolderAndKeepsThePageFollowed) {
  pasta.Escreve("ajuda.htm",
                "<html><head><meta charset=\"utf-8\"><title>Ajuda de teste</title></head>"
                "<body><a id=\"l\" href=\"outra.htm\">outra</a></body></html>");
  pasta.Escreve("outra.htm", "<html><head><title>Outra</title></head><body></body></html>");
  TfrmAjuda frm;
  EXPECT_EQ(frm.windowTitle(), "Ajuda do Zelmo II");
  QSignalSpy carregou(frm.WebBrowser1, &QWebEngineView::loadFinished);
  ASSERT_TRUE(carregou.wait(20000));
  EXPECT_TRUE(carregou.first().first().toBool());
  EXPECT_EQ(frm.WebBrowser1->url(), QUrl::fromLocalFile(Real(DirPrograma + "ajuda.htm")));
  EXPECT_EQ(frm.WebBrowser1->title(), "Ajuda de teste");

  // The teacher follows a link; closing and showing again keeps it.
  carregou.clear();
  frm.WebBrowser1->setUrl(QUrl::fromLocalFile(pasta.caminho() + "outra.htm"));
  ASSERT_TRUE(carregou.wait(20000));
  teste::QuandoAbrir<TfrmAjuda>([](TfrmAjuda* a) { a->btnSair->click(); });
  EXPECT_EQ(frm.exec(), 2);
  teste::QuandoAbrir<TfrmAjuda>([](TfrmAjuda* a) { a->btnSair->click(); });
  frm.exec();
  EXPECT_EQ(frm.WebBrowser1->url().fileName(), "outra.htm");
}

TEST_F(Ajuda, AMissingHelpPageLeavesTheWindowUsable) {
  TfrmAjuda frm;
  QSignalSpy carregou(frm.WebBrowser1, &QWebEngineView::loadFinished);
  carregou.wait(20000);
  teste::QuandoAbrir<TfrmAjuda>([](TfrmAjuda* a) { a->btnSair->click(); });
  EXPECT_EQ(frm.exec(), 2);
}

TEST_F(Ajuda, TheWindowAndItsButtonFitOnScreensOfEveryShape) {
  const platform::Tela telas[] = {{640, 480, 120}, {1024, 768, 96}, {1366, 768, 96}, {1920, 1080, 96}};
  for (const platform::Tela& tela : telas) {
    SCOPED_TRACE(std::to_string(tela.largura) + "x" + std::to_string(tela.altura));
    platform::DefineTela(tela);
    TfrmAjuda frm;
    EXPECT_LE(frm.width(), tela.largura);
    EXPECT_LE(frm.height(), tela.altura);
    EXPECT_TRUE(frm.rect().contains(frm.btnSair->geometry()));
  }
}

}  // namespace
