// Opens files and links with the desktop's default handlers.
#pragma once

#include <QUrl>

#include "platform/shell.h"

namespace ventro {

class QtShell : public Shell {
 public:
  bool Open(const std::string& target) override;
};

// The URL that opens `target` (UTF-8): a link as it stands ("mailto:", "https:"), anything
// else as a local file.
QUrl ShellUrl(const std::string& target);

}  // namespace ventro
