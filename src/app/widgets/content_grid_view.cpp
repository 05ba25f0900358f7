#include "app/widgets/content_grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

#include "app/widgets/cell_style_delegate.h"
#include "app/bridge/content_grid_model.h"
#include "app/bridge/dpi.h"

namespace kirvo {

ContentGridView::ContentGridView(ContentGridModel& model, CellStyleDelegate& delegate, int row_height_px,
                                 bool fill_width, std::vector<int> design_widths, QWidget* parent)
    : QTableView(parent),
      model_(model),
      row_height_px_(row_height_px),
      fill_width_(fill_width),
      design_widths_(std::move(design_widths)) {
  setModel(&model);
  setItemDelegate(&delegate);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(model.Grid().selectable ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  setGridStyle(Qt::SolidLine);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setMinimumSectionSize(0);
  UpdateLayout();
}

int ContentGridView::DesignWidthOf(int column) const {
  const std::vector<int>& own = model_.Grid().column_widths;
  const std::vector<int>& widths = own.empty() ? design_widths_ : own;
  const auto at = static_cast<std::size_t>(column);
  return at < widths.size() ? widths[at] : kDefaultColumnWidth;
}

void ContentGridView::UpdateLayout() {
  setSelectionMode(model_.Grid().selectable ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
  // The design height, or more when the font needs it (a large system font).
  const int row_height = std::max(ScaledPx(*this, row_height_px_), fontMetrics().height() - 1);
  verticalHeader()->setDefaultSectionSize(row_height);
  for (int row = 0; row < model_.rowCount(); ++row) setRowHeight(row, row_height);
  for (int column = 0; column < model_.columnCount(); ++column) {
    const int width = DesignWidthOf(column);
    setColumnHidden(column, width == 0);
    if (width > 0) setColumnWidth(column, ScaledPx(*this, width));
  }
  if (fill_width_) SpreadColumns();
  setFixedHeight(row_height * model_.rowCount() + 2 * frameWidth());
  updateGeometry();
}

void ContentGridView::SpreadColumns() {
  int design_total = 0;
  for (int column = 0; column < model_.columnCount(); ++column) design_total += DesignWidthOf(column);
  if (design_total <= 0) return;
  const int width = viewport()->width();
  int design_so_far = 0, used = 0;
  for (int column = 0; column < model_.columnCount(); ++column) {
    const int design = DesignWidthOf(column);
    if (design == 0) continue;
    // Rounding the running total keeps the columns adding up to the view's width exactly.
    design_so_far += design;
    const int edge = width * design_so_far / design_total;
    setColumnWidth(column, edge - used);
    used = edge;
  }
}

QSize ContentGridView::sizeHint() const {
  int width = 2 * frameWidth();
  for (int column = 0; column < model_.columnCount(); ++column) width += ScaledPx(*this, DesignWidthOf(column));
  return {width, height()};
}

QSize ContentGridView::minimumSizeHint() const { return {0, sizeHint().height()}; }

void ContentGridView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  emit CellPressed(index.isValid() ? index.column() : -1, index.isValid() ? index.row() : -1, event->button());
  QTableView::mousePressEvent(event);
}

void ContentGridView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) UpdateLayout();
}

void ContentGridView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  if (fill_width_) SpreadColumns();
}

}  // namespace kirvo
