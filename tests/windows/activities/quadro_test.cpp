// The activity-window frame, seen through the hangman window: activation,
// loading, Próxima, Sair, Consulta, completion, closing and the report block.
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include "apoio_atividades.h"
#include "player/activities/atividades.h"
#include "player/activities/forca.h"

namespace {

using apoio::Palavra;
using zelmo::TfrmForca;

QString U(const char* s) { return QString::fromUtf8(s); }

class QuadroTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    Palavras("bomba.plv", {Palavra("aorta", "vaso"), Palavra("veia", "volta"), Palavra("valva", "porta"),
                           Palavra("pulso", "ritmo")});
    Pagina(5, "bomba.plv");
  }
  // Plays the current word to the end with the keyboard.
  static void Resolve(TfrmForca& j) {
    const int indice = j.forca()->indice();
    const QString p = j.forca()->palavra();
    for (QChar c : p) {
      if (j.terminado() || j.forca()->indice() != indice) break;
      j.FormKeyPress(QString(c));
    }
  }
};

TEST_F(QuadroTeste, LayoutOfTheStandardButtons) {
  TfrmForca j;
  struct Caso { const char* nome; QRect caixa; const char* texto; };
  const Caso casos[] = {{"btnConsulta", {312, 448, 80, 25}, "Consulta"},
                        {"btnDica", {393, 448, 80, 25}, "Dica"},
                        {"btnSair", {474, 448, 80, 25}, "Sair"},
                        {"btnProxima", {555, 448, 80, 25}, "Próxima"}};
  for (const Caso& c : casos) {
    auto* b = j.findChild<QPushButton*>(c.nome);
    ASSERT_TRUE(b) << c.nome;
    EXPECT_EQ(b->geometry(), c.caixa) << c.nome;
    EXPECT_EQ(b->text(), U(c.texto));
  }
  EXPECT_EQ(j.size(), QSize(640, 480));
  EXPECT_TRUE(j.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(j.windowTitle(), "Jogo da Forca");
  EXPECT_EQ(j.palette().color(QPalette::Window), QColor(0, 0, 160));
  // Tab order: Próxima, Sair, Dica, Consulta.
  EXPECT_EQ(j.btnProxima->nextInFocusChain(), j.btnSair);
}

TEST_F(QuadroTeste, TheWindowIsScaledToTheScreen) {
  // The screen the windows are laid out for starts right of another one.
  platform::DefineTela({1280, 1024, 96, 1920, 0});
  TfrmForca j;
  EXPECT_EQ(j.size(), QSize(1280, 1024));
  EXPECT_EQ(j.pos(), QPoint(1920, 0));
  // 96 dpi: first to the screen's dpi (x 0.8), then 1280 x 120 / 62400.
  const double f = 0.8 * 1280.0 * 120 / 62400;
  EXPECT_NEAR(j.btnProxima->x(), 555 * f, 2);
  EXPECT_NEAR(j.Alfa(26)->width(), 24 * f, 2);
}

TEST_F(QuadroTeste, ButtonStatesAtActivation) {
  struct Caso { bool sair, retorno, avanco, ultima; int tipoUltimaPagina; bool consulta, proxima, proximaVisivel; };
  const Caso casos[] = {
      {true, true, true, false, 0, true, true, true},
      // No text page shown yet: Consulta stays disabled even with Retorno.
      {true, true, true, false, -1, false, true, true},
      {false, false, false, false, 2, false, false, true},
      // The last page of the subject hides Próxima.
      {true, true, true, true, 1, true, false, false},
  };
  for (const Caso& c : casos) {
    zelmo::AtividadeAtual.Sair = c.sair;
    zelmo::AtividadeAtual.Retorno = c.retorno;
    zelmo::AtividadeAtual.Avanco = c.avanco;
    zelmo::UltimaAtividade = c.ultima;
    zelmo::UltimaPagina.Tipo = c.tipoUltimaPagina;
    auto j = Abre<TfrmForca>();
    EXPECT_EQ(j->btnSair->isEnabled(), c.sair);
    EXPECT_EQ(j->btnConsulta->isEnabled(), c.consulta);
    EXPECT_EQ(j->btnProxima->isEnabled(), c.proxima);
    EXPECT_EQ(!j->btnProxima->isHidden(), c.proximaVisivel);
    EXPECT_FALSE(j->terminado());
  }
}

TEST_F(QuadroTeste, QuantAgainstTheFileSize) {
  QList<files::RegPalavra> cinquenta;
  for (int i = 0; i < 50; ++i) cinquenta.append(Palavra("P" + QString::number(i)));
  Palavras("grande.plv", cinquenta);
  struct Caso { const char* arquivo; int quant; int ordem; const char* rodada; };
  const Caso casos[] = {{"bomba.plv", 10, 0, "Palavra 1 de 4"},
                        {"bomba.plv", 10, 1, "Palavra 1 de 4"},
                        {"grande.plv", 30, 0, "Palavra 1 de 20"},
                        {"grande.plv", 30, 1, "Palavra 1 de 20"},
                        {"grande.plv", 3, 0, "Palavra 1 de 3"}};
  for (const Caso& c : casos) {
    Pagina(5, c.arquivo, c.quant, c.ordem);
    auto j = Abre<TfrmForca>();
    EXPECT_EQ(j->lblRodada->text(), c.rodada) << c.arquivo << " " << c.quant;
  }
  // In file order, the first word first.
  Pagina(5, "grande.plv", 30, 0);
  EXPECT_EQ(Abre<TfrmForca>()->forca()->palavra(), "P0");
}

TEST_F(QuadroTeste, RandomChoiceDropsDuplicatesAndShrinksN) {
  Palavras("dup.plv", {Palavra("aorta", "vaso"), Palavra("veia"), Palavra("AORTA", "vaso"), Palavra("valva"),
                       Palavra("aorta", "vaso"), Palavra("pulso")});
  Pagina(5, "dup.plv", 5, 1, 0, 0);
  auto j = Abre<TfrmForca>();
  EXPECT_EQ(j->lblRodada->text(), "Palavra 1 de 4");
  QStringList vistas;
  for (int k = 0; k < 4; ++k) {
    vistas.append(j->forca()->palavra());
    EXPECT_EQ(j->lblRodada->text(), "Palavra " + QString::number(k + 1) + " de 4");
    Resolve(*j);
  }
  vistas.sort();
  EXPECT_EQ(vistas, (QStringList{"AORTA", "PULSO", "VALVA", "VEIA"}));
  EXPECT_EQ(j->result(), 1);
}

TEST_F(QuadroTeste, ProximaWithPorcentZeroPassesAtOnce) {
  Pagina(5, "bomba.plv", 5, 0, 0, 0);
  zelmo::LinhasRelatorio = QStringList{"antes"};
  auto j = Abre<TfrmForca>();
  QString primeiraCasa;
  respostas.aoAvisar = [&] { primeiraCasa = j->Slot(1)->caption(); };
  j->btnProxima->click();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Não deixe de resolver"), "as atividades propostas."}));
  EXPECT_TRUE(j->terminado());
  EXPECT_FALSE(j->isVisible());
  EXPECT_EQ(j->result(), 1);
  // The answer was shown before the message.
  EXPECT_EQ(primeiraCasa, "A");
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"antes", "", "*** JOGO DA FORCA ***",
                         "Quantidade de Palavras: 4 - Palavras Corretas: 0 - Palavras Erradas: 0 - Consultas: 0",
                         U("Resolução: 0 % - Não Pediu Dica")}));
}

TEST_F(QuadroTeste, ProximaBelowTheMinimumKeepsTheWindow) {
  Pagina(5, "bomba.plv", 5, 0, 0, 70);
  auto j = Abre<TfrmForca>();
  Resolve(*j);
  j->btnProximaClick();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{U("Para seguir em frente é necessário completar 70% desta atividade."),
                                              U("Você completou apenas 25%.")}));
  EXPECT_FALSE(j->terminado());
  EXPECT_TRUE(j->isVisible());
  EXPECT_TRUE(zelmo::LinhasRelatorio.isEmpty());
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 4");
}

TEST_F(QuadroTeste, SairAsksAndEndsTheRunWithTheEarlyEndLine) {
  auto j = Abre<TfrmForca>();
  respostas.Responde(QMessageBox::No);
  j->btnSair->click();
  ASSERT_EQ(respostas.caixas.size(), 1);
  EXPECT_EQ(respostas.caixas[0].texto, U("Você quer realmente sair do Zelmo II ?"));
  EXPECT_EQ(respostas.caixas[0].titulo, U("Atenção!"));
  EXPECT_EQ(respostas.caixas[0].icone, QMessageBox::Question);
  EXPECT_EQ(respostas.caixas[0].botoes, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(j->isVisible());
  EXPECT_FALSE(j->terminado());
  EXPECT_TRUE(zelmo::ListaErros.isEmpty());

  respostas.Responde(QMessageBox::Yes);
  j->btnSair->click();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{U("Você está encerrando antes de cumprir todas as atividades !"),
                                              U("Não desista !"), "Tente novamente."}));
  EXPECT_EQ(j->result(), 2);
  EXPECT_FALSE(j->isVisible());
  // No error: no header line, the early-end line right after the counts.
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** JOGO DA FORCA ***",
                         "Quantidade de Palavras: 4 - Palavras Corretas: 0 - Palavras Erradas: 0 - Consultas: 0",
                         U("Resolução: 0 % - Não Pediu Dica"), "Zelmo II encerrado antes do final das atividades"}));
}

TEST_F(QuadroTeste, AConsultationShowsTheLastTextPageAndComesBack) {
  apoio::PaginaFalsa rtf(1);
  zelmo::frmRTF = &rtf;
  files::RegPagina texto;
  texto.Tipo = 0;
  texto.Arquivo = "coracao.rtf";
  zelmo::UltimaPagina = texto;
  zelmo::UltimaAtividade = true;
  auto j = Abre<TfrmForca>();
  ASSERT_TRUE(j->btnConsulta->isEnabled());
  j->FormKeyPress("a");
  j->btnConsulta->click();
  EXPECT_EQ(rtf.vezes, 1);
  EXPECT_EQ(rtf.vista.Arquivo, "coracao.rtf");
  EXPECT_FALSE(rtf.ultimaVista);  // the text page behaves as one that is not the last
  EXPECT_EQ(zelmo::AtividadeAtual.Arquivo, "bomba.plv");
  EXPECT_TRUE(zelmo::UltimaAtividade);
  EXPECT_TRUE(j->isVisible());
  EXPECT_FALSE(j->terminado());
  // The board is untouched.
  EXPECT_EQ(j->Slot(1)->caption(), "A");
  EXPECT_FALSE(j->Alfa(1)->isEnabled());
  // A page window the program does not have shows nothing, and counts.
  zelmo::UltimaPagina.Tipo = 1;
  j->btnConsultaClick();
  EXPECT_TRUE(j->isVisible());
  respostas.Responde(QMessageBox::Yes);
  j->btnSairClick();
  EXPECT_EQ(zelmo::LinhasRelatorio[2],
            "Quantidade de Palavras: 4 - Palavras Corretas: 0 - Palavras Erradas: 0 - Consultas: 2");
}

TEST_F(QuadroTeste, AConsultationThatEndsTheRunWritesTheBlockWithoutTheEarlyEndLine) {
  apoio::PaginaFalsa html(2);
  zelmo::frmHTML = &html;
  zelmo::UltimaPagina.Tipo = 2;
  auto j = Abre<TfrmForca>();
  j->btnConsulta->click();
  EXPECT_EQ(html.vezes, 1);
  EXPECT_TRUE(j->terminado());
  EXPECT_EQ(j->result(), 2);
  EXPECT_FALSE(j->isVisible());
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** JOGO DA FORCA ***",
                         "Quantidade de Palavras: 4 - Palavras Corretas: 0 - Palavras Erradas: 0 - Consultas: 1",
                         U("Resolução: 0 % - Não Pediu Dica")}));
}

TEST_F(QuadroTeste, AConsultedPageThatEndsTheProgramEndsTheActivityWithoutABlock) {
  apoio::PaginaFalsa rtf(apoio::PaginaFalsa::kEncerra);
  zelmo::frmRTF = &rtf;
  zelmo::UltimaPagina.Tipo = 0;
  auto j = Abre<TfrmForca>();
  j->btnConsulta->click();
  EXPECT_TRUE(zelmo::ProgramaEncerrando());
  EXPECT_EQ(j->result(), 2);
  EXPECT_FALSE(j->isVisible());
  EXPECT_TRUE(zelmo::LinhasRelatorio.isEmpty());
}

TEST_F(QuadroTeste, TheWindowRefusesToCloseUntilFinished) {
  auto j = Abre<TfrmForca>();
  EXPECT_FALSE(j->close());
  j->reject();
  QTest::keyClick(j.get(), Qt::Key_Escape);
  j->done(1);
  j->done(2);
  EXPECT_TRUE(j->isVisible());
  EXPECT_FALSE(j->FormClose());
  EXPECT_TRUE(zelmo::LinhasRelatorio.isEmpty());
}

TEST_F(QuadroTeste, CompletionClosesAfterTheMessageWithResultOne) {
  Pagina(5, "bomba.plv", 2);
  auto j = Abre<TfrmForca>();
  Resolve(*j);
  EXPECT_TRUE(j->isVisible());
  Resolve(*j);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns!"), U("Você acertou 100% desta atividade.")}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_FALSE(j->isVisible());
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(2),
            (QStringList{"Quantidade de Palavras: 2 - Palavras Corretas: 2 - Palavras Erradas: 0 - Consultas: 0",
                         U("Resolução: 100 % - Não Pediu Dica")}));
  // Closed once: a second close writes nothing more.
  j->done(1);
  EXPECT_EQ(zelmo::LinhasRelatorio.size(), 4);
}

// Missing, empty and corrupt words files end the program with their message
// and add no block; the lines gathered before stay.
TEST_F(QuadroTeste, LoadFailuresEndTheProgram) {
  Palavras("vazio.plv", {});
  Palavras("ruim.plv", {Palavra("aorta"), apoio::Corrompida("veia")});
  // A corrupt record that is also a duplicate of an accepted one.
  Palavras("dupruim.plv", {Palavra("aorta", "vaso"), [] {
                             auto r = Palavra("aorta", "vaso");
                             r.Codigo = "q";
                             return r;
                           }()});
  struct Caso { const char* arquivo; int ordem; const char* texto; };
  const Caso casos[] = {{"nada.plv", 0, "Arquivo de Palavras não encontrado !"},
                        {"../bomba.plv", 0, "Arquivo de Palavras não encontrado !"},
                        {"", 0, "Arquivo de Palavras não encontrado !"},
                        {"vazio.plv", 0, "Arquivo de Palavras vazio !"},
                        {"ruim.plv", 0, "Arquivo PLV Corrompido!"},
                        {"ruim.plv", 1, "Arquivo PLV Corrompido!"},
                        {"dupruim.plv", 1, "Arquivo PLV Corrompido!"}};
  for (const Caso& c : casos) {
    zelmo::ReiniciaEncerramento();
    zelmo::LinhasRelatorio = QStringList{"bloco anterior"};
    respostas.caixas.clear();
    Pagina(5, c.arquivo, 5, c.ordem);
    auto j = Abre<TfrmForca>();
    ASSERT_EQ(respostas.caixas.size(), 1) << c.arquivo;
    EXPECT_EQ(respostas.caixas[0].texto, U(c.texto)) << c.arquivo;
    EXPECT_EQ(respostas.caixas[0].titulo, "Zelmo II");
    EXPECT_EQ(respostas.caixas[0].botoes, QMessageBox::Ok);
    EXPECT_TRUE(zelmo::ProgramaEncerrando());
    EXPECT_EQ(j->result(), 2);
    EXPECT_FALSE(j->isVisible());
    EXPECT_EQ(zelmo::LinhasRelatorio, QStringList{"bloco anterior"});
    EXPECT_TRUE(respostas.avisos.isEmpty());
  }
}

TEST_F(QuadroTeste, TheDispatcherShowsBothWindowsModally) {
  zelmo::RegistraAtividades();
  ASSERT_TRUE(zelmo::TemJanela(5));
  ASSERT_TRUE(zelmo::TemJanela(6));
  // Porcent 0: Próxima passes and the run goes on.
  // (The click is deferred: a timer does not fire again inside its own slot,
  // and the click opens a message that must be answered.)
  respostas.outra = [](QWidget* w) {
    if (auto* a = qobject_cast<zelmo::TfrmAtividade*>(w); a && a->ativada() && a->btnProxima->isEnabled())
      QTimer::singleShot(0, a, [a] { a->btnProxima->click(); });
  };
  for (int tipo : {5, 6}) {
    Pagina(tipo, "bomba.plv", 5, 0, 0, 0);
    EXPECT_TRUE(zelmo::ExecutaAtividade()) << tipo;
  }
  ASSERT_EQ(zelmo::LinhasRelatorio.size(), 8);
  EXPECT_EQ(zelmo::LinhasRelatorio[1], "*** JOGO DA FORCA ***");
  EXPECT_EQ(zelmo::LinhasRelatorio[5], "*** PALAVRA EMBARALHADA ***");
  // A missing file: the run stops, no block.
  Pagina(5, "nada.plv");
  EXPECT_FALSE(zelmo::ExecutaAtividade());
  EXPECT_TRUE(zelmo::ProgramaEncerrando());
  EXPECT_EQ(zelmo::LinhasRelatorio.size(), 8);
  zelmo::RemoveJanelas();
}

}  // namespace
