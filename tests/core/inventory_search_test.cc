// The "contains" searches: fragment, SKU 1 and advanced offered match by match with Yes, No
// and Cancel; the advanced search's any and all; the SKU list; a missing or short file.
#include "inventory/item_scan.h"

#include <gtest/gtest.h>

#include "inventory_test_fixture.h"

namespace ventro {
namespace {

using test::StockItem;

class ItemSearchTest : public test::InventoryTest {
 protected:
  void SetUp() override {
    WriteItems({{21, "RED TEAPOT", "TP-RED"},
                {-1, ""},
                {22, "BLUE TEAPOT", "TP-BLUE"},
                {30, "TEA HAMPER", "HAMP", 20, 0, InventoryRecord::kBundleKind},
                {23, "GREEN CUP", "CUP-GRN"}});
  }
  std::vector<test::ShownMessage> Offered() const {
    std::vector<test::ShownMessage> offered;
    for (const auto& m : p.ui.messages) {
      if (m.title == "Search: No to continue") offered.push_back(m);
    }
    return offered;
  }
  static AdvancedQuery Query(std::string description, std::vector<std::string> skus, bool all) {
    AdvancedQuery query;
    query.description = std::move(description);
    for (size_t k = 0; k < skus.size(); ++k) query.sku[k] = skus[k];
    query.all = all;
    return query;
  }
  bool Matches(const AdvancedQuery& query, int64_t slot) {
    return MatchesAdvanced(query, reinterpret_cast<const uint8_t*>(InventorySlot(slot).data()));
  }
};

TEST_F(ItemSearchTest, NoGoesOnYesTakesTheItem) {
  Type("teap");
  p.ui.message_answers = {Answer::kNo, Answer::kYes};
  std::optional<FoundItem> found = SearchDescriptionFragment(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->position, 2);
  EXPECT_FALSE(found->open_bundle_view);
  EXPECT_EQ(v().inventory.item().Get(inv::kNumber), 22);
  EXPECT_EQ(v().inventory.current_position(), 2);
  EXPECT_EQ(Offered(),
            (std::vector<test::ShownMessage>{{"Search: No to continue", "21, RED TEAPOT"},
                                             {"Search: No to continue", "22, BLUE TEAPOT"}}));
}

TEST_F(ItemSearchTest, ABundleTakenWithYesAsksForTheBundleViewAndWithCancelDoesNot) {
  Type("HAMPER");
  p.ui.message_answers = {Answer::kYes};
  std::optional<FoundItem> found = SearchDescriptionFragment(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_TRUE(found->open_bundle_view);

  Type("HAMPER");
  p.ui.message_answers = {Answer::kCancel};
  found = SearchDescriptionFragment(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->position, 3);
  EXPECT_FALSE(found->open_bundle_view);
}

TEST_F(ItemSearchTest, TheEndOfTheFileWithoutAChoiceFindsNothing) {
  Type("TEA");
  p.ui.message_answers = {Answer::kNo, Answer::kNo, Answer::kNo};
  EXPECT_EQ(SearchDescriptionFragment(desk()), std::nullopt);
  EXPECT_EQ(p.ui.messages.back(), (test::ShownMessage{"Finished", "No match found"}));
  EXPECT_EQ(Offered().size(), 3u);

  // An empty text or a cancelled prompt ends at once.
  p.ui.messages.clear();
  Type("");
  EXPECT_EQ(SearchDescriptionFragment(desk()), std::nullopt);
  EXPECT_EQ(SearchDescriptionFragment(desk()), std::nullopt);
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(ItemSearchTest, TheSku1SearchLooksAtSku1Only) {
  Type("blue");
  std::optional<FoundItem> found = SearchSku1Fragment(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(v().inventory.item().Get(inv::kNumber), 22);
  Type("TEAPOT");
  EXPECT_EQ(SearchSku1Fragment(desk()), std::nullopt);
}

TEST_F(ItemSearchTest, AdvancedAnyNeedsOneNonEmptyMatchAllNeedsEveryText) {
  // Nothing typed: any finds nothing, all finds everything.
  EXPECT_FALSE(Matches(Query("", {}, false), 0));
  EXPECT_TRUE(Matches(Query("", {}, true), 0));
  // Any: the description or one SKU text, found in any of the SKUs.
  EXPECT_TRUE(Matches(Query("RED", {}, false), 0));
  EXPECT_TRUE(Matches(Query("XYZ", {"", "", "", "RED"}, false), 0));
  EXPECT_FALSE(Matches(Query("XYZ", {"BLUE"}, false), 0));
  // All: every non-empty text must be found.
  EXPECT_TRUE(Matches(Query("TEAPOT", {"TP-", "RED"}, true), 0));
  EXPECT_FALSE(Matches(Query("TEAPOT", {"TP-", "BLUE"}, true), 0));
  EXPECT_FALSE(Matches(Query("CUP", {"TP-"}, true), 0));

  Dialog shown;
  Reply([&](Dialog& d) {
    shown = d;
    d.Field("sku2").text = "cup";
    d.Field("description").text = "red";
  });
  std::optional<FoundItem> found = SearchAdvanced(desk());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(shown.name, "811");
  EXPECT_EQ(shown.Field("match").choice, 0);
  EXPECT_EQ(Offered().front().text, "21, RED TEAPOT");

  p.ui.messages.clear();
  Reply([&](Dialog& d) {
    d.Field("sku2").text = "cup";
    d.Field("description").text = "red";
    d.Field("match").choice = 1;
  });
  EXPECT_EQ(SearchAdvanced(desk()), std::nullopt);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No match found"});
}

TEST_F(ItemSearchTest, FindInSkusListsEveryItemWhoseSkusHoldTheText) {
  InventoryRecord& item = v().inventory.item();
  ASSERT_TRUE(v().inventory.Read(p.files, 4).ok());
  item.Set(inv::kSku3, "XTP-9");
  ASSERT_TRUE(v().inventory.WriteBack(p.files).ok());

  Type("tp-");
  ListItemsBySku(desk());
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"EDITBOX", "INVENTORY LIST"}));
  Type("NOWHERE");
  ListItemsBySku(desk());
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No match found"});
}

TEST_F(ItemSearchTest, AMissingOrShortFileIsReported) {
  std::vector<std::pair<int64_t, std::string>> seen;
  ASSERT_TRUE(ScanItems(p.files, v().inventory, 2, [&](int64_t position, const uint8_t* record) {
                seen.push_back({position, reinterpret_cast<const char*>(record + 8)});
                return true;
              }).ok());
  EXPECT_EQ(seen, (std::vector<std::pair<int64_t, std::string>>{
                      {2, "BLUE TEAPOT"}, {3, "TEA HAMPER"}, {4, "GREEN CUP"}}));

  std::filesystem::resize_file(Data("inventory.dat"), 3 * 2113);
  Status status =
      ScanItems(p.files, v().inventory, 0, [](int64_t, const uint8_t*) { return true; });
  EXPECT_EQ(status.title(), "Problem");
  EXPECT_EQ(status.text(), Data("inventory.dat").string());

  std::filesystem::remove(Data("inventory.dat"));
  Type("TEA");
  EXPECT_EQ(SearchDescriptionFragment(desk()), std::nullopt);
  EXPECT_EQ(
      p.ui.messages,
      (std::vector<test::ShownMessage>{{"Fatal error", "Data file: inventory.dat, not present."}}));
}

}  // namespace
}  // namespace ventro
