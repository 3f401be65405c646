// The crossword window: its cells and the on-screen alphabet, typing from
// the keyboard whatever has the focus, the cursor, the help that takes no
// input, the rounds and the report block.
#include <QTest>

#include "apoio_atividades.h"
#include "player/activities/atividades.h"
#include "player/activities/pcs.h"

namespace {

using apoio::Palavra;
using zelmo::TfrmPCs;

QString U(const char* s) { return QString::fromUtf8(s); }

constexpr uint32_t kAzul = 0xFF0000;
constexpr uint32_t kAmareloPalido = 0xC0FFFF;
constexpr uint32_t kPrata = 0xC0C0C0;
constexpr uint32_t kAzulDoFundo = 0xA00000;

class PCsTeste : public apoio::AtividadeTeste {
 protected:
  std::unique_ptr<TfrmPCs> Jogo(const QList<files::RegPalavra>& palavras, int rodadas = 1, bool alfabeto = true,
                                int porcent = 70) {
    Palavras("p.plv", palavras);
    Pagina(files::kPalavrasCruzadas, "p.plv", 5, 1, 0, porcent);
    zelmo::AtividadeAtual.Rodadas = rodadas;
    zelmo::AtividadeAtual.Alfabeto = alfabeto;
    return Abre<TfrmPCs>();
  }
  // Types the letters of word k through the keyboard, from its first cell.
  static void DigitaPalavra(TfrmPCs& j, int k) {
    const QList<int> casas = j.pcs()->CasasDeLetras(k);
    for (int n : casas) {
      j.Panel0Click(j.Panel(n));
      apoio::Tecla(&j, QString(j.pcs()->caractere(n)));
    }
  }
  static int Cursor(const TfrmPCs& j) { return j.pcs()->cursor(); }
};

TEST_F(PCsTeste, LayoutTheAlphabetAndRegistration) {
  TfrmPCs j;
  EXPECT_EQ(j.windowTitle(), "Palavras Cruzadas");
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Panel0")->geometry(), QRect(232, 40, 20, 20));
  EXPECT_TRUE(j.Panel(0)->isHidden());
  EXPECT_EQ(j.Panel(0)->cursor().shape(), Qt::ArrowCursor);
  // The row's buttons carry their glyphs.
  for (QPushButton* b : {j.btnConsulta, j.btnAjuda, j.btnSair, j.btnProxima}) {
    EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
    EXPECT_GE(b->iconSize().height(), 12) << b->objectName().toStdString();
  }
  EXPECT_EQ(j.lblTitulo->geometry().topLeft(), QPoint(8, 6));
  EXPECT_EQ(j.lblTitulo->width(), 181);
  EXPECT_EQ(j.lblAcertos->geometry().topLeft(), QPoint(272, 10));
  EXPECT_EQ(j.lblErros->geometry().topLeft(), QPoint(368, 10));
  EXPECT_EQ(j.findChild<QWidget*>("lblLetras"), nullptr);
  EXPECT_EQ(j.Memo1->geometry(), QRect(4, 40, 218, 433));
  struct Tecla { int i; QRect caixa; const char* legenda; };
  const Tecla teclas[] = {{1, {4, 372, 20, 20}, "A"},   {11, {204, 372, 20, 20}, "K"},
                          {12, {4, 392, 20, 20}, "L"},  {27, {84, 412, 20, 20}, "Ç"},
                          {31, {164, 412, 20, 20}, "_"}, {32, {184, 412, 20, 20}, " "},
                          {33, {204, 412, 20, 20}, " "}, {44, {204, 432, 20, 20}, "Ý"},
                          {55, {204, 452, 20, 20}, "Ñ"}};
  for (const Tecla& t : teclas) {
    auto* b = j.findChild<QPushButton*>("BitBtn" + QString::number(t.i));
    ASSERT_TRUE(b) << t.i;
    EXPECT_EQ(b->geometry(), t.caixa) << t.i;
    EXPECT_EQ(b->text(), U(t.legenda)) << t.i;
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(b->isHidden());
  }
  EXPECT_EQ(j.findChild<QPushButton*>("BitBtn56"), nullptr);
  j.MostraTeclado();
  EXPECT_EQ(j.Memo1->height(), 327);
  EXPECT_FALSE(j.BitBtn(55)->isHidden());
  j.EscondeTeclado();
  EXPECT_EQ(j.Memo1->height(), 433);
  EXPECT_TRUE(j.BitBtn(1)->isHidden());
  zelmo::RegistraAtividades();
  std::unique_ptr<QDialog> criada(zelmo::CriaJanela(files::kPalavrasCruzadas, nullptr));
  EXPECT_TRUE(qobject_cast<TfrmPCs*>(criada.get()));
}

TEST_F(PCsTeste, TheBoardShowsNumbersAndEmptyLetterCells) {
  auto j = Jogo({Palavra("abcde", "primeira"), Palavra("xcy", "segunda")});
  const auto* t = j->pcs();
  ASSERT_EQ(t->N(), 2);
  EXPECT_FALSE(j->BitBtn(1)->isHidden());
  EXPECT_EQ(j->Memo1->toPlainText(), "DICAS\n\n1 - primeira\n\n2 - segunda\n");
  for (int n = 0; n < 400; ++n) {
    const zelmo::Celula* p = j->Panel(n);
    if (t->casaNumero(n)) {
      EXPECT_FALSE(p->isHidden());
      EXPECT_EQ(p->cor(), kAzulDoFundo);
      EXPECT_FALSE(p->borda());
      EXPECT_EQ(p->tag(), 0);
      EXPECT_EQ(p->caption(), QString::number(t->numero(n)));
    } else if (t->casaLetra(n)) {
      EXPECT_FALSE(p->isHidden());
      EXPECT_TRUE(p->borda());
      EXPECT_EQ(p->tag(), 1);
      EXPECT_EQ(p->caption(), "");
      EXPECT_EQ(p->cor(), n == Cursor(*j) ? kAmareloPalido : kAzul);
    } else {
      ASSERT_TRUE(p->isHidden()) << n;
    }
  }
  EXPECT_EQ(Cursor(*j), t->CasasDeLetras(0).first());
  // A click on a number cell does nothing; on a letter cell it moves the
  // cursor.
  const int numero = t->CasasDaPalavra(1).first();
  j->Panel0Click(j->Panel(numero));
  EXPECT_EQ(Cursor(*j), t->CasasDeLetras(0).first());
  const int y = t->CasasDeLetras(1).last();
  j->Panel0Click(j->Panel(y));
  EXPECT_EQ(Cursor(*j), y);
  EXPECT_EQ(j->Panel(y)->cor(), kAmareloPalido);
  EXPECT_EQ(j->Panel(t->CasasDeLetras(0).first())->cor(), kAzul);
}

TEST_F(PCsTeste, TheFormSeesEveryKeyFirst) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")});
  const QList<int> abcde = j->pcs()->CasasDeLetras(0);
  j->btnSair->setFocus();
  // A letter sent to the focused button reaches the board.
  apoio::Tecla(j->btnSair, "a", Qt::Key_A);
  EXPECT_EQ(j->Panel(abcde[0])->caption(), "A");
  EXPECT_EQ(Cursor(*j), abcde[1]);
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 1");
  // Space is a blank at the cursor, not a press of Sair; Enter is ignored.
  apoio::Tecla(j->btnSair, " ", Qt::Key_Space);
  apoio::Tecla(j->btnSair, "\r", Qt::Key_Return);
  EXPECT_TRUE(respostas.caixas.isEmpty());
  EXPECT_FALSE(j->terminado());
  EXPECT_EQ(j->Panel(abcde[1])->caption(), " ");
  EXPECT_EQ(j->lblErros->text(), "Erros: 1");
  EXPECT_EQ(Cursor(*j), abcde[2]);
  // Backspace: back onto the blank, cleared.
  apoio::Tecla(j->btnSair, "\b", Qt::Key_Backspace);
  EXPECT_EQ(Cursor(*j), abcde[1]);
  EXPECT_EQ(j->Panel(abcde[1])->caption(), "");
  EXPECT_EQ(j->lblErros->text(), "Erros: 0");
  EXPECT_EQ(j->Panel(abcde[1])->cor(), kAmareloPalido);
  EXPECT_EQ(j->Panel(abcde[2])->cor(), kAzul);
  // Characters the code page cannot hold, and control characters, do nothing.
  apoio::Tecla(j.get(), U("ā"));
  apoio::Tecla(j.get(), "\x1b", Qt::Key_Escape);
  apoio::Tecla(j.get(), "\t", Qt::Key_Tab);
  EXPECT_EQ(j->Panel(abcde[1])->caption(), "");
  // Lower case and accents are upper-cased.
  apoio::Tecla(j.get(), U("é"));
  EXPECT_EQ(j->Panel(abcde[1])->caption(), U("É"));
}

TEST_F(PCsTeste, TheOnScreenAlphabetTypesItsCaptions) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")});
  const QList<int> abcde = j->pcs()->CasasDeLetras(0);
  QTest::mouseClick(j->BitBtn(1), Qt::LeftButton);
  EXPECT_EQ(j->Panel(abcde[0])->caption(), "A");
  j->BitBtn(33)->click();
  EXPECT_EQ(j->Panel(abcde[1])->caption(), " ");
  j->BitBtn(27)->click();
  EXPECT_EQ(j->Panel(abcde[2])->caption(), U("Ç"));
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 1");
  EXPECT_EQ(j->lblErros->text(), "Erros: 2");
  // Without the alphabet, Memo1 reaches the bottom of the buttons.
  auto sem = Jogo({Palavra("veia")}, 1, false);
  EXPECT_TRUE(sem->BitBtn(1)->isHidden());
  EXPECT_EQ(sem->Memo1->height(), 433);
  apoio::Tecla(sem.get(), "v");
  EXPECT_EQ(sem->lblAcertos->text(), "Acertos: 1");
}

TEST_F(PCsTeste, HelpShowsTheLettersNotRightAndTakesNoInput) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")});
  const auto* t = j->pcs();
  const QList<int> abcde = t->CasasDeLetras(0);
  const QList<int> xcy = t->CasasDeLetras(1);
  apoio::Tecla(j.get(), "a");
  apoio::Tecla(j.get(), "q");  // wrong B
  j->Panel0Click(j->Panel(xcy.last()));
  ASSERT_EQ(Cursor(*j), xcy.last());
  // What each word's wait shows, and input that must change nothing.
  QList<QStringList> vistas;
  relogio.aCadaLeitura = [&] {
    QStringList v;
    for (int n = 0; n < 400; ++n)
      if (j->Panel(n)->cor() == kPrata) v.append(QString::number(n) + "=" + j->Panel(n)->caption());
    if (vistas.isEmpty() || vistas.last() != v) vistas.append(v);
    apoio::Tecla(j.get(), "z");
    j->BitBtn(2)->click();
    j->Panel0Click(j->Panel(abcde[3]));
  };
  const int leituras = relogio.leituras();
  j->btnAjuda->click();
  relogio.aCadaLeitura = nullptr;
  const auto silver = [](int n, const char* c) { return QString::number(n) + "=" + c; };
  ASSERT_EQ(vistas.size(), 2);
  EXPECT_EQ(vistas[0], (QStringList{silver(abcde[1], "B"), silver(abcde[2], "C"), silver(abcde[3], "D"),
                                    silver(abcde[4], "E")}));
  QStringList segunda{silver(xcy[0], "X"), silver(xcy[1], "C"), silver(xcy[2], "Y")};
  std::sort(segunda.begin(), segunda.end(), [](const QString& a, const QString& b) {
    return a.section('=', 0, 0).toInt() < b.section('=', 0, 0).toInt();
  });
  EXPECT_EQ(vistas[1], segunda);
  EXPECT_GE((relogio.leituras() - leituras) * 50, 2000);
  // Everything back as typed; the cursor on the first letter.
  EXPECT_EQ(j->Panel(abcde[0])->caption(), "A");
  EXPECT_EQ(j->Panel(abcde[1])->caption(), "Q");
  EXPECT_EQ(j->Panel(xcy.last())->caption(), "");
  EXPECT_EQ(t->acertos(), 1);
  EXPECT_EQ(t->erros(), 1);
  EXPECT_EQ(Cursor(*j), abcde[0]);
  EXPECT_EQ(j->Panel(abcde[0])->cor(), kAmareloPalido);
  EXPECT_EQ(j->Panel(xcy.last())->cor(), kAzul);
  for (int n = 0; n < 400; ++n) ASSERT_NE(j->Panel(n)->cor(), kPrata) << n;
  EXPECT_TRUE(j->btnAjuda->isEnabled());
  EXPECT_FALSE(j->ajudando());
}

// The cursor cell is one of its word's cells: once that word was shown it
// is blue like them until the help puts the cursor back.
TEST_F(PCsTeste, DuringTheHelpTheCursorCellTurnsBlueWithItsWord) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")});
  const QList<int> abcde = j->pcs()->CasasDeLetras(0);
  j->Panel0Click(j->Panel(abcde[3]));
  QList<uint32_t> cores;  // of that cell at each reading of the waits
  relogio.aCadaLeitura = [&] { cores.append(j->Panel(abcde[3])->cor()); };
  j->btnAjuda->click();
  relogio.aCadaLeitura = nullptr;
  ASSERT_FALSE(cores.isEmpty());
  EXPECT_EQ(cores.first(), kPrata);
  EXPECT_EQ(cores.last(), kAzul);
}

TEST_F(PCsTeste, RoundsAndTheReport) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")}, 2);
  DigitaPalavra(*j, 0);
  DigitaPalavra(*j, 1);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns !"), U("Você passou para a próxima rodada.")}));
  EXPECT_EQ(j->lblRodada->text(), "Rodada: 2 de 2");
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 0");
  // The letter that ended the round moves the new cursor on, across.
  EXPECT_EQ(Cursor(*j), j->pcs()->CasasDeLetras(0)[1]);
  EXPECT_EQ(j->pcs()->direcao(), zelmo::regras::Direcao::Horizontal);
  // A wrong letter, then Próxima is refused below the page's 70 %.
  apoio::Tecla(j.get(), "w");
  j->btnProxima->click();
  EXPECT_EQ(respostas.avisos.last(),
            (QStringList{U("Para seguir em frente é necessário completar 70% desta atividade."),
                         U("Você completou apenas 43%.")}));
  DigitaPalavra(*j, 0);
  DigitaPalavra(*j, 1);
  EXPECT_EQ(respostas.avisos.last(), (QStringList{"", U("Parabéns !"), U("Você completou esta atividade.")}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** PALAVRAS CRUZADAS ***",
                         U("Rodadas programadas: 2 - Rodadas executadas: 2 - Palavras (máximo): 5"),
                         "Acerto: 100 % - Consultas: 0 - Pedidos de Ajuda: 0"}));
  // Cleared on closing: every cell hidden.
  for (int n = 0; n < 400; ++n) ASSERT_TRUE(j->Panel(n)->isHidden()) << n;
}

TEST_F(PCsTeste, ProximaShowsTheAnswerAndListsTheWordsNotRight) {
  auto j = Jogo({Palavra("abcde"), Palavra("xcy")}, 1, true, 0);
  DigitaPalavra(*j, 0);
  j->btnProxima->click();
  EXPECT_EQ(j->result(), 1);
  for (int n : j->pcs()->CasasDeLetras(1)) {
    EXPECT_EQ(j->Panel(n)->caption(), QString(j->pcs()->caractere(n)));
    EXPECT_EQ(j->Panel(n)->cor(), kAmareloPalido);
  }
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(3),
            (QStringList{"Acerto: 71 % - Consultas: 0 - Pedidos de Ajuda: 0",
                         U("Palavras não encontradas na última rodada:"), "XCY"}));
}

}  // namespace
