#include "base/cp1252.h"

#include <array>
#include <cstdint>

namespace ventro {
namespace {

// Unicode code points of bytes 0x80 to 0x9F; 0 marks a byte with no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; returns U+FFFD for a malformed one.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
  auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  uint8_t lead = byte(i++);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || i + static_cast<size_t>(extra) > text.size()) return 0xFFFD;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if ((byte(i) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (byte(i++) & 0x3F);
  }
  return c;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char ch : cp1252) {
    auto b = static_cast<uint8_t>(ch);
    char32_t c = b;
    if (b >= 0x80 && b < 0xA0) c = kHighControls[b - 0x80] ? kHighControls[b - 0x80] : 0xFFFD;
    AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8, bool* lossy) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = DecodeUtf8(utf8, i);
    int byte = -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      byte = static_cast<int>(c);
    } else {
      for (size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == c && c != 0) byte = static_cast<int>(0x80 + k);
      }
    }
    if (byte < 0) {
      if (lossy) *lossy = true;
      byte = '?';
    }
    out += static_cast<char>(byte);
  }
  return out;
}

std::string UpperCp1252(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    auto b = static_cast<uint8_t>(ch);
    if (b >= 'a' && b <= 'z') {
      ch = static_cast<char>(b - 32);
    } else if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
      ch = static_cast<char>(b - 32);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {  // š œ ž
      ch = static_cast<char>(b - 16);
    } else if (b == 0xFF) {  // ÿ
      ch = static_cast<char>(0x9F);
    }
  }
  return out;
}

std::string PercentEncoded(std::string_view cp1252) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char c : Cp1252ToUtf8(cp1252)) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                            (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

}  // namespace ventro
