#include "app/settings/settings_controls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/bridge/dpi.h"
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

}  // namespace kirvo
