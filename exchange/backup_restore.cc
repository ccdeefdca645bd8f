#include "exchange/backup_restore.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/format.h"
#include "exchange/folder_copy.h"
#include "exchange/history_purge.h"
#include "store/day_log.h"
#include "store/journal.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr char kChooseFolder[] = "Please select a folder";
constexpr char kCloseDown[] = "VENTRO will now close down";
constexpr char kRestoreComplete[] = "Restore complete";

struct CoreFile {
  const char* name;
  size_t record_size;  // the file must hold whole records of this size
};
constexpr std::array<CoreFile, 4> kCoreFiles = {{
    {"vt.cfg", SettingsRecord::kSize},
    {"inventory.dat", InventoryRecord::kSize},
    {"customer.dat", CustomerRecord::kSize},
    {"suppliers.dat", SupplierRecord::kSize},
}};

// The title of the box that refuses a core file of `size` bytes, or nothing when the start takes
// it: the settings record whole, a master file as whole records.
std::optional<std::string> SizeProblem(const CoreFile& core, uint64_t size) {
  if (size == 0) return "File has no content";
  const bool settings = core.record_size == SettingsRecord::kSize;
  if (settings ? size != core.record_size : size % core.record_size != 0) {
    return "Non recognised format";
  }
  return std::nullopt;
}

bool RefusedTarget(const ExchangeDesk& desk, const Path& folder, bool parent_too) {
  Files& files = desk.files();
  const bool refused =
      IsInside(files, folder, desk.data_folder) ||
      (parent_too && files.Canonical(folder) == files.Canonical(desk.data_folder).parent_path());
  if (refused) {
    desk.ui().Message(kProblem, "Please select a folder outside the VENTRO data folder.",
                      Icon::kWarning);
  }
  return refused;
}

TimeStamp StampOfNow(const LocalTime& now) {
  return {now.minute, now.hour, now.day, now.month, now.year};
}

// The settings as they are with the backup's time, staged beside `target` for a copy.
bool StageSettings(Files& files, const SettingsRecord& settings, const Path& target) {
  const std::string bytes(reinterpret_cast<const char*>(settings.data()), SettingsRecord::kSize);
  return files.WriteWhole(target, bytes) && files.ReadAll(target) == bytes;
}

// Keeps the backup's time in the live settings file and notes the backup in today's log; false
// (told) when the settings cannot be saved.
bool RecordBackup(const ExchangeDesk& desk, const SettingsRecord& stamped, const LocalTime& now) {
  desk.settings = stamped;
  const Path settings_file = desk.data_folder / "vt.cfg";
  if (!SaveSettingsFile(desk.files(), settings_file, desk.settings)) {
    desk.ui().Message(kProblem, settings_file.string(), Icon::kWarning);
    return false;
  }
  const std::string line = StringPrintf("\r\n%d:%d %d/%d/%d  File backup\r\n", now.hour, now.minute,
                                        now.day, now.month, now.year);
  if (!AppendDayText(desk.files(), desk.data_folder, now, line)) {
    desk.ui().Message(kProblem, "Data log file not present.", Icon::kWarning);
  }
  return true;
}

void BackUpCoreFiles(const ExchangeDesk& desk, const Path& folder) {
  Files& files = desk.files();
  const LocalTime now = desk.platform.clock.Now();
  SettingsRecord stamped = desk.settings;
  stamped.Set(cfg::kLastBackup, StampOfNow(now));
  const Path staged_settings = folder / "vt.cfg.stamped";
  std::vector<std::pair<Path, Path>> copies = {{staged_settings, folder / "vt.cfg"}};
  for (size_t i = 1; i < kCoreFiles.size(); ++i) {
    copies.emplace_back(desk.data_folder / kCoreFiles[i].name, folder / kCoreFiles[i].name);
  }
  const bool copied =
      StageSettings(files, stamped, staged_settings) && CopyAllOrNone(files, copies);
  files.Remove(staged_settings);
  if (!copied) {
    desk.ui().Message(kProblem, "Unable to open file", Icon::kWarning);
    return;
  }
  if (!RecordBackup(desk, stamped, now)) return;
  desk.ui().Message("File backup", "Complete", Icon::kInformation);
}

void BackUpFolder(const ExchangeDesk& desk, const Path& folder) {
  Files& files = desk.files();
  Ui& ui = desk.ui();
  const Path backup = folder / "ventro";
  if (files.IsReadableDirectory(backup) &&
      ui.Message("Warning", "Previous Ventro backup folder already exits, delete or cancel?",
                 Icon::kWarning, Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  const LocalTime now = desk.platform.clock.Now();
  SettingsRecord stamped = desk.settings;
  stamped.Set(cfg::kLastBackup, StampOfNow(now));
  const Path staged = folder / "ventro.new";
  const Path old = folder / "ventro.old";
  RemoveTree(files, staged);
  bool done = CopyTree(files, desk.data_folder, staged) &&
              StageSettings(files, stamped, staged / "vt.cfg") && FlushTree(files, staged);
  // The old backup goes only once the new one is whole.
  if (done && files.IsReadableDirectory(backup)) {
    done = RemoveTree(files, old) && files.Rename(backup, old);
  }
  if (done) done = files.Rename(staged, backup);
  if (!done) {
    if (!files.IsReadableDirectory(backup) && files.IsReadableDirectory(old)) {
      files.Rename(old, backup);
    }
    RemoveTree(files, staged);
    ui.Message("Folder backup", "Unable to backup folder", Icon::kWarning);
    return;
  }
  RemoveTree(files, old);
  if (!RecordBackup(desk, stamped, now)) return;
  ui.Message("VENTRO folder backup", "Complete", Icon::kInformation);
}

// Checks the four core files in `folder`: present, not empty, and of a size the start takes.
bool CoreFilesUsable(Ui& ui, Files& files, const Path& folder) {
  for (const CoreFile& core : kCoreFiles) {
    const Path path = folder / core.name;
    std::unique_ptr<File> file = files.Open(path, OpenMode::kRead);
    std::optional<uint64_t> size = file ? file->Size() : std::nullopt;
    if (!size) {
      ui.Message("File not present.", path.string(), Icon::kWarning);
      return false;
    }
    if (std::optional<std::string> title = SizeProblem(core, *size)) {
      ui.Message(*title, path.string(), Icon::kWarning,
                 *size == 0 ? Buttons::kOkCancel : Buttons::kOk);
      return false;
    }
  }
  return true;
}

void EndRunAfterRestore(const ExchangeDesk& desk) {
  desk.ui().Message(kRestoreComplete, kCloseDown, Icon::kInformation);
  desk.skip_save_at_exit = true;
  desk.window.Quit();
}

void RestoreInventory(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  std::optional<Path> chosen = ui.OpenFileName("Open", "Data files (*.dat);;All Files (*.*)");
  if (!chosen) return;
  if (ui.Message("Warning: An incorrect file may prevent the program from opening.",
                 "Yes to continue", Icon::kWarning, Buttons::kYesNo) != Answer::kYes) {
    return;
  }
  std::unique_ptr<File> file = desk.files().Open(*chosen, OpenMode::kRead);
  std::optional<uint64_t> size = file ? file->Size() : std::nullopt;
  file.reset();
  if (!size || SizeProblem(kCoreFiles[1], *size)) {
    ui.Message("Non recognised format", chosen->string(), Icon::kWarning);
    return;
  }
  if (!CopyAllOrNone(desk.files(), {{*chosen, desk.data_folder / "inventory.dat"}})) {
    ui.Message(kProblem, "Unable to open inventory.dat", Icon::kWarning);
    return;
  }
  EndRunAfterRestore(desk);
}

void RestoreCoreFiles(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  Dialog dialog;
  dialog.name = "FINISBOX";
  dialog.title = "Restore data from backup";
  dialog.Add(NoteField("note1",
                       "The program requires and will restore data from four files, vt.cfg, "
                       "inventory.dat, customer.dat and suppliers.dat."));
  dialog.Add(NoteField("note2", "Please click OK then select the backup folder"));
  dialog.Add(NoteField("note3",
                       "Important: The previous transaction history will no longer be available "
                       "after this routine (it is deleted to avoid conflicts with current "
                       "transactions)"));
  if (!ui.RunDialog(dialog)) return;
  std::optional<Path> folder = ui.FolderName(kChooseFolder);
  if (!folder || !CoreFilesUsable(ui, desk.files(), *folder)) return;
  // The four files replace the live ones in one journalled change, so a failure or a crash
  // leaves either all of the old files or all of the restored ones. The restored settings
  // restart the numbering, as the history they numbered is purged next.
  Files& files = desk.files();
  FileChange change;
  SettingsRecord restored;
  for (const CoreFile& core : kCoreFiles) {
    const Path from = *folder / core.name;
    std::optional<std::string> bytes = files.ReadAll(from);
    if (!bytes || SizeProblem(core, bytes->size())) {
      ui.Message(kProblem, "Unable to open " + from.string(), Icon::kWarning);
      return;
    }
    if (core.record_size == SettingsRecord::kSize) {
      std::copy(bytes->begin(), bytes->end(), restored.data());
      restored.Set(cfg::kNextTransaction, 1);
      bytes->assign(restored.view());
    }
    change.Replace(desk.data_folder / core.name, *bytes);
  }
  const ChangeResult result = MakeChange(files, desk.data_folder, change);
  if (!result.ok) {
    ui.Message(kProblem, "Not able to write to " + result.failed.filename().string(), Icon::kError);
    // A change kept in the journal is made at the next start: the restore stands.
    if (!result.kept) return;
  }
  PurgeHistory(ui, files, desk.data_folder, desk.platform.clock.Now().year, restored);
  EndRunAfterRestore(desk);
}

// A dated name beside the data folder for the folder being replaced: ventro532021 for 5 March
// 2021.
Path DatedFolder(const Path& data_folder, const LocalTime& now) {
  Path dated = data_folder;
  dated += StringPrintf("%d%d%d", now.day, now.month, now.year);
  return dated;
}

void RestoreFolder(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  Files& files = desk.files();
  std::optional<Path> folder = ui.FolderName(kChooseFolder);
  if (!folder) return;
  if (IsInside(files, *folder, desk.data_folder) || IsInside(files, desk.data_folder, *folder)) {
    ui.Message(kProblem, "Please select a folder outside the VENTRO data folder.", Icon::kWarning);
    return;
  }
  if (!CoreFilesUsable(ui, files, *folder)) return;
  if (ui.Message("Warning", "All existing data will be removed.", Icon::kWarning,
                 Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  const Path parent = desk.data_folder.parent_path();
  const Path staged = parent / "ventro.restore";
  RemoveTree(files, staged);
  if (!CopyTree(files, *folder, staged) || !FlushTree(files, staged)) {
    RemoveTree(files, staged);
    ui.Message(kProblem, "Unable to copy folder.", Icon::kWarning);
    return;
  }
  const Path dated = DatedFolder(desk.data_folder, desk.platform.clock.Now());
  if (!files.Rename(desk.data_folder, dated)) {
    RemoveTree(files, staged);
    ui.Message(kProblem, "Unable to rename previous directory.", Icon::kWarning);
    return;
  }
  if (!files.Rename(staged, desk.data_folder)) {
    files.Rename(dated, desk.data_folder);
    RemoveTree(files, staged);
    ui.Message(kProblem, "Unable to copy folder.", Icon::kWarning);
    return;
  }
  RemoveTree(files, dated);
  EndRunAfterRestore(desk);
}

}  // namespace

void BackupData(const ExchangeDesk& desk) {
  Ui& ui = desk.ui();
  Dialog dialog;
  dialog.name = "BACKUPBOX";
  dialog.title = "Ventro backup";
  dialog.Add(ChoiceField("mode", "Backup",
                         {"Backup core files (inventory, customer, supplier, settings).",
                          "Backup entire Ventro data folder."},
                         1));
  dialog.Add(NoteField("note",
                       "Important: The folder backup includes the core files and transaction and "
                       "sales data."));
  if (!ui.RunDialog(dialog)) return;
  const bool whole_folder = dialog.Field("mode").choice != 0;
  std::optional<Path> folder = ui.FolderName(kChooseFolder);
  if (!folder || RefusedTarget(desk, *folder, whole_folder)) return;
  if (whole_folder) {
    BackUpFolder(desk, *folder);
  } else {
    BackUpCoreFiles(desk, *folder);
  }
}

void RestoreData(const ExchangeDesk& desk) {
  Dialog dialog;
  dialog.name = "RESTOREBOX";
  dialog.title = "Ventro restore";
  dialog.Add(ChoiceField(
      "mode", "Restore",
      {"Restore inventory.", "Restore core files (inventory, customer, settings, supplier).",
       "Restore entire Ventro data folder."},
      2));
  dialog.Add(NoteField("note", "Important: It is recommended a backup is performed before use."));
  if (!desk.ui().RunDialog(dialog)) return;
  switch (dialog.Field("mode").choice) {
    case 0:
      RestoreInventory(desk);
      break;
    case 1:
      RestoreCoreFiles(desk);
      break;
    default:
      RestoreFolder(desk);
      break;
  }
}

}  // namespace ventro
