#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "presentation/tools/tool_list.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kirvo {

// "ﾂｰﾙの設定": the ten rows of the tools list, edited through the four fields below it. Every change
// is handed on at once (listChanged) so the tools menu follows; closing stores the list.
class ToolSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // `choose_program` asks for a program file ("参照"); an empty answer changes nothing.
  ToolSettingsDialog(ToolList list, std::function<QString()> choose_program, QWidget* parent = nullptr);

  const ToolList& list() const { return list_; }
  QTableWidget* table() const { return table_; }
  QLineEdit* field(int column) const { return fields_[static_cast<std::size_t>(column)]; }
  QPushButton* add_button() const { return add_; }
  QPushButton* delete_button() const { return delete_; }
  QPushButton* browse_button() const { return browse_; }

 signals:
  void listChanged(const kirvo::ToolList& list);

 private:
  void Fill();
  void SelectRow(int row);
  void Browse();

  ToolList list_;
  std::function<QString()> choose_program_;
  QTableWidget* table_ = nullptr;
  std::array<QLineEdit*, 4> fields_{};
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* browse_ = nullptr;
};

}  // namespace kirvo
