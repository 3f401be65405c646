// What the association and true-or-false windows share: the file must hold
// the five records a round needs, R rounds each drawn anew from the whole
// file, and a judged press listed, shown and counted.
#pragma once

#include <QString>
#include <memory>

#include "player/activities/exercicio.h"
#include "player/activities/rules/rodadas.h"
#include "player/activities/rules/selecao.h"

namespace zelmo {

class TfrmRodadas : public TfrmExercicio {
  Q_OBJECT
 public:
  // `caminho` is the window's path global; `poucos` the message for a file of
  // one to four records.
  TfrmRodadas(QWidget* dono, const DesenhoExercicio& desenho, const regras::FormatoDados& formato,
              QString* caminho, const char* poucos);
  ~TfrmRodadas() override;

 protected:
  // Activation: also "Rodada 1 de <R>" before the first round is drawn.
  void ZeraContadores() override;

 protected:
  virtual std::unique_ptr<regras::JogoRodadas> CriaJogo(int rodadas) = 0;
  // Draws the round's records and sets the round up; false when the file
  // failed and the program ends.
  virtual bool SorteiaRodada() = 0;
  // Shows the round as the game has it.
  virtual void MostraRodada() = 0;

  // Five distinct records drawn at random from the whole file.
  template <class R>
  bool SorteiaRegistros(const regras::RegrasSelecao<R>& regras, QList<R>* registros) {
    return SelecionaItens(formato_, *caminho_, regras::kPorRodada, true, regras, registros);
  }
  // A judged press: its wrong lines listed, the round shown, the counters,
  // then the sound and the next round when all were right.
  void Julga(const regras::Julgado& j);

  bool Iniciar() override;
  void Proximo() override;
  const regras::JogoExercicio* Exercicio() const override { return jogo_.get(); }

  std::unique_ptr<regras::JogoRodadas> jogo_;

 private:
  const regras::FormatoDados& formato_;
  QString* caminho_;
  const char* poucos_;
};

}  // namespace zelmo
