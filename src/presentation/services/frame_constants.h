#pragma once

#include <string_view>

namespace kirvo {

// The application's own constants. The program's one version: the window title and
// `kirvo-cli --version` both show it.
inline constexpr std::string_view kProgramVersion = "1.54";
inline constexpr std::string_view kApplicationTitle = "Kirvolan Ver1.54";  // also the main window caption
static_assert(kApplicationTitle.ends_with(kProgramVersion), "the title names the program's version");
inline constexpr std::string_view kVersionValue = "1540";                  // written as "Ver" at every start
inline constexpr std::string_view kSingleInstanceLockName = "KRV_MUTEX";
// Told by a second start that could not hand its files to the running program, the paths below it.
inline constexpr std::string_view kFilesNotHandedOver =
    "起動中のプログラムにファイルを渡せませんでした。もう一度開いてください。";

// Help is a set of pages in the program folder; this index is what the help commands open and
// what start-up requires (in place of the compiled help file of the Windows program).
inline constexpr std::string_view kHelpIndexFile = "help/index.html";

// Values of the per-user settings store written by the frame.
inline constexpr std::string_view kProgramFolderValue = "Dir";
inline constexpr std::string_view kVersionValueName = "Ver";

// The main window's form name: its section in the branding file.
inline constexpr std::string_view kMainFormName = "MainF";

}  // namespace kirvo
