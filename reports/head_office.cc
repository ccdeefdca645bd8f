#include "reports/head_office.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/tell.h"
#include "platform/upload_host.h"
#include "reports/daily_items_list.h"
#include "reports/upload_reports.h"
#include "store/day_log_reader.h"
#include "store/upload_config_file.h"

namespace ventro {
namespace {

// One of the three reports: its flag in the settings, its name in upload.cfg, the name the
// setup shows when it has none, and its field keys in THEUPLOAD.
struct Report {
  cfg::I32 flag;
  upl::Text name;
  const char* default_name;
  const char* group;
  const char* check_key;
  const char* name_key;
};

constexpr std::array<Report, 3> kReports = {{
    {cfg::kUploadOverview, upl::kOverviewName, kDefaultOverviewName, "Daily overview", "overview",
     "overview_name"},
    {cfg::kUploadItemsList, upl::kItemsName, kDefaultItemsName, "Daily items CSV", "items",
     "items_name"},
    {cfg::kUploadReorderList, upl::kReorderName, kDefaultReorderName, "Reorder list", "reorder",
     "reorder_name"},
}};

Date Today(Clock& clock) {
  const LocalTime now = clock.Now();
  return {now.day, now.month, now.year};
}

Status Problem(const std::string& text) {
  return Status::Failed("Problem", text, Severity::kWarning);
}

Status InvalidName(const std::string& name) { return Problem("Invalid upload filename " + name); }

// The first name that may not be used: one that is not plain, or one given twice.
Status CheckNames(const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (!IsPlainUploadName(names[i])) return InvalidName(names[i]);
    for (size_t j = 0; j < i; ++j) {
      if (names[j] == names[i]) return InvalidName(names[i]);
    }
  }
  return Status::Ok();
}

DialogField Field(const std::string& key, const std::string& label, FieldKind kind,
                  const std::string& text, const std::string& group = "") {
  DialogField field;
  field.key = key;
  field.label = label;
  field.kind = kind;
  field.text = text;
  if (kind == FieldKind::kText || kind == FieldKind::kPassword) field.max_length = 199;
  field.group = group;
  return field;
}

const char* ProtocolName(UploadProtocol protocol) {
  switch (protocol) {
    case UploadProtocol::kFtp:
      return "FTP";
    case UploadProtocol::kFtpTls:
      return "FTP with TLS";
    case UploadProtocol::kSftp:
      return "SFTP";
  }
  return "FTP";
}

// The "Protocol" list: plain FTP, then those that can be sent by. The stored protocol stays
// listed even where it cannot be used, so that pressing OK never turns a secure setup into
// plain FTP; its uploads fail instead.
std::vector<UploadProtocol> ListedProtocols(const std::vector<UploadProtocol>& supported,
                                            UploadProtocol stored) {
  std::vector<UploadProtocol> listed = {UploadProtocol::kFtp};
  for (UploadProtocol protocol : {UploadProtocol::kFtpTls, UploadProtocol::kSftp}) {
    if (protocol == stored ||
        std::find(supported.begin(), supported.end(), protocol) != supported.end()) {
      listed.push_back(protocol);
    }
  }
  return listed;
}

Dialog SetupDialog(const UploadConfig& config, const SettingsRecord& settings,
                   const std::vector<UploadProtocol>& listed) {
  Dialog dialog;
  dialog.name = "THEUPLOAD";
  dialog.title = "Upload configuration";
  const std::string host = config.Get(upl::kHost);
  DialogField& protocol = dialog.Add(Field("protocol", "Protocol", FieldKind::kChoice, ""));
  for (size_t i = 0; i < listed.size(); ++i) {
    protocol.options.push_back(ProtocolName(listed[i]));
    if (listed[i] == UploadProtocolOf(host)) protocol.choice = static_cast<int>(i);
  }
  dialog.Add(Field("server", "FTP server", FieldKind::kText, std::string(WithoutProtocol(host))));
  dialog.Add(Field("example", "", FieldKind::kNote, "e.g. ftp.example.com"));
  dialog.Add(Field("user", "FTP username", FieldKind::kText, config.Get(upl::kUser)));
  dialog.Add(Field("password", "FTP password", FieldKind::kPassword, config.Get(upl::kPassword)));
  for (const Report& report : kReports) {
    std::string name = config.Get(report.name);
    if (name.empty()) name = report.default_name;
    dialog.Add(Field(report.check_key, "Upload", FieldKind::kCheck, "", report.group)).checked =
        settings.Get(report.flag) == 2;
    dialog.Add(Field(report.name_key, "Upload filename", FieldKind::kText, name, report.group));
  }
  dialog.Add(Field("note", "", FieldKind::kNote,
                   "The selected reports are uploaded as individual text files."));
  return dialog;
}

// The server as stored: the chosen protocol's prefix before the name typed.
std::string StoredHost(const Dialog& dialog, const std::vector<UploadProtocol>& listed) {
  const int choice = dialog.Field("protocol").choice;
  const UploadProtocol protocol = choice >= 0 && choice < static_cast<int>(listed.size())
                                      ? listed[choice]
                                      : UploadProtocol::kFtp;
  const std::string& name = dialog.Field("server").text;
  return name.empty() ? "" : std::string(UploadProtocolPrefix(protocol)) + name;
}

std::string StoreName(const HeadOfficeDesk& desk) {
  return desk.settings.Get(cfg::kHeadingLine, 1);
}

Status WriteReport(Files& files, const Path& path, const std::string& text, const char* failure) {
  return files.WriteWhole(path, text) ? Status::Ok() : Problem(failure);
}

// The items list of today, or the message that stops the upload.
Status WriteItemsList(HeadOfficeDesk& desk, const std::string& name) {
  Files& files = desk.activity.platform.files;
  const Date& day = desk.activity.selected_day;
  const Path folder = DayLogFolder(desk.activity.data_folder, day.year, day.month, day.day);
  const std::optional<std::string> list = ReadDailyItemsText(files, folder, StoreName(desk));
  if (!list) return Problem("No items for that day.");
  return WriteReport(files, desk.activity.data_folder / name, *list,
                     "Unable to produce items file.");
}

Status WriteReorderList(HeadOfficeDesk& desk, const std::string& name) {
  Files& files = desk.activity.platform.files;
  auto inventory = files.ReadAll(desk.activity.data_folder / "inventory.dat");
  if (!inventory) {
    return Status::Failed("Fatal error", "Data file inventory.dat, not present.");
  }
  return WriteReport(files, desk.activity.data_folder / name,
                     ReorderListText(StoreName(desk), *inventory),
                     "Unable to produce reorder file.");
}

}  // namespace

bool SetUpHeadOfficeReports(HeadOfficeDesk& desk) {
  Ui& ui = desk.activity.platform.ui;
  Files& files = desk.activity.platform.files;
  UploadConfig config = LoadUploadConfig(files, desk.activity.data_folder).value_or(UploadConfig());
  const std::vector<UploadProtocol> listed =
      ListedProtocols(desk.protocols, UploadProtocolOf(config.Get(upl::kHost)));
  Dialog dialog = SetupDialog(config, desk.settings, listed);
  while (true) {
    if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return false;
    // A report not chosen may be left without a name; any name given must be usable.
    std::vector<std::string> names;
    for (const Report& report : kReports) {
      const std::string& name = dialog.Field(report.name_key).text;
      if (dialog.Field(report.check_key).checked || !name.empty()) names.push_back(name);
    }
    Status names_ok = CheckNames(names);
    const std::string host = StoredHost(dialog, listed);
    if (names_ok.ok() && !host.empty() && !ParseUploadHost(host)) {
      names_ok = Problem("Invalid FTP server");
    }
    if (names_ok.ok()) break;
    Tell(ui, names_ok);
  }
  config.Set(upl::kHost, StoredHost(dialog, listed));
  config.Set(upl::kUser, dialog.Field("user").text);
  config.Set(upl::kPassword, dialog.Field("password").text);
  for (const Report& report : kReports) config.Set(report.name, dialog.Field(report.name_key).text);
  if (!SaveUploadConfig(desk.activity.data_folder, config)) {
    Tell(ui, Problem("Unable to create UPLOAD.CFG"));
    return false;
  }
  for (const Report& report : kReports) {
    desk.settings.Set(report.flag, dialog.Field(report.check_key).checked ? 2 : 0);
  }
  return true;
}

std::optional<UploadJob> PrepareHeadOfficeReports(HeadOfficeDesk& desk) {
  Ui& ui = desk.activity.platform.ui;
  Files& files = desk.activity.platform.files;
  std::optional<UploadConfig> config = LoadUploadConfig(files, desk.activity.data_folder);
  if (!config) {
    if (!SetUpHeadOfficeReports(desk)) return std::nullopt;
    config = LoadUploadConfig(files, desk.activity.data_folder);
    if (!config) return std::nullopt;
  }
  UploadJob job;
  job.config = *config;
  std::array<std::string, 3> names;  // empty for a report not chosen
  for (size_t i = 0; i < kReports.size(); ++i) {
    if (desk.settings.Get(kReports[i].flag) != 2) continue;
    names[i] = config->Get(kReports[i].name);
    job.files.push_back(names[i]);
  }
  if (job.files.empty()) {
    Tell(ui, Problem("No reports selected."));
    return std::nullopt;
  }
  if (Status names_ok = CheckNames(job.files); !names_ok.ok()) {
    Tell(ui, names_ok);
    return std::nullopt;
  }

  // The items list goes first: a day without sales then leaves no overview behind either.
  desk.activity.selected_day = Today(desk.activity.platform.clock);
  Status status = Status::Ok();
  if (!names[1].empty()) status = WriteItemsList(desk, names[1]);
  if (status.ok() && !names[0].empty()) status = WriteActivityReportFile(desk.activity, names[0]);
  if (status.ok() && !names[2].empty()) status = WriteReorderList(desk, names[2]);
  if (!status.ok()) {
    Tell(ui, status);
    return std::nullopt;
  }
  return job;
}

}  // namespace ventro
