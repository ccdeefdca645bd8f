// Platform doubles for core tests: a user interface answered from queues, a clock that stands
// still, the real file system with writes that can be made to fail (tests run as root,
// so permissions cannot be used for that), the real ports kept away from the machine's own
// devices, a printer that records raw jobs and one that records documents.
#pragma once

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/posix_ports.h"
#include "platform/window.h"
#include "recording_printer.h"

namespace ventro::test {

struct ShownMessage {
  std::string title;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

class FakeUi : public Ui {
 public:
  // Everything shown, in order.
  std::vector<ShownMessage> messages;
  std::vector<std::string> dialogs_run;     // dialog names (EDITBOX, EDIT2BOX, lists included)
  std::vector<std::string> greyed_presses;  // greyed buttons an answer pressed, which did nothing

  // Answers, taken first in first out. A message box without a queued answer is answered OK
  // (or Yes); a dialog or prompt without one is cancelled.
  std::deque<Answer> message_answers;
  std::deque<std::optional<std::string>> edit_answers;  // nullopt cancels
  std::deque<std::optional<int>> list_answers;
  std::deque<std::function<bool(Dialog&)>> dialog_answers;  // fills the dialog, true for OK
  std::deque<std::optional<Path>> save_answers;             // nullopt cancels
  std::deque<std::optional<Path>> open_answers;             // nullopt cancels
  std::deque<std::optional<Path>> folder_answers;           // nullopt cancels

  ScreenSize desktop{1024, 768};

  Answer Message(const std::string& title, const std::string& text, Icon,
                 Buttons buttons) override {
    messages.push_back({title, text});
    if (!message_answers.empty()) {
      Answer answer = message_answers.front();
      message_answers.pop_front();
      return answer;
    }
    return buttons == Buttons::kOk || buttons == Buttons::kOkCancel ? Answer::kOk : Answer::kYes;
  }
  bool EditBox(const std::string&, std::string& text, size_t) override {
    dialogs_run.push_back("EDITBOX");
    return NextEdit(text);
  }
  bool Edit2Box(const std::string&, const std::string&, std::string& text, size_t) override {
    dialogs_run.push_back("EDIT2BOX");
    return NextEdit(text);
  }
  std::optional<int> SelectFromList(const std::string& name, const std::string&,
                                    const std::vector<std::string>&, int) override {
    dialogs_run.push_back(name);
    if (list_answers.empty()) return std::nullopt;
    auto answer = list_answers.front();
    list_answers.pop_front();
    return answer;
  }
  std::optional<Path> SaveFileName(const std::string&, const std::string&,
                                   const std::string&) override {
    dialogs_run.push_back("SAVEFILE");
    if (save_answers.empty()) return std::nullopt;
    auto answer = save_answers.front();
    save_answers.pop_front();
    return answer;
  }
  std::optional<Path> OpenFileName(const std::string&, const std::string&) override {
    dialogs_run.push_back("OPENFILE");
    if (open_answers.empty()) return std::nullopt;
    auto answer = open_answers.front();
    open_answers.pop_front();
    return answer;
  }
  std::optional<Path> FolderName(const std::string&) override {
    dialogs_run.push_back("FOLDER");
    if (folder_answers.empty()) return std::nullopt;
    auto answer = folder_answers.front();
    folder_answers.pop_front();
    return answer;
  }
  bool RunDialog(Dialog& dialog) override {
    dialogs_run.push_back(dialog.name);
    if (dialog_answers.empty()) {
      dialog.pressed = "Cancel";
      return false;
    }
    auto answer = std::move(dialog_answers.front());
    dialog_answers.pop_front();
    // A greyed action cannot be pressed: the press is noted and goes no further.
    auto on_change = dialog.on_change;
    if (on_change && !dialog.greyed.empty()) {
      dialog.on_change = [this, on_change](Dialog& d, const std::string& key) {
        if (d.Greyed(key)) {
          greyed_presses.push_back(key);
          return;
        }
        on_change(d, key);
      };
    }
    bool ok = answer(dialog);
    dialog.on_change = on_change;
    if (dialog.pressed.empty()) dialog.pressed = ok ? dialog.buttons.front() : "Cancel";
    if (dialog.Greyed(dialog.pressed)) {
      greyed_presses.push_back(dialog.pressed);
      dialog.pressed = "Cancel";
      return false;
    }
    return ok;
  }
  ScreenSize DesktopSize() override { return desktop; }

  // Picture windows opened: the title and the bitmap's size.
  struct ShownPicture {
    std::string title;
    size_t size = 0;
    bool operator==(const ShownPicture&) const = default;
  };
  std::vector<ShownPicture> pictures;
  void ShowPicture(const std::string& title, std::string_view bitmap) override {
    pictures.push_back({title, bitmap.size()});
  }

  // The cancel box: how often it opened and closed, and how often it was asked; it answers
  // Cancel at the `cancel_at_poll`th question (0: never).
  int print_boxes_opened = 0;
  int print_boxes_closed = 0;
  int print_polls = 0;
  int cancel_at_poll = 0;
  void BeginPrintProgress() override {
    ++print_boxes_opened;
    print_polls = 0;
  }
  bool PrintCancelRequested() override { return ++print_polls == cancel_at_poll; }
  void EndPrintProgress() override { ++print_boxes_closed; }

  // Texts of every message shown, for compact assertions.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
  }

 private:
  bool NextEdit(std::string& text) {
    if (edit_answers.empty()) return false;
    auto answer = edit_answers.front();
    edit_answers.pop_front();
    if (!answer) return false;
    text = *answer;
    return true;
  }
};

class FixedClock : public Clock {
 public:
  LocalTime now{2026, 12, 6, 9, 30, 0, 0};
  void Set(int year, int month, int day, int hour = 9, int minute = 30) {
    now = {year, month, day, hour, minute, 0, DayOfWeek(year, month, day)};
  }
  LocalTime Now() override { return now; }
};

class SilentSound : public Sound {
 public:
  std::vector<SoundId> played;
  void Play(SoundId id) override { played.push_back(id); }
};

class RecordingShell : public Shell {
 public:
  std::vector<std::string> opened;
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
};

// The real file system; writes to files whose name is in `failing` fail as on a full disk
// (nothing is added or overwritten, a file can still be cut shorter), and files whose name is
// in `unwritable` cannot be opened for writing, as in a read-only folder. Copies and links onto
// those names fail too; copies onto a name in `garbled` succeed with one byte more than the source,
// as a faulty medium; renames of a name in `stuck` fail.
class FaultyFiles : public StdFiles {
 public:
  std::set<std::string> failing;     // file names (not paths) whose writes fail
  std::set<std::string> unwritable;  // file names that cannot be opened for writing
  std::set<std::string> garbled;     // file names whose copies differ from their source
  std::set<std::string> stuck;       // names that cannot be renamed

  bool CopyFile(const Path& from, const Path& to) override {
    if (Fails(to) || In(unwritable, to) || !StdFiles::CopyFile(from, to)) return false;
    if (In(garbled, to)) std::ofstream(to, std::ios::binary | std::ios::app) << '!';
    return true;
  }
  bool LinkFile(const Path& from, const Path& to) override {
    return !Fails(to) && !In(unwritable, to) && StdFiles::LinkFile(from, to);
  }
  bool Rename(const Path& from, const Path& to) override {
    return !In(stuck, from) && StdFiles::Rename(from, to);
  }

  std::unique_ptr<File> Open(const Path& path, OpenMode mode) override {
    if (mode != OpenMode::kRead && In(unwritable, path)) return nullptr;
    auto file = StdFiles::Open(path, mode);
    if (!file || mode == OpenMode::kRead || !Fails(path)) return file;
    return std::make_unique<FailingWrites>(std::move(file));
  }
  bool WriteWhole(const Path& path, std::string_view bytes) override {
    return !Fails(path) && !In(unwritable, path) && StdFiles::WriteWhole(path, bytes);
  }

 private:
  class FailingWrites : public File {
   public:
    explicit FailingWrites(std::unique_ptr<File> file) : file_(std::move(file)) {}
    std::optional<uint64_t> Size() override { return file_->Size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t length) override {
      return file_->ReadAt(offset, buffer, length);
    }
    bool WriteAt(uint64_t, const void*, size_t) override { return false; }
    bool Append(const void*, size_t) override { return false; }
    bool Truncate(uint64_t size) override {
      std::optional<uint64_t> now = file_->Size();
      return now && size <= *now && file_->Truncate(size);
    }
    bool Sync() override { return file_->Sync(); }

   private:
    std::unique_ptr<File> file_;
  };
  bool Fails(const Path& path) const { return In(failing, path); }
  static bool In(const std::set<std::string>& names, const Path& path) {
    return names.count(path.filename().string()) > 0;
  }
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("ventro-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const Path& path() const { return path_; }

 private:
  Path path_;
};

// Raw jobs kept instead of printed; `reachable` false makes every job fail, as a printer that
// cannot be opened.
class RecordingRawPrinter : public RawPrinter {
 public:
  struct Job {
    std::string printer;
    std::string document;
    std::string bytes;
  };
  std::vector<Job> jobs;
  std::vector<std::string> names = {"Receipt", "Kitchen"};
  bool reachable = true;

  bool Send(const std::string& printer, const std::string& document,
            std::string_view bytes) override {
    if (!reachable) return false;
    jobs.push_back({printer, document, std::string(bytes)});
    return true;
  }
  std::optional<std::vector<std::string>> PrinterNames() override {
    if (!reachable) return std::nullopt;
    return names;
  }
};

// The real ports, with a mapping file of their own that sends every port to a device that
// does not exist, so that no test reaches the machine's serial ports; MapPort points one
// port at a device (a pseudo-terminal) through the same file a shop would edit.
class TestPorts : private TempDir, public PosixPorts {
 public:
  TestPorts() : PosixPorts(TempDir::path() / kPortMappingFileName) {
    for (int index = 0; index < kPortCount; ++index) {
      mapping_[PortName(index)] = (TempDir::path() / ("no-" + PortName(index))).string();
    }
    WriteMapping();
  }
  void MapPort(const std::string& name, const std::string& device) {
    mapping_[name] = device;
    WriteMapping();
  }
  Path mapping_file() const { return TempDir::path() / kPortMappingFileName; }

 private:
  void WriteMapping() {
    std::ofstream file(mapping_file(), std::ios::binary | std::ios::trunc);
    for (const auto& [name, device] : mapping_) file << name << "=" << device << "\n";
  }
  std::map<std::string, std::string> mapping_;
};

// Stands in for the window: remembers the title, whether the program was asked to end, and
// how often the screen was to be shown again. `Base` is the window interface or a host
// built on it (tests/core/recording_host.h).
template <typename Base>
class RecordingWindowOf : public Base {
 public:
  std::string title;
  bool quit = false;
  int screen_changes = 0;
  void Quit() override { quit = true; }
  void SetTitle(const std::string& text) override { title = text; }
  void ScreenChanged() override { ++screen_changes; }
};
using RecordingWindow = RecordingWindowOf<Window>;

// Everything a core test needs, wired into one Platform.
struct TestPlatform {
  FakeUi ui;
  FixedClock clock;
  EnglishLocale locale;
  SilentSound sound;
  RecordingShell shell;
  FaultyFiles files;
  TestPorts ports;
  RecordingRawPrinter raw_printer;
  RecordingPrinter printer;
  Platform platform{ui, clock, locale, sound, shell, files, ports, raw_printer, printer};
};

}  // namespace ventro::test
