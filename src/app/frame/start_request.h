#pragma once

#include <QString>
#include <QStringList>

namespace kirvo {

// What the command line asks of a start: `kirvolan [--quit-after-start] [FILE.nam ...]`.
struct StartRequest {
  // Name files to open, as absolute paths: a running program, which has a working folder of its
  // own, may be the one to open them.
  QStringList files;
  // Ends the program as soon as the main window is shown (a check that an installation starts).
  bool quit_after_start = false;
};

inline constexpr char kQuitAfterStartOption[] = "--quit-after-start";

// The request of `arguments` (the program's own name first, as QCoreApplication::arguments() has
// it, the toolkit's options already taken out). Relative paths are taken from `working_folder`;
// other options are ignored.
StartRequest ParseStartRequest(const QStringList& arguments, const QString& working_folder);

}  // namespace kirvo
