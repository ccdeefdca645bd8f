// What a restricted clerk is kept from: commands refused at dispatch, greyed menu entries and
// menus, and the permission flags of "PASSWORD CONTROL" that decide it.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/restrictions.h"
#include "app/sale_screen.h"
#include "app/ventro.h"
#include "recording_host.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;

class RestrictionsTest : public ::testing::Test {
 protected:
  RestrictionsTest() : v(p.platform, host, StartOptions{dir.path(), dir.path()}) {
    v.settings.ApplyFirstRunDefaults(p.clock.Now());
  }

  // Signs `clerk` on through the log-on dialog.
  void SignOn(int clerk) {
    p.ui.dialog_answers.push_back([clerk](Dialog& d) {
      d.Field("clerk").text = std::to_string(clerk);
      d.pressed = "OK";
      return true;
    });
    DispatchCommand(v, ToInt(Command::kSignOn));
    ASSERT_EQ(v.settings.Get(cfg::kSignedOnClerk), clerk);
  }
  // Runs "PASSWORD CONTROL" answered by `answer` (true for OK).
  void RunUserControl(std::function<bool(Dialog&)> answer) {
    p.ui.dialog_answers.push_back(std::move(answer));
    DispatchCommand(v, ToInt(Command::kUserControl));
  }

  test::TestPlatform p;
  test::TempDir dir;
  test::RecordingHost host;
  Ventro v;
};

// The guarded commands, and whether a new installation (first groups controlled, the inhibit
// switches off) refuses them.
struct Guard {
  int id;
  bool refused_at_first_run;
};
constexpr Guard kGuards[] = {
    {1053, true},  {1051, true},  {1023, true},  {1024, true},  {1062, true},  {1006, true},
    {3018, true},  {1094, true},  {1060, true},  {3022, true},  {1079, true},  {2411, true},
    {3050, true},  {3046, true},  {2761, true},  {1050, true},  {2410, false}, {2413, false},
    {2427, false}, {2409, false}, {2762, false}, {1008, false}, {2458, false}, {2408, false},
    {1090, true},  {3025, true},
};

TEST_F(RestrictionsTest, ClerkThreeIsRefusedEachGuardedCommandByItsFlag) {
  for (const Guard& guard : kGuards) EXPECT_FALSE(IsCommandRefused(v, guard.id)) << guard.id;
  SignOn(3);
  for (const Guard& guard : kGuards) {
    EXPECT_EQ(IsCommandRefused(v, guard.id), guard.refused_at_first_run) << guard.id;
  }
  EXPECT_FALSE(IsCommandRefused(v, 3013));  // not guarded

  // Every box turned round: the first groups become free and the inhibit switches come on.
  SignOn(1);
  RunUserControl([](Dialog& d) {
    for (auto& field : d.fields) {
      if (field.kind == FieldKind::kCheck) field.checked = !field.checked;
    }
    return true;
  });
  SignOn(3);
  for (const Guard& guard : kGuards) {
    bool always = guard.id == 1090 || guard.id == 3025;
    EXPECT_EQ(IsCommandRefused(v, guard.id), always || !guard.refused_at_first_run) << guard.id;
  }
}

TEST_F(RestrictionsTest, RefusedCommandsAreSilentExceptOperatorSetup) {
  SignOn(3);
  DispatchCommand(v, ToInt(Command::kConfiguration));  // configuration: controlled
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"pasbox"});

  // Even with every flag free, "Operator setup" is for the administrator and the manager.
  v.settings.Set(cfg::kConfigurationFree, 2);
  DispatchCommand(v, ToInt(Command::kOperatorSetup));
  DispatchCommand(v, ToInt(Command::kUserControl));  // user control: does nothing for clerk 3
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Restricted access", "Administrator or manager"}}));
  p.ui.dialog_answers.push_back([](Dialog&) { return false; });
  DispatchCommand(v, ToInt(Command::kConfiguration));
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"pasbox", "Configuration"}));

  SignOn(2);
  p.ui.edit_answers = {std::nullopt};
  DispatchCommand(v, ToInt(Command::kOperatorSetup));
  EXPECT_EQ(p.ui.dialogs_run.back(), "EDITBOX");
}

TEST_F(RestrictionsTest, MenusAreGreyedForARestrictedClerkAndFreedByTheirFlags) {
  for (int id : {3010, 1053, 1063, 3025, 2411}) EXPECT_TRUE(IsMenuEntryEnabled(v, id)) << id;
  EXPECT_TRUE(IsCommandEnabled(v, 3010));
  EXPECT_FALSE(IsCommandEnabled(v, 1066));  // not built

  SignOn(3);
  for (int id : {3010, 3021, 1053, 1063, 3025, 2411, 1050, 3046, 1060, 3024, 3022}) {
    EXPECT_FALSE(IsMenuEntryEnabled(v, id)) << id;
  }
  for (int id : {1000, 3013, 3049, 1098, 3045}) EXPECT_TRUE(IsMenuEntryEnabled(v, id)) << id;
  EXPECT_FALSE(IsCommandEnabled(v, 3010));
  EXPECT_TRUE(IsTopMenuEnabled(v, "Reports"));

  v.settings.Set(cfg::kConfigurationFree, 2);
  v.settings.Set(cfg::kAmendInventoryFree, 2);
  v.settings.Set(cfg::kControlledOperation, ControlledOp::kActivitySummary, 2);
  v.settings.Set(cfg::kReportMenuControlled, 2);
  for (int id : {1053, 1050, 1062, 1078}) EXPECT_TRUE(IsMenuEntryEnabled(v, id)) << id;
  EXPECT_FALSE(IsMenuEntryEnabled(v, 3010));  // no flag frees it
  EXPECT_FALSE(IsTopMenuEnabled(v, "Reports"));
  EXPECT_TRUE(IsTopMenuEnabled(v, "Activity"));
  EXPECT_TRUE(IsTopMenuEnabled(v, "Utilities"));

  SignOn(1);
  EXPECT_TRUE(IsTopMenuEnabled(v, "Reports"));
  EXPECT_TRUE(IsMenuEntryEnabled(v, 3010));
}

TEST_F(RestrictionsTest, PermissionFlagsAreStoredInTheSenseOfEachGroup) {
  SignOn(1);
  Dialog shown;
  RunUserControl([&](Dialog& d) {
    shown = d;
    d.Field("configuration").checked = false;
    d.Field("takings_amendment").checked = false;
    d.Field("tax_setup").checked = false;
    d.Field("refunds").checked = true;
    d.Field("report_menu").checked = true;
    d.Field("inhibit_discount").checked = true;
    return true;
  });
  // A new installation: the first groups are controlled (0, shown checked), the rest free.
  EXPECT_TRUE(shown.Field("delete_inventory").checked);
  EXPECT_TRUE(shown.Field("amend_inventory").checked);
  EXPECT_FALSE(shown.Field("cashback").checked);
  EXPECT_FALSE(shown.Field("hide_cost_price").checked);

  const SettingsRecord& s = v.settings;
  EXPECT_EQ(s.Get(cfg::kConfigurationFree), 2);
  EXPECT_EQ(s.Get(cfg::kControlledOperation, ControlledOp::kTakingsAmendment), 2);
  EXPECT_EQ(s.Get(cfg::kControlledOperation, ControlledOp::kFileReset), 0);
  EXPECT_EQ(s.Get(cfg::kTaxSetupFree), 2);
  EXPECT_EQ(s.Get(cfg::kNewInventoryFree), 0);
  EXPECT_EQ(s.Get(cfg::kRefundsControlled), 2);
  EXPECT_EQ(s.Get(cfg::kReportMenuControlled), 2);
  EXPECT_EQ(s.Get(cfg::kDiscountButtonInhibited), 2);
  EXPECT_EQ(s.Get(cfg::kActivityMenuControlled), 0);
  EXPECT_EQ(s.Get(cfg::kManualDrawerInhibited), 0);

  // "All" then Cancel changes nothing.
  SettingsRecord before = v.settings;
  RunUserControl([](Dialog& d) {
    d.on_change(d, "All");
    return false;
  });
  EXPECT_EQ(v.settings.view(), before.view());

  RunUserControl([](Dialog& d) {
    d.on_change(d, "All");
    return true;
  });
  EXPECT_EQ(s.Get(cfg::kConfigurationFree), 0);
  EXPECT_EQ(s.Get(cfg::kControlledOperation, ControlledOp::kTakingsAmendment), 0);
  EXPECT_EQ(s.Get(cfg::kTaxSetupFree), 0);
  EXPECT_EQ(s.Get(cfg::kCostPriceHidden), 2);
  EXPECT_EQ(s.Get(cfg::kCashbackControlled), 2);
  EXPECT_EQ(s.Get(cfg::kManualDrawerInhibited), 2);
  EXPECT_EQ(s.Get(cfg::kWeightButtonInhibited), 2);
}

TEST_F(RestrictionsTest, KeysAreRefusedLikeTheirCommands) {
  SignOn(3);
  PressShortcutKey(v, 1053);  // Ctrl C
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"pasbox"});
  EXPECT_EQ(v.screen.last_key_command, 1053);

  // While the discount dialog is open the keys do nothing at all.
  v.screen.entry_mode = kEntryModeDiscount;
  PressShortcutKey(v, 2457);
  EXPECT_EQ(p.ui.dialogs_run.size(), 1u);
  EXPECT_EQ(v.screen.last_key_command, 1053);
}

}  // namespace
}  // namespace ventro
