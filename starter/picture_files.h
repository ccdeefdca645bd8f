// Encoders for finished canvases: uncompressed 24-bit Windows bitmaps (the format the program
// loads its pictures from) and PNG with stored deflate blocks (the program icon, which needs
// transparency). Header-only and standard library only.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "starter/picture_canvas.h"

namespace ventro::pictures {

namespace file_detail {

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutBe32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

inline void PutPngChunk(std::vector<uint8_t>& out, const char* type,
                        const std::vector<uint8_t>& data) {
  PutBe32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBe32(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace file_detail

// Bytes in one stored bitmap row: three per pixel, padded to a multiple of four.
inline size_t BmpRowSize(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

// The canvas as a BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, then rows bottom-up in blue,
// green, red order, each padded with zero bytes. Alpha is dropped: callers flatten first.
inline std::vector<uint8_t> EncodeBmp(const Canvas& canvas) {
  using file_detail::PutLe;
  const size_t row = BmpRowSize(canvas.width());
  const auto image_size = static_cast<uint32_t>(row * canvas.height());
  std::vector<uint8_t> out;
  out.reserve(54 + image_size);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, 54 + image_size, 4);  // file size
  PutLe(out, 0, 4);                // two reserved words
  PutLe(out, 54, 4);               // offset of the pixels
  PutLe(out, 40, 4);               // BITMAPINFOHEADER size
  PutLe(out, static_cast<uint32_t>(canvas.width()), 4);
  PutLe(out, static_cast<uint32_t>(canvas.height()), 4);  // positive: bottom-up
  PutLe(out, 1, 2);                                       // planes
  PutLe(out, 24, 2);                                      // bits per pixel
  PutLe(out, 0, 4);                                       // BI_RGB, uncompressed
  PutLe(out, image_size, 4);
  PutLe(out, 2835, 4);  // 72 dots per inch, in dots per metre
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);  // colours used
  PutLe(out, 0, 4);  // important colours
  for (int y = canvas.height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < canvas.width(); ++x) {
      const Color c = canvas.At(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.resize(start + row, 0);
  }
  return out;
}

// The canvas as an RGBA PNG. The image data is zlib-wrapped deflate in stored blocks: larger
// than compressed, but every viewer reads it and it needs no compressor.
inline std::vector<uint8_t> EncodePng(const Canvas& canvas) {
  using file_detail::PutBe32;
  std::vector<uint8_t> raw;
  for (int y = 0; y < canvas.height(); ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < canvas.width(); ++x) {
      const Color c = canvas.At(x, y);
      raw.insert(raw.end(), {c.r, c.g, c.b, c.a});
    }
  }
  std::vector<uint8_t> zlib = {0x78, 0x01};
  size_t pos = 0;
  do {
    const size_t len = std::min<size_t>(65535, raw.size() - pos);
    const bool last = pos + len == raw.size();
    zlib.push_back(last ? 1 : 0);
    file_detail::PutLe(zlib, static_cast<uint32_t>(len), 2);
    file_detail::PutLe(zlib, static_cast<uint32_t>(~len & 0xFFFF), 2);
    zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                raw.begin() + static_cast<std::ptrdiff_t>(pos + len));
    pos += len;
  } while (pos < raw.size());
  uint32_t a = 1, b = 0;  // Adler-32 of the uncompressed data
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBe32(zlib, (b << 16) | a);

  std::vector<uint8_t> header;
  PutBe32(header, static_cast<uint32_t>(canvas.width()));
  PutBe32(header, static_cast<uint32_t>(canvas.height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  file_detail::PutPngChunk(out, "IHDR", header);
  file_detail::PutPngChunk(out, "IDAT", zlib);
  file_detail::PutPngChunk(out, "IEND", {});
  return out;
}

// Makes every pixel opaque for a bitmap: pixels less than half covered become `key`, the rest
// keep their colour at full strength, and none but those outside keep the exact key colour.
// Used for pictures whose see-through parts are marked by one colour.
inline void FlattenToKey(Canvas& canvas, Color key) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      Color c = canvas.At(x, y);
      if (c.a < 128) {
        c = key;
      } else {
        c.a = 255;
        if (c == key) c.b = static_cast<uint8_t>(key.b > 0 ? key.b - 1 : 1);
      }
      canvas.Set(x, y, c);
    }
  }
}

// Makes every pixel opaque by compositing it over `background`.
inline void FlattenOnto(Canvas& canvas, Color background) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Color c = canvas.At(x, y);
      Color out = Mix(background, c, c.a / 255.0);
      out.a = 255;
      canvas.Set(x, y, out);
    }
  }
}

// Turns the canvas into pure black and white at the middle grey, for printers that print
// dots or nothing.
inline void Threshold(Canvas& canvas) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Color c = canvas.At(x, y);
      const int luma = (c.r * 299 + c.g * 587 + c.b * 114) / 1000;
      const uint8_t v = luma < 128 ? 0 : 255;
      canvas.Set(x, y, {v, v, v, 255});
    }
  }
}

// Writes `bytes` to `path`, replacing it; false if the file cannot be written whole.
inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace ventro::pictures
