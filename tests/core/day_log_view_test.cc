// The day text log shown page by page, printed and exported, on real files.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "recording_printer.h"
#include "reports/day_log_commands.h"
#include "reports/log_print.h"
#include "reports/log_viewer.h"
#include "script_run.h"
#include "store/day_log.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;

class LogViewTest : public ::testing::Test {
 protected:
  LogViewTest() { settings.Set(cfg::kHeadingLine, 1, "CORNER SHOP"); }

  Path LogOf(int year, int month, int day) {
    return DayTextLogPath(dir.path(), {year, month, day, 0, 0, 0, 0});
  }
  void WriteLog(const Path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  }
  Path TodaysLog() { return LogOf(2026, 12, 6); }

  // Answers the viewer pressing each of `buttons` in turn, keeping what each page showed.
  void PressInViewer(const std::vector<std::string>& buttons) {
    for (const std::string& button : buttons) {
      p.ui.dialog_answers.push_back([this, button](Dialog& d) {
        pages.push_back(d);
        d.pressed = button;
        return true;
      });
    }
  }
  static bool Offers(const Dialog& d, const std::string& button) {
    return std::find(d.buttons.begin(), d.buttons.end(), button) != d.buttons.end() &&
           !d.Greyed(button);
  }

  // The texts of the printed document, in the order drawn.
  std::vector<std::string> PrintedTexts() {
    std::vector<std::string> texts;
    for (const test::DrawnItem& item : p.printer.last().items) texts.push_back(item.text);
    return texts;
  }

  test::TestPlatform p;
  test::TempDir dir;
  SettingsRecord settings;
  LabelTable labels;
  PrintingContext context{p.platform, settings, labels, dir.path()};
  std::vector<Dialog> pages;
};

TEST_F(LogViewTest, AFullPageOffersNextAndOneCharacterLessDoesNot) {
  WriteLog(TodaysLog(), std::string(kLogPageSize, 'a'));
  PressInViewer({"OK"});
  DisplayTodaysLog(context);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].name, "logedit");
  EXPECT_EQ(pages[0].title, "VENTRO log");
  EXPECT_TRUE(Offers(pages[0], "Next"));
  EXPECT_FALSE(Offers(pages[0], "Previous"));

  WriteLog(TodaysLog(), std::string(kLogPageSize - 1, 'a'));
  PressInViewer({"OK"});
  DisplayTodaysLog(context);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_FALSE(Offers(pages[1], "Next"));
}

TEST_F(LogViewTest, NextAndPreviousReadTheFileAfreshAtEachPage) {
  const std::string first(kLogPageSize, 'a');
  WriteLog(TodaysLog(), first + "bb");
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    pages.push_back(d);
    std::ofstream(TodaysLog(), std::ios::binary | std::ios::app) << "cc";  // the day goes on
    d.pressed = "Next";
    return true;
  });
  PressInViewer({"Previous", "Cancel"});
  DisplayTodaysLog(context);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].Field("text").text, first);
  EXPECT_EQ(pages[1].Field("text").text, "bbcc");
  EXPECT_TRUE(Offers(pages[1], "Previous"));
  EXPECT_FALSE(Offers(pages[1], "Next"));
  EXPECT_EQ(pages[2].Field("text").text, first);
}

TEST_F(LogViewTest, AnUnreadableLogShowsAnEmptyViewerAfterTheMessage) {
  PressInViewer({"OK"});
  ShowLogViewer(p.ui, p.files, dir.path() / "missing.txt");
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "Problem");
  EXPECT_EQ(p.ui.messages[0].text, "Data file: bun4.dat.");
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].Field("text").text, "");
}

TEST_F(LogViewTest, APickedDayShowsItsLogOrSaysThereIsNone) {
  WriteLog(LogOf(2026, 11, 30), "\r\n09:30 30/11/2026  Switched on.");
  auto pick = [this](const char* day, const char* month) {
    p.ui.dialog_answers.push_back([=](Dialog& d) {
      d.Field("day").text = day;
      d.Field("month").text = month;
      d.Field("year").text = "2026";
      return true;
    });
  };
  pick("29", "11");
  DisplayPreviousLog(context);
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "Problem");
  EXPECT_EQ(p.ui.messages[0].text, "No log for that day.");

  pick("30", "11");
  PressInViewer({"OK"});
  DisplayPreviousLog(context);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].Field("text").text, "\r\n09:30 30/11/2026  Switched on.");
  EXPECT_EQ(p.ui.messages.size(), 1u);
}

TEST_F(LogViewTest, OnlyTenCharacterDatesOfRealDaysAreTaken) {
  std::optional<LocalTime> day = ParseLogDay("05/03/2021");
  ASSERT_TRUE(day);
  EXPECT_EQ(day->day, 5);
  EXPECT_EQ(day->month, 3);
  EXPECT_EQ(day->year, 2021);
  EXPECT_TRUE(ParseLogDay("29/02/2024"));
  for (const char* refused : {"5/3/2021", "31/04/2025", "29/02/2025", "00/01/2025", "01/13/2025",
                              "ab/03/2021", "05-03-2021", "05/03/20x1", " 5/03/2021", ""}) {
    EXPECT_FALSE(ParseLogDay(refused)) << refused;
  }
}

TEST_F(LogViewTest, PrintedLinesAreCutCleanedAndTheLastLineWithoutCrKept) {
  const std::string long_line(254, 'x');
  WriteLog(LogOf(2021, 3, 5), "\r\n09:30 05/03/2021 Switched on.\r\n" + long_line +
                                  "\r\nTab\there\x01\r\n10:15 05/03/2021 Switched off.");
  p.ui.edit_answers.push_back("05/03/2021");
  PrintLogForDay(context);
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.last().kind, "day-log");
  EXPECT_EQ(p.printer.last().title, "VENTRO");
  EXPECT_EQ(PrintedTexts(),
            (std::vector<std::string>{"CORNER SHOP Log file: 05/03/2021      Page: 1",
                                      "09:30 05/03/2021 Switched on.", std::string(253, 'x'),
                                      "Tabhere", "10:15 05/03/2021 Switched off.", "  "}));
  // Line n at n line heights, the log from the third line on.
  const int line_height = p.printer.device.default_metrics.height;
  EXPECT_EQ(p.printer.last().items[1].y, 2 * line_height);
  EXPECT_EQ(p.printer.last().items[5].y, 6 * line_height);
}

TEST_F(LogViewTest, OnlyALeadingCrLfIsPassedOver) {
  WriteLog(TodaysLog(), "AB\r\nCD");
  PrintTodaysLog(context);
  EXPECT_EQ(PrintedTexts(),
            (std::vector<std::string>{"CORNER SHOP Log file: 06/12/2026      Page: 1", "AB", "CD",
                                      "  "}));
}

TEST_F(LogViewTest, PagesFollowOnAndAFontTallerThanThePageStillMovesOn) {
  std::string log;
  for (int n = 0; n < 10; ++n) log += "\r\nline " + std::to_string(n);
  WriteLog(TodaysLog(), log);
  // Room for the heading, the blank line and two log lines a page: (24 + 2) x 4 > 100.
  p.printer.device.caps.height = 100;
  PrintTodaysLog(context);
  EXPECT_EQ(p.printer.last().pages, 5);
  std::vector<std::string> texts = PrintedTexts();
  EXPECT_EQ(texts[2], "line 1");
  EXPECT_EQ(texts[3], "CORNER SHOP Log file: 06/12/2026      Page: 2");
  EXPECT_EQ(texts[4], "line 2");
  EXPECT_EQ(texts.back(), "  ");

  p.printer.device.caps.height = 10;  // not even the heading fits
  PrintTodaysLog(context);
  EXPECT_EQ(p.printer.last().pages, 10);  // one log line a page, no blank pages
}

TEST_F(LogViewTest, PrintingAMissingOrMistypedDaySaysSo) {
  p.ui.edit_answers.push_back("5/3/2021");
  p.ui.edit_answers.push_back("05/03/2021");
  PrintLogForDay(context);
  PrintLogForDay(context);
  ASSERT_EQ(p.ui.messages.size(), 2u);
  EXPECT_EQ(p.ui.messages[0].text, "Invalid date");
  EXPECT_EQ(p.ui.messages[1].text, "No log for day.");
  EXPECT_TRUE(p.printer.documents.empty());
}

TEST_F(LogViewTest, ExportCopiesTheLogWholeOrLeavesTheTargetAsItWas) {
  const std::string log = "\r\n09:30 05/03/2021 Switched on.\r\n\xe9t\xe9";
  WriteLog(LogOf(2021, 3, 5), log);
  const Path target = dir.path() / "export.txt";
  p.ui.edit_answers.push_back("05/03/2021");
  p.ui.save_answers.push_back(target);
  ExportLogForDay(context);
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "Complete");
  EXPECT_EQ(p.ui.messages[0].text, "File export");
  EXPECT_EQ(p.files.ReadAll(target), log);

  WriteLog(LogOf(2021, 3, 5), "new");
  p.files.failing.insert("export.txt");
  p.ui.edit_answers.push_back("05/03/2021");
  p.ui.save_answers.push_back(target);
  ExportLogForDay(context);
  ASSERT_EQ(p.ui.messages.size(), 2u);
  EXPECT_EQ(p.ui.messages[1].title, "Problem");
  EXPECT_EQ(p.ui.messages[1].text, "File not exported");
  EXPECT_EQ(p.files.ReadAll(target), log);

  p.ui.edit_answers.push_back("06/03/2021");
  ExportLogForDay(context);
  EXPECT_EQ(p.ui.messages.back().text, "No log for day.");
}

TEST(LogViewScriptTest, TheViewerPageAndThePrintedLinesShowInTheTranscript) {
  test::TempDir home;
  const test::ScriptRun run =
      test::RunScript(home.path(),
                      std::string(test::kScriptSignOn) +
                          "answer logedit OK\nanswer Print OK\ncommand 1020\ncommand 1060\n",
                      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find(
                "dialog logedit title=\"VENTRO log\" text=\"\\n09:30 06/12/2026  Switched on."),
            std::string::npos)
      << run.transcript;
  EXPECT_NE(run.transcript.find("print \"09:30 06/12/2026  Switched on.\""), std::string::npos);
  EXPECT_NE(run.transcript.find("printed day-log"), std::string::npos);
}

TEST(LogViewScriptTest, ExitPrintingPrintsTheLogOrTheSummaryAndTheLogThenEndsTheRun) {
  test::TempDir home;
  const test::ScriptRun run = test::RunScript(
      home.path(),
      std::string(test::kScriptSignOn) + "answer Print OK\ncommand 1003\ncommand 1020\n",
      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("printed day-log"), std::string::npos) << run.transcript;
  // The run ended with the printing: the command after it was never run.
  EXPECT_EQ(run.transcript.find("dialog logedit"), std::string::npos);

  // "Exit - print report + log": the summary, then the log, then the end of the run.
  const test::ScriptRun both = test::RunScript(
      home.path(),
      std::string(test::kScriptSignOn) + "answer Print OK\ncommand 1004\ncommand 1020\n",
      test::kScriptClock);
  ASSERT_EQ(both.status, 0) << both.transcript;
  const size_t summary = both.transcript.find("printed activity-summary");
  ASSERT_NE(summary, std::string::npos) << both.transcript;
  EXPECT_NE(both.transcript.find("print \"" + std::string(43, ' ') + "Total: 0.00\""),
            std::string::npos);
  EXPECT_NE(both.transcript.find("printed day-log", summary), std::string::npos);
  EXPECT_EQ(both.transcript.find("dialog logedit"), std::string::npos);
}

}  // namespace
}  // namespace ventro
