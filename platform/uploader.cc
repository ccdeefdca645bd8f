#include "platform/uploader.h"

#include <system_error>
#include <utility>

namespace ventro {

Uploader::Uploader(FileSender& sender, std::function<void()> wake, Handler observer)
    : sender_(sender), wake_(std::move(wake)), observer_(std::move(observer)) {}

Uploader::~Uploader() { Cancel(); }

bool Uploader::Start(UploadServer server, std::vector<UploadFile> files, Handler handler) {
  if (running_) return false;
  Join();  // a worker that has ended but was not waited for yet
  {
    std::lock_guard lock(mutex_);
    queue_.clear();
  }
  cancelled_ = false;
  handler_ = std::move(handler);
  try {
    worker_ = std::thread([this, server = std::move(server), files = std::move(files)] {
      sender_.Send(
          server, files, [this](UploadEvent event) { Queue(std::move(event)); },
          [this] { return cancelled_.load(); });
      Queue({UploadEvent::Kind::kEnded});
    });
  } catch (const std::system_error&) {
    handler_ = {};
    return false;
  }
  running_ = true;
  return true;
}

void Uploader::Queue(UploadEvent event) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(event));
  }
  if (wake_) wake_();
}

void Uploader::Deliver() {
  if (delivering_) return;
  delivering_ = true;
  while (true) {
    UploadEvent event;
    {
      std::lock_guard lock(mutex_);
      if (queue_.empty()) break;
      event = std::move(queue_.front());
      queue_.pop_front();
    }
    if (event.kind == UploadEvent::Kind::kEnded) running_ = false;
    if (observer_) observer_(event);
    if (handler_) handler_(event);
  }
  delivering_ = false;
}

void Uploader::Wait() {
  Join();
  Deliver();
}

void Uploader::Cancel() {
  cancelled_ = true;
  Join();
  std::lock_guard lock(mutex_);
  queue_.clear();
  running_ = false;
}

void Uploader::Join() {
  if (worker_.joinable()) worker_.join();
}

}  // namespace ventro
