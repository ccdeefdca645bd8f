// The Qt clock, locale, shell addresses and sounds.
#include <cstring>

#include <QtTest>

#include "platform/clock.h"
#include "platform/locale.h"
#include "qt/qt_clock.h"
#include "qt/qt_locale.h"
#include "qt/qt_shell.h"
#include "qt/qt_sound.h"
#include "qt/wave.h"

namespace ventro {
namespace {

uint32_t ReadLittleEndian(const QByteArray& bytes, int at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

// How often the wave crosses zero between `from` and `to` (as fractions of its length): a
// measure of its pitch.
int ZeroCrossings(const std::vector<float>& samples, double from, double to) {
  auto first = static_cast<size_t>(from * static_cast<double>(samples.size()));
  auto last = static_cast<size_t>(to * static_cast<double>(samples.size()));
  int count = 0;
  for (size_t i = first + 1; i < last; ++i) count += (samples[i - 1] < 0) != (samples[i] < 0);
  return count;
}

}  // namespace

class PlatformServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void datePicturesMatchTheEnglishNamesInTheCLocale() {
    LocalTime now = QtClock().Now();  // the clock counts days of the week from Sunday
    QCOMPARE(now.day_of_week, DayOfWeek(now.year, now.month, now.day));
    QtLocale qt_locale(QLocale::c());
    EnglishLocale english;
    LocalTime sunday{2026, 12, 6, 9, 30, 0, 0};
    for (const char* picture : {"ddd d MMM yy", "dddd MMMM d yyyy", "MMM d yyyy", "dd/MM/yyyy"}) {
      QCOMPARE(qt_locale.FormatDate(picture, sunday), english.FormatDate(picture, sunday));
    }
    QCOMPARE(qt_locale.FormatDate("ddd d MMM yy", sunday), std::string("Sun 6 Dec 26"));
    // Letters outside the pictures and quoted text stand as they are.
    QCOMPARE(qt_locale.FormatDate("d 'of' MMMM, at home", sunday),
             std::string("6 of December, at home"));
  }

  void localeNamesArriveInWindows1252() {
    QtLocale french(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(french.FormatDate("dddd d MMMM yyyy", {2026, 12, 6, 0, 0, 0, 0}),
             std::string("dimanche 6 d\xE9"
                         "cembre 2026"));
  }

  void currencySymbolFitsWindows1252() {
    QCOMPARE(QtLocale(QLocale(QLocale::German, QLocale::Germany)).CurrencySymbol(),
             std::string("\x80"));  // the euro sign's byte
    QCOMPARE(QtLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)).CurrencySymbol(),
             std::string("\xA3"));
    QCOMPARE(QtLocale(QLocale(QLocale::Russian, QLocale::Russia)).CurrencySymbol(),
             std::string("RUB"));
    QCOMPARE(QtLocale(QLocale::c()).CurrencySymbol(), std::string("$"));
  }

  void shellOpensLinksAsLinksAndPathsAsFiles() {
    QCOMPARE(ShellUrl("mailto:office@example.com?subject=Day").scheme(), QString("mailto"));
    QCOMPARE(ShellUrl("https://example.com/map?q=1").host(), QString("example.com"));
    QUrl file = ShellUrl("/home/shop/ventro help.htm");
    QVERIFY(file.isLocalFile());
    QCOMPARE(file.toLocalFile(), QString("/home/shop/ventro help.htm"));
  }

  void soundsAreShortDistinctWaveFiles() {
    for (SoundId id : {SoundId::kError, SoundId::kVoid, SoundId::kDone}) {
      std::vector<float> samples = SoundSamples(id);
      QVERIFY(samples.size() > kWaveSampleRate / 20);  // audible
      QVERIFY(samples.size() < kWaveSampleRate / 2);   // and short
      QByteArray wave = WaveFile(samples);
      QCOMPARE(wave.left(4), QByteArray("RIFF"));
      QCOMPARE(ReadLittleEndian(wave, 20, 4), 1u | (1u << 16));  // PCM, mono
      QCOMPARE(ReadLittleEndian(wave, 24, 4), static_cast<uint32_t>(kWaveSampleRate));
      QCOMPARE(ReadLittleEndian(wave, 40, 4), static_cast<uint32_t>(samples.size() * 2));
      QCOMPARE(ReadLittleEndian(wave, 4, 4), static_cast<uint32_t>(wave.size() - 8));
    }
    // The error sound is two beeps with silence between them.
    std::vector<float> error = SoundSamples(SoundId::kError);
    QCOMPARE(ZeroCrossings(error, 0.45, 0.52), 0);
    // The void sound falls; the done chime rises.
    std::vector<float> falling = SoundSamples(SoundId::kVoid);
    QVERIFY(ZeroCrossings(falling, 0.0, 0.3) > ZeroCrossings(falling, 0.7, 1.0));
    std::vector<float> rising = SoundSamples(SoundId::kDone);
    QVERIFY(ZeroCrossings(rising, 0.0, 0.15) < ZeroCrossings(rising, 0.75, 0.9));
  }

  void playingNeverFailsWithOrWithoutAnAudioDevice() {
    QtSound sound;
    sound.Play(SoundId::kError);
    sound.Play(SoundId::kVoid);
    sound.Play(SoundId::kDone);
    QTest::qWait(50);
  }
};

}  // namespace ventro

QTEST_MAIN(ventro::PlatformServicesTest)
#include "platform_services_test.moc"
