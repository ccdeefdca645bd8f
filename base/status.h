// The outcome of an operation that does not talk to the user itself: success, or the message
// that tells the user what went wrong (its title, its text and how grave it is). The layer
// that owns the user interface decides when to show it.
#pragma once

#include <string>
#include <utility>

namespace ventro {

// How a failure is shown: the icon of its message.
enum class Severity { kInformation, kWarning, kError };

class [[nodiscard]] Status {
 public:
  // Success.
  Status() = default;
  static Status Ok() { return Status(); }
  // A failure, told to the user as `text` titled `title`.
  static Status Failed(std::string title, std::string text, Severity severity = Severity::kError) {
    return Status(std::move(title), std::move(text), severity);
  }

  bool ok() const { return !failed_; }
  // The message of a failure; empty on success.
  const std::string& title() const { return title_; }
  const std::string& text() const { return text_; }
  Severity severity() const { return severity_; }

 private:
  Status(std::string title, std::string text, Severity severity)
      : failed_(true), title_(std::move(title)), text_(std::move(text)), severity_(severity) {}

  bool failed_ = false;
  std::string title_;
  std::string text_;
  Severity severity_ = Severity::kError;
};

}  // namespace ventro
