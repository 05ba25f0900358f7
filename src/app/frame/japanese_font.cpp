#include "app/frame/japanese_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace kirvo {
namespace {

constexpr int kProgramFontPointSize = 9;

// A face the settings and windows name, and the installed faces that stand for it, best first.
struct FaceMapping {
  const char* windows_face;
  std::array<const char*, 3> installed;
};
// clang-format off
constexpr std::array<FaceMapping, 4> kFaceMappings = {{
    {"ＭＳ ゴシック",   {"Noto Sans Mono CJK JP", "IPAGothic",  "Noto Sans CJK JP"}},
    {"ＭＳ Ｐゴシック", {"Noto Sans CJK JP",      "IPAPGothic", "IPAGothic"}},
    {"ＭＳ 明朝",       {"Noto Serif CJK JP",     "IPAMincho",  "Noto Sans CJK JP"}},
    {"ＭＳ Ｐ明朝",     {"Noto Serif CJK JP",     "IPAPMincho", "IPAMincho"}},
}};
// clang-format on
constexpr std::array<const char*, 3> kProgramFaces = {"Noto Sans CJK JP", "IPAPGothic", "IPAGothic"};

}  // namespace

void UseJapaneseFonts() {
  const QStringList installed = QFontDatabase::families();
  for (const char* face : kProgramFaces) {
    if (installed.contains(QString::fromUtf8(face))) {
      QApplication::setFont(QFont(QString::fromUtf8(face), kProgramFontPointSize));
      break;
    }
  }
  for (const FaceMapping& mapping : kFaceMappings) {
    QStringList substitutes;
    for (const char* face : mapping.installed) {
      if (installed.contains(QString::fromUtf8(face))) substitutes.append(QString::fromUtf8(face));
    }
    if (!substitutes.isEmpty()) QFont::insertSubstitutions(QString::fromUtf8(mapping.windows_face), substitutes);
  }
}

}  // namespace kirvo
