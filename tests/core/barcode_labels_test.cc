// Barcode labels: the checks of the range, the dialog's resets and fallbacks, the labels a job
// gives in order, and the sheets drawn on a recording printer page after page.
#include "print/barcode_labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "print/ean13.h"
#include "print/label_feed.h"
#include "print/label_sheet.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::ShownMessage;

constexpr int64_t kLimit = kLabelRangeLimit;

LabelJob Job(LabelSource source, int64_t start, int64_t finish, int64_t quantity = 1) {
  LabelJob job;
  job.source = source;
  job.start = start;
  job.finish = finish;
  job.quantity = quantity;
  return job;
}

std::string Refusal(const LabelJob& job) { return CheckLabelRange(job).text(); }

TEST(LabelRangeTest, LimitNegativeNumbersOrderAndQuantity) {
  EXPECT_EQ(Refusal(Job(LabelSource::kPlainNumbers, 1, kLimit)), "");
  EXPECT_EQ(Refusal(Job(LabelSource::kPlainNumbers, 1, kLimit + 1)),
            "Range limit 100000000000000000");
  EXPECT_EQ(Refusal(Job(LabelSource::kInventory, kLimit + 1, kLimit + 2)),
            "Range limit 100000000000000000");
  EXPECT_EQ(Refusal(Job(LabelSource::kInventory, 5, 4)), "Invalid range");
  EXPECT_EQ(Refusal(Job(LabelSource::kPlainNumbers, -3, 2)), "Invalid range");
  EXPECT_EQ(Refusal(Job(LabelSource::kPlainNumbers, 0, 0)), "");
  // A repeat ignores the finish but needs a quantity that counts down to the end.
  EXPECT_EQ(Refusal(Job(LabelSource::kRepeat, 5, 1, 3)), "");
  EXPECT_EQ(Refusal(Job(LabelSource::kRepeat, 5, 1, 0)), "Invalid range");
  EXPECT_EQ(Refusal(Job(LabelSource::kRepeat, 5, 1, -2)), "Invalid range");
  EXPECT_EQ(Refusal(Job(LabelSource::kRepeat, -5, 1, 2)), "Invalid range");
}

TEST(LabelDialogTest, FormatAndTypeResetTheLayoutAndOutOfRangeValuesFallBack) {
  Dialog dialog = LabelDialog(0);
  EXPECT_TRUE(dialog.Field("printer_default").checked);
  EXPECT_FALSE(dialog.Field("quantity").enabled);
  dialog.Field("source").choice = 3;
  dialog.on_change(dialog, "source");
  EXPECT_TRUE(dialog.Field("quantity").enabled);

  dialog.Field("format").choice = 2;
  dialog.on_change(dialog, "format");
  EXPECT_EQ(dialog.Field("label_height").text, "1690");
  EXPECT_EQ(dialog.Field("per_sheet").text, "48");
  EXPECT_FALSE(dialog.Field("origin_x").enabled);
  dialog.Field("format").choice = 1;
  dialog.on_change(dialog, "format");
  EXPECT_EQ(dialog.Field("label_height").text, "3380");
  EXPECT_EQ(dialog.Field("per_sheet").text, "16");
  dialog.Field("format").choice = 0;
  dialog.on_change(dialog, "format");
  EXPECT_TRUE(dialog.Field("origin_x").enabled);

  dialog.Field("symbol").choice = 0;
  dialog.on_change(dialog, "symbol");
  EXPECT_EQ(dialog.Field("element_width").text, "50");
  dialog.Field("symbol").choice = 1;
  dialog.on_change(dialog, "symbol");
  EXPECT_EQ(dialog.Field("element_width").text, "40");

  for (const char* key :
       {"origin_x", "origin_y", "label_height", "per_sheet", "from_centre", "element_width"}) {
    dialog.Field(key).text = "0";
  }
  LabelJob job = JobOfDialog(dialog);
  EXPECT_EQ(job.origin_x, 3600);
  EXPECT_EQ(job.origin_y, 400);
  EXPECT_EQ(job.label_height, 1690);
  EXPECT_EQ(job.per_sheet, 16);
  EXPECT_EQ(job.from_centre, 4800);
  EXPECT_EQ(job.element_width, 200);
  dialog.Field("per_sheet").text = "201";
  dialog.Field("element_width").text = "200";
  job = JobOfDialog(dialog);
  EXPECT_EQ(job.per_sheet, 16);
  EXPECT_EQ(job.element_width, 200);
}

TEST(LabelPlaceTest, ColumnsFillRowByRow) {
  LabelJob job;
  job.format = LabelFormat::kThreeColumn;
  job.from_centre = 5600;
  job.label_height = 1690;
  job.symbol = LabelSymbol::kEan13;
  job.element_width = 50;
  const LabelPlace first = PlaceOfLabel(job, 0, 20000, 12);
  const LabelPlace fourth = PlaceOfLabel(job, 3, 20000, 12);
  const LabelPlace sixth = PlaceOfLabel(job, 5, 20000, 12);
  EXPECT_EQ(first.text_x, 10000 - 5600);
  EXPECT_EQ(first.bars_x, 10000 - 5600 - 96 * 50 / 2);  // the symbol centred on its column
  EXPECT_EQ(first.text_align, TextAlign::kCentre);
  EXPECT_GT(first.text_top, first.top + kEan13GuardHeight);  // under the bars
  EXPECT_EQ(fourth.text_x, first.text_x);
  EXPECT_EQ(fourth.top, first.top + 1690);
  EXPECT_EQ(sixth.text_x, 10000 + 5600);

  job.format = LabelFormat::kTwoColumn;
  EXPECT_EQ(PlaceOfLabel(job, 0, 20000, 12).bars_x, 0);
  EXPECT_EQ(PlaceOfLabel(job, 1, 20000, 12).bars_x, 10000);
  EXPECT_EQ(PlaceOfLabel(job, 2, 20000, 12).top, 400 + 1690);

  // Beside the bars in the video spine: after the symbol and one character for Code 39, 110
  // modules from x for EAN-13; the price a line under the raised text with "below".
  job.format = LabelFormat::kVideoSpine;
  job.symbol = LabelSymbol::kCode39;
  job.element_width = 40;
  LabelPlace spine = PlaceOfLabel(job, 1, 20000, 4);
  EXPECT_EQ(spine.bars_x, 3600);
  EXPECT_EQ(spine.top, 400 + 1690);
  EXPECT_EQ(spine.text_x, 3600 + 7 * 13 * 40);
  EXPECT_EQ(spine.text_top, spine.top + 400);
  EXPECT_EQ(spine.price_top, -1);
  job.symbol = LabelSymbol::kEan13;
  job.text_below = true;
  spine = PlaceOfLabel(job, 0, 20000, 12);
  EXPECT_EQ(spine.text_x, 3600 + 110 * 40);
  EXPECT_EQ(spine.text_top, 400 + 400 - 4 * 40);
  EXPECT_EQ(spine.price_top, spine.text_top + 6 * 40);
}

class BarcodeLabelsTest : public test::SaleTest {
 protected:
  void SetUp() override {
    v().settings.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
    v().settings.Set(cfg::kCurrencySymbol, "$");
  }
  LabelDesk desk{p.platform, v().settings, v().inventory, v().customers};

  struct Item {
    int64_t number;
    std::string description;
    double retail = 1;
    int32_t tax = 0;
  };
  void WriteItems(const std::vector<Item>& items) {
    std::string bytes;
    for (const Item& item : items) {
      InventoryRecord record;
      record.Set(inv::kNumber, item.number);
      record.Set(inv::kDescription, item.description);
      record.Set(inv::kRetailPrice, item.retail);
      record.Set(inv::kTax, item.tax);
      bytes.append(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    std::ofstream(dir.path() / "inventory.dat", std::ios::binary) << bytes;
    ASSERT_EQ(v().inventory.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  std::vector<Label> Labels(const LabelJob& job) {
    const MasterFile* records = job.source == LabelSource::kCustomers      ? &v().customers
                                : job.source == LabelSource::kPlainNumbers ? nullptr
                                                                           : &v().inventory;
    LabelFeed feed(job, {"CORNER SHOP", "$", TaxRulesFrom(v().settings)}, p.files, records);
    std::vector<Label> labels;
    while (std::optional<Label> label = feed.Next()) labels.push_back(*label);
    EXPECT_TRUE(feed.status().ok()) << feed.status().text();
    return labels;
  }

  // Runs the command with the dialog's fields set as given; the Print dialog, when it comes,
  // prints to the default printer.
  void Print(const std::vector<std::pair<std::string, std::string>>& values,
             bool print_dialog = true) {
    p.ui.dialog_answers.push_back([values](Dialog& dialog) {
      for (const auto& [key, value] : values) {
        DialogField& field = dialog.Field(key);
        if (field.kind == FieldKind::kChoice) {
          field.choice = std::stoi(value);
        } else if (field.kind == FieldKind::kCheck) {
          field.checked = value == "on";
        } else {
          field.text = value;
        }
        dialog.on_change(dialog, key);
      }
      dialog.pressed = "OK";
      return true;
    });
    if (print_dialog) p.ui.dialog_answers.push_back(test::Press("OK"));
    PrintBarcodeLabels(desk);
  }

  std::vector<std::string> Texts(size_t document = 0) {
    std::vector<std::string> texts;
    for (const auto& item : p.printer.documents.at(document)->items) {
      if (item.kind == test::DrawnItem::kText) texts.push_back(item.text);
    }
    return texts;
  }
};

TEST_F(BarcodeLabelsTest, ItemsCustomersAndNumbersInOrderWithTheirTexts) {
  WriteItems({{12, "TEA", 2.5, 0}, {3, "JAM", 1.0, 1}, {-1, ""}, {7, "MILK", 0.99, 0}});
  v().settings.Set(cfg::kTax1Active, 2);
  v().settings.Set(cfg::kTax1Rate, 2000);
  LabelJob job = Job(LabelSource::kInventory, 2, 12);
  std::vector<Label> labels = Labels(job);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].text, "3  JAM");
  EXPECT_EQ(labels[1].text, "7  MILK");
  EXPECT_EQ(labels[2].number, 12);
  EXPECT_EQ(labels[2].price, "");

  job.price = true;
  job.store_name = true;
  EXPECT_EQ(Labels(job)[0].text, "CORNER SHOP  3  JAM");
  EXPECT_EQ(Labels(job)[0].price, "$1.20");
  job.price_without_tax = true;
  EXPECT_EQ(Labels(job)[0].price, "$1.00");
  job.format = LabelFormat::kTwoColumn;  // the store name belongs to the video spine
  EXPECT_EQ(Labels(job)[0].text, "3  JAM");

  test::SaleTest::WriteCustomers({{4, "ACME LTD", "1 HIGH ST"}, {9, "B BLOGGS", "2 LOW RD"}});
  labels = Labels(Job(LabelSource::kCustomers, 1, 5));
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "4  ACME LTD");

  labels = Labels(Job(LabelSource::kPlainNumbers, kLimit - 1, kLimit));
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[1].text, "100000000000000000");

  labels = Labels(Job(LabelSource::kRepeat, 7, 0, 3));
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[2].text, "7  MILK");
}

TEST_F(BarcodeLabelsTest, RefusalsComeBeforeThePrintDialog) {
  auto refused = [&](const std::vector<std::pair<std::string, std::string>>& values) {
    Print(values, false);
  };
  refused({{"finish", "100000000000000001"}});
  refused({{"start", "9"}, {"finish", "8"}});
  refused({{"start", "1"}, {"finish", "5"}});  // no inventory.dat
  refused({{"source", "1"}});                  // no customer.dat
  WriteItems({{3, "JAM"}});
  refused({{"source", "3"}, {"start", "4"}, {"quantity", "2"}});
  refused({{"source", "3"}, {"start", "3"}, {"quantity", "0"}});
  refused({{"source", "3"}, {"start", "3"}, {"quantity", "-1"}});
  refused({{"source", "2"}, {"start", "-1"}, {"finish", "4"}});
  refused({{"start", "4"}, {"finish", "10"}});
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Range limit 100000000000000000"},
                                       {"Problem", "Invalid range"},
                                       {"Fatal error", "Data file: inventory.dat, not present."},
                                       {"Fatal error", "Data file: customer.dat, not present."},
                                       {"Problem", "Invalid range"},
                                       {"Problem", "Invalid range"},
                                       {"Problem", "Invalid range"},
                                       {"Problem", "Invalid range"},
                                       {"Finished", "No match found"}}));
  EXPECT_TRUE(p.printer.documents.empty());
  EXPECT_EQ(std::count(p.ui.dialogs_run.begin(), p.ui.dialogs_run.end(), "Print"), 0);
}

TEST_F(BarcodeLabelsTest, SheetsOfCode39FromTheOriginWithTheTextBeside) {
  WriteItems({{7, "MILK"}, {8, "TEA"}});
  Print({{"finish", "20"}, {"size", "50"}, {"printer_default", "off"}});
  EXPECT_EQ(v().settings.Get(cfg::kListingLinesPerPage), 50);
  ASSERT_EQ(p.printer.documents.size(), 1u);
  const test::RecordedDocument& document = p.printer.last();
  EXPECT_EQ(document.kind, "labels");
  EXPECT_EQ(document.title, "VENTRO");
  EXPECT_EQ(document.pages, 1);
  ASSERT_FALSE(document.fonts.empty());
  EXPECT_EQ(document.fonts[0].height, p.printer.device.caps.height / 50);
  // The first bar of "*0007*" at the origin, 10 mm high; the second label a label lower.
  std::vector<test::DrawnItem> bars;
  for (const auto& item : document.items) {
    if (item.kind == test::DrawnItem::kFill) bars.push_back(item);
  }
  ASSERT_EQ(bars.size(), 2u * 6 * 5);  // six characters of five bars each
  EXPECT_TRUE(bars[0].metric);
  EXPECT_EQ(bars[0].x, 3600);
  EXPECT_EQ(bars[0].y, 400);
  EXPECT_EQ(bars[0].y2, 1400);
  EXPECT_EQ(bars[30].y, 400 + 1690);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"7  MILK", "8  TEA"}));
  const test::DrawnItem* text = nullptr;
  for (const auto& item : document.items) {
    if (item.kind == test::DrawnItem::kText && !text) text = &item;
  }
  ASSERT_NE(text, nullptr);
  EXPECT_FALSE(text->metric);
  EXPECT_EQ(text->x, (3600 + 7 * 13 * 40) * 203 / 2540);
  EXPECT_EQ(text->y, 800 * 203 / 2540);

  Print({{"finish", "20"}, {"printer_default", "on"}});
  EXPECT_EQ(v().settings.Get(cfg::kListingLinesPerPage), 0);
  EXPECT_TRUE(p.printer.last().fonts.empty());
}

// A job ends with its range or its quantity, however many sheets that takes: past the page
// loop's guard against endless documents, and with no empty sheet at the end.
TEST_F(BarcodeLabelsTest, AJobPrintsEverySheetItNeedsAndNoMore) {
  Print({{"source", "2"}, {"start", "1"}, {"finish", "1100"}, {"per_sheet", "1"}});
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.last().pages, 1100);
  EXPECT_EQ(Texts().back(), "1100");

  Print({{"source", "2"}, {"start", "1"}, {"finish", "32"}});
  EXPECT_EQ(p.printer.last().pages, 2);

  WriteItems({{5, "JAM"}});
  Print({{"source", "3"}, {"start", "5"}, {"quantity", "3"}, {"format", "2"}});
  EXPECT_EQ(p.printer.last().pages, 1);
  EXPECT_EQ(Texts(2), (std::vector<std::string>{"5  JAM", "5  JAM", "5  JAM"}));
}

TEST_F(BarcodeLabelsTest, CopiesRepeatTheJobAndCancelStopsIt) {
  p.ui.dialog_answers.push_back([](Dialog& dialog) {
    dialog.Field("source").choice = 2;
    dialog.Field("finish").text = "20";
    dialog.pressed = "OK";
    return true;
  });
  p.ui.dialog_answers.push_back(test::Press("OK", "copies", "2"));
  PrintBarcodeLabels(desk);
  ASSERT_EQ(p.printer.documents.size(), 2u);
  EXPECT_EQ(p.printer.documents[1]->pages, 2);
  EXPECT_EQ(Texts(1).front(), "1");

  p.ui.cancel_at_poll = 1;  // after the first page
  Print({{"source", "2"}, {"finish", "100"}});
  EXPECT_EQ(p.printer.last().pages, 1);
  EXPECT_TRUE(p.printer.last().ended);
}

}  // namespace
}  // namespace ventro
