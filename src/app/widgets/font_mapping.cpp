#include "app/widgets/font_mapping.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>

namespace kirvo {
namespace {

// A face named by the settings, and the installed faces that stand in for it, best first.
struct FaceMapping {
  std::string_view named;
  std::array<const char*, 3> installed;
};

// clang-format off
constexpr std::array<FaceMapping, 12> kFaceMappings = {{
    {"ＭＳ ゴシック",   {"Noto Sans CJK JP",      "IPAGothic",  "IPAexGothic"}},
    {"ＭＳ Ｐゴシック", {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}},
    {"MS Gothic",       {"Noto Sans CJK JP",      "IPAGothic",  "IPAexGothic"}},
    {"MS PGothic",      {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}},
    {"MS UI Gothic",    {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}},
    {"Sans Serif",      {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}},
    {"ＭＳ 明朝",       {"Noto Serif CJK JP",     "IPAMincho",  "IPAexMincho"}},
    {"ＭＳ Ｐ明朝",     {"Noto Serif CJK JP",     "IPAPMincho", "IPAexMincho"}},
    {"MS Mincho",       {"Noto Serif CJK JP",     "IPAMincho",  "IPAexMincho"}},
    {"MS PMincho",      {"Noto Serif CJK JP",     "IPAPMincho", "IPAexMincho"}},
    {"Serif",           {"Noto Serif CJK JP",     "IPAMincho",  "IPAexMincho"}},
    {"Monospace",       {"Noto Sans Mono CJK JP", "IPAGothic",  "IPAexGothic"}},
}};
// clang-format on

constexpr const char* kJapaneseFallback = "Noto Sans CJK JP";

bool IsInstalled(const QString& family) { return QFontDatabase::hasFamily(family); }

}  // namespace

QString InstalledFamilyOf(std::string_view family) {
  for (const FaceMapping& mapping : kFaceMappings) {
    if (mapping.named != family) continue;
    for (const char* installed : mapping.installed) {
      if (IsInstalled(QString::fromUtf8(installed))) return QString::fromUtf8(installed);
    }
    break;
  }
  return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

QFont QFontOf(const FontSpec& setting) {
  QFont font;
  font.setFamilies({InstalledFamilyOf(setting.name), QString::fromUtf8(kJapaneseFallback), QStringLiteral("IPAGothic")});
  font.setPointSize(std::max(kMinFontPoints, setting.size_points));
  font.setBold((setting.style & kFontBold) != 0);
  font.setItalic((setting.style & kFontItalic) != 0);
  font.setUnderline((setting.style & kFontUnderline) != 0);
  font.setStrikeOut((setting.style & kFontStrikeOut) != 0);
  return font;
}

}  // namespace kirvo
