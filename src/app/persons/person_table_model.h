#pragma once

#include <QAbstractTableModel>

#include "presentation/persons/person_list.h"

namespace kirvo {

struct SysSettings;

// The person list as the table `NSG` shows it: the 47 headers, every row's cells with the colour
// and alignment the core gives each.
class PersonTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  PersonTableModel(const PersonList& list, const SysSettings& sys, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // After the list changed in any way.
  void Reload(const PersonList& list);

 private:
  const PersonList* list_;
  const SysSettings* sys_;
};

}  // namespace kirvo
