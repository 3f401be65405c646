// A page written by hand with Rodadas or Quant outside the bounds the
// page-list editor keeps: every activity plays the nearest allowed value.
#include "apoio_atividades.h"
#include "player/activities/assoc.h"
#include "player/activities/forca.h"
#include "player/activities/frases.h"
#include "player/activities/vf.h"

namespace {

using apoio::Frase;
using apoio::Palavra;

class LimitesTeste : public apoio::AtividadeTeste {
 protected:
  void SetUp() override {
    AtividadeTeste::SetUp();
    QList<files::RegPalavra> palavras;
    QList<files::RegFrase> frases;
    for (int i = 1; i <= 25; ++i) {
      palavras.append(Palavra("palavra" + QString(QChar('a' + i))));
      frases.append(Frase("Frase _ " + QString::number(i)));
    }
    Palavras("p.plv", palavras);
    Frases("f.fse", frases);
  }
  // The window of the page, activated; the round label it shows.
  QString Rotulo(int tipo, int rodadas, int quant) {
    Pagina(tipo, tipo == 5 || tipo == 9 ? "p.plv" : "f.fse", quant);
    zelmo::AtividadeAtual.Rodadas = rodadas;
    std::unique_ptr<zelmo::TfrmAtividade> j;
    QString rotulo;
    switch (tipo) {
      case 5: {
        auto f = Abre<zelmo::TfrmForca>();
        rotulo = f->lblRodada->text();
        j = std::move(f);
        break;
      }
      case 7: {
        auto f = Abre<zelmo::TfrmFrases>();
        rotulo = f->lblRodada->text();
        j = std::move(f);
        break;
      }
      case 9: {
        auto a = Abre<zelmo::TfrmAssoc>();
        rotulo = a->lblRodada->text();
        j = std::move(a);
        break;
      }
      case 11: {
        auto v = Abre<zelmo::TfrmVF>();
        rotulo = v->lblRodada->text();
        j = std::move(v);
        break;
      }
    }
    EXPECT_FALSE(j->terminado()) << tipo;
    EXPECT_TRUE(respostas.avisos.isEmpty()) << tipo;
    return rotulo;
  }
};

TEST_F(LimitesTeste, RoundsAndItemsAreHeldWithinTheEditorsBounds) {
  struct Caso {
    int tipo, rodadas, quant;
    const char* rotulo;
  };
  const Caso casos[] = {
      {5, 5, 0, "Palavra 1 de 1"},   {5, 5, -7, "Palavra 1 de 1"},   {5, 5, 50, "Palavra 1 de 20"},
      {7, 5, 0, "Frase 1 de 1"},     {7, 5, 21, "Frase 1 de 20"},
      {9, 0, 5, "Rodada 1 de 1"},    {9, -3, 5, "Rodada 1 de 1"},    {9, 11, 5, "Rodada 1 de 10"},
      {11, 0, 5, "Rodada 1 de 1"},   {11, 1000, 5, "Rodada 1 de 10"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Rotulo(c.tipo, c.rodadas, c.quant), c.rotulo) << c.tipo << " " << c.rodadas << " " << c.quant;
    EXPECT_GE(zelmo::AtividadeAtual.Rodadas, files::kRodadasMinimo);
    EXPECT_LE(zelmo::AtividadeAtual.Quant, files::kQuantMaximo);
  }
}

}  // namespace
