// The hangman window: letter panels and keys, the slots, the figure, the
// hints, the pauses and the report block.
#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include "apoio_atividades.h"
#include "player/activities/forca.h"

namespace {

using apoio::Palavra;
using zelmo::TfrmForca;

QString U(const char* s) { return QString::fromUtf8(s); }

class ForcaTeste : public apoio::AtividadeTeste {
 protected:
  std::unique_ptr<TfrmForca> Jogo(const QList<files::RegPalavra>& palavras, int dica = 0, int porcent = 70) {
    Palavras("p.plv", palavras);
    Pagina(5, "p.plv", 20, 0, dica, porcent);
    return Abre<TfrmForca>();
  }
  static void Letra(TfrmForca& j, char c) { j.Alfa1Click(j.Alfa(c - 'A' + 1)); }
  static QString Slots(const TfrmForca& j) {
    QString s;
    for (int i = 1; i <= 20; ++i) {
      const zelmo::Painel* p = j.Slot(i);
      if (p->isHidden()) s += p->caption().isEmpty() ? "" : "#";
      else s += p->caption().isEmpty() ? QString("_") : p->caption();
    }
    return s;
  }
};

TEST_F(ForcaTeste, Layout) {
  TfrmForca j;
  EXPECT_EQ(j.Alfa(1)->geometry(), QRect(312, 144, 24, 32));
  EXPECT_EQ(j.Alfa(13)->geometry(), QRect(312 + 24 * 12, 144, 24, 32));
  EXPECT_EQ(j.Alfa(14)->geometry(), QRect(312, 176, 24, 32));
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Alfa26")->caption(), "Z");
  EXPECT_EQ(j.findChild<zelmo::Painel*>("Panel20")->geometry(), QRect(312 + 16 * 19, 64, 16, 25));
  EXPECT_EQ(j.findChild<QWidget*>("memDica")->geometry(), QRect(312, 256, 321, 185));
  EXPECT_EQ(j.findChild<QWidget*>("lblRodada")->geometry(), QRect(528, 10, 103, 20));
  const std::pair<const char*, QRect> imagens[] = {
      {"imgForca", {8, 40, 297, 433}}, {"imgBanco", {176, 364, 65, 89}}, {"imgCab1", {176, 76, 49, 101}},
      {"imgCorpo", {173, 170, 65, 97}}, {"imgBra1", {120, 88, 57, 89}},  {"imgBra2", {232, 88, 57, 89}},
      {"imgPer1", {168, 264, 41, 113}}, {"imgPer2", {208, 264, 41, 113}}, {"imgOssos", {160, 368, 97, 89}}};
  for (const auto& [nome, caixa] : imagens) {
    auto* w = j.findChild<QWidget*>(nome);
    ASSERT_TRUE(w) << nome;
    EXPECT_EQ(w->geometry(), caixa) << nome;
  }
  EXPECT_FALSE(j.imagens.imgForca->isHidden());
  EXPECT_FALSE(j.imagens.imgBanco->isHidden());
  EXPECT_TRUE(j.imagens.imgCab1->isHidden());
  EXPECT_TRUE(j.imagens.imgOssos->isHidden());
}

TEST_F(ForcaTeste, AWordWithASpaceAndOneWithAHyphen) {
  auto j = Jogo({Palavra("valva mitral"), Palavra("ano-luz")});
  EXPECT_EQ(Slots(*j), "_____#______");
  EXPECT_EQ(j->Slot(6)->caption(), " ");
  for (char c : {'V', 'A', 'L', 'M', 'I', 'T'}) Letra(*j, c);
  EXPECT_EQ(j->lblRodada->text(), "Palavra 1 de 2");
  Letra(*j, 'R');
  // Solved: the next word, its hyphen shown from the start.
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 2");
  EXPECT_EQ(Slots(*j), "___-___");
  EXPECT_TRUE(j->Alfa(1)->isEnabled());
  EXPECT_EQ(j->Alfa(1)->corFonte(), 16711680u);
}

TEST_F(ForcaTeste, PlainLettersRevealAccentsAndPlayedPanelsTurnRed) {
  auto j = Jogo({Palavra("ação"), Palavra("veia")});
  Letra(*j, 'A');
  EXPECT_EQ(Slots(*j), U("A_Ã_"));
  EXPECT_FALSE(j->Alfa(1)->isEnabled());
  EXPECT_EQ(j->Alfa(1)->corFonte(), 255u);
  Letra(*j, 'C');
  EXPECT_EQ(j->Slot(2)->caption(), U("Ç"));
  // A disabled panel plays nothing, clicked or typed.
  Letra(*j, 'A');
  j->FormKeyPress("a");
  EXPECT_EQ(j->forca()->errosPalavra(), 0);
  EXPECT_TRUE(j->imagens.imgCab1->isHidden());
}

TEST_F(ForcaTeste, TheKeyboardFoldsButNotTheCircumflex) {
  auto j = Jogo({Palavra("câmara")});
  apoio::Tecla(j.get(), U("â"));
  EXPECT_TRUE(j->Alfa(1)->isEnabled());
  EXPECT_EQ(Slots(*j), "______");
  apoio::Tecla(j.get(), U("á"));
  EXPECT_EQ(Slots(*j), U("_Â_A_A"));
  EXPECT_FALSE(j->Alfa(1)->isEnabled());
  // Keys reach the form even when a button has the focus.
  apoio::Tecla(j->btnSair, "m", Qt::Key_M);
  EXPECT_EQ(j->Slot(3)->caption(), "M");
  apoio::Tecla(j.get(), "5", Qt::Key_5);
  EXPECT_EQ(j->forca()->errosPalavra(), 0);
}

TEST_F(ForcaTeste, LettersArrivingWhileOneIsPlayedAreIgnored) {
  auto j = Jogo({Palavra("veia")});
  // Handled by the letter's own message processing, while it is busy.
  QCoreApplication::postEvent(j.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, "e"));
  Letra(*j, 'V');
  EXPECT_EQ(Slots(*j), "V___");
  EXPECT_TRUE(j->Alfa(5)->isEnabled());
  EXPECT_FALSE(j->ocupado());
}

TEST_F(ForcaTeste, LeavingWhileALetterIsPaintedEndsThePlay) {
  // Sair or Próxima pressed while the fifth miss is being painted: the word
  // is not lost afterwards, with its sound, its pause and a completion
  // message after the student has left.
  for (const bool sair : {true, false}) {
    zelmo::LinhasRelatorio.clear();
    respostas.avisos.clear();
    auto j = Jogo({Palavra("ab")}, 0, 0);
    for (char c : {'X', 'Y', 'Z', 'W'}) Letra(*j, c);
    QPushButton* botao = sair ? j->btnSair : j->btnProxima;
    QMetaObject::invokeMethod(botao, &QPushButton::click, Qt::QueuedConnection);
    const int leituras = relogio.leituras();
    Letra(*j, 'V');
    ASSERT_EQ(respostas.avisos.size(), 1) << sair;
    EXPECT_EQ(respostas.avisos[0][0], sair ? U("Você está encerrando antes de cumprir todas as atividades !")
                                           : QString());
    EXPECT_EQ(j->result(), sair ? 2 : 1);
    EXPECT_LT((relogio.leituras() - leituras) * 50, 2000) << sair;
    EXPECT_FALSE(j->ocupado());
    EXPECT_EQ(zelmo::LinhasRelatorio[2],
              "Quantidade de Palavras: 1 - Palavras Corretas: 0 - Palavras Erradas: 0 - Consultas: 0");
    EXPECT_FALSE(zelmo::ListaErros.contains("AB")) << sair;
  }
}

TEST_F(ForcaTeste, TheFigureGrowsAndTheFifthMissShowsTheWordOverTheBones) {
  auto j = Jogo({Palavra("veia"), Palavra("aorta")});
  const char erradas[] = {'B', 'C', 'D', 'F'};
  const char* partes[] = {"imgCab1", "imgCorpo", "imgBra2", "imgPer1"};
  for (int k = 0; k < 4; ++k) {
    Letra(*j, erradas[k]);
    EXPECT_FALSE(j->findChild<QWidget*>(partes[k])->isHidden()) << partes[k];
  }
  EXPECT_FALSE(j->imagens.imgBra1->isHidden());
  EXPECT_FALSE(j->imagens.imgPer2->isHidden());
  EXPECT_FALSE(j->imagens.imgBanco->isHidden());
  // During the 2000 ms pause: bones only, the whole word in the slots.
  bool viuOssos = false;
  QString palavraNaPausa;
  relogio.aCadaLeitura = [&] {
    if (!j->imagens.imgOssos->isHidden() && !viuOssos) {
      viuOssos = j->imagens.imgBanco->isHidden() && j->imagens.imgCab1->isHidden() &&
                 j->imagens.imgPer2->isHidden();
      palavraNaPausa = Slots(*j);
    }
  };
  const int leituras = relogio.leituras();
  Letra(*j, 'G');
  relogio.aCadaLeitura = nullptr;
  EXPECT_TRUE(viuOssos);
  EXPECT_EQ(palavraNaPausa, "VEIA");
  EXPECT_GE((relogio.leituras() - leituras - 1) * 50, 2000);
  // Then the next word on a new board.
  EXPECT_EQ(zelmo::ListaErros, QStringList{"VEIA"});
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 2");
  EXPECT_TRUE(j->imagens.imgOssos->isHidden());
  EXPECT_FALSE(j->imagens.imgBanco->isHidden());
  EXPECT_TRUE(j->Alfa(2)->isEnabled());
}

TEST_F(ForcaTeste, ASolvedWordPausesOneSecond) {
  auto j = Jogo({Palavra("ab"), Palavra("cd")});
  Letra(*j, 'A');
  const int antes = relogio.leituras();
  Letra(*j, 'B');
  EXPECT_GE((relogio.leituras() - antes - 1) * 50, 1000);
  EXPECT_LT((relogio.leituras() - antes - 1) * 50, 2000);
}

TEST_F(ForcaTeste, OnlyDigitsIsSolvedByTheFirstLetterWhichIsAMiss) {
  auto j = Jogo({Palavra("1500"), Palavra("veia")});
  EXPECT_EQ(Slots(*j), "1500");
  bool cabecaNaPausa = false;
  relogio.aCadaLeitura = [&] { cabecaNaPausa |= !j->imagens.imgCab1->isHidden(); };
  Letra(*j, 'E');
  relogio.aCadaLeitura = nullptr;
  EXPECT_TRUE(cabecaNaPausa);
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 2");
}

TEST_F(ForcaTeste, HintModes) {
  {
    auto j = Jogo({Palavra("veia", "leva o sangue ", "ao coração"), Palavra("aorta", "a maior")}, 0);
    EXPECT_TRUE(j->btnDica->isEnabled());
    EXPECT_EQ(j->memDica->toPlainText(), "");
    j->btnDica->click();
    EXPECT_EQ(j->memDica->toPlainText(), U("leva o sangue ao coração"));
    EXPECT_FALSE(j->btnDica->isEnabled());
    for (char c : {'V', 'E', 'I', 'A'}) Letra(*j, c);
    EXPECT_TRUE(j->btnDica->isEnabled());
    EXPECT_EQ(j->memDica->toPlainText(), "");
    j->btnDica->click();
    EXPECT_EQ(j->memDica->toPlainText(), "a maior");
    respostas.Responde(QMessageBox::Yes);
    j->btnSairClick();
    EXPECT_EQ(zelmo::LinhasRelatorio[3], U("Resolução: 50 % - Pediu Dica 2 vez(es)"));
  }
  zelmo::LinhasRelatorio.clear();
  {
    auto j = Jogo({Palavra("veia", "leva o sangue")}, 1);
    EXPECT_FALSE(j->btnDica->isEnabled());
    EXPECT_EQ(j->memDica->toPlainText(), "");
  }
  {
    auto j = Jogo({Palavra("veia", "leva o sangue")}, 2);
    EXPECT_FALSE(j->btnDica->isEnabled());
    EXPECT_EQ(j->memDica->toPlainText(), "leva o sangue");
  }
}

TEST_F(ForcaTeste, LastChanceHintComesWithTheLegsAndStays) {
  auto j = Jogo({Palavra("veia", "leva o sangue"), Palavra("aorta", "a maior")}, 3);
  EXPECT_FALSE(j->btnDica->isEnabled());
  for (char c : {'B', 'C', 'D'}) Letra(*j, c);
  EXPECT_EQ(j->memDica->toPlainText(), "");
  Letra(*j, 'F');
  EXPECT_FALSE(j->imagens.imgPer1->isHidden());
  EXPECT_EQ(j->memDica->toPlainText(), "leva o sangue");
  for (char c : {'V', 'E', 'I'}) Letra(*j, c);
  EXPECT_EQ(j->memDica->toPlainText(), "leva o sangue");
  Letra(*j, 'A');
  EXPECT_EQ(j->memDica->toPlainText(), "");
  respostas.Responde(QMessageBox::Yes);
  j->btnSairClick();
  EXPECT_EQ(zelmo::LinhasRelatorio[3], U("Resolução: 50 % - Não Pediu Dica"));
}

TEST_F(ForcaTeste, OneWordLost) {
  auto j = Jogo({Palavra("veia")});
  for (char c : {'B', 'C', 'D', 'F', 'G'}) Letra(*j, c);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0],
            (QStringList{U("Você completou esta atividade, mas teve 1 erro(s)."), "Continue estudando!"}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** JOGO DA FORCA ***",
                         "Quantidade de Palavras: 1 - Palavras Corretas: 0 - Palavras Erradas: 1 - Consultas: 0",
                         U("Resolução: 100 % - Não Pediu Dica"), U("Palavras não descobertas:"), "VEIA"}));
}

TEST_F(ForcaTeste, ProximaAtWordThreeOfFive) {
  auto j = Jogo({Palavra("ab"), Palavra("cd"), Palavra("ef"), Palavra("gh"), Palavra("ij")}, 0, 40);
  for (char c : {'A', 'B', 'C', 'D'}) Letra(*j, c);
  EXPECT_EQ(j->lblRodada->text(), "Palavra 3 de 5");
  Letra(*j, 'X');
  QString naMensagem;
  respostas.aoAvisar = [&] { naMensagem = Slots(*j); };
  j->btnProxima->click();
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0], (QStringList{"", U("Parabéns!"), U("Você acertou 40% desta atividade.")}));
  // The current word is shown before the message and counts neither way.
  EXPECT_EQ(naMensagem, "EF");
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** JOGO DA FORCA ***",
                         "Quantidade de Palavras: 5 - Palavras Corretas: 2 - Palavras Erradas: 0 - Consultas: 0",
                         U("Resolução: 40 % - Não Pediu Dica")}));
}

TEST_F(ForcaTeste, TheMessageStandsOverTheHangmanAndGivesItBackItsFocus) {
  // Shown as the run shows it (modal) and as a plain window: the message is
  // transient for the hangman, which stays visible beneath it, and OK gives
  // the hangman its focus back.
  for (bool modal : {true, false}) {
    SCOPED_TRACE(modal);
    Palavras("p.plv", {Palavra("ab"), Palavra("cd")});
    Pagina(5, "p.plv", 20, 0, 0, 70);
    auto j = std::make_unique<TfrmForca>();
    if (modal) j->setWindowModality(Qt::ApplicationModal);
    j->show();
    j->FormActivate();
    j->btnSair->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), j.get());
    QWindow* pai = nullptr;
    bool visivel = false;
    QPoint canto;
    respostas.aoAvisar = [&] {
      pai = zelmo::frmAviso->windowHandle()->transientParent();
      visivel = j->isVisible() && j->windowHandle()->isExposed();
      canto = zelmo::frmAviso->pos();
    };
    const int antes = int(respostas.avisos.size());
    j->btnProximaClick();  // 0% of 70%: the message, and the window stays
    ASSERT_EQ(respostas.avisos.size(), antes + 1);
    EXPECT_EQ(pai, j->windowHandle());
    EXPECT_TRUE(visivel);
    EXPECT_EQ(canto, QPoint(12, 12));
    for (int k = 0; k < 3; ++k) QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), j.get());
    EXPECT_EQ(QApplication::focusWidget(), j->btnSair);
  }
}

TEST_F(ForcaTeste, ProximaAfterALostWordReportsTheErrors) {
  auto j = Jogo({Palavra("ab"), Palavra("cd"), Palavra("ef")}, 0, 0);
  for (char c : {'X', 'Y', 'Z', 'W', 'V'}) Letra(*j, c);
  j->btnProximaClick();
  EXPECT_EQ(respostas.avisos.back(),
            (QStringList{"", U("Você completou 33% desta atividade, mas teve 1 erro(s)."), "Continue estudando!"}));
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(2),
            (QStringList{"Quantidade de Palavras: 3 - Palavras Corretas: 0 - Palavras Erradas: 1 - Consultas: 0",
                         U("Resolução: 33 % - Não Pediu Dica"), U("Palavras não descobertas:"), "AB"}));
}

TEST_F(ForcaTeste, SairAfterALostWordListsItBeforeTheEarlyEndLine) {
  auto j = Jogo({Palavra("ab"), Palavra("cd")});
  for (char c : {'X', 'Y', 'Z', 'W', 'V'}) Letra(*j, c);
  respostas.Responde(QMessageBox::Yes);
  j->btnSairClick();
  EXPECT_EQ(zelmo::LinhasRelatorio.mid(4),
            (QStringList{U("Palavras não descobertas:"), "AB", "Zelmo II encerrado antes do final das atividades"}));
  // The board of the word left was cleared on closing.
  EXPECT_TRUE(j->Slot(1)->isHidden());
}

}  // namespace
