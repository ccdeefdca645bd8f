// ventro-script [--clock "YYYY-MM-DD HH:MM"] [--print-dir DIR] SCRIPT
// Runs the program headless on its data folder, with the user's part played by SCRIPT.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>

#ifdef VENTRO_PRINT_PDF
#include <QGuiApplication>

#include "qtprint/pdf_file.h"
#include "qtprint/pdf_folder_printer.h"
#endif

#include "app/win_main.h"
#include "base/cp1252.h"
#include "cups/cups_raw_printer.h"
#include "curl/curl_file_sender.h"
#include "platform/locale.h"
#include "platform/platform.h"
#include "platform/posix_ports.h"
#include "platform/uploader.h"
#include "script/script_clock.h"
#include "script/script_host.h"
#include "script/script_line.h"
#include "script/script_printer.h"
#include "script/script_system.h"
#include "script/script_ui.h"

namespace {

int Usage() {
  std::cerr << "usage: ventro-script [--clock \"YYYY-MM-DD HH:MM\"] [--print-dir DIR] SCRIPT\n";
  return 2;
}

#ifdef VENTRO_PRINT_PDF
// Each printed document as a PDF file in `folder`, noted in the transcript with its file name.
std::unique_ptr<ventro::Printer> PdfPrinter(const std::string& folder) {
  return std::make_unique<ventro::PdfFolderPrinter>(
      folder,
      [](const std::string& kind, const std::string& printer, const std::string& file, bool ok) {
        if (ok) std::cout << ventro::script::PrintedLine(kind, printer, file) << std::endl;
      });
}

// Documents noted in the transcript, but a PDF file the script names is written: Qt, which
// draws it, is started for the first one.
class TranscriptPdfPrinter : public ventro::script::TranscriptPrinter {
 public:
  TranscriptPdfPrinter(std::ostream& transcript, std::function<void()> start_qt)
      : TranscriptPrinter(transcript), start_qt_(std::move(start_qt)) {}
  std::unique_ptr<ventro::PrintCanvas> StartPdfFile(const std::filesystem::path& file,
                                                    const std::string& title,
                                                    const std::string& kind) override {
    start_qt_();
    return ventro::StartPdfDocument(file, title, ventro::PdfPaperFor(kind), [kind, file](bool ok) {
      if (ok) std::cout << ventro::script::PrintedLine(kind, "", file.string()) << std::endl;
    });
  }

 private:
  std::function<void()> start_qt_;
};
#endif

}  // namespace

int main(int argc, char** argv) {
  using namespace ventro;
  using namespace ventro::script;
  ScriptClock clock;
  std::string script_path;
  std::string print_dir;
  for (int k = 1; k < argc; ++k) {
    std::string arg = argv[k];
    if (arg == "--print-dir" && k + 1 < argc && argv[k + 1][0] != '\0') {
      print_dir = argv[++k];
      continue;
    }
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
#ifdef VENTRO_PRINT_PDF
  // PDF files are drawn with Qt, which needs an application object; no window is shown.
  std::unique_ptr<QGuiApplication> application;
  auto start_qt = [&application, &argc, argv] {
    if (application) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = std::make_unique<QGuiApplication>(argc, argv);
  };
  if (!print_dir.empty()) start_qt();
#else
  if (!print_dir.empty()) {
    std::cerr << "ventro-script: --print-dir needs a build with Qt (VENTRO_BUILD_QT=ON)\n";
    return 2;
  }
#endif

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
#ifdef VENTRO_PRINT_PDF
  std::unique_ptr<Printer> printer =
      print_dir.empty() ? std::make_unique<TranscriptPdfPrinter>(std::cout, start_qt)
                        : PdfPrinter(print_dir);
#else
  std::unique_ptr<Printer> printer = std::make_unique<TranscriptPrinter>(std::cout);
#endif
  // The upload's events wait for the next line (ScriptHost), each file noted as it ends.
  CurlFileSender sender;
  Uploader uploader(sender, {}, [](const UploadEvent& event) {
    if (event.kind == UploadEvent::Kind::kFileSent) {
      std::cout << "upload " << Quote(Cp1252ToUtf8(event.name)) << " sent" << std::endl;
    } else if (event.kind == UploadEvent::Kind::kFileFailed) {
      std::cout << "upload " << Quote(Cp1252ToUtf8(event.name)) << " failed " << Quote(event.reason)
                << std::endl;
    }
  });
  Platform platform{ui, clock, locale, sound, shell, files, ports, raw_printer, *printer};
  ScriptHost host(std::move(lines), ui, clock, std::cout);
  if (!host.RunLeadingSetup()) return 2;

  StartOptions options{DefaultDataFolder(), StarterFolder(ProgramFolder(argv[0])), &uploader};
  int status = WinMain(platform, host, options);
  if (host.failed()) return 2;
  return status;
}
