// New bundle, the bundle branch of Amend and the component rows, on a real inventory.dat.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "basket_fixture.h"
#include "inventory/bundle_form.h"
#include "inventory/bundles.h"

namespace ventro {
namespace {

using test::ShownMessage;

class BundlesTest : public test::BasketTest {
 protected:
  void SetUp() override {
    v->settings.ApplyFirstRunDefaults(p.clock.now);
    InventoryRecord pack = Item(30, "PARTY PACK", 0, 0);
    pack.Set(inv::kKind, InventoryRecord::kBundleKind);
    pack.SetComponent(1, "10");
    WriteInventory({Item(10, "CRISPS", 0.60, 40), Item(11, "COLA", 1.20, 12), pack});
  }

  // Queues the next form: `values` typed, the row actions pressed (each "Select" answered from
  // the edit answers), then `button`.
  void AnswerForm(std::map<std::string, std::string> values, std::vector<std::string> actions = {},
                  std::string button = "OK") {
    p.ui.dialog_answers.push_back([=, this](Dialog& d) {
      for (const auto& [key, text] : values) d.Field(key).text = text;
      for (const std::string& action : actions) d.on_change(d, action);
      forms.push_back(d);
      d.pressed = button;
      return button != "Cancel";
    });
  }

  InventoryRecord Stored(int64_t number) {
    InventoryRecord item;
    std::optional<int64_t> position = v->inventory.FindPosition(number);
    EXPECT_TRUE(position.has_value());
    if (position) {
      EXPECT_TRUE(v->inventory.ReadAt(p.files, *position, item.data()));
    }
    return item;
  }
  bool New() { return NewBundle(p.platform, v->settings, v->inventory); }

  std::vector<Dialog> forms;
};

TEST_F(BundlesTest, ANewBundleStoresItsComponentsQuantitiesAndFreeMarks) {
  p.ui.edit_answers = {"10", "11", "10"};  // one item may fill several rows
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    d.Field("number").text = "40";
    d.Field("description").text = "Snack deal";
    for (const char* action : {"Select1", "Select2", "Select4"}) d.on_change(d, action);
    d.Field("free2").checked = true;
    d.Field("quantity4").choice = 2;
    forms.push_back(d);
    return true;
  });
  ASSERT_TRUE(New());
  EXPECT_EQ(forms.at(0).title, "Add inventory bundle");
  EXPECT_EQ(forms.at(0).Field("description1").text, "CRISPS");
  InventoryRecord bundle = Stored(40);
  EXPECT_TRUE(bundle.IsBundle());
  EXPECT_EQ(bundle.Component(1), "10");
  EXPECT_EQ(bundle.Component(2), "11");
  EXPECT_EQ(bundle.Component(3), "");
  EXPECT_EQ(bundle.Component(4), "10");
  EXPECT_EQ(bundle.Get(inv::kComponentPriceMode, 1), 0);
  EXPECT_EQ(bundle.Get(inv::kComponentPriceMode, 2), 2);  // "Free" stores 2
  EXPECT_EQ(bundle.Get(inv::kComponentQuantity, 1), 1);
  EXPECT_EQ(bundle.Get(inv::kComponentQuantity, 4), 3);
  EXPECT_EQ(bundle.Get(inv::kDateAdded), "06/12/2026");
  EXPECT_EQ(bundle.Get(inv::kRetailPrice), 0.0);
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kDone});
}

TEST_F(BundlesTest, ABundleCannotBeAComponent) {
  p.ui.edit_answers = {"30"};
  AnswerForm({{"number", "40"}, {"description", "DEAL"}}, {"Select1"}, "Cancel");
  EXPECT_FALSE(New());
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Bundle may not contain a bundle"}}));
  EXPECT_EQ(forms.at(0).Field("item1").text, "");
  EXPECT_EQ(v->inventory.item().Get(inv::kNumber), 0);  // the scratch read left it alone
}

TEST_F(BundlesTest, RefusalsComeInOrderAndReopenTheFormWithTheValues) {
  InventoryRecord bundle;
  bundle.Set(inv::kNumber, 0);
  EXPECT_EQ(NewBundleRefusal(bundle), "Number outside range.");
  bundle.Set(inv::kNumber, InventoryRecord::kMaxNumber + 1);
  EXPECT_EQ(NewBundleRefusal(bundle), "Number outside range.");
  bundle.Set(inv::kNumber, InventoryRecord::kMaxNumber);
  bundle.Set(inv::kDescription, "X");
  EXPECT_EQ(NewBundleRefusal(bundle), "The description must have at least two characters.");
  bundle.Set(inv::kDescription, "XY");
  bundle.Set(inv::kDisplayCategory, 18);  // "ALL" on the buttons: no item's category
  EXPECT_EQ(NewBundleRefusal(bundle), "Invalid category");
  bundle.Set(inv::kDisplayCategory, 17);
  EXPECT_EQ(NewBundleRefusal(bundle), "No items selected");
  bundle.SetComponent(6, "abc");
  EXPECT_EQ(NewBundleRefusal(bundle), "No items selected");
  bundle.SetComponent(6, "11");
  EXPECT_EQ(NewBundleRefusal(bundle), std::nullopt);

  // No rows: refused, and the form comes back with what was typed.
  AnswerForm({{"number", "41"}, {"description", "EMPTY"}});
  AnswerForm({}, {}, "Cancel");
  EXPECT_FALSE(New());
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "No items selected"}}));
  EXPECT_EQ(forms.at(1).Field("description").text, "EMPTY");
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kError});
  EXPECT_FALSE(v->inventory.FindPosition(41));
}

TEST_F(BundlesTest, ANumberInUseWritesNothing) {
  const std::string before = *p.files.ReadAll(dir.path() / "inventory.dat");
  p.ui.edit_answers = {"11"};
  AnswerForm({{"number", "10"}, {"description", "DEAL"}}, {"Select1"});
  EXPECT_FALSE(New());
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Number in use."}}));
  EXPECT_EQ(*p.files.ReadAll(dir.path() / "inventory.dat"), before);
}

class AmendBundleTest : public BundlesTest {
 protected:
  bool Amend() {
    EXPECT_TRUE(v->inventory.LookUp(p.files, 30).ok());
    return AmendBundle(p.platform, v->settings, v->inventory);
  }
};

TEST_F(AmendBundleTest, RemovingEveryComponentSavesABundleWithout) {
  AnswerForm({{"description", "EMPTY PACK"}}, {"Remove1"});
  ASSERT_TRUE(Amend());
  EXPECT_EQ(forms.at(0).title, "Amend bundle");
  EXPECT_EQ(forms.at(0).Field("number").kind, FieldKind::kReadOnly);
  InventoryRecord stored = Stored(30);
  EXPECT_EQ(stored.Component(1), "");
  EXPECT_EQ(stored.Get(inv::kDescription), "EMPTY PACK");
  EXPECT_EQ(v->inventory.prefix(2), (std::array<uint8_t, 2>{'E', 'M'}));
  // Amend writes no day-log lines.
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "2026"));
}

TEST_F(AmendBundleTest, ANewNumberOrAShortTitleSavesNothing) {
  const std::string before = *p.files.ReadAll(dir.path() / "inventory.dat");
  AnswerForm({{"number", "31"}});
  EXPECT_FALSE(Amend());
  AnswerForm({{"description", "P"}});
  EXPECT_FALSE(Amend());
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Number cannot be changed",
                                      "The title must have at least two characters."}));
  EXPECT_EQ(*p.files.ReadAll(dir.path() / "inventory.dat"), before);
  EXPECT_EQ(v->inventory.prefix(2), (std::array<uint8_t, 2>{'P', 'A'}));
}

TEST_F(AmendBundleTest, AFailedWriteKeepsTheOldPrefixAndRecord) {
  p.files.failing.insert("inventory.dat");
  AnswerForm({{"description", "NEW NAME"}});
  EXPECT_FALSE(Amend());
  EXPECT_EQ(v->inventory.prefix(2), (std::array<uint8_t, 2>{'P', 'A'}));
  EXPECT_EQ(v->inventory.item().Get(inv::kDescription), "PARTY PACK");
}

TEST_F(AmendBundleTest, TheViewShowsTheComponentsReadOnly) {
  InventoryRecord bundle = Stored(30);
  bundle.Set(inv::kComponentPriceMode, 1, InventoryRecord::kComponentFree);
  bundle.Set(inv::kComponentQuantity, 1, 4);
  Dialog view = BundleView(bundle, v->settings);
  EXPECT_EQ(view.name, "BUNDLE1");
  EXPECT_EQ(view.Field("item1").text, "10");
  EXPECT_TRUE(view.Field("free1").checked);
  EXPECT_EQ(view.Field("quantity1").choice, 3);
  for (const DialogField& field : view.fields) EXPECT_FALSE(field.enabled) << field.key;
}

}  // namespace
}  // namespace ventro
