// Keeps a second copy of the program from running on the same data folder: the first holds
// an exclusive lock on a file in the folder until it ends.
#pragma once

#include <memory>

#include "platform/files.h"

namespace ventro {

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // Takes the lock on `lock_file` (created when missing). Nothing when another process holds
  // it. A lock file that cannot be created at all yields a lock that holds nothing, so that a
  // missing folder is reported by the start-up itself.
  static std::unique_ptr<InstanceLock> Acquire(const Path& lock_file);
};

}  // namespace ventro
