#pragma once

#include <QMenu>
#include <QWidget>

#include "presentation/print/print_job.h"

namespace kirvo {

class AppServices;
class ToolsMenu;
struct ExplanationEditorForm;

// The frame's doors to the explanation editors, the tools and the backup dialog. Each command of
// the main window calls one of these.

// 格局の説明編集 and 神殺の説明編集: the editor of `form`, modal, after the free-resource check; a file
// that cannot be read is shown and the editor does not open, so it never replaces that file. Its
// list viewer prints through `print_preview`.
void EditExplanations(QWidget* parent, AppServices& services, const ExplanationEditorForm& form,
                      PrintPreviewRequest print_preview);
// 特殊文字の設定: the special-character dialog, modal; its codes take effect at the next start.
void EditSpecialCharacters(QWidget* parent, AppServices& services);
// ﾊﾞｯｸｱｯﾌﾟ･ﾘｽﾄｱ: the backup dialog, modal. A completed restore ends the program at once, without
// saving its windows or settings, which would write over what was restored.
void RunBackupDialog(QWidget* parent, AppServices& services);
// The tools menu of `menu` filled from the stored tools list; it lives as long as `parent`.
ToolsMenu* CreateToolsMenu(QMenu* menu, AppServices& services, QObject* parent);
// ﾂｰﾙの設定: the tools dialog, modal; the menu follows each change and the list is stored on close.
void EditToolSettings(QWidget* parent, AppServices& services, ToolsMenu& menu);

}  // namespace kirvo
