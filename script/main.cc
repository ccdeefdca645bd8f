// ventro-script [--clock "YYYY-MM-DD HH:MM"] SCRIPT
// Runs the program headless on its data folder, with the user's part played by SCRIPT.
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/win_main.h"
#include "cups/cups_raw_printer.h"
#include "platform/locale.h"
#include "platform/platform.h"
#include "platform/posix_ports.h"
#include "script/script_clock.h"
#include "script/script_host.h"
#include "script/script_system.h"
#include "script/script_ui.h"

namespace {

int Usage() {
  std::cerr << "usage: ventro-script [--clock \"YYYY-MM-DD HH:MM\"] SCRIPT\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ventro;
  using namespace ventro::script;
  ScriptClock clock;
  std::string script_path;
  for (int k = 1; k < argc; ++k) {
    std::string arg = argv[k];
    if (arg == "--clock" && k + 1 < argc) {
      auto time = ParseClock(argv[++k]);
      if (!time) return Usage();
      clock.Set(*time);
    } else if (script_path.empty() && !arg.starts_with("--")) {
      script_path = arg;
    } else {
      return Usage();
    }
  }
  if (script_path.empty()) return Usage();

  std::ifstream file(script_path, std::ios::binary);
  if (!file) {
    std::cerr << "ventro-script: cannot read " << script_path << "\n";
    return 2;
  }
  std::stringstream text;
  text << file.rdbuf();
  std::string error;
  auto lines = ParseScript(text.str(), error);
  if (!error.empty()) {
    std::cout << error << std::endl;
    return 2;
  }

  ScriptUi ui(std::cout);
  EnglishLocale locale;
  SilentSound sound;
  LoggingShell shell(std::cout);
  StdFiles files;
  PosixPorts ports(DefaultDataFolder() / kPortMappingFileName);
  CupsRawPrinter raw_printer;
  Platform platform{ui, clock, locale, sound, shell, files, ports, raw_printer};
  ScriptHost host(std::move(lines), ui, clock, std::cout);
  if (!host.RunLeadingSetup()) return 2;

  StartOptions options{DefaultDataFolder(), ProgramFolder(argv[0])};
  int status = WinMain(platform, host, options);
  if (host.failed()) return 2;
  return status;
}
