// Files and folder trees copied so that a copy is known good before it counts: every file is
// read back and compared with its source, links are never followed, and the single-instance
// lock file is never copied.
#pragma once

#include <utility>
#include <vector>

#include "platform/files.h"

namespace ventro {

// Copies `from` to `to` and compares the two; false (and `to` removed) when they differ.
bool CopyVerified(Files& files, const Path& from, const Path& to);

// Copies every file to a temporary name beside its destination, compares each, then renames
// them into place. When any copy fails, the temporary files are removed and every destination
// is as it was.
bool CopyAllOrNone(Files& files, const std::vector<std::pair<Path, Path>>& copies);

// Copies the tree `from` to the new folder `to`, leaving out ventro.lock and links; false when
// a folder cannot be read or made or a file not copied whole.
bool CopyTree(Files& files, const Path& from, const Path& to);

// Makes a copied tree reach the disk before it replaces anything. Where the system cannot flush
// a whole file system in one go, each file of the tree is flushed.
bool FlushTree(Files& files, const Path& folder);

// Deletes the tree `folder` without following links; true when it is gone.
bool RemoveTree(Files& files, const Path& folder);

// True when `path` is `folder` or lies inside it, both taken with links resolved.
bool IsInside(Files& files, const Path& path, const Path& folder);

}  // namespace ventro
