#include "presentation/tools/backup.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

using Files = std::map<std::string, std::string>;

void Write(const std::filesystem::path& folder, const Files& files) {
  std::filesystem::create_directories(folder);
  for (const auto& [name, bytes] : files) ASSERT_TRUE(WriteFileAtomically(folder / name, bytes).ok()) << name;
}

// The regular files of `folder` itself with their bytes.
Files Read(const std::filesystem::path& folder) {
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().filename().string()] = ReadFileBytes(entry.path()).value();
  }
  return files;
}

const Files kUserFiles = {
    {"person.nam", "name\r\n"}, {"NAME.NAM", "upper\r\n"}, {"KakuSetu.dat", "\x8a\x69\r\n"},
    {"USysF.ini", "[a]\r\n"},   {"x.set", "set"},          {"notes.txt", "not backed up"},
};

TEST(BackupTest, TheSummaryCountsTheMatchingFilesOfTheCheckedKinds) {
  TempFolder folder;
  Write(folder.path(), kUserFiles);
  Write(folder / "sub", {{"deep.nam", "x"}});
  const auto names = [&](int kinds) {
    std::vector<std::string> found;
    for (const auto& file : MatchingFiles(folder.path(), kinds)) found.push_back(file.filename().string());
    return found;
  };
  EXPECT_EQ(names(1), (std::vector<std::string>{"NAME.NAM", "person.nam"}));
  EXPECT_EQ(names(4), (std::vector<std::string>{"USysF.ini", "x.set"}));
  EXPECT_TRUE(names(0).empty());
  EXPECT_EQ(FolderSummary(folder.path(), 0), "【合計ファイル数：　0】　　【容量：約      0.00 Ｋバイト】");
  EXPECT_EQ(FolderSummary(folder.path(), 1), "【合計ファイル数：　2】　　【容量：約      0.01 Ｋバイト】");
  EXPECT_EQ(FolderSummary(folder / "absent", 15), "媒体 or フォルダ がありません。");

  Write(folder.path(), {{"big.dat", std::string(2'000'000, 'x')}});
  EXPECT_EQ(FolderSummary(folder.path(), 2), "【合計ファイル数：　2】　　【容量：約  1,953.13 Ｋバイト】");
}

TEST(BackupTest, BackupThenRestoreReturnsEveryFileAndTheStore) {
  TempFolder program;
  TempFolder media;
  Write(program.path(), kUserFiles);
  FileSettingsStore store = FileSettingsStore::Open(program / "store.reg").value();
  ASSERT_TRUE(store.WriteString("Sys", "Gaiji1", "8AF8").ok());
  ASSERT_TRUE(store.WriteString(R"(Back)", "Edit1", "/media/usb").ok());
  const Files before = Read(program.path());
  const std::string store_before = ReadFileBytes(program / "store.reg").value();

  JobControl control;
  const std::filesystem::path backup = media / "backup";
  std::filesystem::create_directories(backup);
  const CopyReport backed_up = BackUp(program.path(), backup, kAllBackupKinds, store, control);
  ASSERT_TRUE(backed_up.complete()) << backed_up.Message("");
  EXPECT_TRUE(std::filesystem::exists(backup / "KIRVO.REG"));
  EXPECT_FALSE(std::filesystem::exists(backup / "notes.txt"));

  // The user then loses the files and changes the settings.
  Write(program.path(), {{"person.nam", "overwritten"}, {"KakuSetu.dat", ""}});
  std::filesystem::remove(program / "x.set");
  ASSERT_TRUE(store.WriteString("Sys", "Gaiji1", "90B3").ok());
  ASSERT_TRUE(store.WriteString("Back", "Edit1", "/elsewhere").ok());
  const Files damaged = Read(program.path());

  std::filesystem::path kept;
  const CopyReport restored = Restore(program.path(), backup, kAllBackupKinds, store, control, &kept);
  ASSERT_TRUE(restored.complete()) << restored.Message("");
  Files after = Read(program.path());
  after.erase("KIRVO.REG");  // the settings file comes along with the .reg kind
  after.erase("store.reg");
  Files expected = before;
  expected.erase("store.reg");
  EXPECT_EQ(after, expected);
  EXPECT_EQ(ReadFileBytes(program / "store.reg").value(), store_before);
  EXPECT_EQ(store.ReadString("Sys", "Gaiji1"), "8AF8");

  // What the restore replaced is kept, so that it can be undone.
  ASSERT_FALSE(kept.empty());
  const Files in_keep = Read(kept);
  EXPECT_EQ(in_keep.at("person.nam"), damaged.at("person.nam"));
  EXPECT_EQ(in_keep.at("KakuSetu.dat"), "");
  EXPECT_FALSE(in_keep.contains("x.set"));  // it was not there to be replaced
  EXPECT_TRUE(in_keep.contains("KIRVO.REG"));
}

TEST(BackupTest, WithoutTheSettingsKindTheRestoreLeavesTheStoreAlone) {
  TempFolder program;
  TempFolder backup;
  Write(program.path(), {{"a.nam", "old"}});
  FileSettingsStore store = FileSettingsStore::Open(program / "store.reg").value();
  JobControl control;
  ASSERT_TRUE(BackUp(program.path(), backup.path(), 0, store, control).complete());
  EXPECT_TRUE(std::filesystem::exists(backup / "KIRVO.REG"));  // written whatever the kinds
  ASSERT_TRUE(store.WriteString("Sys", "Gaiji1", "8AF8").ok());
  Write(backup.path(), {{"a.nam", "new"}});
  ASSERT_TRUE(Restore(program.path(), backup.path(), 1, store, control).complete());
  EXPECT_EQ(ReadFileBytes(program / "a.nam").value(), "new");
  EXPECT_EQ(store.ReadString("Sys", "Gaiji1"), "8AF8");
}

TEST(BackupTest, AFileThatCannotBeReplacedIsNamedAndNothingIsLost) {
  TempFolder program;
  TempFolder backup;
  Write(program.path(), {{"a.nam", "old a"}, {"c.nam", "old c"}});
  // A folder where a file should go: the copy cannot replace it, whoever runs the test.
  std::filesystem::create_directories(program / "b.nam");
  Write(backup.path(), {{"a.nam", "new a"}, {"b.nam", "new b"}, {"c.nam", "new c"}});
  FileSettingsStore store = FileSettingsStore::Open(program / "store.reg").value();
  JobControl control;

  const CopyReport report = Restore(program.path(), backup.path(), 1, store, control);
  EXPECT_FALSE(report.complete());
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_TRUE(report.failures[0].starts_with("『b.nam』をコピーできませんでした。")) << report.failures[0];
  EXPECT_TRUE(report.Message(kRestoreNotCompleted).ends_with("リストアは完了しませんでした。"));
  EXPECT_TRUE(std::filesystem::is_directory(program / "b.nam"));
  // The others were replaced whole; no temporary file is left beside them.
  EXPECT_EQ(Read(program.path()), (Files{{"a.nam", "new a"}, {"c.nam", "new c"}}));

  // A stop between files leaves every file either old or new.
  JobControl stopped;
  stopped.RequestStop();
  EXPECT_TRUE(CopyFiles(MatchingFiles(backup.path(), 1), program.path(), stopped).stopped);
}

TEST(BackupTest, TheChoiceIsKeptInTheStoreWithAHomeFolderByDefault) {
  TempFolder folder;
  FileSettingsStore store = FileSettingsStore::Open(folder / "store.reg").value();
  const BackupChoice fresh = ReadBackupChoice(store);
  EXPECT_EQ(fresh.kinds, 15);
  EXPECT_EQ(fresh.folder, DefaultBackupFolder());
  EXPECT_NE(fresh.folder.string().find("KirvoBackup"), std::string::npos);
  ASSERT_TRUE(WriteBackupChoice(store, {5, "/media/usb/kv"}).ok());
  const BackupChoice read = ReadBackupChoice(store);
  EXPECT_EQ(read.kinds, 5);
  EXPECT_EQ(read.folder, "/media/usb/kv");
}

}  // namespace
}  // namespace kirvo
