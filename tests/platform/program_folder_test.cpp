#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace kirvo {
namespace {

TEST(ProgramFolder, ChosenFileInsideIsRememberedByItsBareName) {
  const std::filesystem::path program = "/opt/Kirvo";
  const struct {
    const char* file;
    const char* remembered;
  } cases[] = {
      {"/opt/Kirvo/Default.zou", "Default.zou"},
      {"/OPT/kirvo/My.zou", "My.zou"},  // folders compare without case
      {"/opt/Kirvo/./Default.zou", "Default.zou"},
      {"/opt/Kirvo/sub/Default.zou", "/opt/Kirvo/sub/Default.zou"},
      {"/opt/Other/Default.zou", "/opt/Other/Default.zou"},
      {"/opt/Kirvo2/Default.zou", "/opt/Kirvo2/Default.zou"},
  };
  for (const auto& c : cases) EXPECT_EQ(PathRelativeToProgramFolder(c.file, program), c.remembered) << c.file;
  EXPECT_EQ(PathRelativeToProgramFolder("/opt/Kirvo/Default.zou", "/opt/Kirvo/"), "Default.zou");
}

TEST(ProgramFolder, LeadingProgramFolderIsStripped) {
  const std::filesystem::path program = "/opt/Kirvo/";
  const struct {
    const char* text;
    const char* stripped;
  } cases[] = {
      {"/opt/Kirvo/Default.zou", "Default.zou"},
      {"/OPT/KIRVO/zou/A.zou", "zou/A.zou"},
      {"Default.zou", "Default.zou"},
      {"/opt/Kirvo2/A.zou", "/opt/Kirvo2/A.zou"},
      {"/opt/Kirvo/", "/opt/Kirvo/"},  // the folder alone names no file
      {"/home/opt/Kirvo/A.zou", "/home/opt/Kirvo/A.zou"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripProgramFolder(c.text, program), c.stripped) << c.text;
}

TEST(ProgramFolder, EnvironmentOverridesEverythingElse) {
  const char* old = std::getenv("KIRVO_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("KIRVO_HOME", "/srv/kirvo", 1);
  EXPECT_EQ(ProgramFolder(), std::filesystem::path("/srv/kirvo"));
  setenv("KIRVO_HOME", "", 1);
  EXPECT_EQ(CurrentSurroundings().executable_folder, std::filesystem::read_symlink("/proc/self/exe").parent_path());
  EXPECT_EQ(ProgramFolder(), ChooseProgramFolder(CurrentSurroundings()).folder);
  old != nullptr ? setenv("KIRVO_HOME", saved.c_str(), 1) : unsetenv("KIRVO_HOME");
}

// KIRVO_HOME first; then the executable's folder when it holds the shipped files (a build or a
// portable copy); else the per-user data folder of an installed program.
TEST(ProgramFolder, ChoiceFollowsTheOrderOfTheRules) {
  const TempFolder temp;
  const std::filesystem::path portable = temp.path() / "portable";
  const std::filesystem::path installed_bin = temp.path() / "usr" / "bin";
  std::filesystem::create_directories(portable);
  std::filesystem::create_directories(installed_bin);
  std::ofstream(portable / "SysF.ini") << "[x]\n";
  using K = ProgramFolderKind;
  const struct {
    const char* what;
    ProgramSurroundings surroundings;
    std::filesystem::path folder;
    K kind;
  } cases[] = {
      {"named", {"/srv/kirvo", portable, "/data", "/home/u"}, "/srv/kirvo", K::kNamed},
      {"empty KIRVO_HOME is unset", {"", portable, "", "/home/u"}, portable, K::kPortable},
      {"portable", {"", portable, "/data", "/home/u"}, portable, K::kPortable},
      {"installed, XDG data home", {"", installed_bin, "/data", "/home/u"}, "/data/kirvolan", K::kPerUser},
      {"installed, default", {"", installed_bin, "", "/home/u"}, "/home/u/.local/share/kirvolan", K::kPerUser},
      {"relative XDG data home ignored",
       {"", installed_bin, "data", "/home/u"},
       "/home/u/.local/share/kirvolan",
       K::kPerUser},
  };
  for (const auto& c : cases) {
    const ProgramFolderChoice choice = ChooseProgramFolder(c.surroundings);
    EXPECT_EQ(choice.folder, c.folder) << c.what;
    EXPECT_EQ(choice.kind, c.kind) << c.what;
  }
  EXPECT_EQ(InstalledShareFolder("/usr/bin"), std::filesystem::path("/usr/share/kirvolan"));
  EXPECT_EQ(InstalledShareFolder("/opt/k/bin/"), std::filesystem::path("/opt/k/share/kirvolan"));
}

}  // namespace
}  // namespace kirvo
