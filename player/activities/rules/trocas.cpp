#include "player/activities/rules/trocas.h"

namespace zelmo::regras {

QList<std::pair<int, int>> SorteiaTrocas(int k, files::Aleatorio& gerador, int trocas) {
  QList<std::pair<int, int>> r;
  if (k < 2) return r;
  r.reserve(trocas);
  for (int i = 0; i < trocas; ++i) {
    int p = 0, q = 0;
    do {
      p = gerador.Sorteia(k) + 1;
      q = gerador.Sorteia(k) + 1;
    } while (p == q);
    r.append({p, q});
  }
  return r;
}

}  // namespace zelmo::regras
