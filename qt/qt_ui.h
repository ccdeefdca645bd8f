// The core's user interface drawn with Qt widgets: message boxes, the two prompts, the list
// chooser and every dialog of the program (through DialogView). All calls are modal.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/table_view.h"
#include "platform/ui.h"
#include "qt/print_cancel_box.h"

namespace ventro {

class QtUi : public Ui, public TableWindows {
 public:
  // The window that owns the dialogs while it is shown (the main window).
  void SetMainWindow(QWidget* window) { main_window_ = window; }

  Answer Message(const std::string& title, const std::string& text, Icon icon,
                 Buttons buttons) override;
  bool EditBox(const std::string& title, std::string& text, size_t max_length) override;
  bool Edit2Box(const std::string& title, const std::string& group, std::string& text,
                size_t max_length) override;
  std::optional<int> SelectFromList(const std::string& name, const std::string& title,
                                    const std::vector<std::string>& items, int selected) override;
  bool RunDialog(Dialog& dialog) override;
  std::optional<std::filesystem::path> SaveFileName(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& suggested) override;
  std::optional<std::filesystem::path> OpenFileName(const std::string& title,
                                                    const std::string& filter) override;
  std::optional<std::filesystem::path> FolderName(const std::string& title) override;
  // The primary screen's full size.
  // Any picture format Qt reads (PNG, JPEG, GIF, bitmap...) is converted to a bitmap.
  std::optional<std::string> PictureAsBitmap(std::string_view bytes) override;
  ScreenSize DesktopSize() override;
  // A window of its own over the main window; a bitmap Qt cannot read opens nothing.
  void ShowPicture(const std::string& title, std::string_view bitmap) override;
  // The cancel box, handling the user's input between pages.
  void BeginPrintProgress() override;
  bool PrintCancelRequested() override;
  void EndPrintProgress() override;
  // The list window (qt/table_window), its rows read as they are shown.
  void ShowTable(TableView& view) override;

 private:
  QWidget* Owner() const;

  QPointer<QWidget> main_window_;
  QPointer<PrintCancelBox> print_box_;
};

}  // namespace ventro
