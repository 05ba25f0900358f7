#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

#include "data/memo_list.h"
#include "data/memo_vocabulary.h"
#include "data/memo_vocabulary_edit.h"
#include "platform/interaction.h"

class QTableWidget;

namespace kirvo {

// The memo settings editor `TMemoF` ("メモの設定編集"): the classification names `Me0SG`, the words
// `Me1SG`, the topics each classification uses `Me2SG` and the topic names `TpSG`. A click on a
// cell offers 単語変更, 挿入 and 削除; inserting and deleting carry the memos along in the memo list.
// OK checks the tables and writes "MemoF.ini"; Cancel puts back the memos as they were when the
// editor opened and leaves the vocabulary as it was.
class MemoSettingsDialog final : public QDialog {
  Q_OBJECT

 public:
  MemoSettingsDialog(MemoList& memos, MemoVocabulary& vocabulary, std::filesystem::path program_folder,
                     Interaction& interaction, QWidget* parent = nullptr);

  const MemoVocabulary& Working() const { return working_; }
  QTableWidget* Table(MemoTable table) const { return tables_[static_cast<std::size_t>(table)]; }

  // The cell menu's commands on (column, row) of `table`, as the menu offers them.
  void Rename(MemoTable table, std::size_t column, std::size_t row, const std::string& text);
  void Insert(MemoTable table, std::size_t column, std::size_t row);
  void Delete(MemoTable table, std::size_t column, std::size_t row);
  void SetTopicsUsed(std::size_t column, const std::string& digits);

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnCellClicked(MemoTable table, int row, int column);
  void ShowTables();
  TextTable& Cells(MemoTable table);
  QString CellTitle(MemoTable table, std::size_t column, std::size_t row) const;

  MemoList& memos_;
  MemoVocabulary& vocabulary_;
  MemoVocabulary working_;
  MemoList checkpoint_;
  std::filesystem::path program_folder_;
  Interaction& interaction_;
  std::array<QTableWidget*, 4> tables_{};
};

}  // namespace kirvo
