#include "qt/qt_ui.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "qt/dialog_view.h"
#include "qt/edit_box.h"
#include "qt/picture_window.h"
#include "qt/table_window.h"
#include "qt/text.h"

namespace ventro {
namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::kNone:
      return QMessageBox::NoIcon;
    case Icon::kInformation:
      return QMessageBox::Information;
    case Icon::kWarning:
      return QMessageBox::Warning;
    case Icon::kError:
      return QMessageBox::Critical;
    case Icon::kQuestion:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return QMessageBox::Ok;
    case Buttons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// The answer of a box closed without a button (Escape, the close button): the box's way out.
Answer EscapeAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return Answer::kOk;
    case Buttons::kYesNo:
      return Answer::kNo;
    case Buttons::kOkCancel:
    case Buttons::kYesNoCancel:
      return Answer::kCancel;
  }
  return Answer::kCancel;
}

}  // namespace

QWidget* QtUi::Owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (main_window_ && main_window_->isVisible()) return main_window_;
  return nullptr;
}

Answer QtUi::Message(const std::string& title, const std::string& text, Icon icon,
                     Buttons buttons) {
  QMessageBox box(ToQtIcon(icon), ToQt(title), ToQt(text), ToQtButtons(buttons), Owner());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return Answer::kOk;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return EscapeAnswer(buttons);
  }
}

bool QtUi::EditBox(const std::string& title, std::string& text, size_t max_length) {
  return Edit2Box(title, std::string(), text, max_length);
}

bool QtUi::Edit2Box(const std::string& title, const std::string& group, std::string& text,
                    size_t max_length) {
  EditBoxDialog box(title, group, text, max_length, Owner());
  if (box.exec() != QDialog::Accepted) return false;
  text = box.text();
  return true;
}

std::optional<int> QtUi::SelectFromList(const std::string& name, const std::string& title,
                                        const std::vector<std::string>& items, int selected) {
  QDialog dialog(Owner());
  dialog.setWindowTitle(ToQt(title));
  dialog.setObjectName(ToQt(name));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget;
  for (const std::string& item : items) list->addItem(ToQt(item));
  if (selected >= 0 && selected < list->count()) list->setCurrentRow(selected);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(std::max(360, dialog.sizeHint().width()), 420);
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return list->currentRow();
}

bool QtUi::RunDialog(Dialog& dialog) {
  DialogView view(dialog, Owner());
  return view.run();
}

std::optional<std::filesystem::path> QtUi::SaveFileName(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& suggested) {
  const QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                            .filePath(ToQt(suggested));
  const QString chosen = QFileDialog::getSaveFileName(Owner(), ToQt(title), start, ToQt(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdWString());
}

std::optional<std::filesystem::path> QtUi::OpenFileName(const std::string& title,
                                                        const std::string& filter) {
  const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString chosen = QFileDialog::getOpenFileName(Owner(), ToQt(title), start, ToQt(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdWString());
}

std::optional<std::filesystem::path> QtUi::FolderName(const std::string& title) {
  const QString chosen = QFileDialog::getExistingDirectory(Owner(), ToQt(title));
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdWString());
}

std::optional<std::string> QtUi::PictureAsBitmap(std::string_view bytes) {
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<int>(bytes.size()))) {
    return std::nullopt;
  }
  QByteArray bitmap;
  QBuffer buffer(&bitmap);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "BMP")) return std::nullopt;
  return bitmap.toStdString();
}

ScreenSize QtUi::DesktopSize() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  QRect geometry = screen->geometry();
  return {geometry.width(), geometry.height()};
}

void QtUi::ShowPicture(const std::string& title, std::string_view bitmap) {
  QImage picture;
  if (!picture.loadFromData(reinterpret_cast<const uchar*>(bitmap.data()),
                            static_cast<int>(bitmap.size()), "BMP")) {
    return;
  }
  OpenPictureWindow(ToQt(title), picture, main_window_);
}

void QtUi::ShowTable(TableView& view) { RunTableWindow(view, Owner()); }

void QtUi::BeginPrintProgress() {
  EndPrintProgress();
  print_box_ = new PrintCancelBox(main_window_);
  print_box_->show();
  QCoreApplication::processEvents();
}

bool QtUi::PrintCancelRequested() {
  QCoreApplication::processEvents();
  return print_box_ && print_box_->cancelled();
}

void QtUi::EndPrintProgress() {
  // Closing would count as Cancel (and keep the box up): it is hidden and let go instead.
  if (print_box_) {
    print_box_->hide();
    print_box_->deleteLater();
  }
  print_box_.clear();
}

}  // namespace ventro
