// Runs the ventro-script binary as a user would: a script file in a test's data folder, the
// program's data under it, its exit status and its transcript read back.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "test_platform.h"

namespace ventro::test {

// Clerk 1 signs on (new installation: empty password) and closes the tip of the day.
inline constexpr char kScriptSignOn[] = "answer pasbox clerk=1 password= OK\nanswer 2211 OK\n";

// The --clock option the sale runs share, as shell words.
inline constexpr char kScriptClock[] = "--clock \"2026-12-06 09:30\"";

struct ScriptRun {
  int status = -1;  // the exit status, -1 when the program did not exit by itself
  std::string transcript;
};

// Writes `script` to script.txt in `data_home` and gives its path.
inline Path WriteScript(const Path& data_home, const std::string& script) {
  const Path path = data_home / "script.txt";
  std::ofstream(path) << script;
  return path;
}

// Runs ventro-script with `options` (shell words) on `script`, its data folder under
// `data_home`; its output and its errors make one transcript.
inline ScriptRun RunScript(const Path& data_home, const std::string& script,
                           const std::string& options = "") {
  const Path script_path = WriteScript(data_home, script);
  const std::string command = "XDG_DATA_HOME='" + data_home.string() + "' '" +
                              VENTRO_SCRIPT_BINARY + "' " + options + " '" + script_path.string() +
                              "' 2>&1";
  ScriptRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.transcript.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Starts ventro-script on `script` at the shared clock without waiting for it, its output
// thrown away; gives its process id, for a signal and then FinishScript.
inline pid_t StartScript(const Path& data_home, const std::string& script) {
  const Path script_path = WriteScript(data_home, script);
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("XDG_DATA_HOME", data_home.c_str(), 1);
    freopen("/dev/null", "w", stdout);
    execl(VENTRO_SCRIPT_BINARY, VENTRO_SCRIPT_BINARY, "--clock", "2026-12-06 09:30",
          script_path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// Waits for a started run; gives its exit status, -1 when it did not exit by itself.
inline int FinishScript(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace ventro::test
