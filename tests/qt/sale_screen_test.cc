// The sale screen: every key of the key map, toolbar entry and button sends its command; the
// controls sit where the layout puts them; the core's state is drawn after each command.
#include <string>
#include <vector>

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/command_table.h"
#include "app/screen_layout.h"
#include "qt/basket_status.h"
#include "qt/category_bar.h"
#include "qt/core_view.h"
#include "qt/entry_box.h"
#include "qt/main_window.h"
#include "qt/quick_select_panel.h"
#include "qt/sale_screen.h"
#include "qt/sale_toolbar.h"
#include "qt/tile_button.h"
#include "qt/totals_panel.h"

namespace ventro {
namespace {

// Stands in for the core: records what the window sends and serves a view the test sets.
struct FakeCore {
  std::vector<int> run;
  std::vector<int> keys;
  int enters = 0;
  std::vector<std::string> edits;
  std::vector<int> selections;
  std::vector<int> counts;
  ScreenView view;

  ScreenHooks Hooks() {
    ScreenHooks hooks;
    hooks.run = [this](int id) { run.push_back(id); };
    hooks.key = [this](int id) { keys.push_back(id); };
    hooks.is_enabled = [](int) { return true; };
    hooks.is_built = [](int) { return true; };
    hooks.enter = [this] { ++enters; };
    hooks.entry_edited = [this](const std::string& text) { edits.push_back(text); };
    hooks.line_selected = [this](int row) { selections.push_back(row); };
    hooks.quick_select_count_changed = [this](int count) { counts.push_back(count); };
    hooks.view = [this] { return view; };
    return hooks;
  }
};

void Click(QWidget* widget) {
  QVERIFY2(widget && widget->isVisible() && widget->isEnabled(),
           qPrintable(widget ? widget->objectName() : QString("missing")));
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QRect RectOf(const ScreenRect& r) { return QRect(r.x, r.y, r.width, r.height); }

}  // namespace

class SaleScreenTest : public QObject {
  Q_OBJECT

 private:
  FakeCore core_;
  std::unique_ptr<MainWindow> window_;

  SaleScreen* screen() const { return window_->saleScreen(); }
  EntryBox* entry() const { return screen()->entryBox(); }

 private slots:
  void init() {
    core_ = FakeCore{};
    window_ = std::make_unique<MainWindow>(core_.Hooks());
    window_->showAtStart(QSize(1024, 768));
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void everyKeyOfTheKeyMapSendsItsCommand() {
    struct Mapping {
      Qt::Key qt;
      Key key;
    };
    const Mapping kKeys[] = {
        {Qt::Key_Up, Key::kUp},       {Qt::Key_Down, Key::kDown}, {Qt::Key_Left, Key::kLeft},
        {Qt::Key_Right, Key::kRight}, {Qt::Key_F1, Key::kF1},     {Qt::Key_F2, Key::kF2},
        {Qt::Key_F3, Key::kF3},       {Qt::Key_F4, Key::kF4},     {Qt::Key_F5, Key::kF5},
        {Qt::Key_F6, Key::kF6},       {Qt::Key_F7, Key::kF7},     {Qt::Key_F8, Key::kF8},
        {Qt::Key_F9, Key::kF9},       {Qt::Key_F10, Key::kF10},   {Qt::Key_F11, Key::kF11},
        {Qt::Key_F12, Key::kF12},
    };
    std::vector<int> expected;
    for (const Mapping& mapping : kKeys) {
      QTest::keyClick(entry(), mapping.qt);
      if (std::optional<int> command = CommandForKey(mapping.key)) expected.push_back(*command);
    }
    for (int i = 0; i < 26; ++i) {
      QTest::keyClick(entry(), static_cast<Qt::Key>(Qt::Key_A + i), Qt::ControlModifier);
      if (std::optional<int> command = CommandForCtrlLetter(static_cast<char>('A' + i))) {
        expected.push_back(*command);
      }
    }
    QCOMPARE(core_.keys, expected);
    QVERIFY(core_.run.empty());
    // A few by hand, in case the table and the window agree on a mistake.
    core_.keys.clear();
    QTest::keyClick(entry(), Qt::Key_F5);
    QTest::keyClick(entry(), Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(entry(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(entry(), Qt::Key_Up);
    QCOMPARE(core_.keys, std::vector<int>({2459, 2408, 1053, 2453}));
    // The Ctrl letters and arrows typed or moved nothing, and the focus stayed.
    QCOMPARE(entry()->text(), QString());
    QVERIFY(entry()->hasFocus());
  }

  void lettersTypeAndEnterSendsTheItemEntry() {
    QTest::keyClicks(entry(), "ab12");
    QCOMPARE(entry()->text(), QString("AB12"));
    QCOMPARE(core_.edits.back(), std::string("AB12"));
    QTest::keyClick(entry(), Qt::Key_Return);
    QCOMPARE(core_.enters, 1);

    // Ctrl+Enter throws the text away instead.
    QTest::keyClick(entry(), Qt::Key_Enter, Qt::ControlModifier);
    QCOMPARE(core_.enters, 1);
    QCOMPARE(entry()->text(), QString());
    QCOMPARE(core_.edits.back(), std::string());

    // While the discount dialog is open the keys do nothing.
    core_.view.discount_open = true;
    window_->refresh();
    QTest::keyClick(entry(), Qt::Key_F2);
    QTest::keyClick(entry(), Qt::Key_Return);
    QVERIFY(core_.keys.empty());
    QCOMPARE(core_.enters, 1);
  }

  void toolbarHasTwentyButtonsInFiveGroupsEachSendingItsCommand() {
    const QList<QAction*> actions = screen()->toolbar()->actions();
    QCOMPARE(actions.size(), 24);
    std::vector<int> separators;
    for (int i = 0; i < actions.size(); ++i) {
      if (actions[i]->isSeparator()) {
        separators.push_back(i);
        continue;
      }
      QVERIFY(!actions[i]->toolTip().isEmpty());
      Click(screen()->toolbar()->widgetForAction(actions[i]));
    }
    QCOMPARE(separators, std::vector<int>({4, 9, 14, 19}));
    QCOMPARE(core_.run,
             std::vector<int>({1050, 1067, 3014, 1076, 2411, 3012, 3054, 3047, 1027, 1051,
                               1009, 1023, 3036, 1071, 1040, 1047, 1068, 3026, 2457, 1005}));
    QCOMPARE(screen()->toolbar()->commandAction(2457)->toolTip(), QString("Log off (Shortcut F9)"));
    QVERIFY(entry()->hasFocus());
  }

  void screenButtonsKeypadAndTheOtherButtonsSendTheirNumbers() {
    std::vector<int> expected;
    for (int id : kScreenButtonIds) {
      Click(screen()->button(id));
      expected.push_back(id);
    }
    for (int id = kKeypadFirst; id < kKeypadFirst + kKeypadCount; ++id) {
      Click(screen()->button(id));
      expected.push_back(id);
    }
    for (int id : {2500, 2518, 2700, 2713}) {
      Click(screen()->button(id));
      expected.push_back(id);
    }
    QCOMPARE(core_.run, expected);
    QVERIFY(entry()->hasFocus());

    auto* keypad_zero = static_cast<TileButton*>(screen()->button(2430));
    QCOMPARE(keypad_zero->label(), QString("0"));
    QCOMPARE(static_cast<TileButton*>(screen()->button(2440))->label(), QString("CA"));
    QCOMPARE(static_cast<TileButton*>(screen()->button(2441))->label(), QString("CE"));
  }

  void screenButtonTipsFollowTheSetting() {
    QCOMPARE(screen()->button(2459)->toolTip(), QString("Pay by cash"));
    QCOMPARE(screen()->button(2442)->toolTip(), QString("Add item to basket   ENTER to find"));
    core_.view.tips_off = true;
    window_->refresh();
    for (int id : kScreenButtonIds) QVERIFY(screen()->button(id)->toolTip().isEmpty());
  }

  void unbuiltCommandsAreGreyedOnButtonsAndToolbar() {
    ScreenHooks hooks = core_.Hooks();
    hooks.is_built = [](int id) { return id != 2410 && id != 1005; };
    MainWindow window(std::move(hooks));
    QVERIFY(!window.saleScreen()->button(2410)->isEnabled());
    QVERIFY(window.saleScreen()->button(2459)->isEnabled());
    QVERIFY(!window.saleScreen()->toolbar()->commandAction(1005)->isEnabled());
    QVERIFY(window.saleScreen()->toolbar()->commandAction(1050)->isEnabled());
  }

  void controlsSitWhereTheLayoutPutsThem() {
    auto check = [this] {
      const SaleScreenLayout& layout = screen()->screenLayout();
      QCOMPARE(layout.quick_select_count,
               LayOutSaleScreen(screen()->width(), screen()->height(), kToolbarBandHeight)
                   .quick_select_count);
      for (int id = 0; id < 3000; ++id) {
        QWidget* button = screen()->button(id);
        if (!button) continue;
        const ScreenRect* place = layout.Find(id);
        QCOMPARE(button->isVisible(), place != nullptr);
        if (place) QCOMPARE(button->geometry(), RectOf(*place));
      }
      QCOMPARE(entry()->geometry(), RectOf(layout.entry_box));
      QCOMPARE(screen()->basketList()->geometry(), RectOf(layout.basket_list));
      QCOMPARE(screen()->totals()->geometry(), RectOf(layout.totals));
    };
    check();
    QVERIFY(!screen()->button(kShortcutFirst)->isVisible());
    QCOMPARE(core_.counts.back(), screen()->screenLayout().quick_select_count);

    // A wide window: more quick-select buttons, the shortcut panel, the count reported.
    window_->resize(1900, 1000);
    QTRY_COMPARE(screen()->width(), 1900);
    check();
    QVERIFY(screen()->button(kShortcutFirst + kShortcutCount - 1)->isVisible());
    QCOMPARE(core_.counts.back(), screen()->screenLayout().quick_select_count);
    QVERIFY(core_.counts.back() > 16);
  }

  void drawsTheCoreStateAfterEveryCommand() {
    // The core's answer to the keypad's "7": the entry text grows.
    window_.reset();
    ScreenHooks hooks = core_.Hooks();
    hooks.run = [this](int id) {
      if (id == 2437) core_.view.entry_text += "7";
    };
    window_ = std::make_unique<MainWindow>(std::move(hooks));
    window_->show();
    Click(screen()->button(2437));
    Click(screen()->button(2437));
    QCOMPARE(entry()->text(), QString("77"));
  }

  void drawsBasketCategoriesQuickSelectAndTotals() {
    QTemporaryDir folder;
    QImage wide(100, 30, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QVERIFY(wide.save(folder.filePath("m42.bmp"), "BMP"));

    ScreenView& view = core_.view;
    view.entry_text = "123";
    view.basket_lines = {"42  TEA (3)  1.00", "43  COFFEE (1)  2.00"};
    view.selected_line = 1;
    for (int c = 0; c < 18; ++c) view.category_codes << QString("C%1").arg(c, 2, 10, QChar('0'));
    view.current_category = 5;
    view.quick_select = {{42, "FIFTEEN LETTERS", folder.filePath("m42.bmp")},
                         {43, "FOURTEEN CHARS", QString()}};
    view.line_count = "2";
    view.transaction = "Transaction: 17";
    view.trade = true;
    view.totals = {{"Sub total", "3.00", false}, {"Total", "3.30", true}};
    window_->refresh();

    QCOMPARE(entry()->text(), QString("123"));
    QCOMPARE(screen()->basketList()->count(), 2);
    QCOMPARE(screen()->basketList()->currentRow(), 1);
    QCOMPARE(screen()->categories()->current(), 5);
    QCOMPARE(static_cast<TileButton*>(screen()->button(2505))->label(), QString("C05"));
    QCOMPARE(static_cast<TileButton*>(screen()->button(2518))->label(), QString("ALL"));

    QuickSelectButton* first = screen()->quickSelect()->button(2700);
    QCOMPARE(first->slot().item, int64_t{42});
    QCOMPARE(first->picture().size(), QSize(48, 48));
    QCOMPARE(first->picture().toImage().pixelColor(24, 24), QColor(Qt::red));
    QVERIFY(screen()->quickSelect()->button(2701)->picture().isNull());
    // A picture replaced under the same name is shown anew.
    QImage blue(10, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(folder.filePath("m42.bmp"), "BMP"));
    QFile file(folder.filePath("m42.bmp"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                             QFileDevice::FileModificationTime));
    file.close();
    window_->refresh();
    QCOMPARE(first->picture().toImage().pixelColor(24, 24), QColor(Qt::blue));
    QCOMPARE(screen()->quickSelect()->button(2702)->slot().item, int64_t{0});
    QCOMPARE(QuickSelectCaption("FIFTEEN LETTERS"), QString("FIFTEEN LETTER"));
    QCOMPARE(QuickSelectCaption("FOURTEEN CHARS"), QString("FOURTEEN CHARS"));

    QCOMPARE(screen()->basketStatus()->transactionText(), QString("Transaction: 17"));
    QCOMPARE(screen()->basketStatus()->lineCountText(), QString("2"));
    QVERIFY(screen()->basketStatus()->trade());
    QCOMPARE(screen()->totals()->lines().size(), size_t{2});

    // The user's choice of line goes to the core; the screen's own redraw does not.
    core_.selections.clear();
    window_->refresh();
    QVERIFY(core_.selections.empty());
    screen()->basketList()->setCurrentRow(0);
    QCOMPARE(core_.selections, std::vector<int>({0}));
  }

  void pictureNamesFallBackToLowerCase() {
    QTemporaryDir folder;
    QImage image(8, 8, QImage::Format_RGB32);
    QVERIFY(image.save(folder.filePath("stock3.bmp"), "BMP"));
    const Path path(folder.path().toStdString());
    QCOMPARE(PictureFile(path, "STOCK3.bmp"), folder.filePath("stock3.bmp"));
    QCOMPARE(PictureFile(path, "stock3.bmp"), folder.filePath("stock3.bmp"));
    QVERIFY(PictureFile(path, "STOCK4.bmp").isEmpty());
    QVERIFY(PictureFile(path, "").isEmpty());
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::SaleScreenTest)
#include "sale_screen_test.moc"
