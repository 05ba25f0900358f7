#pragma once

#include <QString>
#include <QWidget>
#include <string_view>

#include "presentation/shared/dialog_folders.h"

namespace kirvo {

// A filter written as label and pattern pairs joined by "|" ("名前ﾃﾞｰﾀ(*.nam)|*.nam|...") in the
// form of Qt's file dialogs ("名前ﾃﾞｰﾀ(*.nam) (*.nam);;...").
QString QtFileFilter(std::string_view pairs);

// The desktop's file dialogs: the chosen path, empty when cancelled. They open where `folders` says
// for their filter and remember the chosen file's folder. The save dialog asks before replacing a
// file and adds `suffix` to a name without one.
QString NativeOpenFile(QWidget* parent, const QString& caption, const QString& filter, DialogFolders& folders);
QString NativeSaveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& suffix,
                       DialogFolders& folders);

}  // namespace kirvo
