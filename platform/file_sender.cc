#include "platform/file_sender.h"

namespace ventro {

std::vector<UploadProtocol> SupportedProtocols(const FileSender& sender) {
  std::vector<UploadProtocol> protocols;
  for (UploadProtocol protocol :
       {UploadProtocol::kFtp, UploadProtocol::kFtpTls, UploadProtocol::kSftp}) {
    if (sender.Supports(protocol)) protocols.push_back(protocol);
  }
  return protocols;
}

}  // namespace ventro
