// "Consulta" from an activity when the last text page was a hypertext page:
// the long-lived page window shows that page again, "Próxima" is offered
// (it returns to the activity), and the activity goes on.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "apoio_atividades.h"
#include "player/activities/forca.h"
#include "player/pages/hiper.h"
#include "windows/pages/apoio_hiper.h"

namespace {

class ConsultaHiper : public apoio::AtividadeTeste {};

TEST_F(ConsultaHiper, MostraAUltimaPaginaDeHipertextoEVolta) {
  Palavras("p.plv", {apoio::Palavra("aorta", "vaso"), apoio::Palavra("veia", "vaso")});
  apoio::GravaHiper(pasta.caminho() + "a.hpr", apoio::PaginaHiper("Página A", "", ""),
                    {apoio::ItemHiper("Um item", "", -1, -1)});
  zelmo::TfrmHiper hiper;
  zelmo::frmHiper = &hiper;
  files::RegPagina texto;
  texto.Tipo = files::kHipertexto;
  texto.Arquivo = "a.hpr";
  texto.Prepara();
  zelmo::UltimaPagina = texto;
  zelmo::UltimaAtividade = true;  // the activity is the subject's last page

  QString titulo;
  int itens = -1;
  bool proxima = false;
  respostas.outra = [&](QWidget* w) {
    if (w != &hiper || !hiper.ativada()) return;
    titulo = hiper.lblTitulo->text();
    itens = hiper.lstItens->count();
    proxima = hiper.btnProxima->isVisible() && hiper.btnProxima->isEnabled();
    hiper.btnProxima->click();
  };
  Pagina(files::kForca, "p.plv");
  zelmo::AtividadeAtual.Retorno = true;
  auto j = Abre<zelmo::TfrmForca>();
  ASSERT_TRUE(j->btnConsulta->isEnabled());
  j->btnConsulta->click();
  EXPECT_EQ(titulo, "Página A");
  EXPECT_EQ(itens, 1);
  EXPECT_TRUE(proxima);
  EXPECT_TRUE(j->isVisible());
  EXPECT_FALSE(j->terminado());
  EXPECT_EQ(j->consultas(), 1);
  EXPECT_EQ(zelmo::AtividadeAtual.Tipo, files::kForca);
  zelmo::frmHiper = nullptr;
}

}  // namespace
