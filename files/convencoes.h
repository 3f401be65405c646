// Conventions both programs share: the random generator, the clock it is
// seeded from, and the rounding of percentages.
#pragma once

#include <QDateTime>
#include <cstdint>

namespace files {

// The time source.  Windows and rules take one, so tests move time by hand.
class Relogio {
 public:
  virtual ~Relogio() = default;
  // Local time of day in milliseconds.
  virtual int MilissegundosDoDia() const = 0;
  // UTC time of day in milliseconds (the seed).
  virtual int MilissegundosUTC() const = 0;
  // Local date and time (the report header).
  virtual QDateTime Agora() const = 0;
};

// The machine's clock.
class RelogioSistema : public Relogio {
 public:
  int MilissegundosDoDia() const override;
  int MilissegundosUTC() const override;
  QDateTime Agora() const override;
  static RelogioSistema& Instancia();
};

// 32-bit linear congruential generator: seed := seed x 134775813 + 1; a draw
// in 0..N-1 is the high 32 bits of the 64-bit product N x seed.
class Aleatorio {
 public:
  explicit Aleatorio(uint32_t semente = 0) : semente_(semente) {}
  void Semeia(uint32_t semente) { semente_ = semente; }
  void SemeiaDoRelogio(const Relogio& relogio);
  uint32_t semente() const { return semente_; }
  // A draw in 0..n-1 (0 when n <= 0).
  int Sorteia(int n);

 private:
  uint32_t semente_;
};

// Integers rounded to the nearest, halves to the even neighbour.
int Arredonda(double valor);
// 100 x parte / todo, rounded so, computed exactly (0 when todo <= 0).
int Porcentagem(int64_t parte, int64_t todo);

}  // namespace files
