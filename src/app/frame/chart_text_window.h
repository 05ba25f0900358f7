#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace kirvo {

// A child window showing a chart as its text copy: the board, the relation lists and the side
// panel's tables, computed by the core. It stands where the drawn chart, luck and combined windows
// will stand.
class ChartTextWindow : public QPlainTextEdit {
  Q_OBJECT

 public:
  ChartTextWindow(const QString& form_name, const QString& caption, const QString& text, QWidget* parent = nullptr);
  QSize sizeHint() const override;
};

}  // namespace kirvo
