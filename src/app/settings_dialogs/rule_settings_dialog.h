#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/date_time.h"
#include "presentation/frame/help_topics.h"
#include "settings/branding.h"
#include "settings/sys_settings.h"
#include "settings/usys_dialog_model.h"

class QTabWidget;
class QTableView;

namespace kirvo {

class EditableTableModel;
class RuleSettingsTable;

// What the rule settings dialog reads and asks for.
struct RuleSettingsNeeds {
  // The settings every close of the dialog commits to (after the close check and the save).
  USysSettings& settings;
  // For the depth report: the program's "now" and the calendar rules.
  const SysSettings& sys;
  std::filesystem::path program_folder;
  Interaction& interaction;
  const std::optional<Branding>& branding;
  std::function<void(HelpTopic topic)> show_help;
  // `OpenBtn`: the hidden-stem distribution file the user picks, nothing when cancelled.
  std::function<std::optional<std::filesystem::path>(QWidget* parent)> choose_distribution_file;
  std::function<DateTime()> clock;
};

// The desktop's open dialog for `OpenBtn`: hidden-stem distribution files "*.zou" (or any file),
// starting in the program folder.
std::function<std::optional<std::filesystem::path>(QWidget* parent)> DistributionFileChooser(
    std::filesystem::path program_folder);

// "四柱推命の設定" (`TUSysF`): every rule setting in ten tabs, edited on a copy through the dialog
// model. OK and Cancel both end in the close check and the save; a refused close keeps the dialog
// open on the failing field or cell. Cancel, Esc and the close box first return to the stored
// values.
class RuleSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RuleSettingsDialog(RuleSettingsNeeds needs, QWidget* parent = nullptr);
  ~RuleSettingsDialog() override;

  const USysSettings& edited() const { return model_.edited(); }
  QTabWidget* tabs() const { return tabs_; }
  // The grid of a table key ("SSG").
  QTableView* table(std::string_view key) const;

  void accept() override;
  void reject() override;

 private:
  // Every control found by its key in the key tables and tied to the edited copy.
  void BindControls();
  // Every control shows the edited copy again (after Cancel, a file or a button changed it).
  void ShowSettings();
  // The failing field or cell of a refused close comes forward with the focus.
  void ShowRefusal();
  void OpenDistributionFile();
  void CopyDepthReport();
  void ApplyBranding();

  RuleSettingsNeeds needs_;
  USysDialogModel model_;
  QTabWidget* tabs_ = nullptr;
  std::vector<std::unique_ptr<RuleSettingsTable>> tables_;
  std::vector<EditableTableModel*> table_models_;
};

}  // namespace kirvo
