// The generic dialog renderer driven through its widgets: values reach the model on OK, are
// put back on Cancel, on_change runs and the widgets follow the model, entry rules hold.
#include <functional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "platform/dialog.h"
#include "qt/dialog_view.h"
#include "tests/qt/typing.h"

namespace ventro {
namespace {

// A two-page property sheet with every field kind, groups, and actions. on_change mirrors
// the core's habit: "taxed" off clears and disables the rate; "Reset" restores the name.
Dialog SheetDialog(std::vector<std::string>* changes) {
  Dialog dialog;
  dialog.name = "TEST SHEET";
  dialog.title = "Configuration";
  DialogField name = TextField("name", "Store name", "CORNER SHOP", 12);
  name.page = "General";
  name.group = "Store";
  dialog.Add(name);
  DialogField code = TextField("code", "Code", "12", 6);
  code.kind = FieldKind::kNumber;
  code.page = "General";
  code.group = "Store";
  dialog.Add(code);
  DialogField password = TextField("password", "Password", "SECRET", 8);
  password.kind = FieldKind::kPassword;
  password.page = "General";
  dialog.Add(password);
  DialogField taxed = CheckField("taxed", "Charge tax", true);
  taxed.page = "Tax";
  taxed.group = "Rates";
  dialog.Add(taxed);
  DialogField rate = TextField("rate", "Rate", "12.5", 6);
  rate.page = "Tax";
  rate.group = "Rates";
  dialog.Add(rate);
  DialogField rounding = ChoiceField("rounding", "Rounding", {"None", "5 cents", "10 cents"}, 0);
  rounding.page = "Tax";
  dialog.Add(rounding);
  DialogField total = TextField("total", "Total", "0.00", 0);
  total.kind = FieldKind::kReadOnly;
  total.page = "Tax";
  dialog.Add(total);
  DialogField note = NoteField("note", "Rates apply to new sales only.");
  note.page = "Tax";
  dialog.Add(note);
  dialog.actions = {"Reset", "Apply"};
  dialog.on_change = [changes](Dialog& d, const std::string& key) {
    changes->push_back(key);
    if (key == "taxed") {
      DialogField& rate_field = d.Field("rate");
      rate_field.enabled = d.Field("taxed").checked;
      if (!rate_field.enabled) rate_field.text = "0";
    }
    if (key == "Reset") d.Field("name").text = "CORNER SHOP";
    d.Field("total").text = d.Field("rate").text + "%";
  };
  return dialog;
}

template <typename T>
T* Widget(DialogView& view, const std::string& key) {
  T* widget = qobject_cast<T*>(view.fieldWidget(key));
  if (!widget) qFatal("field %s has no widget of the expected type", key.c_str());
  return widget;
}

// Runs the dialog modally while `act` works its widgets from inside the modal loop.
bool RunWith(DialogView& view, std::function<void()> act) {
  QTimer::singleShot(0, &view, std::move(act));
  return view.run();
}

}  // namespace

class DialogViewTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsPagesGroupsAndEveryFieldKind() {
    std::vector<std::string> changes;
    Dialog dialog = SheetDialog(&changes);
    DialogView view(dialog);
    QCOMPARE(view.windowTitle(), QString("Configuration"));

    auto* tabs = view.findChild<QTabWidget*>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QString("General"));
    QCOMPARE(tabs->tabText(1), QString("Tax"));
    QStringList groups;
    for (auto* box : view.findChildren<QGroupBox*>()) groups << box->title();
    groups.sort();
    QCOMPARE(groups, QStringList({"Rates", "Store"}));

    QCOMPARE(Widget<QLineEdit>(view, "name")->text(), QString("CORNER SHOP"));
    QCOMPARE(Widget<QLineEdit>(view, "name")->maxLength(), 12);
    QCOMPARE(Widget<QLineEdit>(view, "password")->echoMode(), QLineEdit::Password);
    QVERIFY(Widget<QLineEdit>(view, "total")->isReadOnly());
    QVERIFY(Widget<QCheckBox>(view, "taxed")->isChecked());
    QCOMPARE(Widget<QComboBox>(view, "rounding")->count(), 3);
    QVERIFY(Widget<QLabel>(view, "note")->wordWrap());
    QVERIFY(view.button("OK")->isDefault());
    QVERIFY(changes.empty());  // building the view is not an edit
  }

  void showsATextOfManyLinesInAScrollingBox() {
    Dialog dialog;
    dialog.name = "logedit";
    DialogField page = TextField("text", "", "\r\n09:30 Switched on.\r\n09:31 Log on.", 0);
    page.kind = FieldKind::kReadOnly;
    page.multiline = true;
    dialog.Add(page);
    DialogView view(dialog);
    auto* box = Widget<QPlainTextEdit>(view, "text");
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->toPlainText(), QString("\n09:30 Switched on.\n09:31 Log on."));
  }

  void okKeepsEditsMadeThroughTheWidgets() {
    std::vector<std::string> changes;
    Dialog dialog = SheetDialog(&changes);
    DialogView view(dialog);
    bool ok = RunWith(view, [&] {
      QLineEdit* name = Widget<QLineEdit>(view, "name");
      name->selectAll();
      QTest::keyClicks(name, "Main St");
      Widget<QCheckBox>(view, "taxed")->click();
      Widget<QComboBox>(view, "rounding")->setCurrentIndex(2);
      Widget<QLineEdit>(view, "password")->setText("NEWPASS");
      view.button("OK")->click();
    });
    QVERIFY(ok);
    QCOMPARE(dialog.pressed, std::string("OK"));
    QCOMPARE(dialog.Field("name").text, std::string("Main St"));
    QVERIFY(!dialog.Field("taxed").checked);
    QCOMPARE(dialog.Field("rounding").choice, 2);
    QCOMPARE(dialog.Field("password").text, std::string("NEWPASS"));
    // on_change ran for the edit of the rate it caused.
    QCOMPARE(dialog.Field("rate").text, std::string("0"));
  }

  void cancelAndCloseLeaveTheModelAsItWas() {
    std::vector<std::string> changes;
    Dialog dialog = SheetDialog(&changes);
    DialogView view(dialog);
    bool ok = RunWith(view, [&] {
      Widget<QLineEdit>(view, "name")->setText("CHANGED");
      Widget<QCheckBox>(view, "taxed")->click();
      view.button("Cancel")->click();
    });
    QVERIFY(!ok);
    QCOMPARE(dialog.pressed, std::string("Cancel"));
    QCOMPARE(dialog.Field("name").text, std::string("CORNER SHOP"));
    QVERIFY(dialog.Field("taxed").checked);
    QCOMPARE(dialog.Field("rate").text, std::string("12.5"));

    DialogView again(dialog);
    ok = RunWith(again, [&] {
      Widget<QLineEdit>(again, "name")->setText("CHANGED");
      QTest::keyClick(&again, Qt::Key_Escape);
    });
    QVERIFY(!ok);
    QCOMPARE(dialog.pressed, std::string("Cancel"));
    QCOMPARE(dialog.Field("name").text, std::string("CORNER SHOP"));
  }

  void onChangeRunsAndWidgetsFollowTheModel() {
    std::vector<std::string> changes;
    Dialog dialog = SheetDialog(&changes);
    DialogView view(dialog);
    view.show();
    QLineEdit* rate = Widget<QLineEdit>(view, "rate");
    QVERIFY(rate->isEnabled());

    Widget<QCheckBox>(view, "taxed")->click();
    QCOMPARE(changes, std::vector<std::string>({"taxed"}));
    QVERIFY(!rate->isEnabled());
    QCOMPARE(rate->text(), QString("0"));
    QCOMPARE(Widget<QLineEdit>(view, "total")->text(), QString("0%"));

    Widget<QLineEdit>(view, "name")->setText("ELSEWHERE");
    QCOMPARE(dialog.Field("name").text, std::string("ELSEWHERE"));
    view.button("Reset")->click();
    QCOMPARE(changes.back(), std::string("Reset"));
    QCOMPARE(Widget<QLineEdit>(view, "name")->text(), QString("CORNER SHOP"));
    QVERIFY(view.isVisible());  // an action does not close the dialog
  }

  void applyIsEnabledByAnEditAndSpentByPressingIt() {
    std::vector<std::string> changes;
    Dialog dialog = SheetDialog(&changes);
    DialogView view(dialog);
    QPushButton* apply = view.button("Apply");
    QVERIFY(!apply->isEnabled());
    Widget<QComboBox>(view, "rounding")->setCurrentIndex(1);
    QVERIFY(apply->isEnabled());
    apply->click();
    QCOMPARE(changes.back(), std::string("Apply"));
    QVERIFY(!apply->isEnabled());
  }

  void entryRulesHoldWhileTyping() {
    std::vector<std::string> changes;
    Dialog dialog = SheetDialog(&changes);
    DialogView view(dialog);
    view.show();

    QLineEdit* name = Widget<QLineEdit>(view, "name");
    name->clear();
    QTest::keyClicks(name, "ABCDEFGHIJKLMN");
    QCOMPARE(name->text(), QString("ABCDEFGHIJKL"));
    QCOMPARE(dialog.Field("name").text, std::string("ABCDEFGHIJKL"));

    // Ω has no Windows-1252 byte and is refused; é and € have one and are stored as it.
    name->clear();
    test::Type(name, QString::fromUtf8("Caf\u00e9 \u03a9\u20ac"));
    QCOMPARE(name->text(), QString::fromUtf8("Caf\u00e9 \u20ac"));
    QCOMPARE(dialog.Field("name").text, std::string("Caf\xE9 \x80"));

    QLineEdit* code = Widget<QLineEdit>(view, "code");
    code->clear();
    QTest::keyClicks(code, "1a2-b3.4");
    QCOMPARE(code->text(), QString("12-3.4"));
  }

  void aSixtyFieldPageFitsTheSmallestDesktop() {
    Dialog dialog;
    dialog.title = "Long";
    for (int i = 0; i < 60; ++i) {
      DialogField field =
          TextField("f" + std::to_string(i), "Field number " + std::to_string(i), "", 20);
      field.page = i < 50 ? "One" : "Two";
      field.group = i < 30 ? "First half" : "Second half";
      dialog.Add(field);
    }
    DialogView view(dialog);
    QSize size = view.sizeHint();
    QVERIFY2(size.width() <= 1024 && size.height() <= 768,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
    // Every field is still there to reach.
    for (int i = 0; i < 60; ++i) QVERIFY(view.fieldWidget("f" + std::to_string(i)));
  }

  void wrappedNotesAreShownWhole() {
    Dialog dialog;
    dialog.title = "TIP OF THE DAY";
    dialog.Add(TextField("number", "", "Tip 1 of 2", 0)).kind = FieldKind::kReadOnly;
    dialog.Add(NoteField("tip", ""));
    dialog.Add(CheckField("off", "Do not show tips at start-up", false));
    dialog.buttons = {"OK"};
    dialog.actions = {"Next tip"};
    dialog.on_change = [](Dialog& d, const std::string&) {
      d.Field("tip").text =
          "Back up your data regularly with Utilities, \"Backup\", and keep the copy away from "
          "the till, in case the computer is lost, stolen or broken.";
    };
    dialog.on_change(dialog, "");
    DialogView view(dialog);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* note = static_cast<QLabel*>(view.fieldWidget("tip"));
    QTRY_VERIFY(note->height() >= note->heightForWidth(note->width()));
    QVERIFY(view.fieldWidget("off")->isVisible());
    QVERIFY(view.fieldWidget("off")->geometry().bottom() <=
            view.fieldWidget("off")->parentWidget()->height());
  }

  void aLogOnKeypadStandsAsABlockOfKeys() {
    Dialog dialog;
    dialog.title = "Log on";
    dialog.Add(TextField("password", "Password", "", 9)).kind = FieldKind::kPassword;
    dialog.actions = {"Up", "Down", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "C", "CE"};
    dialog.buttons = {"OK", "Exit"};
    DialogView view(dialog);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.width() < 600);
    // Three keys to a row, in the order given; the other actions beside them.
    QCOMPARE(view.button("2")->y(), view.button("1")->y());
    QVERIFY(view.button("4")->y() > view.button("1")->y());
    QCOMPARE(view.button("4")->x(), view.button("1")->x());
    QCOMPARE(view.button("CE")->x(), view.button("3")->x());
    QVERIFY(view.button("Up")->x() < view.button("1")->x());
    view.button("7")->click();
    view.button("7")->click();
    view.button("CE")->click();
    QCOMPARE(dialog.pressed, std::string());
  }

  void windows1252LabelsAreShownAsTheyRead() {
    Dialog dialog;
    dialog.title = "Recepci\xF3n";
    dialog.Add(TextField("where", "Recepci\xF3n", "", 0));
    DialogView view(dialog);
    QCOMPARE(view.windowTitle(), QString::fromUtf8("Recepci\u00f3n"));
    auto* label = view.findChild<QLabel*>();
    QVERIFY(label);
    QCOMPARE(label->text(), QString::fromUtf8("Recepci\u00f3n"));
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::DialogViewTest)
#include "dialog_view_test.moc"
