// Runs a script in place of the window: the script's lines are the user's actions.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/host.h"
#include "script/script_clock.h"
#include "script/script_ui.h"

namespace ventro::script {

struct ScriptLine {
  int number = 0;  // line number in the script file, from 1
  std::vector<std::string> words;
};

// The script's lines with words; comments and blank lines left out. On a malformed line,
// `error` names it and the result is empty.
std::vector<ScriptLine> ParseScript(const std::string& text, std::string& error);

class ScriptHost : public Host {
 public:
  ScriptHost(std::vector<ScriptLine> lines, ScriptUi& ui, ScriptClock& clock,
             std::ostream& transcript);

  // Applies the leading answer and clock lines, those that must be in place before the
  // program starts. Returns false (after writing why) when one is malformed.
  bool RunLeadingSetup();

  // Runs the rest of the script as the user's actions.
  void RunMessageLoop(Ventro& ventro) override;
  void Quit() override { quit_ = true; }
  void SetTitle(const std::string& title) override { title_ = title; }
  // Nothing to draw: `dump` lines read the state when asked.
  void ScreenChanged() override {}

  // Set when a line could not be run; the driver then exits with status 2.
  bool failed() const { return failed_; }

 private:
  // Runs one line; false when it is malformed.
  bool RunLine(Ventro* ventro, const ScriptLine& line);
  bool RunAnswer(const ScriptLine& line);
  bool RunKey(Ventro& ventro, const std::string& key);
  void RunCommand(Ventro& ventro, int id);
  bool Fail(const ScriptLine& line, const std::string& why);

  std::vector<ScriptLine> lines_;
  size_t next_ = 0;
  ScriptUi& ui_;
  ScriptClock& clock_;
  std::ostream& transcript_;
  std::string title_;
  bool quit_ = false;
  bool failed_ = false;
};

}  // namespace ventro::script
