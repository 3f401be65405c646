// The scrambled-word window: tiles dropped on slots, through the drag
// handlers and through drop events, with the figure, the pauses and the
// report block.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "apoio_atividades.h"
#include "player/activities/emb.h"

namespace {

using apoio::Palavra;
using zelmo::Painel;
using zelmo::TfrmEmb;

QString U(const char* s) { return QString::fromUtf8(s); }

class EmbTeste : public apoio::AtividadeTeste {
 protected:
  std::unique_ptr<TfrmEmb> Jogo(const QList<files::RegPalavra>& palavras, int dica = 0) {
    Palavras("p.plv", palavras);
    Pagina(6, "p.plv", 20, 0, dica);
    return Abre<TfrmEmb>();
  }
  // The first tile shown holding the character.
  static Painel* Peca(const TfrmEmb& j, const QString& c) {
    for (Painel* t : j.pecas)
      if (!t->isHidden() && t->caption() == c) return t;
    return nullptr;
  }
  static void Solta(TfrmEmb& j, const QString& c, int slot) { j.Panel1DragDrop(j.Slot(slot), Peca(j, c)); }
  static QString Slots(const TfrmEmb& j) {
    QString s;
    for (int i = 1; i <= 20; ++i) {
      const Painel* p = j.Slot(i);
      if (p->isHidden()) s += p->caption().isEmpty() ? "" : "#";
      else s += p->caption().isEmpty() ? QString("_") : p->caption();
    }
    return s;
  }
  static QString Pecas(const TfrmEmb& j) {
    QString s;
    for (Painel* t : j.pecas)
      if (!t->isHidden()) s += t->caption();
    return s;
  }
};

TEST_F(EmbTeste, LayoutAndANewWord) {
  auto j = Jogo({Palavra("valva mitral", "entre o átrio e o ventrículo esquerdos")}, 2);
  EXPECT_EQ(j->windowTitle(), "Palavra Embaralhada");
  EXPECT_EQ(j->Slot(1)->geometry(), QRect(312, 72, 16, 25));
  EXPECT_EQ(j->Slot(7)->tag(), 7);
  EXPECT_EQ(j->findChild<Painel*>("Panel21")->geometry(), QRect(312, 152, 16, 25));
  EXPECT_EQ(j->findChild<QWidget*>("memDica")->geometry(), QRect(312, 232, 321, 209));
  EXPECT_EQ(j->findChild<QWidget*>("Label3")->pos(), QPoint(312, 48));
  EXPECT_EQ(j->findChild<QWidget*>("Label5")->pos(), QPoint(312, 208));
  // Every slot shown and empty, the gap's too; the tiles are the word's
  // characters in the scrambled order.
  EXPECT_EQ(Slots(*j), "____________");
  EXPECT_EQ(Pecas(*j), j->emb()->embaralhada());
  QString a = Pecas(*j), b = "VALVA MITRAL";
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(a, b);
  EXPECT_TRUE(j->findChild<Painel*>("Panel33")->isHidden());
  EXPECT_EQ(j->memDica->toPlainText(), U("entre o átrio e o ventrículo esquerdos"));
  EXPECT_EQ(j->lblRodada->text(), "Palavra 1 de 1");
}

TEST_F(EmbTeste, RepeatedLettersAreInterchangeableAndTheWordIsSolved) {
  auto j = Jogo({Palavra("arara"), Palavra("veia")});
  for (int slot : {5, 1, 3}) Solta(*j, "A", slot);
  Solta(*j, "R", 4);
  EXPECT_EQ(Slots(*j), "A_ARA");
  EXPECT_EQ(Pecas(*j), "R");
  const int antes = relogio.leituras();
  Solta(*j, "R", 2);
  EXPECT_GE((relogio.leituras() - antes - 1) * 50, 1000);
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 2");
  EXPECT_EQ(Slots(*j), "____");
  EXPECT_TRUE(j->imagens.imgCab1->isHidden());
}

TEST_F(EmbTeste, AccentedTilesAndWrongDrops) {
  auto j = Jogo({Palavra("ação")});
  Painel* til = Peca(*j, U("Ã"));
  j->Panel1DragDrop(j->Slot(1), til);
  EXPECT_FALSE(j->imagens.imgCab1->isHidden());
  EXPECT_FALSE(til->isHidden());  // the tile stays where it was
  EXPECT_EQ(j->Slot(1)->caption(), "");
  j->Panel1DragDrop(j->Slot(3), til);
  EXPECT_TRUE(til->isHidden());
  EXPECT_EQ(j->Slot(3)->caption(), U("Ã"));
  Solta(*j, "A", 1);
  EXPECT_EQ(Slots(*j), U("A_Ã_"));
  EXPECT_TRUE(j->imagens.imgCorpo->isHidden());
}

TEST_F(EmbTeste, AFilledSlotAndOtherPlacesRefuseTheTile) {
  auto j = Jogo({Palavra("veia")});
  Solta(*j, "V", 1);
  Painel* e = Peca(*j, "E");
  EXPECT_FALSE(j->Panel1DragOver(j->Slot(1), e));
  EXPECT_TRUE(j->Panel1DragOver(j->Slot(2), e));
  // A slot beyond the word, a tile as target, something that is no tile.
  EXPECT_FALSE(j->Panel1DragOver(j->Slot(5), e));
  EXPECT_FALSE(j->Panel1DragOver(j->Slot(2), j->btnSair));
  EXPECT_FALSE(j->Panel1DragOver(j->Slot(2), j->Slot(3)));
  j->Panel1DragDrop(j->Slot(1), e);
  EXPECT_EQ(j->emb()->errosPalavra(), 0);
  EXPECT_EQ(j->Slot(1)->caption(), "V");
  EXPECT_FALSE(e->isHidden());
  EXPECT_TRUE(j->imagens.imgCab1->isHidden());
}

TEST_F(EmbTeste, TheGapTileFitsOnlyTheGap) {
  auto j = Jogo({Palavra("ano luz")});
  Solta(*j, " ", 1);
  EXPECT_EQ(j->emb()->errosPalavra(), 1);
  EXPECT_FALSE(j->Slot(4)->isHidden());
  Solta(*j, " ", 4);
  EXPECT_TRUE(j->Slot(4)->isHidden());
  EXPECT_EQ(j->Slot(4)->caption(), " ");
  EXPECT_EQ(Slots(*j), "___#___");
}

TEST_F(EmbTeste, TheFifthWrongDropLosesTheWord) {
  auto j = Jogo({Palavra("veia"), Palavra("aorta")});
  QString tilesNaPausa, palavraNaPausa;
  relogio.aCadaLeitura = [&] {
    if (tilesNaPausa.isEmpty()) {
      tilesNaPausa = Pecas(*j);
      palavraNaPausa = Slots(*j);
    }
  };
  for (int k = 0; k < 5; ++k) Solta(*j, "V", 2 + k % 3);
  relogio.aCadaLeitura = nullptr;
  EXPECT_EQ(palavraNaPausa, "VEIA");
  EXPECT_EQ(tilesNaPausa.size(), 4);  // the tiles stay during the pause
  EXPECT_EQ(zelmo::ListaErros, QStringList{"VEIA"});
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 2");
  respostas.Responde(QMessageBox::Yes);
  j->btnSairClick();
  EXPECT_EQ(zelmo::LinhasRelatorio,
            (QStringList{"", "*** PALAVRA EMBARALHADA ***",
                         "Quantidade de Palavras: 2 - Palavras Corretas: 0 - Palavras Erradas: 1 - Consultas: 0",
                         U("Resolução: 50 % - Não Pediu Dica"), U("Palavras não descobertas:"), "VEIA",
                         "Zelmo II encerrado antes do final das atividades"}));
}

TEST_F(EmbTeste, CompletionWithALostWord) {
  auto j = Jogo({Palavra("ab")});
  for (int k = 0; k < 5; ++k) Solta(*j, "A", 2);
  ASSERT_EQ(respostas.avisos.size(), 1);
  EXPECT_EQ(respostas.avisos[0],
            (QStringList{U("Você completou esta atividade, mas teve 1 erro(s)."), "Continue estudando!"}));
  EXPECT_EQ(j->result(), 1);
  EXPECT_EQ(zelmo::LinhasRelatorio[1], "*** PALAVRA EMBARALHADA ***");
}

TEST_F(EmbTeste, AnEmptyWordDoesNotBlockTheActivity) {
  auto j = Jogo({Palavra(""), Palavra("veia")});
  EXPECT_EQ(j->lblRodada->text(), "Palavra 2 de 2");
  EXPECT_EQ(Pecas(*j).size(), 4);
}

// The drag's own events reach the handlers: a slot accepts a tile while it is
// empty, and the drop is judged once the drag has ended.
TEST_F(EmbTeste, DropEventsGoThroughTheHandlers) {
  auto j = Jogo({Palavra("veia")});
  Painel* v = Peca(*j, "V");
  Painel* e = Peca(*j, "E");
  auto evento = [](QEvent::Type tipo, Painel* alvo, Painel* peca) {
    auto* dados = new QMimeData;
    dados->setData(zelmo::kMimePainel, peca->objectName().toUtf8());
    const QPointF centro(alvo->width() / 2.0, alvo->height() / 2.0);
    std::unique_ptr<QDropEvent> ev;
    if (tipo == QEvent::DragEnter)
      ev = std::make_unique<QDragEnterEvent>(centro.toPoint(), Qt::MoveAction, dados, Qt::LeftButton, Qt::NoModifier);
    else
      ev = std::make_unique<QDropEvent>(centro, Qt::MoveAction, dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, ev.get());
    const bool aceito = ev->isAccepted();
    delete dados;
    return aceito;
  };
  EXPECT_TRUE(evento(QEvent::DragEnter, j->Slot(1), v));
  EXPECT_TRUE(evento(QEvent::Drop, j->Slot(1), v));
  EXPECT_EQ(j->Slot(1)->caption(), "");  // not yet: after the drag
  ASSERT_TRUE(apoio::Espera([&] { return j->Slot(1)->caption() == "V"; }, 2000));
  EXPECT_TRUE(v->isHidden());
  // The filled slot now refuses.
  EXPECT_FALSE(evento(QEvent::DragEnter, j->Slot(1), e));
  EXPECT_FALSE(evento(QEvent::Drop, j->Slot(1), e));
  QCoreApplication::processEvents();
  EXPECT_EQ(j->emb()->errosPalavra(), 0);
}

}  // namespace
