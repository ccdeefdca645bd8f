// Stands in for the network: remembers the server and the files it was asked to send, and
// reports each file sent, or the steps in `steps` when there are any. Read it after
// Uploader::Wait. It can send by the protocols in `protocols`.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/file_sender.h"

namespace ventro::test {

class RecordingSender : public FileSender {
 public:
  UploadServer server;
  std::vector<UploadFile> files;
  std::vector<UploadEvent> steps;
  std::vector<UploadProtocol> protocols = {UploadProtocol::kFtp, UploadProtocol::kFtpTls,
                                           UploadProtocol::kSftp};

  void Send(const UploadServer& to, const std::vector<UploadFile>& sent,
            const std::function<void(UploadEvent)>& report, const std::function<bool()>&) override {
    server = to;
    files = sent;
    if (!steps.empty()) {
      for (const UploadEvent& step : steps) report(step);
      return;
    }
    report({UploadEvent::Kind::kLoggedIn});
    for (const UploadFile& file : sent) report({UploadEvent::Kind::kFileSent, file.remote_name});
  }

  bool Supports(UploadProtocol protocol) const override {
    return std::find(protocols.begin(), protocols.end(), protocol) != protocols.end();
  }
};

}  // namespace ventro::test
