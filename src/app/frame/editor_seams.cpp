#include "app/frame/editor_seams.h"

#include "app/bridge/fonts.h"
#include <QCoreApplication>
#include <QFileDialog>

#include "app/bridge/path.h"
#include "app/editors/explanation_editor_dialog.h"
#include "app/frame/command_seams.h"
#include "app/services/app_services.h"
#include "app/tools/backup_dialog.h"
#include "app/tools/special_characters_dialog.h"
#include "app/tools/tool_settings_dialog.h"
#include "app/tools/tools_menu.h"
#include "data/explanation_editor.h"
#include "platform/free_resources.h"
#include "presentation/services/resource_check.h"

namespace kirvo {

void EditExplanations(QWidget* parent, AppServices& services, const ExplanationEditorForm& form,
                      PrintPreviewRequest print_preview) {
  Interaction& interaction = services.interaction();
  if (!PassesResourceCheck(QueryFreeResources(), kEditorResourceThreshold, interaction)) return;
  const SysNamesInUse& names = services.sys().names;
  std::vector<std::string> entries = form.file.name == kPatternExplanations.name
                                         ? PatternExplanationEntries(names.patterns)
                                         : SpiritStarExplanationEntries(names.spirit_stars);
  Outcome<ExplanationEditor> editor = ExplanationEditor::Open(form, std::move(entries), services.program_folder());
  if (!editor) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kError, editor.error());
    return;
  }
  ExplanationEditorDialog dialog(
      interaction, std::move(editor).value(), QFontOf(services.sys().SetuFont),
      [parent, &services](HelpTopic topic) { ShowHelpTopic(parent, services, topic); }, parent);
  dialog.SetPrintPreview(std::move(print_preview));
  dialog.exec();
}

void EditSpecialCharacters(QWidget* parent, AppServices& services) {
  SpecialCharactersDialog dialog(
      services.store(), services.interaction(), services.title(),
      [parent, &services](HelpTopic topic) { ShowHelpTopic(parent, services, topic); }, parent);
  dialog.exec();
}

void RunBackupDialog(QWidget* parent, AppServices& services) {
  if (!PassesResourceCheck(QueryFreeResources(), kEditorResourceThreshold, services.interaction())) return;
  BackupDialog dialog({services.program_folder(), services.store(), services.interaction(), services.title(),
                       [parent, &services](HelpTopic topic) { ShowHelpTopic(parent, services, topic); },
                       [parent](const QString& start) {
                         return QFileDialog::getExistingDirectory(
                             parent, QStringLiteral("バックアップ先のフォルダを指定してください。"), start);
                       }},
                      parent);
  bool restored = false;
  QObject::connect(&dialog, &BackupDialog::restoreCompleted, &dialog, [&] {
    restored = true;
    dialog.accept();
  });
  dialog.exec();
  if (restored) QCoreApplication::exit(0);
}

ToolsMenu* CreateToolsMenu(QMenu* menu, AppServices& services, QObject* parent) {
  auto* tools = new ToolsMenu(menu, services.interaction(), services.program_folder(), parent);
  tools->Rebuild(ToolList::Read(services.store()));
  return tools;
}

void EditToolSettings(QWidget* parent, AppServices& services, ToolsMenu& menu) {
  ToolList list = ToolList::Read(services.store());
  menu.Rebuild(list);
  ToolSettingsDialog dialog(
      std::move(list), [parent] { return QFileDialog::getOpenFileName(parent, QStringLiteral("参照")); }, parent);
  QObject::connect(&dialog, &ToolSettingsDialog::listChanged, &menu, &ToolsMenu::Rebuild);
  dialog.exec();
  static_cast<void>(ShowFailure(dialog.list().Write(services.store()), services.interaction()));
}

}  // namespace kirvo
