#include "app/bridge/text.h"

namespace kirvo {

QString DisplayText(std::string_view utf8) {
  QString text = ToQString(utf8);
  text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace kirvo
