#include "app/bridge/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <string>

namespace kirvo {
namespace {

// A face named by the settings or a window, the installed faces that stand in for it, best first,
// and those of them (or of the same design) that keep every character the same width.
struct FaceMapping {
  std::string_view named;
  std::array<const char*, 3> installed;
  std::array<const char*, 2> fixed_pitch;
};

// clang-format off
constexpr std::array<FaceMapping, 12> kFaceMappings = {{
    {"ＭＳ ゴシック",   {"Noto Sans CJK JP",      "IPAGothic",  "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
    {"ＭＳ Ｐゴシック", {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
    {"MS Gothic",       {"Noto Sans CJK JP",      "IPAGothic",  "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
    {"MS PGothic",      {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
    {"MS UI Gothic",    {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
    {"Sans Serif",      {"Noto Sans CJK JP",      "IPAPGothic", "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
    {"ＭＳ 明朝",       {"Noto Serif CJK JP",     "IPAMincho",  "IPAexMincho"}, {"IPAMincho",             "Noto Sans Mono CJK JP"}},
    {"ＭＳ Ｐ明朝",     {"Noto Serif CJK JP",     "IPAPMincho", "IPAexMincho"}, {"IPAMincho",             "Noto Sans Mono CJK JP"}},
    {"MS Mincho",       {"Noto Serif CJK JP",     "IPAMincho",  "IPAexMincho"}, {"IPAMincho",             "Noto Sans Mono CJK JP"}},
    {"MS PMincho",      {"Noto Serif CJK JP",     "IPAPMincho", "IPAexMincho"}, {"IPAMincho",             "Noto Sans Mono CJK JP"}},
    {"Serif",           {"Noto Serif CJK JP",     "IPAMincho",  "IPAexMincho"}, {"IPAMincho",             "Noto Sans Mono CJK JP"}},
    {"Monospace",       {"Noto Sans Mono CJK JP", "IPAGothic",  "IPAexGothic"}, {"Noto Sans Mono CJK JP", "IPAGothic"}},
}};
// clang-format on

constexpr std::string_view kProgramFace = "Sans Serif";
constexpr int kProgramFontPointSize = 9;
constexpr std::array<const char*, 2> kJapaneseFallbacks = {"Noto Sans CJK JP", "IPAGothic"};

const FaceMapping* MappingOf(std::string_view family) {
  const auto found = std::find_if(kFaceMappings.begin(), kFaceMappings.end(),
                                  [family](const FaceMapping& mapping) { return mapping.named == family; });
  return found == kFaceMappings.end() ? nullptr : &*found;
}

// Whether a face is installed. Asking the font database runs the system's font substitution each
// time, and every painted cell names its faces, so each face is asked once a run.
bool IsInstalled(const char* face) {
  static std::mutex guard;
  static std::map<std::string, bool, std::less<>> known;
  const std::lock_guard lock(guard);
  if (const auto found = known.find(std::string_view(face)); found != known.end()) return found->second;
  const bool installed = QFontDatabase::hasFamily(QString::fromUtf8(face));
  known.emplace(face, installed);
  return installed;
}

// The installed ones of `faces`, best first.
template <std::size_t n>
QStringList InstalledOf(const std::array<const char*, n>& faces) {
  QStringList installed;
  for (const char* face : faces) {
    if (IsInstalled(face)) installed.append(QString::fromUtf8(face));
  }
  return installed;
}

}  // namespace

QString InstalledFamilyOf(std::string_view family) {
  if (const FaceMapping* mapping = MappingOf(family)) {
    const QStringList installed = InstalledOf(mapping->installed);
    if (!installed.isEmpty()) return installed.front();
  }
  return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

QFont QFontOf(const FontSpec& setting) {
  QFont font;
  QStringList families{InstalledFamilyOf(setting.name)};
  for (const char* fallback : kJapaneseFallbacks) families.append(QString::fromUtf8(fallback));
  font.setFamilies(families);
  font.setPointSize(std::max(kMinFontPoints, setting.size_points));
  font.setBold((setting.style & kFontBold) != 0);
  font.setItalic((setting.style & kFontItalic) != 0);
  font.setUnderline((setting.style & kFontUnderline) != 0);
  font.setStrikeOut((setting.style & kFontStrikeOut) != 0);
  return font;
}

QFont FixedPitchFontOf(std::string_view family) {
  const FaceMapping* mapping = MappingOf(family);
  QStringList families = mapping ? InstalledOf(mapping->fixed_pitch) : QStringList();
  if (families.isEmpty()) families.append(InstalledFamilyOf(family));
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

void UseJapaneseFonts() {
  const QStringList program_faces = InstalledOf(MappingOf(kProgramFace)->installed);
  if (!program_faces.isEmpty()) QApplication::setFont(QFont(program_faces.front(), kProgramFontPointSize));
  for (const FaceMapping& mapping : kFaceMappings) {
    const QStringList substitutes = InstalledOf(mapping.installed);
    if (!substitutes.isEmpty()) {
      QFont::insertSubstitutions(QString::fromUtf8(mapping.named.data(), static_cast<qsizetype>(mapping.named.size())),
                                 substitutes);
    }
  }
}

void UseProgramFont(const FontSpec& setting) { QApplication::setFont(QFontOf(setting)); }

}  // namespace kirvo
