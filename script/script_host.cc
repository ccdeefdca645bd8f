#include "script/script_host.h"

#include <sstream>

#include "app/command_table.h"
#include "app/dispatch.h"
#include "app/sale_screen.h"
#include "app/ventro.h"
#include "base/cp1252.h"
#include "base/format.h"
#include "platform/uploader.h"
#include "sale/item_entry.h"
#include "sale/totals_panel.h"
#include "script/script_line.h"

namespace ventro::script {
namespace {

bool IsSetupLine(const ScriptLine& line) {
  return line.words[0] == "answer" || line.words[0] == "clock";
}

// A line the user does on the sale screen, which exists only once the splash has closed.
bool IsActionLine(const ScriptLine& line) {
  const std::string& verb = line.words[0];
  return verb == "command" || verb == "key" || verb == "type" || verb == "dump";
}

}  // namespace

std::vector<ScriptLine> ParseScript(const std::string& text, std::string& error) {
  std::vector<ScriptLine> lines;
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    auto words = SplitWords(raw);
    if (!words) {
      error = StringPrintf("line %d: unclosed quote", number);
      return {};
    }
    if (!words->empty()) lines.push_back({number, std::move(*words)});
  }
  return lines;
}

ScriptHost::ScriptHost(std::vector<ScriptLine> lines, ScriptUi& ui, ScriptClock& clock,
                       std::ostream& transcript)
    : lines_(std::move(lines)), ui_(ui), clock_(clock), transcript_(transcript) {}

bool ScriptHost::Fail(const ScriptLine& line, const std::string& why) {
  transcript_ << "line " << line.number << ": " << why << std::endl;
  failed_ = true;
  return false;
}

bool ScriptHost::RunLeadingSetup() {
  while (next_ < lines_.size() && IsSetupLine(lines_[next_])) {
    if (!RunLine(nullptr, lines_[next_++])) return false;
  }
  return true;
}

void ScriptHost::RunMessageLoop(Ventro& ventro) {
  // The splash closes (and the clerk signs on) just before the first action line, so that the
  // answers queued above it are in place; a script without actions still signs on.
  bool splash_closed = false;
  while (!quit_ && next_ < lines_.size()) {
    if (!splash_closed && IsActionLine(lines_[next_])) {
      splash_closed = true;
      OnSplashClosed(ventro);
      if (quit_) return;
    }
    // An upload started by the line before is waited for, so its outcome comes in order.
    if (ventro.uploader) ventro.uploader->Wait();
    if (!RunLine(&ventro, lines_[next_++])) return;
  }
  if (!splash_closed && !quit_) OnSplashClosed(ventro);
  if (ventro.uploader) ventro.uploader->Wait();
}

bool ScriptHost::RunLine(Ventro* ventro, const ScriptLine& line) {
  const auto& words = line.words;
  const std::string& verb = words[0];
  if (verb == "answer") return RunAnswer(line);
  if (verb == "clock") {
    std::string text;
    for (size_t k = 1; k < words.size(); ++k) text += (k > 1 ? " " : "") + words[k];
    auto time = ParseClock(text);
    if (!time) return Fail(line, "clock takes YYYY-MM-DD HH:MM");
    clock_.Set(*time);
    return true;
  }
  if (!ventro) return Fail(line, "the program is not running");
  if (verb == "command") {
    if (words.size() != 2 || AtoI64(words[1]) <= 0) return Fail(line, "command takes a number");
    RunCommand(*ventro, static_cast<int>(AtoI64(words[1])));
    return true;
  }
  if (verb == "key") {
    if (words.size() != 2 || !RunKey(*ventro, words[1])) return Fail(line, "unknown key");
    return true;
  }
  if (verb == "type") {
    if (words.size() < 2) return Fail(line, "type takes a text");
    std::string text;
    for (size_t k = 1; k < words.size(); ++k) text += (k > 1 ? " " : "") + words[k];
    ventro->screen.entry_text += Utf8ToCp1252(text);
    ScreenChanged();
    return true;
  }
  if (verb == "dump") {
    if (words.size() == 2 && words[1] == "title") {
      transcript_ << "title " << Quote(Cp1252ToUtf8(title_)) << std::endl;
      return true;
    }
    if (words.size() == 2 && words[1] == "basket") {
      for (const std::string& text : ventro->sale.list) {
        transcript_ << "line " << Quote(Cp1252ToUtf8(text)) << std::endl;
      }
      for (const PanelFigure& figure : PaintTotalsPanel(ventro->settings, ventro->sale.basket)) {
        transcript_ << "total " << figure.name << "=" << Quote(Cp1252ToUtf8(figure.text))
                    << std::endl;
      }
      return true;
    }
    return Fail(line, "dump takes title or basket");
  }
  return Fail(line, "unknown line " + Quote(verb));
}

bool ScriptHost::RunAnswer(const ScriptLine& line) {
  const auto& words = line.words;
  if (words.size() < 2) return Fail(line, "answer takes a dialog name");
  QueuedAnswer answer;
  for (size_t k = 2; k < words.size(); ++k) {
    size_t equals = words[k].find('=');
    if (equals != std::string::npos && equals > 0) {
      answer.values.emplace_back(words[k].substr(0, equals), words[k].substr(equals + 1));
    } else {
      answer.buttons.push_back(words[k]);
    }
  }
  if (words[1] == "message" && answer.buttons.size() != 1) {
    return Fail(line, "answer message takes one button");
  }
  ui_.Queue(words[1], std::move(answer));
  return true;
}

bool ScriptHost::RunKey(Ventro& ventro, const std::string& key) {
  static constexpr std::pair<std::string_view, Key> kKeys[] = {
      {"Up", Key::kUp}, {"Down", Key::kDown}, {"Left", Key::kLeft}, {"Right", Key::kRight},
      {"F1", Key::kF1}, {"F2", Key::kF2},     {"F3", Key::kF3},     {"F4", Key::kF4},
      {"F5", Key::kF5}, {"F6", Key::kF6},     {"F7", Key::kF7},     {"F8", Key::kF8},
      {"F9", Key::kF9}, {"F10", Key::kF10},   {"F11", Key::kF11},   {"F12", Key::kF12}};
  if (key == "Enter") {
    EnterItem(ventro.sale_session());
    return true;
  }
  // Keys go through the same restrictions as every command.
  auto press = [&](int id) {
    if (IsCommandBuilt(id)) {
      PressShortcutKey(ventro, id);
    } else {
      transcript_ << "unavailable command " << id << std::endl;
    }
  };
  if (key.size() == 6 && key.starts_with("Ctrl+") && key[5] >= 'A' && key[5] <= 'Z') {
    if (auto id = CommandForCtrlLetter(key[5])) press(*id);
    return true;
  }
  for (const auto& [name, value] : kKeys) {
    if (key == name) {
      if (auto id = CommandForKey(value)) press(*id);
      return true;
    }
  }
  return false;
}

void ScriptHost::RunCommand(Ventro& ventro, int id) {
  if (!IsCommandBuilt(id)) {
    transcript_ << "unavailable command " << id << std::endl;
    return;
  }
  DispatchCommand(ventro, id);
}

}  // namespace ventro::script
