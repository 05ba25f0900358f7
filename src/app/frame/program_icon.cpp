#include "app/frame/program_icon.h"

namespace kirvo {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/kirvolan_%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace kirvo
