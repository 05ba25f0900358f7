#include "app/bridge/content_grid_model.h"

namespace kirvo {
namespace {

Qt::Alignment AlignmentOf(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::kLeft:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlignment::kRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::kCentre:
      break;
  }
  return Qt::AlignCenter;
}

}  // namespace

ContentGridModel::ContentGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContentGridModel::SetGrid(const ContentGrid& grid) {
  const bool same_shape = grid.columns() == grid_.columns() && grid.rows() == grid_.rows();
  if (!same_shape) beginResetModel();
  grid_ = grid;
  texts_.resize(grid.columns() * grid.rows());
  for (std::size_t row = 0; row < grid.rows(); ++row) {
    for (std::size_t column = 0; column < grid.columns(); ++column) {
      texts_[row * grid.columns() + column] = QString::fromStdString(grid.Cell(column, row));
    }
  }
  if (!same_shape) {
    endResetModel();
  } else if (grid.rows() > 0 && grid.columns() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }
}

const CellStyle& ContentGridModel::StyleOf(const QModelIndex& index) const {
  return grid_.Style(static_cast<std::size_t>(index.column()), static_cast<std::size_t>(index.row()));
}

const QString& ContentGridModel::TextOf(const QModelIndex& index) const {
  static const QString kEmpty;
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return kEmpty;
  return texts_[static_cast<std::size_t>(index.row()) * grid_.columns() + static_cast<std::size_t>(index.column())];
}

int ContentGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grid_.rows());
}

int ContentGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(grid_.columns());
}

QVariant ContentGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return TextOf(index);
    case Qt::TextAlignmentRole:
      return static_cast<int>(AlignmentOf(StyleOf(index).alignment));
    case Qt::ToolTipRole:
      if (hint_) {
        if (const std::optional<std::string> hint =
                hint_(static_cast<std::size_t>(index.column()), static_cast<std::size_t>(index.row()))) {
          return QString::fromStdString(*hint);
        }
      }
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags ContentGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return grid_.selectable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

}  // namespace kirvo
