// The user interface as the core sees it. Every text is Windows-1252; the implementation
// converts at its edge. Calls are modal: they return when the user has answered.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dialog.h"

namespace ventro {

enum class Icon { kNone, kInformation, kWarning, kError, kQuestion };
enum class Buttons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

struct ScreenSize {
  int width = 0;
  int height = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A message box; returns the button that closed it.
  virtual Answer Message(const std::string& title, const std::string& text, Icon icon = Icon::kNone,
                         Buttons buttons = Buttons::kOk) = 0;

  // The one-line prompt "EDITBOX": `title` is the prompt, `text` the start text and the
  // result. Typed letters are upper-cased. False when cancelled.
  virtual bool EditBox(const std::string& title, std::string& text, size_t max_length = 40) = 0;

  // The one-line prompt "EDIT2BOX" with a group label above the field. False when cancelled.
  virtual bool Edit2Box(const std::string& title, const std::string& group, std::string& text,
                        size_t max_length = 40) = 0;

  // A list to choose from; `name` is the dialog's template name. The index chosen, or nothing
  // when cancelled.
  virtual std::optional<int> SelectFromList(const std::string& name, const std::string& title,
                                            const std::vector<std::string>& items,
                                            int selected = 0) = 0;

  // Runs one of the program's dialogs; false when closed with Cancel (or the window's close).
  // On return `dialog.pressed` names the closing button and the fields hold the user's values.
  virtual bool RunDialog(Dialog& dialog) = 0;

  // Asks where to save a file: `title` heads the chooser, `filter` names the files shown
  // ("PDF files (*.pdf)") and `suggested` is the name offered. Nothing when cancelled.
  virtual std::optional<std::filesystem::path> SaveFileName(const std::string& title,
                                                            const std::string& filter,
                                                            const std::string& suggested) = 0;

  // Asks which existing file to open: `title` heads the chooser and `filter` names the files
  // shown ("Text files (*.txt)"). Nothing when cancelled.
  virtual std::optional<std::filesystem::path> OpenFileName(const std::string& title,
                                                            const std::string& filter) = 0;

  // Asks for a folder: `title` heads the chooser. Nothing when cancelled.
  virtual std::optional<std::filesystem::path> FolderName(const std::string& title) {
    (void)title;
    return std::nullopt;
  }

  // `bytes`, a picture file the user chose, as a Windows bitmap file: a front end that reads
  // other picture formats converts them. Nothing when the bytes are no picture it reads. This
  // default reads bitmaps only and gives them unchanged.
  virtual std::optional<std::string> PictureAsBitmap(std::string_view bytes) {
    if (!IsBitmapFile(bytes)) return std::nullopt;
    return std::string(bytes);
  }

  // The size of the desktop the program runs on.
  virtual ScreenSize DesktopSize() = 0;

  // A window titled `title` painting `bitmap` (a Windows bitmap file's bytes). It stays open
  // beside what follows: the call does not wait for the user.
  virtual void ShowPicture(const std::string& title, std::string_view bitmap) {
    (void)title;
    (void)bitmap;
  }

  // The cancel box "PrintDlgBox" while a document prints: opened before the first page, asked
  // between pages whether its Cancel was pressed (the front end handles the user's input
  // there), closed when the printing ends. Printing goes on unasked without one.
  virtual void BeginPrintProgress() {}
  virtual bool PrintCancelRequested() { return false; }
  virtual void EndPrintProgress() {}
};

}  // namespace ventro
