#include "presentation/frame/help_topics.h"

#include <array>
#include <utility>

namespace kirvo {

int HelpTopicOfForm(std::string_view form_name) {
  // clang-format off
  static constexpr std::array<std::pair<std::string_view, int>, 13> kTopics = {{
      {"MainF",   10000},                  // the main window and its entry bar
      {"TZoneF",  10001},                  // 自然時変換
      {"MeiWin",  10004},                  // the side panel 命式内容
      {"NListF",  10005},                  // the person list
      {"MeisF",   kChartWindowHelpTopic},  // the chart window
      {"MKF",     kChartWindowHelpTopic},  // the combined window, shown as a chart's text for now
      {"KouF",    kChartWindowHelpTopic},  // the luck window, likewise
      {"WaRekiF", kEraDateHelpTopic},      // 和暦変換入力
      {"SouGoF",  10103},                  // 五行相関図
      {"SouKsF",  10103},                  // 干支相関図
      {"SrcF",    10104},                  // 干支日時検索
      {"InfoF",   10000},                  // お知らせ: part of the main window's page
      {"TitleF",  10000},
  }};
  // clang-format on
  for (const auto& [name, topic] : kTopics) {
    if (name == form_name) return topic;
  }
  return 0;
}

}  // namespace kirvo
