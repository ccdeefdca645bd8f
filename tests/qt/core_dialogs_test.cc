// The program's own dialogs on the window: what their fields accept as typed, where the
// keyboard focus starts, and that the configuration sheet fits the smallest desktop.
#include <functional>
#include <optional>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "qt/dialog_view.h"
#include "qt/qt_ui.h"
#include "sale/cash_box.h"
#include "setup/config_sheet.h"
#include "suppliers/supplier_form.h"

namespace ventro {
namespace {

// Calls `act` on the dialog view once it is up.
void WhenShown(std::function<void(DialogView*)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    auto* view = qobject_cast<DialogView*>(QApplication::activeModalWidget());
    if (!view) qFatal("no dialog view");
    act(view);
  });
}

}  // namespace

class CoreDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void aPointTypedInTheCashBoxIsDroppedNotReadAsAnotherAmount() {
    QtUi ui;
    QString typed, change;
    WhenShown([&](DialogView* view) {
      auto* amount = qobject_cast<QLineEdit*>(view->fieldWidget("amount"));
      QTest::keyClicks(amount, "12.50");
      typed = amount->text();
      change = qobject_cast<QLineEdit*>(view->fieldWidget("change"))->text();
      view->button("OK")->click();
    });
    std::optional<Tendered> paid = RunCashBox(ui, 10.00);
    QCOMPARE(typed, QString("1250"));
    QCOMPARE(change, QString("2.50"));
    QVERIFY(paid);
    QCOMPARE(paid->tendered, 12.50);
    QCOMPARE(paid->change, 2.50);
  }

  void theCashBoxOpensOnTheAmountNotTheTotal() {
    QtUi ui;
    QWidget* focused = nullptr;
    QWidget* amount = nullptr;
    WhenShown([&](DialogView* view) {
      focused = view->focusWidget();
      amount = view->fieldWidget("amount");
      view->button("Cancel")->click();
    });
    RunCashBox(ui, 10.00);
    QVERIFY(amount);
    QCOMPARE(focused, amount);
  }

  void theSupplierFormOpensOnTheName() {
    QtUi ui;
    QWidget* focused = nullptr;
    QWidget* name = nullptr;
    WhenShown([&](DialogView* view) {
      focused = view->focusWidget();
      name = view->fieldWidget("name");
      view->button("Cancel")->click();
    });
    SupplierRecord record;
    RunSupplierForm(ui, record, SupplierFormMode::kNew, "New supplier");
    QVERIFY(name);
    QCOMPARE(focused, name);
  }

  void theFocusGoesWhereTheDialogNamesItAFieldOrAButton() {
    Dialog log_on;
    log_on.Add(TextField("clerk", "Clerk", "1", 2)).kind = FieldKind::kNumber;
    log_on.Add(TextField("password", "Password", "", 8)).kind = FieldKind::kPassword;
    log_on.focus = "password";
    DialogView log_on_view(log_on);
    log_on_view.show();
    QCOMPARE(log_on_view.focusWidget(), log_on_view.fieldWidget("password"));

    Dialog payment;
    payment.Add(CheckField("cash", "Cash", true));
    payment.actions = {"Pay"};
    payment.buttons = {"Close"};
    payment.focus = "Pay";
    DialogView payment_view(payment);
    payment_view.show();
    QCOMPARE(payment_view.focusWidget(), payment_view.button("Pay"));
  }

  void theConfigurationSheetFitsTheSmallestDesktopOnEveryPage() {
    QtUi ui;
    SettingsRecord settings;
    settings.ApplyFirstRunDefaults({2026, 1, 15, 9, 0, 0, 0});
    QSize size;
    QStringList faults;
    WhenShown([&](DialogView* view) {
      size = view->sizeHint().expandedTo(view->size());
      auto* tabs = view->findChild<QTabWidget*>();
      QPushButton* preview = view->button("Preview");
      for (int k = 0; tabs && preview && k < tabs->count(); ++k) {
        tabs->setCurrentIndex(k);
        QTest::qWait(0);
        const QString page_name = tabs->tabText(k);
        QWidget* page = tabs->currentWidget();
        // No scrolling: every page shows all of its content.
        for (auto* area : page->findChildren<QScrollArea*>()) {
          if (area->widget()->height() > area->viewport()->height()) faults << page_name;
        }
        // No label cut short.
        for (auto* label : page->findChildren<QLabel*>()) {
          if (!label->isVisible() || label->wordWrap()) continue;
          if (label->width() < label->sizeHint().width())
            faults << page_name + ": " + label->text();
        }
        if (preview->isVisible() != (page_name == "Pole configuration")) {
          faults << page_name + ": Preview";
        }
      }
      if (!tabs || !preview) faults << "no tabs or no Preview";
      view->button("Cancel")->click();
    });
    RunConfigurationSheet(ui, {2026, 12, 6, 9, 30, 0, 0}, settings);
    QVERIFY2(size.width() <= 1024 && size.height() <= 746,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::CoreDialogsTest)
#include "core_dialogs_test.moc"
