// The control words the RTF reader knows, each with what it stands for:
// palavras_tabela.cpp holds the table, palavras.cpp acts on them.  Only the
// reader's own sources include this.
#pragma once

#include <QByteArray>
#include <QHash>

namespace platform::rtf_interno {


enum class P {
  // destinations
  Rtf, FonteTabela, CorTabela, Ignorar, Pict, ShpPict, ListTable, List, ListLevel, LevelText,
  ListOverrideTable, ListOverride, ListText, PnText, Pn, PnTxtA, PnTxtB, Aceitar,
  // document
  Deff, AnsiCpg, Ansi, Mac, Pc, Pca,
  // font table
  FCharset, Cpg,
  // colour table
  Red, Green, Blue,
  // characters
  Plain, B, I, Ul, UlNone, Strike, F, Fs, Cf, Cb, Highlight, Super, Sub, NoSuperSub, V, Caps,
  Scaps,
  // paragraphs
  Pard, Ql, Qr, Qc, Qj, Li, Ri, Fi, Sb, Sa, Sl, SlMult, Tx, Tqr, Tqc, Tqdec, InTbl, Itap, PageBb,
  Ls, Ilvl, PnLvlBlt, PnLvlBody, PnLvlCont, PnLvl, PnDec, PnUcRm, PnLcRm, PnUcLtr, PnLcLtr,
  // special characters
  Par, Line, Tab, Page, EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, EmSpace,
  EnSpace, QmSpace, U, Uc,
  // tables
  TRowD, CellX, ClCbPat, Borda, TrGaph, Cell, NestCell, Row, NestRow,
  // pictures
  PngBlip, JpegBlip, DiBitmap, WBitmap, WMetafile, EmfBlip, OutraFigura, PicW, PicH, PicWGoal,
  PicHGoal, PicScaleX, PicScaleY, WbmBitsPixel, WbmWidthBytes,
  // list tables
  ListId, LevelNfc, LevelNfcN,
};

// The control words by name.
const QHash<QByteArray, P>& Tabela();

}  // namespace platform::rtf_interno
