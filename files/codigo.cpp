#include "files/codigo.h"

#include "files/texto.h"

#include <cstdint>

namespace files {

QByteArray CodigoPalavraBytes(const QByteArray& s) {
  const qsizetype n = s.size();
  QByteArray r;
  r.reserve(n / 3);
  auto byte = [&s](qsizetype i) { return static_cast<int64_t>(static_cast<unsigned char>(s[i])); };
  // Positions from 0 here: byte i weighs n - 1 - i, the last byte nothing.
  for (qsizetype j = 0; j + 2 < n; j += 3) {
    const int64_t soma = byte(j) * (n - 1 - j) + byte(j + 1) * (n - 2 - j) + byte(j + 2) * (n - 3 - j);
    r.append(static_cast<char>(soma % 220 + 32));
  }
  return r;
}

QString CodigoPalavra(const QString& texto) { return DeAnsi(CodigoPalavraBytes(ParaAnsi(texto))); }

}  // namespace files
