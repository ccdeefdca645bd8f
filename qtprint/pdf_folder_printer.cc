#include "qtprint/pdf_folder_printer.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <memory>
#include <system_error>

#include "base/cp1252.h"
#include "base/format.h"
#include "qtprint/font_fallback.h"
#include "qtprint/qt_print_canvas.h"

namespace ventro {

PdfFolderPrinter::PdfFolderPrinter(std::filesystem::path folder, Finished finished, PdfPaper paper)
    : folder_(std::move(folder)), finished_(std::move(finished)), paper_(paper) {}

std::unique_ptr<PrintCanvas> PdfFolderPrinter::StartDocument(const std::string& printer,
                                                             const std::string& title,
                                                             const std::string& kind) {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  const std::string name = StringPrintf("%03d-%s.pdf", ++count_, kind.c_str());
  const std::filesystem::path file = folder_ / name;

  auto writer = std::make_unique<QPdfWriter>(QString::fromStdString(file.string()));
  writer->setResolution(paper_.dpi);
  writer->setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
  writer->setCreator(QStringLiteral("VENTRO"));
  const QPageSize size(QSizeF(paper_.width_mm, paper_.height_mm), QPageSize::Millimeter, QString(),
                       QPageSize::ExactMatch);
  const QMarginsF margins(paper_.side_margin_mm, paper_.top_margin_mm, paper_.side_margin_mm, 0);
  writer->setPageLayout(
      QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter, QMarginsF()));
  QFont device_font(AvailableFontFamily(QString::fromLatin1(paper_.device_font)));
  device_font.setPointSizeF(paper_.device_font_points);
  device_font.setHintingPreference(QFont::PreferNoHinting);
  Finished finished = finished_;
  return QtPrintCanvas::Create(
      std::move(writer),
      [=](bool ok) {
        if (finished) finished(kind, printer, name, ok);
      },
      &device_font);
}

}  // namespace ventro
