// Windows-1252 text, the code page of every record and of the report file.
#pragma once

#include <QByteArray>
#include <QString>

namespace files {

// Bytes in the ANSI code page to text.  Lossless for all 256 byte values: the
// five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D) become the
// control characters of the same value.
QString DeAnsi(const QByteArray& bytes);

// Text to bytes in the ANSI code page; a character outside it becomes "?".
QByteArray ParaAnsi(const QString& texto);

// The code page's own case mappings, accented letters included
// ("ç" <-> "Ç", "õ" <-> "Õ", "œ" <-> "Œ", "ÿ" <-> "Ÿ").
QString MaiusculasAnsi(const QString& texto);
QString MinusculasAnsi(const QString& texto);

// Blanks and control characters cut from both ends, as the platform's Trim.
QString Apara(const QString& texto);

}  // namespace files
