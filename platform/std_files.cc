#include <cstdio>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "platform/mapped_file.h"
#include "platform/whole_file.h"

#ifdef _WIN32
#include <io.h>
#define VENTRO_FSEEK _fseeki64
#else
#include <fcntl.h>
#include <unistd.h>
#define VENTRO_FSEEK fseeko
#endif

namespace ventro {
namespace {

class StdFile : public File {
 public:
  explicit StdFile(std::FILE* file) : file_(file) {}
  ~StdFile() override { std::fclose(file_); }

  std::optional<uint64_t> Size() override {
    if (VENTRO_FSEEK(file_, 0, SEEK_END) != 0) return std::nullopt;
#ifdef _WIN32
    auto size = _ftelli64(file_);
#else
    auto size = ftello(file_);
#endif
    if (size < 0) return std::nullopt;
    return static_cast<uint64_t>(size);
  }

  size_t ReadAt(uint64_t offset, void* buffer, size_t length) override {
    if (VENTRO_FSEEK(file_, static_cast<int64_t>(offset), SEEK_SET) != 0) return 0;
    return std::fread(buffer, 1, length, file_);
  }

  bool WriteAt(uint64_t offset, const void* data, size_t length) override {
    if (VENTRO_FSEEK(file_, static_cast<int64_t>(offset), SEEK_SET) != 0) return false;
    return std::fwrite(data, 1, length, file_) == length && std::fflush(file_) == 0;
  }

  bool Append(const void* data, size_t length) override {
    if (VENTRO_FSEEK(file_, 0, SEEK_END) != 0) return false;
    if (std::fwrite(data, 1, length, file_) != length || std::fflush(file_) != 0) return false;
    StartWritebackEvery(length);
    return true;
  }

  bool Truncate(uint64_t size) override {
    if (std::fflush(file_) != 0) return false;
#ifdef _WIN32
    return _chsize_s(_fileno(file_), static_cast<int64_t>(size)) == 0;
#else
    return ftruncate(fileno(file_), static_cast<off_t>(size)) == 0;
#endif
  }

  bool Sync() override {
    if (std::fflush(file_) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(file_)) == 0;
#elif defined(__APPLE__)
    return fsync(fileno(file_)) == 0;
#else
    return fdatasync(fileno(file_)) == 0;
#endif
  }

 private:
  // A file written in many large pieces, as an import or an export, has the system start
  // writing it to the disk every few tens of megabytes while the rest is being made, rather
  // than leave it all for the flush at the end.
  void StartWritebackEvery(size_t written) {
#ifdef __linux__
    constexpr uint64_t kStep = 32u << 20;
    unflushed_ += written;
    if (unflushed_ < kStep) return;
    unflushed_ = 0;
    (void)sync_file_range(fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)written;
#endif
  }

  std::FILE* file_;
  uint64_t unflushed_ = 0;
};

std::FILE* OpenFile(const Path& path, const char* mode) {
#ifdef _WIN32
  std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

}  // namespace

std::unique_ptr<File> StdFiles::Open(const Path& path, OpenMode mode) {
  std::FILE* file = nullptr;
  switch (mode) {
    case OpenMode::kRead:
      file = OpenFile(path, "rb");
      break;
    case OpenMode::kReadWrite:
      file = OpenFile(path, "r+b");
      break;
    case OpenMode::kAppendCreate:
      file = OpenFile(path, "r+b");
      if (!file && !Exists(path)) file = OpenFile(path, "w+b");
      break;
  }
  if (!file) return nullptr;
  return std::make_unique<StdFile>(file);
}

bool StdFiles::Exists(const Path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::optional<std::string> StdFiles::ReadAll(const Path& path) {
  auto file = Open(path, OpenMode::kRead);
  if (!file) return std::nullopt;
  auto size = file->Size();
  if (!size) return std::nullopt;
  std::string bytes(*size, '\0');
  bytes.resize(file->ReadAt(0, bytes.data(), bytes.size()));
  return bytes;
}

namespace {

class ReadView : public FileView {
 public:
  explicit ReadView(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string_view bytes() const override { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace

std::unique_ptr<FileView> StdFiles::View(const Path& path) {
  if (std::unique_ptr<FileView> mapped = MapFile(path)) return mapped;
  std::optional<std::string> bytes = ReadAll(path);
  if (!bytes) return nullptr;
  return std::make_unique<ReadView>(std::move(*bytes));
}

bool StdFiles::WriteWhole(const Path& path, std::string_view bytes) {
  Path temporary = path;
  temporary += ".new";
  std::FILE* file = OpenFile(temporary, "wb");
  if (!file) return false;
  return FinishWholeFile(file, temporary, path, bytes);
}

bool StdFiles::CreateDirectory(const Path& path) {
  std::error_code error;
  std::filesystem::create_directory(path, error);
  return std::filesystem::is_directory(path, error);
}

bool StdFiles::CreateDirectories(const Path& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

bool StdFiles::CopyFile(const Path& from, const Path& to) {
  std::error_code error;
  return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing,
                                    error);
}

bool StdFiles::LinkFile(const Path& from, const Path& to) {
  std::error_code error;
  std::filesystem::create_hard_link(from, to, error);
  return !error;
}

bool StdFiles::IsReadableDirectory(const Path& path) {
  std::error_code error;
  std::filesystem::directory_iterator it(path, error);
  return !error;
}

bool StdFiles::Remove(const Path& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
  return !std::filesystem::exists(path, error) && !error;
}

bool StdFiles::RemoveEmptyDirectory(const Path& path) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  if (status.type() != std::filesystem::file_type::directory) return false;
  // remove() deletes a folder only when it holds nothing.
  std::filesystem::remove(path, error);
  return !error && !std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool StdFiles::Rename(const Path& from, const Path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

std::optional<std::vector<FolderEntry>> StdFiles::ListFolder(const Path& folder) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return std::nullopt;
  std::vector<FolderEntry> entries;
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) return std::nullopt;
    FolderEntry entry;
    entry.name = it->path().filename().string();
    const auto type = it->symlink_status(error).type();
    if (type == std::filesystem::file_type::regular) entry.type = FolderEntry::Type::kFile;
    if (type == std::filesystem::file_type::directory) entry.type = FolderEntry::Type::kFolder;
    entries.push_back(std::move(entry));
  }
  if (error) return std::nullopt;
  return entries;
}

Path StdFiles::Canonical(const Path& path) {
  std::error_code error;
  Path canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
  return error ? path.lexically_normal() : canonical;
}

bool StdFiles::SyncFileSystem([[maybe_unused]] const Path& folder) {
#ifdef __linux__
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = syncfs(descriptor) == 0;
  close(descriptor);
  return synced;
#else
  return false;
#endif
}

}  // namespace ventro
