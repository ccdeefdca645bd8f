// The configuration dialogs: what each field stores, which values are refused, and that
// Cancel leaves the record alone.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "base/bytes.h"
#include "setup/config_non_inventory.h"
#include "setup/config_print_heading.h"
#include "setup/config_sheet.h"
#include "setup/config_tax_control.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

class ConfigDialogs : public ::testing::Test {
 protected:
  ConfigDialogs() {
    settings_.ApplyFirstRunDefaults({2026, 1, 15, 9, 0, 0, 0});
    today_ = {2026, 12, 6, 9, 30, 0, 0};
  }

  // Runs the sheet once, answered by `answer`.
  void RunSheet(std::function<bool(Dialog&)> answer) {
    ui_.dialog_answers.push_back(std::move(answer));
    RunConfigurationSheet(ui_, today_, settings_);
  }
  // Runs the sheet with field `key` set to `text`, closed with OK.
  void SheetText(const std::string& key, const std::string& text) {
    RunSheet([&](Dialog& d) {
      d.Field(key).text = text;
      return true;
    });
  }
  void SheetHistory(int day, int month, int year) {
    RunSheet([&](Dialog& d) {
      d.Field("history_day").choice = day - 1;
      d.Field("history_month").choice = month - 1;
      d.Field("history_year").choice = year - 2026;  // the first-run year starts the list
      return true;
    });
  }

  test::FakeUi ui_;
  LocalTime today_;
  SettingsRecord settings_;
};

TEST_F(ConfigDialogs, SheetHoldsTheGeneralAndTermsPagesWithUniqueKeys) {
  Dialog shown;
  RunSheet([&](Dialog& d) {
    shown = d;
    return false;
  });
  EXPECT_EQ(shown.name, "Configuration");
  EXPECT_EQ(shown.title, "Configuration");
  EXPECT_EQ(shown.actions, (std::vector<std::string>{"Apply", "Preview"}));
  EXPECT_EQ(shown.fields.front().page, "General");  // opens on the first page
  EXPECT_EQ(shown.Field("band1_discount").page, "Terms");
  std::set<std::string> keys;
  for (const DialogField& field : shown.fields) {
    EXPECT_TRUE(keys.insert(field.key).second) << "duplicate key " << field.key;
    EXPECT_FALSE(field.page.empty()) << field.key;
  }
}

TEST_F(ConfigDialogs, StartPointsStoreValueLessOneWithinBounds) {
  settings_.Set(cfg::kLastInventoryNumber, 41);
  settings_.Set(cfg::kLastCustomerNumber, 7);
  Dialog shown;
  RunSheet([&](Dialog& d) {
    shown = d;
    return false;
  });
  EXPECT_EQ(shown.Field("inventory_start").text, "42");
  EXPECT_EQ(shown.Field("customer_start").text, "8");

  SheetText("inventory_start", "0");
  EXPECT_EQ(settings_.Get(cfg::kLastInventoryNumber), 41);
  SheetText("inventory_start", "1001");
  EXPECT_EQ(settings_.Get(cfg::kLastInventoryNumber), 1000);
  SheetText("inventory_start", "10000000000000000");
  EXPECT_EQ(settings_.Get(cfg::kLastInventoryNumber), 1000);
  SheetText("inventory_start", "9999999999999999");
  EXPECT_EQ(settings_.Get(cfg::kLastInventoryNumber), 9999999999999998);
  // A longer script value is cut to the field's length, which never makes it acceptable.
  SheetText("inventory_start", "100000000000000000000005");
  EXPECT_EQ(settings_.Get(cfg::kLastInventoryNumber), 9999999999999998);
  SheetText("customer_start", "-5");
  EXPECT_EQ(settings_.Get(cfg::kLastCustomerNumber), 7);
  SheetText("customer_start", "1");
  EXPECT_EQ(settings_.Get(cfg::kLastCustomerNumber), 0);
}

TEST_F(ConfigDialogs, CategoryCodeNeedsThreeCharactersAndKeepsThree) {
  SheetText("category1", "AB");
  EXPECT_EQ(settings_.CategoryCode(0), "ALC");
  SheetText("category1", "ABCD");
  EXPECT_EQ(GetFixed(settings_.data() + 9, 3), "ABC");
  SheetText("category18", "XYZ");
  EXPECT_EQ(GetFixed(settings_.data() + 4814 + 24, 3), "XYZ");
}

TEST_F(ConfigDialogs, HistoryFromIsNeverAfterTodayNorAMissingDay) {
  SheetHistory(7, 12, 2026);  // tomorrow
  EXPECT_EQ(settings_.Get(cfg::kHistoryFrom).day, 15);
  SheetHistory(6, 12, 2026);  // today
  EXPECT_EQ(settings_.Get(cfg::kHistoryFrom).day, 6);
  EXPECT_EQ(settings_.Get(cfg::kHistoryFrom).month, 12);
  EXPECT_EQ(settings_.Get(cfg::kHistoryFrom).year, 2026);
  SheetHistory(31, 4, 2026);  // 31 April does not exist
  EXPECT_EQ(settings_.Get(cfg::kHistoryFrom).day, 6);
  SheetHistory(30, 4, 2026);
  EXPECT_EQ(settings_.Get(cfg::kHistoryFrom).month, 4);

  Dialog shown;
  RunSheet([&](Dialog& d) {
    shown = d;
    return false;
  });
  EXPECT_EQ(shown.Field("history_year").options, std::vector<std::string>{"2026"});
  EXPECT_EQ(shown.Field("history_day").choice, 29);
}

TEST_F(ConfigDialogs, ListsStoreTheirChoicePlusOne) {
  Dialog shown;
  RunSheet([&](Dialog& d) {
    shown = d;
    d.Field("display_category").choice = 18;  // "ALL"
    d.Field("new_category").choice = 0;
    d.Field("tax_code").choice = 3;
    d.Field("discount_rate").choice = 80;
    d.Field("band8_discount").choice = 7;
    d.Field("band8_period").choice = 7;
    d.Field("band1_period").choice = -1;  // no selection keeps the stored band
    return true;
  });
  EXPECT_EQ(shown.Field("display_category").options.back(), "ALL");
  EXPECT_EQ(shown.Field("new_category").choice, 14);  // none chosen yet
  EXPECT_EQ(GetI32(settings_.data() + 12694), 19);
  EXPECT_EQ(GetI32(settings_.data() + 12702), 1);
  EXPECT_EQ(GetI32(settings_.data() + 13386), 3);
  EXPECT_EQ(GetI32(settings_.data() + 12678), 80);
  EXPECT_EQ(GetI32(settings_.data() + 40 + 28), 8);
  EXPECT_EQ(GetI64(settings_.data() + 4480 + 56), 8);
  EXPECT_EQ(GetI64(settings_.data() + 4480), 1);
}

TEST_F(ConfigDialogs, CheckBoxesStoreTheirOwnSense) {
  RunSheet([](Dialog& d) {
    d.Field("summary_box").checked = false;
    d.Field("customer_list").checked = true;
    d.Field("permit_insufficient").checked = false;
    d.Field("omit_monthly").checked = true;
    d.Field("no_customer_offer").checked = true;
    return true;
  });
  EXPECT_EQ(settings_.Get(cfg::kNoSummaryBox), 1);  // inverted: unchecked hides the summary
  EXPECT_EQ(settings_.Get(cfg::kCustomerSearchList), 1);
  EXPECT_EQ(settings_.Get(cfg::kPermitInsufficientStock), 0);
  EXPECT_EQ(settings_.Get(cfg::kOmitMonthlyTillTotals), 2);
  EXPECT_EQ(settings_.Get(cfg::kNoNewCustomerOffer), 1);

  RunSheet([](Dialog& d) {
    EXPECT_FALSE(d.Field("summary_box").checked);
    d.Field("summary_box").checked = true;
    d.Field("permit_insufficient").checked = true;
    return true;
  });
  EXPECT_EQ(settings_.Get(cfg::kNoSummaryBox), 0);
  EXPECT_EQ(settings_.Get(cfg::kPermitInsufficientStock), 2);
}

TEST_F(ConfigDialogs, AmountsAndTextsAreCheckedAndCut) {
  SheetText("till_total", "-1");
  EXPECT_EQ(settings_.Get(cfg::kDefaultTillTotal), 100.0);
  SheetText("till_total", "0");
  EXPECT_EQ(settings_.Get(cfg::kDefaultTillTotal), 0.0);
  SheetText("trade_discount", "100.5");
  EXPECT_EQ(settings_.Get(cfg::kTradeDiscountPercent), 0.0);
  SheetText("trade_discount", "5.62");
  EXPECT_EQ(settings_.Get(cfg::kTradeDiscountPercent), 5.62);
  SheetText("tax1_name", "GST 12345");
  EXPECT_EQ(settings_.Get(cfg::kTaxName, 1), "GST 1");
  SheetText("currency_symbol", "EURO");
  EXPECT_EQ(settings_.Get(cfg::kCurrencySymbol), "EUR");
}

TEST_F(ConfigDialogs, SecondCurrencyStoresSymbolAndRateOnlyWhenShown) {
  RunSheet([](Dialog& d) {
    d.Field("second_currency").checked = false;
    d.Field("second_symbol").text = "$";
    d.Field("second_rate").text = "1.25";
    return true;
  });
  EXPECT_EQ(settings_.Get(cfg::kDisplaySecondCurrency), 0);
  EXPECT_EQ(settings_.Get(cfg::kSecondCurrencySymbol), "");
  EXPECT_EQ(settings_.Get(cfg::kSecondCurrencyRate), 0.0);

  RunSheet([](Dialog& d) {
    d.Field("second_currency").checked = true;
    d.Field("second_symbol").text = "USD$";
    d.Field("second_rate").text = "1.0875";
    return true;
  });
  EXPECT_EQ(settings_.Get(cfg::kDisplaySecondCurrency), 2);
  EXPECT_EQ(settings_.Get(cfg::kSecondCurrencySymbol), "USD");
  EXPECT_EQ(settings_.Get(cfg::kSecondCurrencyRate), 1.0875);

  // Shown so that OK without an edit stores the same rate.
  RunSheet([](Dialog& d) {
    EXPECT_EQ(d.Field("second_rate").text, "1.0875");
    return true;
  });
  EXPECT_EQ(settings_.Get(cfg::kSecondCurrencyRate), 1.0875);
}

TEST_F(ConfigDialogs, ApplyStoresWithoutClosingAndCancelKeepsOnlyWhatWasApplied) {
  RunSheet([this](Dialog& d) {
    d.Field("tax1_name").text = "GST";
    d.on_change(d, "Apply");
    EXPECT_EQ(settings_.Get(cfg::kTaxName, 1), "GST");
    d.Field("tax2_name").text = "PST";  // edited after Apply, then cancelled
    return false;
  });
  EXPECT_EQ(settings_.Get(cfg::kTaxName, 1), "GST");
  EXPECT_EQ(settings_.Get(cfg::kTaxName, 2), "VAT 2");
  EXPECT_EQ(ui_.dialogs_run, std::vector<std::string>{"Configuration"});
}

TEST_F(ConfigDialogs, CancelChangesNothingInAnyDialog) {
  SettingsRecord before = settings_;
  auto edit_everything = [](Dialog& d) {
    for (DialogField& field : d.fields) {
      field.text = "1";
      field.checked = !field.checked;
      field.choice = 0;
    }
    return false;
  };
  ui_.dialog_answers = {edit_everything, edit_everything, edit_everything, edit_everything};
  RunConfigurationSheet(ui_, today_, settings_);
  RunTaxControl(ui_, settings_);
  RunNonInventorySettings(ui_, settings_);
  RunPrintHeading(ui_, settings_);
  EXPECT_EQ(settings_.view(), before.view());
  EXPECT_EQ(ui_.dialogs_run, (std::vector<std::string>{"Configuration", "TAX CONTROL",
                                                       "Non inventory settings", "Print heading"}));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ConfigDialogs, TaxControlKeepsRatesWithinRange) {
  ui_.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("tax1_rate").text, "2000");
    d.Field("tax1_rate").text = "10000";
    d.Field("tax2_rate").text = "0";
    d.Field("tax2").checked = true;
    d.Field("compound").checked = true;
    d.Field("threshold_only").checked = true;
    d.Field("threshold").text = "250.50";
    return true;
  });
  settings_.Set(cfg::kTax2Rate, 500);
  RunTaxControl(ui_, settings_);
  EXPECT_EQ(GetI64(settings_.data() + 4576), 2000);
  EXPECT_EQ(GetI64(settings_.data() + 4592), 0);
  EXPECT_EQ(GetI64(settings_.data() + 4544), 2);
  EXPECT_EQ(GetI64(settings_.data() + 4560), 2);
  EXPECT_EQ(GetI64(settings_.data() + 4608), 2);
  EXPECT_EQ(GetI32(settings_.data() + 13098), 2);
  EXPECT_EQ(GetF64(settings_.data() + 13418), 250.5);

  ui_.dialog_answers.push_back([](Dialog& d) {
    d.Field("tax1").checked = false;
    d.Field("tax1_rate").text = "9999";
    d.Field("tax2_rate").text = "-1";
    d.Field("threshold").text = "-3";
    return true;
  });
  RunTaxControl(ui_, settings_);
  EXPECT_EQ(settings_.Get(cfg::kTax1Active), 0);
  EXPECT_EQ(settings_.Get(cfg::kTax1Rate), 9999);
  EXPECT_EQ(settings_.Get(cfg::kTax2Rate), 0);
  EXPECT_EQ(settings_.Get(cfg::kTax1Threshold), 250.5);
}

TEST_F(ConfigDialogs, NonInventoryPresetsAreCutToTwelve) {
  ui_.dialog_answers.push_back([](Dialog& d) {
    d.Field("preset1").text = "Newspapers and magazines";
    d.Field("preset4").text = "Lottery";
    d.Field("taxable").checked = true;
    return true;
  });
  RunNonInventorySettings(ui_, settings_);
  EXPECT_EQ(GetText(settings_.data() + 2392, 80), "Newspapers a");
  EXPECT_EQ(GetText(settings_.data() + 2632, 80), "Lottery");
  EXPECT_EQ(settings_.Get(cfg::kNonInventoryTaxable), 2);
}

TEST_F(ConfigDialogs, PrintHeadingRefusesAnEmptySiteNameAndShowsTheEntryAgain) {
  ui_.dialog_answers.push_back([](Dialog& d) {
    d.Field("site_name").text = "";
    d.Field("road").text = "1 High Street";
    return true;
  });
  ui_.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("road").text, "1 High Street");  // the user's values, not the stored
    d.Field("site_name").text = std::string(50, 'S');
    return true;
  });
  RunPrintHeading(ui_, settings_);
  EXPECT_EQ(ui_.messages,
            (std::vector<test::ShownMessage>{{"Problem", "Site name may not be empty."}}));
  EXPECT_EQ(ui_.dialogs_run, (std::vector<std::string>{"Print heading", "Print heading"}));
  EXPECT_EQ(GetText(settings_.data() + 80, 80), std::string(40, 'S'));
  EXPECT_EQ(GetText(settings_.data() + 160, 80), "1 High Street");
}

TEST_F(ConfigDialogs, PrintHeadingCancelledAfterARefusalStoresNothing) {
  settings_.Set(cfg::kHeadingLine, 1, "THE SHOP");
  ui_.dialog_answers.push_back([](Dialog& d) {
    d.Field("site_name").text = "";
    d.Field("road").text = "changed";
    return true;
  });
  RunPrintHeading(ui_, settings_);  // the second showing is cancelled
  EXPECT_EQ(settings_.Get(cfg::kHeadingLine, 1), "THE SHOP");
  EXPECT_EQ(settings_.Get(cfg::kHeadingLine, 2), "");
  EXPECT_EQ(ui_.dialogs_run.size(), 2u);
}

}  // namespace
}  // namespace ventro
