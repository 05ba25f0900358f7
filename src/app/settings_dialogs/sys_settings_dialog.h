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
#include "settings/sys_dialog_model.h"

class QTabWidget;
class QTableView;

namespace kirvo {

class EditableTableModel;
class SysNamingTable;

// What the system settings dialog reads and asks for.
struct SysSettingsNeeds {
  // The settings every close of the dialog commits to (after the close check and the save).
  SysSettings& settings;
  std::filesystem::path program_folder;
  const SettingsStore& store;
  const std::optional<Branding>& branding;
  Interaction& interaction;
  std::function<void(HelpTopic topic)> show_help;
  // The colour and font pickers; nothing when cancelled.
  std::function<std::optional<Rgb>(QWidget* parent, Rgb current)> choose_colour;
  std::function<std::optional<FontSpec>(QWidget* parent, const FontSpec& current)> choose_font;
  // The clock the date and time labels of the 時間 tab take.
  std::function<DateTime()> clock;
};

// The desktop's colour and font dialogs.
std::optional<Rgb> ChooseColourWithDialog(QWidget* parent, Rgb current);
std::optional<FontSpec> ChooseFontWithDialog(QWidget* parent, const FontSpec& current);

// "ｼｽﾃﾑ設定" (`TSysF`): every system setting in nine tabs, edited on a copy through the dialog
// model. OK and Cancel both end in the close check and the save; a refused close keeps the dialog
// open on the failing field. Cancel, Esc and the close box first return to the stored values.
class SysSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SysSettingsDialog(SysSettingsNeeds needs, QWidget* parent = nullptr);
  ~SysSettingsDialog() override;

  const SysSettings& edited() const { return model_.edited(); }
  QTabWidget* tabs() const { return tabs_; }

  void accept() override;
  void reject() override;

 private:
  void BindControls();
  void BindButtons();
  void ShowSettings();
  void ShowRefusal();
  void ChooseFont(std::string_view key, FontSpec SysSettings::*member);

  SysSettingsNeeds needs_;
  SysDialogModel model_;
  QTabWidget* tabs_ = nullptr;
  std::vector<std::unique_ptr<SysNamingTable>> tables_;
  std::vector<EditableTableModel*> table_models_;
};

}  // namespace kirvo
