// Every file the program writes, read and saved again without an edit, stays byte for byte as it
// was: lines the program does not know or cannot read are kept, and a file that could not be read
// at all is left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "data/explanation_editor.h"
#include "data/name_file.h"
#include "platform/ini_file.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
#include "presentation/frame/ini_window_placement.h"
#include "presentation/persons/person_list_file.h"
#include "presentation/time/date_search_form.h"
#include "presentation/time/natural_time_session.h"
#include "settings/sys_settings_file.h"
#include "settings/usys_settings_file.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

std::string Shipped(const char* name) {
  return ReadFileBytes(std::filesystem::path(KIRVO_SHIPPED_DIR) / name).value();
}

// A line no reader can decode (a lead byte followed by a space) and a section no version knows.
const std::string kUnreadableLine = "Note=\x81\x20\xFF\r\n";
const std::string kUnknownSection = "[Later]\r\nKey=\x93\xfa\r\n";

// The bytes of a file the program writes itself, made in a scratch folder.
std::string Written(const std::function<Status(const std::filesystem::path&)>& write, const char* name) {
  TempFolder scratch;
  EXPECT_TRUE(write(scratch.path()).ok()) << name;
  return ReadFileBytes(scratch / name).value();
}

std::vector<std::string> EntryNames(int count) {
  std::vector<std::string> names;
  for (int i = 1; i <= count; ++i) names.push_back("項目" + std::to_string(i));
  return names;
}

// Reads the files of `folder` the way the program does, and saves them without an edit.
using ReadAndSave = std::function<void(const std::filesystem::path& folder)>;

void SettingsRoundTrip(const std::filesystem::path& folder) {
  FileSettingsStore store = FileSettingsStore::Open(folder / "store").value();
  Loaded<SysSettings> sys = LoadSysSettings(folder, store, std::nullopt);
  static_cast<void>(SaveSysSettings(sys.value, folder));
  Loaded<USysSettings> usys = LoadUSysSettings(folder, store, FirstRunRule::kApply);
  static_cast<void>(SaveUSysSettings(usys.value, folder));
}

void PlacementRoundTrip(const std::filesystem::path& folder) {
  const std::filesystem::path path = folder / "KIRVO.ini";
  Outcome<IniFile> ini = IniFile::Load(path);
  if (!ini) return;
  const IniPlacement kept = ReadIniPlacement(*ini, "SouGoF");
  WriteIniPlacement(ini.value(), "SouGoF", {*kept.left, *kept.top, *kept.width, *kept.height},
                    ini->ReadInteger("SouGoF", "MONITORS", 0));
  static_cast<void>(ini->Save(path));
}

void DateSearchRoundTrip(const std::filesystem::path& folder) {
  static_cast<void>(SaveDateSearchForm(folder, LoadDateSearchForm(folder)));
}

void PlaceListRoundTrip(const std::filesystem::path& folder) {
  RecordingInteraction interaction;
  std::optional<NaturalTimeSession> session = NaturalTimeSession::OpenInFolder("2000/01/0112:00", folder, interaction);
  static_cast<void>(session->Save(folder));
}

void NameFileRoundTrip(const std::filesystem::path& folder) {
  RecordingInteraction interaction;
  PersonListFile file(folder, "Default.nam");
  file.Load("Default.nam", interaction);
  static_cast<void>(file.Save());  // 上書き保存 without an edit
  interaction.QueueAnswer(false);
  static_cast<void>(file.CloseQuery(interaction));
}

// The per-user store writes on every change; a value written again as it was changes no byte.
void StoreRoundTrip(const std::filesystem::path& folder) {
  FileSettingsStore store = FileSettingsStore::Open(folder / "KirvoStore.txt").value();
  static_cast<void>(store.WriteString("Sys", "Gaiji1", store.ReadString("Sys", "Gaiji1")));
}

ReadAndSave ExplanationRoundTrip(const ExplanationEditorForm& form, int entries) {
  return [&form, entries](const std::filesystem::path& folder) {
    RecordingInteraction interaction;
    Outcome<ExplanationEditor> editor = ExplanationEditor::Open(form, EntryNames(entries), folder);
    if (editor) static_cast<void>(editor.value().Ok(interaction));
  };
}

TEST(SaveRoundTrip, AFileReadAndSavedWithoutAnEditStaysByteIdentical) {
  const std::string persons =
      Written([](const std::filesystem::path& folder) {
        PersonRow row{"山田", "男", "1960/01/02", "09:05"};
        return WriteNameFile(folder / "Default.nam", {row, row});
      }, "Default.nam");
  const std::string date_search = Written([](const std::filesystem::path& folder) {
    return SaveDateSearchForm(folder, DateSearchForm());
  }, "MainF.ini");

  struct Case {
    const char* name;
    const char* file;
    std::string bytes;
    ReadAndSave read_and_save;
  };
  const Case cases[] = {
      {"SysF.ini as shipped", "SysF.ini", Shipped("SysF.ini"), SettingsRoundTrip},
      {"SysF.ini with unknown and unreadable lines", "SysF.ini", Shipped("SysF.ini") + kUnknownSection + kUnreadableLine,
       SettingsRoundTrip},
      {"USysF.ini as shipped", "USysF.ini", Shipped("USysF.ini"), SettingsRoundTrip},
      {"USysF.ini with unknown and unreadable lines", "USysF.ini",
       Shipped("USysF.ini") + kUnreadableLine + kUnknownSection, SettingsRoundTrip},
      // The hidden-stem file is written with USysF.ini; its "・" cells stay.
      {"Default.zou as shipped", "Default.zou", Shipped("Default.zou"), SettingsRoundTrip},
      {"KIRVO.ini with unknown and unreadable lines", "KIRVO.ini",
       "[SouGoF]\r\nLeft=10\r\nTop=20\r\nHeight=300\r\nWidth=400\r\nMONITORS=0\r\n" + kUnreadableLine + kUnknownSection,
       PlacementRoundTrip},
      {"KIRVO.ini with LF line ends", "KIRVO.ini", "[SouGoF]\nLeft=10\nTop=20\nHeight=300\nWidth=400\nMONITORS=0",
       PlacementRoundTrip},
      {"MainF.ini as written", "MainF.ini", date_search, DateSearchRoundTrip},
      {"MainF.ini with unknown and unreadable lines", "MainF.ini", date_search + kUnreadableLine + kUnknownSection,
       DateSearchRoundTrip},
      {"TZone.dat as shipped", "TZone.dat", Shipped("TZone.dat"), PlaceListRoundTrip},
      {"TZone.dat with a line without a comma", "TZone.dat", Shipped("TZone.dat") + "\x93\x8c\x8b\x9e\r\n",
       PlaceListRoundTrip},
      {"TZone.dat that cannot be read", "TZone.dat", Shipped("TZone.dat") + kUnreadableLine, PlaceListRoundTrip},
      {"name file as written", "Default.nam", persons, NameFileRoundTrip},
      {"name file that cannot be read", "Default.nam", persons + kUnreadableLine, NameFileRoundTrip},
      {"per-user store with escapes, a binary value and unreadable lines", "KirvoStore.txt",
       "KirvoStore 1\nS\tSys\tGaiji1\t90B3\nS\tBack\tEdit1\tC:\\\\Back\\tline\\r\\n\n" + kUnreadableLine +
           "B\tMain\tMainFWinPlace1\t2c000000ff\nX\tlater kind\n",
       StoreRoundTrip},
      {"KakuSetu.dat as shipped", "KakuSetu.dat", Shipped("KakuSetu.dat"),
       ExplanationRoundTrip(kPatternExplanationEditor, kPatternExplanations.entry_count)},
      {"SinSetu.dat as shipped", "SinSetu.dat", Shipped("SinSetu.dat"),
       ExplanationRoundTrip(kSpiritStarExplanationEditor, kSpiritStarExplanations.entry_count)},
      {"SinSetu.dat shorter than its entries, LF ends", "SinSetu.dat", "\x93\xfa\n\n",
       ExplanationRoundTrip(kSpiritStarExplanationEditor, kSpiritStarExplanations.entry_count)},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    // Every settings file present, so that the first-run rule has nothing to write.
    for (const char* name : {"SysF.ini", "USysF.ini", "Default.zou"}) {
      ASSERT_TRUE(WriteFileAtomically(folder / name, Shipped(name)).ok());
    }
    ASSERT_TRUE(WriteFileAtomically(folder / c.file, c.bytes).ok()) << c.name;
    c.read_and_save(folder.path());
    EXPECT_EQ(ReadFileBytes(folder / c.file).value(), c.bytes) << c.name;
    for (const char* name : {"SysF.ini", "USysF.ini", "Default.zou"}) {
      if (name != std::string(c.file)) {
        EXPECT_EQ(ReadFileBytes(folder / name).value(), Shipped(name)) << c.name;
      }
    }
  }
}

// A settings file that exists but can't be read (here: too large to read) is never saved over; the
// save says why, naming the file.
TEST(SaveRoundTrip, ASettingsFileThatCannotBeReadIsNotSavedOver) {
  struct Case {
    const char* file;
    std::function<Status(const std::filesystem::path&)> save;
  };
  const Case cases[] = {
      {"SysF.ini", [](const std::filesystem::path& folder) { return SaveSysSettings(SysSettings(), folder); }},
      {"USysF.ini", [](const std::filesystem::path& folder) { return SaveUSysSettings(USysSettings(), folder); }},
      {"MainF.ini", [](const std::filesystem::path& folder) { return SaveDateSearchForm(folder, DateSearchForm()); }},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::filesystem::path path = folder / c.file;
    ASSERT_TRUE(WriteFileAtomically(path, "[Kept]\r\n").ok());
    std::filesystem::resize_file(path, kFileSizeLimitBytes + 1);  // sparse: no disk used
    const Status saved = c.save(folder.path());
    ASSERT_FALSE(saved.ok()) << c.file;
    EXPECT_NE(saved.error().find(c.file), std::string::npos) << saved.error();
    EXPECT_EQ(std::filesystem::file_size(path), kFileSizeLimitBytes + 1) << c.file;
  }
}

}  // namespace
}  // namespace kirvo
