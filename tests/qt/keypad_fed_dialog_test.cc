// A keypad-fed dialog (the discounts, the cash box) over the main window: the till's keypad
// types into its field, every other command only gives it the focus back, and the call still
// returns only when it closes. Greyed buttons cannot be pressed.
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/screen_layout.h"
#include "qt/dialog_view.h"
#include "qt/entry_box.h"
#include "qt/main_window.h"
#include "qt/qt_ui.h"
#include "qt/sale_screen.h"

namespace ventro {
namespace {

constexpr int kDigitFive = kKeypadFirst + 5;
constexpr int kClearAll = kKeypadFirst + 10;
constexpr int kClearLast = kKeypadFirst + 11;
constexpr int kConfiguration = 1053;  // a menu entry with a key, Ctrl+C

Dialog PriceDialog() {
  Dialog dialog;
  dialog.name = "DISCOUNT";
  dialog.title = "Adjust item price";
  dialog.keypad_fed = true;
  DialogField price = TextField("price", "Amended price", "", 4);
  price.kind = FieldKind::kCents;
  dialog.Add(price);
  dialog.Add(TextField("shown", "Amended total", "", 0)).kind = FieldKind::kReadOnly;
  // The core follows the typing, as the discount dialogs do.
  dialog.on_change = [](Dialog& d, const std::string& key) {
    if (key == "price") d.Field("shown").text = "[" + d.Field("price").text + "]";
  };
  return dialog;
}

}  // namespace

class KeypadFedDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void keypadTypesIntoTheDialogAndCommandsOnlyRefocusIt() {
    std::vector<int> reached;  // commands that got through to the core
    ScreenHooks hooks;
    hooks.run = [&](int id) { reached.push_back(id); };
    hooks.key = [&](int id) { reached.push_back(id); };
    hooks.enter = [&] { reached.push_back(-1); };
    hooks.is_enabled = [](int) { return true; };
    hooks.is_built = [](int) { return true; };
    MainWindow window(hooks);
    window.show();
    QtUi ui;
    ui.SetMainWindow(&window);
    auto press = [&](int id) {
      qobject_cast<QAbstractButton*>(window.saleScreen()->button(id))->click();
    };

    Dialog dialog = PriceDialog();
    QStringList seen;
    bool still_open_after_commands = false;
    QTimer::singleShot(0, [&] {
      DialogView* view = DialogView::keypadFedOpen();
      if (!view) return;
      auto* entry = qobject_cast<QLineEdit*>(view->fieldWidget("price"));
      for (int id : {kKeypadFirst + 1, kKeypadFirst + 2, kDigitFive}) press(id);
      seen << entry->text() << QString::fromStdString(dialog.Field("shown").text);
      press(kClearLast);
      seen << entry->text();
      // The field holds four digits, as when typed.
      for (int k = 0; k < 4; ++k) press(kDigitFive);
      seen << entry->text();
      // A menu entry, a key's command and Enter in the entry box are only refocusing.
      window.commandAction(kConfiguration)->trigger();
      QTest::keyClick(window.saleScreen()->entryBox(), Qt::Key_F2);
      QTest::keyClick(window.saleScreen()->entryBox(), Qt::Key_Return);
      seen << entry->text();
      still_open_after_commands = view->isVisible() && DialogView::keypadFedOpen() == view;
      press(kClearAll);
      seen << entry->text();
      press(kDigitFive);
      view->button("OK")->click();
    });
    QVERIFY(ui.RunDialog(dialog));

    QCOMPARE(seen, (QStringList{"125", "[125]", "12", "1255", "1255", ""}));
    QVERIFY(still_open_after_commands);
    QCOMPARE(QString::fromStdString(dialog.Field("price").text), QString("5"));
    QVERIFY(reached.empty());
    QVERIFY(!DialogView::keypadFedOpen());

    // Closed, the keypad and commands reach the core again.
    press(kDigitFive);
    window.commandAction(kConfiguration)->trigger();
    QVERIFY(reached == (std::vector<int>{kDigitFive, kConfiguration}));
  }

  void cancelPutsTheFieldBackAndTheWindowStaysOpenUnderTheDialog() {
    ScreenHooks hooks;
    bool closed = false;
    MainWindow window(hooks);
    window.setCloseHandler([&] { closed = true; });
    window.show();
    QtUi ui;
    ui.SetMainWindow(&window);
    Dialog dialog = PriceDialog();
    QTimer::singleShot(0, [&] {
      DialogView* view = DialogView::keypadFedOpen();
      if (!view) return;
      qobject_cast<QAbstractButton*>(window.saleScreen()->button(kDigitFive))->click();
      window.close();
      view->button("Cancel")->click();
    });
    QVERIFY(!ui.RunDialog(dialog));
    QVERIFY(dialog.Field("price").text.empty());
    QVERIFY(!closed);
    QVERIFY(window.isVisible());
  }

  void greyedButtonsCannotBePressed() {
    Dialog dialog;
    dialog.name = "MULTDIAL";
    dialog.actions = {"Next", "Invoice"};
    dialog.greyed = {"Invoice"};
    DialogView view(dialog);
    QVERIFY(view.button("Next")->isEnabled());
    QVERIFY(!view.button("Invoice")->isEnabled());
    QVERIFY(view.button("OK")->isEnabled());
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::KeypadFedDialogTest)
#include "keypad_fed_dialog_test.moc"
