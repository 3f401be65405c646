#include "player/activities/testes.h"

namespace zelmo {

namespace {

const DesenhoOpcoes kDesenhoTestes{
    {"Testes", 232, 340, 544, 85, LinhaBotoes::Pronto116, "Teste 1 de 5"},
    " Questão ",
    " Respostas ",
    {271, 271, 271, 271},
    {89, 89, 89, 89},
    &regras::kFormatoTestes,
    "TESTES",
    "Testes incorretos:"};

}  // namespace

TfrmTestes::TfrmTestes(QWidget* dono) : TfrmOpcoes(dono, kDesenhoTestes) {
  setObjectName("frmTestes");
  FormCreate();
}

std::unique_ptr<regras::JogoOpcoes> TfrmTestes::CriaJogo(QList<files::RegFrase> itens) {
  return std::make_unique<regras::JogoTestes>(std::move(itens), Gerador);
}

}  // namespace zelmo
