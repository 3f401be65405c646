#include "files/texto.h"

#include <array>

namespace files {

namespace {

// Bytes 80 to 9F of the code page.  The five bytes it leaves undefined keep
// the control character of their own value, so no byte is ever lost.
constexpr std::array<char16_t, 32> kAlto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char16_t DeByte(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kAlto[b - 0x80];
  return b;
}

// The byte of a character of the code page, or -1 for any other character.
int ParaByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i)
    if (kAlto[i] == c) return 0x80 + i;
  return -1;
}

unsigned char MaiusculaByte(unsigned char b) {
  if (b >= 'a' && b <= 'z') return b - 32;
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return b - 32;
  switch (b) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return b;       // ß and µ have no capital here
  }
}

unsigned char MinusculaByte(unsigned char b) {
  if (b >= 'A' && b <= 'Z') return b + 32;
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return b + 32;
  switch (b) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return b;
  }
}

// Maps every character of the code page through `mapa`; any other character
// stays as it is.
template <class Mapa>
QString MapeiaCaixa(const QString& texto, Mapa mapa) {
  QString r = texto;
  for (QChar& ch : r) {
    const int b = ParaByte(ch.unicode());
    if (b >= 0) ch = QChar(DeByte(mapa(static_cast<unsigned char>(b))));
  }
  return r;
}

}  // namespace

QString DeAnsi(const QByteArray& bytes) {
  QString r(bytes.size(), Qt::Uninitialized);
  QChar* d = r.data();
  for (qsizetype i = 0; i < bytes.size(); ++i)
    d[i] = QChar(DeByte(static_cast<unsigned char>(bytes[i])));
  return r;
}

QByteArray ParaAnsi(const QString& texto) {
  QByteArray r;
  r.reserve(texto.size());
  for (qsizetype i = 0; i < texto.size(); ++i) {
    const QChar ch = texto[i];
    if (ch.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
      ++i;  // one character outside the plane, one "?"
      r.append('?');
      continue;
    }
    const int b = ParaByte(ch.unicode());
    r.append(b >= 0 ? static_cast<char>(b) : '?');
  }
  return r;
}

QString MaiusculasAnsi(const QString& texto) { return MapeiaCaixa(texto, MaiusculaByte); }

QString MinusculasAnsi(const QString& texto) { return MapeiaCaixa(texto, MinusculaByte); }

QString Apara(const QString& texto) {
  qsizetype ini = 0;
  qsizetype fim = texto.size();
  while (ini < fim && texto[ini].unicode() <= ' ') ++ini;
  while (fim > ini && texto[fim - 1].unicode() <= ' ') --fim;
  return texto.mid(ini, fim - ini);
}

}  // namespace files
