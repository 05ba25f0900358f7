#pragma once

#include <QGroupBox>
#include <QString>
#include <span>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kirvo {

// The controls of the settings dialogs. Each is named by its settings key (`objectName`), so the
// dialogs bind them through their key tables and the branding finds them by name.

// A choice of one item: radio buttons in a titled frame, the index of the chosen one as its value.
class ChoiceGroup : public QGroupBox {
  Q_OBJECT

 public:
  enum class Flow { kDown, kAcross };
  ChoiceGroup(std::string_view key, std::string_view caption, std::span<const std::string_view> items, Flow flow,
              QWidget* parent = nullptr);

  int index() const;
  // Shows the item without signalling a choice; an index outside the items checks none.
  void SetIndex(int index);
  QButtonGroup* buttons() const { return buttons_; }

 signals:
  // The user chose the item.
  void chosen(int index);

 private:
  QButtonGroup* buttons_;
};

QCheckBox* FlagBox(std::string_view key, std::string_view caption, QWidget* parent);
QLineEdit* NumberField(std::string_view key, int width_px, QWidget* parent);
// A grid of a settings table: labels are cells of the table itself, so the view has no headers.
QTableView* SettingsTableView(std::string_view key, QWidget* parent);
QPushButton* NamedButton(std::string_view key, std::string_view caption, QWidget* parent);
QLabel* Note(std::string_view text, QWidget* parent);

}  // namespace kirvo
