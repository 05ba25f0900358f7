#include "app/memos/memo_list_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/bridge/table_print_layout.h"
#include "app/memos/memo_menu_builder.h"
#include "data/line_break_escape.h"
#include "data/memo_address.h"
#include "data/memo_file.h"
#include "data/memo_list_view.h"
#include "data/memo_vocabulary_edit.h"
#include "presentation/print/list_print_job.h"

namespace kirvo {
namespace {

constexpr std::string_view kPendingEditQuestion = "メモデータが更新されています。書込をしますか？";
constexpr int kNarrowColumnPx = 12, kNameColumnPx = 45;
constexpr int kMinimumWidthPx = 480, kMinimumHeightPx = 458;
constexpr int kRowRole = Qt::UserRole + 1;

QPushButton* Button(const char* name, const char* text, QWidget* parent, const char* hint = "") {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  if (*hint != '\0') button->setToolTip(QString::fromUtf8(hint));
  return button;
}

QToolButton* MenuButton(const char* name, const char* text, QMenu* menu, QWidget* parent, const char* hint = "") {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(QString::fromUtf8(text));
  if (*hint != '\0') button->setToolTip(QString::fromUtf8(hint));
  button->setPopupMode(QToolButton::InstantPopup);
  button->setMenu(menu);
  return button;
}

}  // namespace

MemoListDialog::MemoListDialog(MemoList& memos, const MemoVocabulary& vocabulary, std::filesystem::path program_folder,
                               Interaction& interaction, QWidget* parent)
    : QDialog(parent),
      memos_(memos),
      vocabulary_(vocabulary),
      program_folder_(std::move(program_folder)),
      interaction_(interaction),
      checkpoint_(memos) {
  setObjectName(QStringLiteral("TMLF"));
  setWindowTitle(QStringLiteral("メモ内容の一覧編集"));
  setMinimumSize(kMinimumWidthPx, kMinimumHeightPx);

  table_view_ = new QTableWidget(this);
  table_view_->setObjectName(QStringLiteral("MLSG"));
  table_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_view_->verticalHeader()->hide();
  table_view_->verticalHeader()->setDefaultSectionSize(table_view_->fontMetrics().height() + 6);
  table_view_->horizontalHeader()->hide();
  tree_view_ = new QTreeWidget(this);
  tree_view_->setObjectName(QStringLiteral("MLTV"));
  tree_view_->setHeaderHidden(true);
  tree_view_->hide();

  select_menu_ = new QMenu(this);
  topic_menu_ = new QMenu(this);
  previous_ = Button("PreBtn", "前のデータ", this);
  next_ = Button("NxtBtn", "次のデータ", this);
  write_ = Button("MWBtn", "書込", this, "メモデータを書き込みます");
  QPushButton* remove = Button("DelBtn", "データ削除", this);
  QPushButton* refresh = Button("RefBtn", "一覧再表示", this);
  QPushButton* as_list = Button("ListBtn", "一覧表示", this);
  QPushButton* as_tree = Button("TreeBtn", "ツリー表示", this);
  print_ = Button("PrevBtn", "印刷プレビュー", this, "印刷プレビュー");
  print_->setEnabled(false);
  address_ = new QLabel(this);
  address_->setObjectName(QStringLiteral("DL"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("KenLabel"));
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("MeMemo"));

  auto* views = new QHBoxLayout;
  for (QWidget* control : {static_cast<QWidget*>(as_list), static_cast<QWidget*>(as_tree), static_cast<QWidget*>(refresh),
                           static_cast<QWidget*>(print_)}) {
    views->addWidget(control);
  }
  views->addStretch(1);
  views->addWidget(count_);
  auto* commands = new QHBoxLayout;
  commands->addWidget(MenuButton("SelBtn", "データの選択", select_menu_, this));
  for (QPushButton* button : {previous_, next_, write_, remove}) commands->addWidget(button);
  commands->addWidget(MenuButton("TpBtn", "トピック変更", topic_menu_, this, "メモのトピックを変更します。"));
  commands->addStretch(1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(views);
  layout->addWidget(table_view_, 2);
  layout->addWidget(tree_view_, 2);
  layout->addLayout(commands);
  layout->addWidget(address_);
  layout->addWidget(text_, 1);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(previous_, &QPushButton::clicked, this, &MemoListDialog::ShowPrevious);
  connect(next_, &QPushButton::clicked, this, &MemoListDialog::ShowNext);
  connect(write_, &QPushButton::clicked, this, &MemoListDialog::WriteShown);
  connect(remove, &QPushButton::clicked, this, &MemoListDialog::DeleteShown);
  connect(refresh, &QPushButton::clicked, this, [this] {
    Rebuild();
    ShowRow(1);
  });
  connect(print_, &QPushButton::clicked, this, &MemoListDialog::PrintPreview);
  connect(as_list, &QPushButton::clicked, this, [this] { ShowTree(false); });
  connect(as_tree, &QPushButton::clicked, this, [this] { ShowTree(true); });
  // A press on the table shows its row without the question, as the list has always done.
  connect(table_view_, &QTableWidget::cellPressed, this, [this](int row, int) { ShowRow(static_cast<std::size_t>(row)); });
  connect(tree_view_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    if (item->childCount() == 0) ShowRow(item->data(0, kRowRole).toULongLong());
  });
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    if (showing_) return;
    edited_ = true;
    UpdateButtons();
  });
  connect(topic_menu_, &QMenu::aboutToShow, this, [this] {
    topic_menu_->clear();
    const std::optional<MemoKey> key = memos_.Key(row_);
    for (int t = 0; t < kMemoTopicCount; ++t) {
      QAction* item = topic_menu_->addAction(QString::number(t) + QLatin1Char(':') + QString::fromStdString(vocabulary_.TopicName(t)));
      item->setCheckable(true);
      item->setChecked(key && key->topic == t);
      item->setEnabled(key.has_value());
      connect(item, &QAction::triggered, this, [this, t] { ChangeTopic(t); });
    }
  });
  FillMemoMenu(*select_menu_, vocabulary_, [this](const MemoKey& key, const std::string&, const std::string&) {
    ChooseTopic(key);
  });
  Rebuild();
  ShowRow(1);
}

void MemoListDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  checkpoint_ = memos_;
  // The file is the copy that outlives a crash while the editor is open; Cancel uses the one in memory.
  ShowFailure(WriteMemoCheckpoint(program_folder_, memos_), interaction_);
}

void MemoListDialog::Rebuild() {
  memos_.Normalise();
  table_ = MemoListTable(memos_, vocabulary_);
  table_view_->clear();
  table_view_->setColumnCount(static_cast<int>(table_.columns()));
  table_view_->setRowCount(static_cast<int>(table_.rows()));
  for (std::size_t row = 0; row < table_.rows(); ++row) {
    for (std::size_t column = 0; column < table_.columns(); ++column) {
      table_view_->setItem(static_cast<int>(row), static_cast<int>(column),
                           new QTableWidgetItem(QString::fromStdString(table_.Cell(column, row))));
    }
  }
  for (int column = 0; column + 1 < static_cast<int>(kMemoListColumns); ++column) {
    table_view_->setColumnWidth(column, column % 2 == 0 ? kNarrowColumnPx + 8 : kNameColumnPx + 16);
  }
  table_view_->horizontalHeader()->setStretchLastSection(true);
  count_->setText(QString::fromStdString(MemoListCountText(memos_)));
  FillTree();
}

void MemoListDialog::FillTree() {
  tree_view_->clear();
  QTreeWidgetItem* classification = nullptr;
  QTreeWidgetItem* word = nullptr;
  for (const MemoTreeNode& node : MemoListTree(table_)) {
    const QString text = QString::fromStdString(node.text);
    if (node.level == 0) {
      classification = new QTreeWidgetItem(tree_view_, {text});
    } else if (node.level == 1 && classification) {
      word = new QTreeWidgetItem(classification, {text});
    } else if (word) {
      auto* memo = new QTreeWidgetItem(word, {text});
      memo->setData(0, kRowRole, QVariant::fromValue<qulonglong>(node.row));
    }
  }
  tree_view_->expandAll();
}

void MemoListDialog::ShowTree(bool tree) {
  table_view_->setVisible(!tree);
  tree_view_->setVisible(tree);
}

void MemoListDialog::SetPrintPreview(PrintPreviewRequest request) {
  print_preview_ = std::move(request);
  print_->setEnabled(static_cast<bool>(print_preview_));
}

void MemoListDialog::PrintPreview() {
  if (!print_preview_) return;
  print_preview_(MemoListPrintJob(table_, windowTitle().toStdString(),
                                  ListLayoutOf(*table_view_, false, table_view_->font().pointSize())));
}

QString MemoListDialog::Address() const { return address_->text(); }

void MemoListDialog::ShowText(const QString& address, const QString& text) {
  showing_ = true;
  address_->setText(address);
  text_->setPlainText(text);
  showing_ = false;
  edited_ = false;
  UpdateButtons();
}

void MemoListDialog::ShowRow(std::size_t row) {
  if (row == 0 || row >= table_.rows()) {
    row_ = 0;
    ShowText(QString(), QString());
    return;
  }
  row_ = row;
  table_view_->selectRow(static_cast<int>(row));
  ShowText(QString::fromStdString(MemoListRowAddress(table_, row)),
           QString::fromStdString(ExpandLineBreaks(table_.Cell(kMemoListColumns - 1, row))));
}

bool MemoListDialog::SettlePendingEdit() {
  if (!edited_) return true;
  interaction_.Beep();
  if (!interaction_.AskYesNo(kPendingEditQuestion)) return false;
  WriteShown();
  return !edited_;
}

void MemoListDialog::ShowPrevious() {
  if (row_ > 1 && SettlePendingEdit()) ShowRow(row_ - 1);
}

void MemoListDialog::ShowNext() {
  if (row_ + 1 < table_.rows() && SettlePendingEdit()) ShowRow(row_ + 1);
}

void MemoListDialog::ChooseTopic(const MemoKey& key) {
  if (!SettlePendingEdit()) return;
  if (const std::optional<std::size_t> at = memos_.Find(key)) {
    ShowRow(*at);
    return;
  }
  row_ = 0;
  table_view_->clearSelection();
  ShowText(QString::fromStdString(MemoListAddress(vocabulary_, key)), QString());
  UpdateButtons();
}

void MemoListDialog::WriteShown() {
  const std::optional<MemoKey> key = KeyOfMemoListAddress(address_->text().toStdString());
  if (!key) return;
  memos_.Write(*key, text_->toPlainText().toStdString());
  Rebuild();
  const std::optional<std::size_t> at = memos_.Find(*key);
  if (at) {
    ShowRow(*at);
  } else {
    ShowText(address_->text(), QString());
  }
}

void MemoListDialog::DeleteShown() {
  const std::optional<MemoKey> key = memos_.Key(row_);
  if (!key) return;
  if (!interaction_.AskYesNo(MemoDataDeletionQuestion(table_, row_))) return;
  if (const std::optional<std::size_t> at = memos_.Find(*key)) memos_.Remove(*at);
  const std::size_t row = row_;
  Rebuild();
  ShowRow(std::min(row, table_.rows() - 1));
}

void MemoListDialog::ChangeTopic(int topic) {
  const std::optional<MemoKey> key = memos_.Key(row_);
  if (!key) return;
  if (const Status changed = ChangeMemoTopic(memos_, row_, topic); !changed) {
    interaction_.Refuse(changed.error());
    return;
  }
  Rebuild();
  MemoKey moved = *key;
  moved.topic = topic;
  if (const std::optional<std::size_t> at = memos_.Find(moved)) ShowRow(*at);
}

void MemoListDialog::UpdateButtons() {
  previous_->setEnabled(row_ > 1);
  next_->setEnabled(row_ > 0 && row_ + 1 < table_.rows());
  write_->setEnabled(edited_);
}

void MemoListDialog::reject() {
  memos_ = checkpoint_;
  QDialog::reject();
}

}  // namespace kirvo
