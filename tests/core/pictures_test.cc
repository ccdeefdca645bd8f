// The pictures drawn at build time into the programs' folder, and the bitmap writer itself.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "starter/picture_canvas.h"
#include "starter/picture_files.h"

namespace ventro {
namespace {

using pictures::Canvas;
using pictures::Color;

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

// A 24-bit bottom-up bitmap read back, after checking every header field the program relies
// on; `error` says what is wrong when `width` is 0.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;
  std::string error;
  Color At(int x, int y) const {
    const size_t at = 54 + (height - 1 - y) * pictures::BmpRowSize(width) + x * 3;
    return {bytes[at + 2], bytes[at + 1], bytes[at]};
  }
};

Bitmap Failed(const char* why) {
  Bitmap bmp;
  bmp.error = why;
  return bmp;
}

Bitmap ParseBmp(std::vector<uint8_t> b) {
  Bitmap bmp;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return Failed("not a bitmap");
  if (Le(b, 2, 4) != b.size()) return Failed("file size field differs from the size");
  if (Le(b, 10, 4) != 54 || Le(b, 14, 4) != 40) return Failed("not BITMAPINFOHEADER");
  const auto w = static_cast<int32_t>(Le(b, 18, 4)), h = static_cast<int32_t>(Le(b, 22, 4));
  if (w <= 0 || h <= 0) return Failed("not a bottom-up bitmap");
  if (Le(b, 26, 2) != 1 || Le(b, 28, 2) != 24 || Le(b, 30, 4) != 0) {
    return Failed("not uncompressed 24-bit");
  }
  const size_t image = pictures::BmpRowSize(w) * static_cast<size_t>(h);
  if (b.size() != 54 + image) return Failed("size does not match width, height and padding");
  if (Le(b, 34, 4) != image) return Failed("image size field is wrong");
  bmp.width = w;
  bmp.height = h;
  bmp.bytes = std::move(b);
  return bmp;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

Bitmap LoadStarter(const std::string& name) {
  Bitmap bmp = ParseBmp(ReadAll(std::string(VENTRO_STARTER_DIR) + "/" + name));
  if (!bmp.error.empty()) ADD_FAILURE() << name << ": " << bmp.error;
  return bmp;
}

size_t DistinctColours(const Bitmap& bmp) {
  std::set<uint32_t> seen;
  for (int y = 0; y < bmp.height; ++y) {
    for (int x = 0; x < bmp.width; ++x) {
      const Color c = bmp.At(x, y);
      seen.insert(uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b);
    }
  }
  return seen.size();
}

TEST(PicturesTest, BmpRowsArePaddedAndStoredBottomUp) {
  // Five pixels make 15 bytes a row, padded to 16: the case a writer without padding gets
  // wrong while every even test size hides it.
  Canvas canvas(5, 2, {10, 20, 30, 255});
  canvas.Set(4, 0, {200, 100, 50, 255});  // top row, last pixel
  const std::vector<uint8_t> file = pictures::EncodeBmp(canvas);
  ASSERT_EQ(file.size(), 54u + 2 * 16);
  const Bitmap bmp = ParseBmp(file);
  ASSERT_EQ(bmp.error, "");
  EXPECT_EQ(bmp.width, 5);
  EXPECT_EQ(bmp.height, 2);
  // The top row is stored last, in blue, green, red order, then one zero pad byte.
  EXPECT_EQ(file[54 + 16 + 12], 50);
  EXPECT_EQ(file[54 + 16 + 13], 100);
  EXPECT_EQ(file[54 + 16 + 14], 200);
  EXPECT_EQ(file[54 + 15], 0);
  EXPECT_EQ(file[54 + 16 + 15], 0);
  EXPECT_EQ(bmp.At(0, 1), (Color{10, 20, 30}));
}

TEST(PicturesTest, EdgesAreBlendedByCoverage) {
  Canvas canvas(3, 1, {255, 255, 255, 255});
  canvas.Fill(pictures::Rect(0, 0, 1.5, 1), Color{0, 0, 0});
  EXPECT_EQ(canvas.At(0, 0), (Color{0, 0, 0}));
  EXPECT_NEAR(canvas.At(1, 0).r, 128, 2);  // half the samples covered
  EXPECT_EQ(canvas.At(2, 0), (Color{255, 255, 255}));
}

TEST(PicturesTest, ShapesCombineAndTurn) {
  const Color white{255, 255, 255}, black{0, 0, 0};
  // Two overlapping squares stroked as one: their inner edges, where each part's distance is
  // near zero, lie deep inside the union and must not be outlined.
  Canvas joined(40, 20, white);
  joined.Stroke(pictures::Union(pictures::Rect(0, 0, 20, 20), pictures::Rect(18, 0, 40, 20)), 4,
                black);
  EXPECT_EQ(joined.At(19, 10), white);
  EXPECT_EQ(joined.At(10, 0), black);
  EXPECT_EQ(joined.At(39, 10), black);

  // A hole, and a bar turned a quarter turn about its middle.
  Canvas shapes(20, 20, white);
  shapes.Fill(pictures::Subtract(pictures::Circle(10, 10, 9), pictures::Circle(10, 10, 4)), black);
  EXPECT_EQ(shapes.At(10, 10), white);
  EXPECT_EQ(shapes.At(10, 3), black);
  Canvas bar(20, 20, white);
  bar.Fill(pictures::Rotate(pictures::Rect(2, 8, 18, 12), 90, {10, 10}), black);
  EXPECT_EQ(bar.At(10, 3), black);
  EXPECT_EQ(bar.At(3, 10), white);
}

TEST(PicturesTest, FlatteningForKeyedAndPrintedPictures) {
  const Color key{0, 0, 255};
  Canvas canvas(4, 1);                   // transparent
  canvas.Set(1, 0, {0, 0, 255, 255});    // drawn in the key colour itself
  canvas.Set(2, 0, {200, 40, 40, 160});  // an edge pixel more than half covered
  canvas.Set(3, 0, {200, 40, 40, 90});   // an edge pixel less than half covered
  pictures::FlattenToKey(canvas, key);
  EXPECT_EQ(canvas.At(0, 0), key);
  EXPECT_NE(canvas.At(1, 0), key);  // would otherwise show through on screen
  EXPECT_EQ(canvas.At(2, 0), (Color{200, 40, 40, 255}));
  EXPECT_EQ(canvas.At(3, 0), key);

  Canvas grey(2, 1);
  grey.Set(0, 0, {120, 120, 120, 255});
  grey.Set(1, 0, {140, 140, 140, 255});
  pictures::Threshold(grey);
  EXPECT_EQ(grey.At(0, 0), (Color{0, 0, 0, 255}));
  EXPECT_EQ(grey.At(1, 0), (Color{255, 255, 255, 255}));
}

// The pixels of a PNG written by EncodePng, read back from its stored deflate blocks after
// checking the chunk CRCs, the block lengths and the Adler-32 sum.
std::vector<uint8_t> StoredPngData(const std::vector<uint8_t>& png) {
  auto be32 = [&](size_t at) {
    return uint32_t{png[at]} << 24 | uint32_t{png[at + 1]} << 16 | uint32_t{png[at + 2]} << 8 |
           png[at + 3];
  };
  std::vector<uint8_t> zlib;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = be32(at);
    EXPECT_EQ(be32(at + 8 + length), pictures::file_detail::Crc32(&png[at + 4], length + 4));
    if (std::string(png.begin() + at + 4, png.begin() + at + 8) == "IDAT") {
      zlib.insert(zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
    }
    at += 12 + length;
  }
  std::vector<uint8_t> raw;
  size_t at = 2;
  for (bool last = false; !last && at + 5 <= zlib.size();) {
    last = zlib[at] & 1;
    const uint32_t len = Le(zlib, at + 1, 2);
    EXPECT_EQ(Le(zlib, at + 3, 2), ~len & 0xFFFF);
    raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + len);
    at += 5 + len;
  }
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(at + 4, zlib.size());
  if (at + 4 == zlib.size()) {
    EXPECT_EQ(uint32_t{zlib[at]} << 24 | uint32_t{zlib[at + 1]} << 16 |
                  uint32_t{zlib[at + 2]} << 8 | zlib[at + 3],
              (b << 16) | a);
  }
  return raw;
}

TEST(PicturesTest, PngDataSpansSeveralStoredBlocks) {
  // 130 rows of 1 + 128 * 4 bytes need two stored blocks of at most 65,535 bytes.
  Canvas canvas(128, 130);
  canvas.Set(127, 129, {1, 2, 3, 4});
  const std::vector<uint8_t> raw = StoredPngData(pictures::EncodePng(canvas));
  ASSERT_EQ(raw.size(), 130u * (1 + 128 * 4));
  EXPECT_EQ(raw[0], 0);  // filter byte
  EXPECT_EQ(std::vector<uint8_t>(raw.end() - 4, raw.end()), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(PicturesTest, StockPicturesAre96SquareAndDrawn) {
  for (int n = 1; n <= 24; ++n) {
    SCOPED_TRACE("stock" + std::to_string(n));
    const Bitmap bmp = LoadStarter("stock" + std::to_string(n) + ".bmp");
    EXPECT_EQ(bmp.width, 96);
    EXPECT_EQ(bmp.height, 96);
    EXPECT_GT(DistinctColours(bmp), 20u);
  }
}

TEST(PicturesTest, ReceiptLogoIsBlackAndWhite) {
  const Bitmap bmp = LoadStarter("receipt.bmp");
  EXPECT_GE(bmp.width, 300);
  EXPECT_LE(bmp.width, 384);  // the printable width of a narrow receipt printer
  size_t black = 0;
  for (int y = 0; y < bmp.height; ++y) {
    for (int x = 0; x < bmp.width; ++x) {
      const Color c = bmp.At(x, y);
      const bool white = c.r > 240 && c.g > 240 && c.b > 240;
      const bool dark = c.r < 16 && c.g < 16 && c.b < 16;
      ASSERT_TRUE(white || dark) << "grey or colour at " << x << "," << y;
      black += dark;
    }
  }
  EXPECT_GT(black, 1000u);
}

TEST(PicturesTest, LetterLogoIsAColourPicture) {
  const Bitmap bmp = LoadStarter("letter.bmp");
  EXPECT_GE(bmp.width, 400);
  EXPECT_GT(DistinctColours(bmp), 20u);
}

TEST(PicturesTest, SplashIsSeeThroughOnlyOutsideItsPanel) {
  const Bitmap bmp = LoadStarter("splash.bmp");
  ASSERT_EQ(bmp.width, 400);
  ASSERT_EQ(bmp.height, 198);
  const Color key{0, 0, 255};
  for (auto [x, y] : {std::pair{0, 0}, {399, 0}, {0, 197}, {399, 197}, {2, 2}, {397, 195}}) {
    EXPECT_EQ(bmp.At(x, y), key) << x << "," << y;
  }
  size_t keyed_inside = 0;
  for (int y = 30; y < 168; ++y) {
    for (int x = 30; x < 370; ++x) keyed_inside += bmp.At(x, y) == key;
  }
  EXPECT_EQ(keyed_inside, 0u);
  EXPECT_GT(DistinctColours(bmp), 20u);
}

TEST(PicturesTest, IconIsAnRgbaPng) {
  const std::vector<uint8_t> png = ReadAll(std::string(VENTRO_STARTER_DIR) + "/ventro-icon.png");
  ASSERT_GT(png.size(), 33u);
  const std::vector<uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(Le({png[19], png[18], png[17], png[16]}, 0, 4), 256u);  // width, big-endian
  EXPECT_EQ(Le({png[23], png[22], png[21], png[20]}, 0, 4), 256u);  // height
  EXPECT_EQ(png[24], 8);                                            // bits per channel
  EXPECT_EQ(png[25], 6);                                            // RGBA
  const std::vector<uint8_t> raw = StoredPngData(png);
  ASSERT_EQ(raw.size(), 256u * (1 + 256 * 4));
  EXPECT_EQ(raw[4], 0);                               // the corner outside the tile is see-through
  EXPECT_EQ(raw[128 * 1025 + 1 + 128 * 4 + 3], 255);  // the middle is opaque
}

}  // namespace
}  // namespace ventro
