#include "app/persons/person_table_model.h"

#include "app/bridge/colour.h"
#include "app/bridge/text.h"
#include "presentation/persons/person_list_view.h"

namespace kirvo {

PersonTableModel::PersonTableModel(const PersonList& list, const SysSettings& sys, QObject* parent)
    : QAbstractTableModel(parent), list_(&list), sys_(&sys) {}

int PersonTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_->size());
}

int PersonTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kPersonCellCount);
}

QVariant PersonTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto column = static_cast<std::size_t>(index.column());
  const std::string& text = list_->row(static_cast<std::size_t>(index.row()))[column];
  if (role == Qt::DisplayRole) return ToQString(text);
  const PersonCellLook look = PersonCellLookOf(column, text, *sys_);
  switch (role) {
    case Qt::TextAlignmentRole: {
      const Qt::Alignment horizontal = look.alignment == CellAlignment::kLeft    ? Qt::AlignLeft
                                       : look.alignment == CellAlignment::kRight ? Qt::AlignRight
                                                                                 : Qt::AlignHCenter;
      return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
      return look.coloured ? QVariant(ToQColor(look.background)) : QVariant();
    case Qt::ForegroundRole:
      return look.coloured ? QVariant(ToQColor(look.text)) : QVariant();
    default:
      return {};
  }
}

QVariant PersonTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= static_cast<int>(kPersonCellCount)) return {};
  return ToQString(kPersonListHeaders[static_cast<std::size_t>(section)]);
}

void PersonTableModel::Reload(const PersonList& list) {
  beginResetModel();
  list_ = &list;
  endResetModel();
}

}  // namespace kirvo
