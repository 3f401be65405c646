// The paragraph indents as the rich-text editor's toolbar and ruler see
// them, in whole points: the first line's indent from the margin
// (FirstIndent), the other lines' offset from the first (LeftIndent) and the
// right indent (RightIndent); and the ruler's marker positions computed from
// them and back.
//
// The document keeps a paragraph's RTF indents (the writer's RecuosDe):
// FirstIndent is the left indent plus the first line's, LeftIndent the first
// line's negated.
#pragma once

class QTextBlock;
class QTextCursor;

namespace pravo {

struct Recuos {
  int primeira = 0;  // FirstIndent
  int esquerda = 0;  // LeftIndent
  int direita = 0;   // RightIndent
  bool operator==(const Recuos&) const = default;
};

Recuos RecuosDe(const QTextBlock& bloco);

// Sets the chosen indents (a sum of the Campo values) of every paragraph
// the cursor's selection touches (the caret's paragraph when nothing is
// selected); each paragraph keeps its other indents.  No line starts left of
// the margin and the right indent is not negative.
enum Campo { kPrimeira = 1, kEsquerda = 2, kDireita = 4, kTodos = 7 };
void AplicaRecuos(QTextCursor cursor, const Recuos& recuos, int campos = kTodos);

// Bullets on (a disc list; neighbouring bulleted paragraphs share one) or
// off for the paragraphs the cursor's selection touches; the paragraphs'
// indents stay as they were.
void AplicaMarcadores(QTextCursor cursor, bool ligados);
bool TemMarcadores(const QTextBlock& bloco);

// The ruler.  Screen pixels per point: the document's resolution over 72
// (4/3 on a 96 dots-per-inch screen).  Marker lefts from the indents, and the
// indents a marker dropped at `esquerda` with the grab offset gives.
struct PosicoesRegua {
  int primeira;  // FirstInd left
  int esquerda;  // LeftInd left
  int direita;   // RightInd left
  bool operator==(const PosicoesRegua&) const = default;
};
PosicoesRegua PosicoesDe(const Recuos& recuos, int larguraRegua);
// FirstIndent from the first-line marker.
int PrimeiraDaRegua(int esquerda, int deslocamento);
// LeftIndent from the left marker, given FirstIndent.
int EsquerdaDaRegua(int esquerda, int deslocamento, int primeira);
// RightIndent from the right marker.
int DireitaDaRegua(int esquerda, int deslocamento, int larguraRegua);

}  // namespace pravo
