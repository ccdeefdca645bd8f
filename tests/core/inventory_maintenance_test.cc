// New line, Amend, Delete and Find on inventory.dat: the proposed number, the form's checks in
// order, what is written (and what is not when something is refused or fails) and the day
// text log lines.
#include "inventory/item_maintenance.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "inventory/item_form.h"
#include "inventory_test_fixture.h"
#include "store/name_search.h"

namespace ventro {
namespace {

using test::StockItem;

class ItemMaintenanceTest : public test::InventoryTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Data("2026/12"));
    p.clock.Set(2026, 12, 6, 14, 5);
  }
  // Fills the form as a clerk would for a new item.
  static void FillNew(Dialog& d, const std::string& description, const std::string& retail = "3",
                      const std::string& cost = "1", const std::string& quantity = "2") {
    d.Field("description").text = description;
    d.Field("retail_price").text = retail;
    d.Field("cost_price").text = cost;
    d.Field("quantity").text = quantity;
  }
};

TEST_F(ItemMaintenanceTest, TheProposedNumberIsTheFirstGapFromTheLastNumberUsed) {
  WriteItems({{1, "A1"}, {2, "A2"}, {3, "A3"}, {4, "A4"}, {5, "A5"}, {7, "A7"}, {-1, ""}});
  EXPECT_EQ(ProposedItemNumber(v().settings, v().inventory), 6);

  WriteItems({{10, "TEN"}, {11, "ELEVEN"}, {13, "THIRTEEN"}});
  v().settings.Set(cfg::kLastInventoryNumber, 10);
  EXPECT_EQ(ProposedItemNumber(v().settings, v().inventory), 12);

  // A negative last number starts again from 1 and is put right in the settings.
  v().settings.Set(cfg::kLastInventoryNumber, -7);
  EXPECT_EQ(ProposedItemNumber(v().settings, v().inventory), 1);
  EXPECT_EQ(v().settings.Get(cfg::kLastInventoryNumber), 0);
}

TEST_F(ItemMaintenanceTest, TheChecksOfANewItemComeInOrder) {
  InventoryRecord item;
  item.Set(inv::kNumber, InventoryRecord::kMaxNumber + 1);
  item.Set(inv::kDescription, "X");
  item.Set(inv::kDisplayCategory, 18);
  item.Set(inv::kQuantity, -1);
  std::vector<std::string> refusals;
  auto next = [&] {
    std::optional<std::string> refusal = NewItemRefusal(item);
    refusals.push_back(refusal.value_or("ok"));
  };
  next();
  item.Set(inv::kNumber, InventoryRecord::kMaxNumber);
  next();
  item.Set(inv::kDescription, "XY");
  next();
  item.Set(inv::kDisplayCategory, 17);
  next();
  item.Set(inv::kRetailPrice, 0.01);
  next();
  item.Set(inv::kQuantity, 0);
  next();
  item.Set(inv::kCostPrice, 0.01);
  next();
  EXPECT_EQ(refusals,
            (std::vector<std::string>{"Number outside range.",
                                      "The description must have at least two characters.",
                                      "Invalid category", "Invalid retail price",
                                      "Invalid quantity in stock", "Invalid cost price", "ok"}));
  item.Set(inv::kNumber, 0);
  EXPECT_EQ(NewItemRefusal(item), "Number outside range.");
  item.Set(inv::kNumber, 5);
  item.Set(inv::kDisplayCategory, -1);
  EXPECT_EQ(NewItemRefusal(item), "Invalid category");
}

TEST_F(ItemMaintenanceTest, ANewItemIsStoredAsEnteredWithItsInitialValues) {
  WriteItems({{1, "APPLE"}, {2, "PEAR"}});
  v().settings.Set(cfg::kDefaultTaxCode, 2);
  v().settings.Set(cfg::kDefaultNewCategory, 4);
  Dialog shown;
  Reply([&](Dialog& d) {
    shown = d;
    FillNew(d, "plum jam", "1.005", "0.5", "7");
    d.Field("sku1").text = std::string(45, 'S');
    d.Field("age_warning").checked = true;
    d.Field("age").choice = 16;  // 18
    d.Field("offer").choice = 2;
    d.Field("sell_by_year").choice = 3;  // 2014
  });
  AddItems(desk());

  EXPECT_EQ(shown.title, "New inventory");
  EXPECT_EQ(shown.Field("number").text, "3");
  EXPECT_EQ(shown.Field("tax").choice, 2);
  EXPECT_EQ(shown.Field("category").choice, 3);
  EXPECT_EQ(shown.Field("retail_price").text, "0.00");
  EXPECT_EQ(shown.Field("picture").text, "STOCK1.bmp");
  EXPECT_TRUE(shown.Field("rr_tax1").checked);
  EXPECT_FALSE(shown.Field("rr_tax2").checked);
  EXPECT_TRUE(shown.Field("number").required && shown.Field("quantity").required);
  EXPECT_EQ(shown.buttons, (std::vector<std::string>{"OK", "Next", "Copy", "Cancel"}));

  ASSERT_EQ(Read("inventory.dat").size(), 3u * 2113);
  const std::string slot = InventorySlot(2);
  EXPECT_EQ(test::GetAt<int64_t>(slot, 0), 3);
  EXPECT_EQ(test::TextAt(slot, 8, 40), "plum jam");
  EXPECT_EQ(test::TextAt(slot, 90, 40), std::string(38, 'S'));
  EXPECT_EQ(test::GetAt<double>(slot, 830), 1.0);  // 1.005 printed "%.2f" is 1.00
  EXPECT_EQ(test::GetAt<double>(slot, 814), 0.5);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 670), 7);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 686), 2);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 2022), 3);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 1282), 18);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 1338), 4);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 1354), 3);
  EXPECT_EQ(test::GetAt<int32_t>(slot, 1270), 1);
  EXPECT_EQ(test::TextAt(slot, 630, 20), "06/12/2026");
  EXPECT_EQ(slot.substr(2073, 7), std::string("\0\0\0\0\0 \0", 7));
  EXPECT_EQ(v().inventory.FindPosition(3), 2);
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kDone});
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(ItemMaintenanceTest, NextAndCopyProposeTheFollowingNumber) {
  WriteItems({{1, "APPLE"}});
  Dialog copied;
  Reply([](Dialog& d) { FillNew(d, "FIRST"); }, "Copy");
  Reply([&](Dialog& d) { copied = d; }, "Next");
  Dialog blank;
  Reply([&](Dialog& d) { blank = d; }, "Cancel");
  AddItems(desk());
  EXPECT_EQ(copied.Field("number").text, "3");
  EXPECT_EQ(copied.Field("description").text, "FIRST");
  EXPECT_EQ(blank.Field("number").text, "4");
  EXPECT_EQ(blank.Field("description").text, "");
  EXPECT_EQ(v().inventory.live_count(), 3);
  EXPECT_TRUE(p.sound.played.empty());  // only OK ends with the completion sound
}

TEST_F(ItemMaintenanceTest, ARefusedEntryReopensTheFormWithTheValuesAndAnEditableNumber) {
  WriteItems({{1, "APPLE"}});
  Reply([](Dialog& d) { FillNew(d, "PLUM", "0"); });
  Dialog again;
  Reply([&](Dialog& d) { again = d; }, "Cancel");
  const std::string before = Read("inventory.dat");
  AddItems(desk());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Invalid retail price"}}));
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kError});
  EXPECT_EQ(again.title, "New inventory");
  EXPECT_EQ(again.Field("number").kind, FieldKind::kNumber);
  EXPECT_EQ(again.Field("number").text, "2");
  EXPECT_EQ(again.Field("description").text, "PLUM");
  EXPECT_EQ(Read("inventory.dat"), before);
}

TEST_F(ItemMaintenanceTest, ANumberInUseEndsTheCommandWithNothingWritten) {
  WriteItems({{1, "APPLE"}, {-1, ""}});
  const std::string before = Read("inventory.dat");
  Reply([](Dialog& d) {
    d.Field("number").text = "1";
    FillNew(d, "PLUM");
  });
  AddItems(desk());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Number in use."}}));
  EXPECT_EQ(Read("inventory.dat"), before);
  EXPECT_EQ(v().inventory.deleted_count(), 1);
  EXPECT_EQ(p.ui.dialogs_run.size(), 1u);
}

TEST_F(ItemMaintenanceTest, AnAddTakesTheFreeSlotAtTheFrontOfTheIndex) {
  // Item 3 was deleted after the slot 0 item; slot 0 is reused first, even for number 3.
  WriteItems({{-1, ""}, {1, "APPLE"}, {-1, ""}});
  Reply([](Dialog& d) {
    d.Field("number").text = "3";
    FillNew(d, "PEACH");
  });
  AddItems(desk());
  EXPECT_EQ(v().inventory.FindPosition(3), 0);
  EXPECT_EQ(test::TextAt(InventorySlot(0), 8, 40), "PEACH");
  EXPECT_EQ(Read("inventory.dat").size(), 3u * 2113);
  EXPECT_EQ(v().inventory.prefix(0), (std::array<uint8_t, 2>{'P', 'E'}));
}

TEST_F(ItemMaintenanceTest, AmendWritesTheItemThenItsPrefixThenThreeLogLines) {
  WriteItems({{1, "APPLE"}, {2, "PEAR", "", 2.5, 4}});
  Type("2");
  Dialog form;
  Reply([&](Dialog& d) {
    form = d;
    d.Field("description").text = "QUINCE";
    d.Field("quantity").text = "9";
    d.Field("retail_price").text = "3.1";
  });
  EXPECT_FALSE(AmendItem(desk()));
  EXPECT_EQ(form.title, "Amend inventory");
  EXPECT_EQ(form.Field("number").kind, FieldKind::kReadOnly);
  EXPECT_EQ(form.buttons, (std::vector<std::string>{"OK", "Cancel"}));
  EXPECT_EQ(test::TextAt(InventorySlot(1), 8, 40), "QUINCE");
  EXPECT_EQ(FindByName(p.files, v().inventory, "QU"), std::vector<int64_t>{1});
  EXPECT_EQ(DayLog(),
            "\r\n14:05 06/12/2026 Item 2, QUINCE amended.\r\n"
            "Prev desc: PEAR\r\nPrev quantity: 4, Updated quantity: 9\r\n"
            "Prev price: 2.50, Updated price: 3.10\r\n");
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kDone});
}

TEST_F(ItemMaintenanceTest, ARefusedOrFailedAmendSavesAndLogsNothing) {
  WriteItems({{1, "APPLE"}, {2, "PEAR"}});
  const std::string before = Read("inventory.dat");
  Type("2");
  Reply([](Dialog& d) { d.Field("description").text = "Q"; });
  AmendItem(desk());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{
                               {"Problem", "The title must have at least two characters."}}));
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kError});

  p.files.failing.insert("inventory.dat");
  Type("2");
  Reply([](Dialog& d) { d.Field("description").text = "QUINCE"; });
  AmendItem(desk());
  EXPECT_EQ(p.ui.messages.back().text, (dir.path() / "inventory.dat").string());
  EXPECT_EQ(Read("inventory.dat"), before);
  EXPECT_EQ(v().inventory.prefix(1), (std::array<uint8_t, 2>{'P', 'E'}));
  EXPECT_FALSE(Exists("2026/12/6.txt"));
}

TEST_F(ItemMaintenanceTest, AmendOfABundleIsLeftToTheBundleAmend) {
  WriteItems({{1, "APPLE"}, {5, "HAMPER", "", 9, 0, InventoryRecord::kBundleKind}});
  Type("5");
  EXPECT_TRUE(AmendItem(desk()));
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"EDITBOX"});
}

TEST_F(ItemMaintenanceTest, DeleteAsksFirstThenFreesTheSlotAndLogsIt) {
  WriteItems({{1, "APPLE"}, {2, "PEAR"}});
  const std::string before = Read("inventory.dat");
  Type("2");
  p.ui.message_answers.push_back(Answer::kCancel);
  DeleteItem(desk());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"2 Item: PEAR", "Are you sure?"}}));
  EXPECT_EQ(Read("inventory.dat"), before);
  EXPECT_EQ(v().inventory.FindPosition(2), 1);
  EXPECT_FALSE(Exists("2026/12/6.txt"));

  Type("pe");
  Reply(nullptr);  // the find result view shows PEAR
  DeleteItem(desk());
  const std::string slot = InventorySlot(1);
  EXPECT_EQ(test::GetAt<int64_t>(slot, 0), -1);
  EXPECT_EQ(slot.substr(8, 4), std::string("\0\0AR", 4));
  EXPECT_EQ(slot.substr(12), before.substr(2113 + 12, 2113 - 12));
  EXPECT_EQ(v().inventory.FindPosition(2), std::nullopt);
  EXPECT_EQ(v().inventory.deleted_count(), 1);
  EXPECT_EQ(DayLog(), "\r\nItem 2, PEAR deleted.  Date: 14:05 06/12/2026\r\n");
}

TEST_F(ItemMaintenanceTest, FindTakesALeadingNumberOrTheStartOfADescription) {
  WriteItems({{12, "TEAPOT"}, {3, "APPLE"}, {4, "APRICOT"}, {5, "BANANA"}});
  // "12ABC" is number 12, shown in the item view.
  Type("12ABC");
  Dialog view;
  Reply([&](Dialog& d) { view = d; });
  std::optional<FoundItem> found = FindItem(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->position, 0);
  EXPECT_EQ(view.name, "801");
  EXPECT_EQ(view.Field("description").text, "TEAPOT");

  // "a" is "A?": every description starting with A, one at a time.
  std::vector<std::string> shown;
  auto step = [&](const std::string& button) {
    Reply([&](Dialog& d) { shown.push_back(d.Field("description").text); }, button);
  };
  Type("a");
  step("Next");
  step("Next");
  found = FindItem(desk());
  EXPECT_EQ(found, std::nullopt);
  EXPECT_EQ(shown, (std::vector<std::string>{"APPLE", "APRICOT"}));
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Finished", "No match found"}}));

  // "?" matches any character, lower case as upper case; OK takes the item shown.
  shown.clear();
  Type("ap?i");
  step("OK");
  found = FindItem(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(shown, std::vector<std::string>{"APRICOT"});
  EXPECT_EQ(v().inventory.item().Get(inv::kNumber), 4);
}

TEST_F(ItemMaintenanceTest, TheListModeChoosesFromEveryMatchInFileOrder) {
  WriteItems({{12, "TEAPOT"}, {3, "APPLE"}, {4, "APRICOT"}});
  v().settings.Set(cfg::kInventorySearchList, 1);
  Dialog list;
  Type("AP");
  Reply([&](Dialog& d) {
    list = d;
    d.Field("choice").choice = 1;
  });
  std::optional<FoundItem> found = FindItemByDescriptionCommand(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(list.name, "818");
  EXPECT_EQ(list.Field("choice").options,
            (std::vector<std::string>{"3, APPLE (4) 2.50", "4, APRICOT (4) 2.50"}));
  EXPECT_EQ(v().inventory.item().Get(inv::kNumber), 4);
}

TEST_F(ItemMaintenanceTest, TheFindViewShowsCostOnlyToClerksAllowedToSeeIt) {
  WriteItems({{3, "APPLE"}});
  v().settings.Set(cfg::kCostPriceHidden, 2);
  v().settings.Set(cfg::kSignedOnClerk, 3);
  Dialog view;
  Type("AP");
  Reply([&](Dialog& d) { view = d; });
  FindItem(desk());
  EXPECT_EQ(view.name, "805");
  EXPECT_EQ(view.title, "FIND INVENTORY");
  auto has_cost = [&view] {
    for (const DialogField& f : view.fields) {
      if (f.key == "cost_price") return true;
    }
    return false;
  };
  EXPECT_FALSE(has_cost());
  v().settings.Set(cfg::kSignedOnClerk, 2);
  Type("AP");
  Reply([&](Dialog& d) { view = d; });
  FindItem(desk());
  EXPECT_TRUE(has_cost());
}

TEST_F(ItemMaintenanceTest, TheReadyReckonerTakesTheTicketTaxesOff) {
  v().settings.Set(cfg::kTax1Rate, 2000);  // 20%
  v().settings.Set(cfg::kTax2Rate, 500);   // 5%
  EXPECT_DOUBLE_EQ(RetailWithoutTax(v().settings, "12", true, false), 10.0);
  EXPECT_DOUBLE_EQ(RetailWithoutTax(v().settings, "10.5", false, true), 10.0);
  EXPECT_DOUBLE_EQ(RetailWithoutTax(v().settings, "12.5", true, true), 10.0);
  EXPECT_DOUBLE_EQ(RetailWithoutTax(v().settings, "7", false, false), 7.0);
  EXPECT_EQ(RetailWithoutTax(v().settings, "-3", true, false), 0.0);
  v().settings.Set(cfg::kTax1Rate, 0);
  EXPECT_DOUBLE_EQ(RetailWithoutTax(v().settings, "10.5", true, true), 10.0);

  WriteItems({{1, "APPLE"}});
  Dialog form;
  Reply(
      [&](Dialog& d) {
        d.Field("rr_tax1").checked = false;
        d.Field("rr_tax2").checked = true;
        d.Field("retail_with_tax").text = "21";
        d.on_change(d, "retail_with_tax");
        d.on_change(d, "Forward");
        form = d;
      },
      "Cancel");
  AddItems(desk());
  EXPECT_EQ(form.Field("retail_price").text, "20.00");
  EXPECT_EQ(form.Field("retail_without_tax").text, "20.00");
  EXPECT_EQ(form.Field("picture").text, "STOCK24.bmp");
}

TEST_F(ItemMaintenanceTest, AnOwnPictureStandsAtTheWrapOfTheStockPictures) {
  WriteItems({{1, "APPLE"}});
  InventoryRecord& item = v().inventory.item();
  item.Set(inv::kNumber, 1);
  item.Set(inv::kDescription, "APPLE");
  item.Set(inv::kOwnPicture, 1);
  item.Set(inv::kStockPicture, 24);
  std::vector<std::string> pictures;
  Reply([&](Dialog& d) {
    for (const char* action : {"Back", "Back", "Forward", "Forward", "Forward"}) {
      d.on_change(d, action);
      pictures.push_back(d.Field("picture").text);
    }
  });
  ASSERT_EQ(RunItemForm(p.ui, v().settings, p.clock.now, item, ItemFormMode::kAmend, 0),
            ItemFormExit::kOk);
  EXPECT_EQ(pictures, (std::vector<std::string>{"STOCK1.bmp", "STOCK2.bmp", "STOCK1.bmp", "m1.bmp",
                                                "STOCK24.bmp"}));
  EXPECT_EQ(item.Get(inv::kOwnPicture), 0);
  EXPECT_EQ(item.Get(inv::kStockPicture), 24);
}

}  // namespace
}  // namespace ventro
