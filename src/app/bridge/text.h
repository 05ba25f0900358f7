#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kirvo {

// The core's texts are UTF-8; Qt's are UTF-16.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// A message text for a box: the core's line breaks ("\n\r" and "\r\n" pairs) as single breaks.
QString DisplayText(std::string_view utf8);

}  // namespace kirvo
