#include "app/editors/explanation_list_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/bridge/table_print_layout.h"
#include "app/bridge/text.h"
#include "data/explanation_list.h"

namespace kirvo {

ExplanationListDialog::ExplanationListDialog(const TextTable& table, std::function<void(HelpTopic topic)> show_help,
                                             PrintPreviewRequest print_preview, QWidget* parent)
    : QDialog(parent), text_(table), print_preview_(std::move(print_preview)) {
  setObjectName(QStringLiteral("TSListF"));
  setWindowTitle(ToQString(kExplanationListCaption));
  resize(640, 480);

  table_ = new QTableWidget(static_cast<int>(table.rows()), static_cast<int>(table.columns()), this);
  table_->setObjectName(QStringLiteral("SG1"));
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(true);
  for (std::size_t row = 0; row < table.rows(); ++row) {
    for (std::size_t column = 0; column < table.columns(); ++column) {
      auto* item = new QTableWidgetItem(ToQString(table.Cell(column, row)));
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      item->setForeground(Qt::black);
      table_->setItem(static_cast<int>(row), static_cast<int>(column), item);
    }
  }
  table_->setColumnWidth(0, kExplanationListNameColumnWidthPx);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  wrap_ = new QCheckBox(ToQString(kExplanationListWrapToggle), this);
  wrap_->setObjectName(QStringLiteral("CB1"));
  wrap_->setChecked(true);
  print_ = new QPushButton(QStringLiteral("印刷"), this);
  print_->setObjectName(QStringLiteral("PrevBtn"));
  print_->setToolTip(QStringLiteral("印刷プレビュー"));
  print_->setAutoDefault(false);
  print_->setEnabled(static_cast<bool>(print_preview_));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  auto* help = new QPushButton(QStringLiteral("ヘルプ"), this);
  help->setObjectName(QStringLiteral("HelpBtn"));
  help->setAutoDefault(false);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(wrap_);
  bottom->addWidget(print_);
  bottom->addStretch();
  bottom->addWidget(ok);
  bottom->addWidget(help);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(table_, 1);
  outer->addLayout(bottom);

  connect(wrap_, &QCheckBox::toggled, this, &ExplanationListDialog::FitRows);
  table_->viewport()->installEventFilter(this);
  connect(print_, &QPushButton::clicked, this, &ExplanationListDialog::PrintPreview);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  const auto open_help = [show_help = std::move(show_help)] {
    if (show_help) show_help(HelpTopic::kExplanationList);
  };
  connect(help, &QPushButton::clicked, this, open_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, open_help);
  FitRows();
}

bool ExplanationListDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_->viewport() && event->type() == QEvent::Resize) FitRows();
  return QDialog::eventFilter(watched, event);
}

void ExplanationListDialog::PrintPreview() {
  if (!print_preview_) return;
  print_preview_(
      ExplanationListPrintJob(text_, ToUtf8(windowTitle()), ListLayoutOf(*table_, false, font().pointSize())));
}

void ExplanationListDialog::FitRows() {
  // The last column fills the width the names leave; the rows follow its width.
  const int last = table_->columnCount() - 1;
  if (last > 0) {
    int others = 0;
    for (int column = 0; column < last; ++column) others += table_->columnWidth(column);
    table_->setColumnWidth(last, std::max(kExplanationListNameColumnWidthPx, table_->viewport()->width() - others));
  }
  const QFontMetrics metrics = table_->fontMetrics();
  const int default_height = table_->verticalHeader()->defaultSectionSize();
  std::vector<ListCellExtent> cells(static_cast<std::size_t>(table_->columnCount()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    for (int column = 0; column < table_->columnCount(); ++column) {
      const QTableWidgetItem* item = table_->item(row, column);
      cells[static_cast<std::size_t>(column)] = {item ? metrics.horizontalAdvance(item->text()) : 0,
                                                 table_->columnWidth(column)};
    }
    table_->setRowHeight(row, ListRowHeight(cells, default_height, wrap_->isChecked()));
  }
}

}  // namespace kirvo
