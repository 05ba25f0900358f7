#include "data/explanation_editor.h"

#include <system_error>
#include <utility>

#include "data/explanation_list.h"
#include "data/line_break_escape.h"

namespace kirvo {

Outcome<ExplanationEditor> ExplanationEditor::Open(const ExplanationEditorForm& form,
                                                   std::vector<std::string> entry_names,
                                                   const std::filesystem::path& folder) {
  std::filesystem::path path = ExplanationFilePath(folder, form.file.name);
  std::vector<std::string> lines;
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error);
  if (exists) {
    Outcome<std::vector<std::string>> read = ReadExplanationLines(path);
    if (!read) return Outcome<ExplanationEditor>::Failure(read.error());
    lines = std::move(read).value();
  }
  if (lines.size() < entry_names.size()) lines.resize(entry_names.size());
  ExplanationEditor editor(form, std::move(entry_names), std::move(path), std::move(lines));
  if (exists) editor.lines_as_read_ = editor.lines_;
  return editor;
}

ExplanationEditor::ExplanationEditor(const ExplanationEditorForm& form, std::vector<std::string> entry_names,
                                     std::filesystem::path path, std::vector<std::string> lines)
    : form_(form), entry_names_(std::move(entry_names)), path_(std::move(path)), lines_(std::move(lines)) {
  Show(0);
}

void ExplanationEditor::Show(int position) {
  if (position < 0 || position >= static_cast<int>(entry_names_.size())) return;
  selected_ = position;
  text_ = ExpandLineBreaks(lines_[static_cast<std::size_t>(position)]);
}

void ExplanationEditor::Store() {
  if (selected_ < static_cast<int>(lines_.size()))
    lines_[static_cast<std::size_t>(selected_)] = EscapeLineBreaks(text_);
}

void ExplanationEditor::Previous() {
  Store();
  if (previous_enabled()) Show(selected_ - 1);
}

void ExplanationEditor::Next() {
  Store();
  if (next_enabled()) Show(selected_ + 1);
}

TextTable ExplanationEditor::OpenList() {
  Store();
  return ExplanationListTable(form_.caption, entry_names_, lines_);
}

Status ExplanationEditor::Ok(Interaction& interaction) {
  Store();
  return Close(interaction);
}

Status ExplanationEditor::Close(Interaction& interaction) {
  // A file closed without an edit stays as it is, byte for byte.
  if (lines_as_read_ && *lines_as_read_ == lines_) return {};
  Status written = WriteExplanationLines(path_, lines_);
  if (!written) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kError, written.error());
  }
  return written;
}

}  // namespace kirvo
