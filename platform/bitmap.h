// Recognising a Windows bitmap file by its headers, for pictures the user hands the program.
#pragma once

#include <string_view>

namespace ventro {

// Whether `bytes` start like a whole Windows bitmap file: the "BM" signature, a known info
// header size, and a pixel-data offset inside the file.
bool IsBitmapFile(std::string_view bytes);

}  // namespace ventro
