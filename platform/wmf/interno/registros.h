// The records of a Windows metafile: their function numbers, a reader of
// their parameter words that never reads past the record, and the layouts
// shared by the frame scan and the player.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include "platform/wmf/wmf.h"

namespace platform::wmf {

enum Funcao : quint16 {
  META_EOF = 0x0000,
  META_REALIZEPALETTE = 0x0035,
  META_SETPALENTRIES = 0x0037,
  META_SAVEDC = 0x001E,
  META_SETBKMODE = 0x0102,
  META_SETMAPMODE = 0x0103,
  META_SETROP2 = 0x0104,
  META_SETRELABS = 0x0105,
  META_SETPOLYFILLMODE = 0x0106,
  META_SETSTRETCHBLTMODE = 0x0107,
  META_SETTEXTCHAREXTRA = 0x0108,
  META_RESTOREDC = 0x0127,
  META_INVERTREGION = 0x012A,
  META_PAINTREGION = 0x012B,
  META_SELECTCLIPREGION = 0x012C,
  META_SELECTOBJECT = 0x012D,
  META_SETTEXTALIGN = 0x012E,
  META_RESIZEPALETTE = 0x0139,
  META_DIBCREATEPATTERNBRUSH = 0x0142,
  META_DELETEOBJECT = 0x01F0,
  META_CREATEPATTERNBRUSH = 0x01F9,
  META_SETBKCOLOR = 0x0201,
  META_SETTEXTCOLOR = 0x0209,
  META_SETTEXTJUSTIFICATION = 0x020A,
  META_SETWINDOWORG = 0x020B,
  META_SETWINDOWEXT = 0x020C,
  META_SETVIEWPORTORG = 0x020D,
  META_SETVIEWPORTEXT = 0x020E,
  META_OFFSETWINDOWORG = 0x020F,
  META_OFFSETVIEWPORTORG = 0x0211,
  META_LINETO = 0x0213,
  META_MOVETO = 0x0214,
  META_OFFSETCLIPRGN = 0x0220,
  META_FILLREGION = 0x0228,
  META_SETMAPPERFLAGS = 0x0231,
  META_SELECTPALETTE = 0x0234,
  META_CREATEPENINDIRECT = 0x02FA,
  META_CREATEFONTINDIRECT = 0x02FB,
  META_CREATEBRUSHINDIRECT = 0x02FC,
  META_CREATEPALETTE = 0x00F7,
  META_POLYGON = 0x0324,
  META_POLYLINE = 0x0325,
  META_SCALEWINDOWEXT = 0x0410,
  META_SCALEVIEWPORTEXT = 0x0412,
  META_EXCLUDECLIPRECT = 0x0415,
  META_INTERSECTCLIPRECT = 0x0416,
  META_ELLIPSE = 0x0418,
  META_FLOODFILL = 0x0419,
  META_RECTANGLE = 0x041B,
  META_SETPIXEL = 0x041F,
  META_FRAMEREGION = 0x0429,
  META_ANIMATEPALETTE = 0x0436,
  META_TEXTOUT = 0x0521,
  META_POLYPOLYGON = 0x0538,
  META_EXTFLOODFILL = 0x0548,
  META_ROUNDRECT = 0x061C,
  META_PATBLT = 0x061D,
  META_ESCAPE = 0x0626,
  META_CREATEREGION = 0x06FF,
  META_ARC = 0x0817,
  META_PIE = 0x081A,
  META_CHORD = 0x0830,
  META_BITBLT = 0x0922,
  META_DIBBITBLT = 0x0940,
  META_EXTTEXTOUT = 0x0A32,
  META_STRETCHBLT = 0x0B23,
  META_DIBSTRETCHBLT = 0x0B41,
  META_SETDIBTODEV = 0x0D33,
  META_STRETCHDIB = 0x0F43,
};


// The parameter words of one record.  Every reading is checked: a word past
// the record reads as 0, and tem(n) says whether n words are there.
class Parametros {
 public:
  Parametros(const QByteArray& bytes, const Metafile::Registro& r)
      : dados_(bytes.constData() + r.inicio), palavras_(r.palavras), funcao_(r.funcao) {}

  quint16 funcao() const { return funcao_; }
  int palavras() const { return palavras_; }
  bool tem(qint64 n) const { return n >= 0 && n <= palavras_; }
  quint16 u(int i) const { return tem(i + 1) ? qFromLittleEndian<quint16>(dados_ + 2 * i) : 0; }
  qint16 s(int i) const { return static_cast<qint16>(u(i)); }
  quint32 u32(int i) const { return u(i) | (static_cast<quint32>(u(i + 1)) << 16); }
  // Bytes from word i to the end of the record.
  const char* bytes(int i) const { return dados_ + 2 * i; }
  qint64 bytesDesde(int i) const { return tem(i) ? 2 * static_cast<qint64>(palavras_ - i) : 0; }

 private:
  const char* dados_;
  int palavras_;
  quint16 funcao_;
};

// Where a bitmap record draws, and where its source and its bitmap are.
struct DestinoBitmap {
  bool valido = false;
  int x = 0, y = 0, w = 0, h = 0;          // destination, logical units
  int sx = 0, sy = 0, sw = 0, sh = 0;      // source, bitmap pixels
  bool origemEmbaixo = false;              // source y counted from the bottom
  quint32 rop = 0x00CC0020;                // SRCCOPY
  int dib = -1;                            // first word of the bitmap, -1 none
};

inline DestinoBitmap DestinoDeBitmap(const Parametros& p) {
  DestinoBitmap d;
  // Whether the record holds no bitmap (its size is fixed by its function).
  const bool semBitmap = p.palavras() == (p.funcao() >> 8);
  switch (p.funcao()) {
    case META_DIBSTRETCHBLT:
      if (!p.tem(semBitmap ? 11 : 10)) return d;
      d.rop = p.u32(0);
      d.sh = p.s(2); d.sw = p.s(3); d.sy = p.s(4); d.sx = p.s(5);
      {
        const int k = semBitmap ? 7 : 6;
        d.h = p.s(k); d.w = p.s(k + 1); d.y = p.s(k + 2); d.x = p.s(k + 3);
      }
      d.dib = semBitmap ? -1 : 10;
      break;
    case META_DIBBITBLT:
      if (!p.tem(semBitmap ? 9 : 8)) return d;
      d.rop = p.u32(0);
      d.sy = p.s(2); d.sx = p.s(3);
      {
        const int k = semBitmap ? 5 : 4;
        d.h = d.sh = p.s(k); d.w = d.sw = p.s(k + 1); d.y = p.s(k + 2); d.x = p.s(k + 3);
      }
      d.dib = semBitmap ? -1 : 8;
      break;
    case META_STRETCHDIB:
      if (!p.tem(11)) return d;
      d.rop = p.u32(0);
      d.sh = p.s(3); d.sw = p.s(4); d.sy = p.s(5); d.sx = p.s(6);
      d.h = p.s(7); d.w = p.s(8); d.y = p.s(9); d.x = p.s(10);
      d.origemEmbaixo = true;
      d.dib = 11;
      break;
    case META_SETDIBTODEV:
      if (!p.tem(9)) return d;
      d.sy = p.s(3); d.sx = p.s(4);
      d.h = d.sh = p.s(5); d.w = d.sw = p.s(6); d.y = p.s(7); d.x = p.s(8);
      d.origemEmbaixo = true;
      d.dib = 9;
      break;
    default: return d;
  }
  d.valido = true;
  return d;
}

}  // namespace platform::wmf
