// The HTML-tests window: each test's page in the browser with its letters
// below, wrong and right presses, input arriving during the pause after a
// right answer, unanswerable records and the report block.
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "activities/teste_html_apoio.h"
#include "apoio_atividades.h"
#include "platform/escala.h"
#include "platform/grupo_radio.h"
#include "platform/navegador.h"
#include "player/activities/teste_html.h"

namespace {

using apoio::TesteHTML;
using files::RegTesteHTML;
using zelmo::TfrmTesteHTML;

QString U(const char* s) { return QString::fromUtf8(s); }


class TesteHTMLTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    pasta.Escreve("branco.htm", "<html><body></body></html>");
    for (const char* q : {"q1.htm", "q2.htm", "q3.htm"})
      pasta.Escreve(q, QByteArray("<html><body><p>") + q + "</p><ol type=a><li>um<li>dois<li>tres</ol></body></html>");
  }
  std::unique_ptr<TfrmTesteHTML> Jogo(const QList<RegTesteHTML>& testes, int ordem = 0) {
    QByteArray b;
    for (const auto& t : testes) b += t.ParaBytes();
    pasta.Escreve("t.tsh", b);
    Pagina(files::kTestesHTML, "t.tsh", 20, ordem);
    return Abre<TfrmTesteHTML>();
  }
  QUrl Url(const QString& nome) const { return QUrl::fromLocalFile(pasta.caminho() + nome); }
  static QStringList Letras(const TfrmTesteHTML& j) {
    QStringList l;
    for (int i = 0; i < j.RadioGroup1->Quantidade(); ++i) l << j.RadioGroup1->Item(i)->text();
    return l;
  }
};

TEST_F(TesteHTMLTeste, EachTestsPageAndItsLetters) {
  auto j = Jogo({TesteHTML("q1.htm", 3, 1), TesteHTML("q2.htm", 5, 4)});
  EXPECT_EQ(j->windowTitle(), "Testes HTML");
  EXPECT_EQ(j->Panel3->geometry(), QRect(8, 36, 625, 326));
  EXPECT_EQ(j->RadioGroup1->geometry(), QRect(224, 8, 385, 49));
  // At 544, 10, 85 x 20, widened to the left only when its text is wider.
  const QRect rodada = j->lblRodada->geometry();
  EXPECT_EQ(rodada.right(), QRect(544, 10, 85, 20).right());
  EXPECT_EQ(rodada.top(), 10);
  EXPECT_EQ(rodada.height(), 20);
  EXPECT_GE(rodada.width(), 85);
  EXPECT_GE(rodada.width(), j->lblRodada->fontMetrics().horizontalAdvance("Teste 1 de 2"));
  EXPECT_EQ(j->lblRodada->text(), "Teste 1 de 2");
  EXPECT_EQ(j->WebBrowser1->endereco(), Url("q1.htm"));
  EXPECT_TRUE(j->WebBrowser1->carregado());
  EXPECT_EQ(Letras(*j), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(j->RadioGroup1->ItemIndex(), -1);
  EXPECT_TRUE(j->btnPronto->isEnabled());

  j->btnProntoClick();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Você não escolheu"), "uma alternativa!"}));
  // A wrong letter is counted and listed at every press; the test stays.
  j->RadioGroup1->DefineItemIndex(2);
  j->btnProntoClick();
  j->btnProntoClick();
  EXPECT_EQ(j->lblErros->text(), "Erros: 2");
  EXPECT_EQ(zelmo::ListaErros, (QStringList{"q1.htm - Alternativa escolhida: c", "q1.htm - Alternativa escolhida: c"}));
  EXPECT_EQ(j->lblRodada->text(), "Teste 1 de 2");
  EXPECT_EQ(j->RadioGroup1->ItemIndex(), 2);
}

TEST_F(TesteHTMLTeste, InputDuringThePauseIsDroppedAndTheNextTestStartsClear) {
  auto j = Jogo({TesteHTML("q1.htm", 3, 1), TesteHTML("q2.htm", 5, 4)});
  j->RadioGroup1->DefineItemIndex(1);
  bool naPausa = false;
  bool desligados = false;
  relogio.aCadaLeitura = [&] {
    if (naPausa) return;
    naPausa = true;
    desligados = !j->btnPronto->isEnabled() && !j->RadioGroup1->isEnabled();
    // The student presses "Sair" and Enter while the window is frozen.
    const QPoint meio = j->btnSair->rect().center();
    QCoreApplication::postEvent(j->btnSair, new QMouseEvent(QEvent::MouseButtonPress, meio, j->btnSair->mapToGlobal(meio),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(j->btnSair, new QMouseEvent(QEvent::MouseButtonRelease, meio, j->btnSair->mapToGlobal(meio),
                                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QCoreApplication::postEvent(j.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r"));
  };
  const int antes = relogio.leituras();
  j->btnProntoClick();
  relogio.aCadaLeitura = nullptr;
  EXPECT_TRUE(naPausa);
  EXPECT_TRUE(desligados);
  EXPECT_GE((relogio.leituras() - antes - 1) * 50, 2000);
  QCoreApplication::processEvents();
  EXPECT_TRUE(respostas.caixas.isEmpty());
  EXPECT_TRUE(respostas.avisos.isEmpty());
  EXPECT_EQ(j->lblAcertos->text(), "Acertos: 1");
  EXPECT_EQ(j->lblRodada->text(), "Teste 2 de 2");
  EXPECT_EQ(j->WebBrowser1->endereco(), Url("q2.htm"));
  EXPECT_EQ(Letras(*j), (QStringList{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(j->RadioGroup1->ItemIndex(), -1);
  EXPECT_TRUE(j->btnPronto->isEnabled());

  j->RadioGroup1->DefineItemIndex(4);
  j->btnProntoClick();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns!"), U("Você acertou 100% desta atividade.")}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio, (QStringList{"", "*** TESTES HTML ***", "Quantidade de Testes: 2 - Acertos: 2 - Erros: 0",
                                                 "Atividade cumprida: 100 % - Consultas: 0"}));
  // Closed on the blank page.
  EXPECT_EQ(j->WebBrowser1->endereco(), Url("branco.htm"));
}

// Enter, Space and a click that arrive while the next test's page loads
// reach no button, and the focus waits off "Próxima" and "Sair".
TEST_F(TesteHTMLTeste, NothingPressedWhileTheNextTestLoadsReachesAButton) {
  auto j = Jogo({TesteHTML("q1.htm", 3, 1), TesteHTML("q2.htm", 5, 4)});
  j->activateWindow();
  QCoreApplication::processEvents();
  j->RadioGroup1->DefineItemIndex(1);
  bool naCarga = false;
  QString foco;
  QObject::connect(j->WebBrowser1, &platform::Navegador::NavegacaoCompleta, j.get(), [&](const QUrl& endereco) {
    if (endereco != Url("q2.htm") || naCarga) return;
    naCarga = true;
    QWidget* f = j->focusWidget();
    foco = f ? f->objectName() : QString();
    QWidget* alvo = f ? f : j.get();
    for (QWidget* w : {alvo, static_cast<QWidget*>(j->btnProxima)}) {
      for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Space}) {
        const QString texto = k == Qt::Key_Return ? QStringLiteral("\r") : QStringLiteral(" ");
        QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier, texto));
        QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, k, Qt::NoModifier, texto));
      }
    }
    const QPoint meio = j->btnSair->rect().center();
    QCoreApplication::postEvent(j->btnSair, new QMouseEvent(QEvent::MouseButtonPress, meio, j->btnSair->mapToGlobal(meio),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(j->btnSair, new QMouseEvent(QEvent::MouseButtonRelease, meio, j->btnSair->mapToGlobal(meio),
                                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  });
  j->btnProntoClick();
  QCoreApplication::processEvents();
  ASSERT_TRUE(naCarga);
  EXPECT_NE(foco, "btnProxima");
  EXPECT_NE(foco, "btnSair");
  EXPECT_TRUE(respostas.caixas.isEmpty());
  EXPECT_TRUE(respostas.avisos.isEmpty());
  EXPECT_FALSE(j->terminado());
  EXPECT_EQ(j->lblRodada->text(), "Teste 2 de 2");
  EXPECT_EQ(j->RadioGroup1->ItemIndex(), -1);
  // Ready: Enter judges again, from "Pronto".
  EXPECT_EQ(j->focusWidget(), j->btnPronto);
}

TEST_F(TesteHTMLTeste, AMissingPageIsTheBrowsersOwnPageForIt) {
  auto j = Jogo({TesteHTML("falta.htm", 2, 1)});
  EXPECT_EQ(j->WebBrowser1->endereco(), Url("falta.htm"));
  EXPECT_EQ(Letras(*j), (QStringList{"a", "b"}));
}

TEST_F(TesteHTMLTeste, SairShowsTheRightLetter) {
  auto j = Jogo({TesteHTML("q1.htm", 4, 3), TesteHTML("q2.htm", 2, 0)});
  respostas.Responde(QMessageBox::Yes);
  j->btnSairClick();
  EXPECT_EQ(j->result(), 2);
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(2),
            (QStringList{"Quantidade de Testes: 2 - Acertos: 0 - Erros: 0", "Atividade cumprida: 0 % - Consultas: 0",
                         "Zelmo II encerrado antes do final das atividades"}));
  // Cleared on closing.
  EXPECT_EQ(j->RadioGroup1->ItemIndex(), -1);
}

TEST_F(TesteHTMLTeste, UnanswerableRecordsAreCorrupt) {
  for (const RegTesteHTML& t : {TesteHTML("q1.htm", 3, 3), TesteHTML("q1.htm", 0, 0), TesteHTML("q1.htm", 9, 1)}) {
    zelmo::ReiniciaEncerramento();
    respostas.caixas.clear();
    auto j = Jogo({TesteHTML("q2.htm", 2, 1), t});
    ASSERT_EQ(respostas.caixas.size(), 1) << t.Alternativas << " " << t.Correta;
    EXPECT_EQ(respostas.caixas[0].texto, "Arquivo TSH Corrompido!");
    EXPECT_EQ(respostas.caixas[0].titulo, "Zelmo II");
    EXPECT_TRUE(zelmo::ProgramaEncerrando());
  }
}

TEST_F(TesteHTMLTeste, APageNameThatIsNotABareNameShowsNoPage) {
  auto j = Jogo({TesteHTML("../q1.htm", 2, 1)});
  EXPECT_EQ(j->WebBrowser1->endereco(), QUrl("about:blank"));
  EXPECT_EQ(Letras(*j), (QStringList{"a", "b"}));
}

// The letters' circles are as large as the letters beside them, so the
// chosen one is seen at a glance.
TEST_F(TesteHTMLTeste, LetterCirclesGrowWithTheLetters) {
  platform::DefineTela({1366, 768, 96});  // letters of about 27 px
  auto j = Jogo({TesteHTML("q1.htm", 3, 1)});
  ASSERT_EQ(j->RadioGroup1->Quantidade(), 3);
  for (int i = 0; i < 3; ++i) {
    const QRadioButton* b = j->RadioGroup1->Item(i);
    QStyleOptionButton opcao;
    opcao.initFrom(b);
    opcao.text = b->text();
    const QRect circulo = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opcao, b);
    EXPECT_GE(circulo.width(), b->fontMetrics().height() * 3 / 4) << i;
    EXPECT_GE(circulo.height(), b->fontMetrics().height() * 3 / 4) << i;
    EXPECT_GE(circulo.width(), 20) << i;
  }
}

}  // namespace
