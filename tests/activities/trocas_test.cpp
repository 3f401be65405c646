// The ten-swap shuffle of the exercise windows.
#include <gtest/gtest.h>

#include <QSet>

#include "player/activities/rules/trocas.h"

namespace {

using namespace zelmo::regras;

// The parity of a permutation of 1..n by its cycles.
bool Par(const QList<int>& v) {
  int trocas = 0;
  QList<int> w = v;
  for (int i = 0; i < w.size(); ++i)
    while (w[i] != i + 1) {
      w.swapItemsAt(i, w[i] - 1);
      ++trocas;
    }
  return trocas % 2 == 0;
}

TEST(DezTrocas, DrawsTenPairsOfDistinctPlacesInTheGeneratorsOrder) {
  files::Aleatorio g(12345), eco(12345);
  const auto trocas = SorteiaTrocas(4, g);
  ASSERT_EQ(trocas.size(), 10);
  for (const auto& [p, q] : trocas) {
    // Replays the draws: equal pairs are drawn again without counting.
    int a = 0, b = 0;
    do {
      a = eco.Sorteia(4) + 1;
      b = eco.Sorteia(4) + 1;
    } while (a == b);
    EXPECT_EQ(p, a);
    EXPECT_EQ(q, b);
    EXPECT_NE(p, q);
  }
  EXPECT_EQ(g.semente(), eco.semente());
}

TEST(DezTrocas, AlwaysAnEvenArrangementAndEveryPlaceReachable) {
  QSet<int> lugaresDaCerta;
  for (uint32_t semente = 1; semente <= 300; ++semente) {
    files::Aleatorio g(semente);
    QList<int> v{1, 2, 3, 4, 5};
    AplicaTrocas(v, SorteiaTrocas(5, g));
    EXPECT_TRUE(Par(v)) << semente;
    lugaresDaCerta.insert(v.indexOf(1));
  }
  EXPECT_EQ(lugaresDaCerta.size(), 5);
}

TEST(DezTrocas, TwoPlacesKeepTheirOrderAndOneIsNotDrawn) {
  files::Aleatorio g(7);
  QList<int> dois{1, 2};
  AplicaTrocas(dois, SorteiaTrocas(2, g));
  EXPECT_EQ(dois, (QList<int>{1, 2}));
  const uint32_t antes = g.semente();
  EXPECT_TRUE(SorteiaTrocas(1, g).isEmpty());
  EXPECT_TRUE(SorteiaTrocas(0, g).isEmpty());
  EXPECT_EQ(g.semente(), antes);
}

}  // namespace
