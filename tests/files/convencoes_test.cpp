#include "files/convencoes.h"

#include "support/relogio_falso.h"

#include <gtest/gtest.h>

using namespace files;

TEST(Aleatorio, AvancaASementeEDepoisSorteia) {
  Aleatorio a(0);
  // seed 0 -> 1: draw = (10 x 1) >> 32 = 0.
  EXPECT_EQ(a.Sorteia(10), 0);
  EXPECT_EQ(a.semente(), 1u);
  // seed 1 -> 134775814: (10 x 134775814) >> 32 = 0.
  EXPECT_EQ(a.Sorteia(10), 0);
  EXPECT_EQ(a.semente(), 134775814u);
  // The third seed, modulo 2^32, and its draw computed in 64 bits.
  const uint32_t s3 = static_cast<uint32_t>(uint64_t(134775814) * 134775813u + 1u);
  EXPECT_EQ(a.Sorteia(1000), static_cast<int>((uint64_t(1000) * s3) >> 32));
  EXPECT_EQ(a.semente(), s3);
  // The largest seed draws the top value.
  a.Semeia(0xFFFFFFFFu);
  const uint32_t s = 0xFFFFFFFFu * 134775813u + 1u;
  EXPECT_EQ(a.Sorteia(7), static_cast<int>((uint64_t(7) * s) >> 32));
}

TEST(Aleatorio, SorteiosFicamNoIntervalo) {
  Aleatorio a(12345);
  for (int i = 0; i < 2000; ++i) {
    const int n = 1 + i % 37;
    const int v = a.Sorteia(n);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, n);
  }
  EXPECT_EQ(a.Sorteia(0), 0);
  EXPECT_EQ(a.Sorteia(-3), 0);
}

TEST(Aleatorio, SemeiaDaHoraUTC) {
  apoio::RelogioFalso relogio;
  relogio.DefineUTC(43200123);
  Aleatorio a(99);
  a.SemeiaDoRelogio(relogio);
  EXPECT_EQ(a.semente(), 43200123u);
}

TEST(Porcentagem, ArredondaMetadesParaOPar) {
  const struct {
    int64_t parte, todo;
    int esperado;
  } casos[] = {{1, 8, 12},   // 12.5 -> 12
               {3, 8, 38},   // 37.5 -> 38
               {1, 3, 33},   // 33.33
               {2, 3, 67},   // 66.67
               {7, 8, 88},   // 87.5 -> 88
               {5, 8, 62},   // 62.5 -> 62
               {1, 200, 0},  // 0.5 -> 0
               {3, 200, 2},  // 1.5 -> 2
               {0, 5, 0},    {5, 5, 100}, {1, 0, 0}};
  for (const auto& c : casos) EXPECT_EQ(Porcentagem(c.parte, c.todo), c.esperado) << c.parte << "/" << c.todo;
  EXPECT_EQ(Arredonda(2.5), 2);
  EXPECT_EQ(Arredonda(3.5), 4);
  EXPECT_EQ(Arredonda(-0.5), 0);
  EXPECT_EQ(Arredonda(70.4999), 70);
}
