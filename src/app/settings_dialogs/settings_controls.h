#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "platform/rgb_colour.h"
#include "settings/branding.h"
#include "settings/close_check_failure.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
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

// Several items to check, each a bit of the value (bit k for item k), laid out in `columns`.
class CheckGroup : public QGroupBox {
  Q_OBJECT

 public:
  CheckGroup(std::string_view key, std::string_view caption, std::span<const std::string_view> items, int columns,
             QWidget* parent = nullptr);

  std::uint32_t bits() const;
  // Shows the bits without signalling; bits beyond the items are kept.
  void SetBits(std::uint32_t bits);

 signals:
  void changed(std::uint32_t bits);

 private:
  std::uint32_t beyond_items_ = 0;
};

// A button that shows a colour; clicking it is the dialog's to handle.
class ColourButton : public QPushButton {
  Q_OBJECT

 public:
  ColourButton(std::string_view key, std::string_view caption, QWidget* parent = nullptr);
  void SetColour(Rgb colour);
};

QCheckBox* FlagBox(std::string_view key, std::string_view caption, QWidget* parent);
QLineEdit* NumberField(std::string_view key, int width_px, QWidget* parent);
// A grid of a settings table: labels are cells of the table itself, so the view has no headers.
QTableView* SettingsTableView(std::string_view key, QWidget* parent);
QPushButton* NamedButton(std::string_view key, std::string_view caption, QWidget* parent);
QLabel* Note(std::string_view text, QWidget* parent);
// OK, キャンセル and ヘルプ centred under a settings dialog's tabs: OK accepts (the default button),
// キャンセル rejects, ヘルプ calls `help`.
void AddDialogButtons(QDialog& dialog, QBoxLayout& layout, std::function<void()> help);

// A refused close: the tab holding the failing control comes forward and the control takes the
// focus; in a grid the failing cell becomes current, in an edit field the text is selected.
void ShowRefusedControl(QWidget& dialog, QTabWidget& tabs, const CloseCheckFailure& refusal);

// The branding's hide list of the dialog's form: each named control is hidden, a named tab page
// with its tab.
void HideBrandedControls(QWidget& dialog, QTabWidget& tabs, const Branding& branding);

}  // namespace kirvo
