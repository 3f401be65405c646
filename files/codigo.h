// The check text that ends every data record.
#pragma once

#include <QByteArray>
#include <QString>

namespace files {

// CodigoPalavra over the bytes of a text: one byte per full group of three,
// each byte weighted by its distance from the end of the whole text.
QByteArray CodigoPalavraBytes(const QByteArray& s);

// The same over a text, through the ANSI code page.
QString CodigoPalavra(const QString& texto);

}  // namespace files
