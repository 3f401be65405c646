// What the frame asks of every exercise that judges with "Pronto": its
// percentage, its error count and its count lines.
#pragma once

#include <QStringList>

namespace zelmo::regras {

class JogoExercicio {
 public:
  virtual ~JogoExercicio() = default;
  virtual int Porcentagem() const = 0;                     // P
  virtual int Erros() const = 0;                           // E
  virtual QStringList LinhasContagem(int consultas) const = 0;
};

}  // namespace zelmo::regras
