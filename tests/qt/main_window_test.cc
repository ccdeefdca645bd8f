// The main window's menu bar against the core's command table, its greying and check marks,
// its start position and the splash window.
#include <set>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/command_table.h"
#include "qt/entry_box.h"
#include "qt/main_window.h"
#include "qt/sale_screen.h"
#include "qt/splash_window.h"
#include "qt/text.h"

namespace ventro {
namespace {

ScreenHooks Hooks(std::function<bool(int)> is_enabled, std::function<void(int)> run) {
  ScreenHooks hooks;
  hooks.is_enabled = std::move(is_enabled);
  hooks.run = std::move(run);
  return hooks;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menuBarFollowsTheCommandTable() {
    MainWindow window(Hooks([](int) { return true; }, [](int) {}));
    QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(static_cast<size_t>(menus.size()), MenuTitles().size());
    for (size_t i = 0; i < MenuTitles().size(); ++i) {
      QCOMPARE(menus[static_cast<qsizetype>(i)]->text(), ToQt(MenuTitles()[i]));
    }
    // Entries in menu order, each with its text, key hint and command number.
    for (size_t i = 0; i < MenuTitles().size(); ++i) {
      QStringList expected;
      for (const MenuCommand& command : MenuCommands()) {
        if (command.menu != MenuTitles()[i]) continue;
        QString text = ToQt(command.text);
        if (!command.key.empty()) text += u'\t' + ToQt(command.key);
        expected << text + " = " + QString::number(command.id);
      }
      QStringList shown;
      for (QAction* entry : menus[static_cast<qsizetype>(i)]->menu()->actions()) {
        shown << entry->text() + " = " + QString::number(entry->data().toInt());
      }
      QCOMPARE(shown, expected);
    }
    QCOMPARE(window.commandAction(1053)->text(), QString("Configuration\tCtrl+C"));
  }

  void unbuiltCommandsAreGreyedAndEntriesForwardTheirNumber() {
    std::set<int> built = {1000};
    std::vector<int> run;
    MainWindow window(
        Hooks([&](int id) { return built.count(id) > 0; }, [&](int id) { run.push_back(id); }));
    QAction* exit = window.commandAction(1000);
    QAction* configuration = window.commandAction(1053);
    QVERIFY(exit->isEnabled());
    QVERIFY(!configuration->isEnabled());

    exit->trigger();
    QCOMPARE(run, std::vector<int>({1000}));

    // Greying is decided again each time a menu opens.
    built.insert(1053);
    QMetaObject::invokeMethod(configuration->associatedObjects().value(0), "aboutToShow");
    QVERIFY(configuration->isEnabled());
  }

  void checkMarksAndWholeMenusFollowTheCore() {
    std::set<int> checked = {3017};
    bool reports_free = true;
    ScreenHooks hooks = Hooks([](int) { return true; }, [](int) {});
    hooks.is_checked = [&](int id) { return checked.count(id) > 0; };
    hooks.is_menu_enabled = [&](std::string_view title) {
      return reports_free || title != "Reports";
    };
    MainWindow window(std::move(hooks));
    QVERIFY(window.commandAction(3017)->isChecked());
    QVERIFY(!window.commandAction(3024)->isChecked());
    QVERIFY(!window.commandAction(3024)->isCheckable());

    checked = {3024};
    reports_free = false;
    window.refresh();
    QMetaObject::invokeMethod(window.commandAction(3024)->associatedObjects().value(0),
                              "aboutToShow");
    QVERIFY(window.commandAction(3024)->isChecked());
    QVERIFY(!window.commandAction(3017)->isChecked());
    for (QAction* top : window.menuBar()->actions()) {
      QCOMPARE(top->isEnabled(), top->text() != "Reports");
    }
  }

  void closingTheWindowCallsTheCloseHandler() {
    MainWindow window(Hooks([](int) { return true; }, [](int) {}));
    bool closed = false;
    window.setCloseHandler([&] { closed = true; });
    window.show();
    window.close();
    QVERIFY(closed);
  }

  void startsCentredAcrossAtTheTopWithTheFocus() {
    MainWindow window(Hooks([](int) { return true; }, [](int) {}));
    QCOMPARE(window.windowTitle(), QString("VENTRO"));
    window.showAtStart(QSize(1280, 1024));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(1280 / 2 - 512, 2));
    QCOMPARE(window.frameGeometry().size(), kMainWindowSize);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.saleScreen()->entryBox()->hasFocus());
  }

  void splashMakesPureBlueTransparent() {
    QTemporaryDir folder;
    QImage image(400, 198, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    for (int x = 100; x < 300; ++x) image.setPixel(x, 99, qRgb(0, 0, 254));
    QString path = folder.filePath("splash.bmp");
    QVERIFY(image.save(path, "BMP"));

    QImage picture = SplashPicture(path).toImage();
    QCOMPARE(qAlpha(picture.pixel(10, 10)), 0);
    QCOMPARE(qAlpha(picture.pixel(150, 99)), 255);  // near-blue stays

    QPixmap fallback = SplashPicture(folder.filePath("missing.bmp"));
    QCOMPARE(fallback.size(), kSplashSize);
    QVERIFY(!fallback.hasAlphaChannel());
  }

  void splashShowsCentredAndClosesThenCallsBack() {
    SplashWindow splash(SplashPicture(QString()));
    bool closed = false;
    splash.showFor(QSize(1024, 768), 10, [&] { closed = true; });
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.geometry(), QRect(QPoint(512 - 200, 384 - 99), kSplashSize));
    QTRY_VERIFY(closed);
    QVERIFY(!splash.isVisible());
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::MainWindowTest)
#include "main_window_test.moc"
