#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace kirvo {
namespace {

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const auto file = folder / "Memo.Dat";
  ASSERT_TRUE(WriteFileAtomically(file, "old contents, longer than the new").ok());
  const Status written = WriteFileAtomically(file, std::string("new\0bytes", 9));
  ASSERT_TRUE(written.ok()) << written.error();

  const Outcome<std::string> read = ReadFileBytes(file);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(*read, std::string("new\0bytes", 9));
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"Memo.Dat"});
}

TEST(AtomicWrite, MissingFolderIsAnErrorNamingThePath) {
  TempFolder folder;
  const auto file = folder / "absent" / "USysF.ini";
  const Status written = WriteFileAtomically(file, "x");
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find(file.string()), std::string::npos) << written.error();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

TEST(AtomicWrite, TargetThatIsAFolderKeepsItAndLeavesNoTemporaryFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "SysF.ini");
  EXPECT_FALSE(WriteFileAtomically(folder / "SysF.ini", "x").ok());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "SysF.ini"));
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"SysF.ini"});
}

TEST(ReadFile, MissingFileIsAnError) {
  TempFolder folder;
  EXPECT_FALSE(ReadFileBytes(folder / "none.nam").ok());
  EXPECT_FALSE(ReadShiftJisFile(folder / "none.nam").ok());
}

TEST(ShiftJisFile, LineEndsAreCrLfOnDiskAndNewlineInMemory) {
  TempFolder folder;
  const auto file = folder / "KakuSetu.dat";
  ASSERT_TRUE(WriteShiftJisFile(file, "甲,\n\n乙\n").ok());
  EXPECT_EQ(*ReadFileBytes(file), "\x8D\x62,\r\n\r\n\x89\xB3\r\n");
}

TEST(ShiftJisFile, EveryKindOfLineEndReadsAsNewline) {
  TempFolder folder;
  const auto file = folder / "TZone.dat";
  ASSERT_TRUE(WriteFileAtomically(file, "a\r\nb\nc\rd\r\n\x8D\x62").ok());
  const Outcome<std::string> text = ReadShiftJisFile(file);
  ASSERT_TRUE(text.ok()) << text.error();
  EXPECT_EQ(*text, "a\nb\nc\nd\n甲");
}

TEST(ShiftJisFile, UnencodableTextWritesNothing) {
  TempFolder folder;
  const auto file = folder / "Default.nam";
  ASSERT_TRUE(WriteFileAtomically(file, "kept").ok());
  const Status written = WriteShiftJisFile(file, "名前\xF0\x9F\x98\x80\n");
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("U+1F600"), std::string::npos) << written.error();
  EXPECT_EQ(*ReadFileBytes(file), "kept");
  EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"Default.nam"});
}

TEST(ShiftJisFile, InvalidBytesAreAnErrorNamingTheFile) {
  TempFolder folder;
  const auto file = folder / "SinSetu.dat";
  ASSERT_TRUE(WriteFileAtomically(file, "ok\r\n\x81").ok());
  const Outcome<std::string> text = ReadShiftJisFile(file);
  ASSERT_FALSE(text.ok());
  EXPECT_NE(text.error().find("SinSetu.dat"), std::string::npos) << text.error();
  EXPECT_NE(text.error().find("オフセット 4"), std::string::npos) << text.error();
}

// Only regular files are read: anything else would wait for a writer or never end.
TEST(ReadFile, RefusesWhatIsNoRegularFile) {
  TempFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder / "zero.ini");
  std::filesystem::create_directory(folder / "folder.ini");
  for (const char* name : {"fifo.ini", "zero.ini", "folder.ini"}) {
    const Outcome<std::string> read = ReadFileBytes(folder / name);
    ASSERT_FALSE(read.ok()) << name;
    EXPECT_NE(read.error().find("通常のファイルではない"), std::string::npos) << read.error();
    EXPECT_NE(read.error().find(name), std::string::npos) << read.error();
  }
}

TEST(ReadFile, FollowsLinksToRegularFilesAndRefusesHugeOnes) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder / "real.ini", "[A]").ok());
  std::filesystem::create_symlink("real.ini", folder / "link.ini");
  EXPECT_EQ(*ReadFileBytes(folder / "link.ini"), "[A]");

  const int fd = open((folder / "huge.zou").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kFileSizeLimitBytes) + 1), 0);  // sparse: no disk used
  close(fd);
  const Outcome<std::string> huge = ReadFileBytes(folder / "huge.zou");
  ASSERT_FALSE(huge.ok());
  EXPECT_NE(huge.error().find("大きすぎ"), std::string::npos) << huge.error();
}

TEST(AtomicWrite, WritesThroughSymbolicLinksAndKeepsPermissions) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "data");
  ASSERT_TRUE(WriteFileAtomically(folder / "data" / "Default.nam", "old").ok());
  std::filesystem::permissions(folder / "data" / "Default.nam", std::filesystem::perms::owner_read |
                                                                   std::filesystem::perms::owner_write);
  std::filesystem::create_symlink("data/Default.nam", folder / "link.nam");
  std::filesystem::create_symlink("link.nam", folder / "link_to_link.nam");

  ASSERT_TRUE(WriteFileAtomically(folder / "link_to_link.nam", "new").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link_to_link.nam"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.nam"));
  EXPECT_EQ(*ReadFileBytes(folder / "data" / "Default.nam"), "new");
  EXPECT_EQ(std::filesystem::status(folder / "data" / "Default.nam").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(FolderEntries(folder / "data"), std::vector<std::string>{"Default.nam"});

  // A link whose target does not exist yet creates the target.
  std::filesystem::create_symlink("data/New.nam", folder / "dangling.nam");
  ASSERT_TRUE(WriteFileAtomically(folder / "dangling.nam", "x").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.nam"));
  EXPECT_EQ(*ReadFileBytes(folder / "data" / "New.nam"), "x");
}

// An interrupted save leaves its temporary file; the next save of the same file removes those of
// processes that are gone, and nothing else.
TEST(AtomicWrite, RemovesTemporaryFilesOfEndedSaves) {
  TempFolder folder;
  const std::string own = "SysF.ini.tmp" + std::to_string(getpid()) + "-99";
  for (const std::string& name :
       {std::string("SysF.ini.tmp2147483646-0"), std::string("SysF.ini.tmp2147483645-12"), own,
        std::string("SysF.ini.tmp1-0"), std::string("USysF.ini.tmp2147483646-0"), std::string("SysF.ini.tmpx-1")}) {
    ASSERT_TRUE(WriteFileAtomically(folder / name, "left behind").ok());
  }
  ASSERT_TRUE(WriteFileAtomically(folder / "SysF.ini", "[SysF]").ok());
  std::vector<std::string> entries = FolderEntries(folder.path());
  std::sort(entries.begin(), entries.end());
  std::vector<std::string> kept = {"SysF.ini", own, "SysF.ini.tmp1-0", "SysF.ini.tmpx-1", "USysF.ini.tmp2147483646-0"};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(entries, kept);
}

// A save replaces only a regular file or a missing one: a device, a FIFO or a folder stays, also
// when a link leads to it, and the refusal names the file.
TEST(AtomicWrite, RefusesToReplaceWhatIsNoRegularFile) {
  TempFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(folder / "folder");
  // A device node of its own (the null device's numbers) where the system allows creating one.
  const bool device = mknod((folder / "device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
  std::vector<std::string> targets = {"fifo", "folder"};
  if (device) targets.push_back("device");
  for (const std::string& target : targets) {
    std::filesystem::create_symlink(target, folder / ("link-" + target));
    for (const std::string& name : {target, "link-" + target}) {
      const Status written = WriteFileAtomically(folder / name, "[MainF]\r\n");
      ASSERT_FALSE(written.ok()) << name;
      EXPECT_NE(written.error().find(name), std::string::npos) << written.error();
      EXPECT_NE(written.error().find("通常のファイルではない"), std::string::npos) << written.error();
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "folder"));
  if (device) {
    EXPECT_TRUE(std::filesystem::is_character_file(folder / "device"));
  }
  std::vector<std::string> entries = FolderEntries(folder.path());
  EXPECT_EQ(entries.size(), targets.size() * 2);  // no temporary file left
}

// A file that already holds the bytes is not written again: same file, same time, no error even
// where it could not be replaced.
TEST(AtomicWrite, LeavesAFileThatAlreadyHoldsTheBytes) {
  TempFolder folder;
  const auto file = folder / "USysF.ini";
  ASSERT_TRUE(WriteFileAtomically(file, "[USys]\r\nV122=1\r\n").ok());
  struct stat before {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);
  ASSERT_TRUE(WriteFileAtomically(file, "[USys]\r\nV122=1\r\n").ok());
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);

  ASSERT_TRUE(WriteFileAtomically(file, "[USys]\r\nV122=0\r\n").ok());  // same size, other bytes
  EXPECT_EQ(*ReadFileBytes(file), "[USys]\r\nV122=0\r\n");
}

}  // namespace
}  // namespace kirvo
