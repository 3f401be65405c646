// Our reader of rich text (RTF) into a QTextDocument: what the rich-edit
// control does when it loads a file.  Qt reads no RTF of its own.
//
// The document is the model both programs share: the player shows it, the
// authoring editor edits it and writes it back.  What the reader reads lands
// in the document's own formats, and what a writer needs to give the same
// file back is kept beside them:
//
//  * characters: font family (fontFamilies), point size, bold, italic,
//    underline, strike-out, foreground, background (highlight), vertical
//    alignment; the font's RTF charset in kCharset;
//  * paragraphs: alignment, left and right margins, first-line indent, space
//    before and after, line height, tab positions (all in document units, see
//    TwipsParaDoc), page break before; list paragraphs belong to a QTextList
//    (disc bullets or a numbering style with its prefix and suffix) and keep
//    their RTF left and first-line indents in kRecuoEsquerdoTwips and
//    kPrimeiraLinhaTwips, since a list's own indent replaces the left margin;
//  * tables: QTextTable with fixed column widths (the right edges in twips
//    of the first row in kBordasCelulasTwips) and the cell shading;
//  * pictures: an image resource named "rtfpict:<n>" holding the decoded
//    picture, and an image format of the shown size with the original bytes
//    in kFiguraDados, their kind in kFiguraTipo ("png", "jpeg", "dib",
//    "wbitmap", "wmf", "emf") and the \picw, \pich, \picwgoal, \pichgoal,
//    \picscalex and \picscaley values in kFiguraMedidas (a device-dependent
//    bitmap's \wbmbitspixel and \wbmwidthbytes in kFiguraBitmap).
//
// Malformed input never stops the reader: unbalanced braces, huge numbers,
// truncated data and deep nesting give what could be read.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextFormat>
#include <memory>

class QTextDocument;

namespace platform {

namespace rtf_interno {
class Leitor;
}

namespace rtf {
inline constexpr int kCharset = QTextFormat::UserProperty + 1;
inline constexpr int kFiguraDados = QTextFormat::UserProperty + 2;
inline constexpr int kFiguraTipo = QTextFormat::UserProperty + 3;
inline constexpr int kFiguraMedidas = QTextFormat::UserProperty + 4;  // QList<int> of six
inline constexpr int kRecuoEsquerdoTwips = QTextFormat::UserProperty + 5;
inline constexpr int kPrimeiraLinhaTwips = QTextFormat::UserProperty + 6;
inline constexpr int kBordasCelulasTwips = QTextFormat::UserProperty + 7;  // QList<int>
inline constexpr int kFiguraBitmap = QTextFormat::UserProperty + 8;  // QList<int> of two
}  // namespace rtf

// Document units are pixels at the document's dots per inch (the screen's
// logical resolution, 96 without a screen); font sizes stay in points.
double DpiDocumento();
double TwipsParaDoc(double twips);
double DocParaTwips(double unidades);

// The bytes open an RTF document ("{\rtf", blanks allowed before it).
bool EhRTF(const QByteArray& bytes);

// How a document is read for showing.
struct OpcoesRTF {
  // A table of more rows than this goes in as consecutive tables of this
  // many rows, laid out one after the other with nothing between them: a
  // view then lays out the first screen of a long table without the rest,
  // which a single table does not allow.  0: every table whole, as an
  // editor that works on whole tables and writes them back needs.
  int linhasPorTabela = 0;
};
// The parts a view of a document takes for its long tables.
inline constexpr int kLinhasPorTabelaVista = 100;

// The largest file read as rich text: 16 MiB.  The rich-text editor writes
// text of a few bytes a character and pictures as hexadecimal, two bytes a
// byte, so this holds some thousands of pages of text or about 8 MiB of
// pictures, well past any teacher's document; a larger file is no document
// of ours and is not read at all, so a page never reads gigabytes.
inline constexpr qint64 kMaiorTextoRico = qint64(16) << 20;

// The RTF in the bytes read into the document a piece at a time, so that a
// view shows the beginning of a long document while the rest is read: the
// document is emptied when the reading begins, and each piece adds to it
// what it completes (a long table one part of OpcoesRTF at a time).  The
// document must outlive the reading; one left unfinished keeps what was
// read.
class LeituraEmPartes {
 public:
  LeituraEmPartes(QByteArray bytes, QTextDocument* doc, const OpcoesRTF& opcoes = {});
  ~LeituraEmPartes();
  LeituraEmPartes(const LeituraEmPartes&) = delete;
  LeituraEmPartes& operator=(const LeituraEmPartes&) = delete;

  // Reads about `bytes` more bytes of the RTF; false once the document is
  // whole.
  bool Continua(qsizetype bytes);
  bool Terminada() const { return !leitor_; }

 private:
  QByteArray bytes_;
  QTextDocument* doc_;
  bool desfazer_;
  std::unique_ptr<rtf_interno::Leitor> leitor_;  // none once the document is whole
};

// Replaces the document's content with the RTF in the bytes.
void LeRTF(const QByteArray& bytes, QTextDocument* doc, const OpcoesRTF& opcoes = {});

// Replaces the document's content with the bytes as the rich-edit control
// takes them: RTF when they are RTF, else their Windows-1252 text (UTF-8
// after the UTF-8 mark) as plain text.
void PoeTextoRico(const QByteArray& bytes, QTextDocument* doc, const OpcoesRTF& opcoes = {});
// The same, with RTF read a piece at a time: the reading, which the caller
// takes on; plain text is put in at once, and there is none (null).
std::unique_ptr<LeituraEmPartes> ComecaTextoRico(QByteArray bytes, QTextDocument* doc, const OpcoesRTF& opcoes = {});

// Replaces the document's content with the file, as the rich-edit control
// loads it: RTF when the file is RTF, else its Windows-1252 text as plain
// text.  A file that cannot be read, or is larger than kMaiorTextoRico,
// leaves the document empty; false then.
bool CarregaTextoRico(const QString& caminho, QTextDocument* doc, const OpcoesRTF& opcoes = {});
// The file's bytes as CarregaTextoRico reads them; false (and no bytes)
// when it cannot be read or is larger than kMaiorTextoRico.
bool LeArquivoTextoRico(const QString& caminho, QByteArray* bytes);

}  // namespace platform
