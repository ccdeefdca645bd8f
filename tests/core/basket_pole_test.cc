// The pole display follows the basket: the total, the line rung up, and the idle text when the
// basket is emptied.
#include <gtest/gtest.h>

#include "sale/basket_commands.h"
#include "tests/core/basket_fixture.h"
#include "tests/core/devices_pty.h"

namespace ventro {
namespace {

class BasketPoleTest : public test::BasketTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    SettingsRecord& settings = v->settings;
    settings.Set(cfg::kPoleInUse, 2);
    settings.Set(cfg::kPolePort, 2);  // COM3
    settings.Set(cfg::kPoleString, PoleString::kPassiveText, "WELCOME");
    settings.Set(cfg::kPoleString, PoleString::kClearDisplay, "27,64");
    settings.Set(cfg::kPoleString, PoleString::kCursorLine1, "11");
    p.ports.MapPort("COM3", pty.path());
    WriteInventory({Item(5, "WHOLE MILK 2", 1.50, 10)});
  }
  test::PseudoTerminal pty;
};

TEST_F(BasketPoleTest, TotalThenEachLineThenTheIdleTextAfterClearing) {
  Enter("5");
  Enter("5");
  // The totals are refreshed first; the line just rung up is what the customer sees last.
  std::string item = "\x1b\x40\x0bWHOLE MILK 2 1.50";
  std::string expected = "\x1b\x40\x0bTotal: 1.50" + item + "\x1b\x40\x0bTotal: 3.00" + item;
  EXPECT_EQ(pty.Read(expected.size()), expected);

  ClearBasket(session());
  EXPECT_NE(pty.Read().find("WELCOME"), std::string::npos);
}

}  // namespace
}  // namespace ventro
