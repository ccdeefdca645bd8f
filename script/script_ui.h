// The user interface of a script run: every message box and dialog is written to the
// transcript and answered from the answers the script has queued.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace ventro::script {

// One queued answer: field values in order, then buttons (actions first, the closing button
// last).
struct QueuedAnswer {
  std::vector<std::pair<std::string, std::string>> values;  // UTF-8
  std::vector<std::string> buttons;
};

class ScriptUi : public Ui {
 public:
  explicit ScriptUi(std::ostream& transcript) : transcript_(transcript) {}

  // Queues an answer for the next dialog called `dialog` ("message" for a message box).
  void Queue(const std::string& dialog, QueuedAnswer answer);

  Answer Message(const std::string& title, const std::string& text, Icon icon,
                 Buttons buttons) override;
  bool EditBox(const std::string& title, std::string& text, size_t max_length) override;
  bool Edit2Box(const std::string& title, const std::string& group, std::string& text,
                size_t max_length) override;
  std::optional<int> SelectFromList(const std::string& name, const std::string& title,
                                    const std::vector<std::string>& items, int selected) override;
  bool RunDialog(Dialog& dialog) override;
  // Answered as the dialog "SAVEFILE" with its field `path`.
  std::optional<std::filesystem::path> SaveFileName(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& suggested) override;
  // Answered as the dialog "OPENFILE" with its field `path`.
  std::optional<std::filesystem::path> OpenFileName(const std::string& title,
                                                    const std::string& filter) override;
  std::optional<std::filesystem::path> FolderName(const std::string& title) override;
  ScreenSize DesktopSize() override { return {1024, 768}; }
  // Written `picture "TITLE" N bytes`.
  void ShowPicture(const std::string& title, std::string_view bitmap) override;
  // The cancel box "PrintDlgBox": a queued answer `after=N Cancel` stops the document once N
  // pages were sent; without one the document prints to its end.
  void BeginPrintProgress() override;
  bool PrintCancelRequested() override;
  void EndPrintProgress() override;

 private:
  // Ends the run with status 2 after writing `line` to the transcript.
  [[noreturn]] void Fail(const std::string& line);
  void ApplyValue(Dialog& dialog, const std::string& key, const std::string& value);

  std::ostream& transcript_;
  std::map<std::string, std::deque<QueuedAnswer>> answers_;
  // The open cancel box: pages sent so far, and the count after which it is cancelled.
  int pages_sent_ = 0;
  std::optional<int> cancel_after_;
};

}  // namespace ventro::script
