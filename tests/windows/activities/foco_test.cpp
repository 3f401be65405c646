// Keys and focus of the windows that judge with "Pronto": the Tab chains,
// and Enter judging until the student herself moves the focus to another
// button.
#include <QRadioButton>
#include <functional>

#include "activities/teste_html_apoio.h"
#include "apoio_atividades.h"
#include "platform/grupo_radio.h"
#include "platform/navegador.h"
#include "player/activities/assoc.h"
#include "player/activities/frases.h"
#include "player/activities/testes.h"
#include "player/activities/teste_html.h"
#include "player/activities/vf.h"

namespace {

using apoio::Frase;
using apoio::Palavra;
using apoio::TesteHTML;

QString U(const char* s) { return QString::fromUtf8(s); }

// The name a person would give the control: a radio item by its group.
QString Nome(const QWidget* w) {
  if (!w) return QStringLiteral("(none)");
  if (qobject_cast<const QRadioButton*>(w) && w->parentWidget()) return w->parentWidget()->objectName();
  return w->objectName();
}

void Aperta(QWidget* w, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, tecla, mod);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, tecla, mod);
  QCoreApplication::sendEvent(w, &release);
}

class FocoTeste : public apoio::AtividadeTeste {
 public:
  void SetUp() override {
    AtividadeTeste::SetUp();
    Frases("f.fse", {Frase(U("O _______ bate."), U("coração"), U("pulmão"), "rim", "osso"),
                     Frase(U("A _____ é a maior artéria."), "aorta", "veia", "unha", "pele"),
                     Frase(U("As _____ levam o sangue."), "veias", U("artérias"), "unhas", "asas"),
                     Frase(U("O coração tem ______ câmaras."), "quatro", "duas", U("três"), "cinco"),
                     Frase(U("As ________ levam oxigênio."), U("hemácias"), "plaquetas", "unhas", "pedras")});
    Palavras("p.plv", {Palavra("aorta", "a maior artéria"), Palavra("veia", "traz o sangue"),
                       Palavra(U("átrio"), "recebe o sangue"), Palavra("capilar", "troca com os tecidos"),
                       Palavra("valva", "impede a volta")});
    pasta.Escreve("branco.htm", "<html><body></body></html>");
    pasta.Escreve("q1.htm", "<html><body><p>q1</p></body></html>");
    pasta.Escreve("q2.htm", "<html><body><p>q2</p></body></html>");
    pasta.Escreve("t.tsh", TesteHTML("q1.htm", 3, 1).ParaBytes() + TesteHTML("q2.htm", 2, 0).ParaBytes());
    // A text page came before: "Consulta" is on and in the chain.
    zelmo::UltimaPagina.Tipo = 0;
  }
  // The window of `tipo` over its file, shown and activated.
  template <class J>
  std::unique_ptr<J> Janela(int tipo, const QString& arquivo) {
    Pagina(tipo, arquivo, 5, 0, 0, 70);
    zelmo::AtividadeAtual.Rodadas = 2;
    auto j = Abre<J>();
    j->activateWindow();
    QCoreApplication::processEvents();
    return j;
  }
  // The controls Tab reaches from "Próxima" until it comes back to it, the
  // items of one radio group named once by their group.
  static QStringList CadeiaTab(QDialog* j, QPushButton* inicio) {
    inicio->setFocus(Qt::TabFocusReason);
    QStringList nomes;
    for (int i = 0; i < 40; ++i) {
      Aperta(j->focusWidget(), Qt::Key_Tab);
      const QString n = Nome(j->focusWidget());
      if (nomes.isEmpty() || nomes.last() != n) nomes << n;
      if (j->focusWidget() == inicio) break;
    }
    return nomes;
  }
};

TEST_F(FocoTeste, TabGoesThroughTheButtonsThenTheRadioGroupsAndShiftTabComesBackToPronto) {
  const QStringList botoes{"btnSair", "btnConsulta", "btnPronto"};
  struct Caso {
    const char* janela;
    std::function<std::unique_ptr<zelmo::TfrmAtividade>(FocoTeste&)> abre;
    QStringList grupos;
  };
  const Caso casos[] = {
      {"frases", [](FocoTeste& t) { return t.Janela<zelmo::TfrmFrases>(7, "f.fse"); }, {"RadioGroup1"}},
      {"testes", [](FocoTeste& t) { return t.Janela<zelmo::TfrmTestes>(8, "f.fse"); }, {"RadioGroup1"}},
      {"vf", [](FocoTeste& t) { return t.Janela<zelmo::TfrmVF>(11, "f.fse"); },
       {"rdgVF1", "rdgVF2", "rdgVF3", "rdgVF4", "rdgVF5"}},
      {"teste_html", [](FocoTeste& t) { return t.Janela<zelmo::TfrmTesteHTML>(12, "t.tsh"); }, {"RadioGroup1"}},
  };
  for (const Caso& c : casos) {
    auto j = c.abre(*this);
    ASSERT_TRUE(j->ativada()) << c.janela;
    EXPECT_EQ(CadeiaTab(j.get(), j->btnProxima), botoes + c.grupos + QStringList{"btnProxima"}) << c.janela;
    // Shift+Tab from the first radio item reaches "Pronto".
    auto* grupo = j->findChild<platform::GrupoRadio*>(c.grupos.first());
    ASSERT_TRUE(grupo && grupo->Item(0)) << c.janela;
    grupo->Item(0)->setFocus(Qt::TabFocusReason);
    Aperta(j->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Nome(j->focusWidget()), "btnPronto") << c.janela;
  }
}

TEST_F(FocoTeste, TheHtmlTestsBrowserNeverTakesTheFocus) {
  auto j = Janela<zelmo::TfrmTesteHTML>(12, "t.tsh");
  EXPECT_EQ(j->WebBrowser1->focusPolicy(), Qt::NoFocus);
  for (const QWidget* w : j->WebBrowser1->findChildren<QWidget*>()) EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << qPrintable(Nome(w));
}

// After a drag, which moves no focus, Enter judges the titles; once the
// student tabs to "Próxima", Enter is hers for that button.
TEST_F(FocoTeste, EnterAfterADragInTheAssociationPressesPronto) {
  auto a = Janela<zelmo::TfrmAssoc>(9, "p.plv");
  a->memPal1DragDrop(a->Pal(1), a->Pal(2));
  ASSERT_TRUE(a->focusWidget());
  EXPECT_EQ(Nome(a->focusWidget()), "btnPronto");
  Aperta(a->focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(respostas.avisos.isEmpty());
  EXPECT_NE(a->lblAcertos->text() + a->lblErros->text(), "Acertos: 0Erros: 0");

  Aperta(a->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  Aperta(a->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  Aperta(a->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(Nome(a->focusWidget()), "btnProxima");
  Aperta(a->focusWidget(), Qt::Key_Return);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0].first(), U("Para seguir em frente é necessário completar 70% desta atividade."));
}

// The fill-in phrases start on "Pronto" too: an Enter before any choice asks
// for one.
TEST_F(FocoTeste, EnterBeforeAnyChoiceInFillInPhrasesAsksForAChoice) {
  auto f = Janela<zelmo::TfrmFrases>(7, "f.fse");
  ASSERT_TRUE(f->focusWidget());
  Aperta(f->focusWidget(), Qt::Key_Return);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Você não escolheu"), U("uma opção!")}));
}

}  // namespace
