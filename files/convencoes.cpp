#include "files/convencoes.h"

#include <QTime>
#include <QTimeZone>
#include <cmath>
#include <limits>

namespace files {

int RelogioSistema::MilissegundosDoDia() const {
  const QTime t = QTime::currentTime();
  return ((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec();
}

int RelogioSistema::MilissegundosUTC() const {
  const QTime t = QDateTime::currentDateTimeUtc().time();
  return t.msecsSinceStartOfDay();
}

QDateTime RelogioSistema::Agora() const { return QDateTime::currentDateTime(); }

RelogioSistema& RelogioSistema::Instancia() {
  static RelogioSistema relogio;
  return relogio;
}

void Aleatorio::SemeiaDoRelogio(const Relogio& relogio) {
  semente_ = static_cast<uint32_t>(relogio.MilissegundosUTC());
}

int Aleatorio::Sorteia(int n) {
  semente_ = semente_ * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * semente_) >> 32);
}

int Arredonda(double valor) {
  // Halves to even under the default rounding mode; out-of-range values are
  // held at the ends of int rather than overflowing.
  const double r = std::nearbyint(valor);
  if (std::isnan(r)) return 0;
  if (r >= 2147483647.0) return std::numeric_limits<int>::max();
  if (r <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}

int Porcentagem(int64_t parte, int64_t todo) {
  if (todo <= 0) return 0;
  const int64_t num = 100 * parte;
  int64_t q = num / todo;
  int64_t r = num % todo;
  if (r < 0) {  // floor division for negative parts
    r += todo;
    --q;
  }
  if (2 * r > todo || (2 * r == todo && (q % 2 != 0))) ++q;
  return static_cast<int>(q);
}

}  // namespace files
