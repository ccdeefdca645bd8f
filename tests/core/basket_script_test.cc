// Ringing up through ventro-script on the starter data: typed numbers, Enter, a repeat, a
// scanned code and the parked baskets, read back with `dump basket`.
#include <string>

#include <gtest/gtest.h>

#include "script_run.h"

namespace ventro {
namespace {

class BasketScriptTest : public ::testing::Test {
 protected:
  // Runs `script` and gives its transcript; the run must end normally.
  std::string Run(const std::string& script) {
    test::ScriptRun run =
        test::RunScript(dir.path(), test::kScriptSignOn + script, test::kScriptClock);
    EXPECT_EQ(run.status, 0) << run.transcript;
    return run.transcript;
  }

  test::TempDir dir;
};

// The lines of `transcript` from the first that starts with `from`, `count` of them.
std::string Lines(const std::string& transcript, const std::string& from, int count) {
  size_t start = transcript.find(from);
  if (start == std::string::npos) return "<missing " + from + ">";
  size_t end = start;
  for (int k = 0; k < count && end != std::string::npos; ++k) end = transcript.find('\n', end + 1);
  return transcript.substr(start, end == std::string::npos ? end : end - start + 1);
}

TEST_F(BasketScriptTest, TypedNumbersRepeatAScannedCodeAndTheParkedBaskets) {
  std::string transcript =
      Run("type 13\nkey Enter\n"
          "type 1\nkey Enter\n"
          "type 2\ncommand 2417\n"
          "dump basket\n"
          "answer BASKETBOX 2\ncommand 2467\n"
          "answer Configuration sku1_selection=on OK\ncommand 1053\n"
          "type 2000000000022\nkey Enter\n"
          "answer BASKETBOX 1\ncommand 2467\n"
          "dump basket\n");
  // Whisky and gin carry the age alert, once each: the repeats raise none.
  size_t alerts = 0;
  for (size_t at = transcript.find("message \"Age alert\" \"18\" OK\n"); at != std::string::npos;
       at = transcript.find("message \"Age alert\"", at + 1)) {
    ++alerts;
  }
  EXPECT_EQ(alerts, 2u);
  // 24.95 with 20% tax 1: 4.99.
  EXPECT_EQ(Lines(transcript, "line ", 12),
            "line \"13  Baked beans 415g (60)  0.85\"\n"
            "line \"1  Single malt Scotch whisky 70cl (12)  29.94\"\n"
            "line \"1  Single malt Scotch whisky 70cl (12)  29.94\"\n"
            "line \"1  Single malt Scotch whisky 70cl (12)  29.94\"\n"
            "total lines=\"4\"\n"
            "total transaction=\"Transaction: 1\"\n"
            "total taxable=\"74.85\"\n"
            "total non_taxable=\"0.85\"\n"
            "total net=\"75.70\"\n"
            "total tax1=\"14.97\"\n"
            "total tax2=\"0.00\"\n"
            "total grand=\"90.67\"\n");
  // Basket 2 got the scanned gin (17.49 + 3.498 rounded up to 3.50); back in basket 1 the
  // strings are rebuilt without the stock figure.
  EXPECT_EQ(Lines(transcript, "line \"13  Baked beans 415g  0.85", 6),
            "line \"13  Baked beans 415g  0.85\"\n"
            "line \"1  Single malt Scotch whisky 70cl  29.94\"\n"
            "line \"1  Single malt Scotch whisky 70cl  29.94\"\n"
            "line \"1  Single malt Scotch whisky 70cl  29.94\"\n"
            "total lines=\"4\"\n"
            "total transaction=\"Transaction: 1\"\n");
  EXPECT_NE(transcript.find("total barcode=\"Barcode\""), std::string::npos);
}

}  // namespace
}  // namespace ventro
