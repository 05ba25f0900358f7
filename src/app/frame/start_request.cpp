#include "app/frame/start_request.h"

#include <QDir>

namespace kirvo {

StartRequest ParseStartRequest(const QStringList& arguments, const QString& working_folder) {
  StartRequest request;
  bool options_end = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (!options_end && argument == QLatin1String("--")) {
      options_end = true;
    } else if (!options_end && argument == QLatin1String(kQuitAfterStartOption)) {
      request.quit_after_start = true;
    } else if (options_end || !argument.startsWith(QLatin1Char('-'))) {
      request.files.append(QDir::cleanPath(QDir(working_folder).absoluteFilePath(argument)));
    }
  }
  return request;
}

}  // namespace kirvo
