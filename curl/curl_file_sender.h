// FileSender on libcurl: one connection logged in first, then each file uploaded whole in
// binary to its name in the login folder. Passive FTP (libcurl's default). A connection that
// does not come up within 30 s, or a transfer that makes no progress for 60 s, fails; a file cut
// off part way is sent again whole after 1 s and then after 2 s on a fresh connection. A
// refused log-in is not retried.
#pragma once

#include <chrono>

#include "platform/file_sender.h"

namespace ventro {

class CurlFileSender : public FileSender {
 public:
  // Starts libcurl for the process; make it on the main thread before any upload.
  CurlFileSender();
  ~CurlFileSender() override;
  CurlFileSender(const CurlFileSender&) = delete;
  CurlFileSender& operator=(const CurlFileSender&) = delete;

  void Send(const UploadServer& server, const std::vector<UploadFile>& files,
            const std::function<void(UploadEvent)>& report,
            const std::function<bool()>& cancelled) override;
  bool Supports(UploadProtocol protocol) const override;

  // The waits before the second and third attempt at a file; tests shorten them.
  std::chrono::milliseconds first_retry{1000};
  std::chrono::milliseconds second_retry{2000};
};

// Whether this libcurl can send by FTP with TLS and by SFTP.
bool CurlSupportsTls();
bool CurlSupportsSftp();

}  // namespace ventro
