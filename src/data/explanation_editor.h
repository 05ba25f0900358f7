#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/explanation_texts.h"
#include "platform/interaction.h"
#include "platform/outcome.h"
#include "settings/text_table.h"

namespace kirvo {

// The fixed texts of one of the two explanation editors and the file it edits.
struct ExplanationEditorForm {
  std::string_view form_name;  // the window's object name
  std::string_view caption;
  std::string_view selector_label;
  std::string_view previous_caption;
  std::string_view next_caption;
  ExplanationFile file;
};

inline constexpr ExplanationEditorForm kPatternExplanationEditor = {"TKSetuF", "格局の説明文の編集", "格局名", "前の格局",
                                                                    "次の格局", kPatternExplanations};
inline constexpr ExplanationEditorForm kSpiritStarExplanationEditor = {"TSSetuF", "神殺の説明文の編集", "神殺名称", "前の神殺",
                                                                       "次の神殺", kSpiritStarExplanations};
inline constexpr std::string_view kExplanationListButton = "一覧表示";

// The explanation editor without its window: a copy of the file's lines, the selected entry and
// the text area holding that entry's text with real line breaks ("\n"). The file on disk changes
// only when the editor closes.
class ExplanationEditor {
 public:
  // Reads the whole file of `form` in `folder` and shows the first entry. `entry_names` are the
  // selector's items in line order. A missing file starts with empty explanations and is created on
  // close; a file that exists but can't be read is an error, so that closing never replaces it.
  // Missing lines at the end count as empty explanations, so every entry can be stored.
  static Outcome<ExplanationEditor> Open(const ExplanationEditorForm& form, std::vector<std::string> entry_names,
                                         const std::filesystem::path& folder);

  const ExplanationEditorForm& form() const { return form_; }
  const std::vector<std::string>& entry_names() const { return entry_names_; }
  // The file's lines as they stand in the editor ("/r" kept).
  const std::vector<std::string>& lines() const { return lines_; }
  const std::filesystem::path& path() const { return path_; }

  // Position of the selected entry in the selector, from 0; its line number is one more.
  int selected() const { return selected_; }
  const std::string& text() const { return text_; }
  bool previous_enabled() const { return selected_ > 0; }
  bool next_enabled() const { return selected_ + 1 < static_cast<int>(entry_names_.size()); }

  // The user's typing: the whole new content of the text area.
  void SetText(std::string_view text) { text_ = std::string(text); }

  // A selector change: the text area shows the entry at `position` (out of range: nothing). The
  // text being edited is not stored here; the selector stores it when it takes the focus.
  void Show(int position);

  // Writes the text area back into the selected entry's line, its line breaks as "/r". Runs when
  // the selector takes the focus and before the previous, next and OK buttons.
  void Store();

  // "前の…" / "次の…": store, then show the neighbouring entry (nothing past either end).
  void Previous();
  void Next();

  // "一覧表示": the list viewer's table of the lines, the edit in progress stored first so that the
  // list shows it and it is not lost.
  TextTable OpenList();

  // "OK": store, then close.
  Status Ok(Interaction& interaction);

  // Closing by any means: all lines replace the file, unless they are all as read (a file closed
  // without an edit is not written). The close box calls this without storing, so the edit in
  // progress is dropped. A failed write beeps, is shown and returned.
  Status Close(Interaction& interaction);

 private:
  ExplanationEditor(const ExplanationEditorForm& form, std::vector<std::string> entry_names, std::filesystem::path path,
                    std::vector<std::string> lines);

  ExplanationEditorForm form_;
  std::vector<std::string> entry_names_;
  std::filesystem::path path_;
  std::vector<std::string> lines_;
  std::optional<std::vector<std::string>> lines_as_read_;  // when read from an existing file
  int selected_ = 0;
  std::string text_;
};

}  // namespace kirvo
