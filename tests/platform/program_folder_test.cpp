#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

TEST(ProgramFolder, EnvironmentOverridesTheExecutableFolder) {
  const char* old = std::getenv("KIRVO_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("KIRVO_HOME", "/srv/kirvo", 1);
  EXPECT_EQ(ProgramFolder(), std::filesystem::path("/srv/kirvo"));
  setenv("KIRVO_HOME", "", 1);
  EXPECT_EQ(ProgramFolder(), std::filesystem::read_symlink("/proc/self/exe").parent_path());
  old != nullptr ? setenv("KIRVO_HOME", saved.c_str(), 1) : unsetenv("KIRVO_HOME");
}

}  // namespace
}  // namespace kirvo
