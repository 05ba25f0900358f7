#include "platform/per_user_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <string>

#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string Bytes(const fs::path& file) { return ReadFileBytes(file).value(); }

// Every file of a folder with its bytes and time, to show that a fill left it untouched.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Snapshot(const fs::path& folder) {
  std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    files[entry.path().lexically_relative(folder).string()] = {entry.is_regular_file() ? Bytes(entry.path()) : "",
                                                               fs::last_write_time(entry.path())};
  }
  return files;
}

// An installed tree: usr/bin without shipped files and usr/share/kirvolan holding them.
class PerUserFolderTest : public ::testing::Test {
 protected:
  PerUserFolderTest() {
    fs::create_directories(bin());
    Put(share() / "SysF.ini", "shipped sys");
    Put(share() / "Memo.Dat", "shipped memo");
    Put(share() / "help" / "index.html", "shipped help");
    Put(share() / "JapanMap.png", "shipped map");
  }
  fs::path bin() const { return temp_ / "usr" / "bin"; }
  fs::path share() const { return temp_ / "usr" / "share" / "kirvolan"; }
  fs::path user() const { return temp_ / "home" / ".local" / "share" / "kirvolan"; }
  ProgramSurroundings surroundings() const { return {"", bin(), "", (temp_ / "home").string()}; }

  // Makes the shipped file newer than anything the user has.
  void Ship(const std::string& name, const std::string& bytes) {
    Put(share() / name, bytes);
    fs::last_write_time(share() / name, fs::file_time_type::clock::now() + std::chrono::hours(1));
  }

  TempFolder temp_;
};

TEST_F(PerUserFolderTest, FirstStartFillsTheFolderAndTheSecondKeepsTheUsersChanges) {
  const PreparedProgramFolder first = PrepareProgramFolder(surroundings());
  EXPECT_EQ(first.choice.folder, user());
  EXPECT_EQ(first.choice.kind, ProgramFolderKind::kPerUser);
  EXPECT_TRUE(first.notices.empty());
  EXPECT_EQ(Bytes(user() / "SysF.ini"), "shipped sys");
  EXPECT_EQ(Bytes(user() / "help" / "index.html"), "shipped help");
  EXPECT_EQ(Bytes(user() / "JapanMap.png"), "shipped map");

  Put(user() / "SysF.ini", "my sys");
  fs::remove(user() / "Memo.Dat");
  const PerUserFillReport second = FillPerUserFolder(share(), user());
  EXPECT_EQ(second.copied, std::vector<std::string>{"Memo.Dat"});  // a lost file comes back
  EXPECT_TRUE(second.newer_shipped.empty());
  EXPECT_TRUE(second.problems.empty());
  EXPECT_EQ(Bytes(user() / "SysF.ini"), "my sys");
  EXPECT_TRUE(PrepareProgramFolder(surroundings()).notices.empty());
}

// A newer shipped file beside the user's own is told once and never copied over it; a file the
// user never changed is not told at all when it matches.
TEST_F(PerUserFolderTest, NewerShippedFileIsReportedOnceAndNotCopied) {
  FillPerUserFolder(share(), user());
  Put(user() / "SysF.ini", "my sys");
  Ship("SysF.ini", "shipped sys, version 2");
  Ship("Memo.Dat", "shipped memo");  // touched, same bytes

  const PreparedProgramFolder upgraded = PrepareProgramFolder(surroundings());
  ASSERT_EQ(upgraded.notices.size(), 1u);
  EXPECT_NE(upgraded.notices[0].find("SysF.ini"), std::string::npos);
  EXPECT_NE(upgraded.notices[0].find(share().string()), std::string::npos);
  EXPECT_EQ(Bytes(user() / "SysF.ini"), "my sys");
  EXPECT_TRUE(PrepareProgramFolder(surroundings()).notices.empty());  // once
  EXPECT_EQ(Bytes(user() / "SysF.ini"), "my sys");
}

// A user's file the folder had before any fill (moved from a portable folder) is kept; a shipped
// file older than it says nothing, a newer one is told.
TEST_F(PerUserFolderTest, FilesBroughtInByTheUserAreKept) {
  Put(user() / "SysF.ini", "portable sys");
  Put(user() / "Memo.Dat", "portable memo");
  fs::last_write_time(share() / "Memo.Dat", fs::file_time_type::clock::now() - std::chrono::hours(24));
  fs::last_write_time(share() / "SysF.ini", fs::file_time_type::clock::now() + std::chrono::hours(1));
  const PerUserFillReport report = FillPerUserFolder(share(), user());
  EXPECT_EQ(report.newer_shipped, std::vector<std::string>{"SysF.ini"});
  EXPECT_EQ(Bytes(user() / "SysF.ini"), "portable sys");
  EXPECT_EQ(Bytes(user() / "Memo.Dat"), "portable memo");
}

// The help pages and the map are the program's own: an upgrade brings them up to date.
TEST_F(PerUserFolderTest, ProgramsOwnFilesFollowTheInstalledOnes) {
  FillPerUserFolder(share(), user());
  Ship("help/index.html", "help, version 2");
  const PerUserFillReport report = FillPerUserFolder(share(), user());
  EXPECT_EQ(report.refreshed, std::vector<std::string>{"help/index.html"});
  EXPECT_TRUE(report.newer_shipped.empty());
  EXPECT_EQ(Bytes(user() / "help" / "index.html"), "help, version 2");
}

// The installed files are read-only and only ever read; the copies are the user's to write.
TEST_F(PerUserFolderTest, ReadOnlyShareIsNeverWritten) {
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  for (const auto& entry : fs::recursive_directory_iterator(share())) {
    if (entry.is_regular_file()) fs::permissions(entry.path(), read_only);
  }
  for (const fs::path& folder : {share() / "help", share()}) {
    fs::permissions(folder, read_only | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
  }
  const auto before = Snapshot(share());
  for (int start = 0; start < 2; ++start) EXPECT_TRUE(PrepareProgramFolder(surroundings()).notices.empty());
  Put(user() / "SysF.ini", "my sys");
  Put(user() / "help" / "index.html", "old help");
  EXPECT_TRUE(PrepareProgramFolder(surroundings()).notices.empty());
  EXPECT_EQ(Snapshot(share()), before);  // also as root, whom the permissions would not stop
  EXPECT_EQ(fs::status(user() / "Memo.Dat").permissions() & fs::perms::owner_write, fs::perms::owner_write);
  for (const auto& entry : fs::recursive_directory_iterator(share())) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
  }
}

TEST_F(PerUserFolderTest, AnUnwritableUserFolderIsReported) {
  Put(temp_ / "home" / ".local" / "share", "a file where the folder should be");
  const PreparedProgramFolder prepared = PrepareProgramFolder(surroundings());
  ASSERT_EQ(prepared.notices.size(), 1u);
  EXPECT_NE(prepared.notices[0].find(user().string()), std::string::npos);
}

// A portable folder and a named one are used as they are: nothing is copied into them.
TEST_F(PerUserFolderTest, PortableAndNamedFoldersAreNotFilled) {
  Put(bin() / "SysF.ini", "portable");
  EXPECT_EQ(PrepareProgramFolder(surroundings()).choice.kind, ProgramFolderKind::kPortable);
  ProgramSurroundings named = surroundings();
  named.kirvo_home = (temp_ / "named").string();
  EXPECT_EQ(PrepareProgramFolder(named).choice.kind, ProgramFolderKind::kNamed);
  EXPECT_FALSE(fs::exists(user()));
  EXPECT_FALSE(fs::exists(temp_ / "named"));
}

}  // namespace
}  // namespace kirvo
