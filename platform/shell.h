// The desktop shell: opens a file, a "mailto:" link or a web address with its default handler.
#pragma once

#include <string>

namespace ventro {

class Shell {
 public:
  virtual ~Shell() = default;
  // `target` is a file path or a URL in UTF-8. Returns false when nothing could open it.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace ventro
