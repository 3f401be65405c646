#include "files/texto.h"

#include <gtest/gtest.h>

using namespace files;

TEST(Texto, TodosOsBytesVoltamIguais) {
  QByteArray todos;
  for (int b = 0; b < 256; ++b) todos.append(static_cast<char>(b));
  const QString t = DeAnsi(todos);
  ASSERT_EQ(t.size(), 256);
  EXPECT_EQ(ParaAnsi(t), todos);
  // The code page's own characters, not Latin-1, above 7F.
  EXPECT_EQ(t[0x80], QChar(0x20AC));
  EXPECT_EQ(t[0x8A], QChar(0x0160));
  EXPECT_EQ(t[0x9F], QChar(0x0178));
  EXPECT_EQ(t[0xE7], QChar(0x00E7));
  for (int indefinido : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(t[indefinido], QChar(indefinido)) << indefinido;
}

TEST(Texto, ForaDoCodigoViraInterrogacao) {
  EXPECT_EQ(ParaAnsi(QStringLiteral("a\u0101b")), QByteArray("a?b"));
  EXPECT_EQ(ParaAnsi(QStringLiteral("\u0080")), QByteArray("?"));  // a control whose byte means the euro
  // A character beyond the basic plane is one character, one "?".
  EXPECT_EQ(ParaAnsi(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
  EXPECT_EQ(ParaAnsi(QString::fromUtf8("ação €")), QByteArray("a\xE7\xE3o \x80"));
}

TEST(Texto, CaixaDoCodigo) {
  const struct {
    const char* minuscula;
    const char* maiuscula;
  } pares[] = {{"ç", "Ç"}, {"õ", "Õ"}, {"œ", "Œ"}, {"š", "Š"}, {"ž", "Ž"}, {"ÿ", "Ÿ"},
               {"á", "Á"}, {"þ", "Þ"}, {"abc xyz", "ABC XYZ"}};
  for (const auto& p : pares) {
    EXPECT_EQ(MaiusculasAnsi(QString::fromUtf8(p.minuscula)), QString::fromUtf8(p.maiuscula)) << p.minuscula;
    EXPECT_EQ(MinusculasAnsi(QString::fromUtf8(p.maiuscula)), QString::fromUtf8(p.minuscula)) << p.maiuscula;
  }
  // No capital of their own in the code page.
  for (const char* fica : {"ß", "µ", "÷", "×", "1-2"}) {
    EXPECT_EQ(MaiusculasAnsi(QString::fromUtf8(fica)), QString::fromUtf8(fica));
    EXPECT_EQ(MinusculasAnsi(QString::fromUtf8(fica)), QString::fromUtf8(fica));
  }
  // Characters outside the code page are left alone.
  EXPECT_EQ(MaiusculasAnsi(QStringLiteral("\u0101")), QStringLiteral("\u0101"));
}

TEST(Texto, AparaBrancosEControles) {
  EXPECT_EQ(Apara(QStringLiteral(" \t a b \r\n")), QStringLiteral("a b"));
  EXPECT_EQ(Apara(QStringLiteral("   ")), QString());
  EXPECT_EQ(Apara(QStringLiteral("\u00A0x")), QStringLiteral("\u00A0x"));  // a no-break space is text
}
