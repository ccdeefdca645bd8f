#include "qt/core_view.h"

#include <QFileInfo>

#include "app/ventro.h"
#include "qt/text.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

QString FolderPath(const Path& folder) { return QString::fromStdU16String(folder.u16string()); }

// The name beside a figure of the totals column.
QString FigureLabel(const Ventro& ventro, const std::string& name) {
  auto tax = [&ventro](int n) {
    const std::string stored = ventro.settings.Get(cfg::kTaxName, n);
    return stored.empty() ? QStringLiteral("Tax %1").arg(n) : ToQt(stored);
  };
  if (name == "taxable") return QStringLiteral("Taxable");
  if (name == "non_taxable") return QStringLiteral("Non taxable");
  if (name == "net") return QStringLiteral("Sub total");
  if (name == "tax1") return tax(1);
  if (name == "tax2") return tax(2);
  if (name == "discount") return QStringLiteral("Discount");
  if (name == "grand") return QStringLiteral("Total");
  return QString();
}

void ReadPanel(const Ventro& ventro, ScreenView& view) {
  for (const PanelFigure& figure : PaintTotalsPanel(ventro.settings, ventro.sale.basket)) {
    if (figure.name == "lines") {
      view.line_count = ToQt(figure.text);
    } else if (figure.name == "transaction") {
      view.transaction = ToQt(figure.text);
    } else if (figure.name == "trade") {
      view.trade = true;
    } else if (figure.name == "barcode") {
      view.barcode_mode = true;
    } else {
      view.totals.push_back({FigureLabel(ventro, figure.name), ToQt(figure.text),
                             figure.colour == PanelColour::kDark});
    }
  }
}

}  // namespace

QString PictureFile(const Path& folder, const QString& name) {
  if (name.isEmpty()) return QString();
  const QString base = FolderPath(folder) + u'/';
  for (const QString& candidate : {name, name.toLower()}) {
    if (QFileInfo(base + candidate).isFile()) return base + candidate;
  }
  return QString();
}

ScreenView ViewOfCore(const Ventro& ventro) {
  ScreenView view;
  view.entry_text = ToQt(ventro.screen.entry_text);
  for (const std::string& line : ventro.sale.list) view.basket_lines << ToQt(line);
  view.selected_line = ventro.sale.selected_line;
  view.basket_number = ventro.sale.basket_number;

  view.current_category = ventro.settings.Get(cfg::kCurrentCategory);
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    view.category_codes << ToQt(ventro.settings.CategoryCode(c));
  }
  for (const QuickSelectSlot& slot : ventro.sale.quick_select) {
    QuickSelectView shown;
    shown.item = slot.item_number;
    if (shown.item != 0) {
      shown.description = ToQt(TextOf(slot.description));
      shown.picture = PictureFile(ventro.paths.folder, ToQt(TextOf(slot.picture)));
    }
    view.quick_select.push_back(shown);
  }

  ReadPanel(ventro, view);
  view.tips_off = ventro.settings.Get(cfg::kButtonTipsOff) != 0;
  view.discount_open = ventro.screen.entry_mode == kEntryModeDiscount;
  return view;
}

}  // namespace ventro
