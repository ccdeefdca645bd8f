// The file system as the core sees it. Every data file is opened, used and closed within one
// operation; tests wrap the real implementation to make chosen writes fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventro {

using Path = std::filesystem::path;

// One open file. Closed when destroyed.
class File {
 public:
  virtual ~File() = default;
  // The file's size in bytes.
  virtual std::optional<uint64_t> Size() = 0;
  // Reads up to `length` bytes at `offset`; returns how many were read (fewer at the end).
  virtual size_t ReadAt(uint64_t offset, void* buffer, size_t length) = 0;
  // Writes all `length` bytes at `offset`; false when not all were written.
  virtual bool WriteAt(uint64_t offset, const void* data, size_t length) = 0;
  // Writes all `length` bytes at the end of the file.
  virtual bool Append(const void* data, size_t length) = 0;
  // Cuts the file to `size` bytes.
  virtual bool Truncate(uint64_t size) = 0;
  // Makes what was written reach the disk itself, so that it survives a power failure; false
  // when the system cannot promise that.
  virtual bool Sync() = 0;
};

// A whole file's bytes for reading, kept in memory until the view is destroyed.
class FileView {
 public:
  virtual ~FileView() = default;
  virtual std::string_view bytes() const = 0;
};

// One name in a folder and what it is; links are neither files nor folders here, so a walk
// through the folders never follows one.
struct FolderEntry {
  enum class Type { kFile, kFolder, kOther };
  std::string name;
  Type type = Type::kOther;
};

enum class OpenMode {
  kRead,          // must exist; read only
  kReadWrite,     // must exist; read and write in place, never created
  kAppendCreate,  // read and write, created when missing
};

class Files {
 public:
  virtual ~Files() = default;
  // Opens `path`; nullptr when it cannot be opened in that mode.
  virtual std::unique_ptr<File> Open(const Path& path, OpenMode mode) = 0;
  virtual bool Exists(const Path& path) = 0;
  // The whole content, or nothing when the file cannot be read.
  virtual std::optional<std::string> ReadAll(const Path& path) = 0;
  // The whole content where the system can map the file into memory, which copies nothing and
  // brings in only the pages read, else as ReadAll reads it; nothing when the file cannot be
  // read. The file must not be cut short while it is viewed: a mapped page past the new end can
  // no longer be read.
  virtual std::unique_ptr<FileView> View(const Path& path) = 0;
  // Replaces the file with `bytes` through a temporary file renamed over it, so that a crash
  // leaves either the old or the new content whole, never a short file.
  virtual bool WriteWhole(const Path& path, std::string_view bytes) = 0;
  // Creates one folder whose parent exists; true when it exists afterwards.
  virtual bool CreateDirectory(const Path& path) = 0;
  // Creates a folder and all missing parents; true when it exists afterwards.
  virtual bool CreateDirectories(const Path& path) = 0;
  // Copies a file, replacing the destination.
  virtual bool CopyFile(const Path& from, const Path& to) = 0;
  // Gives the file `from` the second name `to`, which must not exist: both names then show the
  // same bytes until one of them is replaced. No bytes are copied; false where the file system
  // has no such links, and the caller copies instead.
  virtual bool LinkFile(const Path& from, const Path& to) = 0;
  // True when `path` is a readable folder.
  virtual bool IsReadableDirectory(const Path& path) = 0;
  // Deletes a file; true when it is gone afterwards (also when it was never there).
  virtual bool Remove(const Path& path) = 0;
  // Removes a folder only when it is empty; true when it is gone afterwards (also when it was
  // never there).
  virtual bool RemoveEmptyDirectory(const Path& path) = 0;
  // Renames a file or folder, replacing a file of the new name.
  virtual bool Rename(const Path& from, const Path& to) = 0;
  // What `folder` holds, in no particular order; nothing when it cannot be read.
  virtual std::optional<std::vector<FolderEntry>> ListFolder(const Path& folder) = 0;
  // The absolute path with links, "." and ".." resolved as far as the path exists.
  virtual Path Canonical(const Path& path) = 0;
  // Makes everything written to the file system holding `folder` reach the disk in one flush,
  // cheaper than flushing several files one by one; false when the system cannot do that (the
  // caller then flushes each file).
  virtual bool SyncFileSystem(const Path& folder) = 0;
};

// The real file system.
class StdFiles : public Files {
 public:
  std::unique_ptr<File> Open(const Path& path, OpenMode mode) override;
  bool Exists(const Path& path) override;
  std::optional<std::string> ReadAll(const Path& path) override;
  std::unique_ptr<FileView> View(const Path& path) override;
  bool WriteWhole(const Path& path, std::string_view bytes) override;
  bool CreateDirectory(const Path& path) override;
  bool CreateDirectories(const Path& path) override;
  bool CopyFile(const Path& from, const Path& to) override;
  bool LinkFile(const Path& from, const Path& to) override;
  bool IsReadableDirectory(const Path& path) override;
  bool Remove(const Path& path) override;
  bool RemoveEmptyDirectory(const Path& path) override;
  bool Rename(const Path& from, const Path& to) override;
  std::optional<std::vector<FolderEntry>> ListFolder(const Path& folder) override;
  Path Canonical(const Path& path) override;
  bool SyncFileSystem(const Path& folder) override;
};

}  // namespace ventro
