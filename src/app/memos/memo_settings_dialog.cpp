#include "app/memos/memo_settings_dialog.h"

#include <QCursor>
#include <algorithm>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/memos/memo_cell_dialog.h"
#include "data/memo_file.h"

namespace kirvo {
namespace {

constexpr std::array<const char*, 4> kTableNames = {"Me0SG", "Me1SG", "Me2SG", "TpSG"};
constexpr int kEditorWidthPx = 554;
constexpr int kEditorMinimumHeightPx = 460;

QTableWidget* NewTable(MemoTable table, QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(QString::fromLatin1(kTableNames[static_cast<std::size_t>(table)]));
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
  return grid;
}

}  // namespace

MemoSettingsDialog::MemoSettingsDialog(MemoList& memos, MemoVocabulary& vocabulary,
                                       std::filesystem::path program_folder, Interaction& interaction, QWidget* parent)
    : QDialog(parent),
      memos_(memos),
      vocabulary_(vocabulary),
      working_(vocabulary),
      checkpoint_(memos),
      program_folder_(std::move(program_folder)),
      interaction_(interaction) {
  setObjectName(QStringLiteral("TMemoF"));
  setWindowTitle(QStringLiteral("メモの設定編集"));
  setMinimumHeight(kEditorMinimumHeightPx);
  // The tables as the file holds them; a file that can't be read leaves the vocabulary in use.
  if (const Outcome<MemoVocabulary> read = LoadMemoVocabulary(program_folder_); read.ok()) working_ = *read;

  auto* layout = new QVBoxLayout(this);
  for (MemoTable table : {MemoTable::kClassifications, MemoTable::kWords, MemoTable::kTopicsUsed}) {
    QTableWidget* grid = NewTable(table, this);
    tables_[static_cast<std::size_t>(table)] = grid;
    layout->addWidget(grid, table == MemoTable::kWords ? 1 : 0);
  }
  auto* notes = new QLabel(QStringLiteral("※重複した語句は指定できません\n※各項目をクリックすると\n"
                                          "変更・挿入・削除ができます\n"
                                          "※No. は、それぞれのメモ内容を表示・編集するトピックNo.に対応します。"),
                           this);
  notes->setWordWrap(true);
  QTableWidget* topics = NewTable(MemoTable::kTopicNames, this);
  tables_[static_cast<std::size_t>(MemoTable::kTopicNames)] = topics;
  auto* lower = new QHBoxLayout;
  lower->addWidget(topics, 1);
  lower->addWidget(notes, 1);
  layout->addLayout(lower);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  for (std::size_t i = 0; i < tables_.size(); ++i) {
    const auto table = static_cast<MemoTable>(i);
    connect(tables_[i], &QTableWidget::cellClicked, this,
            [this, table](int row, int column) { OnCellClicked(table, row, column); });
  }
  // The one-row tables scroll with the words.
  for (MemoTable table : {MemoTable::kClassifications, MemoTable::kTopicsUsed}) {
    Table(table)->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(Table(MemoTable::kWords)->horizontalScrollBar(), &QScrollBar::valueChanged,
            Table(table)->horizontalScrollBar(), &QScrollBar::setValue);
  }
  ShowTables();
  setFixedWidth(kEditorWidthPx);
}

TextTable& MemoSettingsDialog::Cells(MemoTable table) {
  switch (table) {
    case MemoTable::kClassifications: return working_.Me0SG;
    case MemoTable::kWords: return working_.Me1SG;
    case MemoTable::kTopicsUsed: return working_.Me2SG;
    case MemoTable::kTopicNames: break;
  }
  return working_.TpSG;
}

void MemoSettingsDialog::ShowTables() {
  for (std::size_t i = 0; i < tables_.size(); ++i) {
    const TextTable& cells = Cells(static_cast<MemoTable>(i));
    QTableWidget* grid = tables_[i];
    grid->setColumnCount(static_cast<int>(cells.columns()));
    grid->setRowCount(static_cast<int>(cells.rows()));
    for (std::size_t row = 0; row < cells.rows(); ++row) {
      for (std::size_t column = 0; column < cells.columns(); ++column) {
        grid->setItem(static_cast<int>(row), static_cast<int>(column),
                      new QTableWidgetItem(QString::fromStdString(cells.Cell(column, row))));
      }
    }
    grid->resizeColumnsToContents();
    if (cells.rows() == 1) grid->setFixedHeight(grid->rowHeight(0) + 2 * grid->frameWidth());
  }
  // The three classification tables share their columns, one per classification, so they line up.
  const std::array<QTableWidget*, 3> lined = {Table(MemoTable::kClassifications), Table(MemoTable::kWords),
                                              Table(MemoTable::kTopicsUsed)};
  for (int column = 0; column <= kMemoClassificationCount; ++column) {
    int width = 0;
    for (QTableWidget* grid : lined) width = std::max(width, grid->columnWidth(column));
    for (QTableWidget* grid : lined) grid->setColumnWidth(column, width);
  }
}

QString MemoSettingsDialog::CellTitle(MemoTable table, std::size_t column, std::size_t row) const {
  if (table == MemoTable::kTopicNames) return QStringLiteral("トピックNo.") + QString::number(row - 1);
  return QStringLiteral("分類：　") + QString::fromStdString(working_.Me0SG.Cell(column, 0));
}

void MemoSettingsDialog::OnCellClicked(MemoTable table, int row, int column) {
  const auto c = static_cast<std::size_t>(column), r = static_cast<std::size_t>(row);
  if (table == MemoTable::kTopicsUsed) {
    if (c == 0) return;
    MemoCellDialog dialog(CellTitle(table, c, r), working_, working_.Me2SG.Cell(c, 0), interaction_, this);
    if (dialog.exec() == QDialog::Accepted) SetTopicsUsed(c, dialog.Result());
    return;
  }
  const MemoCellMenu offered = MemoCellMenuAt(working_, table, c, r);
  if (!offered.opens) return;
  QMenu menu(this);
  QAction* rename = menu.addAction(QStringLiteral("○：単語変更"));
  QAction* insert = menu.addAction(QStringLiteral("⇔：　挿入"));
  QAction* remove = menu.addAction(QStringLiteral("×：　削除"));
  insert->setEnabled(offered.insert);
  remove->setEnabled(offered.remove);
  QAction* chosen = menu.exec(QCursor::pos());
  if (chosen == rename) {
    const std::string old_text = Cells(table).Cell(c, r);
    MemoCellDialog dialog(CellTitle(table, c, r), old_text, interaction_, this);
    if (dialog.exec() == QDialog::Accepted) Rename(table, c, r, dialog.Result());
  } else if (chosen == insert) {
    Insert(table, c, r);
  } else if (chosen == remove) {
    Delete(table, c, r);
  }
}

void MemoSettingsDialog::Rename(MemoTable table, std::size_t column, std::size_t row, const std::string& text) {
  Cells(table).SetCell(column, row, text);
  ShowTables();
}

void MemoSettingsDialog::SetTopicsUsed(std::size_t column, const std::string& digits) {
  working_.Me2SG.SetCell(column, 0, digits);
  ShowTables();
}

void MemoSettingsDialog::Insert(MemoTable table, std::size_t column, std::size_t row) {
  const int c = static_cast<int>(column) - 1;
  if (table == MemoTable::kWords) {
    InsertMemoWord(working_, memos_, c, static_cast<int>(row));
  } else if (table == MemoTable::kClassifications) {
    const Status inserted = InsertMemoClassification(working_, memos_, c);
    if (!inserted) interaction_.Refuse(inserted.error());
  }
  ShowTables();
}

void MemoSettingsDialog::Delete(MemoTable table, std::size_t column, std::size_t row) {
  if (table != MemoTable::kWords && table != MemoTable::kClassifications) return;
  const int c = static_cast<int>(column) - 1;
  const std::optional<int> word = table == MemoTable::kWords ? std::optional<int>(static_cast<int>(row)) : std::nullopt;
  if (!interaction_.AskYesNo(MemoDeletionQuestion(working_, memos_, c, word))) return;
  if (word) {
    DeleteMemoWord(working_, memos_, c, *word);
  } else {
    DeleteMemoClassification(working_, memos_, c);
  }
  ShowTables();
}

void MemoSettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  checkpoint_ = memos_;
  // The file is the copy that outlives a crash while the editor is open; Cancel uses the one in memory.
  ShowFailure(WriteMemoCheckpoint(program_folder_, memos_), interaction_);
}

void MemoSettingsDialog::accept() {
  if (const std::optional<MemoVocabularyProblem> problem = CheckMemoVocabulary(working_)) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kWarning, problem->message);
    QTableWidget* grid = Table(problem->table == "Me1SG" ? MemoTable::kWords : MemoTable::kTopicsUsed);
    grid->setCurrentCell(static_cast<int>(problem->row), static_cast<int>(problem->column));
    grid->setFocus();
    return;
  }
  if (!ShowFailure(SaveMemoVocabulary(program_folder_, working_), interaction_)) return;
  vocabulary_ = working_;
  QDialog::accept();
}

void MemoSettingsDialog::reject() {
  memos_ = checkpoint_;
  QDialog::reject();
}

}  // namespace kirvo
