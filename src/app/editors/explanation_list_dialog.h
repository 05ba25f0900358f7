#pragma once

#include <QDialog>
#include <functional>

#include "presentation/frame/help_topics.h"
#include "settings/text_table.h"

class QCheckBox;
class QTableWidget;

namespace kirvo {

// "説明文の一覧": the entry names beside the lines of an explanation file as stored, rows as high as
// their wrapped text while "折り返し表示" is on.
class ExplanationListDialog : public QDialog {
  Q_OBJECT

 public:
  ExplanationListDialog(const TextTable& table, std::function<void(HelpTopic topic)> show_help,
                        QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QCheckBox* wrap_box() const { return wrap_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitRows();

  QTableWidget* table_ = nullptr;
  QCheckBox* wrap_ = nullptr;
};

}  // namespace kirvo
