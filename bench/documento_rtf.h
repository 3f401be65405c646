// The rich-text benchmarks' document: a teacher's long text with headings,
// formatted paragraphs with accents, lists and small tables, about 1 MB.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <vector>

namespace bench {

inline QByteArray DocumentoRTF() {
  QByteArray d =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}"
      "{\\f2\\fnil\\fcharset2 Symbol;}}{\\colortbl;\\red160\\green0\\blue20;\\red0\\green60\\blue160;}\n";
  int secao = 0;
  while (d.size() < 1024 * 1024) {
    ++secao;
    d += "\\pard\\sb240\\sa120\\f1\\fs28\\b\\cf2 Se\\'e7\\'e3o " + QByteArray::number(secao) + "\\b0\\cf0\\par\n";
    for (int p = 0; p < 6; ++p)
      d += "\\pard\\qj\\fi360\\sa120\\f0\\fs24 O cora\\'e7\\'e3o \\'e9 um {\\b \\'f3rg\\'e3o muscular} oco que "
           "impulsiona o sangue {\\i por todo o corpo}, levando oxig\\'eanio e nutrientes \\'e0s c\\'e9lulas. "
           "{\\cf1 A grande circula\\'e7\\'e3o} sai do ventr\\'edculo esquerdo pela aorta.\\par\n";
    for (int i = 0; i < 4; ++i)
      d += "{\\pntext\\f2\\'b7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}\\fi-360\\li720 Item " +
           QByteArray::number(i + 1) + " da lista com {\\b negrito}\\par\n";
    d += "\\trowd\\cellx3000\\cellx6000\\pard\\intbl Vaso\\cell Fun\\'e7\\'e3o\\cell\\row"
         "\\trowd\\cellx3000\\cellx6000\\pard\\intbl Art\\'e9rias\\cell Levam o sangue\\cell\\row\\pard\\par\n";
  }
  return d + "}";
}

inline double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace bench
