#include "app/luck/luck_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "app/bridge/content_grid_model.h"
#include "app/bridge/dpi.h"
#include "app/widgets/cell_style_delegate.h"
#include "presentation/luck/luck_view.h"

namespace kirvo {
namespace {

constexpr int kRowHeightPx = 18;
// The period columns are 50 pixels wide: an age "110歳11月" fits in a font a point smaller.
constexpr int kFontPointsLess = 1;

}  // namespace

LuckTableView::LuckTableView(ContentGridModel& model, CellStyleDelegate& delegate, QWidget* parent)
    : QTableView(parent), model_(model) {
  setObjectName(QStringLiteral("KSG"));
  setModel(&model);
  setItemDelegate(&delegate);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::StrongFocus);
  setGridStyle(Qt::SolidLine);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setMinimumSectionSize(0);
  QFont smaller = font();
  if (smaller.pointSize() > kFontPointsLess + 6) smaller.setPointSize(smaller.pointSize() - kFontPointsLess);
  setFont(smaller);
}

void LuckTableView::UpdateLayout(const SysSettings& sys) {
  const int row_height = std::max(ScaledPx(*this, kRowHeightPx), fontMetrics().height() + 2);
  int visible = 0;
  for (int row = 0; row < model_.rowCount(); ++row) {
    const bool shown = LuckRowShown(sys, row);
    setRowHidden(row, !shown);
    setRowHeight(row, row_height);
    if (shown) ++visible;
  }
  const std::vector<int>& widths = model_.Grid().column_widths;
  for (int column = 0; column < model_.columnCount(); ++column) {
    const auto at = static_cast<std::size_t>(column);
    const int width = at < widths.size() ? widths[at] : kLuckPeriodColumnWidth;
    setColumnHidden(column, width == 0);
    if (width > 0) setColumnWidth(column, ScaledPx(*this, width));
  }
  setFixedHeight(row_height * visible + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth());
  updateGeometry();
}

void LuckTableView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  QTableView::mousePressEvent(event);
  emit CellPressed(index.isValid() ? index.column() : -1, index.isValid() ? index.row() : -1, event->button());
}

void LuckTableView::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
    emit ColumnStepRequested(event->key() == Qt::Key_Left ? -1 : 1);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace kirvo
