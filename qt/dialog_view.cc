#include "qt/dialog_view.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/text.h"
#include "qt/text_entry.h"

namespace ventro {
namespace {

// Past this many rows a page is laid out in two columns, so that the longest pages of the
// program (some sixty fields) stay within a 1024 x 768 desktop together with the scroll area.
constexpr size_t kRowsPerColumn = 16;

// A scroll area that asks for the whole size of its content, up to what the screen can show.
class FittingScrollArea : public QScrollArea {
 public:
  explicit FittingScrollArea(QWidget* content) {
    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
  }

  QSize sizeHint() const override {
    QSize hint = widget()->sizeHint();
    hint += QSize(2 * frameWidth() + verticalScrollBar()->sizeHint().width(), 2 * frameWidth());
    QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    // Room for the window frame, the tabs and the button row.
    return hint.boundedTo(QSize(available.width() - 60, available.height() - 160));
  }
};

// The keys of an on-screen keypad among a dialog's actions.
bool IsKeypadKey(const std::string& action) {
  return (action.size() == 1 && action[0] >= '0' && action[0] <= '9') || action == "C" ||
         action == "CE" || action == "CA";
}
constexpr QSize kKeypadKeySize(56, 44);

// The light yellow of a box that must be filled.
constexpr char kRequiredStyle[] = "QLineEdit { background-color: rgb(230, 240, 140); }";

// A text box of many lines (a log page, a report) opens large enough to read.
constexpr int kMultilineMinimumWidth = 640;
constexpr int kMultilineMinimumHeight = 400;

// Notes wrap; below this width a sentence would stand a word or two to a line.
constexpr int kNoteMinimumWidth = 360;

bool IsLineEdit(const DialogField& field) {
  const FieldKind kind = field.kind;
  return kind == FieldKind::kText || kind == FieldKind::kNumber || kind == FieldKind::kCents ||
         kind == FieldKind::kPassword || (kind == FieldKind::kReadOnly && !field.multiline);
}

// A text of several lines as the text box shows it: the core's CR LF line ends as single
// breaks.
QString MultilineText(const std::string& text) {
  QString shown = ToQt(text);
  shown.remove(QChar('\r'));
  return shown;
}

EntryRule RuleOf(FieldKind kind) {
  if (kind == FieldKind::kNumber) return EntryRule::kNumber;
  if (kind == FieldKind::kCents) return EntryRule::kDigits;
  return EntryRule::kText;
}

// Fields the user can change, in which the keyboard focus may start.
bool TakesFocus(const DialogField& field) {
  return field.enabled && field.kind != FieldKind::kReadOnly && field.kind != FieldKind::kNote;
}

QDialogButtonBox::ButtonRole RoleOf(const std::string& button) {
  if (button == "Cancel") return QDialogButtonBox::RejectRole;
  if (button == "Yes") return QDialogButtonBox::YesRole;
  if (button == "No") return QDialogButtonBox::NoRole;
  return QDialogButtonBox::AcceptRole;
}

// The keypad-fed dialog open over the main window, if any.
QPointer<DialogView> keypad_fed_open;

}  // namespace

// Fields that share one group box, or a run of fields outside any group.
struct DialogView::Block {
  std::string group;
  std::vector<size_t> indices;
};

DialogView::DialogView(Dialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), original_fields_(dialog.fields) {
  setWindowTitle(ToQt(dialog_.title));
  setObjectName(ToQt(dialog_.name));
  widgets_.assign(dialog_.fields.size(), nullptr);
  labels_.assign(dialog_.fields.size(), nullptr);

  // Pages in the order of their first field; fields without a page stand above the tabs.
  std::vector<size_t> unpaged;
  std::vector<std::pair<std::string, std::vector<size_t>>> pages;
  for (size_t i = 0; i < dialog_.fields.size(); ++i) {
    const std::string& page = dialog_.fields[i].page;
    if (page.empty()) {
      unpaged.push_back(i);
      continue;
    }
    auto it = std::find_if(pages.begin(), pages.end(),
                           [&](const auto& entry) { return entry.first == page; });
    if (it == pages.end()) {
      pages.push_back({page, {}});
      it = pages.end() - 1;
    }
    it->second.push_back(i);
  }

  auto* layout = new QVBoxLayout(this);
  if (!unpaged.empty()) layout->addWidget(buildFields(unpaged, pages.empty()));
  if (!pages.empty()) {
    auto* tabs = new QTabWidget;
    for (const auto& [page, indices] : pages) {
      tabs->addTab(withPageActions(buildFields(indices, true), page), ToQt(page));
    }
    layout->addWidget(tabs);
  }
  buildButtons(layout);
  refresh();
  // A window left to size itself takes at most two thirds of the screen; a long page should
  // use what the screen has.
  QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(sizeHint().boundedTo(available.size() - QSize(20, 40)));
}

QWidget* DialogView::buildFields(const std::vector<size_t>& indices, bool allow_scroll) {
  // A group collects all its fields at the place of its first one.
  std::vector<Block> blocks;
  for (size_t index : indices) {
    const std::string& group = dialog_.fields[index].group;
    auto it = blocks.end();
    if (!group.empty()) {
      it = std::find_if(blocks.begin(), blocks.end(),
                        [&](const Block& block) { return block.group == group; });
    } else if (!blocks.empty() && blocks.back().group.empty()) {
      it = blocks.end() - 1;
    }
    if (it == blocks.end()) {
      blocks.push_back({group, {}});
      it = blocks.end() - 1;
    }
    it->indices.push_back(index);
  }

  bool long_page = indices.size() > kRowsPerColumn;
  auto* content = new QWidget;
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  columns->addLayout(left);
  QVBoxLayout* right = left;
  if (long_page && blocks.size() > 1) {
    right = new QVBoxLayout;
    columns->addLayout(right);
  }
  size_t rows_left = 0;
  for (const Block& block : blocks) {
    // With two columns of blocks, blocks fill the left column to half the rows.
    bool to_left = right == left || rows_left * 2 < indices.size();
    QWidget* widget = buildBlock(block, long_page && blocks.size() == 1);
    (to_left ? left : right)->addWidget(widget);
    if (to_left) rows_left += block.indices.size();
  }
  left->addStretch();
  if (right != left) right->addStretch();

  // A short plain dialog needs no scroll area, which would also keep its wrapped notes from
  // asking for the height they need.
  const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const bool fits = content->sizeHint().height() < available.height() - 160;
  if (!long_page && (!allow_scroll || fits)) return content;
  return new FittingScrollArea(content);
}

QWidget* DialogView::withPageActions(QWidget* fields, const std::string& page) {
  std::vector<std::string> actions;
  for (const std::string& action : dialog_.actions) {
    auto it = dialog_.action_pages.find(action);
    if (it != dialog_.action_pages.end() && it->second == page) actions.push_back(action);
  }
  if (actions.empty()) return fields;
  auto* widget = new QWidget;
  auto* layout = new QVBoxLayout(widget);
  layout->addWidget(fields);
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (const std::string& action : actions) {
    auto* button = new QPushButton(ToQt(action));
    connect(button, &QPushButton::clicked, this, [this, action] { actionPressed(action); });
    buttons_.push_back({action, button});
    row->addWidget(button);
  }
  layout->addLayout(row);
  return widget;
}

QWidget* DialogView::buildBlock(const Block& block, bool split) {
  QWidget* box = block.group.empty() ? new QWidget : new QGroupBox(ToQt(block.group));
  auto* row = new QHBoxLayout(box);
  if (block.group.empty()) row->setContentsMargins(0, 0, 0, 0);
  // One form, or two side by side for a single long block.
  size_t per_form = split ? (block.indices.size() + 1) / 2 : block.indices.size();
  QFormLayout* form = nullptr;
  for (size_t k = 0; k < block.indices.size(); ++k) {
    if (k % std::max<size_t>(per_form, 1) == 0) {
      form = new QFormLayout;
      form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
      row->addLayout(form);
    }
    addFieldRow(form, block.indices[k]);
  }
  return box;
}

void DialogView::addFieldRow(QFormLayout* form, size_t index) {
  const DialogField& field = dialog_.fields[index];
  QWidget* widget = makeFieldWidget(index);
  widgets_[index] = widget;
  if (field.kind == FieldKind::kCheck) {
    form->addRow(QString(), widget);  // in the field column, aligned with the entries
  } else if (field.kind == FieldKind::kNote || field.label.empty()) {
    form->addRow(widget);  // across both columns
  } else {
    auto* label = new QLabel(ToQt(field.label));
    label->setBuddy(widget);
    labels_[index] = label;
    form->addRow(label, widget);
  }
}

QWidget* DialogView::makeFieldWidget(size_t index) {
  const DialogField& field = dialog_.fields[index];
  auto edited = [this, index] { fieldEdited(index); };
  switch (field.kind) {
    case FieldKind::kText:
    case FieldKind::kNumber:
    case FieldKind::kCents:
    case FieldKind::kPassword: {
      auto* edit = new QLineEdit;
      SetUpEntry(edit, RuleOf(field.kind), field.max_length);
      if (field.kind == FieldKind::kPassword) edit->setEchoMode(QLineEdit::Password);
      if (field.required) edit->setStyleSheet(kRequiredStyle);
      connect(edit, &QLineEdit::textChanged, this, edited);
      return edit;
    }
    case FieldKind::kReadOnly: {
      if (field.multiline) {
        auto* box = new QPlainTextEdit;
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        box->setMinimumSize(kMultilineMinimumWidth, kMultilineMinimumHeight);
        return box;
      }
      auto* edit = new QLineEdit;
      edit->setReadOnly(true);
      if (field.required) edit->setStyleSheet(kRequiredStyle);
      return edit;
    }
    case FieldKind::kCheck: {
      auto* check = new QCheckBox(ToQt(field.label));
      connect(check, &QCheckBox::toggled, this, edited);
      return check;
    }
    case FieldKind::kChoice: {
      auto* combo = new QComboBox;
      connect(combo, &QComboBox::currentIndexChanged, this, edited);
      return combo;
    }
    case FieldKind::kNote: {
      auto* note = new QLabel;
      note->setWordWrap(true);
      note->setTextFormat(Qt::PlainText);
      note->setMinimumWidth(kNoteMinimumWidth);
      return note;
    }
  }
  return new QWidget;
}

void DialogView::buildButtons(QVBoxLayout* layout) {
  // A dialog with a keypad among its actions (digits, "C", "CE") shows it as a block of keys
  // beside its other actions, rather than as one row wider than the screen.
  const auto keypad_count = std::count_if(dialog_.actions.begin(), dialog_.actions.end(),
                                          [](const std::string& a) { return IsKeypadKey(a); });
  const bool with_keypad = keypad_count >= 10;
  QGridLayout* keys = nullptr;
  QVBoxLayout* side = nullptr;
  if (with_keypad) {
    auto* row = new QHBoxLayout;
    side = new QVBoxLayout;
    keys = new QGridLayout;
    keys->setSpacing(4);
    row->addStretch();
    row->addLayout(side);
    row->addSpacing(16);
    row->addLayout(keys);
    row->addStretch();
    side->addStretch();
    layout->addLayout(row);
  }

  auto* box = new QDialogButtonBox;
  int key_index = 0;
  for (const std::string& action : dialog_.actions) {
    if (dialog_.action_pages.count(action)) continue;  // drawn on its page
    bool apply = action == "Apply";
    QPushButton* button = nullptr;
    if (with_keypad) {
      button = new QPushButton(ToQt(action));
      if (IsKeypadKey(action)) {
        button->setFixedSize(kKeypadKeySize);
        keys->addWidget(button, key_index / 3, key_index % 3);
        ++key_index;
      } else {
        button->setFixedHeight(kKeypadKeySize.height());
        side->insertWidget(side->count() - 1, button);
      }
    } else {
      button = box->addButton(ToQt(action),
                              apply ? QDialogButtonBox::ApplyRole : QDialogButtonBox::ActionRole);
    }
    connect(button, &QPushButton::clicked, this, [this, action] { actionPressed(action); });
    buttons_.push_back({action, button});
    if (apply) {
      apply_ = button;
      apply_->setEnabled(false);  // nothing to apply until something is edited
    }
  }
  QPushButton* default_button = nullptr;
  for (const std::string& text : dialog_.buttons) {
    QPushButton* button = box->addButton(ToQt(text), RoleOf(text));
    connect(button, &QPushButton::clicked, this, [this, text] { closeWith(text); });
    buttons_.push_back({text, button});
    if (text == "OK" || !default_button) default_button = button;
  }
  for (auto& [name, button] : buttons_) {
    button->setAutoDefault(false);
    if (dialog_.Greyed(name)) button->setEnabled(false);
  }
  if (default_button) default_button->setDefault(true);
  layout->addWidget(box);
}

void DialogView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  placeFocus();
  // Once laid out at its final width, each wrapped note asks for the height it needs.
  QTimer::singleShot(0, this, [this] { fitNotes(); });
}

QWidget* DialogView::initialFocus() const {
  if (!dialog_.focus.empty()) {
    if (QWidget* widget = fieldWidget(dialog_.focus)) return widget;
    if (QWidget* widget = button(dialog_.focus)) return widget;
  }
  for (size_t i = 0; i < dialog_.fields.size() && i < widgets_.size(); ++i) {
    if (widgets_[i] && TakesFocus(dialog_.fields[i])) return widgets_[i];
  }
  return nullptr;
}

void DialogView::placeFocus() {
  QWidget* target = initialFocus();
  if (!target) return;
  if (auto* tabs = findChild<QTabWidget*>()) {
    for (int k = 0; k < tabs->count(); ++k) {
      if (tabs->widget(k)->isAncestorOf(target)) tabs->setCurrentIndex(k);
    }
  }
  target->setFocus(Qt::OtherFocusReason);
}

void DialogView::fitNotes() {
  for (size_t i = 0; i < dialog_.fields.size() && i < widgets_.size(); ++i) {
    if (dialog_.fields[i].kind != FieldKind::kNote || !widgets_[i]) continue;
    QWidget* note = widgets_[i];
    note->setMinimumHeight(note->heightForWidth(note->width()));
  }
}

bool DialogView::run() {
  closed_by_button_ = false;
  if (dialog_.keypad_fed && parentWidget()) {
    runBesideParent();
  } else {
    exec();
  }
  return closed_by_button_ && dialog_.pressed != "Cancel";
}

void DialogView::runBesideParent() {
  setModal(false);
  adjustSize();
  const QRect over = parentWidget()->window()->geometry();
  move(over.center().x() - width() / 2, over.bottom() - height());
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  QPointer<DialogView> outer = keypad_fed_open;
  keypad_fed_open = this;
  show();
  raise();
  activateWindow();
  loop.exec();
  keypad_fed_open = outer;
}

DialogView* DialogView::keypadFedOpen() { return keypad_fed_open.data(); }

QLineEdit* DialogView::fedEntry() const {
  auto entry_of = [](QWidget* widget) -> QLineEdit* {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit && !edit->isReadOnly() ? edit : nullptr;
  };
  QWidget* focused = focusWidget();
  if (focused && std::find(widgets_.begin(), widgets_.end(), focused) == widgets_.end()) {
    focused = focused->parentWidget();  // the entry inside an editable list
  }
  if (QLineEdit* edit = focused ? entry_of(focused) : nullptr) return edit;
  return entry_of(initialFocus());
}

void DialogView::feedKeypad(int key) {
  if (QLineEdit* edit = fedEntry()) {
    QString text = edit->text();
    if (key >= 0 && key <= 9) {
      text += QChar(static_cast<char16_t>(u'0' + key));
    } else if (key == 10) {
      text.clear();
    } else if (key == 11) {
      text.chop(1);
    }
    // The entry's length limit holds as for typing; the change reaches the core as an edit.
    edit->setText(text.left(edit->maxLength()));
    edit->setFocus(Qt::OtherFocusReason);
  }
  refocus();
}

void DialogView::refocus() {
  raise();
  activateWindow();
  if (QLineEdit* edit = fedEntry()) {
    edit->setFocus(Qt::OtherFocusReason);
  } else {
    placeFocus();
  }
}

QWidget* DialogView::fieldWidget(const std::string& key) const {
  for (size_t i = 0; i < dialog_.fields.size() && i < widgets_.size(); ++i) {
    if (dialog_.fields[i].key == key) return widgets_[i];
  }
  return nullptr;
}

QPushButton* DialogView::button(const std::string& text) const {
  for (const auto& [name, button] : buttons_) {
    if (name == text) return button;
  }
  return nullptr;
}

void DialogView::reject() {
  dialog_.pressed = "Cancel";
  closed_by_button_ = false;
  dialog_.fields = original_fields_;
  QDialog::reject();
}

void DialogView::fieldEdited(size_t index) {
  if (refreshing_ || index >= dialog_.fields.size()) return;
  DialogField& field = dialog_.fields[index];
  QWidget* widget = widgets_[index];
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    field.text = ToCore(edit->text());
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    field.checked = check->isChecked();
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    field.choice = combo->currentIndex();
  }
  if (apply_) apply_->setEnabled(true);
  std::string key = field.key;  // on_change may rewrite the field
  if (dialog_.on_change) dialog_.on_change(dialog_, key);
  refresh();
}

void DialogView::actionPressed(const std::string& action) {
  if (dialog_.on_change) dialog_.on_change(dialog_, action);
  refresh();
  if (action == "Apply" && apply_) apply_->setEnabled(false);
}

void DialogView::closeWith(const std::string& button) {
  dialog_.pressed = button;
  closed_by_button_ = true;
  if (button == "Cancel") {
    dialog_.fields = original_fields_;
    done(Rejected);
  } else {
    done(Accepted);
  }
}

void DialogView::refresh() {
  refreshing_ = true;
  size_t count = std::min(dialog_.fields.size(), widgets_.size());
  for (size_t i = 0; i < count; ++i) {
    const DialogField& field = dialog_.fields[i];
    QWidget* widget = widgets_[i];
    if (!widget) continue;
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      const QString text = MultilineText(field.text);
      if (box->toPlainText() != text) box->setPlainText(text);
    } else if (IsLineEdit(field)) {
      auto* edit = static_cast<QLineEdit*>(widget);
      QString text = ToQt(field.text);
      if (edit->text() != text) {
        // Keep the cursor where the user was typing when the core rewrites the text.
        int cursor = edit->cursorPosition();
        edit->setText(text);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
      }
    } else if (field.kind == FieldKind::kCheck) {
      auto* check = static_cast<QCheckBox*>(widget);
      check->setChecked(field.checked);
      check->setText(ToQt(field.label));
    } else if (field.kind == FieldKind::kChoice) {
      auto* combo = static_cast<QComboBox*>(widget);
      QStringList options;
      for (const std::string& option : field.options) options << ToQt(option);
      QStringList shown;
      for (int k = 0; k < combo->count(); ++k) shown << combo->itemText(k);
      if (options != shown) {
        combo->clear();
        combo->addItems(options);
      }
      int choice = field.choice >= 0 && field.choice < combo->count() ? field.choice : -1;
      combo->setCurrentIndex(choice);
    } else if (field.kind == FieldKind::kNote) {
      static_cast<QLabel*>(widget)->setText(ToQt(field.text.empty() ? field.label : field.text));
    }
    widget->setEnabled(field.enabled);
    if (QLabel* label = labels_[i]) {
      label->setText(ToQt(field.label));
      label->setEnabled(field.enabled);
    }
  }
  refreshing_ = false;
  if (isVisible()) fitNotes();
}

}  // namespace ventro
