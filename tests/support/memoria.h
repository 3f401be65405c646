// The process's own peak memory, for tests that feed a reader a huge file
// and check that it did not take the file into memory.
#pragma once

#include <QFile>
#include <QString>

#include "support/pasta_temporaria.h"

namespace apoio {

// Peak resident memory since the last ZeraPicoMemoria (VmHWM), in bytes.
qint64 PicoMemoria();
// Starts the peak afresh from what is resident now.
void ZeraPicoMemoria();

// A sparse file of `tamanho` bytes (all zeros, taking no disk) in the folder.
QString ArquivoEsparso(const PastaTemporaria& pasta, const QString& relativo, qint64 tamanho);

inline constexpr qint64 k2GiB = qint64(2) << 30;
// What a reader may add to the peak while refusing a huge file.
inline constexpr qint64 kFolgaMemoria = qint64(64) << 20;

}  // namespace apoio
