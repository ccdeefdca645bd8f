#include "qtprint/qt_system_printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "base/cp1252.h"
#include "qtprint/pdf_file.h"
#include "qtprint/qt_print_canvas.h"

namespace ventro {

std::unique_ptr<PrintCanvas> QtSystemPrinter::StartDocument(const std::string& printer,
                                                            const std::string& title,
                                                            const std::string&) {
  const QString name = printer.empty() ? QPrinterInfo::defaultPrinterName()
                                       : QString::fromStdString(Cp1252ToUtf8(printer));
  if (name.isEmpty()) return nullptr;
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  device->setPrinterName(name);
  if (!device->isValid() || device->printerName() != name) return nullptr;
  device->setDocName(QString::fromStdString(Cp1252ToUtf8(title)));
  device->setFullPage(false);
  return QtPrintCanvas::Create(std::move(device));
}

std::unique_ptr<PrintCanvas> QtSystemPrinter::StartPdfFile(const std::filesystem::path& file,
                                                           const std::string& title,
                                                           const std::string& kind) {
  return StartPdfDocument(file, title, PdfPaperFor(kind));
}

}  // namespace ventro
