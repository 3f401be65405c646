// The rich-text page: its buttons by page and flags, leaving it, and a
// missing file.
#include "player/pages/rtf.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>

#include "files/registros.h"
#include "platform/escala.h"
#include "platform/rtf/texto_rico.h"
#include "player/aviso.h"
#include "player/despachante.h"
#include "player/pages/paginas.h"
#include "player/global.h"
#include "support/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"
#include "windows/pages/apoio_paginas.h"

namespace {

using zelmo::TfrmRTF;

class PaginaRTF : public apoio::TestePagina {
 protected:
  void SetUp() override {
    TestePagina::SetUp();
    pasta.Escreve("bio/texto.rtf", "{\\rtf1\\ansi {\\b Ol\\'e1} mundo\\par}");
    pasta.Escreve("bio/outro.rtf", "{\\rtf1\\ansi Segundo texto\\par}");
    janela = std::make_unique<TfrmRTF>();
  }
  void TearDown() override {
    janela.reset();
    TestePagina::TearDown();
  }

  static void Pagina(const QString& arquivo, bool sair, bool imprimir) {
    TestePagina::Pagina(files::kTextoRTF, arquivo, sair, imprimir);
  }

  // Shows the page; once its activation has run to its end, `acao` looks at
  // it (from a timer, never from inside the activation's own message loop).
  int Mostra(std::function<void(TfrmRTF*)> acao) {
    TfrmRTF* j = janela.get();
    apoio::Quando([j] { return j->isVisible() && (j->ativada() || zelmo::ProgramaEncerrando()); },
                  [j, acao] { acao(j); });
    return janela->exec();
  }

  std::unique_ptr<TfrmRTF> janela;
};

TEST_F(PaginaRTF, FormaComoDesenhadaEEscalada) {
  EXPECT_EQ(janela->windowTitle(), "Texto RTF");
  EXPECT_EQ(janela->size(), QSize(1024, 768));
  EXPECT_EQ(janela->RichEdit1->objectName(), "RichEdit1");
  EXPECT_TRUE(janela->RichEdit1->isReadOnly());
  EXPECT_EQ(janela->RichEdit1->focusPolicy(), Qt::ClickFocus);
  // 625 design pixels at 120 dpi, first brought to the screen's 96 dpi, then
  // scaled by 1024 x 120 / round((96 + 1.5) x 640).
  const double fator = 96.0 / 120 * 1024.0 * 120 / 62400;
  EXPECT_NEAR(janela->RichEdit1->width(), 625 * fator, 2);
  EXPECT_NEAR(janela->btnProxima->x(), 538 * fator, 2);
  EXPECT_EQ(janela->btnProxima->text(), "Próxima");
  EXPECT_EQ(janela->btnSair->text(), "Sair");
  EXPECT_EQ(janela->btnImprimir->text(), "Imprimir");
  EXPECT_EQ(janela->RichEdit1->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE0));
  // Tab order: Próxima, Sair, Imprimir.
  QList<QWidget*> ordem;
  for (QWidget* w = janela->btnProxima->nextInFocusChain(); w != janela->btnProxima; w = w->nextInFocusChain())
    if (qobject_cast<QPushButton*>(w)) ordem << w;
  ASSERT_GE(ordem.size(), 2);
  EXPECT_EQ(ordem[0], janela->btnSair);
  EXPECT_EQ(ordem[1], janela->btnImprimir);
}

TEST_F(PaginaRTF, BotoesConformeAPaginaESeusIndicadores) {
  struct Caso {
    bool sair, imprimir, ultima;
    bool sairHabilitado, imprimirHabilitado, proximaVisivel;
  };
  const Caso casos[] = {
      {true, true, false, true, true, true},
      {false, true, false, false, true, true},
      {true, false, false, true, false, true},
      // The last page: "Sair" even when the page does not allow leaving.
      {false, false, true, true, false, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.sair << c.imprimir << c.ultima);
    Pagina("texto.rtf", c.sair, c.imprimir);
    zelmo::UltimaAtividade = c.ultima;
    const int r = Mostra([&](TfrmRTF* j) {
      EXPECT_EQ(j->RichEdit1->toPlainText().trimmed(), "Olá mundo");
      EXPECT_EQ(j->btnSair->isEnabled(), c.sairHabilitado);
      EXPECT_EQ(j->btnImprimir->isEnabled(), c.imprimirHabilitado);
      EXPECT_EQ(j->btnProxima->isVisible(), c.proximaVisivel);
      EXPECT_EQ(j->btnProxima->isEnabled(), c.proximaVisivel);
      if (c.proximaVisivel) {
        EXPECT_EQ(j->focusWidget(), j->btnProxima);
        j->btnProxima->click();
      } else {
        apoio::QuandoModal([](QWidget* w) { static_cast<QDialog*>(w)->done(1); });
        j->btnSair->click();
      }
    });
    EXPECT_EQ(r, c.proximaVisivel ? 1 : 2);
    // Closing clears the page.
    EXPECT_TRUE(janela->RichEdit1->document()->isEmpty());
  }
}

TEST_F(PaginaRTF, SairNaUltimaPaginaParabenizaSemPerguntar) {
  Pagina("texto.rtf", false, true);
  zelmo::UltimaAtividade = true;
  QStringList linhas;
  QString primeiraJanela;
  const int r = Mostra([&](TfrmRTF* j) {
    apoio::QuandoModal([&](QWidget* w) {
      primeiraJanela = w->metaObject()->className();
      if (auto* aviso = qobject_cast<zelmo::TfrmAviso*>(w)) linhas = aviso->Linhas();
      static_cast<QDialog*>(w)->done(1);
    });
    j->btnSair->click();
  });
  EXPECT_EQ(r, 2);
  EXPECT_EQ(primeiraJanela, "zelmo::TfrmAviso");
  EXPECT_EQ(linhas, (QStringList{"", "Parabéns !", "Você cumpriu todas as atividades."}));
}

TEST_F(PaginaRTF, SairAntesDoFimPerguntaENaoFica) {
  Pagina("texto.rtf", true, true);
  zelmo::UltimaAtividade = false;
  apoio::Mensagem pergunta;
  QStringList linhas;
  bool ficou = false;
  const int r = Mostra([&](TfrmRTF* j) {
    apoio::RespondeMensagem(QMessageBox::No, &pergunta);
    j->btnSair->click();
    ficou = j->isVisible() && !j->RichEdit1->document()->isEmpty();
    // Yes: the early-end message, then the run ends.
    apoio::Respostas({[](QWidget* w) { static_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); },
                      [&](QWidget* w) {
                        if (auto* aviso = qobject_cast<zelmo::TfrmAviso*>(w)) linhas = aviso->Linhas();
                        static_cast<QDialog*>(w)->done(1);
                      }});
    j->btnSair->click();
  });
  EXPECT_TRUE(ficou);
  EXPECT_EQ(pergunta.texto, "Você quer realmente sair do Zelmo II ?");
  EXPECT_EQ(pergunta.titulo, "Atenção!");
  EXPECT_EQ(pergunta.icone, QMessageBox::Question);
  EXPECT_EQ(pergunta.botoes, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(linhas, (QStringList{"Você está encerrando antes de cumprir todas as atividades !", "Não desista !",
                                 "Tente novamente."}));
  EXPECT_EQ(r, 2);
}

TEST_F(PaginaRTF, JanelaNaoFechaAntesDeProximaOuSair) {
  Pagina("texto.rtf", true, true);
  bool aberta = false;
  const int r = Mostra([&](TfrmRTF* j) {
    j->close();
    j->reject();
    j->done(1);
    apoio::Espera([] { return false; }, 20);
    aberta = j->isVisible();
    j->btnProxima->click();
  });
  EXPECT_TRUE(aberta);
  EXPECT_EQ(r, 1);
}

TEST_F(PaginaRTF, ReusadaParaOutraPaginaEConsulta) {
  Pagina("texto.rtf", true, true);
  zelmo::UltimaAtividade = true;
  Mostra([](TfrmRTF* j) {
    apoio::QuandoModal([](QWidget* w) { static_cast<QDialog*>(w)->done(1); });
    j->btnSair->click();
  });
  // A consultation from the last activity: UltimaAtividade is false then,
  // so "Próxima" is back (it returns to the activity).
  Pagina("outro.rtf", false, true);
  zelmo::UltimaAtividade = false;
  QString texto;
  bool proxima = false;
  const int r = Mostra([&](TfrmRTF* j) {
    texto = j->RichEdit1->toPlainText().trimmed();
    proxima = j->btnProxima->isVisible() && j->btnProxima->isEnabled();
    j->btnProxima->click();
  });
  EXPECT_EQ(texto, "Segundo texto");
  EXPECT_TRUE(proxima);
  EXPECT_EQ(r, 1);
}

// Each file is read into a document of its own, handed to the control
// whole; the one it replaces goes, so pages leave nothing behind.
TEST_F(PaginaRTF, CadaArquivoChegaNumDocumentoInteiroQueSubstituiOAnterior) {
  const QFont fonteDoControle = janela->RichEdit1->document()->defaultFont();
  QList<QPointer<QTextDocument>> mostrados;
  for (const char* arquivo : {"texto.rtf", "outro.rtf", "texto.rtf"}) {
    SCOPED_TRACE(arquivo);
    Pagina(arquivo, true, true);
    QString texto;
    int posicao = -1;
    Mostra([&](TfrmRTF* j) {
      mostrados << j->RichEdit1->document();
      texto = j->RichEdit1->toPlainText().trimmed();
      posicao = j->RichEdit1->textCursor().position();
      EXPECT_EQ(j->RichEdit1->document()->defaultFont(), fonteDoControle);
      EXPECT_FALSE(j->RichEdit1->document()->isUndoRedoEnabled());
      j->btnProxima->click();
    });
    EXPECT_EQ(texto, QString::fromUtf8(arquivo == QByteArray("outro.rtf") ? "Segundo texto" : "Olá mundo"));
    EXPECT_EQ(posicao, 0);
  }
  ASSERT_EQ(mostrados.size(), 3);
  EXPECT_TRUE(mostrados[0].isNull());
  EXPECT_TRUE(mostrados[1].isNull());
  EXPECT_EQ(mostrados[2], janela->RichEdit1->document());
  EXPECT_EQ(janela->RichEdit1->findChildren<QTextDocument*>().size(), 1);
}

TEST_F(PaginaRTF, ArquivoQueFaltaEncerraOPrograma) {
  pasta.Escreve("fora.rtf", "{\\rtf1 fora da pasta}");
  for (const char* nome : {"falta.rtf", "../fora.rtf", ""}) {
    SCOPED_TRACE(nome);
    zelmo::ReiniciaEncerramento();
    Pagina(nome, true, true);
    janela->RichEdit1->setPlainText("anterior");
    apoio::Mensagem m;
    apoio::RespondeMensagem(QMessageBox::Ok, &m);
    const int r = janela->exec();
    EXPECT_EQ(r, 2);
    EXPECT_EQ(m.texto, "Texto RTF não encontrado !");
    EXPECT_EQ(m.titulo, "Zelmo II");
    EXPECT_EQ(m.botoes, QMessageBox::Ok);
    EXPECT_TRUE(zelmo::ProgramaEncerrando());
    // Ended without its close handler.
    EXPECT_EQ(janela->RichEdit1->toPlainText(), "anterior");
  }
}

TEST_F(PaginaRTF, RegistradaParaOTipoZero) {
  zelmo::RemoveJanelas();
  EXPECT_FALSE(zelmo::TemJanela(files::kTextoRTF));
  zelmo::RegistraPaginas();
  EXPECT_TRUE(zelmo::TemJanela(files::kTextoRTF));
  EXPECT_TRUE(zelmo::TemJanela(files::kHTML));
  std::unique_ptr<QDialog> j(zelmo::CriaJanela(files::kTextoRTF, nullptr));
  EXPECT_NE(qobject_cast<TfrmRTF*>(j.get()), nullptr);
  zelmo::RemoveJanelas();
}

}  // namespace
