// A run ended at every file operation of a sale, in turn: the write it was making is cut in
// half and nothing after it reaches the disk. The data folder is then opened by a new start,
// which must find whole records only, every transaction number once, the year index equal to
// the sales log, the next number above every logged one, the takings equal to the sales log
// and the stock and sold counts equal to the items log.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "app/start_up.h"
#include "recording_host.h"
#include "sale/commit.h"
#include "sale/tender.h"
#include "store/settings_file.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;

// The real file system until operation `crash_at` (counted from 1) of the writing kind; that
// one writes half of its bytes, and from then on nothing is written, as if the process had
// been killed.
class CrashingFiles : public StdFiles {
 public:
  int crash_at = 0;  // 0: never
  int operations = 0;
  bool crashed = false;

  std::unique_ptr<File> Open(const Path& path, OpenMode mode) override {
    if (mode != OpenMode::kRead && !Step()) return nullptr;
    std::unique_ptr<File> file = StdFiles::Open(path, mode);
    if (!file || mode == OpenMode::kRead) return file;
    return std::make_unique<CrashingFile>(*this, std::move(file));
  }
  bool WriteWhole(const Path& path, std::string_view bytes) override {
    return Step() && StdFiles::WriteWhole(path, bytes);
  }
  bool CreateDirectory(const Path& path) override {
    return Step() && StdFiles::CreateDirectory(path);
  }
  bool CreateDirectories(const Path& path) override {
    return Step() && StdFiles::CreateDirectories(path);
  }
  bool CopyFile(const Path& from, const Path& to) override {
    return Step() && StdFiles::CopyFile(from, to);
  }
  bool LinkFile(const Path& from, const Path& to) override {
    return Step() && StdFiles::LinkFile(from, to);
  }
  bool Remove(const Path& path) override { return Step() && StdFiles::Remove(path); }
  bool SyncFileSystem(const Path& folder) override {
    return Step() && StdFiles::SyncFileSystem(folder);
  }

  // False once the run has ended; the operation that ends it is told so through `torn`.
  bool Step(bool* torn = nullptr) {
    if (crashed) return false;
    if (++operations == crash_at) {
      crashed = true;
      if (torn) *torn = true;
      return false;
    }
    return true;
  }

 private:
  class CrashingFile : public File {
   public:
    CrashingFile(CrashingFiles& files, std::unique_ptr<File> file)
        : files_(files), file_(std::move(file)) {}
    std::optional<uint64_t> Size() override { return file_->Size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t length) override {
      return file_->ReadAt(offset, buffer, length);
    }
    bool WriteAt(uint64_t offset, const void* data, size_t length) override {
      bool torn = false;
      if (files_.Step(&torn)) return file_->WriteAt(offset, data, length);
      if (torn) file_->WriteAt(offset, data, length / 2);
      return false;
    }
    bool Append(const void* data, size_t length) override {
      bool torn = false;
      if (files_.Step(&torn)) return file_->Append(data, length);
      if (torn) file_->Append(data, length / 2);
      return false;
    }
    bool Truncate(uint64_t size) override { return files_.Step() && file_->Truncate(size); }
    bool Sync() override { return files_.Step() && file_->Sync(); }

   private:
    CrashingFiles& files_;
    std::unique_ptr<File> file_;
  };
};

constexpr int32_t kStock = 50;
constexpr size_t kSaleSize = 1050, kItemSize = 132, kYearRecordSize = 12;

class CrashPointTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, kStock, 1.50}, {102, "GADGET", 4, kStock, 0.75}});
    WriteCustomers({{1, "SMITH", "1 HIGH ST"}});
    std::ofstream(Data("suppliers.dat"), std::ios::binary) << std::string(1094, '\xFF');
    ASSERT_TRUE(SaveSettingsFile(p.files, Data("vt.cfg"), v().settings));
  }

  test::RecordingHost host;

  // A run on the data folder through `files`; Opendata has loaded it.
  std::unique_ptr<Ventro> Run(Files& files) {
    platforms_.push_back(std::make_unique<Platform>(Platform{
        p.ui, p.clock, p.locale, p.sound, p.shell, files, p.ports, p.raw_printer, p.printer}));
    auto run =
        std::make_unique<Ventro>(*platforms_.back(), host, StartOptions{dir.path(), dir.path()});
    if (!Opendata(*run)) return nullptr;
    return run;
  }

  static bool Sell(Ventro& run, int lines) {
    for (int i = 0; i < lines; ++i) {
      Basket& b = run.sale.basket;
      const auto line = static_cast<size_t>(i);
      b.item_number[line] = i % 2 == 0 ? 101 : 102;
      SetText(b.description[line], "ITEM");
      b.taxable_amount[line] = 2.50;
      b.line_total[line] = 2.50;
      b.line_count += 1;
      b.totals.taxable_total = RoundToCents(b.totals.taxable_total + 2.50);
      b.totals.grand_total = RoundToCents(b.totals.grand_total + 2.50);
      run.sale.list.push_back("ITEM");
    }
    run.sale.basket.totals.cash_amount = run.sale.basket.totals.grand_total;
    StampBasket(run.sale_session());
    SetText(run.sale.basket.texts.payment_type, "Cash");
    return CommitTransaction(run.sale_session());
  }

  // Everything a new start must find true of the folder.
  void ExpectWhole(const Ventro& run, const std::string& when) {
    SCOPED_TRACE(when);
    const std::string sales = Read("2026/12/6/saleslog.dat");
    const std::string items =
        Exists("2026/12/6/itemslog.dat") ? Read("2026/12/6/itemslog.dat") : std::string();
    const std::string year = Read("2026/base.dat");
    ASSERT_EQ(sales.size() % kSaleSize, 0u);
    ASSERT_EQ(items.size() % kItemSize, 0u);
    ASSERT_GE(year.size(), 4u);
    ASSERT_EQ((year.size() - 4) % kYearRecordSize, 0u);

    std::vector<int64_t> logged;
    std::set<int64_t> unique;
    std::map<int64_t, int> lines_of;
    double takings = 0;
    for (size_t at = 0; at < sales.size(); at += kSaleSize) {
      const int64_t number = GetAt<int64_t>(sales, at);
      logged.push_back(number);
      EXPECT_TRUE(unique.insert(number).second) << "number twice: " << number;
      lines_of[number] = GetAt<int32_t>(sales, at + 28);
      takings = RoundToCents(takings + GetAt<double>(sales, at + 80));
    }
    std::vector<int64_t> indexed;
    for (size_t at = 4; at < year.size(); at += kYearRecordSize) {
      indexed.push_back(GetAt<int32_t>(year, at));
    }
    EXPECT_EQ(indexed, logged);
    std::map<int64_t, int> sold;
    for (size_t at = 0; at < items.size(); at += kItemSize) {
      lines_of[GetAt<int64_t>(items, at)] -= 1;
      sold[GetAt<int64_t>(items, at + 24)] += 1;
    }
    for (const auto& [number, missing] : lines_of) EXPECT_EQ(missing, 0) << number;
    for (int64_t number : logged) EXPECT_GT(run.settings.Get(cfg::kNextTransaction), number);
    EXPECT_DOUBLE_EQ(run.settings.Get(cfg::kTakingsTotal), takings);
    for (int64_t slot : {0, 1}) {
      InventoryRecord record;
      std::string bytes = InventorySlot(slot);
      std::memcpy(record.data(), bytes.data(), InventoryRecord::kSize);
      EXPECT_EQ(record.Get(inv::kQuantity), kStock - sold[record.Get(inv::kNumber)])
          << record.Get(inv::kNumber);
      EXPECT_EQ(record.Get(inv::kTotalSold), sold[record.Get(inv::kNumber)])
          << record.Get(inv::kNumber);
    }
  }

  std::vector<std::unique_ptr<Platform>> platforms_;
};

TEST_F(CrashPointTest, ASaleEndedAtAnyFileOperationLeavesAWholeFolder) {
  const std::filesystem::path pristine = dir.path().string() + "-pristine";
  std::filesystem::copy(dir.path(), pristine, std::filesystem::copy_options::recursive);
  int points = 0;
  for (int k = 1;; ++k) {
    std::filesystem::remove_all(dir.path());
    std::filesystem::copy(pristine, dir.path(), std::filesystem::copy_options::recursive);
    {
      test::FaultyFiles plain;
      auto first = Run(plain);
      ASSERT_TRUE(first);
      ASSERT_TRUE(Sell(*first, 2));
    }
    CrashingFiles crashing;
    crashing.crash_at = k;
    std::unique_ptr<Ventro> doomed = Run(crashing);
    ASSERT_TRUE(doomed);
    Sell(*doomed, 3);
    const bool reached = crashing.crashed;
    doomed.reset();

    test::FaultyFiles plain;
    std::unique_ptr<Ventro> next = Run(plain);
    ASSERT_TRUE(next) << "crash at " << k;
    ExpectWhole(*next, "after a crash at operation " + std::to_string(k));
    ASSERT_TRUE(Sell(*next, 1));
    std::unique_ptr<Ventro> last = Run(plain);
    ExpectWhole(*last, "one more sale after a crash at " + std::to_string(k));
    if (!reached) break;
    ++points;
    if (HasFailure()) break;
  }
  EXPECT_GT(points, 10);
  std::filesystem::remove_all(pristine);
}

// A record rewritten in place (an amended item) is, after a crash at any operation, either the
// old record or the new one, byte for byte.
TEST_F(CrashPointTest, ARecordRewriteEndedAtAnyFileOperationLeavesTheOldOrTheNewRecord) {
  const std::string before = InventorySlot(0);
  std::string after;
  int points = 0;
  for (int k = 1;; ++k) {
    CrashingFiles crashing;
    crashing.crash_at = k;
    {
      std::unique_ptr<Ventro> doomed = Run(crashing);
      ASSERT_TRUE(doomed);
      MasterFile& inventory = doomed->inventory;
      ASSERT_TRUE(inventory.LookUp(crashing, 101).ok());
      inventory.item().Set(inv::kDescription, "WIDGET RENAMED WITH A LONGER TITLE");
      inventory.item().Set(inv::kQuantity, 7);
      if (after.empty())
        after =
            std::string(reinterpret_cast<const char*>(inventory.buffer()), InventoryRecord::kSize);
      (void)inventory.WriteBack(crashing);
    }
    const bool reached = crashing.crashed;
    test::FaultyFiles plain;
    ASSERT_TRUE(Run(plain)) << "crash at " << k;
    const std::string slot = InventorySlot(0);
    EXPECT_TRUE(slot == before || slot == after) << "crash at " << k;
    if (!reached) {
      EXPECT_EQ(slot, after);
      break;
    }
    ++points;
    // Back to the old record for the next crash point.
    std::fstream file(Data("inventory.dat"), std::ios::in | std::ios::out | std::ios::binary);
    file.write(before.data(), static_cast<std::streamsize>(before.size()));
    if (HasFailure()) break;
  }
  EXPECT_GT(points, 3);
}

}  // namespace
}  // namespace ventro
