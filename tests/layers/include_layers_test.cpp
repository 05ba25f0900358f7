// The layers of the program, lowest first. A source may include its own folder and the folders of
// lower layers only; folders of one layer do not include each other. Only the desktop layer may
// include the toolkit, so the core builds and is tested without it. Inside the desktop layer its
// folders are layered the same way, so that no two of them include each other.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Layer {
  std::string_view folder;
  int rank;
};

// clang-format off
constexpr std::array<Layer, 9> kLayers = {{
    {"platform",     0},  // files, ini files, the per-user store, the interaction interface
    {"calendar",     1},  // stems and branches, the sun, terms, pillars of a moment
    {"settings",     2},  // rule and system settings, branding
    {"luck",         3},  // start of luck and major luck
    {"data",         3},  // explanation texts
    {"engine",       4},  // the chart board and its analysis
    {"presentation", 5},  // what the windows show: content, tables, layouts, sessions
    {"cli",          6},  // the command-line tool
    {"app",          6},  // the desktop program
}};
// clang-format on

// The folders of src/app, lowest first. main.cpp, which composes them, may include any.
// clang-format off
constexpr std::array<Layer, 15> kDesktopLayers = {{
    {"bridge",   0},  // conversions between the core's values and the toolkit's
    {"widgets",  1},  // controls and painting shared by the windows
    {"jobs",     1},  // long work on a worker thread, with progress and 中断
    {"services", 2},  // what the composition hands the windows: the core's services, the interaction
    {"chart",    3},  // the windows, each knowing only what it is handed
    {"luck",     3},
    {"persons",  3},
    {"time",     3},
    {"diagrams", 3},
    {"settings_dialogs", 3},  // the two settings dialogs
    {"memos",    3},  // the memo panel and the memo editors
    {"editors",  3},  // the explanation editors and their list viewer
    {"tools",    3},  // the tools list, special characters, backup and restore
    {"printing", 3},  // the print preview and the painting of printed pages and PDFs
    {"frame",    4},  // the main window, which opens, places and commands the others
}};
// clang-format on

template <std::size_t N>
std::optional<int> RankIn(const std::array<Layer, N>& layers, std::string_view folder) {
  for (const Layer& layer : layers) {
    if (layer.folder == folder) return layer.rank;
  }
  return std::nullopt;
}

std::optional<int> RankOf(std::string_view folder) { return RankIn(kLayers, folder); }

struct Include {
  std::filesystem::path file;
  std::string folder;  // the folder of the including file below src/
  std::string target;  // what the directive names
  bool angled = false;
};

std::vector<Include> IncludesUnder(const std::filesystem::path& root) {
  static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  std::vector<Include> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string extension = entry.path().extension().string();
    if (extension != ".h" && extension != ".cpp") continue;
    const std::filesystem::path relative = entry.path().lexically_relative(root);
    // The folder below `root`; "" for a file directly in it.
    const std::string folder = std::next(relative.begin()) == relative.end() ? "" : relative.begin()->string();
    std::ifstream in(entry.path());
    std::string line;
    std::smatch match;
    while (std::getline(in, line)) {
      if (std::regex_search(line, match, directive)) {
        found.push_back({entry.path(), folder, match[2].str(), match[1].str() == "<"});
      }
    }
  }
  return found;
}

const std::filesystem::path kSourceRoot = KIRVO_SOURCE_DIR;

TEST(IncludeLayers, EveryFolderBelowSrcHasALayer) {
  for (const auto& entry : std::filesystem::directory_iterator(kSourceRoot)) {
    if (!entry.is_directory()) continue;
    EXPECT_TRUE(RankOf(entry.path().filename().string())) << entry.path();
  }
}

TEST(IncludeLayers, NoSourceIncludesAHigherOrNeighbouringLayer) {
  const std::vector<Include> includes = IncludesUnder(kSourceRoot);
  ASSERT_GT(includes.size(), 100u);
  for (const Include& include : includes) {
    if (include.angled) continue;
    const std::string target_folder = include.target.substr(0, include.target.find('/'));
    const std::optional<int> from = RankOf(include.folder);
    const std::optional<int> to = RankOf(target_folder);
    if (!from || !to || include.folder == target_folder) continue;
    // The command-line tool writes PDFs through the desktop's page painting, by its Qt-free entry.
    if (include.folder == "cli" && include.target == "app/printing/pdf_pages.h") continue;
    EXPECT_LT(*to, *from) << include.file.string() << " includes " << include.target;
  }
}

TEST(IncludeLayers, EveryDesktopFolderHasALayer) {
  for (const auto& entry : std::filesystem::directory_iterator(kSourceRoot / "app")) {
    if (!entry.is_directory()) continue;
    EXPECT_TRUE(RankIn(kDesktopLayers, entry.path().filename().string())) << entry.path();
  }
}

// A desktop folder includes its own folder and lower ones only: no window reaches up into the frame,
// and no two folders include each other.
TEST(IncludeLayers, NoDesktopFolderIncludesAHigherOrNeighbouringOne) {
  const std::vector<Include> includes = IncludesUnder(kSourceRoot / "app");
  ASSERT_GT(includes.size(), 50u);
  for (const Include& include : includes) {
    if (include.angled || include.folder.empty() || !include.target.starts_with("app/")) continue;
    const std::string rest = include.target.substr(4);
    const std::string target_folder = rest.substr(0, rest.find('/'));
    const std::optional<int> from = RankIn(kDesktopLayers, include.folder);
    const std::optional<int> to = RankIn(kDesktopLayers, target_folder);
    ASSERT_TRUE(to) << include.file.string() << " includes " << include.target;
    if (!from || include.folder == target_folder) continue;
    EXPECT_LT(*to, *from) << include.file.string() << " includes " << include.target;
  }
}

TEST(IncludeLayers, OnlyTheDesktopIncludesTheToolkit) {
  static const std::regex toolkit(R"(^Q[A-Za-z]|^Qt[A-Za-z]*/)");
  for (const Include& include : IncludesUnder(kSourceRoot)) {
    if (include.folder == "app") continue;
    EXPECT_FALSE(std::regex_search(include.target, toolkit)) << include.file.string() << " includes " << include.target;
  }
}

}  // namespace
