// An HTML file as the HTML editor reads and writes it: the teacher's page
// comes back in the encoding it was found in (Windows-1252, or UTF-8 where
// the page says so or starts with the UTF-8 mark) and with the line endings
// it was found with.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace pravo {

struct FormaHTML {
  bool utf8 = false;  // else Windows-1252
  bool marca = false;  // the UTF-8 byte-order mark leads the file
  QByteArray fimDeLinha = "\r\n";  // the first line ending found; CR LF in a new page
  bool declarava = false;  // the page declared UTF-8 when it was read
  bool operator==(const FormaHTML&) const = default;
};

struct ArquivoHTML {
  QString texto;  // lines broken by "\n"
  FormaHTML forma;
  QList<QByteArray> fins;  // each line's own ending, in order ("\r\n", "\n" or "\r")
};

// The page declares UTF-8 (a meta charset or the XML declaration).
bool DeclaraUTF8(const QString& texto);

// The file's bytes as text.  A page that declares UTF-8 but whose bytes are
// not UTF-8 is read as Windows-1252, so no byte is lost.
ArquivoHTML LeHTML(const QByteArray& bytes);

// The text as the file's bytes.  Each line keeps the ending it had in the
// file read (`lido`): the lines before and after the part edited are matched
// with those read, a line of the edited part takes the ending of the line
// read at its place (or else of the line above it), and a page of new lines
// takes the form's ending.  In UTF-8 when the file was UTF-8 or the text
// has come to declare UTF-8 since it was read, else in Windows-1252, where a character the code page
// lacks is written as its numeric character reference ("&#8364;" style), so
// nothing typed is lost.
QByteArray GravaHTML(const QString& texto, const FormaHTML& forma, const ArquivoHTML& lido = {});

}  // namespace pravo
