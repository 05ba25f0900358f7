#include "presentation/persons/person_list_file.h"

#include <system_error>

#include "platform/text_file.h"

namespace kirvo {

std::string MissingNameFileMessage(std::string_view name) { return "『" + std::string(name) + "』がありません。"; }

PersonListFile::PersonListFile(std::filesystem::path program_folder, std::string file_name)
    : program_folder_(std::move(program_folder)), file_name_(std::move(file_name)) {}

std::string PersonListFile::Caption(std::string_view title) const {
  return std::string(title) + "  [" + file_name_ + "]";
}

bool PersonListFile::KeepChanges(Interaction& interaction) {
  if (!list_.modified()) return true;
  if (!interaction.AskYesNo(kSavePersonsQuestion)) return false;
  const Status saved = Save();
  ShowFailure(saved, interaction);
  return saved.ok();
}

bool PersonListFile::Load(std::string_view name, Interaction& interaction) {
  if (!KeepChanges(interaction)) return false;
  const std::filesystem::path path = ResolveNameFile(name, program_folder_);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kWarning, MissingNameFileMessage(name));
    return false;
  }
  Outcome<std::vector<PersonRow>> rows = ReadNameFile(path);
  if (!rows) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kError, rows.error());
    if (name == file_name_) unread_ = rows.error();
    return false;
  }
  list_ = PersonList(std::move(rows).value());
  file_name_ = std::string(name);
  unread_.clear();
  in_file_ = true;
  return true;
}

bool PersonListFile::New(Interaction& interaction) {
  if (!KeepChanges(interaction)) return false;
  list_ = PersonList();
  file_name_ = std::string(kNewNameFile);
  unread_.clear();
  in_file_ = false;
  return true;
}

Status PersonListFile::Save() {
  if (!unread_.empty()) return Status::Failure(NotSavedOverUnreadable(path(), unread_));
  std::error_code error;
  if (in_file_ && !list_.modified() && std::filesystem::exists(path(), error)) return {};
  Status saved = WriteNameFile(path(), list_.rows());
  if (saved) list_.SetModified(false);
  in_file_ = in_file_ || saved.ok();
  return saved;
}

Status PersonListFile::SaveAs(std::string_view name) {
  Status saved = WriteNameFile(ResolveNameFile(name, program_folder_), list_.rows());
  if (!saved) return saved;
  file_name_ = std::string(name);
  list_.SetModified(false);
  unread_.clear();
  in_file_ = true;
  return saved;
}

CloseAnswer PersonListFile::CloseQuery(Interaction& interaction) {
  if (!list_.modified()) return CloseAnswer::kProceed;
  if (file_name_ == kNewNameFile || !unread_.empty()) {
    return interaction.AskYesNo(kSavePersonsQuestion) ? CloseAnswer::kSaveAs : CloseAnswer::kProceed;
  }
  const Status saved = Save();
  if (saved) return CloseAnswer::kProceed;
  interaction.ShowMessage(MessageKind::kError, saved.error());
  return CloseAnswer::kCancel;
}

}  // namespace kirvo
