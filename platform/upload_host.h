// The head office's server as the setup stores it: "name" or "name:port", behind "ftpes://" for
// FTP with explicit TLS or "sftp://" for SFTP; no prefix means plain FTP, so files written before
// the protocol could be chosen keep meaning what they meant.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ventro {

enum class UploadProtocol { kFtp, kFtpTls, kSftp };

struct UploadHost {
  UploadProtocol protocol = UploadProtocol::kFtp;
  std::string name;  // a host name, an IPv4 address, or an IPv6 address in brackets
  int port = 0;      // 0: the protocol's own (21 for FTP, 22 for SFTP)
};

// The stored prefix of `protocol` ("" for plain FTP).
std::string_view UploadProtocolPrefix(UploadProtocol protocol);

// The protocol a stored host names and the host without its prefix.
UploadProtocol UploadProtocolOf(std::string_view stored);
std::string_view WithoutProtocol(std::string_view stored);

// The server of a stored host, or nothing when it is not a plain host name or address with an
// optional port from 1 to 65535 (nothing else may reach an address the library builds).
std::optional<UploadHost> ParseUploadHost(std::string_view stored);

// The port the connection uses.
int PortOf(const UploadHost& host);

}  // namespace ventro
