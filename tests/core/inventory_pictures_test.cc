// An item's own picture and the built-in stock pictures: the item looked up first, the picture
// written whole over the old one, an unreadable file refused with the old picture kept.
#include "inventory/item_pictures.h"

#include <gtest/gtest.h>

#include "inventory/item_maintenance.h"
#include "inventory_test_fixture.h"

namespace ventro {
namespace {

// A 1 x 1 bitmap: file header, 40-byte info header, one padded pixel.
std::string TinyBitmap(uint8_t blue) {
  std::string bytes(58, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  test::PutAt<uint32_t>(bytes, 2, 58);
  test::PutAt<uint32_t>(bytes, 10, 54);
  test::PutAt<uint32_t>(bytes, 14, 40);
  test::PutAt<int32_t>(bytes, 18, 1);
  test::PutAt<int32_t>(bytes, 22, 1);
  test::PutAt<uint16_t>(bytes, 26, 1);
  test::PutAt<uint16_t>(bytes, 28, 24);
  bytes[54] = static_cast<char>(blue);
  return bytes;
}

// A user interface whose front end reads one made-up picture format, as Qt reads PNG.
class ConvertingUi : public test::FakeUi {
 public:
  std::optional<std::string> PictureAsBitmap(std::string_view bytes) override {
    if (bytes.rfind("PICTURE:", 0) == 0) return TinyBitmap(static_cast<uint8_t>(bytes.back()));
    return FakeUi::PictureAsBitmap(bytes);
  }
};

class ItemPictureTest : public test::InventoryTest {
 protected:
  void SetUp() override { WriteItems({{1, "APPLE"}, {2, "PEAR"}}); }
  Path Source(const std::string& name, const std::string& bytes) {
    Path path = dir.path() / "incoming" / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
};

TEST_F(ItemPictureTest, AMissingItemIsNotAskedForAPicture) {
  Type("9");
  EXPECT_FALSE(AddItemPicture(desk()));
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Finished", "No match found"}}));
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"EDITBOX"});
}

TEST_F(ItemPictureTest, TheItemTakesItsOwnPicture) {
  Type("2");
  p.ui.open_answers.push_back(Source("pear.bmp", TinyBitmap(7)));
  EXPECT_TRUE(AddItemPicture(desk()));
  EXPECT_EQ(Read("m2.bmp"), TinyBitmap(7));
  EXPECT_EQ(test::GetAt<int32_t>(InventorySlot(1), 1810), 1);
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Picture", "Updated."}}));
}

TEST_F(ItemPictureTest, APictureTheFrontEndReadsIsStoredAsABitmap) {
  ConvertingUi ui;
  Platform platform = p.platform;
  Platform converting{ui,
                      platform.clock,
                      platform.locale,
                      platform.sound,
                      platform.shell,
                      platform.files,
                      platform.ports,
                      platform.raw_printer,
                      platform.printer};
  InventoryDesk converting_desk{converting, v().settings, v().inventory, dir.path()};
  ui.edit_answers.push_back("1");
  ui.open_answers.push_back(Source("apple.png", "PICTURE:\x09"));
  EXPECT_TRUE(AddItemPicture(converting_desk));
  EXPECT_EQ(Read("m1.bmp"), TinyBitmap(9));
}

TEST_F(ItemPictureTest, AnUnreadableFileKeepsTheOldPicture) {
  std::ofstream(Data("m2.bmp"), std::ios::binary) << TinyBitmap(3);
  Type("2");
  p.ui.open_answers.push_back(Source("notes.txt", "not a picture"));
  EXPECT_FALSE(AddItemPicture(desk()));
  EXPECT_EQ(p.ui.messages,
            (std::vector<test::ShownMessage>{{"Problem", "File of incorrect type"}}));
  EXPECT_EQ(Read("m2.bmp"), TinyBitmap(3));
  EXPECT_EQ(test::GetAt<int32_t>(InventorySlot(1), 1810), 0);

  // A file that cannot be read at all, and a cancelled choice.
  p.ui.messages.clear();
  Type("2");
  p.ui.open_answers.push_back(dir.path() / "no-such.bmp");
  EXPECT_FALSE(AddItemPicture(desk()));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"File of incorrect type"});
  Type("2");
  EXPECT_FALSE(AddItemPicture(desk()));
}

TEST_F(ItemPictureTest, AStockPictureIsReplacedByNumber) {
  for (const char* typed : {"0", "25"}) {
    Type(typed);
    EXPECT_FALSE(ChangeStockPicture(desk()));
  }
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Outside range"},
                                                            {"Problem", "Outside range"}}));
  p.ui.messages.clear();
  Type("24");
  p.ui.open_answers.push_back(Source("new.bmp", TinyBitmap(5)));
  EXPECT_TRUE(ChangeStockPicture(desk()));
  EXPECT_EQ(Read("stock24.bmp"), TinyBitmap(5));
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Inbuilt picture", "Updated."}}));
}

TEST_F(ItemPictureTest, FindByNumberOpensThePictureWindowBesideTheItemView) {
  // Item 1 shows stock picture 3, shipped in lower case; item 2 takes its own picture.
  std::ofstream(Data("stock3.bmp"), std::ios::binary) << TinyBitmap(3) + "padding";
  Type("2");
  p.ui.open_answers.push_back(Source("pear.bmp", TinyBitmap(2)));
  ASSERT_TRUE(AddItemPicture(desk()));
  p.ui.dialogs_run.clear();
  Type("1");
  Reply(nullptr);
  FindItem(desk());
  Type("2");
  Reply(nullptr);
  FindItem(desk());
  EXPECT_EQ(p.ui.pictures,
            (std::vector<test::FakeUi::ShownPicture>{{"Inventory: 1", 65}, {"Inventory: 2", 58}}));
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"EDITBOX", "801", "EDITBOX", "801"}));

  // A picture that is missing or no bitmap opens no window; the item view still shows.
  std::ofstream(Data("m2.bmp"), std::ios::binary) << "not a picture";
  std::filesystem::remove(Data("stock3.bmp"));
  p.ui.pictures.clear();
  for (const char* typed : {"1", "2"}) {
    Type(typed);
    Reply(nullptr);
    FindItem(desk());
  }
  EXPECT_TRUE(p.ui.pictures.empty());
  EXPECT_EQ(p.ui.dialogs_run.size(), 8u);
}

}  // namespace
}  // namespace ventro
