#include "exchange/folder_copy.h"

#include <memory>
#include <optional>
#include <string>

namespace ventro {
namespace {

constexpr char kLockFileName[] = "ventro.lock";

Path Staged(const Path& path) {
  Path staged = path;
  staged += ".new";
  return staged;
}

// Makes the staged copies reach the disk before they replace anything: the whole file system
// in one flush where the system offers it, else file by file.
bool FlushStaged(Files& files, const std::vector<std::pair<Path, Path>>& copies) {
  if (copies.empty() || files.SyncFileSystem(copies.front().second.parent_path())) return true;
  for (const auto& copy : copies) {
    std::unique_ptr<File> file = files.Open(Staged(copy.second), OpenMode::kReadWrite);
    if (!file || !file->Sync()) return false;
  }
  return true;
}

}  // namespace

bool CopyVerified(Files& files, const Path& from, const Path& to) {
  if (files.CopyFile(from, to)) {
    std::optional<std::string> source = files.ReadAll(from);
    std::optional<std::string> copy = files.ReadAll(to);
    if (source && copy && *source == *copy) return true;
  }
  files.Remove(to);
  return false;
}

bool CopyAllOrNone(Files& files, const std::vector<std::pair<Path, Path>>& copies) {
  bool copied = true;
  for (const auto& [from, to] : copies) {
    if (!CopyVerified(files, from, Staged(to))) {
      copied = false;
      break;
    }
  }
  if (copied && FlushStaged(files, copies)) {
    for (const auto& [from, to] : copies) copied = copied && files.Rename(Staged(to), to);
    if (copied) return true;
  }
  for (const auto& copy : copies) files.Remove(Staged(copy.second));
  return false;
}

bool CopyTree(Files& files, const Path& from, const Path& to) {
  std::optional<std::vector<FolderEntry>> entries = files.ListFolder(from);
  if (!entries || !files.CreateDirectory(to)) return false;
  for (const FolderEntry& entry : *entries) {
    if (entry.type == FolderEntry::Type::kFolder) {
      if (!CopyTree(files, from / entry.name, to / entry.name)) return false;
    } else if (entry.type == FolderEntry::Type::kFile && entry.name != kLockFileName) {
      if (!CopyVerified(files, from / entry.name, to / entry.name)) return false;
    }
  }
  return true;
}

bool FlushTree(Files& files, const Path& folder) {
  if (files.SyncFileSystem(folder)) return true;
  std::optional<std::vector<FolderEntry>> entries = files.ListFolder(folder);
  if (!entries) return false;
  for (const FolderEntry& entry : *entries) {
    const Path path = folder / entry.name;
    if (entry.type == FolderEntry::Type::kFolder && !FlushTree(files, path)) return false;
    if (entry.type == FolderEntry::Type::kFile) {
      std::unique_ptr<File> file = files.Open(path, OpenMode::kReadWrite);
      if (!file || !file->Sync()) return false;
    }
  }
  return true;
}

bool RemoveTree(Files& files, const Path& folder) {
  if (std::optional<std::vector<FolderEntry>> entries = files.ListFolder(folder)) {
    for (const FolderEntry& entry : *entries) {
      if (entry.type == FolderEntry::Type::kFolder) {
        RemoveTree(files, folder / entry.name);
      } else {
        files.Remove(folder / entry.name);
      }
    }
  }
  return files.RemoveEmptyDirectory(folder);
}

bool IsInside(Files& files, const Path& path, const Path& folder) {
  const Path inner = files.Canonical(path);
  const Path outer = files.Canonical(folder);
  auto i = inner.begin();
  for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
    if (o->empty()) continue;  // a trailing separator
    if (i == inner.end() || *i != *o) return false;
  }
  return true;
}

}  // namespace ventro
