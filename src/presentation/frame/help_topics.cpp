#include "presentation/frame/help_topics.h"

#include <array>
#include <utility>

namespace kirvo {

std::optional<HelpTopic> HelpTopicOfFormName(std::string_view form_name) {
  // clang-format off
  static constexpr std::array<std::pair<std::string_view, HelpTopic>, 24> kTopics = {{
      {"MainF",   HelpTopic::kContents},             // the main window and its entry bar
      {"TZoneF",  HelpTopic::kNaturalTime},          // 自然時変換
      {"MeiWin",  HelpTopic::kSidePanel},            // the side panel 命式内容
      {"NListF",  HelpTopic::kPersonList},           // the person list
      {"MeisF",   HelpTopic::kChartWindow},          // the chart window
      {"MKF",     HelpTopic::kCombinedWindow},       // the combined window 命行
      {"KouF",    HelpTopic::kLuckWindow},           // the luck window
      {"WaRekiF", HelpTopic::kEraDate},              // 和暦変換入力
      {"SouGoF",  HelpTopic::kCorrelationDiagram},   // 五行相関図
      {"SouKsF",  HelpTopic::kCorrelationDiagram},   // 干支相関図
      {"SrcF",    HelpTopic::kDateSearch},           // 干支日時検索
      {"PrevF",   HelpTopic::kPrintPreview},         // 印刷ﾌﾟﾚﾋﾞｭｰ
      {"USysF",   HelpTopic::kRuleSettings},         // 四柱推命の設定
      {"SysF",    HelpTopic::kSystemSettings},       // ｼｽﾃﾑ設定
      {"TKSetuF", HelpTopic::kExplanationEditor},    // 格局の説明文の編集
      {"TSSetuF", HelpTopic::kExplanationEditor},    // 神殺の説明文の編集
      {"TSListF", HelpTopic::kExplanationList},      // 説明文の一覧
      {"TGaijiF", HelpTopic::kSpecialCharacters},    // 特殊文字の設定
      {"BackF",   HelpTopic::kBackup},               // ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ
      {"TMemoF",  HelpTopic::kMemoEditors},          // メモの設定編集
      {"TMeEF",   HelpTopic::kMemoEditors},          // its cell dialog
      {"TMLF",    HelpTopic::kMemoEditors},          // メモ内容の一覧編集
      {"InfoF",   HelpTopic::kContents},             // お知らせ: part of the main window's page
      {"TitleF",  HelpTopic::kContents},
  }};
  // clang-format on
  for (const auto& [name, topic] : kTopics) {
    if (name == form_name) return topic;
  }
  return std::nullopt;
}

int HelpTopicOfForm(std::string_view form_name) {
  const std::optional<HelpTopic> topic = HelpTopicOfFormName(form_name);
  return topic ? HelpTopicNumber(*topic) : 0;
}

}  // namespace kirvo
