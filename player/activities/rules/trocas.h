// The option and title shuffles of the exercise windows: a fixed number of
// swaps of two distinct places drawn at random (not a uniform shuffle).
#pragma once

#include <QList>
#include <utility>

#include "files/convencoes.h"

namespace zelmo::regras {

inline constexpr int kTrocasEmbaralhamento = 10;

// The swaps over places 1..k, in the order drawn: each pair is drawn as
// (Sorteia(k) + 1, Sorteia(k) + 1), both drawn again while they are equal.
// With k < 2 there is nothing to swap and no draw is made.
QList<std::pair<int, int>> SorteiaTrocas(int k, files::Aleatorio& gerador,
                                         int trocas = kTrocasEmbaralhamento);

// Applies the swaps to a list indexed from 1 (place p is lista[p - 1]).
template <class T>
void AplicaTrocas(QList<T>& lista, const QList<std::pair<int, int>>& trocas) {
  for (const auto& [p, q] : trocas) lista.swapItemsAt(p - 1, q - 1);
}

}  // namespace zelmo::regras
