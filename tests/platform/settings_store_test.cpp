#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

// A 44-byte placement record with every byte value that needs care in a text file.
std::string PlacementBytes() {
  std::string bytes(44, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 37 + 9);
  bytes[1] = '\n';
  bytes[2] = '\t';
  return bytes;
}

TEST(SettingsStore, ValuesSurviveReopeningTheFile) {
  TempFolder folder;
  const auto file = folder / "store" / "KirvoStore.txt";  // the folder is created on the first write
  {
    Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
    ASSERT_TRUE(store.ok()) << store.error();
    FileSettingsStore& s = store.value();
    ASSERT_TRUE(s.WriteString("", "Dir", "/opt/kirvo").ok());
    ASSERT_TRUE(s.WriteString("Sys", "Gaiji1", "90B3").ok());
    ASSERT_TRUE(s.WriteString("Back", "Edit1", "C:\\BackKV\tline1\r\nline2").ok());
    ASSERT_TRUE(s.WriteBinary("Main", "MainFWinPlace1", PlacementBytes()).ok());
    ASSERT_TRUE(s.WriteString("sys", "GAIJI1", "90B4").ok());  // same value, other case
  }
  const Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
  ASSERT_TRUE(store.ok()) << store.error();
  EXPECT_TRUE(store->LoadProblem().empty()) << store->LoadProblem();
  EXPECT_EQ(store->ReadString("\\", "dir"), "/opt/kirvo");
  EXPECT_EQ(store->ReadString("Sys", "Gaiji1"), "90B4");
  EXPECT_EQ(store->ReadString("Back", "Edit1"), "C:\\BackKV\tline1\r\nline2");
  EXPECT_EQ(store->ReadBinary("\\Main\\", "MainFWinPlace1"), PlacementBytes());
  EXPECT_EQ(store->ReadString("Main", "MainFWinPlace1"), "");  // a binary value is no string
  EXPECT_EQ(store->ReadString("Sys", "Absent"), "");
  EXPECT_FALSE(store->HasValue("Sys", "Absent"));
}

TEST(SettingsStore, DeletedValueReadsAsAbsent) {
  TempFolder folder;
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(folder / "KirvoStore.txt");
  ASSERT_TRUE(store.ok());
  ASSERT_TRUE(store.value().WriteString("Tool", "Count", "2").ok());
  ASSERT_TRUE(store.value().DeleteValue("TOOL", "count").ok());
  EXPECT_TRUE(store.value().DeleteValue("Tool", "Count").ok());
  EXPECT_FALSE(FileSettingsStore::Open(folder / "KirvoStore.txt")->HasValue("Tool", "Count"));
}

TEST(SettingsStore, ImportAddsExportedValuesAndKeepsOthers) {
  TempFolder folder;
  Outcome<FileSettingsStore> source = FileSettingsStore::Open(folder / "a.txt");
  ASSERT_TRUE(source.value().WriteString("Sys", "Gaiji1", "90B3").ok());
  ASSERT_TRUE(source.value().WriteBinary("Main", "MainFWinPlace1", PlacementBytes()).ok());
  ASSERT_TRUE(source->ExportTo(folder / "KIRVO.REG").ok());

  Outcome<FileSettingsStore> target = FileSettingsStore::Open(folder / "b.txt");
  ASSERT_TRUE(target.value().WriteString("Sys", "Gaiji1", "old").ok());
  ASSERT_TRUE(target.value().WriteString("Back", "CG1", "15").ok());
  const Status imported = target.value().ImportFrom(folder / "KIRVO.REG");
  ASSERT_TRUE(imported.ok()) << imported.error();

  const Outcome<FileSettingsStore> reopened = FileSettingsStore::Open(folder / "b.txt");
  EXPECT_EQ(reopened->ReadString("Sys", "Gaiji1"), "90B3");
  EXPECT_EQ(reopened->ReadBinary("Main", "MainFWinPlace1"), PlacementBytes());
  EXPECT_EQ(reopened->ReadString("Back", "CG1"), "15");
}

TEST(SettingsStore, DamagedImportFileImportsNothing) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder / "KIRVO.REG", "KirvoStore 1\nS\tSys\tA\t1\nB\tMain\tP\txyz\n").ok());
  ASSERT_TRUE(WriteFileAtomically(folder / "other.reg", "REGEDIT4\n").ok());
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(folder / "KirvoStore.txt");
  EXPECT_FALSE(store.value().ImportFrom(folder / "KIRVO.REG").ok());
  EXPECT_FALSE(store.value().ImportFrom(folder / "other.reg").ok());
  EXPECT_FALSE(store.value().ImportFrom(folder / "absent.reg").ok());
  EXPECT_FALSE(store->HasValue("Sys", "A"));
}

TEST(SettingsStore, DamagedStoreKeepsTheGoodLinesAndReportsTheFirstBadOne) {
  TempFolder folder;
  const auto file = folder / "KirvoStore.txt";
  ASSERT_TRUE(WriteFileAtomically(file, "KirvoStore 1\nS\tSys\tA\t1\ngarbage\nS\tSys\tB\t2\nB\tX\tY\t0\n").ok());
  const Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
  ASSERT_TRUE(store.ok()) << store.error();
  EXPECT_EQ(store->ReadString("Sys", "A"), "1");
  EXPECT_EQ(store->ReadString("Sys", "B"), "2");
  EXPECT_NE(store->LoadProblem().find(" 3 行目"), std::string::npos) << store->LoadProblem();
}

TEST(SettingsStore, ALaterLineOfTheSameValueTakesTheEarliersPlace) {
  TempFolder folder;
  const auto file = folder / "KirvoStore.txt";
  ASSERT_TRUE(WriteFileAtomically(file, "KirvoStore 1\nS\tSys\tA\t1\nS\tSys\tB\t2\nS\t\\\\sys\\\\\ta\tthree\nS\tSys\tB\t4\n").ok());
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
  ASSERT_TRUE(store.ok()) << store.error();
  EXPECT_EQ(store->ReadString("Sys", "A"), "three");
  EXPECT_EQ(store->ReadString("Sys", "B"), "4");
  ASSERT_TRUE(store.value().WriteString("Sys", "C", "5").ok());
  EXPECT_EQ(*ReadFileBytes(file), "KirvoStore 1\nS\tsys\ta\tthree\nS\tSys\tB\t4\nS\tSys\tC\t5\n");
  ASSERT_TRUE(store.value().DeleteValue("SYS", "b").ok());
  EXPECT_EQ(store->ReadString("Sys", "C"), "5");
}

TEST(SettingsStore, WritesKeepUnreadableLinesByteForByteInTheirPlaces) {
  TempFolder folder;
  const auto file = folder / "KirvoStore.txt";
  // A line of another program, a damaged value, bytes that are no UTF-8, a CR LF end and a last
  // line without its end.
  const std::string unreadable_1 = "REGEDIT4\r\n";
  const std::string unreadable_2 = "B\tMain\tP\txyz\n";
  const std::string unreadable_3 = "S\tSys\t\x82\xa0\xff";
  ASSERT_TRUE(WriteFileAtomically(file, unreadable_1 + "S\tSys\tA\t1\n" + unreadable_2 + "S\tSys\tB\t2\n" +
                                            unreadable_3).ok());
  {
    Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
    ASSERT_TRUE(store.ok()) << store.error();
    EXPECT_NE(store->LoadProblem().find(" 1 行目"), std::string::npos) << store->LoadProblem();
    ASSERT_TRUE(store.value().WriteString("sys", "a", "one").ok());
    ASSERT_TRUE(store.value().WriteString("Sys", "C", "3").ok());
    ASSERT_TRUE(store.value().DeleteValue("Sys", "B").ok());
  }
  EXPECT_EQ(*ReadFileBytes(file), "KirvoStore 1\n" + unreadable_1 + "S\tsys\ta\tone\n" + unreadable_2 +
                                      unreadable_3 + "\nS\tSys\tC\t3\n");
  const Outcome<FileSettingsStore> reopened = FileSettingsStore::Open(file);
  EXPECT_EQ(reopened->ReadString("Sys", "A"), "one");
  EXPECT_EQ(reopened->ReadString("Sys", "C"), "3");
  EXPECT_FALSE(reopened->HasValue("Sys", "B"));

  // A backup holds the values only and imports whole.
  ASSERT_TRUE(reopened->ExportTo(folder / "KIRVO.REG").ok());
  EXPECT_EQ(*ReadFileBytes(folder / "KIRVO.REG"), "KirvoStore 1\nS\tsys\ta\tone\nS\tSys\tC\t3\n");
}

// Its speed is the store benchmark's (BM_SettingsStoreLoad); a timed test would only flake on a
// loaded machine.
TEST(SettingsStore, ALargeStoreLoadsWhole) {
  TempFolder folder;
  const auto file = folder / "KirvoStore.txt";
  std::string text = "KirvoStore 1\n";
  constexpr int kValues = 100000;
  for (int i = 0; i < kValues; ++i) text += "S\tKey" + std::to_string(i % 100) + "\tName" + std::to_string(i) + "\tv\n";
  ASSERT_TRUE(WriteFileAtomically(file, text).ok());
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
  ASSERT_TRUE(store.ok());
  EXPECT_TRUE(store->HasValue("KEY99", "name99999"));
  ASSERT_TRUE(store.value().WriteString("Key0", "Name0", "w").ok());
  EXPECT_EQ(ReadFileBytes(file)->size(), text.size());
}

TEST(SettingsStore, DefaultLocationFollowsTheEnvironment) {
  const auto with = [](const char* store_dir, const char* config_home) {
    store_dir != nullptr ? setenv("KIRVO_STORE_DIR", store_dir, 1) : unsetenv("KIRVO_STORE_DIR");
    config_home != nullptr ? setenv("XDG_CONFIG_HOME", config_home, 1) : unsetenv("XDG_CONFIG_HOME");
    return DefaultSettingsStorePath();
  };
  const char* old_store = std::getenv("KIRVO_STORE_DIR");
  const char* old_config = std::getenv("XDG_CONFIG_HOME");
  const std::string saved_store = old_store ? old_store : "";
  const std::string saved_config = old_config ? old_config : "";
  const bool had_store = old_store != nullptr;
  const bool had_config = old_config != nullptr;

  EXPECT_EQ(with("/tmp/s", "/tmp/c"), std::filesystem::path("/tmp/s/KirvoStore.txt"));
  EXPECT_EQ(with("", "/tmp/c"), std::filesystem::path("/tmp/c/kirvolan/KirvoStore.txt"));
  EXPECT_EQ(with(nullptr, nullptr).filename(), "KirvoStore.txt");
  EXPECT_EQ(with(nullptr, nullptr).parent_path().filename(), "kirvolan");
  EXPECT_EQ(with(nullptr, nullptr).parent_path().parent_path().filename(), ".config");

  with(had_store ? saved_store.c_str() : nullptr, had_config ? saved_config.c_str() : nullptr);
}

}  // namespace
}  // namespace kirvo
