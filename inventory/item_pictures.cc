#include "inventory/item_pictures.h"

#include <optional>
#include <string>

#include "base/format.h"
#include "inventory/item_form.h"
#include "inventory/item_lookup.h"
#include "platform/bitmap.h"
#include "platform/tell.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr char kPictureFilter[] = "Pictures (*.bmp *.png *.jpg *.jpeg *.gif)";
constexpr int kStockPictures = 24;

// Asks for a picture file and writes it, as a bitmap, over `name` in the data folder. False
// (after saying why) when cancelled, unreadable or not written.
bool ReplacePicture(const InventoryDesk& desk, const std::string& title, const std::string& name) {
  std::optional<Path> chosen = desk.ui().OpenFileName(title, kPictureFilter);
  if (!chosen) return false;
  std::optional<std::string> bytes = desk.files().ReadAll(*chosen);
  std::optional<std::string> bitmap;
  if (bytes) bitmap = desk.ui().PictureAsBitmap(*bytes);
  if (!bitmap) {
    desk.ui().Message(kProblem, "File of incorrect type", Icon::kError);
    return false;
  }
  if (!desk.files().WriteWhole(desk.data_folder / name, *bitmap)) {
    desk.ui().Message(kProblem, "Not able to write " + name, Icon::kError);
    return false;
  }
  return true;
}

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The bitmap named `name` in the data folder; the stock pictures are shipped in lower case
// while their names are built in upper case, so the lower-case name is tried too.
std::optional<std::string> ReadPicture(const InventoryDesk& desk, const std::string& name) {
  for (const std::string& candidate : {name, LowerAscii(name)}) {
    std::optional<std::string> bytes = desk.files().ReadAll(desk.data_folder / candidate);
    if (bytes && IsBitmapFile(*bytes)) return bytes;
  }
  return std::nullopt;
}

}  // namespace

void ShowItemPicture(const InventoryDesk& desk, const InventoryRecord& item) {
  std::optional<std::string> bitmap = ReadPicture(desk, ItemPictureName(item));
  if (!bitmap) return;
  desk.ui().ShowPicture(
      StringPrintf("Inventory: %lld", static_cast<long long>(item.Get(inv::kNumber))), *bitmap);
}

bool AddItemPicture(const InventoryDesk& desk) {
  std::string text;
  if (!desk.ui().EditBox("Add image to inventory number:", text)) return false;
  const int64_t number = AtoI64(text);
  if (!FindItemByNumber(desk, number)) return false;
  const std::string name = StringPrintf("m%lld.bmp", static_cast<long long>(number));
  if (!ReplacePicture(desk, "Add custom image to item", name)) return false;
  InventoryRecord& item = desk.inventory.item();
  if (item.Get(inv::kOwnPicture) != 1) {
    item.Set(inv::kOwnPicture, 1);
    if (!Tell(desk.ui(), desk.inventory.WriteBack(desk.files()))) return false;
  }
  desk.ui().Message("Picture", "Updated.", Icon::kInformation);
  return true;
}

bool ChangeStockPicture(const InventoryDesk& desk) {
  std::string text;
  if (!desk.ui().EditBox("Stock picture number (1-24):", text)) return false;
  const int64_t number = AtoI64(text);
  if (number < 1 || number > kStockPictures) {
    desk.ui().Message(kProblem, "Outside range", Icon::kError);
    return false;
  }
  const std::string name = StringPrintf("stock%d.bmp", static_cast<int>(number));
  if (!ReplacePicture(desk, "Change inbuilt stock picture", name)) return false;
  desk.ui().Message("Inbuilt picture", "Updated.", Icon::kInformation);
  return true;
}

}  // namespace ventro
