// Multiple-choice tests ("Testes", page kind 8): a question and four answers;
// "Pronto" judges the answer chosen.
#pragma once

#include "player/activities/opcoes.h"

namespace zelmo {

class TfrmTestes : public TfrmOpcoes {
  Q_OBJECT
 public:
  explicit TfrmTestes(QWidget* dono = nullptr);

 protected:
  std::unique_ptr<regras::JogoOpcoes> CriaJogo(QList<files::RegFrase> itens) override;
};

}  // namespace zelmo
