#pragma once

#include <QDialog>
#include <filesystem>

#include "data/memo_list.h"
#include "data/memo_vocabulary.h"
#include "platform/interaction.h"
#include "presentation/print/print_job.h"
#include "settings/text_table.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class QTreeWidget;

namespace kirvo {

// The memo list editor `TMLF` ("メモ内容の一覧編集"): every memo as a row of a table, or as a tree of
// classifications, words and topics, with the memo of the current row below to read and edit. Its
// changes stay in the memo list (they reach the disk with the next save); Cancel puts back the memos
// as they were when it opened.
class MemoListDialog final : public QDialog {
  Q_OBJECT

 public:
  MemoListDialog(MemoList& memos, const MemoVocabulary& vocabulary, std::filesystem::path program_folder,
                 Interaction& interaction, QWidget* parent = nullptr);

  // The table rebuilt from the normalised memo list.
  void Rebuild();
  void ShowRow(std::size_t row);
  // 前のデータ / 次のデータ, after the pending-edit question (No abandons).
  void ShowPrevious();
  void ShowNext();
  // A topic item of データの選択.
  void ChooseTopic(const MemoKey& key);
  // The write button: the shown memo into the list.
  void WriteShown();
  // データ削除 of the current row, after the question.
  void DeleteShown();
  // トピック変更 of the current row; refused when the new key is taken.
  void ChangeTopic(int topic);
  void ShowTree(bool tree);
  // Where 印刷プレビュー hands the table; without it the button is disabled.
  void SetPrintPreview(PrintPreviewRequest request);
  // 印刷プレビュー: the table as shown, titled with the window caption.
  void PrintPreview();

  std::size_t row() const { return row_; }
  bool edited() const { return edited_; }
  QString Address() const;
  QPlainTextEdit* Editor() const { return text_; }
  QTableWidget* Table() const { return table_view_; }
  QTreeWidget* Tree() const { return tree_view_; }
  QLabel* Count() const { return count_; }
  QPushButton* PrintButton() const { return print_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool SettlePendingEdit();
  void ShowText(const QString& address, const QString& text);
  void UpdateButtons();
  void FillTree();

  MemoList& memos_;
  const MemoVocabulary& vocabulary_;
  std::filesystem::path program_folder_;
  Interaction& interaction_;
  MemoList checkpoint_;
  TextTable table_;
  std::size_t row_ = 0;  // 0: none
  bool edited_ = false;
  bool showing_ = false;

  QTableWidget* table_view_ = nullptr;
  QTreeWidget* tree_view_ = nullptr;
  QLabel* address_ = nullptr;
  QLabel* count_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* write_ = nullptr;
  QMenu* select_menu_ = nullptr;
  QMenu* topic_menu_ = nullptr;
  QPushButton* print_ = nullptr;
  PrintPreviewRequest print_preview_;
};

}  // namespace kirvo
