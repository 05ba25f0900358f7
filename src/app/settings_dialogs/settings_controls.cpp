#include "app/settings_dialogs/settings_controls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGridLayout>
#include <QTabWidget>
#include <QTableView>

#include "app/bridge/dpi.h"
#include "app/bridge/colour.h"
#include "app/bridge/text.h"

namespace kirvo {

ChoiceGroup::ChoiceGroup(std::string_view key, std::string_view caption, std::span<const std::string_view> items,
                         Flow flow, QWidget* parent)
    : QGroupBox(ToQString(caption), parent), buttons_(new QButtonGroup(this)) {
  setObjectName(ToQString(key));
  QBoxLayout* layout = flow == Flow::kDown ? static_cast<QBoxLayout*>(new QVBoxLayout(this)) : new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(flow == Flow::kDown ? 0 : 12);
  int index = 0;
  for (std::string_view item : items) {
    if (item.empty()) break;
    auto* button = new QRadioButton(ToQString(item), this);
    button->setObjectName(ToQString(key) + QString::number(index));
    buttons_->addButton(button, index++);
    layout->addWidget(button);
  }
  if (flow == Flow::kAcross) layout->addStretch(1);
  connect(buttons_, &QButtonGroup::idClicked, this, &ChoiceGroup::chosen);
}

int ChoiceGroup::index() const { return buttons_->checkedId(); }

void ChoiceGroup::SetIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  // No item: the exclusive group would keep its last button checked.
  buttons_->setExclusive(false);
  for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
  buttons_->setExclusive(true);
}

CheckGroup::CheckGroup(std::string_view key, std::string_view caption, std::span<const std::string_view> items,
                       int columns, QWidget* parent)
    : QGroupBox(ToQString(caption), parent) {
  setObjectName(ToQString(key));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setVerticalSpacing(0);
  for (std::size_t item = 0; item < items.size(); ++item) {
    auto* box = new QCheckBox(ToQString(items[item]), this);
    box->setObjectName(ToQString(key) + QString::number(item));
    grid->addWidget(box, static_cast<int>(item) / columns, static_cast<int>(item) % columns);
    connect(box, &QCheckBox::clicked, this, [this] { emit changed(bits()); });
  }
}

std::uint32_t CheckGroup::bits() const {
  std::uint32_t bits = beyond_items_;
  const QList<QCheckBox*> boxes = findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly);
  for (qsizetype item = 0; item < boxes.size(); ++item) {
    if (boxes[item]->isChecked()) bits |= 1u << item;
  }
  return bits;
}

void CheckGroup::SetBits(std::uint32_t bits) {
  const QList<QCheckBox*> boxes = findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly);
  beyond_items_ = boxes.size() >= 32 ? 0 : bits & ~((1u << boxes.size()) - 1);
  for (qsizetype item = 0; item < boxes.size(); ++item) boxes[item]->setChecked(((bits >> item) & 1u) != 0);
}

ColourButton::ColourButton(std::string_view key, std::string_view caption, QWidget* parent)
    : QPushButton(ToQString(caption), parent) {
  setObjectName(ToQString(key));
  setAutoDefault(false);
}

void ColourButton::SetColour(Rgb colour) {
  const QColor fill = ToQColor(colour);
  const QColor text = ToQColor(ContrastTextColour(colour));
  setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray; padding: 3px; }")
                    .arg(fill.name(), text.name()));
}

QCheckBox* FlagBox(std::string_view key, std::string_view caption, QWidget* parent) {
  auto* box = new QCheckBox(ToQString(caption), parent);
  box->setObjectName(ToQString(key));
  return box;
}

QLineEdit* NumberField(std::string_view key, int width_px, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(ToQString(key));
  if (width_px > 0) field->setFixedWidth(ScaledPx(*field, width_px));
  return field;
}

QTableView* SettingsTableView(std::string_view key, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(ToQString(key));
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(ScaledPx(*view, 20));
  view->horizontalHeader()->setMinimumSectionSize(ScaledPx(*view, 30));
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  return view;
}

QPushButton* NamedButton(std::string_view key, std::string_view caption, QWidget* parent) {
  auto* button = new QPushButton(ToQString(caption), parent);
  button->setObjectName(ToQString(key));
  button->setAutoDefault(false);
  return button;
}

QLabel* Note(std::string_view text, QWidget* parent) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setWordWrap(true);
  return label;
}

void ShowRefusedControl(QWidget& dialog, QTabWidget& tabs, const CloseCheckFailure& refusal) {
  QWidget* control = dialog.findChild<QWidget*>(ToQString(refusal.key));
  if (control == nullptr) return;
  for (int page = 0; page < tabs.count(); ++page) {
    if (tabs.widget(page)->isAncestorOf(control)) tabs.setCurrentIndex(page);
  }
  control->setFocus();
  if (auto* view = qobject_cast<QTableView*>(control); view && refusal.cell) {
    const QModelIndex cell =
        view->model()->index(static_cast<int>(refusal.cell->row), static_cast<int>(refusal.cell->column));
    view->setCurrentIndex(cell);
    view->scrollTo(cell);
  } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
    field->selectAll();
  }
}

void HideBrandedControls(QWidget& dialog, QTabWidget& tabs, const Branding& branding) {
  const std::string form = ToUtf8(dialog.objectName());
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || !IsHiddenByBranding(branding, form, ToUtf8(control->objectName()))) continue;
    if (const int page = tabs.indexOf(control); page >= 0) {
      tabs.setTabVisible(page, false);
    } else {
      control->hide();
    }
  }
}

void AddDialogButtons(QDialog& dialog, QBoxLayout& layout, std::function<void()> help) {
  const auto bottom_button = [&dialog](const QString& caption) {
    auto* button = new QPushButton(caption, &dialog);
    button->setMinimumWidth(ScaledPx(*button, 75));
    return button;
  };
  QPushButton* ok = bottom_button(QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel = bottom_button(QStringLiteral("キャンセル"));
  QPushButton* help_button = bottom_button(QStringLiteral("ヘルプ"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {ok, cancel, help_button}) buttons->addWidget(button);
  buttons->addStretch(1);
  layout.addLayout(buttons);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  QObject::connect(help_button, &QPushButton::clicked, &dialog, std::move(help));
}

}  // namespace kirvo
