#include "player/activities/frases.h"

namespace zelmo {

namespace {

const DesenhoOpcoes kDesenhoFrases{
    {"Completando Frases", 280, 388, 540, 89, LinhaBotoes::Pronto188, "Frase 1 de 5"},
    " Frase ",
    " Opções ",
    {271, 270, 270, 270},
    {89, 81, 89, 81},
    &regras::kFormatoFrases,
    "COMPLETANDO FRASES",
    "Frase completadas incorretamente:"};

}  // namespace

TfrmFrases::TfrmFrases(QWidget* dono) : TfrmOpcoes(dono, kDesenhoFrases) {
  setObjectName("frmFrases");
  FormCreate();
}

std::unique_ptr<regras::JogoOpcoes> TfrmFrases::CriaJogo(QList<files::RegFrase> itens) {
  return std::make_unique<regras::JogoFrases>(std::move(itens), Gerador);
}

}  // namespace zelmo
