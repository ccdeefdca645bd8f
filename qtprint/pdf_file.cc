#include "qtprint/pdf_file.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <functional>
#include <set>

#include "base/cp1252.h"
#include "qtprint/font_fallback.h"
#include "qtprint/qt_print_canvas.h"

namespace ventro {

std::unique_ptr<PrintCanvas> StartPdfDocument(const std::filesystem::path& file,
                                              const std::string& title, const PdfPaper& paper,
                                              std::function<void(bool)> finished) {
  auto writer = std::make_unique<QPdfWriter>(QString::fromStdWString(file.wstring()));
  writer->setResolution(paper.dpi);
  writer->setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
  writer->setCreator(QStringLiteral("VENTRO"));
  const QPageSize size(QSizeF(paper.width_mm, paper.height_mm), QPageSize::Millimeter, QString(),
                       QPageSize::ExactMatch);
  const QMarginsF margins(paper.side_margin_mm, paper.top_margin_mm, paper.side_margin_mm, 0);
  writer->setPageLayout(
      QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter, QMarginsF()));
  QFont device_font(AvailableFontFamily(QString::fromLatin1(paper.device_font)));
  device_font.setPointSizeF(paper.device_font_points);
  device_font.setHintingPreference(QFont::PreferNoHinting);
  return QtPrintCanvas::Create(std::move(writer), std::move(finished), &device_font);
}

PdfPaper PdfPaperFor(const std::string& kind, const PdfPaper& receipt_paper) {
  static const std::set<std::string, std::less<>> kPageDocuments = {
      "statement", "activity",     "letter",         "customer-details",
      "mailmerge", "sales-report", "item-summary",   "stock-list",
      "invoice",   "invoice-2",    "custom-invoice", "delivery-note",
      "quotation", "labels",       "listing",        "takings-graph"};
  return kPageDocuments.contains(kind) ? kA4Paper : receipt_paper;
}

}  // namespace ventro
