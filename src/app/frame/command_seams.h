#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace kirvo {

class AppServices;

// The frame's doors to windows that live in their own files: the side panel, help, the version
// and splash windows and the notices. Each command of the main window calls one of these.

// The content of the side panel `MeiWin` placed in its dock.
QWidget* CreateSidePanelContent(AppServices& services, QWidget* parent);

// The splash `TTitleF`, shown from the creation of the main window until the settings windows
// exist; destroying it closes it.
std::unique_ptr<QWidget> ShowSplash(AppServices& services);

// ヘルプ: the help page of `topic`.
void ShowHelpTopic(QWidget* parent, AppServices& services, int topic);
// ﾊﾞｰｼﾞｮﾝ情報.
void ShowVersionWindow(QWidget* parent, AppServices& services);
// お知らせ: the notices window; nothing when it does not exist yet.
bool ShowNotices(QWidget* parent, AppServices& services);
// ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ: the support page in the desktop's browser.
void OpenSupportPage();

}  // namespace kirvo
