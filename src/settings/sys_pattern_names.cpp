#include "settings/sys_pattern_names.h"

#include <string_view>

namespace kirvo {
namespace {

inline constexpr std::string_view kPatternSuffix = "格";
inline constexpr std::string_view kTransformationPrefix = "化";

constexpr std::array<std::string_view, 5> kFollowingPatternNames = {  // 11..15
    "従旺格", "従児格", "従財格", "従官格", "従強格"};
constexpr std::array<std::string_view, 9> kSpecialPatternNames = {  // 21..29
    "曲直格", "炎上格", "従革格", "潤下格", "稼穡格", "両神成象格", "暗衝格", "暗合格", "正偏交集格"};

}  // namespace

PatternNames BuildPatternNames(const TenGodNames& ten_god_names) {
  PatternNames names;  // index 0 stays empty
  std::size_t index = 1;
  for (const std::string& ten_god : ten_god_names) names[index++] = ten_god + std::string(kPatternSuffix);  // 1..10
  for (std::string_view name : kFollowingPatternNames) names[index++] = std::string(name);
  for (Element element = 0; element < 5; ++element) {  // 16..20: 化木格 .. 化水格
    names[index++] =
        std::string(kTransformationPrefix) + std::string(kElementNames[element]) + std::string(kPatternSuffix);
  }
  for (std::string_view name : kSpecialPatternNames) names[index++] = std::string(name);
  return names;
}

}  // namespace kirvo
