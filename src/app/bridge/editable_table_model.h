#pragma once

#include <QAbstractTableModel>

#include "platform/interaction.h"
#include "presentation/shared/editable_table.h"

namespace kirvo {

// A Qt table model over a table the core lets the user edit: the cells' texts, the cells' colours
// as background and text brushes, only the editable cells selectable and editable. An edit goes
// through the table's own check; a refusal beeps and shows its message as a warning and leaves the
// cell as it was, so a grid view needs no rule of its own.
class EditableTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `table` and `interaction` must outlive the model.
  EditableTableModel(EditableTable& table, Interaction& interaction, QObject* parent = nullptr);

  // The table changed as a whole (numbers doubled, a file read, defaults restored): the views read
  // it again.
  void Reload();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  EditableTable& table_;
  Interaction& interaction_;
};

}  // namespace kirvo
