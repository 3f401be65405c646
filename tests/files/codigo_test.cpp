#include "files/codigo.h"

#include <gtest/gtest.h>

using namespace files;

TEST(CodigoPalavra, ExemplosTrabalhados) {
  EXPECT_EQ(CodigoPalavraBytes("abc"), QByteArray("h"));
  EXPECT_EQ(CodigoPalavraBytes("abcd"), QByteArray(1, static_cast<char>(178)));
  EXPECT_EQ(CodigoPalavraBytes("abcdef"), QByteArray("jq"));
  EXPECT_EQ(CodigoPalavra(QStringLiteral("abcdef")), QStringLiteral("jq"));
  // Byte 178 is "²" in the code page.
  EXPECT_EQ(CodigoPalavra(QStringLiteral("abcd")), QStringLiteral("\u00B2"));
}

TEST(CodigoPalavra, TextosCurtosDaoVazio) {
  for (const char* t : {"", "a", "ab"}) EXPECT_TRUE(CodigoPalavraBytes(t).isEmpty()) << t;
  EXPECT_EQ(CodigoPalavraBytes("abcde").size(), 1);  // the last two are ignored
}

TEST(CodigoPalavra, BytesSemSinalEPesoPelaDistanciaAoFim) {
  // "ççç": 231 x 2 + 231 x 1 = 693, 693 mod 220 = 33, + 32 = 65.
  EXPECT_EQ(CodigoPalavraBytes("\xE7\xE7\xE7"), QByteArray("A"));
  EXPECT_EQ(CodigoPalavra(QString::fromUtf8("ççç")), QStringLiteral("A"));
  // The same three letters weigh differently in a longer text: "abc" + "x"
  // gives 97 x 3 + 98 x 2 + 99 x 1 = 586 -> 178, not "h".
  EXPECT_NE(CodigoPalavraBytes("abcx"), CodigoPalavraBytes("abc"));
  // Whole-field text: 255 bytes of 255 stay far within range and give 85 bytes.
  const QByteArray cheio(255, static_cast<char>(0xFF));
  const QByteArray c = CodigoPalavraBytes(cheio);
  ASSERT_EQ(c.size(), 85);
  // First group: 255 x (254 + 253 + 252) = 193545 -> 193545 mod 220 = 165, + 32.
  EXPECT_EQ(static_cast<unsigned char>(c[0]), 197);
  for (char b : c) EXPECT_GE(static_cast<unsigned char>(b), 32);
}
