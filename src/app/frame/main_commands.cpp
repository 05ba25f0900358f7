#include "app/frame/main_commands.h"

#include <QKeySequence>
#include <QSet>

namespace kirvo {
namespace {

using C = MainCommand;
using M = MainMenu;
using B = ButtonColour;

// The command table. The memo editors, explanation editors, backup, settings dialogs and tools are
// windows of their own, still to come: their rows await their windows. The buttons of the two
// diagrams share the text "図" and differ in colour.
// clang-format off
constexpr std::array<MainCommandRow, kMainCommandCount> kCommands = {{
    {C::kNew,                    "ANew",           M::kFile,     "新規作成",               "Ctrl+N", "FileBar",   "",   "新規に名前ﾃﾞｰﾀを作成",             false, B::kDefault},
    {C::kOpen,                   "AOpen",          M::kFile,     "開く",                   "Ctrl+O", "FileBar",   "",   "名前ﾃﾞｰﾀを開く",                   false, B::kDefault},
    {C::kSave,                   "ASave",          M::kFile,     "上書き保存",             "Ctrl+U", "FileBar",   "",   "上書き保存します",                 false, B::kDefault},
    {C::kSaveAs,                 "ASaveAs",        M::kFile,     "名前を付けて保存",       "Ctrl+A", "",          "",   "",                                 false, B::kDefault},
    {C::kBackup,                 "ABack",          M::kFile,     "ﾊﾞｯｸｱｯﾌﾟ･ﾘｽﾄｱ",          "Ctrl+B", "FileBar",   "",   "ﾊﾞｯｸｱｯﾌﾟ･ﾘｽﾄｱをします",            false, B::kDefault},
    {C::kNotices,                "AInfo",          M::kFile,     "お知らせ",               "Ctrl+I", "Netbar",    "",   "",                                 false, B::kDefault},
    {C::kExit,                   "AFileExit",      M::kFile,     "終了",                   "Ctrl+X", "",          "",   "",                                 false, B::kDefault},
    {C::kMemoSettings,           "MeItem",         M::kEdit,     "メモの設定編集",         "Ctrl+M", "SystemBar", "Ｍ", "メモの設定編集をします。",         false, B::kDefault},
    {C::kMemoList,               "MLItem",         M::kEdit,     "メモ内容の一覧編集",     "",       "SystemBar", "",   "メモ内容の一覧編集をします。",     false, B::kDefault},
    {C::kPatternExplanations,    "KaItem",         M::kEdit,     "格局の説明編集",         "",       "SystemBar", "格", "格局の説明の編集をします。",       false, B::kDefault},
    {C::kSpiritStarExplanations, "SinItem",        M::kEdit,     "神殺の説明編集",         "",       "SystemBar", "神", "神殺の説明の編集をします。",       false, B::kDefault},
    {C::kSystemSettings,         "ASys",           M::kSettings, "ｼｽﾃﾑ設定",               "Ctrl+S", "SystemBar", "",   "ｼｽﾃﾑ設定をします",                 false, B::kDefault},
    {C::kRuleSettings,           "AUSys",          M::kSettings, "四柱推命の設定",         "",       "SystemBar", "",   "四柱推命の設定をします",           false, B::kDefault},
    {C::kSpecialCharacters,      "G1",             M::kSettings, "特殊文字の設定",         "",       "",          "",   "",                                 false, B::kDefault},
    {C::kSidePanel,              "MWin",           M::kView,     "命式内容",               "",       "WindowBar", "●",  "命式内容パネルの表示・非表示",     false, B::kDefault},
    {C::kStatusBar,              "StsBar",         M::kView,     "ｽﾃｰﾀｽﾊﾞｰ",               "",       "",          "",   "",                                 false, B::kDefault},
    {C::kPersonList,             "ANList",         M::kOther,    "名前リスト",             "Ctrl+L", "WindowBar", "",   "名前リストを表示します",           false, B::kDefault},
    {C::kFiveElementDiagram,     "SouGoItem",      M::kOther,    "五行相関図",             "Ctrl+G", "WindowBar", "図", "五行相関図を表示",                 false, B::kBlue},
    {C::kStemBranchDiagram,      "SouKsItem",      M::kOther,    "干支相関図",             "Ctrl+K", "WindowBar", "図", "干支相関図を表示",                 false, B::kGreen},
    {C::kDateSearch,             "ASrc",           M::kOther,    "干支日時検索",           "Ctrl+F", "WindowBar", "",   "干支から日時を検索します",         false, B::kDefault},
    {C::kToolSettings,           "T1",             M::kTools,    "ﾂｰﾙの設定",              "Ctrl+T", "",          "",   "",                                 false, B::kDefault},
    {C::kCloseAll,               "AWindowClose",   M::kWindow,   "命式・行運を全て閉じる", "Ctrl+X", "WindowBar", "",   "命式・行運を全て閉じます",         false, B::kDefault},
    {C::kCascade,                "AWindowCascade", M::kWindow,   "重ねて表示(&C)",         "Ctrl+C", "WindowBar", "",   "ｳｨﾝﾄﾞｳを重なりあうように並べ直す", false, B::kDefault},
    {C::kTile,                   "AWindowTile",    M::kWindow,   "並べて表示",             "Ctrl+L", "WindowBar", "",   "ｳｨﾝﾄﾞｳを重ならないように並べ直す", false, B::kDefault},
    {C::kMinimizeAll,            "AWindowMini",    M::kWindow,   "すべてをｱｲｺﾝ化",         "Ctrl+J", "WindowBar", "",   "すべてのｳｨﾝﾄﾞｳをｱｲｺﾝ状態にする",   false, B::kDefault},
    {C::kHelp,                   "AHelp",          M::kHelp,     "ヘルプ",                 "F1",     "WindowBar", "",   "",                                 false, B::kDefault},
    {C::kVersion,                "AVer",           M::kHelp,     "ﾊﾞｰｼﾞｮﾝ情報",            "Ctrl+V", "",          "",   "ﾊﾞｰｼﾞｮﾝ情報を表示します",          false, B::kDefault},
    {C::kSupportPage,            "AURL",           M::kHelp,     "ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ",        "Ctrl+P", "Netbar",    "",   "ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞにアクセスします",    false, B::kDefault},
}};
// clang-format on

// Every row stands at the index of its command, so that a command reaches its row directly.
constexpr bool RowsInCommandOrder() {
  for (std::size_t i = 0; i < kMainCommandCount; ++i) {
    if (static_cast<std::size_t>(kCommands[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsInCommandOrder(), "the command table is out of the order of MainCommand");

constexpr std::array<const char*, 8> kMenuCaptions = {"ﾌｧｲﾙ(&F)", "編集(&E)", "設定(&S)", "表示(&V)",
                                                      "その他(&Z)", "ﾂｰﾙ(&T)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};

}  // namespace

const std::array<MainCommandRow, kMainCommandCount>& MainCommands() { return kCommands; }

const MainCommandRow& MainCommandRowOf(MainCommand command) { return kCommands[static_cast<std::size_t>(command)]; }

MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner) {
  MainMenus built;
  for (std::size_t i = 0; i < kMenuCaptions.size(); ++i) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(kMenuCaptions[i]));
    menu->setObjectName(QStringLiteral("Menu%1").arg(i));
    built.menus.insert(static_cast<int>(i), menu);
  }
  QSet<QString> bound_keys;
  for (const MainCommandRow& command : kCommands) {
    QMenu* menu = built.menus.value(static_cast<int>(command.menu));
    if (command.id == MainCommand::kSidePanel) {
      built.toolbar_menu = menu->addMenu(QStringLiteral("ﾂｰﾙﾊﾞｰ"));
      built.toolbar_menu->setObjectName(QStringLiteral("TBar"));
    }
    auto* action = new QAction(QString::fromUtf8(command.caption), owner);
    action->setObjectName(QString::fromLatin1(command.name));
    const QString key = QString::fromLatin1(command.shortcut);
    if (!key.isEmpty()) {
      if (!bound_keys.contains(key)) {
        action->setShortcut(QKeySequence(key));
        bound_keys.insert(key);
      } else {
        action->setText(action->text() + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText));
      }
    }
    const QString hint = QString::fromUtf8(command.hint);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? QString::fromUtf8(command.caption) : hint);
    if (command.awaits_window) action->setEnabled(false);
    menu->addAction(action);
    built.actions[static_cast<std::size_t>(command.id)] = action;
    if (command.id == MainCommand::kExit) built.recent_files_start = action;
    if (command.id == MainCommand::kMinimizeAll) built.window_list_start = action;
  }
  return built;
}

}  // namespace kirvo
