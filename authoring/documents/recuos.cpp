#include "authoring/documents/recuos.h"

#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <cmath>

#include "platform/rtf/escritor.h"
#include "platform/rtf/leitor.h"

namespace pravo {

namespace {

bool EhMarcador(QTextListFormat::Style estilo) {
  return estilo == QTextListFormat::ListDisc || estilo == QTextListFormat::ListCircle ||
         estilo == QTextListFormat::ListSquare;
}

// The blocks the cursor's selection touches, in order.
QList<QTextBlock> Blocos(const QTextCursor& cursor) {
  QTextDocument* doc = cursor.document();
  QTextBlock b = doc->findBlock(cursor.selectionStart());
  const QTextBlock ultimo = doc->findBlock(cursor.selectionEnd());
  QList<QTextBlock> blocos;
  for (; b.isValid(); b = b.next()) {
    blocos << b;
    if (b == ultimo) break;
  }
  return blocos;
}

// Writes the indents into the block as RTF states them.
void FormataRecuos(const QTextBlock& bloco, const Recuos& r) {
  platform::DefineRecuos(bloco, {(r.primeira + r.esquerda) * 20, -r.esquerda * 20, r.direita * 20});
}

Recuos Limita(Recuos r) {
  r.primeira = std::max(0, r.primeira);
  if (r.primeira + r.esquerda < 0) r.esquerda = -r.primeira;
  r.direita = std::max(0, r.direita);
  return r;
}

double PixelsPorPonto() { return platform::DpiDocumento() / 72.0; }
int Pixels(int pontos) { return int(std::trunc(pontos * PixelsPorPonto())); }
int Pontos(int pixels) { return int(std::trunc(pixels / PixelsPorPonto())); }

}  // namespace

Recuos RecuosDe(const QTextBlock& bloco) {
  const platform::RecuosRTF r = platform::RecuosDe(bloco);
  // Whole points, cut toward zero, as the rich-edit control gives them.
  return {(r.esquerdo + r.primeiraLinha) / 20, -r.primeiraLinha / 20, r.direito / 20};
}

void AplicaRecuos(QTextCursor cursor, const Recuos& recuos, int campos) {
  cursor.beginEditBlock();
  for (const QTextBlock& b : Blocos(cursor)) {
    Recuos r = RecuosDe(b);
    if (campos & kPrimeira) r.primeira = recuos.primeira;
    if (campos & kEsquerda) r.esquerda = recuos.esquerda;
    if (campos & kDireita) r.direita = recuos.direita;
    FormataRecuos(b, Limita(r));
  }
  cursor.endEditBlock();
}

bool TemMarcadores(const QTextBlock& bloco) {
  const QTextList* lista = bloco.textList();
  return lista && EhMarcador(lista->format().style());
}

void AplicaMarcadores(QTextCursor cursor, bool ligados) {
  cursor.beginEditBlock();
  for (const QTextBlock& b : Blocos(cursor)) {
    if (TemMarcadores(b) == ligados) continue;
    const Recuos r = RecuosDe(b);
    if (QTextList* atual = b.textList()) atual->remove(b);
    if (ligados) {
      // A bulleted paragraph right before joins this one to its list.
      const QTextBlock anterior = b.previous();
      if (anterior.isValid() && TemMarcadores(anterior)) {
        anterior.textList()->add(b);
      } else {
        QTextListFormat lista;
        lista.setStyle(QTextListFormat::ListDisc);
        lista.setIndent(1);
        QTextCursor(b).createList(lista);
      }
    }
    FormataRecuos(b.document()->findBlock(b.position()), r);
  }
  cursor.endEditBlock();
}

PosicoesRegua PosicoesDe(const Recuos& r, int larguraRegua) {
  return {Pixels(r.primeira) + 2, Pixels(r.esquerda + r.primeira) + 2,
          larguraRegua - 6 - Pixels(r.direita + 6)};
}

int PrimeiraDaRegua(int esquerda, int deslocamento) { return Pontos(esquerda + deslocamento - 6); }

int EsquerdaDaRegua(int esquerda, int deslocamento, int primeira) {
  return Pontos(esquerda + deslocamento - 6) - primeira;
}

int DireitaDaRegua(int esquerda, int deslocamento, int larguraRegua) {
  return Pontos(larguraRegua - esquerda + deslocamento - 2) - 12;
}

}  // namespace pravo
