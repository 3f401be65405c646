// Our writer of rich text (RTF) from a QTextDocument: what the rich-edit
// control does when it saves.  It is the reader's counterpart
// (leitor.h): what it writes, the reader gives back with the same text
// and attributes, and what the reader kept of a document made elsewhere
// (charsets, colours, pictures with their original bytes and measures,
// tables with their cell edges, lists) is written back as it was read.
//
// The text is written in Windows-1252 (\ansicpg1252) with \'hh escapes for
// the bytes above 127; a character that the font's code page lacks is
// written as \uN followed by a "?" for readers that do not know \u.
#pragma once

#include <QByteArray>
#include <QString>

class QTextBlock;
class QTextDocument;

namespace platform {

// The document as RTF bytes.
QByteArray EscreveRTF(const QTextDocument& doc);

// Writes the document as RTF to the file, whole or not at all
// (files/gravacao.h): a failed save leaves the old file as it was.  False on
// failure, with the input/output error's text in *erro when given.
bool GravaTextoRico(const QString& caminho, const QTextDocument& doc, QString* erro = nullptr);

// A paragraph's indents as RTF states them, in twips (1/20 point): the left
// edge of its text (\li), its first line measured from that edge (\fi,
// negative for a hanging first line) and its right edge (\ri).
struct RecuosRTF {
  int esquerdo = 0;
  int primeiraLinha = 0;
  int direito = 0;
  bool operator==(const RecuosRTF&) const = default;
};

// The paragraph's indents, as the writer writes them.  A list paragraph's
// own left margin sits beside its list's indent, so its indents are those
// the reader kept while they still match what is shown.
RecuosRTF RecuosDe(const QTextBlock& bloco);

// Sets the paragraph's indents the way the reader lays out a paragraph read
// with them (a list paragraph keeps them beside its list's indent).
void DefineRecuos(const QTextBlock& bloco, const RecuosRTF& recuos);

}  // namespace platform
