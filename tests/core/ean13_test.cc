#include "print/ean13.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/recording_printer.h"

namespace ventro {
namespace {

TEST(Ean13Test, NumbersAreCutOrPaddedToTwelveDigitsWithTheirCheckDigit) {
  EXPECT_EQ(Ean13Digits(7), "000000000007");
  EXPECT_EQ(Ean13Digits(1234567890123), "123456789012");
  EXPECT_EQ(Ean13Digits(100000000000000000), "100000000000");
  EXPECT_EQ(Ean13CheckDigit("400638133393"), 1);
  EXPECT_EQ(Ean13CheckDigit("590123412345"), 7);
  EXPECT_EQ(Ean13CheckDigit("978030640615"), 7);
  EXPECT_EQ(Ean13CheckDigit("000000000000"), 0);
}

TEST(Ean13Test, TheSymbolHasItsGuardsAndTheParityOfItsFirstDigit) {
  // 5901234123457: first digit 5 gives the left parity LGGLLG.
  const std::string symbol = Ean13Symbol("590123412345");
  ASSERT_EQ(symbol.size(), 95u);
  EXPECT_EQ(symbol.substr(0, 3), "101");
  EXPECT_EQ(symbol.substr(45, 5), "01010");
  EXPECT_EQ(symbol.substr(92), "101");
  EXPECT_EQ(symbol.substr(3, 7), "0001011");   // 9, odd
  EXPECT_EQ(symbol.substr(10, 7), "0100111");  // 0, even
  EXPECT_EQ(symbol.substr(17, 7), "0110011");  // 1, even
  EXPECT_EQ(symbol.substr(24, 7), "0010011");  // 2, odd
  EXPECT_EQ(symbol.substr(85, 7), "1000100");  // check digit 7, right-hand
}

TEST(Ean13Test, BarsStartOneModuleInWithLongerGuards) {
  test::RecordedDocument document;
  test::TestDevice device;
  test::RecordingCanvas canvas(document, device);
  DrawEan13(canvas, 1000, 200, 50, 0);
  std::vector<PrintRect> bars;
  for (const test::DrawnItem& item : document.items) {
    if (item.kind == test::DrawnItem::kFill) bars.push_back({item.x, item.y, item.x2, item.y2});
  }
  ASSERT_EQ(bars.size(), document.items.size());
  ASSERT_GT(bars.size(), 2u);
  // The start guard's first bar, module 0, one module right of x and 11.2 mm long.
  EXPECT_EQ(bars.front(), (PrintRect{1050, 200, 1100, 1320}));
  // Module 3 is the first data module with a bar for 0 (0001101): module 6, 10 mm long.
  EXPECT_EQ(bars[2], (PrintRect{1050 + 6 * 50, 200, 1050 + 7 * 50, 1200}));
}

}  // namespace
}  // namespace ventro
