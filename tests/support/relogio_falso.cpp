#include "support/relogio_falso.h"

namespace apoio {

int RelogioFalso::MilissegundosDoDia() const {
  ++leituras_;
  int t = agora_;
  agora_ = (agora_ + passo_) % 86400000;
  return t;
}

}  // namespace apoio
