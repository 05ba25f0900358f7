#include "app/memos/memo_cell_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kirvo {
namespace {

QDialogButtonBox* Buttons(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

MemoCellDialog::MemoCellDialog(const QString& title, const std::string& old_text, Interaction& interaction,
                               QWidget* parent)
    : QDialog(parent), interaction_(interaction), old_text_(old_text) {
  setObjectName(QStringLiteral("TMeEF"));
  setWindowTitle(QStringLiteral("編集"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(title, this));
  layout->addWidget(new QLabel(QStringLiteral("変更前：") + QString::fromStdString(old_text), this));
  layout->addWidget(new QLabel(QStringLiteral("変更後："), this));
  field_ = new QLineEdit(QString::fromStdString(old_text), this);
  field_->setObjectName(QStringLiteral("NewText"));
  layout->addWidget(field_);
  layout->addWidget(Buttons(*this));
}

MemoCellDialog::MemoCellDialog(const QString& title, const MemoVocabulary& vocabulary, const std::string& old_topics,
                               Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction), old_text_(old_topics) {
  setObjectName(QStringLiteral("TMeEF"));
  setWindowTitle(QStringLiteral("編集"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(title, this));
  auto* group = new QGroupBox(QStringLiteral("使用トピック"), this);
  auto* checks = new QVBoxLayout(group);
  for (int t = 0; t < kMemoTopicCount; ++t) {
    auto* check = new QCheckBox(QString::number(t) + QLatin1Char(':') + QString::fromStdString(vocabulary.TopicName(t)), group);
    check->setChecked(old_topics.find(static_cast<char>('0' + t)) != std::string::npos);
    checks->addWidget(check);
    topics_[static_cast<std::size_t>(t)] = check;
  }
  layout->addWidget(group);
  layout->addWidget(Buttons(*this));
}

void MemoCellDialog::accept() {
  if (field_ == nullptr) {
    result_.clear();
    for (int t = 0; t < kMemoTopicCount; ++t) {
      if (topics_[static_cast<std::size_t>(t)]->isChecked()) result_ += static_cast<char>('0' + t);
    }
    QDialog::accept();
    return;
  }
  const std::string text = field_->text().toStdString();
  if (text.empty()) {
    interaction_.Beep();
    interaction_.ShowMessage(MessageKind::kWarning,
                             "「" + old_text_ + "」を削除する場合は、前画面の削除を実行してください。");
    return;
  }
  result_ = text;
  QDialog::accept();
}

}  // namespace kirvo
