#include "qt/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/dispatch.h"
#include "app/restrictions.h"
#include "app/sale_screen.h"
#include "app/simple_commands.h"
#include "app/ventro.h"
#include "qt/core_view.h"
#include "qt/main_window.h"
#include "qt/splash_window.h"
#include "qt/text.h"
#include "sale/item_entry.h"
#include "sale/quick_select.h"

namespace ventro {
namespace {

QSize Desktop() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

QtHost::QtHost(const Path& program_folder) : program_folder_(program_folder) {
  // Until the run starts (ventro_ set) the window shows an empty screen and sends nothing.
  ScreenHooks hooks;
  hooks.run = [this](int id) {
    if (ventro_) DispatchCommand(*ventro_, id);
  };
  hooks.key = [this](int id) {
    if (ventro_) PressShortcutKey(*ventro_, id);
  };
  hooks.is_enabled = [this](int id) {
    return ventro_ ? IsCommandEnabled(*ventro_, id) : IsCommandBuilt(id);
  };
  hooks.is_checked = [this](int id) { return ventro_ && IsMenuEntryChecked(*ventro_, id); };
  hooks.is_menu_enabled = [this](std::string_view title) {
    return !ventro_ || IsTopMenuEnabled(*ventro_, title);
  };
  hooks.is_built = [](int id) { return IsCommandBuilt(id); };
  hooks.enter = [this] {
    if (ventro_) EnterItem(ventro_->sale_session());
  };
  hooks.entry_edited = [this](const std::string& text) {
    if (ventro_) ventro_->screen.entry_text = text;
  };
  hooks.line_selected = [this](int row) {
    if (ventro_) ventro_->sale.selected_line = row;
  };
  hooks.quick_select_count_changed = [this](int count) {
    quick_select_count_ = count;
    if (!ventro_) return;
    ventro_->screen.quick_select_count = count;
    FillQuickSelect(ventro_->sale_session());
  };
  hooks.view = [this] { return ventro_ ? ViewOfCore(*ventro_) : ScreenView{}; };
  main_window_ = std::make_unique<MainWindow>(std::move(hooks));
  main_window_->setCloseHandler([this] { Quit(); });
}

QtHost::~QtHost() = default;

void QtHost::RunMessageLoop(Ventro& ventro) {
  if (quit_requested_) return;
  ventro_ = &ventro;
  if (quick_select_count_ > 0 && ventro.screen.quick_select_count != quick_select_count_) {
    ventro.screen.quick_select_count = quick_select_count_;
    FillQuickSelect(ventro.sale_session());
  }
  main_window_->refresh();
  // The loop ends only through Quit: the splash closing before the main window shows must not
  // end it.
  QApplication::setQuitOnLastWindowClosed(false);
  QString splash_path = QString::fromStdU16String((program_folder_ / "splash.bmp").u16string());
  SplashWindow splash(SplashPicture(splash_path));
  splash.showFor(Desktop(), kSplashMilliseconds, [this] {
    if (quit_requested_) return;
    main_window_->showAtStart(Desktop());
    OnSplashClosed(*ventro_);
    main_window_->refresh();
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

void QtHost::ScreenChanged() { main_window_->refresh(); }

}  // namespace ventro
