// The menu commands that set a value or show something, and the keypad, through the dispatch.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/sale_screen.h"
#include "app/simple_commands.h"
#include "app/ventro.h"
#include "recording_host.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;

class SimpleCommandsTest : public ::testing::Test {
 protected:
  SimpleCommandsTest() : v(p.platform, host, StartOptions{dir.path(), dir.path()}) {
    v.settings.ApplyFirstRunDefaults(p.clock.Now());
  }
  // Runs command `id` with one dialog answer; returns the dialog as it was shown.
  Dialog RunWith(int id, std::function<bool(Dialog&)> answer) {
    Dialog shown;
    p.ui.dialog_answers.push_back([&shown, answer](Dialog& d) {
      shown = d;
      return answer(d);
    });
    DispatchCommand(v, id);
    return shown;
  }

  test::TestPlatform p;
  test::TempDir dir;
  test::RecordingHost host;
  Ventro v;
};

TEST_F(SimpleCommandsTest, PrinterFontSizeStoresLinesWithinTheSliderOrZeroForTheDefault) {
  Dialog shown = RunWith(3010, [](Dialog& d) {
    d.Field("printer_default").checked = false;
    d.Field("lines").text = "120";
    return true;
  });
  EXPECT_EQ(shown.Field("lines").text, "10");  // a stored 0 puts the slider at its end
  EXPECT_TRUE(shown.Field("printer_default").checked);
  EXPECT_EQ(v.settings.Get(cfg::kListingLinesPerPage), 120);

  shown = RunWith(3010, [](Dialog& d) {
    d.Field("lines").text = "500";
    return true;
  });
  EXPECT_EQ(shown.Field("lines").text, "120");
  EXPECT_FALSE(shown.Field("printer_default").checked);
  EXPECT_EQ(v.settings.Get(cfg::kListingLinesPerPage), 200);

  RunWith(3010, [](Dialog& d) {
    d.Field("printer_default").checked = true;
    return false;  // cancelled
  });
  EXPECT_EQ(v.settings.Get(cfg::kListingLinesPerPage), 200);
  RunWith(3010, [](Dialog& d) {
    d.Field("printer_default").checked = true;
    return true;
  });
  EXPECT_EQ(v.settings.Get(cfg::kListingLinesPerPage), 0);
}

TEST_F(SimpleCommandsTest, IndentListingsAsksWhenClearAndClearsWhenSet) {
  p.ui.edit_answers = {"41", "1O", "12"};
  for (int k = 0; k < 3; ++k) DispatchCommand(v, ToInt(Command::kIndentListings));
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Outside range"},
                                                      {"Problem", "Outside range"},
                                                      {"Indent set to", "12"}}));
  EXPECT_EQ(v.settings.Get(cfg::kListingIndent), 12);
  EXPECT_TRUE(IsMenuEntryChecked(v, 3021));

  DispatchCommand(v, ToInt(Command::kIndentListings));  // set: cleared without a prompt
  EXPECT_EQ(v.settings.Get(cfg::kListingIndent), 0);
  EXPECT_FALSE(IsMenuEntryChecked(v, 3021));
  EXPECT_EQ(p.ui.dialogs_run.size(), 3u);
}

TEST_F(SimpleCommandsTest, SoundsAndButtonTipsToggleWithTheirCheckMarks) {
  EXPECT_TRUE(IsMenuEntryChecked(v, 3024));
  EXPECT_TRUE(IsMenuEntryChecked(v, 3017));
  DispatchCommand(v, ToInt(Command::kSoundEffects));
  DispatchCommand(v, ToInt(Command::kButtonTips));
  EXPECT_FALSE(IsMenuEntryChecked(v, 3024));
  EXPECT_FALSE(IsMenuEntryChecked(v, 3017));
  EXPECT_GT(host.screen_changes, 0);  // the tooltips change at once
  DispatchCommand(v, ToInt(Command::kSoundEffects));
  EXPECT_EQ(v.settings.Get(cfg::kSoundsOff), 0);
}

TEST_F(SimpleCommandsTest, HelpOpensThePageBesideTheProgramOrSaysItIsMissing) {
  DispatchCommand(v, ToInt(Command::kHelpContents));
  EXPECT_TRUE(p.shell.opened.empty());
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Unable to open the help file ventro.htm"}}));

  // The build puts the real page beside the programs.
  EXPECT_TRUE(p.files.Exists(Path(VENTRO_STARTER_DIR) / "ventro.htm"));
  std::ofstream(dir.path() / "ventro.htm") << "<html></html>";
  DispatchCommand(v, ToInt(Command::kHelpContents));
  EXPECT_EQ(p.shell.opened, std::vector<std::string>{(dir.path() / "ventro.htm").string()});
}

TEST_F(SimpleCommandsTest, TipOfTheDayMovesOnAndStoresTheStartUpChoice) {
  ASSERT_GE(TipsOfTheDay().size(), 15u);
  for (std::string_view tip : TipsOfTheDay()) {
    EXPECT_LT(tip.size(), 200u) << tip;
    EXPECT_EQ(tip.back(), '.') << tip;
  }
  std::string first, second;
  Dialog shown = RunWith(3045, [&](Dialog& d) {
    first = d.Field("tip").text;
    d.on_change(d, "Next tip");
    second = d.Field("tip").text;
    d.Field("no_tips").checked = true;
    return true;
  });
  EXPECT_EQ(shown.name, "2211");
  EXPECT_EQ(shown.title, "TIP OF THE DAY");
  EXPECT_FALSE(shown.Field("no_tips").checked);
  EXPECT_NE(first, second);
  EXPECT_NE(v.settings.Get(cfg::kTipsOff), 0);

  shown = RunWith(3045, [](Dialog& d) {
    d.Field("no_tips").checked = false;
    return false;  // closed with Escape: nothing stored
  });
  EXPECT_TRUE(shown.Field("no_tips").checked);
  EXPECT_NE(v.settings.Get(cfg::kTipsOff), 0);
}

TEST_F(SimpleCommandsTest, CalendarShowsTheMonthWithTodayMarkedAndMovesByMonths) {
  // Sunday 6 December 2026.
  std::vector<std::string> weeks;
  std::string january, february_2028;
  std::string last_week_february;
  Dialog shown = RunWith(3006, [&](Dialog& d) {
    d.on_change(d, "Next");
    january = d.Field("month").text + "|" + d.Field("week1").text;
    for (int k = 0; k < 13; ++k) d.on_change(d, "Next");
    february_2028 = d.Field("month").text + "|" + d.Field("week1").text;
    last_week_february = d.Field("week5").text;
    return true;
  });
  EXPECT_EQ(shown.Field("month").text, "December 2026");
  EXPECT_EQ(shown.Field("days").text, "  Su  Mo  Tu  We  Th  Fr  Sa");
  EXPECT_EQ(shown.Field("week1").text, "           1   2   3   4   5");
  EXPECT_EQ(shown.Field("week2").text, " [6]   7   8   9  10  11  12");
  EXPECT_EQ(shown.Field("week5").text, "  27  28  29  30  31");
  EXPECT_EQ(shown.Field("week6").text, "");
  EXPECT_EQ(january, "January 2027|                       1   2");
  EXPECT_EQ(february_2028, "February 2028|           1   2   3   4   5");
  EXPECT_EQ(last_week_february, "  27  28  29");  // a leap year

  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.on_change(d, "Previous");
    EXPECT_EQ(d.Field("month").text, "November 2026");
    EXPECT_EQ(d.Field("week1").text, "   1   2   3   4   5   6   7");
    EXPECT_EQ(d.Field("week5").text, "  29  30");
    return true;
  });
  DispatchCommand(v, ToInt(Command::kCalendar));
}

TEST_F(SimpleCommandsTest, KeypadEditsTheEntryTextUnlessTheDiscountDialogHasIt) {
  for (int id : {2431, 2432, 2430, 2439}) DispatchCommand(v, id);
  EXPECT_EQ(v.screen.entry_text, "1209");
  DispatchCommand(v, ToInt(Command::kKeypadCE));
  EXPECT_EQ(v.screen.entry_text, "120");
  DispatchCommand(v, ToInt(Command::kKeypadCA));
  EXPECT_EQ(v.screen.entry_text, "");
  DispatchCommand(v, ToInt(Command::kKeypadCE));  // nothing left to remove
  EXPECT_EQ(v.screen.entry_text, "");

  v.screen.entry_mode = kEntryModeDiscount;
  DispatchCommand(v, 2435);
  EXPECT_EQ(v.screen.entry_text, "");
}

}  // namespace
}  // namespace ventro
