#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/shift_jis.h"
#include "platform/text_file.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

const char kUSys[] =
    "; rule settings\n"
    "[USysF]\n"
    "KoCB=1\n"
    "ZSG-Row1=子,壬,10,\n"
    "Note= two  spaces \n"
    "Extra=a=b\n"
    "kocb=0\n"
    "\n"
    "[Custom]\n"
    "Keep=me\n";

TEST(IniFile, NamesMatchWithoutCaseAndTheFirstKeyWins) {
  const IniFile ini = IniFile::FromText(kUSys);
  EXPECT_EQ(ini.ReadInteger("usysf", "KOCB", -1), 1);
  EXPECT_EQ(ini.ReadString("USYSF", "zsg-row1", ""), "子,壬,10,");
  EXPECT_EQ(ini.ReadString("USysF", "Note", ""), " two  spaces ");  // the value is not trimmed
  EXPECT_EQ(ini.ReadString("USysF", "Extra", ""), "a=b");           // split at the first "="
  EXPECT_EQ(ini.ReadString("USysF", "Keep", "absent"), "absent");   // a key of another section
  EXPECT_FALSE(ini.HasKey("Custom", "KoCB"));
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"USysF", "Custom"}));
  EXPECT_EQ(ini.Keys("usysf"), (std::vector<std::string>{"KoCB", "ZSG-Row1", "Note", "Extra"}));
}

TEST(IniFile, ReadIntegerTakesOnlyDecimalIntegers) {
  const struct {
    const char* value;
    int expected;
  } cases[] = {
      {"0", 0},    {"25", 25},    {"-100", -100}, {"+7", 7},    {"2147483647", 2147483647},
      {"", -9},    {"12abc", -9}, {" 12", -9},    {"1.5", -9},  {"2147483648", -9},
      {"+-1", -9}, {"-", -9},     {"0x10", -9},   {"１２", -9}, {"--1", -9},
  };
  for (const auto& c : cases) {
    IniFile ini;
    ini.WriteString("SysF", "CCnt", c.value);
    EXPECT_EQ(ini.ReadInteger("SysF", "CCnt", -9), c.expected) << '"' << c.value << '"';
  }
  EXPECT_EQ(IniFile().ReadInteger("SysF", "CCnt", 15), 15);
}

TEST(IniFile, WritingChangesOnlyItsKeyAndAddsMissingOnesInPlace) {
  IniFile ini = IniFile::FromText("[A]\r\nx=1\r\n\r\n[B]\r\ny = 2\r\n");
  ini.WriteInteger("a", "X", 5);    // existing key keeps its spelling
  ini.WriteString("A", "z", "新");  // new key at the end of its section
  ini.WriteString("C", "w", "");    // new section at the end
  EXPECT_EQ(ini.ToText(), "[A]\nx=5\nz=新\n\n[B]\ny = 2\n[C]\nw=\n");
}

TEST(IniFile, SaveKeepsWhatTheProgramDidNotTouch) {
  TempFolder folder;
  const auto file = folder / "USysF.ini";
  IniFile ini = IniFile::FromText(kUSys);
  ini.WriteInteger("USysF", "KoCB", 0);
  ASSERT_TRUE(ini.Save(file).ok());

  std::string expected = kUSys;
  expected.replace(expected.find("KoCB=1"), 6, "KoCB=0");
  std::string crlf;
  for (char c : expected) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const Outcome<std::string> bytes = ReadFileBytes(file);
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes, *EncodeShiftJis(crlf));
  const Outcome<IniFile> loaded = IniFile::Load(file);
  ASSERT_TRUE(loaded.ok()) << loaded.error();
  EXPECT_EQ(loaded->ToText(), expected);
  EXPECT_TRUE(loaded->LoadProblem().empty());
}

TEST(IniFile, SaveRefusesTextThatCannotBeWrittenAndWritesNothing) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"SysF", "NameE", "\xF0\x9F\x98\x80"},  // no Shift-JIS code
      {"SysF", "NameE", "two\nlines"},
      {"SysF", "a=b", "1"},
      {"Sys]F", "x", "1"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    IniFile ini;
    ini.WriteString(c.section, c.key, c.value);
    EXPECT_FALSE(ini.Save(folder / "SysF.ini").ok()) << c.key << "=" << c.value;
    EXPECT_FALSE(std::filesystem::exists(folder / "SysF.ini"));
  }
}

TEST(IniFile, MissingFileLoadsEmptyWithoutProblem) {
  TempFolder folder;
  const Outcome<IniFile> loaded = IniFile::Load(folder / "KIRVO.ini");
  ASSERT_TRUE(loaded.ok());
  EXPECT_TRUE(loaded->Sections().empty());
  EXPECT_TRUE(loaded->LoadProblem().empty());
}

TEST(IniFile, InvalidShiftJisLineIsDroppedAndReportedOnce) {
  TempFolder folder;
  const auto file = folder / "MemoF.ini";
  ASSERT_TRUE(WriteFileAtomically(file,
                                  "[MemoF]\r\n"
                                  "A=\x8D\x62\r\n"
                                  "B=\x81\x20"
                                  "bad\r\n"
                                  "C=3\r\n"
                                  "D=\x80\r\n")
                  .ok());
  const Outcome<IniFile> loaded = IniFile::Load(file);
  ASSERT_TRUE(loaded.ok()) << loaded.error();
  EXPECT_EQ(loaded->ReadString("MemoF", "A", ""), "甲");
  EXPECT_FALSE(loaded->HasKey("MemoF", "B"));
  EXPECT_EQ(loaded->ReadInteger("MemoF", "C", 0), 3);
  EXPECT_FALSE(loaded->HasKey("MemoF", "D"));
  const std::string& problem = loaded->LoadProblem();
  EXPECT_NE(problem.find("MemoF.ini"), std::string::npos) << problem;
  EXPECT_NE(problem.find(" 3 行目"), std::string::npos) << problem;
  EXPECT_EQ(problem.find(" 5 行目"), std::string::npos) << problem;
}

TEST(IniFile, BinaryGarbageLoadsWithoutCrashing) {
  TempFolder folder;
  const auto file = folder / "SysF.ini";
  std::mt19937 random(20240601);
  for (int round = 0; round < 20; ++round) {
    std::string bytes = "[SysF]\r\nCCnt=15\r\n";
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(random() & 0xFF);
    ASSERT_TRUE(WriteFileAtomically(file, bytes).ok());
    const Outcome<IniFile> loaded = IniFile::Load(file);
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    EXPECT_EQ(loaded->ReadInteger("SysF", "CCnt", 0), 15);
    EXPECT_FALSE(loaded->LoadProblem().empty());
  }
}

TEST(IniFile, FolderInPlaceOfTheFileIsAnError) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "SysF.ini");
  const Outcome<IniFile> loaded = IniFile::Load(folder / "SysF.ini");
  ASSERT_FALSE(loaded.ok());
  EXPECT_NE(loaded.error().find("SysF.ini"), std::string::npos) << loaded.error();
}

// A line that is not Shift-JIS (a lead byte followed by a space, then 0xFF) between readable ones.
const std::string kBadLine = "Note=\x81\x20\xFF";

TEST(IniFile, LinesThatCannotBeReadAreWrittenBackInTheirPlace) {
  TempFolder folder;
  const std::filesystem::path file = folder / "SysF.ini";
  ASSERT_TRUE(WriteFileAtomically(file, "[SysF]\r\nA=1\r\n" + kBadLine + "\r\nB=2\r\n[Other]\r\nC=\x93\xfa\r\n").ok());

  Outcome<IniFile> loaded = IniFile::Load(file);
  ASSERT_TRUE(loaded.ok());
  IniFile ini = std::move(loaded).value();
  EXPECT_NE(ini.LoadProblem().find("3 行目"), std::string::npos) << ini.LoadProblem();
  EXPECT_FALSE(ini.HasKey("SysF", "Note"));
  ini.WriteString("SysF", "B", "3");
  ini.WriteString("SysF", "D", "日");
  ASSERT_TRUE(ini.Save(file).ok());

  EXPECT_EQ(*ReadFileBytes(file),
            "[SysF]\r\nA=1\r\n" + kBadLine + "\r\nB=3\r\nD=\x93\xfa\r\n[Other]\r\nC=\x93\xfa\r\n");
}

TEST(IniFile, AValueThatIsNoIniLineWritesNothingAlsoBesideUnreadableLines) {
  TempFolder folder;
  const std::filesystem::path file = folder / "SysF.ini";
  const std::string bytes = "[SysF]\r\n" + kBadLine + "\r\n";
  ASSERT_TRUE(WriteFileAtomically(file, bytes).ok());
  IniFile ini = IniFile::Load(file).value();
  ini.WriteString("SysF", "NameE", "改行\nを含む");
  EXPECT_FALSE(ini.Save(file).ok());
  EXPECT_EQ(*ReadFileBytes(file), bytes);
}

// Lines read from the file and not changed are written back as they were: their own line ends,
// their own codes (a second code of the same character included), no line end added at the end;
// lines written by the program end in CR LF.
TEST(IniFile, UnchangedLinesKeepTheirBytes) {
  struct Case {
    const char* name;
    std::string read;
    std::string written;  // after Left=5 in [MainF]; empty: the file as read
  };
  const Case cases[] = {
      {"LF ends, no end at the end", "[MainF]\nLeft=5\nTop=1", ""},
      {"lone CR", "[MainF]\rLeft=4\r", "[MainF]\rLeft=5\r\n"},
      {"spaces and comments", "; kept\r\n[MainF]\r\nTop = 1\r\nLeft=5\r\n", ""},
      {"key added after a last line without end", "[MainF]\r\nTop=1", "[MainF]\r\nTop=1\r\nLeft=5\r\n"},
      // 0xFA 0x55 and 0xEE 0xFA are two codes of one character; each stays as the file had it.
      {"twin codes", "[MainF]\r\nA=\xFA\x55\r\nB=\xEE\xFA\r\nLeft=5\r\n", ""},
      {"unreadable first line", "\xFF\xFE[MainF]\r\n[MainF]\r\nLeft=1\r\n",
       "\xFF\xFE[MainF]\r\n[MainF]\r\nLeft=5\r\n"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::filesystem::path file = folder / "MainF.ini";
    ASSERT_TRUE(WriteFileAtomically(file, c.read).ok());
    IniFile ini = IniFile::Load(file).value();
    ini.WriteInteger("MainF", "Left", 5);
    ASSERT_TRUE(ini.Save(file).ok()) << c.name;
    EXPECT_EQ(*ReadFileBytes(file), c.written.empty() ? c.read : c.written) << c.name;
  }
}

}  // namespace
}  // namespace kirvo
