#include "app/tools/tool_settings_dialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/bridge/text.h"

namespace kirvo {
namespace {

std::string ToolEntry::*const kColumns[4] = {&ToolEntry::title, &ToolEntry::program, &ToolEntry::file,
                                             &ToolEntry::folder};

}  // namespace

ToolSettingsDialog::ToolSettingsDialog(ToolList list, std::function<QString()> choose_program, QWidget* parent)
    : QDialog(parent), list_(std::move(list)), choose_program_(std::move(choose_program)) {
  setObjectName(QStringLiteral("ToolF"));
  setWindowTitle(ToQString(kToolSettingsCaption));
  resize(640, 420);

  table_ = new QTableWidget(kToolRows, 4, this);
  table_->setObjectName(QStringLiteral("SG1"));
  QStringList captions;
  for (std::string_view caption : kToolColumnCaptions) captions << ToQString(caption);
  table_->setHorizontalHeaderLabels(captions);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, 120);
  table_->setColumnWidth(1, 200);
  table_->setColumnWidth(2, 140);

  auto* form = new QFormLayout;
  for (int column = 0; column < 4; ++column) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("Edit%1").arg(column + 1));
    fields_[static_cast<std::size_t>(column)] = field;
    if (column == 1) {
      browse_ = new QPushButton(QStringLiteral("参照"), this);
      browse_->setObjectName(QStringLiteral("RefBtn"));
      auto* row = new QHBoxLayout;
      row->addWidget(field, 1);
      row->addWidget(browse_);
      form->addRow(ToQString(kToolColumnCaptions[1]), row);
    } else {
      form->addRow(ToQString(kToolColumnCaptions[static_cast<std::size_t>(column)]), field);
    }
  }
  add_ = new QPushButton(QStringLiteral("追加"), this);
  add_->setObjectName(QStringLiteral("AddBtn"));
  delete_ = new QPushButton(QStringLiteral("削除"), this);
  delete_->setObjectName(QStringLiteral("DelBtn"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  for (QPushButton* button : {browse_, add_, delete_}) button->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(delete_);
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(table_, 1);
  outer->addLayout(form);
  outer->addLayout(buttons);

  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { SelectRow(row); });
  connect(browse_, &QPushButton::clicked, this, &ToolSettingsDialog::Browse);
  connect(add_, &QPushButton::clicked, this, [this] {
    ToolEntry entry;
    for (int column = 0; column < 4; ++column) entry.*kColumns[column] = ToUtf8(field(column)->text());
    if (!list_.Add(entry)) return;
    Fill();
    emit listChanged(list_);
  });
  connect(delete_, &QPushButton::clicked, this, [this] {
    if (!list_.Remove(table_->currentRow())) return;
    Fill();
    emit listChanged(list_);
  });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  Fill();
}

void ToolSettingsDialog::Fill() {
  for (int row = 0; row < kToolRows; ++row) {
    const ToolEntry& entry = list_.rows()[static_cast<std::size_t>(row)];
    for (int column = 0; column < 4; ++column) {
      table_->setItem(row, column, new QTableWidgetItem(ToQString(entry.*kColumns[column])));
    }
  }
}

void ToolSettingsDialog::SelectRow(int row) {
  if (row < 0 || row >= kToolRows) return;
  const ToolEntry& entry = list_.rows()[static_cast<std::size_t>(row)];
  for (int column = 0; column < 4; ++column) field(column)->setText(ToQString(entry.*kColumns[column]));
}

void ToolSettingsDialog::Browse() {
  const QString chosen = choose_program_ ? choose_program_() : QString();
  if (chosen.isEmpty()) return;
  field(1)->setText(chosen);
  field(3)->setText(QFileInfo(chosen).absolutePath());
}

}  // namespace kirvo
