// The program's entry and exit.
#pragma once

#include "app/host.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace ventro {

class Uploader;

struct StartOptions {
  Path data_folder;     // where every data file lives
  Path program_folder;  // holds the starter files copied on the first run
  // The worker the head office upload runs on; without one the upload cannot start.
  Uploader* uploader = nullptr;
};

// Runs the program: the single-instance and screen-size checks, the first run, loading the
// data, the message loop of `host`, and the writes at exit. Returns 0 after a normal run and 1
// when the start-up failed (the failure has been shown to the user); a second instance
// returns 0 at once without showing anything.
int WinMain(Platform& platform, Host& host, const StartOptions& options);

// The folder of the starter files, the help page and the pictures, for a program in
// `program_dir`: beside it in a build tree, else `../share/ventro` from it (an installed tree).
Path StarterFolder(const Path& program_dir);

// The per-user data folder: $XDG_DATA_HOME/Tarvel/ventro (default
// ~/.local/share/Tarvel/ventro) on Linux, %APPDATA%\Tarvel\ventro on Windows.
Path DefaultDataFolder();

}  // namespace ventro
