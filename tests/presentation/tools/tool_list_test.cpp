#include "presentation/tools/tool_list.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

ToolEntry Entry(std::string title, std::string program = "", std::string file = "", std::string folder = "") {
  return {std::move(title), std::move(program), std::move(file), std::move(folder)};
}

TEST(ToolListTest, TheStoredTextKeepsEveryCellAndTheEntriesEndAtTheFirstEmptyTitle) {
  const ToolList shipped = ToolList::FromText(kDefaultToolList);
  EXPECT_EQ(shipped.Text(), kDefaultToolList);
  ASSERT_EQ(shipped.Entries().size(), 2u);
  EXPECT_EQ(shipped.Entries()[1], Entry("Readme", "", "Readme.txt"));

  // A row after a gap is kept in the text but is no entry; a short text leaves the rest empty.
  const ToolList gap = ToolList::FromText("a,p,f,d,,,,,c,q,");
  EXPECT_EQ(gap.Entries(), std::vector<ToolEntry>{Entry("a", "p", "f", "d")});
  EXPECT_EQ(gap.rows()[2], Entry("c", "q"));
  EXPECT_EQ(ToolList::FromText(gap.Text()).rows(), gap.rows());
}

TEST(ToolListTest, AddFillsTheFirstFreeRowAndDeleteMovesTheRowsBelowUp) {
  ToolList list;
  EXPECT_FALSE(list.Add(Entry("", "prog")));
  for (int i = 0; i < kToolRows; ++i) ASSERT_TRUE(list.Add(Entry("t" + std::to_string(i), "p")));
  const std::string full = list.Text();
  EXPECT_FALSE(list.Add(Entry("eleventh")));
  EXPECT_EQ(list.Text(), full);

  ASSERT_TRUE(list.Remove(3));
  EXPECT_EQ(list.rows()[3].title, "t4");
  EXPECT_EQ(list.rows()[8].title, "t9");
  EXPECT_EQ(list.rows()[9], ToolEntry{});
  EXPECT_FALSE(list.Remove(kToolRows));

  ToolList single;
  single.Add(Entry("only", "p"));
  single.Remove(0);
  EXPECT_TRUE(single.Entries().empty());
}

TEST(ToolListTest, AnEntryStartsItsProgramOrOpensItsFileAndAMissingOneIsNamed) {
  TempFolder folder;
  const std::filesystem::path bin = folder / "bin";
  std::filesystem::create_directories(bin);
  ASSERT_TRUE(WriteFileAtomically(bin / "calc", "#!/bin/sh\n").ok());
  std::filesystem::permissions(bin / "calc", std::filesystem::perms::owner_all);
  ASSERT_TRUE(WriteFileAtomically(bin / "not-executable", "text").ok());
  ASSERT_TRUE(WriteFileAtomically(folder / "Readme.txt", "readme").ok());
  const std::string path = "/nonexistent:" + bin.string();

  Outcome<ToolLaunch> calc = ResolveToolLaunch(Entry("電卓", "calc", "x.txt", "/tmp"), folder.path(), path);
  ASSERT_TRUE(calc.ok());
  const auto* start = std::get_if<StartProgram>(&calc.value());
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->program, bin / "calc");
  EXPECT_EQ(start->arguments, std::vector<std::string>{"x.txt"});
  EXPECT_EQ(start->folder, "/tmp");

  Outcome<ToolLaunch> by_path = ResolveToolLaunch(Entry("t", "bin/calc"), folder.path(), "");
  ASSERT_TRUE(by_path.ok());
  EXPECT_EQ(std::get<StartProgram>(by_path.value()).folder, folder.path());

  Outcome<ToolLaunch> readme = ResolveToolLaunch(Entry("Readme", "", "Readme.txt"), folder.path(), path);
  ASSERT_TRUE(readme.ok());
  EXPECT_EQ(std::get<OpenWithDesktop>(readme.value()).file, folder / "Readme.txt");

  const struct {
    ToolEntry entry;
    std::string message;
  } refused[] = {
      {Entry("電卓", "calc.exe"), "『calc.exe』が見つかりません。"},
      {Entry("t", "not-executable"), "『not-executable』が見つかりません。"},
      {Entry("t", "bin/none"), "『bin/none』が見つかりません。"},
      {Entry("Readme", "", "Gone.txt"), "『Gone.txt』が見つかりません。"},
  };
  for (const auto& c : refused) {
    Outcome<ToolLaunch> launch = ResolveToolLaunch(c.entry, folder.path(), path);
    ASSERT_FALSE(launch.ok()) << c.message;
    EXPECT_EQ(launch.error(), c.message);
  }
}

}  // namespace
}  // namespace kirvo
