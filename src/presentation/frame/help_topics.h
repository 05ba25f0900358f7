#pragma once

#include <optional>
#include <string_view>

namespace kirvo {

// The help topics the windows open, each the number of its page ("10004.html" in the help folder).
enum class HelpTopic : int {
  kContents = 10000,            // 目次, the main window's ヘルプ
  kNaturalTime = 10001,         // 自然時変換
  kSidePanel = 10004,           // 命式内容パネル
  kPersonList = 10005,          // 名前リスト
  kCombinedWindow = 10003,      // the combined chart-and-luck window 命行
  kChartWindow = 10006,         // the chart window
  kLuckWindow = 10007,          // 行運ウィンドウ
  kEraDate = 10008,             // 和暦変換入力
  kExplanationList = 10101,     // 説明リスト
  kBackup = 10102,              // ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ
  kCorrelationDiagram = 10103,  // 相関図
  kDateSearch = 10104,          // 干支日時検索
  kPrintPreview = 10105,        // 印刷ﾌﾟﾚﾋﾞｭｰ
  kMemoEditors = 30001,         // メモの設定編集・メモ内容の一覧編集
  kExplanationEditor = 30002,   // 説明の編集
  kSystemSettings = 40001,      // ｼｽﾃﾑ設定
  kRuleSettings = 40002,        // 四柱推命の設定
  kSpecialCharacters = 40003,   // 特殊文字の設定
};

constexpr int HelpTopicNumber(HelpTopic topic) { return static_cast<int>(topic); }

inline constexpr int kChartWindowHelpTopic = HelpTopicNumber(HelpTopic::kChartWindow);
inline constexpr int kEraDateHelpTopic = HelpTopicNumber(HelpTopic::kEraDate);

// The help topic of each window and dialog, by its form name (the `objectName` of its widget):
// F1 opens the page of the window it is pressed in. Nothing for a form without a page of its own.
std::optional<HelpTopic> HelpTopicOfFormName(std::string_view form_name);
// The same as a page number, 0 for a form without a page of its own.
int HelpTopicOfForm(std::string_view form_name);

}  // namespace kirvo
