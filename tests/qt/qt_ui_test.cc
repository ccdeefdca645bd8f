// The prompts, message boxes and list of QtUi, answered from inside their modal loops, and the
// Windows-1252 crossing of text.
#include <functional>
#include <string>

#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/bitmap.h"
#include "qt/edit_box.h"
#include "qt/qt_ui.h"
#include "qt/text.h"
#include "tests/qt/typing.h"

namespace ventro {
namespace {

// Calls `act` on the modal window once it is up.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) qFatal("no modal window");
    act(modal);
  });
}

QPushButton* ButtonOf(QWidget* dialog, QDialogButtonBox::StandardButton which) {
  return dialog->findChild<QDialogButtonBox*>()->button(which);
}

}  // namespace

class QtUiTest : public QObject {
  Q_OBJECT

 private slots:
  void textCrossesBetweenWindows1252AndQt() {
    const std::string reception = "Recepci\xF3n";
    QCOMPARE(ToQt(reception), QString::fromUtf8("Recepci\u00f3n"));
    QCOMPARE(ToCore(ToQt(reception)), reception);
    QCOMPARE(ToCore(QString::fromUtf8("\u20ac5")), std::string("\x80"
                                                               "5"));
    bool lossy = false;
    QCOMPARE(ToCore(QString::fromUtf8("a\u03a9b"), &lossy), std::string("a?b"));
    QVERIFY(lossy);
    QVERIFY(!FitsCp1252(QString::fromUtf8("\u4e2d")));
    QVERIFY(FitsCp1252(QString::fromUtf8("\u0160\u00ff")));
  }

  void editBoxUpperCasesTypedLetters() {
    EditBoxDialog box("Enter description", "", "", 8);
    box.show();
    QLineEdit* edit = box.lineEdit();
    test::Type(edit, QString::fromUtf8("ab\u00e9 cdefgh"));  // é upper-cases to É
    QCOMPARE(edit->text(), QString::fromUtf8("AB\u00c9 CDEF"));
    QCOMPARE(box.text(), std::string("AB\xC9 CDEF"));
    QCOMPARE(box.windowTitle(), QString("Enter description"));
  }

  void editBoxReturnsTheTextOnOkAndKeepsItOnCancel() {
    QtUi ui;
    std::string text = "OLD";
    WhenModal([](QWidget* modal) {
      auto* edit = modal->findChild<QLineEdit*>();
      edit->clear();
      QTest::keyClicks(edit, "new one");
      QTest::keyClick(edit, Qt::Key_Return);
    });
    QVERIFY(ui.EditBox("Name:", text, 40));
    QCOMPARE(text, std::string("NEW ONE"));

    WhenModal([](QWidget* modal) {
      QTest::keyClicks(modal->findChild<QLineEdit*>(), "x");
      ButtonOf(modal, QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!ui.Edit2Box("Name:", "Customer", text, 40));
    QCOMPARE(text, std::string("NEW ONE"));
  }

  void messageBoxAnswersWithTheButtonPressed() {
    QtUi ui;
    WhenModal([](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QCOMPARE(box->windowTitle(), QString("Important"));
      QCOMPARE(box->text(), QString::fromUtf8("Caf\u00e9 closes"));
      box->button(QMessageBox::No)->click();
    });
    QCOMPARE(ui.Message("Important", "Caf\xE9 closes", Icon::kQuestion, Buttons::kYesNoCancel),
             Answer::kNo);

    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(ui.Message("Problem", "Sure?", Icon::kWarning, Buttons::kOkCancel), Answer::kCancel);
  }

  void listReturnsTheChosenRowOrNothing() {
    QtUi ui;
    std::vector<std::string> days = {"Monday", "Tuesday", "Wednesday"};
    WhenModal([](QWidget* modal) {
      auto* list = modal->findChild<QListWidget*>();
      QCOMPARE(list->currentRow(), 1);  // the row the core selected
      list->setCurrentRow(2);
      ButtonOf(modal, QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(ui.SelectFromList("DAYS", "Select day:", days, 1), std::optional<int>(2));

    WhenModal([](QWidget* modal) { ButtonOf(modal, QDialogButtonBox::Cancel)->click(); });
    QCOMPARE(ui.SelectFromList("DAYS", "Select day:", days, 0), std::nullopt);
  }

  void picturesQtReadsAreConvertedToBitmaps() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "PNG"));
    QtUi ui;
    std::optional<std::string> bitmap = ui.PictureAsBitmap(png.toStdString());
    QVERIFY(bitmap.has_value());
    QVERIFY(IsBitmapFile(*bitmap));
    QImage back;
    QVERIFY(back.loadFromData(QByteArray::fromStdString(*bitmap), "BMP"));
    QCOMPARE(back.size(), QSize(3, 2));
    QCOMPARE(back.pixelColor(1, 1), QColor(10, 200, 30));
    QVERIFY(!ui.PictureAsBitmap("not a picture").has_value());
  }

  void aPictureWindowOpensWithoutWaitingAndClosesItself() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "BMP"));
    QWidget main_window;
    main_window.show();
    QtUi ui;
    ui.SetMainWindow(&main_window);
    ui.ShowPicture("Inventory: 12", bmp.toStdString());
    ui.ShowPicture("Inventory: 13", "not a picture");
    QList<QLabel*> windows = main_window.findChildren<QLabel*>("picture");
    QCOMPARE(windows.size(), 1);
    QLabel* window = windows.front();
    QVERIFY(window->isWindow() && window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Inventory: 12"));
    QCOMPARE(window->pixmap().size(), QSize(4, 3));
    window->close();
    QTRY_VERIFY(main_window.findChildren<QLabel*>("picture").isEmpty());
  }

  void theCancelBoxIsAskedBetweenPagesAndAnswersCancelOnceClicked() {
    QWidget main_window;
    main_window.show();
    QtUi ui;
    ui.SetMainWindow(&main_window);
    ui.BeginPrintProgress();
    auto* box = main_window.findChild<QDialog*>("PrintDlgBox");
    QVERIFY(box && box->isVisible());
    QVERIFY(!ui.PrintCancelRequested());
    // The click is queued as the user's input would be, and handled when the box is asked.
    QTimer::singleShot(0, [box] { ButtonOf(box, QDialogButtonBox::Cancel)->click(); });
    QVERIFY(ui.PrintCancelRequested());
    QVERIFY(ui.PrintCancelRequested());
    ui.EndPrintProgress();
    QTRY_VERIFY(!main_window.findChild<QDialog*>("PrintDlgBox"));
    // The next document starts with a fresh box.
    ui.BeginPrintProgress();
    QVERIFY(!ui.PrintCancelRequested());
    ui.EndPrintProgress();
  }

  void desktopSizeIsThePrimaryScreen() {
    // The test screen is set to 1024 x 768 through the offscreen platform's configuration.
    ScreenSize size = QtUi().DesktopSize();
    QCOMPARE(size.width, 1024);
    QCOMPARE(size.height, 768);
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::QtUiTest)
#include "qt_ui_test.moc"
