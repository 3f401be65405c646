// Fill-in phrases ("Completando Frases", page kind 7): a phrase with gaps and
// four options; choosing one fills the gaps, "Pronto" judges it.
#pragma once

#include "player/activities/opcoes.h"

namespace zelmo {

class TfrmFrases : public TfrmOpcoes {
  Q_OBJECT
 public:
  explicit TfrmFrases(QWidget* dono = nullptr);

 protected:
  std::unique_ptr<regras::JogoOpcoes> CriaJogo(QList<files::RegFrase> itens) override;
};

}  // namespace zelmo
