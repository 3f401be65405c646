// Our writer of rich text (RTF) from a QTextDocument: what the rich-edit
// control does when it saves.  It is the reader's counterpart
// (rtf_leitor.h): what it writes, the reader gives back with the same text
// and attributes, and what the reader kept of a document made elsewhere
// (charsets, colours, pictures with their original bytes and measures,
// tables with their cell edges, lists) is written back as it was read.
//
// The text is written in Windows-1252 (\ansicpg1252) with \'hh escapes for
// the bytes above 127; a character that code page lacks is written as \uN
// followed by a "?" for readers that do not know \u.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace platform {

// The document as RTF bytes.
QByteArray EscreveRTF(const QTextDocument& doc);

// Writes the document as RTF to the file, replacing it only when the whole
// text was written (a failed save leaves the old file as it was).  False on
// failure, with the reason in *erro when given.
bool GravaTextoRico(const QString& caminho, const QTextDocument& doc, QString* erro = nullptr);

}  // namespace platform
