// Build tool: draws the pictures shipped beside the program into the folder named on the
// command line: stock1.bmp to stock24.bmp, letter.bmp, receipt.bmp, splash.bmp and
// ventro-icon.png. Exits non-zero if any file cannot be written.
#include <cstdio>
#include <string>

#include "starter/brand_pictures.h"
#include "starter/picture_files.h"
#include "starter/stock_pictures.h"

namespace ventro::pictures {
namespace {

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (WriteBytes(path, bytes)) return true;
  std::fprintf(stderr, "make_pictures: cannot write %s\n", path.c_str());
  return false;
}

bool MakeAll(const std::string& folder) {
  bool ok = true;
  for (int n = 1; n <= kStockPictureCount; ++n) {
    ok &= Save(folder + "/stock" + std::to_string(n) + ".bmp", EncodeBmp(DrawStockPicture(n)));
  }
  Canvas receipt = DrawReceiptLogo();
  Threshold(receipt);  // thermal printers print a dot or nothing
  ok &= Save(folder + "/receipt.bmp", EncodeBmp(receipt));
  Canvas letter = DrawLetterLogo();
  FlattenOnto(letter, {255, 255, 255});
  ok &= Save(folder + "/letter.bmp", EncodeBmp(letter));
  Canvas splash = DrawSplash();
  FlattenToKey(splash, kSplashKey);
  ok &= Save(folder + "/splash.bmp", EncodeBmp(splash));
  ok &= Save(folder + "/ventro-icon.png", EncodePng(DrawIcon(256)));
  return ok;
}

}  // namespace
}  // namespace ventro::pictures

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
    return 2;
  }
  return ventro::pictures::MakeAll(argv[1]) ? 0 : 1;
}
