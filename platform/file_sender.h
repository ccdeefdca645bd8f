// Files sent to a server over the network, one connection for the lot. The program's sender is
// built on libcurl (curl/); tests put their own in its place.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/upload_host.h"

namespace ventro {

// Where the files go. `host` is "name" or "name:port", optionally behind "ftpes://" (FTP with
// explicit TLS, required) or "sftp://"; without a prefix it is plain FTP. The user name and the
// password are handed to the connection as they are, never written into an address.
struct UploadServer {
  std::string host;
  std::string user;
  std::string password;
  Path ca_file;      // certificates trusted for TLS besides the system's, used when it exists
  Path known_hosts;  // the SFTP host keys that are accepted
};

struct UploadFile {
  Path local;               // the file's bytes, sent as they are
  std::string remote_name;  // the plain name it gets in the login folder
};

// One step of an upload, as the sender reports it.
struct UploadEvent {
  enum class Kind {
    kOpenFailed,     // the network library could not be started; `code` is its error code
    kConnectFailed,  // no connection or a refused log-in; nothing was sent
    kLoggedIn,       // connected; the files follow in order
    kProgress,       // `percent` of file `name` sent
    kFileSent,
    kFileFailed,  // `reason` says why; the next files are still sent
    kEnded,       // the last event of an upload, whatever happened before
  };
  UploadEvent(Kind what = Kind::kEnded, std::string file = {}, std::string why = {},
              long error_code = 0)
      : kind(what), name(std::move(file)), reason(std::move(why)), code(error_code) {}

  Kind kind;
  std::string name;
  std::string reason;
  long code;
  int percent = 0;
};

class FileSender {
 public:
  virtual ~FileSender() = default;
  // Sends `files` in order, blocking, reporting each step through `report` on the calling
  // thread (kEnded excepted: the caller adds it). `cancelled` is asked while logging in, while a
  // file is sent and between retries; once it returns true the sender stops as soon as it can.
  virtual void Send(const UploadServer& server, const std::vector<UploadFile>& files,
                    const std::function<void(UploadEvent)>& report,
                    const std::function<bool()>& cancelled) = 0;

  // Whether files can be sent by `protocol` (the network library may lack TLS or SFTP).
  virtual bool Supports(UploadProtocol protocol) const = 0;
};

// The protocols `sender` can send by, in the order the setup lists them.
std::vector<UploadProtocol> SupportedProtocols(const FileSender& sender);

}  // namespace ventro
