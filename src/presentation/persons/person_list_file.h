#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/outcome.h"
#include "presentation/persons/person_list.h"

namespace kirvo {

inline constexpr std::string_view kSavePersonsQuestion = "名前ﾃﾞｰﾀが更新されています。保存しますか？";
// The filter of the name-file dialogs: label and pattern pairs.
inline constexpr std::string_view kNameFileFilter = "名前ﾃﾞｰﾀ(*.nam)|*.nam|すべてのﾌｧｲﾙ (*.*)|*.*";

// The warning for a name file that is not there: "『" + name + "』がありません。".
std::string MissingNameFileMessage(std::string_view name);

// What closing the program asks of the person list.
enum class CloseAnswer {
  kProceed,  // nothing to keep, or kept
  kSaveAs,   // an unsaved new list to keep: the save-under-a-new-name dialog decides
  kCancel,   // the list could not be kept: closing stops so that nothing is lost
};

// The person list with the name file it belongs to: the file commands 新規作成, 開く, 上書き保存 and
// 名前を付けて保存 and the close query act here. The file name is kept as given (a bare name lies in
// the program folder).
class PersonListFile {
 public:
  // An empty list named `file_name`, nothing read.
  PersonListFile(std::filesystem::path program_folder, std::string file_name);

  PersonList& list() { return list_; }
  const PersonList& list() const { return list_; }
  const std::string& file_name() const { return file_name_; }
  std::filesystem::path path() const { return ResolveNameFile(file_name_, program_folder_); }

  // The main window's caption: the title + "  [" + file name + "]".
  std::string Caption(std::string_view title) const;

  // 開く, a recent file and start-up: with the list modified, the save question first (No cancels,
  // Yes saves to the current file, and a failed save cancels). A missing file beeps with
  // "『name』がありません。", an unreadable one shows why; both keep the list. On success the list
  // holds the file's persons unmodified and the file becomes current. True when loaded. A current
  // file that exists but could not be read (the default file at start) is not saved over: 上書き保存
  // refuses, and closing asks as for a new list, so that only the user's own choice of a name writes.
  bool Load(std::string_view name, Interaction& interaction);
  // 新規作成: the same save question; then the empty list, unmodified, named "NewFile.nam".
  bool New(Interaction& interaction);
  // 上書き保存 (to the current file) and 名前を付けて保存 (the name becomes current only when saved).
  // The file is replaced whole; the modified flag is cleared only when the save succeeded. 上書き保存
  // of a list unmodified since it was read from or written to its file writes nothing: the file
  // already holds it.
  Status Save();
  Status SaveAs(std::string_view name);

  // The first step of closing: a list that is unmodified needs nothing; a modified list of a named
  // file is saved without a question; a modified "NewFile.nam" asks the save question (No: kProceed,
  // Yes: kSaveAs). A failed save is shown and cancels the close.
  CloseAnswer CloseQuery(Interaction& interaction);

 private:
  // The save question before the list is replaced; false to cancel.
  bool KeepChanges(Interaction& interaction);

  std::filesystem::path program_folder_;
  std::string file_name_;
  PersonList list_;
  bool in_file_ = false;  // the list is as its current file holds it
  std::string unread_;  // why the current file could not be read; empty once it was read or replaced
};

}  // namespace kirvo
