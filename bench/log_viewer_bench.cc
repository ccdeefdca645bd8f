// The day log viewer on a 20 MB log: each page is read afresh from the file at its offset, so
// a page costs one open and one read of 31,999 bytes wherever it lies in the log.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/files.h"
#include "reports/log_viewer.h"

namespace ventro {
namespace {

constexpr uint64_t kLogSize = 20'000'000;

class BigLog {
 public:
  BigLog() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ventro-bench-log-" + std::to_string(random()) + std::to_string(random()) + ".txt");
    std::ofstream out(path_, std::ios::binary);
    const std::string entry =
        "\r\n09:30 06/12/2026  Sale 1234 Cash 12.50\r\nClerk: 1, Administrator";
    for (uint64_t written = 0; written < kLogSize; written += entry.size()) out << entry;
  }
  ~BigLog() {
    std::error_code error;
    std::filesystem::remove(path_, error);
  }
  const Path& path() const { return path_; }

 private:
  Path path_;
};

void BM_LogViewerPage(benchmark::State& state) {
  static BigLog log;
  StdFiles files;
  const uint64_t pages = kLogSize / kLogPageSize;
  uint64_t page = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadLogPage(files, log.path(), page * kLogPageSize));
    page = (page + 97) % pages;  // pages all over the log
  }
}
BENCHMARK(BM_LogViewerPage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ventro
