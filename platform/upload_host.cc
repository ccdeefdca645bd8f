#include "platform/upload_host.h"

#include <array>

namespace ventro {
namespace {

struct Prefix {
  UploadProtocol protocol;
  std::string_view text;
};

constexpr std::array<Prefix, 2> kPrefixes = {{
    {UploadProtocol::kFtpTls, "ftpes://"},
    {UploadProtocol::kSftp, "sftp://"},
}};

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_';
}

bool IsIpv6Char(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' ||
         c == '.';
}

std::optional<int> ParsePort(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

}  // namespace

std::string_view UploadProtocolPrefix(UploadProtocol protocol) {
  for (const Prefix& prefix : kPrefixes) {
    if (prefix.protocol == protocol) return prefix.text;
  }
  return "";
}

UploadProtocol UploadProtocolOf(std::string_view stored) {
  for (const Prefix& prefix : kPrefixes) {
    if (stored.starts_with(prefix.text)) return prefix.protocol;
  }
  return UploadProtocol::kFtp;
}

std::string_view WithoutProtocol(std::string_view stored) {
  stored.remove_prefix(UploadProtocolPrefix(UploadProtocolOf(stored)).size());
  return stored;
}

std::optional<UploadHost> ParseUploadHost(std::string_view stored) {
  UploadHost host;
  host.protocol = UploadProtocolOf(stored);
  std::string_view rest = WithoutProtocol(stored);
  std::string_view name;
  if (rest.starts_with('[')) {
    const size_t close = rest.find(']');
    if (close == std::string_view::npos || close < 3) return std::nullopt;
    for (char c : rest.substr(1, close - 1)) {
      if (!IsIpv6Char(c)) return std::nullopt;
    }
    name = rest.substr(0, close + 1);
    rest.remove_prefix(close + 1);
  } else {
    const size_t colon = rest.find(':');
    name = rest.substr(0, colon);
    if (name.empty() || name.front() == '-' || name.front() == '.') return std::nullopt;
    for (char c : name) {
      if (!IsNameChar(c)) return std::nullopt;
    }
    rest.remove_prefix(name.size());
  }
  if (!rest.empty()) {
    if (rest.front() != ':') return std::nullopt;
    auto port = ParsePort(rest.substr(1));
    if (!port) return std::nullopt;
    host.port = *port;
  }
  host.name = std::string(name);
  return host;
}

int PortOf(const UploadHost& host) {
  if (host.port != 0) return host.port;
  return host.protocol == UploadProtocol::kSftp ? 22 : 21;
}

}  // namespace ventro
