// The word-search window: its cells by name, marking with the mouse, the
// rounds, the help flash that takes no input, leaving early and the report
// block.
#include <QSet>
#include <QTest>

#include "apoio_atividades.h"
#include "player/activities/atividades.h"
#include "player/activities/cp.h"

namespace {

using apoio::Palavra;
using zelmo::TfrmCP;

QString U(const char* s) { return QString::fromUtf8(s); }

constexpr uint32_t kAzul = 0xFF0000;
constexpr uint32_t kAqua = 0xFFFF00;
constexpr uint32_t kAmareloPalido = 0xC0FFFF;
constexpr uint32_t kPrata = 0xC0C0C0;

class CPTeste : public apoio::AtividadeTeste {
 protected:
  std::unique_ptr<TfrmCP> Jogo(const QList<files::RegPalavra>& palavras, int rodadas = 1, int porcent = 70) {
    Palavras("p.plv", palavras);
    Pagina(files::kCacaPalavras, "p.plv", 5, 1, 0, porcent);
    zelmo::AtividadeAtual.Rodadas = rodadas;
    return Abre<TfrmCP>();
  }
  // Clicks the cells of word k (all of them, or the first `quantas`).
  static void MarcaPalavra(TfrmCP& j, int k, int quantas = 99) {
    const QList<int> casas = j.cp()->CasasDaPalavra(k);
    for (int i = 0; i < casas.size() && i < quantas; ++i)
      if (!j.cp()->marcada(casas[i])) j.Panel0Click(j.Panel(casas[i]));
  }
};

TEST_F(CPTeste, LayoutAndRegistration) {
  TfrmCP j;
  EXPECT_EQ(j.windowTitle(), U("Caça-Palavras"));
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Panel0")->geometry(), QRect(232, 40, 20, 20));
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Panel21")->geometry(), QRect(252, 60, 20, 20));
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Panel399")->geometry(), QRect(612, 420, 20, 20));
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Panel400"), nullptr);
  EXPECT_EQ(j.Panel(399), j.findChild<zelmo::Painel*>("Panel399"));
  EXPECT_EQ(TfrmCP::NumeroDoPainel(j.Panel(237)), 237);
  EXPECT_EQ(j.Memo1->geometry(), QRect(8, 40, 216, 401));
  EXPECT_EQ(j.lblRodada->geometry().topLeft(), QPoint(524, 10));
  EXPECT_EQ(j.lblRodada->width(), 108);
  EXPECT_EQ(j.btnAjuda->geometry(), QRect(334, 448, 94, 25));
  EXPECT_EQ(j.Panel(0)->cor(), kAzul);
  EXPECT_EQ(j.Panel(0)->corFonte(), kAqua);
  EXPECT_EQ(j.Panel(0)->cursor().shape(), Qt::PointingHandCursor);
  // The row's buttons carry their glyphs.
  for (QPushButton* b : {j.btnConsulta, j.btnAjuda, j.btnSair, j.btnProxima}) {
    EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
    EXPECT_GE(b->iconSize().height(), 12) << b->objectName().toStdString();
  }
  zelmo::RegistraAtividades();
  std::unique_ptr<QDialog> criada(zelmo::CriaJanela(files::kCacaPalavras, nullptr));
  EXPECT_TRUE(qobject_cast<TfrmCP*>(criada.get()));
}

TEST_F(CPTeste, TheBoardTheHintsAndTheMarks) {
  auto j = Jogo({Palavra("veia", "leva o sangue ", "ao coração"), Palavra("aorta", "a maior")}, 2);
  const auto* t = j->cp();
  ASSERT_GE(t->N(), 1);
  // Every panel shows its cell, tagged 1 for the letters of the words.
  for (int n = 0; n < 400; ++n) {
    ASSERT_EQ(j->Panel(n)->caption(), QString(t->caractere(n))) << n;
    ASSERT_EQ(j->Panel(n)->tag(), t->daPalavra(n) ? 1 : 0) << n;
  }
  EXPECT_EQ(j->lblLetras->text(), "Letras Ocultas: " + QString::number(t->ocultas()));
  EXPECT_EQ(j->lblRodada->text(), "Rodada: 1 de 2");
  const QStringList dicas = j->Memo1->toPlainText().split('\n');
  EXPECT_EQ(dicas[0], "DICAS");
  EXPECT_TRUE(dicas.contains(U("1 - leva o sangue ao coração")) || dicas.contains("1 - a maior"));

  // A real click marks; a second one unmarks.
  int filler = 0;
  while (t->daPalavra(filler)) ++filler;
  QTest::mouseClick(j->Panel(filler), Qt::LeftButton);
  EXPECT_EQ(j->Panel(filler)->cor(), kAmareloPalido);
  EXPECT_EQ(j->Panel(filler)->corFonte(), kAzul);
  EXPECT_EQ(j->lblErros->text(), "Erros: 1");
  QTest::mouseClick(j->Panel(filler), Qt::LeftButton);
  EXPECT_EQ(j->Panel(filler)->cor(), kAzul);
  EXPECT_EQ(j->lblErros->text(), "Erros: 0");
  const int primeira = t->CasasDaPalavra(0).first();
  j->Panel0Click(j->Panel(primeira));
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 1");
  EXPECT_EQ(j->lblLetras->text(), "Letras Ocultas: " + QString::number(t->ocultas() - 1));
}

TEST_F(CPTeste, RoundsEndWhenEveryWordIsMarkedThenTheActivityCompletes) {
  auto j = Jogo({Palavra("veia")}, 2);
  // One record: one word across in row 6, 7 or 8.
  const int linha = j->cp()->colocacoes()[0].linha;
  EXPECT_TRUE(linha >= 6 && linha <= 8);
  MarcaPalavra(*j, 0);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns !"), U("Você passou para a próxima rodada.")}));
  // A new board: nothing marked, counters at 0.
  EXPECT_EQ(j->lblRodada->text(), "Rodada: 2 de 2");
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 0");
  for (int n = 0; n < 400; ++n) ASSERT_EQ(j->Panel(n)->cor(), kAzul) << n;
  EXPECT_FALSE(j->terminado());
  MarcaPalavra(*j, 0);
  ASSERT_EQ(respostas.avisos.size(), 2);
  EXPECT_EQ(respostas.avisos[1], (QStringList{"", U("Parabéns !"), U("Você completou esta atividade.")}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", U("*** CAÇA-PALAVRAS ***"),
                         U("Rodadas programadas: 2 - Rodadas executadas: 2 - Palavras (máximo): 5"),
                         "Acerto: 100 % - Consultas: 0 - Pedidos de Ajuda: 0"}));
}

TEST_F(CPTeste, HelpFlashesTheCellsNotFoundAndTakesNoInput) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")});
  const auto* t = j->cp();
  ASSERT_EQ(t->N(), 2);
  const int marcada = t->CasasDaPalavra(0)[0];
  j->Panel0Click(j->Panel(marcada));
  const bool sair = j->btnSair->isEnabled();
  const bool proxima = j->btnProxima->isEnabled();
  // During the flashes: what is silver, and clicks that must change nothing.
  QList<int> piscadas;
  bool botoesDesligados = true;
  relogio.aCadaLeitura = [&] {
    for (int n = 0; n < 400; ++n)
      if (j->Panel(n)->cor() == kPrata && (piscadas.isEmpty() || piscadas.last() != n)) piscadas.append(n);
    botoesDesligados = botoesDesligados && !j->btnAjuda->isEnabled() && !j->btnSair->isEnabled();
    j->Panel0Click(j->Panel(t->CasasDaPalavra(1).last()));
    j->Panel0Click(j->Panel(0));
  };
  const int leituras = relogio.leituras();
  j->btnAjuda->click();
  relogio.aCadaLeitura = nullptr;
  // Word 0 less its marked cell, then word 1 whole (the crossing again).
  QList<int> esperadas = t->CasasDaPalavra(0).mid(1);
  esperadas += t->CasasDaPalavra(1);
  EXPECT_EQ(piscadas, esperadas);
  EXPECT_GE((relogio.leituras() - leituras) * 50, 200 * esperadas.size());
  EXPECT_TRUE(botoesDesligados);
  EXPECT_EQ(t->acertos(), 1);
  EXPECT_EQ(t->erros(), 0);
  for (int n = 0; n < 400; ++n) ASSERT_EQ(j->Panel(n)->cor(), n == marcada ? kAmareloPalido : kAzul) << n;
  EXPECT_TRUE(j->btnAjuda->isEnabled());
  EXPECT_EQ(j->btnSair->isEnabled(), sair);
  EXPECT_EQ(j->btnProxima->isEnabled(), proxima);
  EXPECT_FALSE(j->ajudando());
  // Board input is taken again.
  j->Panel0Click(j->Panel(0));
  EXPECT_EQ(t->erros(), 1);
}

TEST_F(CPTeste, HelpWithEverythingFoundStillCountsAndProximaShowsTheAnswer) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")}, 2, 0);
  // Every word cell and one filler cell marked: the round goes on, and the
  // help has nothing to flash.
  j->Panel0Click(j->Panel(0));
  MarcaPalavra(*j, 0);
  MarcaPalavra(*j, 1);
  int prata = 0;
  relogio.aCadaLeitura = [&] {
    for (int n = 0; n < 400; ++n) prata += j->Panel(n)->cor() == kPrata;
  };
  j->btnAjuda->click();
  relogio.aCadaLeitura = nullptr;
  EXPECT_EQ(prata, 0);
  EXPECT_EQ(j->lblRodada->text(), "Rodada: 1 de 2");
  j->Panel0Click(j->Panel(0));
  ASSERT_EQ(j->lblRodada->text(), "Rodada: 2 de 2");
  j->btnAjuda->click();
  // Próxima in round 2 with nothing found: 50 %, the words listed.
  j->btnProxima->click();
  EXPECT_EQ(respostas.avisos.last(), (QStringList{"", U("Parabéns!"), U("Você completou 50% desta atividade.")}));
  EXPECT_EQ(j->result(), 1);
  // The answer is shown: every word cell marked, the rest not.
  for (int n = 0; n < 400; ++n)
    ASSERT_EQ(j->Panel(n)->cor(), j->cp()->daPalavra(n) ? kAmareloPalido : kAzul) << n;
  ASSERT_EQ(zelmo::LinhasRelatorio.size(), 7);
  EXPECT_EQ(zelmo::LinhasRelatorio[2], U("Rodadas programadas: 2 - Rodadas executadas: 2 - Palavras (máximo): 5"));
  EXPECT_EQ(zelmo::LinhasRelatorio[3], "Acerto: 50 % - Consultas: 0 - Pedidos de Ajuda: 2");
  EXPECT_EQ(zelmo::LinhasRelatorio[4], U("Palavras não encontradas na última rodada:"));
  EXPECT_EQ(QSet<QString>(zelmo::LinhasRelatorio.begin() + 5, zelmo::LinhasRelatorio.end()),
            (QSet<QString>{"ABCDE", "XCY"}));
}

TEST_F(CPTeste, SairListsTheWordsAfterTheEarlyEndLine) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")});
  MarcaPalavra(*j, 1);
  respostas.Responde(QMessageBox::Yes);
  j->btnSair->click();
  EXPECT_EQ(j->result(), 2);
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(4),
            (QStringList{U("Palavras não encontradas na última rodada:"),
                         "Zelmo II encerrado antes do final das atividades", "ABCDE"}));
}

TEST_F(CPTeste, AMissingOrAllEmptyWordsFileEndsTheProgram) {
  struct Caso { QList<files::RegPalavra> registros; const char* mensagem; };
  const Caso casos[] = {{{}, "Arquivo de Palavras não encontrado !"},
                        {{Palavra(""), Palavra("", "outra")}, "Arquivo de Palavras vazio !"},
                        {{apoio::Corrompida("veia")}, "Arquivo PLV Corrompido!"}};
  for (const Caso& c : casos) {
    zelmo::ReiniciaEncerramento();
    respostas.caixas.clear();
    if (!c.registros.isEmpty()) Palavras("q.plv", c.registros);
    Pagina(files::kCacaPalavras, c.registros.isEmpty() ? "nada.plv" : "q.plv");
    auto j = std::make_unique<TfrmCP>();
    j->show();
    j->FormActivate();
    ASSERT_EQ(respostas.caixas.size(), 1) << c.mensagem;
    EXPECT_EQ(respostas.caixas[0].texto, U(c.mensagem));
    EXPECT_EQ(respostas.caixas[0].titulo, "Zelmo II");
    EXPECT_TRUE(zelmo::ProgramaEncerrando());
    EXPECT_TRUE(zelmo::LinhasRelatorio.isEmpty());
  }
}

}  // namespace
