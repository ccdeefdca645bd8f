// The desktop program: the Qt platform objects around the core's start-up.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

#include "app/win_main.h"
#include "cups/cups_raw_printer.h"
#include "curl/curl_file_sender.h"
#include "platform/platform.h"
#include "platform/posix_ports.h"
#include "platform/uploader.h"
#include "qt/main_window.h"
#include "qt/qt_clock.h"
#include "qt/qt_host.h"
#include "qt/qt_locale.h"
#include "qt/qt_shell.h"
#include "qt/qt_sound.h"
#include "qt/qt_ui.h"
#include "qtprint/qt_system_printer.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VENTRO"));

  const ventro::Path program_folder =
      ventro::StarterFolder(ventro::Path(QCoreApplication::applicationDirPath().toStdU16String()));
  QString icon =
      QDir(QString::fromStdU16String(program_folder.u16string())).filePath("ventro-icon.png");
  if (QFile::exists(icon)) QApplication::setWindowIcon(QIcon(icon));

  ventro::QtUi ui;
  ventro::QtClock clock;
  ventro::QtLocale locale;
  ventro::QtSound sound;
  ventro::QtShell shell;
  ventro::StdFiles files;
  ventro::PosixPorts ports(ventro::DefaultDataFolder() / ventro::kPortMappingFileName);
  ventro::CupsRawPrinter raw_printer;
  ventro::QtSystemPrinter printer;
  // The upload's worker wakes the event loop, which hands its events over on this thread.
  ventro::CurlFileSender sender;
  ventro::Uploader* waking = nullptr;
  ventro::Uploader uploader(sender, [&app, &waking] {
    QMetaObject::invokeMethod(
        &app, [&waking] { waking->Deliver(); }, Qt::QueuedConnection);
  });
  waking = &uploader;
  ventro::Platform platform{ui, clock, locale, sound, shell, files, ports, raw_printer, printer};

  ventro::QtHost host(program_folder);
  ui.SetMainWindow(host.main_window());

  ventro::StartOptions options{ventro::DefaultDataFolder(), program_folder, &uploader};
  return ventro::WinMain(platform, host, options);
}
