#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "engine/chart_record.h"
#include "presentation/frame/help_topics.h"

namespace kirvo {

class AppServices;

class SidePanel;

// The frame's doors to windows that live in their own files: the side panel, help, the version
// and splash windows, the notices and the correlation diagrams. Each command of the main window calls one of these.

// The side panel `MeiWin` for the main window's dock. `rules` outlive the panel.
SidePanel* CreateSidePanel(AppServices& services, const ChartRules& rules, QWidget* parent);

// The splash `TTitleF`, shown from the creation of the main window until the settings windows
// exist; destroying it closes it.
std::unique_ptr<QWidget> ShowSplash(AppServices& services);

// ヘルプ: the help window of `parent` (one for its life) on the page of `topic`.
void ShowHelpTopic(QWidget* parent, AppServices& services, HelpTopic topic);
// ﾊﾞｰｼﾞｮﾝ情報: the version dialog, modal.
void ShowVersionWindow(QWidget* parent, AppServices& services);
// お知らせ: the notices window of `parent` (one for its life), brought forward with the kept
// notice read again.
void ShowNotices(QWidget* parent, AppServices& services);
// 五行相関図 and 干支相関図: a new diagram window of `parent` on each use; several may be open at
// once, and closing one destroys it.
void OpenFiveElementDiagram(QWidget* parent, AppServices& services);
void OpenStemBranchDiagram(QWidget* parent, AppServices& services);
// 四柱推命の設定: the rule settings dialog, modal, on `settings`, which every close of the dialog
// commits to.
void RunRuleSettingsDialog(QWidget* parent, AppServices& services, USysSettings& settings);
// ｼｽﾃﾑ設定: the system settings dialog, modal, on `settings`, which every close commits to.
void RunSystemSettingsDialog(QWidget* parent, AppServices& services, SysSettings& settings);
// ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ: the support page in the desktop's browser.
void OpenSupportPage();

}  // namespace kirvo
