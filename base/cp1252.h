// Text inside the core is Windows-1252 bytes, as in the data files. These convert at the
// edges (the Qt layer, the script driver) to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ventro {

// Converts Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD so that nothing is passed through unseen.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Converts UTF-8 to Windows-1252. A character Windows-1252 cannot hold, or a malformed
// sequence, becomes '?' and sets *lossy when given.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossy = nullptr);

// `cp1252` as UTF-8 with everything but a URL's unreserved characters (letters, digits and
// "-._~") written %XX, so that the text can stand inside a link as one part.
std::string PercentEncoded(std::string_view cp1252);

// Upper-cases ASCII letters and the Windows-1252 accented letters.
std::string UpperCp1252(std::string_view text);

}  // namespace ventro
