#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace kirvo {
class SettingsStore;
}

namespace kirvo {

// The notices window ("お知らせ"): the last notice kept in the per-user store with the time it
// was fetched. No notice server is configured, so it fetches nothing and says so.
class NoticesWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit NoticesWindow(const SettingsStore& store, QWidget* parent = nullptr);

  // Reads the kept notice again.
  void Reload();
  QString NoticeText() const;
  QString TimeText() const;
  QString StatusText() const;

 private:
  const SettingsStore& store_;
  QLabel* time_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace kirvo
