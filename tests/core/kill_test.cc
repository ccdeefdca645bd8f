// ventro-script killed with SIGKILL part way through a run of cash sales, then started again
// for one more sale: the day logs, the settings and the stock still agree with each other.
#include <signal.h>

#include <chrono>
#include <map>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "formats/inventory_record.h"
#include "script_run.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;

constexpr char kSale[] =
    "type 9\nkey Enter\ntype 13\nkey Enter\nanswer CASHBOX amount=2000 OK\nanswer TENBOX OK\n";

class KillTest : public ::testing::Test {
 protected:
  // Starts ventro-script on `script`; gives its process id.
  pid_t Start(const std::string& script) {
    return test::StartScript(dir.path(), test::kScriptSignOn + script + "command 2459\n");
  }
  int Finish(pid_t pid) { return test::FinishScript(pid); }
  std::string Read(const std::string& name) {
    return files.ReadAll(dir.path() / "Tarvel" / "ventro" / name).value_or("");
  }
  // Sold counts of every item as inventory.dat holds them.
  std::map<int64_t, int> SoldCounts() {
    std::map<int64_t, int> sold;
    const std::string bytes = Read("inventory.dat");
    for (size_t at = 0; at + InventoryRecord::kSize <= bytes.size(); at += InventoryRecord::kSize) {
      sold[GetAt<int64_t>(bytes, at)] = GetAt<int32_t>(bytes, at + 714);
    }
    return sold;
  }

  test::TempDir dir;
  StdFiles files;
};

TEST_F(KillTest, KilledAnywhereInARunOfSalesTheFilesStillAgree) {
  ASSERT_EQ(Finish(Start("")), 0);  // the first run makes the data folder
  const std::map<int64_t, int> sold_before = SoldCounts();
  std::string sales_script;
  for (int k = 0; k < 40; ++k) sales_script += kSale;

  for (int delay_ms : {40, 90, 160, 260, 400}) {
    SCOPED_TRACE("killed after " + std::to_string(delay_ms) + " ms");
    const pid_t pid = Start(sales_script);
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    kill(pid, SIGKILL);
    Finish(pid);
    ASSERT_EQ(Finish(Start(kSale)), 0);

    const std::string sales = Read("2026/12/6/saleslog.dat");
    const std::string items = Read("2026/12/6/itemslog.dat");
    const std::string year = Read("2026/base.dat");
    ASSERT_EQ(sales.size() % 1050, 0u);
    ASSERT_EQ(items.size() % 132, 0u);
    ASSERT_EQ((year.size() - 4) % 12, 0u);
    ASSERT_EQ(items.size() / 132, 2 * (sales.size() / 1050));
    std::set<int64_t> numbers;
    double takings = 0;
    for (size_t at = 0; at < sales.size(); at += 1050) {
      EXPECT_TRUE(numbers.insert(GetAt<int64_t>(sales, at)).second) << GetAt<int64_t>(sales, at);
      EXPECT_EQ(GetAt<int32_t>(year, 4 + at / 1050 * 12), GetAt<int64_t>(sales, at));
      takings = RoundToCents(takings + GetAt<double>(sales, at + 80));
    }
    const std::string settings = Read("vt.cfg");
    ASSERT_EQ(settings.size(), 15018u);
    EXPECT_DOUBLE_EQ(GetAt<double>(settings, 14218), takings);
    EXPECT_GT(GetAt<int32_t>(settings, 4792), *numbers.rbegin());
    std::map<int64_t, int> logged;
    for (size_t at = 0; at < items.size(); at += 132) logged[GetAt<int64_t>(items, at + 24)] += 1;
    for (const auto& [number, before] : sold_before) {
      EXPECT_EQ(SoldCounts()[number], before + logged[number]) << number;
    }
    EXPECT_FALSE(files.Exists(dir.path() / "Tarvel" / "ventro" / "journal.dat"));
  }
}

}  // namespace
}  // namespace ventro
