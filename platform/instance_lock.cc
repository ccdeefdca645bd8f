#include "platform/instance_lock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace ventro {
namespace {

#ifdef _WIN32
class WindowsLock : public InstanceLock {
 public:
  explicit WindowsLock(HANDLE handle) : handle_(handle) {}
  ~WindowsLock() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

 private:
  HANDLE handle_;
};
#else
class FlockLock : public InstanceLock {
 public:
  explicit FlockLock(int fd) : fd_(fd) {}
  ~FlockLock() override {
    if (fd_ >= 0) close(fd_);  // closing releases the lock
  }

 private:
  int fd_;
};
#endif

}  // namespace

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const Path& lock_file) {
#ifdef _WIN32
  // Opened without sharing: a second process cannot open it while the first holds it.
  HANDLE handle = CreateFileW(lock_file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_SHARING_VIOLATION) return nullptr;
  }
  return std::make_unique<WindowsLock>(handle);
#else
  int fd = open(lock_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return std::make_unique<FlockLock>(-1);
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return nullptr;
  }
  return std::make_unique<FlockLock>(fd);
#endif
}

}  // namespace ventro
