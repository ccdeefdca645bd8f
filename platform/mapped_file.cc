#include "platform/mapped_file.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace ventro {

#ifdef _WIN32

std::unique_ptr<FileView> MapFile(const Path&) { return nullptr; }

#else

namespace {

class MappedView : public FileView {
 public:
  MappedView(void* address, size_t size) : address_(address), size_(size) {}
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;
  ~MappedView() override { munmap(address_, size_); }

  std::string_view bytes() const override { return {static_cast<const char*>(address_), size_}; }

 private:
  void* address_;
  size_t size_;
};

}  // namespace

std::unique_ptr<FileView> MapFile(const Path& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  void* address = MAP_FAILED;
  size_t size = 0;
  // A mapping of no bytes is refused, so an empty file is left to the caller's plain read.
  if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
      static_cast<uintmax_t>(status.st_size) <= SIZE_MAX) {
    size = static_cast<size_t>(status.st_size);
    address = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
  }
  close(descriptor);  // the mapping keeps the file open
  if (address == MAP_FAILED) return nullptr;
  return std::make_unique<MappedView>(address, size);
}

#endif

}  // namespace ventro
