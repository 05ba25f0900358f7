#include "app/memos/memo_panel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/bridge/colour.h"
#include "app/bridge/fonts.h"
#include "app/memos/memo_menu_builder.h"
#include "data/line_break_escape.h"
#include "data/memo_address.h"
#include "data/memo_file.h"

namespace kirvo {
namespace {

constexpr std::string_view kPendingEditQuestion = "メモデータが更新されています。書込をしますか？";

QPushButton* Button(const char* name, const char* text, const char* hint, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromUtf8(hint));
  button->setStatusTip(QString::fromUtf8(hint));
  return button;
}

}  // namespace

MemoPanel::MemoPanel(MemoList& memos, const MemoVocabulary& vocabulary, std::filesystem::path program_folder,
                     Interaction& interaction, QWidget* parent)
    : QWidget(parent),
      memos_(memos),
      vocabulary_(vocabulary),
      program_folder_(std::move(program_folder)),
      interaction_(interaction) {
  setObjectName(QStringLiteral("MemoPanel"));
  select_ = new QToolButton(this);
  select_->setObjectName(QStringLiteral("MBtn"));
  select_->setText(QStringLiteral("選択 ▼"));
  select_->setToolTip(QStringLiteral("メモデータを表示します"));
  select_->setPopupMode(QToolButton::InstantPopup);
  menu_ = new QMenu(select_);
  menu_->setObjectName(QStringLiteral("MemoMenu"));
  select_->setMenu(menu_);
  address_ = new QLabel(this);
  address_->setObjectName(QStringLiteral("DL"));
  previous_ = Button("PreBtn", "<", "前のメモデータを表示します", this);
  next_ = Button("NxtBtn", ">", "次のメモデータを表示します", this);
  write_ = Button("MWBtn", "書込", "メモデータをメモリに書き込みます", this);
  save_ = Button("MeSavBtn", "保存", "メモデータをディスクに上書き保存します", this);
  for (QPushButton* narrow : {previous_, next_}) narrow->setMaximumWidth(fontMetrics().horizontalAdvance("<<<<"));
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("MeMemo"));

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(0, 0, 0, 0);
  bar->addWidget(select_);
  for (QPushButton* button : {previous_, next_}) bar->addWidget(button);
  bar->addStretch(1);
  for (QPushButton* button : {write_, save_}) bar->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  // The address has a line of its own: the side panel is too narrow to share one with the buttons.
  layout->addLayout(bar);
  layout->addWidget(address_);
  layout->addWidget(text_, 1);

  connect(previous_, &QPushButton::clicked, this, &MemoPanel::ShowPrevious);
  connect(next_, &QPushButton::clicked, this, &MemoPanel::ShowNext);
  connect(write_, &QPushButton::clicked, this, [this] { WriteShown(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveToDisk(); });
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    if (showing_ || read_only_) return;
    edited_ = true;
    UpdateButtons();
  });
  RebuildMenu();
  UpdateButtons();
}

void MemoPanel::RebuildMenu() {
  FillMemoMenu(*menu_, vocabulary_, [this](const MemoKey& key, const std::string& word, const std::string& topic) {
    ChooseTopic(key, word, topic);
  });
}

void MemoPanel::ApplySettings(bool read_only, const FontSpec& font) {
  read_only_ = read_only;
  text_->setReadOnly(read_only);
  write_->setVisible(!read_only);
  save_->setVisible(!read_only);
  text_->setFont(QFontOf(font));
  QPalette palette = text_->palette();
  palette.setColor(QPalette::Text, ToQColor(font.colour));
  text_->setPalette(palette);
  UpdateButtons();
}

QString MemoPanel::Address() const { return address_->text(); }
QString MemoPanel::Text() const { return text_->toPlainText(); }

bool MemoPanel::SettlePendingEdit(bool no_abandons) {
  if (!edited_ || read_only_) return true;
  interaction_.Beep();
  // A memo that could not be written keeps its text on screen: the command does not go on.
  if (interaction_.AskYesNo(kPendingEditQuestion)) return WriteShown();
  if (no_abandons) return false;
  edited_ = false;
  UpdateButtons();
  return true;
}

void MemoPanel::ShowText(const QString& address, const QString& text) {
  showing_ = true;
  address_->setText(address);
  text_->setPlainText(text);
  showing_ = false;
  edited_ = false;
  UpdateButtons();
}

void MemoPanel::ShowIndex(std::size_t index) {
  const std::optional<MemoKey> key = memos_.Key(index);
  const QString address = key ? QString::fromStdString(MemoPanelAddress(vocabulary_, *key)) : QString();
  ShowText(address, QString::fromStdString(ExpandLineBreaks(memos_.StoredMemo(index))));
}

void MemoPanel::ChooseTopic(const MemoKey& key, const std::string& word_caption, const std::string& topic_caption) {
  if (!SettlePendingEdit(true)) return;
  const QString address = QString::fromStdString(word_caption + " >" + topic_caption);
  const std::optional<std::size_t> at = memos_.Find(key);
  ShowText(address, at ? QString::fromStdString(ExpandLineBreaks(memos_.StoredMemo(*at))) : QString());
}

void MemoPanel::ShowNext() {
  if (!SettlePendingEdit(false)) return;
  const std::optional<MemoKey> key = KeyOfMemoPanelAddress(vocabulary_, address_->text().toStdString());
  const std::optional<std::size_t> at = key ? memos_.Find(*key) : std::nullopt;
  if (at && *at + 1 < memos_.size()) ShowIndex(*at + 1);
}

void MemoPanel::ShowPrevious() {
  if (!SettlePendingEdit(false)) return;
  const std::optional<MemoKey> key = KeyOfMemoPanelAddress(vocabulary_, address_->text().toStdString());
  const std::optional<std::size_t> at = key ? memos_.Find(*key) : std::nullopt;
  if (at && *at > 1) ShowIndex(*at - 1);
}

void MemoPanel::LookUp(const QString& clicked) {
  if (!SettlePendingEdit(false)) return;
  if (clicked.isEmpty()) return;
  const std::optional<MemoWordPlace> place = FindMemoWord(vocabulary_, MemoLookupWord(clicked.toStdString()));
  if (!place) return;
  if (const std::optional<std::size_t> at = memos_.FindPrefix(MemoWordPrefix(place->classification, place->word))) {
    ShowIndex(*at);
  } else {
    ShowText(QString(), QString());
  }
}

bool MemoPanel::WriteShown() {
  if (address_->text().isEmpty()) return true;
  const std::string address = address_->text().toStdString();
  const std::optional<MemoKey> key = KeyOfMemoPanelAddress(vocabulary_, address);
  if (!key) {
    // The word is no longer in the vocabulary: there is no classification to file the memo under.
    interaction_.Refuse("「" + address + "」はメモの設定にない単語のため、書き込めません。");
    return false;
  }
  memos_.Write(*key, text_->toPlainText().toStdString());
  edited_ = false;
  UpdateButtons();
  return true;
}

bool MemoPanel::SaveToDisk() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written = !edited_ || WriteShown();
  const Status saved = SaveMemoFile(program_folder_, memos_);
  QApplication::restoreOverrideCursor();
  return ShowFailure(saved, interaction_) && written;
}

void MemoPanel::UpdateButtons() { write_->setEnabled(edited_ && !read_only_); }

}  // namespace kirvo
