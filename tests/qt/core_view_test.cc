// What the window draws, read out of a real run state: texts crossed from Windows-1252, the
// totals column named from the settings, pictures found in the data folder.
#include <fstream>

#include <QtTest>

#include "app/ventro.h"
#include "base/format.h"
#include "qt/core_view.h"
#include "tests/core/recording_host.h"
#include "tests/core/test_platform.h"

namespace ventro {

class CoreViewTest : public QObject {
  Q_OBJECT

 private:
  test::TempDir data_;
  test::TestPlatform platform_;
  test::RecordingHost host_;
  std::unique_ptr<Ventro> ventro_;

 private slots:
  void init() {
    ventro_ = std::make_unique<Ventro>(platform_.platform, host_,
                                       StartOptions{data_.path(), data_.path()});
  }

  void emptyBasketShowsStatusOnly() {
    ventro_->settings.Set(cfg::kNextTransaction, 17);
    ScreenView view = ViewOfCore(*ventro_);
    QCOMPARE(view.line_count, QString("0"));
    QCOMPARE(view.transaction, QString("Transaction: 17"));
    QVERIFY(view.totals.empty());
    QVERIFY(view.basket_lines.isEmpty());
    QCOMPARE(view.quick_select.size(), size_t{60});
    QCOMPARE(view.category_codes.size(), 18);
  }

  void basketTotalsAndSettingsAreDrawnAsTheCoreStatesThem() {
    Ventro& v = *ventro_;
    v.screen.entry_text =
        "\xA3"
        "5";  // the pound sign in Windows-1252
    v.sale.list = {"13  BEANS (60)  0.85", "28  ROLL (12)  1.60"};
    v.sale.selected_line = 1;
    v.sale.basket.line_count = 2;
    v.sale.basket.totals.net_total = 2.45;
    v.sale.basket.totals.grand_total = 2.77;
    v.sale.basket_number = 3;
    v.settings.Set(cfg::kTaxName, 1, "VAT");
    v.settings.SetCategoryCode(4, "CAR");
    v.settings.Set(cfg::kCurrentCategory, 4);
    v.settings.Set(cfg::kTradePrices, 2);
    v.settings.Set(cfg::kButtonTipsOff, 2);
    v.screen.entry_mode = kEntryModeDiscount;

    ScreenView view = ViewOfCore(v);
    QCOMPARE(view.entry_text, QString::fromUtf8("\u00a35"));
    QCOMPARE(view.basket_lines.size(), 2);
    QCOMPARE(view.selected_line, 1);
    QCOMPARE(view.basket_number, 3);
    QCOMPARE(view.category_codes[4], QString("CAR"));
    QCOMPARE(view.current_category, 4);
    QVERIFY(view.trade);
    QVERIFY(view.tips_off);
    QVERIFY(view.discount_open);

    QStringList labels;
    for (const TotalsLine& line : view.totals) labels << line.label;
    QCOMPARE(labels, QStringList({"Taxable", "Non taxable", "Sub total", "VAT", "Tax 2", "Total"}));
    QCOMPARE(view.totals.back().amount, QString("2.77"));
    QVERIFY(view.totals.back().grand);
    QVERIFY(!view.totals.front().grand);
  }

  void quickSelectSlotsFindTheirPicturesInTheDataFolder() {
    std::ofstream(data_.path() / "stock3.bmp") << "picture";
    QuickSelectSlot& slot = ventro_->sale.quick_select[0];
    slot.item_number = 42;
    SetText(slot.description, "TEA BAGS");
    SetText(slot.picture, "STOCK3.bmp");
    QuickSelectSlot& missing = ventro_->sale.quick_select[1];
    missing.item_number = 43;
    SetText(missing.picture, "m43.bmp");

    ScreenView view = ViewOfCore(*ventro_);
    QCOMPARE(view.quick_select[0].item, int64_t{42});
    QCOMPARE(view.quick_select[0].description, QString("TEA BAGS"));
    QVERIFY(view.quick_select[0].picture.endsWith("/stock3.bmp"));
    QVERIFY(view.quick_select[1].picture.isEmpty());
    QCOMPARE(view.quick_select[2].item, int64_t{0});
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::CoreViewTest)
#include "core_view_test.moc"
