#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "operators/label_table.h"
#include "operators/language_dialog.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

std::string ReadFileBytes(const Path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const Path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

TEST(LabelTableTest, DefaultsOfEachLanguage) {
  LabelTable en = LabelTable::Defaults(kEnglish);
  EXPECT_EQ(en.Label(0), "English");
  EXPECT_EQ(en.Label(1), "Receipt");
  EXPECT_EQ(en.Label(15), "Payment: EFT with cash");
  EXPECT_EQ(en.Label(21), "PRODUCT CODE");
  EXPECT_EQ(en.Label(35), "Terms");

  LabelTable it = LabelTable::Defaults(kItaliano);
  EXPECT_EQ(it.Label(0), "Italiano");
  EXPECT_EQ(it.Label(9), "Sostituzione del contante");
  EXPECT_EQ(it.Label(18), "Fattura No");
  EXPECT_EQ(it.Label(34), "Prezzo unitario");

  LabelTable es = LabelTable::Defaults(kEspanol);
  EXPECT_EQ(es.Label(0), "Espanol");
  EXPECT_EQ(es.Label(1), "Recepci\xF3n");
  EXPECT_EQ(static_cast<uint8_t>(es.data()[80 + 7]), 243);  // the o with acute, one byte
  EXPECT_EQ(es.Label(8), "Licitaci\xF3n");
  EXPECT_EQ(es.Label(12),
            "Pago: cr\xE9"
            "dito");
  EXPECT_EQ(static_cast<uint8_t>(es.data()[12 * 80 + 8]), 233);
  EXPECT_EQ(es.Label(15), "Pago: transferencia bancaria con dinero en efectivo");

  LabelTable nl = LabelTable::Defaults(kNederlands);
  EXPECT_EQ(nl.Label(0), "Nederlands");
  EXPECT_EQ(nl.Label(6), "Niet-belastbare");
  EXPECT_EQ(nl.Label(21), "ITEM NO");
  EXPECT_EQ(nl.Label(35), "Voorwaarden");

  // Every used entry is filled, nothing beyond entry 35 is, and each text ends in its entry.
  for (int language = 0; language < kLanguageCount; ++language) {
    LabelTable table = LabelTable::Defaults(language);
    for (int k = 0; k < 36; ++k) EXPECT_FALSE(table.Label(k).empty()) << language << " " << k;
    for (size_t i = 36 * 80; i < LabelTable::kSize; ++i) ASSERT_EQ(table.data()[i], 0);
    for (int k = 0; k < LabelTable::kEntries; ++k) EXPECT_EQ(table.data()[k * 80 + 79], 0);
  }
  EXPECT_EQ(LabelTable::Defaults(4), LabelTable());
  EXPECT_EQ(LabelTable::Defaults(-1), LabelTable());
}

TEST(LabelTableTest, LabelsAreCutTo79Bytes) {
  LabelTable table;
  table.SetLabel(5, std::string(90, 'x'));
  EXPECT_EQ(table.Label(5), std::string(79, 'x'));
  EXPECT_EQ(table.Label(6), "");  // the neighbour is untouched
  table.SetLabel(58, "out of range");
  table.SetLabel(-1, "out of range");
  EXPECT_EQ(table, [] {
    LabelTable t;
    t.SetLabel(5, std::string(79, 'x'));
    return t;
  }());
  // An entry without a terminator (a damaged file) still yields at most 79 bytes.
  std::memset(table.data() + 80, 'y', 80);
  EXPECT_EQ(table.Label(1), std::string(79, 'y'));
  EXPECT_EQ(table.Label(58), "");
}

TEST(LabelFileTest, FirstStartUsesEnglishAndSavesWholeTable) {
  test::TempDir dir;
  test::TestPlatform platform;
  Path path = dir.path() / "language.ini";
  SettingsRecord settings;  // a first run: language 0
  LabelTable table;
  ASSERT_FALSE(LoadLabelFile(platform.files, path, table));
  table = LabelTable::Defaults(settings.Get(cfg::kLanguage));
  EXPECT_EQ(table.Label(3), "Total");

  ASSERT_TRUE(SaveLabelFile(platform.files, path, table));
  std::string bytes = ReadFileBytes(path);
  ASSERT_EQ(bytes.size(), 4640u);
  EXPECT_EQ(std::string(bytes.c_str()), "English");
  EXPECT_EQ(bytes, std::string(table.view()));

  LabelTable reread;
  ASSERT_TRUE(LoadLabelFile(platform.files, path, reread));
  EXPECT_EQ(reread, table);
}

TEST(LabelFileTest, ShortFileIsReadAsFarAsItGoes) {
  test::TempDir dir;
  test::TestPlatform platform;
  Path path = dir.path() / "language.ini";
  // Entry 0, eight empty entries, and the file ends four bytes into entry 9.
  std::string bytes(9 * 80 + 4, '\0');
  std::memcpy(bytes.data(), "Mine", 4);
  std::memcpy(bytes.data() + 9 * 80, "Coin", 4);
  WriteFileBytes(path, bytes);

  LabelTable table = LabelTable::Defaults(kEnglish);
  ASSERT_TRUE(LoadLabelFile(platform.files, path, table));
  EXPECT_EQ(table.Label(0), "Mine");
  EXPECT_EQ(table.Label(1), "");
  EXPECT_EQ(table.Label(8), "");
  EXPECT_EQ(table.Label(9), "Coin change");  // "Cash change" behind the file's end stays
  EXPECT_EQ(table.Label(10), "Payment: Cash");
  EXPECT_EQ(table.Label(35), "Terms");
}

TEST(LabelFileTest, FailedSaveLeavesOldFileWhole) {
  test::TempDir dir;
  test::TestPlatform platform;
  Path path = dir.path() / "language.ini";
  LabelTable old_table = LabelTable::Defaults(kItaliano);
  ASSERT_TRUE(SaveLabelFile(platform.files, path, old_table));

  platform.files.failing.insert("language.ini");
  EXPECT_FALSE(SaveLabelFile(platform.files, path, LabelTable::Defaults(kNederlands)));
  EXPECT_EQ(ReadFileBytes(path), std::string(old_table.view()));
  EXPECT_TRUE(platform.ui.messages.empty());  // a failed save is silent
}

class LanguageDialogTest : public ::testing::Test {
 protected:
  test::FakeUi ui;
  SettingsRecord settings;
  LabelTable table = LabelTable::Defaults(kEnglish);
};

TEST_F(LanguageDialogTest, ShowsDefaultsBesideCurrentLabels) {
  settings.Set(cfg::kLanguage, kEspanol);
  table.SetLabel(4, "Money off");
  Dialog shown;
  ui.dialog_answers.push_back([&](Dialog& d) {
    shown = d;
    return false;
  });
  RunLanguageDialog(ui, settings, table);
  ASSERT_EQ(ui.dialogs_run, std::vector<std::string>{"LBOX"});
  EXPECT_EQ(shown.title, "Language customization");
  const DialogField& language = shown.Field("language");
  EXPECT_EQ(language.options,
            (std::vector<std::string>{"English", "Italiano", "Espanol", "Nederlands"}));
  EXPECT_EQ(language.choice, kEspanol);
  EXPECT_EQ(shown.Field("default4").text, "Descuento");
  EXPECT_EQ(shown.Field("default4").kind, FieldKind::kReadOnly);
  EXPECT_EQ(shown.Field("label4").text, "Money off");
  EXPECT_EQ(shown.Field("label4").max_length, 79u);
  EXPECT_EQ(shown.Field("label16").group, "Receipt");
  EXPECT_EQ(shown.Field("label17").group, "Invoice");
  EXPECT_EQ(shown.Field("default35").group, "Invoice");
  EXPECT_EQ(shown.Field("note").text,
            "The text on receipts and invoices may be specified. Some fields appear only on the "
            "custom versions. Note that if the language is changed any existing customizations "
            "are lost.");
  EXPECT_EQ(shown.actions, std::vector<std::string>{"Reset"});
}

TEST_F(LanguageDialogTest, ChoosingNederlandsStoresDutchLabelsButNotEntryZero) {
  table.SetLabel(0, "House style");
  table.SetLabel(40, "spare");
  ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("label3").text = "typed, then lost";
    d.Field("language").choice = kNederlands;
    d.on_change(d, "language");
    return true;
  });
  RunLanguageDialog(ui, settings, table);
  EXPECT_EQ(settings.Get(cfg::kLanguage), kNederlands);
  LabelTable dutch = LabelTable::Defaults(kNederlands);
  for (int k = 1; k <= 35; ++k) EXPECT_EQ(table.Label(k), dutch.Label(k)) << k;
  EXPECT_EQ(table.Label(0), "House style");
  EXPECT_EQ(table.Label(40), "spare");
}

TEST_F(LanguageDialogTest, ResetRestoresDefaultsAndEditsAreCut) {
  settings.Set(cfg::kLanguage, kItaliano);
  table = LabelTable::Defaults(kItaliano);
  ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("label1").text = "wrong";
    d.on_change(d, "Reset");
    EXPECT_EQ(d.Field("label1").text, "Ricevimento");
    d.Field("label20").text = std::string(90, 'D');
    return true;
  });
  RunLanguageDialog(ui, settings, table);
  EXPECT_EQ(settings.Get(cfg::kLanguage), kItaliano);
  EXPECT_EQ(table.Label(1), "Ricevimento");
  EXPECT_EQ(table.Label(20), std::string(79, 'D'));
  EXPECT_EQ(table.data()[20 * 80 + 79], 0);
  EXPECT_EQ(table.Label(21), "ARTICOLI NO");
}

TEST_F(LanguageDialogTest, CancelChangesNothing) {
  LabelTable before = table;
  ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("language").choice = kEspanol;
    d.on_change(d, "language");
    d.Field("label2").text = "edited";
    return false;
  });
  RunLanguageDialog(ui, settings, table);
  EXPECT_EQ(settings.Get(cfg::kLanguage), kEnglish);
  EXPECT_EQ(table, before);
}

TEST_F(LanguageDialogTest, UnknownStoredLanguageIsKeptWhenNoneIsChosen) {
  settings.Set(cfg::kLanguage, 7);
  ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("language").choice, -1);
    EXPECT_EQ(d.Field("default1").text, "");
    EXPECT_EQ(d.Field("label1").text, "Receipt");
    return true;
  });
  RunLanguageDialog(ui, settings, table);
  EXPECT_EQ(settings.Get(cfg::kLanguage), 7);
  EXPECT_EQ(table, LabelTable::Defaults(kEnglish));
}

}  // namespace
}  // namespace ventro
