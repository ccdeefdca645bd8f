// The pole display when a payment starts: the customer sees the total to pay before any
// tender, whichever way the sale is paid.
#include <gtest/gtest.h>

#include "sale/tender.h"
#include "tender_fixture.h"
#include "tests/core/devices_pty.h"

namespace ventro {
namespace {

using test::Press;

class TenderPoleTest : public test::SaleTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    SettingsRecord& settings = v().settings;
    settings.Set(cfg::kPoleInUse, 2);
    settings.Set(cfg::kPolePort, 2);  // COM3
    settings.Set(cfg::kPoleString, PoleString::kClearDisplay, "27,64");
    settings.Set(cfg::kPoleString, PoleString::kCursorLine1, "11");
    p.ports.MapPort("COM3", pty.path());
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
    AddLine(101, "WIDGET", 10.25, 2.05);  // total 12.30
  }
  const std::string total = "\x1b\x40\x0bTotal: 12.30";
  test::PseudoTerminal pty;
};

TEST_F(TenderPoleTest, EveryPaymentShowsTheTotalBeforeItsTender) {
  p.ui.dialog_answers.push_back(Press("Cancel"));
  PayCash(session());
  EXPECT_EQ(pty.Read(total.size()), total) << "cash";

  p.ui.dialog_answers.push_back(Press("Cancel"));
  PayCard(session());
  EXPECT_EQ(pty.Read(total.size()), total) << "card";

  p.ui.dialog_answers.push_back(Press("Cancel"));
  PaySplit(session());
  EXPECT_EQ(pty.Read(total.size()), total) << "split";

  // The cheque is paid at once: the total comes first, then the tender and the change.
  PayCheque(session());
  const std::string shown = pty.Read(total.size() + 20);
  EXPECT_EQ(shown.substr(0, total.size()), total);
  EXPECT_NE(shown.find("Tender: 12.30", total.size()), std::string::npos);
}

TEST_F(TenderPoleTest, AnEmptyBasketShowsNothing) {
  basket() = Basket{};
  v().sale.list.clear();
  PayCash(session());
  PayCheque(session());
  EXPECT_EQ(pty.ReadNothing(), "");
}

}  // namespace
}  // namespace ventro
