#include "app/win_main.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/start_up.h"
#include "app/ventro.h"
#include "platform/instance_lock.h"
#include "platform/uploader.h"
#include "store/journal.h"

namespace ventro {
namespace {

constexpr int kMinimumWidth = 1024;
constexpr int kMinimumHeight = 768;

}  // namespace

Path DefaultDataFolder() {
#ifdef _WIN32
  const char* app_data = std::getenv("APPDATA");
  Path base = app_data ? Path(app_data) : Path(".");
#else
  const char* data_home = std::getenv("XDG_DATA_HOME");
  Path base;
  if (data_home && *data_home) {
    base = data_home;
  } else {
    const char* home = std::getenv("HOME");
    base = Path(home ? home : ".") / ".local" / "share";
  }
#endif
  return base / "Tarvel" / "ventro";
}

Path StarterFolder(const Path& program_dir) {
  std::error_code error;
  if (std::filesystem::exists(program_dir / "inventory.dat", error)) return program_dir;
  Path installed = (program_dir.parent_path() / "share" / "ventro").lexically_normal();
  if (std::filesystem::is_directory(installed, error)) return installed;
  return program_dir;
}

int WinMain(Platform& platform, Host& host, const StartOptions& options) {
  // One copy at a time on a data folder. The folder is made first so that the lock has a place;
  // when it cannot be made, the first-run step below reports it.
  platform.files.CreateDirectories(options.data_folder);
  auto lock = InstanceLock::Acquire(options.data_folder / "ventro.lock");
  if (!lock) return 0;

  ScreenSize desktop = platform.ui.DesktopSize();
  if (desktop.width < kMinimumWidth || desktop.height < kMinimumHeight) {
    platform.ui.Message("Problem", "Program requires desktop of at least 1024 by 768",
                        Icon::kWarning);
    return 1;
  }

  auto ventro = std::make_unique<Ventro>(platform, host, options);
  // A change an ended run left half made may be the first settings file itself; Opendata
  // reports a journal that cannot be applied.
  RecoverJournal(platform.files, ventro->paths.folder);
  if (!platform.files.Exists(ventro->paths.settings)) {
    if (!platform.files.CreateDirectories(ventro->paths.folder)) {
      platform.ui.Message("Fatal error", "Unable to create data directory", Icon::kError);
    } else {
      dodemo(*ventro);
    }
  }

  host.SetTitle("VENTRO");
  bool started = StartSaleScreen(*ventro);
  if (started) host.RunMessageLoop(*ventro);
  // An upload still running is stopped: its messages would have no window left to show in.
  if (options.uploader) options.uploader->Cancel();
  Shutdown(*ventro);
  return started ? 0 : 1;
}

}  // namespace ventro
