// The sale screen: the main window's whole client area. It holds the toolbar band, the screen
// buttons, keypad, category and quick-select buttons, the shortcut panel, the item entry box,
// the basket list, its status line and totals; places them by the core's layout on every
// resize; paints the background and the frames; and draws a ScreenView when told to.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QWidget>

#include "app/screen_layout.h"
#include "qt/button_group.h"
#include "qt/screen_view.h"

class QListWidget;

namespace ventro {

class BasketStatus;
class CategoryBar;
class EntryBox;
class QuickSelectPanel;
class SaleToolbar;
class ScreenButtons;
class TileButton;
class TotalsPanel;

// Height of the toolbar band at the top of the client area.
inline constexpr int kToolbarBandHeight = 40;

class SaleScreen : public QWidget {
  Q_OBJECT

 public:
  // What the screen reports; any may be left empty.
  struct Handlers {
    std::function<void(int)> command;                     // a button or toolbar entry
    std::function<void(int)> key_command;                 // a key of the entry box's key map
    std::function<void()> enter;                          // Enter in the item entry box
    std::function<void(const QString&)> entry_edited;     // the user changed the entry text
    std::function<void(int)> line_selected;               // the user selected a basket line
    std::function<void(int)> quick_select_count_changed;  // the layout's count changed
  };

  explicit SaleScreen(Handlers handlers, QWidget* parent = nullptr);
  ~SaleScreen() override;

  // Shows `view`. Only what differs from what is shown is redrawn, and the entry box keeps its
  // cursor when its text is unchanged.
  void refresh(const ScreenView& view);
  // Greys the buttons and toolbar entries whose commands this build cannot run.
  void setEnabledBy(const std::function<bool(int)>& is_built);

  const SaleScreenLayout& screenLayout() const { return layout_; }
  EntryBox* entryBox() const { return entry_; }
  QListWidget* basketList() const { return list_; }
  SaleToolbar* toolbar() const { return toolbar_; }
  BasketStatus* basketStatus() const { return status_; }
  TotalsPanel* totals() const { return totals_; }
  QuickSelectPanel* quickSelect() const { return quick_select_.get(); }
  CategoryBar* categories() const { return categories_.get(); }
  // Any button of the screen by its command number (screen buttons, keypad, categories,
  // quick-select, shortcut panel), or nullptr.
  QWidget* button(int id) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void applyLayout();

  Handlers handlers_;
  SaleScreenLayout layout_;
  SaleToolbar* toolbar_;
  EntryBox* entry_;
  QListWidget* list_;
  BasketStatus* status_;
  TotalsPanel* totals_;
  std::unique_ptr<ScreenButtons> screen_buttons_;
  ButtonGroup<TileButton> keypad_;
  std::unique_ptr<CategoryBar> categories_;
  std::unique_ptr<QuickSelectPanel> quick_select_;
  ButtonGroup<TileButton> shortcuts_;
  bool refreshing_ = false;  // list signals raised by refresh() are not the user's
};

}  // namespace ventro
