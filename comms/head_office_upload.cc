#include "comms/head_office_upload.h"

#include <memory>

#include "base/format.h"
#include "platform/tell.h"
#include "platform/upload_host.h"

namespace ventro {
namespace {

void Problem(Ui& ui, const std::string& text) { ui.Message("Problem", text, Icon::kWarning); }

// What the events of one upload learn as they arrive on the user-interface thread.
struct Progress {
  bool logged_in = false;
  bool failed = false;
};

// Turns the uploader's events into the title and the messages the clerk sees.
Uploader::Handler ShowProgress(Ui& ui, const SaleScreen& screen, Window& window) {
  auto progress = std::make_shared<Progress>();
  return [&ui, &screen, &window, progress](const UploadEvent& event) {
    using Kind = UploadEvent::Kind;
    switch (event.kind) {
      case Kind::kOpenFailed:
        Problem(ui, StringPrintf("InternetOpen error %ld", event.code));
        break;
      case Kind::kConnectFailed:
        Problem(ui, "Internet ftp connect error");
        break;
      case Kind::kLoggedIn:
        progress->logged_in = true;
        window.SetTitle("Upload in progress");
        break;
      case Kind::kProgress:
        window.SetTitle(
            StringPrintf("Upload in progress: %s %d%%", event.name.c_str(), event.percent));
        break;
      case Kind::kFileSent:
        break;
      case Kind::kFileFailed:
        progress->failed = true;
        break;
      case Kind::kEnded:
        if (!progress->logged_in) break;
        window.SetTitle(screen.title);
        ui.Message("Transmission", progress->failed ? "Transfer failed" : "Transfer complete",
                   progress->failed ? Icon::kWarning : Icon::kInformation);
        break;
    }
  };
}

}  // namespace

void UploadHeadOfficeReports(HeadOfficeDesk& desk, Uploader* uploader, const SaleScreen& screen,
                             Window& window) {
  Ui& ui = desk.activity.platform.ui;
  if (uploader && uploader->Running()) {
    Problem(ui, "Upload in progress");
    return;
  }
  std::optional<UploadJob> job = PrepareHeadOfficeReports(desk);
  if (!job) return;

  const Path& folder = desk.activity.data_folder;
  UploadServer server;
  server.host = job->config.Get(upl::kHost);
  server.user = job->config.Get(upl::kUser);
  server.password = job->config.Get(upl::kPassword);
  server.ca_file = folder / "upload-ca.pem";
  server.known_hosts = folder / "known_hosts";
  if (server.host.empty()) {
    Problem(ui, "Please specify the FTP server in the configuration");
    return;
  }
  if (!ParseUploadHost(server.host)) {
    Problem(ui, "Invalid FTP server");
    return;
  }
  std::vector<UploadFile> files;
  for (const std::string& name : job->files) files.push_back({folder / name, name});
  if (!uploader ||
      !uploader->Start(std::move(server), std::move(files), ShowProgress(ui, screen, window))) {
    Problem(ui, "Unable to start thread");
  }
}

}  // namespace ventro
