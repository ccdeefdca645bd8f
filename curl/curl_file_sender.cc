#include "curl/curl_file_sender.h"

#include <curl/curl.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

#include "platform/upload_host.h"

namespace ventro {
namespace {

using Clock = std::chrono::steady_clock;

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// What the callbacks of one file's transfer share.
struct Transfer {
  std::FILE* file = nullptr;
  const std::string* name = nullptr;
  const std::function<void(UploadEvent)>* report = nullptr;
  const std::function<bool()>* cancelled = nullptr;
  Clock::time_point started = Clock::now();
  int last_percent = -1;
};

size_t ReadChunk(char* buffer, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t read = std::fread(buffer, 1, size * count, transfer->file);
  if (read == 0 && std::ferror(transfer->file)) return CURL_READFUNC_ABORT;
  return read;
}

// Reports the share sent once a file has taken a second, and stops a cancelled transfer.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t upload_total, curl_off_t uploaded) {
  auto* transfer = static_cast<Transfer*>(user);
  if ((*transfer->cancelled)()) return 1;
  if (upload_total <= 0 || Clock::now() - transfer->started < std::chrono::seconds(1)) return 0;
  const int percent = static_cast<int>(uploaded * 100 / upload_total);
  if (percent != transfer->last_percent) {
    transfer->last_percent = percent;
    UploadEvent event{UploadEvent::Kind::kProgress, *transfer->name};
    event.percent = percent;
    (*transfer->report)(event);
  }
  return 0;
}

// Stops a log-in that is still waiting when the upload is cancelled.
int StopWhenCancelled(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return (*static_cast<const std::function<bool()>*>(user))() ? 1 : 0;
}

// Failures worth a fresh attempt: the connection or the transfer was cut off or stalled.
bool IsCutOff(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_SSH:
      return true;
    default:
      return false;
  }
}

std::string Reason(CURLcode code, const char* detail) {
  std::string reason = curl_easy_strerror(code);
  if (detail[0] != '\0') reason += std::string(": ") + detail;
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason;
}

// The folder files are written to: the login folder ("/~/" on SFTP, where "/" is the root).
std::string FolderUrl(const UploadHost& host) {
  const char* scheme = host.protocol == UploadProtocol::kSftp ? "sftp" : "ftp";
  std::string url = std::string(scheme) + "://" + host.name + ":" + std::to_string(PortOf(host));
  return url + (host.protocol == UploadProtocol::kSftp ? "/~/" : "/");
}

// The options every request of one upload has: the account, the protocol's security and the
// time limits.
void SetConnection(CURL* curl, const UploadServer& server, const UploadHost& host,
                   char* error_text) {
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error_text);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_USERNAME, server.user.c_str());
  curl_easy_setopt(curl, CURLOPT_PASSWORD, server.password.c_str());
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR,
                   host.protocol == UploadProtocol::kSftp ? "sftp" : "ftp");
  if (host.protocol == UploadProtocol::kFtpTls) {
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    std::error_code error;
    if (std::filesystem::exists(server.ca_file, error)) {
      curl_easy_setopt(curl, CURLOPT_CAINFO, server.ca_file.string().c_str());
    }
  }
  if (host.protocol == UploadProtocol::kSftp) {
    // Only keys already in known_hosts are accepted; an unknown or changed key fails.
    curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, server.known_hosts.string().c_str());
  }
}

CURLcode SendOnce(CURL* curl, const std::string& url, Transfer& transfer) {
  transfer.started = Clock::now();
  transfer.last_percent = -1;
  std::rewind(transfer.file);
  curl_off_t size = 0;
  if (std::fseek(transfer.file, 0, SEEK_END) == 0) size = std::ftell(transfer.file);
  std::rewind(transfer.file);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadChunk);
  curl_easy_setopt(curl, CURLOPT_READDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, size);
  curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  return curl_easy_perform(curl);
}

// Sleeps `wait` unless the upload is cancelled first; false when it was.
bool WaitUnlessCancelled(std::chrono::milliseconds wait, const std::function<bool()>& cancelled) {
  const auto end = Clock::now() + wait;
  while (Clock::now() < end) {
    if (cancelled()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return !cancelled();
}

}  // namespace

CurlFileSender::CurlFileSender() { curl_global_init(CURL_GLOBAL_DEFAULT); }

CurlFileSender::~CurlFileSender() { curl_global_cleanup(); }

void CurlFileSender::Send(const UploadServer& server, const std::vector<UploadFile>& files,
                          const std::function<void(UploadEvent)>& report,
                          const std::function<bool()>& cancelled) {
  CurlHandle curl(curl_easy_init());
  if (!curl) {
    report({UploadEvent::Kind::kOpenFailed, "", "", CURLE_FAILED_INIT});
    return;
  }
  std::optional<UploadHost> host = ParseUploadHost(server.host);
  if (!host) {
    report({UploadEvent::Kind::kConnectFailed, "", "invalid server"});
    return;
  }
  char error_text[CURL_ERROR_SIZE] = {};
  SetConnection(curl.get(), server, *host, error_text);

  // Log in once before anything is sent, so that a refused account fails the whole upload.
  const std::string folder = FolderUrl(*host);
  curl_easy_setopt(curl.get(), CURLOPT_URL, folder.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
  curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &cancelled);
  if (CURLcode code = curl_easy_perform(curl.get()); code != CURLE_OK) {
    report({UploadEvent::Kind::kConnectFailed, "", Reason(code, error_text), code});
    return;
  }
  report({UploadEvent::Kind::kLoggedIn});

  const std::array<std::chrono::milliseconds, 2> retry_waits = {first_retry, second_retry};
  for (const UploadFile& file : files) {
    std::unique_ptr<std::FILE, FileCloser> local(std::fopen(file.local.string().c_str(), "rb"));
    if (!local) {
      report({UploadEvent::Kind::kFileFailed, file.remote_name, "cannot read the file"});
      continue;
    }
    char* escaped = curl_easy_escape(curl.get(), file.remote_name.c_str(),
                                     static_cast<int>(file.remote_name.size()));
    const std::string url = folder + (escaped ? escaped : "");
    curl_free(escaped);
    Transfer transfer{local.get(), &file.remote_name, &report, &cancelled, Clock::now(), -1};
    CURLcode code = CURLE_OK;
    for (size_t attempt = 0;; ++attempt) {
      error_text[0] = '\0';
      code = SendOnce(curl.get(), url, transfer);
      if (code == CURLE_OK || !IsCutOff(code) || attempt == retry_waits.size()) break;
      if (!WaitUnlessCancelled(retry_waits[attempt], cancelled)) break;
      curl_easy_setopt(curl.get(), CURLOPT_FRESH_CONNECT, 1L);
    }
    curl_easy_setopt(curl.get(), CURLOPT_FRESH_CONNECT, 0L);
    if (code == CURLE_OK) {
      report({UploadEvent::Kind::kFileSent, file.remote_name});
    } else {
      report({UploadEvent::Kind::kFileFailed, file.remote_name, Reason(code, error_text), code});
    }
    if (cancelled()) return;
  }
}

bool CurlFileSender::Supports(UploadProtocol protocol) const {
  switch (protocol) {
    case UploadProtocol::kFtp:
      return true;
    case UploadProtocol::kFtpTls:
      return CurlSupportsTls();
    case UploadProtocol::kSftp:
      return CurlSupportsSftp();
  }
  return false;
}

bool CurlSupportsTls() {
  const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
  return info && (info->features & CURL_VERSION_SSL) != 0;
}

bool CurlSupportsSftp() {
  const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
  if (!info || !info->protocols) return false;
  for (const char* const* protocol = info->protocols; *protocol; ++protocol) {
    if (std::string_view(*protocol) == "sftp") return true;
  }
  return false;
}

}  // namespace ventro
