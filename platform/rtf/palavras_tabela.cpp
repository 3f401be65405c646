// The table of the control words the RTF reader knows.
#include "platform/rtf/interno/palavras.h"

namespace platform::rtf_interno {


const QHash<QByteArray, P>& Tabela() {
  static const QHash<QByteArray, P> t = [] {
    QHash<QByteArray, P> h;
    h.insert("rtf", P::Rtf);
    h.insert("fonttbl", P::FonteTabela);
    h.insert("colortbl", P::CorTabela);
    for (const char* d : {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
                          "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst", "xe",
                          "tc", "txe", "rxe", "objdata", "objclass", "objname", "nonshppict",
                          "bkmkstart", "bkmkend", "themedata", "colorschememapping", "datastore",
                          "latentstyles", "xmlnstbl", "rsidtbl", "generator", "mmathPr",
                          "pgdsctbl", "revtbl", "filetbl", "listname", "levelnumbers", "shpinst",
                          "picprop", "do", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
                          "template", "userprops", "docvar", "fchars", "lchars", "private",
                          "blipuid", "wgrffmtfilter", "pnseclvl", "background", "pgptbl",
                          "protusertbl", "defchp", "defpap", "passwordhash", "panose", "falt"})
      h.insert(d, P::Ignorar);
    for (const char* d : {"fldrslt", "field", "result", "shprslt", "shp", "object", "upr", "ud"})
      h.insert(d, P::Aceitar);
    h.insert("pict", P::Pict);
    h.insert("shppict", P::ShpPict);
    h.insert("listtable", P::ListTable);
    h.insert("list", P::List);
    h.insert("listlevel", P::ListLevel);
    h.insert("leveltext", P::LevelText);
    h.insert("listoverridetable", P::ListOverrideTable);
    h.insert("listoverride", P::ListOverride);
    h.insert("listtext", P::ListText);
    h.insert("pntext", P::PnText);
    h.insert("pn", P::Pn);
    h.insert("pntxta", P::PnTxtA);
    h.insert("pntxtb", P::PnTxtB);
    h.insert("deff", P::Deff);
    h.insert("ansicpg", P::AnsiCpg);
    h.insert("ansi", P::Ansi);
    h.insert("mac", P::Mac);
    h.insert("pc", P::Pc);
    h.insert("pca", P::Pca);
    h.insert("fcharset", P::FCharset);
    h.insert("cpg", P::Cpg);
    h.insert("red", P::Red);
    h.insert("green", P::Green);
    h.insert("blue", P::Blue);
    h.insert("plain", P::Plain);
    h.insert("b", P::B);
    h.insert("i", P::I);
    for (const char* d : {"ul", "uld", "uldb", "ulw", "ulth", "uldash", "uldashd", "uldashdd",
                          "ulwave", "ulhwave", "ululdbwave", "ulthd", "ulthdash", "ulldash",
                          "ulthldash", "ulthdashd", "ulthdashdd"})
      h.insert(d, P::Ul);
    h.insert("ulnone", P::UlNone);
    h.insert("strike", P::Strike);
    h.insert("strikedl", P::Strike);
    h.insert("f", P::F);
    h.insert("fs", P::Fs);
    h.insert("cf", P::Cf);
    h.insert("cb", P::Cb);
    h.insert("chcbpat", P::Cb);
    h.insert("highlight", P::Highlight);
    h.insert("super", P::Super);
    h.insert("sub", P::Sub);
    h.insert("nosupersub", P::NoSuperSub);
    h.insert("v", P::V);
    h.insert("caps", P::Caps);
    h.insert("scaps", P::Scaps);
    h.insert("pard", P::Pard);
    h.insert("ql", P::Ql);
    h.insert("qr", P::Qr);
    h.insert("qc", P::Qc);
    h.insert("qj", P::Qj);
    h.insert("qd", P::Qj);
    h.insert("li", P::Li);
    h.insert("lin", P::Li);
    h.insert("ri", P::Ri);
    h.insert("rin", P::Ri);
    h.insert("fi", P::Fi);
    h.insert("sb", P::Sb);
    h.insert("sa", P::Sa);
    h.insert("sl", P::Sl);
    h.insert("slmult", P::SlMult);
    h.insert("tx", P::Tx);
    h.insert("tb", P::Tx);
    h.insert("tqr", P::Tqr);
    h.insert("tqc", P::Tqc);
    h.insert("tqdec", P::Tqdec);
    h.insert("intbl", P::InTbl);
    h.insert("itap", P::Itap);
    h.insert("pagebb", P::PageBb);
    h.insert("ls", P::Ls);
    h.insert("ilvl", P::Ilvl);
    h.insert("pnlvlblt", P::PnLvlBlt);
    h.insert("pnlvlbody", P::PnLvlBody);
    h.insert("pnlvlcont", P::PnLvlCont);
    h.insert("pnlvl", P::PnLvl);
    h.insert("pndec", P::PnDec);
    h.insert("pnucrm", P::PnUcRm);
    h.insert("pnlcrm", P::PnLcRm);
    h.insert("pnucltr", P::PnUcLtr);
    h.insert("pnlcltr", P::PnLcLtr);
    h.insert("par", P::Par);
    h.insert("sect", P::Par);
    h.insert("column", P::Par);
    h.insert("line", P::Line);
    h.insert("tab", P::Tab);
    h.insert("page", P::Page);
    h.insert("emdash", P::EmDash);
    h.insert("endash", P::EnDash);
    h.insert("bullet", P::Bullet);
    h.insert("lquote", P::LQuote);
    h.insert("rquote", P::RQuote);
    h.insert("ldblquote", P::LDblQuote);
    h.insert("rdblquote", P::RDblQuote);
    h.insert("emspace", P::EmSpace);
    h.insert("enspace", P::EnSpace);
    h.insert("qmspace", P::QmSpace);
    h.insert("u", P::U);
    h.insert("uc", P::Uc);
    h.insert("trowd", P::TRowD);
    h.insert("cellx", P::CellX);
    h.insert("clcbpat", P::ClCbPat);
    for (const char* d : {"clbrdrt", "clbrdrb", "clbrdrl", "clbrdrr", "trbrdrt", "trbrdrb",
                          "trbrdrl", "trbrdrr", "trbrdrh", "trbrdrv"})
      h.insert(d, P::Borda);
    h.insert("trgaph", P::TrGaph);
    h.insert("cell", P::Cell);
    h.insert("nestcell", P::NestCell);
    h.insert("row", P::Row);
    h.insert("nestrow", P::NestRow);
    h.insert("pngblip", P::PngBlip);
    h.insert("jpegblip", P::JpegBlip);
    h.insert("dibitmap", P::DiBitmap);
    h.insert("wbitmap", P::WBitmap);
    h.insert("wmetafile", P::WMetafile);
    h.insert("emfblip", P::EmfBlip);
    h.insert("macpict", P::OutraFigura);
    h.insert("pmmetafile", P::OutraFigura);
    h.insert("picw", P::PicW);
    h.insert("pich", P::PicH);
    h.insert("picwgoal", P::PicWGoal);
    h.insert("pichgoal", P::PicHGoal);
    h.insert("picscalex", P::PicScaleX);
    h.insert("picscaley", P::PicScaleY);
    h.insert("wbmbitspixel", P::WbmBitsPixel);
    h.insert("wbmwidthbytes", P::WbmWidthBytes);
    h.insert("listid", P::ListId);
    h.insert("levelnfc", P::LevelNfc);
    h.insert("levelnfcn", P::LevelNfcN);
    return h;
  }();
  return t;
}

}  // namespace platform::rtf_interno
