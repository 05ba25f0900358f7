#include "app/bridge/editable_table_model.h"

#include <QBrush>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"

namespace kirvo {
namespace {

std::size_t ColumnOf(const QModelIndex& index) { return static_cast<std::size_t>(index.column()); }
std::size_t RowOf(const QModelIndex& index) { return static_cast<std::size_t>(index.row()); }

QVariant BrushOf(const std::optional<Rgb>& colour) { return colour ? QVariant(QBrush(ToQColor(*colour))) : QVariant(); }

}  // namespace

EditableTableModel::EditableTableModel(EditableTable& table, Interaction& interaction, QObject* parent)
    : QAbstractTableModel(parent), table_(table), interaction_(interaction) {}

void EditableTableModel::Reload() {
  beginResetModel();
  endResetModel();
}

int EditableTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows());
}

int EditableTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.columns());
}

QVariant EditableTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return ToQString(table_.Cell(ColumnOf(index), RowOf(index)));
    case Qt::BackgroundRole:
      return BrushOf(table_.ColoursOf(ColumnOf(index), RowOf(index)).background);
    case Qt::ForegroundRole:
      return BrushOf(table_.ColoursOf(ColumnOf(index), RowOf(index)).text);
    default:
      return {};
  }
}

// A cell that may not be changed can't be selected either, so the keyboard passes over it.
Qt::ItemFlags EditableTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (!table_.CanEdit(ColumnOf(index), RowOf(index))) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool EditableTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const CellEdit edit = EditCell(table_, ColumnOf(index), RowOf(index), ToUtf8(value.toString()));
  switch (edit.result) {
    case CellEdit::Result::kStored:
      // A stored text may change more than its own cell (a colour by value, a table derived from
      // it), so every cell is read again.
      emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
      return true;
    case CellEdit::Result::kRefused:
      interaction_.Beep();
      if (!edit.message.empty()) interaction_.ShowMessage(MessageKind::kWarning, edit.message);
      return false;
    case CellEdit::Result::kNotEditable:
      break;
  }
  return false;
}

}  // namespace kirvo
