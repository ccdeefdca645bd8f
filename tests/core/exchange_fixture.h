// Export, import, backup and restore over a data folder of the test's own: items and customers
// written straight into the master files, the dialogs answered from the FakeUi queues.
#pragma once

#include <functional>
#include <string>

#include "exchange/exchange_desk.h"
#include "tender_fixture.h"

namespace ventro::test {

class ExchangeTest : public SaleTest {
 protected:
  ExchangeDesk desk() {
    return {p.platform, v().settings, v().inventory, v().customers, folder, v().window, skip_save};
  }

  // Writes `records` (each kSize bytes) as a master file and loads it.
  template <class Record>
  void WriteMaster(MasterFile& master, const std::string& name,
                   const std::vector<Record>& records) {
    std::string bytes;
    for (const Record& record : records) {
      bytes.append(reinterpret_cast<const char*>(record.data()), Record::kSize);
    }
    std::ofstream(Data(name), std::ios::binary) << bytes;
    ASSERT_EQ(master.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  // Answers the next dialog by `fill`, closing it with OK.
  void Reply(std::function<void(Dialog&)> fill) {
    p.ui.dialog_answers.push_back([fill = std::move(fill)](Dialog& d) {
      if (fill) fill(d);
      return true;
    });
  }

  std::string ReadPath(const Path& path) { return p.files.ReadAll(path).value_or("<missing>"); }

  Path folder = dir.path();
  bool skip_save = false;
};

}  // namespace ventro::test
