#include <clocale>

#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "base/format.h"

namespace ventro {
namespace {

TEST(FormatTest, AmountsUseAPointWhateverTheLocale) {
  // A German desktop sets the decimal comma; amounts must not follow it.
  const char* previous = std::setlocale(LC_ALL, "de_DE.UTF-8");
  EXPECT_EQ(FormatAmount(12.3), "12.30");
  EXPECT_DOUBLE_EQ(AtoF("12.30"), 12.3);
  if (previous) std::setlocale(LC_ALL, "C");
  EXPECT_EQ(FormatAmount(-0.005), "-0.01");
  EXPECT_EQ(FormatAmount(2.675), "2.67");  // the binary value lies below 2.675
  EXPECT_DOUBLE_EQ(RoundToCents(1.23456), 1.23);
}

TEST(FormatTest, AtoI64ReadsLikeTheCLibrary) {
  EXPECT_EQ(AtoI64("  42abc"), 42);
  EXPECT_EQ(AtoI64("-7"), -7);
  EXPECT_EQ(AtoI64("abc"), 0);
  EXPECT_EQ(AtoI64(""), 0);
  EXPECT_EQ(AtoI64("99999999999999999999"), INT64_MAX);
  EXPECT_EQ(AtoI64("-9223372036854775808"), INT64_MIN);
  EXPECT_DOUBLE_EQ(AtoF(" 5.62x"), 5.62);
  EXPECT_DOUBLE_EQ(AtoF("x"), 0.0);
}

TEST(Cp1252Test, RoundTripsEveryDefinedByte) {
  for (int b = 1; b < 256; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    std::string one(1, static_cast<char>(b));
    bool lossy = false;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one), &lossy), one) << b;
    EXPECT_FALSE(lossy);
  }
  EXPECT_EQ(Cp1252ToUtf8("Recepci\xF3n"), "Recepción");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
}

TEST(Cp1252Test, CharactersOutsideTheCodePageAreReplacedVisibly) {
  bool lossy = false;
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xAC\xE4\xB8\xADz", &lossy), "a\x80?z");  // € and 中
  EXPECT_TRUE(lossy);
  EXPECT_EQ(UpperCp1252("recepci\xF3n"), "RECEPCI\xD3N");
}

TEST(Cp1252Test, PercentEncodingLeavesNoSeparatorOfALinkUnescaped) {
  EXPECT_EQ(PercentEncoded("Tea & Cakes?a=b#1/\xE9~-._"),
            "Tea%20%26%20Cakes%3Fa%3Db%231%2F%C3%A9~-._");
}

}  // namespace
}  // namespace ventro
