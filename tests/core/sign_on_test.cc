// Signing on through command 2457 and the splash, and the clerk set-up of "Operator setup", on
// a data folder made by the first-run start.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/sale_screen.h"
#include "app/start_up.h"
#include "app/ventro.h"
#include "recording_host.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;

class SignOnTest : public ::testing::Test {
 protected:
  SignOnTest() {
    p.clock.Set(2026, 12, 6, 9, 30);
    Path data = dir.path() / "Tarvel" / "ventro";
    p.files.CreateDirectories(data);
    v = std::make_unique<Ventro>(p.platform, host, StartOptions{data, Path(VENTRO_STARTER_DIR)});
    EXPECT_TRUE(dodemo(*v));
    EXPECT_TRUE(StartSaleScreen(*v));
  }

  // Queues one log-on answer: `steps` are pressed in order ("Up", "Down", keypad keys), then
  // `password` is typed unless it is null, then `button` closes the dialog.
  void AnswerLogOn(std::vector<std::string> steps, const char* password = "",
                   std::string button = "OK") {
    p.ui.dialog_answers.push_back([=](Dialog& d) {
      EXPECT_EQ(d.name, "pasbox");
      for (const auto& step : steps) d.on_change(d, step);
      if (password) d.Field("password").text = password;
      d.pressed = button;
      return true;
    });
  }
  // Queues a PASBO2 answer that sets the fields by `fill` and presses OK.
  void AnswerClerk(std::function<void(Dialog&)> fill) {
    p.ui.dialog_answers.push_back([fill](Dialog& d) {
      EXPECT_EQ(d.name, "PASBO2");
      fill(d);
      return true;
    });
  }
  void SignOn() { DispatchCommand(*v, ToInt(Command::kSignOn)); }
  std::string DayLog() { return p.files.ReadAll(v->paths.folder / "2026/12/6.txt").value_or(""); }

  test::TestPlatform p;
  test::TempDir dir;
  test::RecordingHost host;
  std::unique_ptr<Ventro> v;
};

TEST_F(SignOnTest, ANewInstallationSignsClerkOneOnWithAnEmptyPasswordAndLogsIt) {
  Dialog shown;
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    shown = d;
    return true;
  });
  SignOn();
  EXPECT_EQ(shown.Field("clerk").text, "1");
  EXPECT_EQ(shown.Field("name").text, "Administrator");
  EXPECT_EQ(shown.Field("password").kind, FieldKind::kPassword);
  EXPECT_EQ(shown.focus, "password");
  EXPECT_EQ(shown.buttons, (std::vector<std::string>{"OK", "Exit"}));

  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 1);
  EXPECT_FALSE(v->screen.restricted);
  EXPECT_EQ(host.title, "VENTRO    Assoc: 1, Administrator");
  EXPECT_EQ(v->screen.title, host.title);
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_EQ(DayLog(),
            "\r\n09:30 06/12/2026  Switched on.\r\n"
            "\r\n09:30 06/12/2026  Log on.\r\nClerk: 1, Administrator\r\n");
}

TEST_F(SignOnTest, TheNextClerkStartsWithAnEmptyBasket) {
  v->sale.list = {"1  BREAD  1.20"};
  v->sale.basket.line_count = 1;
  v->sale.basket.customer_number = 5;
  AnswerLogOn({});
  SignOn();
  EXPECT_TRUE(v->sale.list.empty());
  EXPECT_EQ(v->sale.basket.line_count, 0);
  EXPECT_EQ(v->sale.basket.customer_number, 0);

  // A customer attached to a basket without lines is not carried over to the next clerk.
  v->sale.basket.customer_number = 7;
  AnswerLogOn({});
  SignOn();
  EXPECT_EQ(v->sale.basket.customer_number, 0);
}

TEST_F(SignOnTest, AWrongPasswordOrAClosedDialogAsksAgainWithoutAMessage) {
  v->settings.Set(cfg::kClerkPassword, 1, "1234");
  AnswerLogOn({}, "12345");
  AnswerLogOn({}, "");
  p.ui.dialog_answers.push_back([](Dialog&) { return false; });  // closed with Escape
  AnswerLogOn({"1", "2", "3", "9", "CE", "4"}, nullptr);         // the keypad types 1234
  SignOn();
  EXPECT_EQ(p.ui.dialogs_run.size(), 4u);
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 1);
  // One log-on, one line pair: the refused attempts leave no trace.
  EXPECT_EQ(DayLog().find("Log on."), DayLog().rfind("Log on."));
}

TEST_F(SignOnTest, UpAndDownWrapAndSkipUnavailableClerks) {
  for (int n = 3; n <= 99; ++n) v->settings.Set(cfg::kClerkAvailability, n, 2);
  v->settings.Set(cfg::kClerkAvailability, 7, 0);
  v->settings.Set(cfg::kClerkAvailability, 99, 0);
  std::vector<std::string> seen;
  p.ui.dialog_answers.push_back([&](Dialog& d) {
    for (const char* step : {"Up", "Down", "Down", "Down", "Down", "Down", "Up"}) {
      d.on_change(d, step);
      seen.push_back(d.Field("clerk").text + " " + d.Field("name").text);
    }
    d.pressed = "OK";
    return true;
  });
  SignOn();
  EXPECT_EQ(seen,
            (std::vector<std::string>{"99 Clerk 99", "1 Administrator", "2 Manager", "7 Clerk 7",
                                      "99 Clerk 99", "1 Administrator", "99 Clerk 99"}));
  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 99);
  EXPECT_TRUE(v->screen.restricted);
  EXPECT_EQ(host.title, "VENTRO    Assoc: 99, Clerk 99");

  // With every other clerk away, Down from the manager comes back to the administrator.
  v->settings.Set(cfg::kClerkAvailability, 7, 2);
  v->settings.Set(cfg::kClerkAvailability, 99, 2);
  AnswerLogOn({"Down", "Down"});
  SignOn();
  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 1);
  EXPECT_FALSE(v->screen.restricted);
}

TEST_F(SignOnTest, AnUnavailableClerkTypedByNumberIsRefused) {
  v->settings.Set(cfg::kClerkAvailability, 5, 2);
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("clerk").text = "5";
    d.on_change(d, "clerk");
    EXPECT_EQ(d.Field("name").text, "");  // no name shown for a clerk who cannot sign on
    return true;
  });
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("clerk").text = "0";
    return true;
  });
  AnswerLogOn({"Down", "Down", "Down", "Down"});  // 1, 2, 3, 4, (5 skipped) 6
  SignOn();
  EXPECT_EQ(p.ui.dialogs_run.size(), 3u);
  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 6);
}

TEST_F(SignOnTest, ExitEndsTheProgramFromTheLogOnAndShowsNoTip) {
  AnswerLogOn({}, "", "Exit");
  OnSplashClosed(*v);
  EXPECT_TRUE(host.quit);
  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 0);
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"pasbox"});
  EXPECT_EQ(host.title, "VENTRO");
}

TEST_F(SignOnTest, TheSplashSignsOnThenShowsTheTipUnlessTipsAreOff) {
  AnswerLogOn({});
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("no_tips").checked = true;
    return true;
  });
  OnSplashClosed(*v);
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"pasbox", "2211"}));
  EXPECT_NE(v->settings.Get(cfg::kTipsOff), 0);

  AnswerLogOn({});
  OnSplashClosed(*v);
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"pasbox", "2211", "pasbox"}));
}

TEST_F(SignOnTest, SignOnWaitsWhileASaleStepRunsAndReportsALogThatCannotBeWritten) {
  v->screen.entry_mode = 1;
  SignOn();
  EXPECT_TRUE(p.ui.dialogs_run.empty());

  v->screen.entry_mode = kEntryModeNormal;
  p.files.failing = {"6.txt"};
  AnswerLogOn({});
  SignOn();
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Unable to open log file"}}));
  EXPECT_EQ(v->settings.Get(cfg::kSignedOnClerk), 1);  // the clerk is signed on all the same
}

// --- Operator setup ---

TEST_F(SignOnTest, OperatorSetupAsksForAClerkNumberFromOneTo99) {
  AnswerLogOn({});
  SignOn();
  p.ui.edit_answers = {"0", "100", "ABC", std::nullopt};
  for (int k = 0; k < 4; ++k) DispatchCommand(*v, ToInt(Command::kOperatorSetup));
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"Outside range", "Outside range", "Outside range"}));
  EXPECT_EQ(p.ui.dialogs_run,
            (std::vector<std::string>{"pasbox", "EDITBOX", "EDITBOX", "EDITBOX", "EDITBOX"}));
}

TEST_F(SignOnTest, ClerkSetupKeepsTheDialogOpenUntilNameAndPasswordsPass) {
  AnswerLogOn({});
  SignOn();
  v->settings.Set(cfg::kClerkPassword, 4, "11");
  p.ui.edit_answers = {"4"};
  Dialog shown;
  AnswerClerk([&](Dialog& d) {
    shown = d;
    d.Field("name").text = std::string(30, 'N');
  });
  AnswerClerk([](Dialog& d) {
    d.Field("name").text = std::string(29, 'N');
    d.Field("password").text = "123456789";
    d.Field("reenter").text = "123456789";
  });
  AnswerClerk([](Dialog& d) {
    d.Field("password").text = "12345678";
    d.Field("reenter").text = "87654321";
  });
  AnswerClerk([](Dialog& d) { d.Field("reenter").text = "12345678"; });
  DispatchCommand(*v, ToInt(Command::kOperatorSetup));

  EXPECT_EQ(shown.Field("user").text, "User: 4");
  EXPECT_EQ(shown.Field("name").text, "Clerk 4");
  EXPECT_TRUE(shown.Field("available").checked);
  EXPECT_TRUE(shown.Field("available").enabled);
  EXPECT_EQ(shown.Field("password").text, "11");  // kept unless retyped
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Name too long"},
                                                      {"Problem", "Password too long"},
                                                      {"Problem", "Passwords do not match"},
                                                      {"Clerk", "Amended"}}));
  EXPECT_EQ(v->settings.Get(cfg::kClerkName, 4), std::string(29, 'N'));
  EXPECT_EQ(v->settings.Get(cfg::kClerkPassword, 4), "12345678");
}

TEST_F(SignOnTest, AnUnavailableClerkKeepsThePasswordAndAReturningOneTakesTheTypedPair) {
  AnswerLogOn({});
  SignOn();
  v->settings.Set(cfg::kClerkPassword, 5, "42");
  p.ui.edit_answers = {"5", "5"};
  AnswerClerk([](Dialog& d) {
    d.Field("available").checked = false;
    d.Field("password").text = "9";  // ignored, and so is the mismatch
  });
  DispatchCommand(*v, ToInt(Command::kOperatorSetup));
  EXPECT_EQ(v->settings.Get(cfg::kClerkAvailability, 5), 2);
  EXPECT_EQ(v->settings.Get(cfg::kClerkPassword, 5), "42");

  AnswerClerk([](Dialog& d) {
    d.Field("available").checked = true;
    d.Field("password").text = "";
    d.Field("reenter").text = "";
  });
  DispatchCommand(*v, ToInt(Command::kOperatorSetup));
  EXPECT_EQ(v->settings.Get(cfg::kClerkAvailability, 5), 0);
  EXPECT_EQ(v->settings.Get(cfg::kClerkPassword, 5), "");
  EXPECT_EQ(p.ui.MessageTexts(), (std::vector<std::string>{"Amended", "Amended"}));
}

TEST_F(SignOnTest, TheAdministratorCannotBeMadeUnavailableAndCancelChangesNothing) {
  AnswerLogOn({});
  SignOn();
  p.ui.edit_answers = {"1", "2"};
  AnswerClerk([](Dialog& d) {
    EXPECT_FALSE(d.Field("available").enabled);
    d.Field("available").checked = false;  // as a script could not, but a stale value might
    d.Field("password").text = d.Field("reenter").text = "77";
  });
  DispatchCommand(*v, ToInt(Command::kOperatorSetup));
  EXPECT_EQ(v->settings.Get(cfg::kClerkAvailability, 1), 0);
  EXPECT_EQ(v->settings.Get(cfg::kClerkPassword, 1), "77");

  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("name").text = "Boss";
    return false;
  });
  DispatchCommand(*v, ToInt(Command::kOperatorSetup));
  EXPECT_EQ(v->settings.Get(cfg::kClerkName, 2), "Manager");
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Amended"});
}

}  // namespace
}  // namespace ventro
