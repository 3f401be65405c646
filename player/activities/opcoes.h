// What the fill-in phrases and tests windows share: the phrase or question
// box, the four option memos over a radio group of four items, the choice of
// an option (by the memo or by the radio item, once), the judgement of
// "Pronto", and the loading of the phrases or tests with their duplicate rule.
#pragma once

#include <QList>
#include <array>
#include <memory>

#include "files/registros.h"
#include "platform/grupo_radio.h"
#include "player/activities/exercicio.h"
#include "player/activities/memo.h"
#include "player/activities/rules/opcoes.h"

namespace zelmo {

// What differs between the two windows.
struct DesenhoOpcoes {
  DesenhoExercicio exercicio;
  const char* textoLabel1;  // " Frase ", " Questão "
  const char* textoGrupo;   // " Opções ", " Respostas "
  std::array<int, regras::kOpcoes> larguraOp;  // memOp1..memOp4
  std::array<int, regras::kOpcoes> alturaOp;
  const regras::FormatoDados* formato;
  const char* titulo;       // of the report block
  const char* cabecalho;    // of its wrong list
};

class TfrmOpcoes : public TfrmExercicio {
  Q_OBJECT
 public:
  TfrmOpcoes(QWidget* dono, const DesenhoOpcoes& desenho);
  ~TfrmOpcoes() override;

  QFrame* Panel1;
  QFrame* Bevel1;
  QLabel* Label1;
  CaixaMemo* memFrase;
  platform::GrupoRadio* RadioGroup1;
  std::array<CaixaMemo*, regras::kOpcoes> memOp{};

  CaixaMemo* Op(int k) const { return k >= 1 && k <= regras::kOpcoes ? memOp[static_cast<size_t>(k - 1)] : nullptr; }
  const regras::JogoOpcoes* jogo() const { return jogo_.get(); }
  // How many choices were made (each plays the click once).
  int escolhas() const { return escolhas_; }

  // The records of the page: the first n in file order (Ordem 0) or n
  // distinct ones at random; false when the file failed and the program ends.
  bool EscolheFrases(int n, QList<files::RegFrase>* frases);
  bool EscolheFrases1(int n, QList<files::RegFrase>* frases);
  bool EscolheFrases2(int n, QList<files::RegFrase>* frases);

  // Option k (1..4) chosen by a click on its memo.
  void memOp1Click(int k);
  // The radio group's selection changed (by the student or the program).
  void RadioGroup1Click();
  void btnProntoClick() override;

 protected:
  virtual std::unique_ptr<regras::JogoOpcoes> CriaJogo(QList<files::RegFrase> itens) = 0;

  bool Iniciar() override;
  void Proximo() override;
  void Limpa() override;
  void MostraResposta() override;
  const regras::JogoExercicio* Exercicio() const override { return jogo_.get(); }
  QString TituloRelatorio() const override;
  QString CabecalhoErros() const override;

 private:
  // Shows the game's box and options.
  void Mostra();

  const DesenhoOpcoes desenho_;
  std::unique_ptr<regras::JogoOpcoes> jogo_;
  bool escolhendo_ = false;
  int escolhas_ = 0;
};

}  // namespace zelmo
