// The HTML page: the page shown after its load, the blank page after it
// closes, a page that does not finish loading, and a missing file.
#include "player/pages/html.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <QFrame>
#include <QPushButton>
#include <QUrl>

#include "files/registros.h"
#include "platform/escala.h"
#include "platform/navegador.h"
#include "player/despachante.h"
#include "player/global.h"
#include "support/aplicacao.h"
#include "support/memoria.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"
#include "windows/pages/apoio_paginas.h"

namespace {

using zelmo::TfrmHTML;

class PaginaHTML : public apoio::TestePagina {
 protected:
  void SetUp() override {
    TestePagina::SetUp();
    pasta.Escreve("branco.htm", "<html><head><title>branco</title></head><body></body></html>");
    pasta.Escreve("bio/Pagina.htm",
                  "<html><head><title>Circula\xe7\xe3o</title><meta charset=\"windows-1252\"></head>"
                  "<body><h1>O cora\xe7\xe3o</h1></body></html>");
    janela = std::make_unique<TfrmHTML>();
  }
  void TearDown() override {
    janela.reset();
    TestePagina::TearDown();
  }

  static void Pagina(const QString& arquivo) { TestePagina::Pagina(files::kHTML, arquivo); }

  QUrl Url(const QString& relativo) const { return QUrl::fromLocalFile(pasta.caminho() + relativo); }

  std::unique_ptr<TfrmHTML> janela;
};

TEST_F(PaginaHTML, FormaComoDesenhada) {
  EXPECT_EQ(janela->windowTitle(), "Texto HTML");
  EXPECT_EQ(janela->size(), QSize(1024, 768));
  EXPECT_EQ(janela->WebBrowser1->objectName(), "WebBrowser1");
  EXPECT_EQ(janela->WebBrowser1->parentWidget(), static_cast<QWidget*>(janela->Panel1));
  EXPECT_EQ(janela->findChild<QPushButton*>("btnImprimir"), nullptr);
  // Created on the blank page.
  EXPECT_EQ(janela->WebBrowser1->endereco(), Url("branco.htm"));
}

TEST_F(PaginaHTML, MostraAPaginaCarregadaEDepoisOBranco) {
  Pagina("pagina.htm");  // the name in another case still finds the file
  zelmo::UltimaAtividade = false;
  QUrl mostrada;
  QString titulo;
  bool carregada = false, proxima = false;
  TfrmHTML* j = janela.get();
  apoio::Quando([j] { return j->isVisible() && j->btnProxima->isEnabled(); }, [&] {
    mostrada = j->WebBrowser1->url();
    titulo = j->WebBrowser1->title();
    carregada = j->carregado();
    proxima = j->btnProxima->isVisible();
    j->btnProxima->click();
  });
  EXPECT_EQ(janela->exec(), 1);
  EXPECT_EQ(mostrada, Url("bio/Pagina.htm"));
  EXPECT_EQ(titulo, "Circulação");
  EXPECT_TRUE(carregada);
  EXPECT_TRUE(proxima);
  // Closed: the browser goes back to the blank page, so the next HTML page
  // never shows this one while it loads.
  EXPECT_EQ(janela->WebBrowser1->endereco(), Url("branco.htm"));
  EXPECT_TRUE(janela->WebBrowser1->EsperaCarregar());
  EXPECT_EQ(janela->WebBrowser1->url(), Url("branco.htm"));
}

TEST_F(PaginaHTML, PaginaQueNaoTerminaDeCarregarEUsadaComoEsta) {
  Pagina("Pagina.htm");
  zelmo::UltimaAtividade = false;
  janela->WebBrowser1->DefineLimiteEspera(0);
  bool proxima = false;
  TfrmHTML* j = janela.get();
  apoio::Quando([j] { return j->isVisible() && j->btnProxima->isEnabled(); }, [&] {
    proxima = j->btnProxima->isEnabled();
    j->btnProxima->click();
  });
  EXPECT_EQ(janela->exec(), 1);
  EXPECT_TRUE(proxima);
}

TEST_F(PaginaHTML, UltimaPaginaEscondeProxima) {
  Pagina("Pagina.htm");
  zelmo::UltimaAtividade = true;
  bool escondida = false, sair = false;
  TfrmHTML* j = janela.get();
  apoio::Quando([j] { return j->isVisible() && j->carregado() && j->btnSair->isEnabled() && !j->btnProxima->isVisible(); }, [&] {
    escondida = !j->btnProxima->isVisible();
    sair = j->btnSair->isEnabled();
    apoio::QuandoModal([](QWidget* w) { static_cast<QDialog*>(w)->done(1); });  // the congratulation
    j->btnSair->click();
  });
  EXPECT_EQ(janela->exec(), 2);
  EXPECT_TRUE(escondida);
  EXPECT_TRUE(sair);
}

TEST_F(PaginaHTML, ArquivoQueFaltaEncerraOPrograma) {
  Pagina("falta.htm");
  apoio::Mensagem m;
  apoio::RespondeMensagem(QMessageBox::Ok, &m);
  EXPECT_EQ(janela->exec(), 2);
  EXPECT_EQ(m.texto, "Arquivo HTML não encontrado !");
  EXPECT_EQ(m.titulo, "Zelmo II");
  EXPECT_TRUE(zelmo::ProgramaEncerrando());
}

}  // namespace

namespace {

// A page file over the size limit is not given to the browser: the page
// shows as one that cannot be read, empty, and goes on as any other.
TEST_F(PaginaHTML, APageOverTheLimitIsShownEmpty) {
  ASSERT_FALSE(apoio::ArquivoEsparso(pasta, "bio/enorme.htm", apoio::k2GiB).isEmpty());
  Pagina("enorme.htm");
  zelmo::UltimaAtividade = false;
  QUrl endereco;
  TfrmHTML* j = janela.get();
  apoio::Quando([j] { return j->isVisible() && j->btnProxima->isEnabled(); }, [&] {
    endereco = j->WebBrowser1->endereco();
    j->btnProxima->click();
  });
  EXPECT_EQ(janela->exec(), 1);
  EXPECT_EQ(endereco, QUrl("about:blank"));
}

}  // namespace
