#pragma once

#include <QDialog>
#include <functional>

#include "presentation/frame/help_topics.h"
#include "presentation/print/print_job.h"
#include "settings/text_table.h"

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace kirvo {

// "説明文の一覧": the entry names beside the lines of an explanation file as stored, rows as high as
// their wrapped text while "折り返し表示" is on.
class ExplanationListDialog : public QDialog {
  Q_OBJECT

 public:
  // `print_preview` takes the list's print; without it the print button is disabled.
  ExplanationListDialog(const TextTable& table, std::function<void(HelpTopic topic)> show_help,
                        PrintPreviewRequest print_preview = {}, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QCheckBox* wrap_box() const { return wrap_; }
  QPushButton* print_button() const { return print_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitRows();
  void PrintPreview();

  TextTable text_;  // the snapshot the table shows
  PrintPreviewRequest print_preview_;
  QTableWidget* table_ = nullptr;
  QCheckBox* wrap_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace kirvo
