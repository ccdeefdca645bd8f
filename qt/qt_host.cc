#include "qt/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/dispatch.h"
#include "qt/main_window.h"
#include "qt/splash_window.h"
#include "qt/text.h"

namespace ventro {
namespace {

// The command the splash window sends as it closes: the clerk signs on.
constexpr int kSignOnCommand = 2457;

QSize Desktop() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

QtHost::QtHost(const Path& program_folder) : program_folder_(program_folder) {
  main_window_ = std::make_unique<MainWindow>([](int id) { return IsCommandBuilt(id); },
                                              [this](int id) {
                                                if (ventro_) DispatchCommand(*ventro_, id);
                                              });
  main_window_->setCloseHandler([this] { Quit(); });
}

QtHost::~QtHost() = default;

void QtHost::RunMessageLoop(Ventro& ventro) {
  if (quit_requested_) return;
  ventro_ = &ventro;
  // The loop ends only through Quit: the splash closing before the main window shows must not
  // end it.
  QApplication::setQuitOnLastWindowClosed(false);
  QString splash_path = QString::fromStdU16String((program_folder_ / "splash.bmp").u16string());
  SplashWindow splash(SplashPicture(splash_path));
  splash.showFor(Desktop(), kSplashMilliseconds, [this] {
    if (quit_requested_) return;
    main_window_->showAtStart(Desktop());
    DispatchCommand(*ventro_, kSignOnCommand);
  });
  if (!quit_requested_) QApplication::exec();
  main_window_->hide();
  ventro_ = nullptr;
}

void QtHost::Quit() {
  quit_requested_ = true;
  QCoreApplication::quit();
}

void QtHost::SetTitle(const std::string& title) { main_window_->setWindowTitle(ToQt(title)); }

void QtHost::ScreenChanged() { main_window_->update(); }

}  // namespace ventro
