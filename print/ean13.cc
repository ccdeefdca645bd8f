#include "print/ean13.h"

#include <array>

#include "base/format.h"

namespace ventro {
namespace {

// The left-hand odd-parity (L) patterns; the right-hand patterns are their complements and
// the even-parity (G) patterns the right-hand ones read backwards.
constexpr std::array<const char*, 10> kOddPatterns = {"0001101", "0011001", "0010011", "0111101",
                                                      "0100011", "0110001", "0101111", "0111011",
                                                      "0110111", "0001011"};
// The parity of the six left-hand digits for each first digit, 'G' for even.
constexpr std::array<const char*, 10> kLeftParity = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL",
                                                     "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG",
                                                     "LGLGGL", "LGGLGL"};

std::string RightPattern(int digit) {
  std::string pattern = kOddPatterns[static_cast<size_t>(digit)];
  for (char& module : pattern) module = module == '1' ? '0' : '1';
  return pattern;
}

std::string EvenPattern(int digit) {
  const std::string right = RightPattern(digit);
  return std::string(right.rbegin(), right.rend());
}

}  // namespace

std::string Ean13Digits(int64_t number) {
  std::string digits = StringPrintf("%lld", static_cast<long long>(number < 0 ? 0 : number));
  if (digits.size() > 12) digits.resize(12);
  digits.insert(0, 12 - digits.size(), '0');
  return digits;
}

int Ean13CheckDigit(std::string_view twelve_digits) {
  int sum = 0;
  for (size_t i = 0; i < twelve_digits.size(); ++i) {
    const int digit = twelve_digits[i] - '0';
    // The rightmost digit weighs 3; with 12 digits those are the ones at odd indexes.
    sum += (twelve_digits.size() - i) % 2 == 1 ? 3 * digit : digit;
  }
  return (10 - sum % 10) % 10;
}

std::string Ean13Symbol(std::string_view twelve_digits) {
  const std::string digits =
      std::string(twelve_digits) + static_cast<char>('0' + Ean13CheckDigit(twelve_digits));
  const char* parity = kLeftParity[static_cast<size_t>(digits[0] - '0')];
  std::string symbol = "101";
  for (size_t i = 1; i <= 6; ++i) {
    const int digit = digits[i] - '0';
    symbol += parity[i - 1] == 'G' ? EvenPattern(digit) : kOddPatterns[static_cast<size_t>(digit)];
  }
  symbol += "01010";
  for (size_t i = 7; i <= 12; ++i) symbol += RightPattern(digits[i] - '0');
  symbol += "101";
  return symbol;
}

bool IsEan13GuardModule(int k) { return k < 3 || (k >= 45 && k < 50) || k >= kEan13Modules - 3; }

void DrawEan13(PrintCanvas& canvas, int x, int top, int module_width, int64_t number) {
  const std::string symbol = Ean13Symbol(Ean13Digits(number));
  const int left = x + module_width;
  for (int k = 0; k < kEan13Modules; ++k) {
    if (symbol[static_cast<size_t>(k)] != '1') continue;
    const int height = IsEan13GuardModule(k) ? kEan13GuardHeight : kEan13BarHeight;
    const int bar_left = left + k * module_width;
    canvas.FillRectangle({bar_left, top, bar_left + module_width, top + height});
  }
}

}  // namespace ventro
