#include "data/explanation_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/explanation_list.h"
#include "explanation_fixture.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

using test::NumberedNames;
using test::RawBytes;
using test::WriteLines;

// A program folder holding a pattern file with `lines`, and the pattern editor opened on it.
struct PatternEditorFolder {
  explicit PatternEditorFolder(const std::vector<std::string>& lines) { WriteLines(folder / "KakuSetu.dat", lines); }
  ExplanationEditor Open() {
    Outcome<ExplanationEditor> editor =
        ExplanationEditor::Open(kPatternExplanationEditor, NumberedNames(29), folder.path());
    EXPECT_TRUE(editor.ok()) << editor.error();
    return std::move(editor).value();
  }
  std::vector<std::string> FileLines() {
    Outcome<std::vector<std::string>> lines = ReadExplanationLines(folder / "KakuSetu.dat");
    EXPECT_TRUE(lines.ok()) << lines.error();
    return lines.ok() ? *lines : std::vector<std::string>();
  }

  TempFolder folder;
  RecordingInteraction interaction;
};

std::vector<std::string> FullFile() {
  std::vector<std::string> lines;
  for (int i = 1; i <= 29; ++i) lines.push_back("説明" + std::to_string(i));
  lines[1] = "二つ目/r二行目";
  return lines;
}

TEST(ExplanationEditor, OpensOnTheFirstEntryAndShowsEntriesWithRealLineBreaks) {
  PatternEditorFolder setup(FullFile());
  ExplanationEditor editor = setup.Open();
  EXPECT_EQ(editor.selected(), 0);
  EXPECT_EQ(editor.text(), "説明1");
  EXPECT_FALSE(editor.previous_enabled());
  EXPECT_TRUE(editor.next_enabled());

  editor.Show(1);
  EXPECT_EQ(editor.text(), "二つ目\n二行目");
  EXPECT_TRUE(editor.previous_enabled());
  editor.Show(29);  // past the last entry: nothing changes
  EXPECT_EQ(editor.selected(), 1);
}

TEST(ExplanationEditor, AThreeLineTextIsStoredWithTwoSlashRAndShownAgainAsThreeLines) {
  PatternEditorFolder setup(FullFile());
  ExplanationEditor editor = setup.Open();
  editor.SetText("上\r\n中\r\n下");  // the text area's own line ends
  editor.Next();
  EXPECT_EQ(editor.selected(), 1);
  EXPECT_EQ(editor.lines()[0], "上/r中/r下");
  editor.Previous();
  EXPECT_EQ(editor.text(), "上\n中\n下");

  ASSERT_TRUE(editor.Ok(setup.interaction).ok());
  const std::vector<std::string> written = setup.FileLines();
  ASSERT_EQ(written.size(), 29u);
  EXPECT_EQ(written[0], "上/r中/r下");
  EXPECT_EQ(written[1], "二つ目/r二行目");
  EXPECT_EQ(RawBytes(setup.folder / "KakuSetu.dat").substr(0, 12), "\x8f\xe3/r\x92\x86/r\x89\xba\r\n");
  EXPECT_TRUE(setup.interaction.messages.empty());
}

TEST(ExplanationEditor, TheFileChangesOnlyOnCloseAndTheCloseBoxDropsTheEntryBeingEdited) {
  PatternEditorFolder setup(FullFile());
  ExplanationEditor editor = setup.Open();
  editor.SetText("保存される");
  editor.Next();
  editor.SetText("閉じるボタンで失われる");
  EXPECT_EQ(setup.FileLines()[0], "説明1");

  ASSERT_TRUE(editor.Close(setup.interaction).ok());
  const std::vector<std::string> written = setup.FileLines();
  EXPECT_EQ(written[0], "保存される");
  EXPECT_EQ(written[1], "二つ目/r二行目");
}

TEST(ExplanationEditor, FocusingTheSelectorStoresTheEditBeforeAnotherEntryIsChosen) {
  PatternEditorFolder setup(FullFile());
  ExplanationEditor editor = setup.Open();
  editor.SetText("マウスで選び直す前の編集");
  editor.Store();  // the selector takes the focus
  editor.Show(5);
  EXPECT_EQ(editor.text(), "説明6");
  EXPECT_EQ(editor.lines()[0], "マウスで選び直す前の編集");
}

TEST(ExplanationEditor, NextIsDisabledOnTheLastSpiritStarAndStepsNoFurther) {
  TempFolder folder;
  std::vector<std::string> lines = NumberedNames(39);
  WriteLines(folder / "SinSetu.dat", lines);
  Outcome<ExplanationEditor> opened =
      ExplanationEditor::Open(kSpiritStarExplanationEditor, NumberedNames(39), folder.path());
  ASSERT_TRUE(opened.ok()) << opened.error();
  ExplanationEditor editor = std::move(opened).value();

  editor.Show(37);  // entry 38, the last but one
  EXPECT_TRUE(editor.next_enabled());
  editor.Next();
  EXPECT_EQ(editor.selected(), 38);
  EXPECT_EQ(editor.text(), "n39");
  EXPECT_FALSE(editor.next_enabled());
  editor.SetText("最後");
  editor.Next();  // still stores
  EXPECT_EQ(editor.selected(), 38);
  EXPECT_EQ(editor.lines()[38], "最後");
}

TEST(ExplanationEditor, ShortOrMissingFilesGiveEmptyEntriesThatCanBeStored) {
  {
    PatternEditorFolder setup({"一", "二"});
    ExplanationEditor editor = setup.Open();
    editor.Show(9);
    EXPECT_EQ(editor.text(), "");
    editor.SetText("十番目");
    ASSERT_TRUE(editor.Ok(setup.interaction).ok());
    const std::vector<std::string> written = setup.FileLines();
    ASSERT_EQ(written.size(), 29u);
    EXPECT_EQ(written[1], "二");
    EXPECT_EQ(written[9], "十番目");
  }
  {
    TempFolder folder;
    RecordingInteraction interaction;
    Outcome<ExplanationEditor> opened =
        ExplanationEditor::Open(kPatternExplanationEditor, NumberedNames(29), folder.path());
    ASSERT_TRUE(opened.ok()) << opened.error();
    ExplanationEditor editor = std::move(opened).value();
    editor.SetText("新しいファイル");
    ASSERT_TRUE(editor.Ok(interaction).ok());
    const Outcome<std::vector<std::string>> written = ReadExplanationLines(folder / "KakuSetu.dat");
    ASSERT_TRUE(written.ok()) << written.error();
    ASSERT_EQ(written->size(), 29u);
    EXPECT_EQ(written->front(), "新しいファイル");
  }
}

TEST(ExplanationEditor, LinesAfterTheLastEntryAreKept) {
  std::vector<std::string> lines = FullFile();
  lines.push_back("余分な行");
  lines.push_back("");
  lines.push_back("もう一行");
  PatternEditorFolder setup(lines);
  ExplanationEditor editor = setup.Open();
  ASSERT_TRUE(editor.Ok(setup.interaction).ok());
  EXPECT_EQ(setup.FileLines(), lines);
}

TEST(ExplanationEditor, WritesBackToTheFileItReadWhateverTheCaseOfItsName) {
  TempFolder folder;
  WriteLines(folder / "KAKUSETU.DAT", FullFile());
  RecordingInteraction interaction;
  Outcome<ExplanationEditor> opened =
      ExplanationEditor::Open(kPatternExplanationEditor, NumberedNames(29), folder.path());
  ASSERT_TRUE(opened.ok()) << opened.error();
  ExplanationEditor editor = std::move(opened).value();
  editor.SetText("大文字の名前のまま");
  ASSERT_TRUE(editor.Ok(interaction).ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "KakuSetu.dat"));
  const Outcome<std::vector<std::string>> written = ReadExplanationLines(folder / "KAKUSETU.DAT");
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(written->front(), "大文字の名前のまま");
}

TEST(ExplanationEditor, AnUnreadableFileIsNotOpenedSoItIsNeverOverwritten) {
  TempFolder folder;
  const std::string bytes = "ok\r\n\x81";
  ASSERT_TRUE(WriteFileAtomically(folder / "KakuSetu.dat", bytes).ok());
  const Outcome<ExplanationEditor> opened =
      ExplanationEditor::Open(kPatternExplanationEditor, NumberedNames(29), folder.path());
  ASSERT_FALSE(opened.ok());
  EXPECT_NE(opened.error().find("KakuSetu.dat"), std::string::npos) << opened.error();
  EXPECT_EQ(RawBytes(folder / "KakuSetu.dat"), bytes);
}

TEST(ExplanationEditor, AFailedWriteBeepsAndIsReported) {
  PatternEditorFolder setup(FullFile());
  ExplanationEditor editor = setup.Open();
  editor.SetText("変えた説明");  // an edit, so that closing writes
  editor.Store();
  std::filesystem::remove(setup.folder / "KakuSetu.dat");
  std::filesystem::create_directory(setup.folder / "KakuSetu.dat");
  EXPECT_FALSE(editor.Close(setup.interaction).ok());
  EXPECT_EQ(setup.interaction.beeps, 1);
  EXPECT_EQ(setup.interaction.messages.size(), 1u);
}

TEST(ExplanationList, ShowsNamesBesideTheStoredLinesIncludingTheEditInProgress) {
  std::vector<std::string> lines = FullFile();
  lines.push_back("余分な行");
  PatternEditorFolder setup(lines);
  ExplanationEditor editor = setup.Open();
  editor.SetText("編集中\n二行");
  const TextTable list = editor.OpenList();
  EXPECT_EQ(list.columns(), 2u);
  EXPECT_EQ(list.rows(), 31u);  // a title row and one row per line of the file
  EXPECT_EQ(list.Cell(0, 0), "");
  EXPECT_EQ(list.Cell(1, 0), "格局の説明文の編集の一覧");
  EXPECT_EQ(list.Cell(0, 1), "n1");
  EXPECT_EQ(list.Cell(1, 1), "編集中/r二行");
  EXPECT_EQ(list.Cell(1, 2), "二つ目/r二行目");
  EXPECT_EQ(list.Cell(0, 29), "n29");
  EXPECT_EQ(list.Cell(0, 30), "");
  EXPECT_EQ(list.Cell(1, 30), "余分な行");
  EXPECT_EQ(editor.text(), "編集中\n二行");
}

TEST(ExplanationList, RowHeightFollowsTheWidestWrappedCell) {
  struct Case {
    std::vector<ListCellExtent> cells;
    bool word_wrap;
    int expected;
  };
  const Case cases[] = {
      {{{40, 60}, {100, 300}}, true, 16},                          // one line: 1 × (16 − 2) + 2
      {{{40, 60}, {650, 300}}, true, 44},                          // 650 / 300 + 1 = 3 lines
      {{{130, 60}, {650, 300}}, true, 44},                         // the name needs 3 lines too
      {{{190, 60}, {10, 300}}, true, 58},                          // the name cell is the widest: 4 lines
      {{{40, 60}, {650, 300}}, false, 16}, {{{40, 0}}, true, 16},  // a collapsed column counts one line
  };
  for (const Case& c : cases) EXPECT_EQ(ListRowHeight(c.cells, 16, c.word_wrap), c.expected);
}

}  // namespace
}  // namespace kirvo
