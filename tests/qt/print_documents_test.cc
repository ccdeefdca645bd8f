// Printed documents as a shopkeeper would see them: sales run through ventro-script with
// --print-dir, the PDF files read back as text (pdftotext) and as a picture whose barcode a
// real barcode reader decodes (pdftoppm, zbarimg); and the Qt canvas's text boxes.
#include <QPdfWriter>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "print/ean13.h"
#include "qtprint/qt_print_canvas.h"

namespace ventro {
namespace {

constexpr char kSignOn[] =
    "answer pasbox clerk=1 password= OK\n"
    "answer 2211 OK\n";

// Three scans of a taxed item at 2.99 and one untaxed book at 8.99: 17.96.
constexpr char kSale[] =
    "type 20\nkey Enter\n"
    "type 20\nkey Enter\n"
    "type 20\nkey Enter\n"
    "type 9\nkey Enter\n";

constexpr char kCashWithReceipt[] =
    "answer CASHBOX amount=2000 OK\n"
    "answer TENBOX \"&Standard receipt\" OK\n"
    "command 2459\n";

// The result of one tool run: its standard output and exit status.
struct Output {
  QString text;
  int status = -1;
};

Output Run(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForFinished(60000)) return {};
  return {QString::fromUtf8(process.readAllStandardOutput()),
          process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

// The words of each line of a PDF's text, laid out as printed.
QList<QStringList> PdfLines(const QString& pdf) {
  QList<QStringList> lines;
  const QString text = Run("pdftotext", {"-layout", pdf, "-"}).text;
  for (const QString& line : text.split('\n')) {
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (!words.isEmpty()) lines.append(words);
  }
  return lines;
}

bool HasLine(const QList<QStringList>& lines, const QString& line) {
  return lines.contains(line.split(' ', Qt::SkipEmptyParts));
}

// A word of a PDF page and where it was printed, in points from the top left.
struct Word {
  QString text;
  double left = 0;
  double top = 0;
  double right = 0;
};

QList<Word> PdfWords(const QString& pdf) {
  QList<Word> words;
  const QString html = Run("pdftotext", {"-bbox", pdf, "-"}).text;
  static const QRegularExpression kWord(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
  for (const QRegularExpressionMatch& match : kWord.globalMatch(html)) {
    words.append({match.captured(4), match.captured(1).toDouble(), match.captured(2).toDouble(),
                  match.captured(3).toDouble()});
  }
  return words;
}

// The first word `text` printed at or below `below`; a word far off the page when none is.
Word FindWord(const QList<Word>& words, const QString& text, double below = -1) {
  for (const Word& word : words) {
    if (word.text == text && word.top > below) return word;
  }
  return {text, -1000, -1000, -1000};
}

QString Shown(const QList<QStringList>& lines) {
  QStringList shown;
  for (const QStringList& words : lines) shown.append(words.join(' '));
  return shown.join('\n');
}

}  // namespace

class PrintDocumentsTest : public QObject {
  Q_OBJECT

 private:
  // Runs `script` on the data folder of this test, printing into its print folder unless
  // `to_pdf` is false.
  Output RunScript(const QString& script, bool to_pdf = true) {
    QFile file(work_->filePath("script.txt"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(script.toUtf8());
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", work_->filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", work_->path());
    QStringList arguments = {"--clock", "2026-12-06 10:15"};
    if (to_pdf) arguments << "--print-dir" << PrintDir();
    arguments << file.fileName();
    const Output output =
        Run(QCoreApplication::applicationDirPath() + "/ventro-script", arguments, environment);
    if (output.status != 0) qWarning().noquote() << output.text;
    return output;
  }
  QString PrintDir() const { return work_->filePath("printed"); }
  QString Printed(const QString& name) const { return PrintDir() + "/" + name; }

  std::unique_ptr<QTemporaryDir> work_;

 private slots:
  void init() {
    work_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid());
  }

  void tillReceiptInBothLayoutsMergesThreeScans() {
    const Output run = RunScript(QString(kSignOn) + kSale + kCashWithReceipt +
                                 "answer Configuration single_line=off OK\n"
                                 "command 1053\n" +
                                 kSale + kCashWithReceipt);
    QCOMPARE(run.status, 0);
    const QString& transcript = run.text;
    QVERIFY(transcript.contains("printed receipt file=001-receipt.pdf"));
    QVERIFY(transcript.contains("printed receipt file=002-receipt.pdf"));

    // One line with heading: the three scans as one row of quantity 3.
    const QList<QStringList> single = PdfLines(Printed("001-receipt.pdf"));
    for (const char* line :
         {"Receipt: 1", "10:15 Sun 6 Dec 26", "1, Administrator", "Description Qty Price Amount",
          "Car air freshe 3 2.99 8.97", "Paperback nove 1 8.99 8.99", "Total: $17.96",
          "Payment: Cash", "Cash change: 2.04", "VAT 1: 1.50 (20.00%)", "Always happy to help!"}) {
      QVERIFY2(HasLine(single, line), qPrintable(QString(line) + "\n" + Shown(single)));
    }

    // Two lines: the description whole, the quantity at its unit price below it.
    const QList<QStringList> two = PdfLines(Printed("002-receipt.pdf"));
    for (const char* line : {"Receipt: 2", "Car air freshener", "3 @ 2.99 8.97",
                             "Paperback novel 8.99", "Total: $17.96"}) {
      QVERIFY2(HasLine(two, line), qPrintable(QString(line) + "\n" + Shown(two)));
    }
    QVERIFY(!HasLine(two, "Description Qty Price Amount"));
  }

  void pdfFileInThePrintDialogSavesWhereTheUserPicks() {
    const QString pdf = work_->filePath("my receipt.pdf");
    const Output run = RunScript(QString(kSignOn) +
                                     "answer Configuration omit_confirm=off OK\n"
                                     "command 1053\n" +
                                     kSale +
                                     "answer CASHBOX amount=2000 OK\n"
                                     "answer TENBOX \"&Standard receipt\" OK\n"
                                     "answer Print printer=\"PDF file\" OK\n"
                                     "answer SAVEFILE path=\"" +
                                     pdf + "\" OK\n" + "command 2459\n",
                                 false);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("printed receipt file=" + pdf), qPrintable(run.text));
    const QList<QStringList> lines = PdfLines(pdf);
    for (const char* line : {"Receipt: 1", "Total: $17.96", "Payment: Cash"}) {
      QVERIFY2(HasLine(lines, line), qPrintable(QString(line) + "\n" + Shown(lines)));
    }
  }

  void splitAndCashBackPaymentLines() {
    const Output run = RunScript(QString(kSignOn) + kSale +
                                 "answer SPLIT cash=1000 OK\n"
                                 "answer CASHBOX \"Exact amount\"\n"
                                 "answer TENBOX \"&Standard receipt\" OK\n"
                                 "command 3001\n" +
                                 kSale +
                                 "answer BBOX \"Payment plus cashback\"\n"
                                 "answer EDITBO8 amount=20 OK\n"
                                 "answer TENBOX \"&Standard receipt\" OK\n"
                                 "command 2428\n");
    QCOMPARE(run.status, 0);
    const QList<QStringList> split = PdfLines(Printed("001-receipt.pdf"));
    QVERIFY2(HasLine(split, "Payment: EFT with cash"), qPrintable(Shown(split)));
    const QList<QStringList> card = PdfLines(Printed("002-receipt.pdf"));
    QVERIFY2(HasLine(card, "Payment: EFT (CB: 20.00)"), qPrintable(Shown(card)));
  }

  // Between them the transactions use every digit, so each digit's bars are read back.
  void barcodeOfTheTransactionIsReadBack_data() {
    QTest::addColumn<int>("transaction");
    QTest::addColumn<QString>("digits");
    QTest::newRow("7") << 7 << "0007";
    QTest::newRow("1234") << 1234 << "1234";
    QTest::newRow("5678") << 5678 << "5678";
    QTest::newRow("9090") << 9090 << "9090";
  }

  void barcodeOfTheTransactionIsReadBack() {
    QFETCH(int, transaction);
    QFETCH(QString, digits);
    // The first run turns the barcode on (stored at exit); then the next transaction number is
    // set in vt.cfg.
    QCOMPARE(
        RunScript(QString(kSignOn) + "answer Configuration barcode=on OK\ncommand 1053\n", false)
            .status,
        0);
    QFile settings(work_->filePath("data/Tarvel/ventro/vt.cfg"));
    QVERIFY(settings.open(QIODevice::ReadWrite));
    QVERIFY(settings.seek(4792));
    const qint32 number = qToLittleEndian(static_cast<qint32>(transaction));
    QCOMPARE(settings.write(reinterpret_cast<const char*>(&number), 4), qint64(4));
    settings.close();

    QCOMPARE(RunScript(QString(kSignOn) + kSale + kCashWithReceipt).status, 0);
    const QString pdf = Printed("001-receipt.pdf");
    QVERIFY(HasLine(PdfLines(pdf), "Receipt: " + QString::number(transaction)));
    const QString page = work_->filePath("page");
    QCOMPARE(Run("pdftoppm", {"-r", "200", "-png", "-singlefile", pdf, page}).status, 0);
    const Output scan = Run("zbarimg", {"--raw", "-q", page + ".png"});
    QCOMPARE(scan.status, 0);
    QCOMPARE(scan.text.trimmed(), digits);
  }

  // EAN-13 symbols drawn on an A4 PDF page are read back by a real reader: every first digit
  // (so every parity pattern) and every digit on both halves, every check digit from ten
  // consecutive numbers, and a 13-digit number cut to its first 12 digits.
  void eanSymbolsAreReadBack() {
    QList<qint64> numbers;
    for (qint64 digit = 0; digit <= 9; ++digit) numbers.append(digit * 111111111111);
    for (qint64 n = 400638133390; n < 400638133400; ++n) numbers.append(n);
    numbers.append(1234567890123);
    QStringList expected;
    for (qint64 number : numbers) {
      const std::string digits = Ean13Digits(number);
      expected.append(QString::fromStdString(digits) + QString::number(Ean13CheckDigit(digits)));
    }
    QCOMPARE(expected.last(), QString("1234567890128"));

    const QString pdf = work_->filePath("ean.pdf");
    auto writer = std::make_unique<QPdfWriter>(pdf);
    writer->setResolution(600);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                      QPageLayout::Millimeter, QMarginsF()));
    std::unique_ptr<QtPrintCanvas> canvas = QtPrintCanvas::Create(std::move(writer));
    QVERIFY(canvas);
    canvas->StartPage();
    canvas->SetMetricUnits(true);
    // Two columns of 0.4 mm modules, 12 mm apart down the page, with wide quiet zones.
    for (int i = 0; i < numbers.size(); ++i) {
      DrawEan13(*canvas, 1500 + (i % 2) * 9000, 1500 + (i / 2) * 2500, 40, numbers[i]);
    }
    canvas->SetMetricUnits(false);
    canvas->EndPage();
    QVERIFY(canvas->EndDocument());

    const QString page = work_->filePath("ean");
    QCOMPARE(Run("pdftoppm", {"-r", "200", "-png", "-singlefile", pdf, page}).status, 0);
    const Output scan =
        Run("zbarimg", {"--raw", "-q", "-Sdisable", "-Sean13.enable", page + ".png"});
    QCOMPARE(scan.status, 0);
    QStringList read = scan.text.split('\n', Qt::SkipEmptyParts);
    read.sort();
    expected.sort();
    QCOMPARE(read, expected);
  }

  // A text box is a place to start, not a clip: a note longer than its box is printed whole,
  // running on below it, and the height it took is given back.
  void aTextBoxIsDrawnWholeBelowItsRectangle() {
    const QString pdf = work_->filePath("box.pdf");
    auto writer = std::make_unique<QPdfWriter>(pdf);
    writer->setResolution(200);
    writer->setPageLayout(QPageLayout(QPageSize(QSizeF(80, 100), QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter,
                                      QMarginsF()));
    std::unique_ptr<QtPrintCanvas> canvas = QtPrintCanvas::Create(std::move(writer));
    QVERIFY(canvas);
    canvas->StartPage();
    const PrintRect box{50, 50, 450, 80};
    const int used = canvas->TextBox(box, TextAlign::kLeft,
                                     "PLEASE LEAVE THE PARCEL WITH THE NEIGHBOUR AT NUMBER "
                                     "TWELVE IF NOBODY ANSWERS THE DOOR BEFORE NOON TODAY");
    canvas->EndPage();
    QVERIFY(canvas->EndDocument());
    QVERIFY2(used > 3 * (box.bottom - box.top), qPrintable(QString::number(used)));

    const QString page = work_->filePath("box");
    QCOMPARE(Run("pdftoppm", {"-r", "200", "-png", "-singlefile", pdf, page}).status, 0);
    QImage image(page + ".png");
    QVERIFY(!image.isNull());
    int lowest_ink = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = box.left; x < box.right && x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) lowest_ink = y;
      }
    }
    QVERIFY2(lowest_ink > box.bottom + (used - (box.bottom - box.top)) / 2,
             qPrintable(QString::number(lowest_ink)));
  }

  // A statement is a page document: it goes on A4, the till's slips stay on the roll.
  void aStatementIsPrintedOnA4() {
    const Output run = RunScript(QString(kSignOn) +
                                 "answer EDIT2BOX text=2 OK\n"
                                 "answer Statement \"Print statement\"\n"
                                 "answer Print OK\n"
                                 "command 3026\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("printed statement file=001-statement.pdf"), qPrintable(run.text));
    const QString pdf = Printed("001-statement.pdf");
    QVERIFY(Run("pdfinfo", {pdf}).text.contains("(A4)"));
    const QList<QStringList> lines = PdfLines(pdf);
    for (const char* line : {"STATEMENT", "Customer ID: 2", "Balance: 142.65"}) {
      QVERIFY2(HasLine(lines, line), qPrintable(QString(line) + "\n" + Shown(lines)));
    }
  }

  // The summary box's invoice and delivery note and the quotation of a basket, each on A4:
  // three scans on one row pair, the totals, the customer captions of a sale without one, and
  // the transaction's barcode read back from the foot of the invoice.
  void invoicesDeliveryNoteAndQuotationOnA4() {
    const Output run = RunScript(QString(kSignOn) + kSale +
                                 "answer CASHBOX amount=2000 OK\n"
                                 "answer TENBOX \"&Invoice 1\" \"Delivery note\" OK\n"
                                 "command 2459\n" +
                                 kSale +
                                 "answer Print OK\n"
                                 "command 1070\n");
    QCOMPARE(run.status, 0);
    for (const char* file : {"001-invoice.pdf", "002-delivery-note.pdf", "003-quotation.pdf"}) {
      QVERIFY2(QFile::exists(Printed(file)), qPrintable(run.text));
      QVERIFY(Run("pdfinfo", {Printed(file)}).text.contains("(A4)"));
    }
    const QString invoice = Run("pdftotext", {"-layout", Printed("001-invoice.pdf"), "-"}).text;
    for (const char* text :
         {"INVOICE", "Order Number: 1", "Customer code: N/A",
          "NAME:", "ADDRESS:", "TELEPHONE:", "Not Applicable", "3 @ ", "NOTES", "TOTAL:"}) {
      QVERIFY2(invoice.contains(text), qPrintable(QString(text) + "\n" + invoice));
    }
    const QString note = Run("pdftotext", {"-layout", Printed("002-delivery-note.pdf"), "-"}).text;
    for (const char* text : {"Delivery Note", "Shortages must be", "notified within 3 days",
                             "Transaction reference: 1"}) {
      QVERIFY2(note.contains(text), qPrintable(QString(text) + "\n" + note));
    }
    QVERIFY(!note.contains("TOTAL:"));
    const QString quotation = Run("pdftotext", {"-layout", Printed("003-quotation.pdf"), "-"}).text;
    QVERIFY2(quotation.contains("Quotation") && quotation.contains("Reference: 2"),
             qPrintable(quotation));

    const QString page = work_->filePath("invoice");
    QCOMPARE(Run("pdftoppm", {"-r", "200", "-png", "-singlefile", Printed("001-invoice.pdf"), page})
                 .status,
             0);
    const Output scan =
        Run("zbarimg", {"--raw", "-q", "-Sdisable", "-Scode39.enable", page + ".png"});
    QCOMPARE(scan.status, 0);
    QCOMPARE(scan.text.trimmed(), QString("0001"));
  }

  // A printed list is a page document on A4: every page headed by the shop, the title, the
  // date and its number, the column headings under it, the stock's value after the last row.
  void printedListIsOnA4WithHeadingColumnsAndTotals() {
    const Output run = RunScript(QString(kSignOn) +
                                 "answer Print OK\n"
                                 "command 1042\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("printed listing file=001-listing.pdf"), qPrintable(run.text));
    const QString pdf = Printed("001-listing.pdf");
    QVERIFY(Run("pdfinfo", {pdf}).text.contains("(A4)"));
    const QString text = Run("pdftotext", {"-layout", pdf, "-"}).text;
    QVERIFY2(text.contains(QRegularExpression("Inventory with cost value +Sun 6 Dec 26 +Page 1")),
             qPrintable(text));
    const QList<QStringList> lines = PdfLines(pdf);
    QVERIFY2(HasLine(lines, "Number Description Price Cost Stock Cat Location"),
             qPrintable(Shown(lines)));
    QVERIFY2(text.contains(QRegularExpression("Stock value at cost: [0-9]+\\.[0-9]{2}\n")),
             qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("Stock value at retail: [0-9]+\\.[0-9]{2}\\s*$")),
             qPrintable(text.right(300)));
  }

  // The sales report's tax summary is a page document on A4, its figures beside their names.
  void salesReportSummaryIsPrintedOnA4() {
    const Output run = RunScript(QString(kSignOn) + kSale + kCashWithReceipt +
                                 "answer Invest OK\n"
                                 "answer Inves4 \"&Print\" OK\n"
                                 "answer Print OK\n"
                                 "command 3047\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("printed sales-report file=002-sales-report.pdf"),
             qPrintable(run.text));
    const QString pdf = Printed("002-sales-report.pdf");
    QVERIFY(Run("pdfinfo", {pdf}).text.contains("(A4)"));
    const QList<QStringList> lines = PdfLines(pdf);
    for (const char* line :
         {"Sales report: Tue 1 Dec 26 to Sun 6 Dec 26", "Tax 1 1.50", "Total 17.96"}) {
      QVERIFY2(HasLine(lines, line), qPrintable(QString(line) + "\n" + Shown(lines)));
    }
  }

  // The takings graph is one A4 page: its heading, both charts' titles with the day's sale in
  // their takings, and the amounts marked up their axes.
  void takingsGraphIsOneA4PageOfTwoCharts() {
    const Output run = RunScript(QString(kSignOn) + kSale + kCashWithReceipt +
                                 "answer LISTVIEW Print Close\n"
                                 "answer Print OK\n"
                                 "command 3060\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("printed takings-graph file=002-takings-graph.pdf"),
             qPrintable(run.text));
    const QString pdf = Printed("002-takings-graph.pdf");
    const QString info = Run("pdfinfo", {pdf}).text;
    QVERIFY(info.contains("(A4)"));
    QVERIFY2(info.contains(QRegularExpression("Pages: +1\n")), qPrintable(info));
    const QList<QStringList> lines = PdfLines(pdf);
    for (const char* line : {"Takings graph Sun 6 Dec 26",
                             "Takings by day, last 8 weeks Takings: 17.96 Balance payments: 0.00",
                             "Takings by week, last 52 weeks Takings: 17.96 Balance payments: 0.00",
                             "20.00", "0.00"}) {
      const bool found = std::any_of(lines.begin(), lines.end(), [&](const QStringList& words) {
        return words.join(' ').contains(QString(line));
      });
      QVERIFY2(found, qPrintable(QString(line) + "\n" + Shown(lines)));
    }
  }

  // Debtor letters: none for a customer who owes nothing; the address block with and without
  // a postcode; the letterhead beside letter.bmp and, without it, centred.
  void debtorLettersOnA4WithAndWithoutTheLetterheadPicture() {
    const QString customer2 = "answer EDIT2BOX text=2 OK\nanswer Print OK\n";
    const Output run = RunScript(QString(kSignOn) + "answer EDIT2BOX text=1 OK\ncommand 1068\n" +
                                 customer2 + "command 1068\n" +
                                 "answer EDIT2BOX text=2 OK\nanswer 802 postcode=\"\" OK\n"
                                 "command 1090\n" +
                                 customer2 + "command 1075\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("message \"Problem\" \"No amount is outstanding\" OK"),
             qPrintable(run.text));
    QVERIFY2(run.text.contains("printed letter file=001-letter.pdf\n"), qPrintable(run.text));
    QVERIFY(run.text.contains("printed letter file=002-letter.pdf\n"));
    QVERIFY(!run.text.contains("003-letter"));

    const QString reminder = Printed("001-letter.pdf");
    QVERIFY(Run("pdfinfo", {reminder}).text.contains("(A4)"));
    const QList<QStringList> lines = PdfLines(reminder);
    for (const char* line : {"now overdue: 142.65", "Dear Sir / Madam, Customer reference: 2",
                             "MB1 1AA", "Yours sincerely,", "Manager"}) {
      QVERIFY2(HasLine(lines, line), qPrintable(QString(line) + "\n" + Shown(lines)));
    }
    // The picture takes the left quarter; the heading lines start together to its right.
    const QList<Word> beside = PdfWords(reminder);
    const double quarter = 595.0 / 4;
    const Word store = FindWord(beside, "YOUR");
    QVERIFY2(store.left > quarter, qPrintable(QString::number(store.left)));
    QVERIFY(qAbs(FindWord(beside, "SET").left - store.left) < 1);
    // Name and road lines give the line height; the date comes four lines below the postcode.
    const Word name = FindWord(beside, "The", store.top);
    const double line = FindWord(beside, "3", name.top).top - name.top;
    QVERIFY(line > 5);
    const double after_postcode = FindWord(beside, "Dec").top - FindWord(beside, "MB1").top;
    QVERIFY2(qAbs(after_postcode - 4 * line) < 1.5, qPrintable(QString::number(after_postcode)));

    // Without a postcode the date follows the town line directly.
    const QList<Word> notice = PdfWords(Printed("002-letter.pdf"));
    QVERIFY(HasLine(PdfLines(Printed("002-letter.pdf")), "FINAL NOTICE"));
    QVERIFY(FindWord(notice, "MB1").left < -100);
    const Word town = FindWord(notice, "Millbrook", FindWord(notice, "Centre").top);
    QVERIFY2(qAbs(FindWord(notice, "Dec").top - town.top - line) < 1.5,
             qPrintable(QString::number(FindWord(notice, "Dec").top - town.top)));

    // Without letter.bmp the heading lines are centred on the page.
    QVERIFY(QFile::remove(work_->filePath("data/Tarvel/ventro/letter.bmp")));
    QVERIFY(QDir(PrintDir()).removeRecursively());
    QCOMPARE(RunScript(QString(kSignOn) + customer2 + "command 1068\n").status, 0);
    const QList<Word> centred = PdfWords(Printed("001-letter.pdf"));
    const double middle = (FindWord(centred, "YOUR").left + FindWord(centred, "STORE").right) / 2;
    QVERIFY2(qAbs(middle - 595.0 / 2) < 3, qPrintable(QString::number(middle)));
  }

  // A mailmerge body with a word longer than a line: the word is cut over several lines, none
  // of it lost or printed off the page; the cancel box stops the letters after the first page.
  void mailmergeCutsALongWordAndStopsAtTheCancelBox() {
    const QString word = QString("MAILMERGE").repeated(23).left(200);
    const Output run = RunScript(QString(kSignOn) + "answer bodyedit body=\"Hello " + word +
                                 " goodbye\" start=1 end=4 OK\n"
                                 "answer Print OK\n"
                                 "answer PrintDlgBox after=1 Cancel\n"
                                 "command 3005\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("dialog PrintDlgBox title=\"Printing\" => after=\"1\" Cancel\n"
                               "printed mailmerge file=001-mailmerge.pdf\n"),
             qPrintable(run.text));
    const QString pdf = Printed("001-mailmerge.pdf");
    QVERIFY2(Run("pdfinfo", {pdf}).text.contains(QRegularExpression("Pages:\\s+1\n")),
             qPrintable(Run("pdfinfo", {pdf}).text));
    // The words between "Hello" and "goodbye" are the pieces of the long word, in order.
    QString joined;
    bool inside = false;
    for (const Word& piece : PdfWords(pdf)) {
      if (piece.text == "goodbye") break;
      if (inside) {
        joined += piece.text;
        QVERIFY2(piece.right <= 595.5, qPrintable(piece.text + " " + QString::number(piece.right)));
      }
      inside = inside || piece.text == "Hello";
    }
    QCOMPARE(joined, word);
    const QList<QStringList> lines = PdfLines(pdf);
    QVERIFY(std::any_of(lines.begin(), lines.end(),
                        [](const QStringList& line) { return line.contains("goodbye"); }));
  }

  void withoutAPrintFolderTheTranscriptNamesEachDocument() {
    const Output run =
        RunScript(QString(kSignOn) + "type 9\nkey Enter\ncommand 2466\n" + kCashWithReceipt, false);
    QCOMPARE(run.status, 0);
    const QString& transcript = run.text;
    QVERIFY2(transcript.contains("\nprinted kitchen\n"), qPrintable(transcript));
    QVERIFY(transcript.contains("\nprinted receipt\n"));
    QVERIFY(!QFileInfo::exists(PrintDir()));
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::PrintDocumentsTest)
#include "print_documents_test.moc"
