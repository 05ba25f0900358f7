#include "platform/text_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kirvo
