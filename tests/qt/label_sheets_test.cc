// Barcode labels as a shopkeeper would check them: sheets printed through ventro-script with
// --print-dir on A4, every page rendered (pdftoppm -r 200) and its symbols read by a real
// barcode reader (zbarimg), the texts read back with pdftotext.
#include <QtTest>

namespace ventro {
namespace {

constexpr char kSignOn[] =
    "answer pasbox clerk=1 password= OK\n"
    "answer 2211 OK\n";

struct Output {
  QString text;
  int status = -1;
};

Output Run(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) return {};
  return {QString::fromUtf8(process.readAllStandardOutput()),
          process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

// A job of the numbers `start` to `finish` themselves, with the dialog's other values as given.
QString NumbersJob(const QString& start, const QString& finish, const QString& more = "") {
  return "answer BARKODE source=2 start=" + start + " finish=" + finish + " " + more +
         " OK\nanswer Print OK\ncommand 3037\n";
}

QString EanCheckDigit(const QString& twelve) {
  int sum = 0;
  for (int i = 0; i < 12; ++i) sum += (twelve[i].digitValue()) * (i % 2 == 1 ? 3 : 1);
  return QString::number((10 - sum % 10) % 10);
}

}  // namespace

class LabelSheetsTest : public QObject {
  Q_OBJECT

 private:
  Output RunScript(const QString& script) {
    QFile file(work_->filePath("script.txt"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write((QString(kSignOn) + script).toUtf8());
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", work_->filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", work_->path());
    const Output output = Run(
        QCoreApplication::applicationDirPath() + "/ventro-script",
        {"--clock", "2026-12-06 10:15", "--print-dir", PrintDir(), file.fileName()}, environment);
    if (output.status != 0) qWarning().noquote() << output.text;
    return output;
  }
  QString PrintDir() const { return work_->filePath("printed"); }
  QString Printed(int n) const {
    return PrintDir() + QString("/%1-labels.pdf").arg(n, 3, 10, QChar('0'));
  }

  // The symbols a reader finds on every page of document `n`, in the order read, sorted.
  QStringList Scanned(int n, const QString& symbology) {
    const QString prefix = work_->filePath(QString("page%1").arg(n));
    if (Run("pdftoppm", {"-r", "200", "-png", Printed(n), prefix}).status != 0) return {};
    QStringList read;
    QDir dir(work_->path());
    for (const QString& page :
         dir.entryList({QString("page%1-*.png").arg(n)}, QDir::Files, QDir::Name)) {
      const Output scan = Run("zbarimg", {"--raw", "-q", "-Sdisable", "-S" + symbology + ".enable",
                                          dir.filePath(page)});
      read += scan.text.split('\n', Qt::SkipEmptyParts);
    }
    read.sort();
    return read;
  }

  // The lines of a PDF's text with their runs of blanks closed up.
  QStringList Lines(int n) {
    QStringList lines;
    for (const QString& line : Run("pdftotext", {"-layout", Printed(n), "-"}).text.split('\n')) {
      const QString simple = line.simplified();
      if (!simple.isEmpty()) lines.append(simple);
    }
    return lines;
  }

  std::unique_ptr<QTemporaryDir> work_;

 private slots:
  void init() {
    work_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid());
  }

  void code39NumbersAreReadBack() {
    const Output run = RunScript(NumbersJob("7", "7") + NumbersJob("1234567890", "1234567890") +
                                 NumbersJob("100000000000000000", "100000000000000000") +
                                 NumbersJob("1", "20", "format=\"Three column\""));
    QCOMPARE(run.status, 0);
    QVERIFY(Run("pdfinfo", {Printed(1)}).text.contains("(A4)"));
    QCOMPARE(Scanned(1, "code39"), QStringList{"0007"});
    QCOMPARE(Scanned(2, "code39"), QStringList{"1234567890"});
    QCOMPARE(Scanned(3, "code39"), QStringList{"100000000000000000"});
    // Three columns of 16 rows: twenty labels on one sheet, every one readable.
    QStringList twenty;
    for (int k = 1; k <= 20; ++k) twenty.append(QString("%1").arg(k, 4, 10, QChar('0')));
    twenty.sort();
    QCOMPARE(Scanned(4, "code39"), twenty);
    QCOMPARE(Run("pdfinfo", {Printed(4)}).text.contains(QRegularExpression("Pages:\\s+1\\n")),
             true);
  }

  // Every first digit (so every parity pattern) and every digit in both halves, every check
  // digit from ten consecutive numbers, and a 13-digit number cut to its first 12 digits.
  void eanNumbersAreReadBack() {
    QString script;
    QStringList expected;
    for (qint64 digit = 0; digit <= 9; ++digit) {
      const QString number = QString::number(digit * 111111111111);
      script += NumbersJob(number, number, "symbol=\"EAN (UPC A)\"");
      const QString twelve = number.rightJustified(12, '0');
      expected.append(twelve + EanCheckDigit(twelve));
    }
    script += NumbersJob("400638133390", "400638133399", "symbol=\"EAN (UPC A)\"");
    script += NumbersJob("1234567890123", "1234567890123", "symbol=\"EAN (UPC A)\"");
    QCOMPARE(RunScript(script).status, 0);
    QStringList read;
    for (int n = 1; n <= 10; ++n) read += Scanned(n, "ean13");
    expected.sort();
    read.sort();
    QCOMPARE(read, expected);
    QStringList consecutive;
    for (qint64 n = 400638133390; n <= 400638133399; ++n) {
      consecutive.append(QString::number(n) + EanCheckDigit(QString::number(n)));
    }
    consecutive.sort();
    QCOMPARE(Scanned(11, "ean13"), consecutive);
    QCOMPARE(Scanned(12, "ean13"), QStringList{"1234567890128"});
  }

  void textsWithAndWithoutPriceAndARepeat() {
    const Output run = RunScript(
        "answer BARKODE start=1 finish=1 OK\nanswer Print OK\ncommand 3037\n"
        "answer BARKODE start=1 finish=1 price=on OK\nanswer Print OK\ncommand 3037\n"
        "answer BARKODE start=1 finish=1 price=on price_tax=\"Without tax\" store_name=on OK\n"
        "answer Print OK\ncommand 3037\n"
        "answer BARKODE source=3 start=9 quantity=3 price=on OK\nanswer Print OK\n"
        "command 3037\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(Lines(1), QStringList{"1 Single malt Scotch whisky 70cl"});
    QCOMPARE(Lines(2), QStringList{"1 Single malt Scotch whisky 70cl $29.94"});
    QCOMPARE(Lines(3).size(), 1);
    QVERIFY2(Lines(3).front().endsWith("1 Single malt Scotch whisky 70cl $24.95"),
             qPrintable(Lines(3).front()));
    QCOMPARE(Lines(4), QStringList(3, "9 Paperback novel $8.99"));
    // The reader names a symbol it sees several times on a page once.
    QStringList repeated = Scanned(4, "code39");
    repeated.removeDuplicates();
    QCOMPARE(repeated, QStringList{"0009"});
  }

  void refusedJobsPrintNothing() {
    const Output run = RunScript(
        "answer BARKODE source=2 start=1 finish=100000000000000001 OK\ncommand 3037\n"
        "answer BARKODE source=2 start=5 finish=4 OK\ncommand 3037\n"
        "answer BARKODE per_sheet=0 start=1 finish=17 source=2 OK\n"
        "answer Print OK\ncommand 3037\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.text.contains("message \"Problem\" \"Range limit 100000000000000000\""),
             qPrintable(run.text));
    QVERIFY(run.text.contains("message \"Problem\" \"Invalid range\""));
    // Labels per sheet 0 falls back to 16: seventeen labels take two sheets.
    QVERIFY(Run("pdfinfo", {Printed(1)}).text.contains(QRegularExpression("Pages:\\s+2\\n")));
    QVERIFY(!QFile::exists(Printed(2)));
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::LabelSheetsTest)
#include "label_sheets_test.moc"
