#include "app/frame/notices_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/last_notice.h"

namespace kirvo {
namespace {

constexpr int kWidthPx = 420, kHeightPx = 300;

}  // namespace

NoticesWindow::NoticesWindow(const SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName(QStringLiteral("InfoF"));
  setWindowTitle(QStringLiteral("お知らせ"));
  auto* layout = new QVBoxLayout(this);
  time_ = new QLabel(this);
  time_->setObjectName(QStringLiteral("NoticeTime"));
  layout->addWidget(time_);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("NoticeText"));
  text_->setReadOnly(true);
  layout->addWidget(text_, 1);
  status_ = new QLabel(QStringLiteral("お知らせの配信元が設定されていないため、新しいお知らせは取得できません。"), this);
  status_->setObjectName(QStringLiteral("NoticeStatus"));
  status_->setWordWrap(true);
  layout->addWidget(status_);
  auto* close = new QPushButton(QStringLiteral("閉じる"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(kWidthPx, kHeightPx);
  Reload();
}

void NoticesWindow::Reload() {
  if (const std::optional<LastNotice> notice = ReadLastNotice(store_)) {
    time_->setText(QStringLiteral("取得日時：%1").arg(QString::fromStdString(notice->fetched_at)));
    text_->setPlainText(QString::fromStdString(notice->text));
  } else {
    time_->setText(QStringLiteral("取得日時：―"));
    text_->setPlainText(QStringLiteral("保存されているお知らせはありません。"));
  }
}

QString NoticesWindow::NoticeText() const { return text_->toPlainText(); }
QString NoticesWindow::TimeText() const { return time_->text(); }
QString NoticesWindow::StatusText() const { return status_->text(); }

}  // namespace kirvo
