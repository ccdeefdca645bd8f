// An upload run on a worker thread while the user goes on working. The worker only queues what
// happens; the events are handed to the flow's handler on the thread that runs the commands,
// when the front end asks for them: the Qt program as soon as the worker wakes it, the script
// driver before its next line. So nothing of the program's state is touched from the worker.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/file_sender.h"

namespace ventro {

class Uploader {
 public:
  using Handler = std::function<void(const UploadEvent&)>;

  // `wake` is called on the worker each time an event is queued (it must only arrange for
  // Deliver to be called, never call it). `observer` sees every event just before the handler.
  Uploader(FileSender& sender, std::function<void()> wake, Handler observer = {});
  ~Uploader();
  Uploader(const Uploader&) = delete;
  Uploader& operator=(const Uploader&) = delete;

  // True from Start until the handler has seen the upload's kEnded.
  bool Running() const { return running_; }

  // The protocols files can be sent by.
  std::vector<UploadProtocol> Protocols() const { return SupportedProtocols(sender_); }

  // Starts sending on a worker thread. False when one is running or no thread could be made.
  bool Start(UploadServer server, std::vector<UploadFile> files, Handler handler);

  // Hands the queued events to the handler, in order. A handler that opens a message box (and
  // with it a nested event loop) does not get the next event before it returns.
  void Deliver();

  // Waits for the worker to end, then delivers what it left.
  void Wait();

  // Asks the worker to stop, waits for it and drops the events not yet delivered: the program
  // is ending and there is no one left to tell.
  void Cancel();

 private:
  void Queue(UploadEvent event);
  void Join();

  FileSender& sender_;
  std::function<void()> wake_;
  Handler observer_;
  Handler handler_;
  std::thread worker_;
  std::atomic<bool> cancelled_{false};
  bool running_ = false;
  bool delivering_ = false;
  std::mutex mutex_;
  std::deque<UploadEvent> queue_;
};

}  // namespace ventro
