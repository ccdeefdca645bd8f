// Device control sequences as the shop types them: decimal byte values separated by commas,
// such as "27,112,0,25,250". Any device whose commands can be typed this way can be driven.
#pragma once

#include <string>
#include <string_view>

namespace ventro {

// The bytes of code list `codes`. Each piece between commas is read as an integer (leading
// blanks, a sign, digits; anything after is ignored) and its low byte appended, so "300" gives
// 0x2C and "-1" gives 0xFF; an empty piece, as in "27,,5" or a trailing comma, gives a 0 byte.
// Only the first 41 characters of a piece count. An empty text gives no bytes at all.
std::string ParseCodeList(std::string_view codes);

}  // namespace ventro
