#include "app/frame/main_commands.h"

#include <QKeySequence>
#include <QSet>
#include <array>

namespace kirvo {

const std::vector<MainCommand>& MainCommands() {
  using M = MainMenu;
  // clang-format off
  static const std::vector<MainCommand> kCommands = {
      {"ANew",           M::kFile,     "新規作成",                 "Ctrl+N", "FileBar",   "",   "新規に名前ﾃﾞｰﾀを作成"},
      {"AOpen",          M::kFile,     "開く",                     "Ctrl+O", "FileBar",   "",   "名前ﾃﾞｰﾀを開く"},
      {"ASave",          M::kFile,     "上書き保存",               "Ctrl+U", "FileBar",   "",   "上書き保存します"},
      {"ASaveAs",        M::kFile,     "名前を付けて保存",         "Ctrl+A", "",          "",   ""},
      {"ABack",          M::kFile,     "ﾊﾞｯｸｱｯﾌﾟ･ﾘｽﾄｱ",            "Ctrl+B", "FileBar",   "",   "ﾊﾞｯｸｱｯﾌﾟ･ﾘｽﾄｱをします"},
      {"AInfo",          M::kFile,     "お知らせ",                 "Ctrl+I", "Netbar",    "",   ""},
      {"AFileExit",      M::kFile,     "終了",                     "Ctrl+X", "",          "",   ""},
      {"MeItem",         M::kEdit,     "メモの設定編集",           "Ctrl+M", "SystemBar", "Ｍ", "メモの設定編集をします。"},
      {"MLItem",         M::kEdit,     "メモ内容の一覧編集",       "",       "SystemBar", "",   "メモ内容の一覧編集をします。"},
      {"KaItem",         M::kEdit,     "格局の説明編集",           "",       "SystemBar", "格", "格局の説明の編集をします。"},
      {"SinItem",        M::kEdit,     "神殺の説明編集",           "",       "SystemBar", "神", "神殺の説明の編集をします。"},
      {"ASys",           M::kSettings, "ｼｽﾃﾑ設定",                 "Ctrl+S", "SystemBar", "",   "ｼｽﾃﾑ設定をします"},
      {"AUSys",          M::kSettings, "四柱推命の設定",           "",       "SystemBar", "",   "四柱推命の設定をします"},
      {"G1",             M::kSettings, "特殊文字の設定",           "",       "",          "",   ""},
      {"MWin",           M::kView,     "命式内容",                 "",       "WindowBar", "●", "命式内容パネルの表示・非表示"},
      {"StsBar",         M::kView,     "ｽﾃｰﾀｽﾊﾞｰ",                 "",       "",          "",   ""},
      {"ANList",         M::kOther,    "名前リスト",               "Ctrl+L", "WindowBar", "",   "名前リストを表示します"},
      {"SouGoItem",      M::kOther,    "五行相関図",               "Ctrl+G", "WindowBar", "図", "五行相関図を表示"},
      {"SouKsItem",      M::kOther,    "干支相関図",               "Ctrl+K", "WindowBar", "図", "干支相関図を表示"},
      {"ASrc",           M::kOther,    "干支日時検索",             "Ctrl+F", "WindowBar", "",   "干支から日時を検索します"},
      {"T1",             M::kTools,    "ﾂｰﾙの設定",                "Ctrl+T", "",          "",   ""},
      {"AWindowClose",   M::kWindow,   "命式・行運を全て閉じる",   "Ctrl+X", "WindowBar", "",   "命式・行運を全て閉じます"},
      {"AWindowCascade", M::kWindow,   "重ねて表示(&C)",           "Ctrl+C", "WindowBar", "",   "ｳｨﾝﾄﾞｳを重なりあうように並べ直す"},
      {"AWindowTile",    M::kWindow,   "並べて表示",               "Ctrl+L", "WindowBar", "",   "ｳｨﾝﾄﾞｳを重ならないように並べ直す"},
      {"AWindowMini",    M::kWindow,   "すべてをｱｲｺﾝ化",           "Ctrl+J", "WindowBar", "",   "すべてのｳｨﾝﾄﾞｳをｱｲｺﾝ状態にする"},
      {"AHelp",          M::kHelp,     "ヘルプ",                   "F1",     "WindowBar", "",   ""},
      {"AVer",           M::kHelp,     "ﾊﾞｰｼﾞｮﾝ情報",              "Ctrl+V", "",          "",   "ﾊﾞｰｼﾞｮﾝ情報を表示します"},
      {"AURL",           M::kHelp,     "ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ",          "Ctrl+P", "Netbar",    "",   "ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞにアクセスします"},
  };
  // clang-format on
  return kCommands;
}

namespace {

constexpr std::array<const char*, 8> kMenuCaptions = {"ﾌｧｲﾙ(&F)", "編集(&E)", "設定(&S)", "表示(&V)",
                                                      "その他(&Z)", "ﾂｰﾙ(&T)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};

// The memo editors, explanation editors, backup, settings dialogs and tools are windows of their
// own, not yet part of the program.
const QSet<QString>& AwaitingCommands() {
  static const QSet<QString> kAwaiting = {
      QStringLiteral("ABack"),  QStringLiteral("MeItem"),  QStringLiteral("MLItem"), QStringLiteral("KaItem"),
      QStringLiteral("SinItem"), QStringLiteral("ASys"),   QStringLiteral("AUSys"),  QStringLiteral("G1"),
      QStringLiteral("T1"),
  };
  return kAwaiting;
}

}  // namespace

bool AwaitsItsWindow(const QString& command) { return AwaitingCommands().contains(command); }

MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner) {
  MainMenus built;
  for (std::size_t i = 0; i < kMenuCaptions.size(); ++i) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(kMenuCaptions[i]));
    menu->setObjectName(QStringLiteral("Menu%1").arg(i));
    built.menus.insert(static_cast<int>(i), menu);
  }
  QSet<QString> bound_keys;
  for (const MainCommand& command : MainCommands()) {
    QMenu* menu = built.menus.value(static_cast<int>(command.menu));
    const QString name = QString::fromLatin1(command.name);
    if (name == QLatin1String("MWin")) {
      built.toolbar_menu = menu->addMenu(QStringLiteral("ﾂｰﾙﾊﾞｰ"));
      built.toolbar_menu->setObjectName(QStringLiteral("TBar"));
    }
    auto* action = new QAction(QString::fromUtf8(command.caption), owner);
    action->setObjectName(name);
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
    if (AwaitsItsWindow(name)) action->setEnabled(false);
    menu->addAction(action);
    built.actions.insert(name, action);
    if (name == QLatin1String("AFileExit")) built.recent_files_start = action;
    if (name == QLatin1String("AWindowMini")) built.window_list_start = action;
  }
  return built;
}

}  // namespace kirvo
