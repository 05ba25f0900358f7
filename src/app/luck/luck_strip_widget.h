#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "presentation/luck/luck_strip.h"

class QScrollBar;

namespace kirvo {

struct SysSettings;

// One luck calendar strip drawn as a grid of its shown columns with its label grid at the right,
// and a scroll bar under it over all its columns. Cells cannot be selected; a click reports the
// text of the cell under the pointer (for the memo lookup).
class LuckStripWidget final : public QWidget {
  Q_OBJECT

 public:
  LuckStripWidget(const SysSettings& sys, QWidget* parent = nullptr);

  // The strip (which must outlive the next ShowStrip), its labels and the columns in view.
  void ShowStrip(const LuckStrip* strip, const std::array<std::string, kStripRows>& labels, int shown);
  // The leftmost column in view, as scrolled.
  int FirstShown() const;
  QScrollBar* ScrollBar() const { return scroll_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void cellClicked(const QString& text);
  void scrolled(int first_shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int ColumnWidthPx() const;
  int GridHeightPx() const;
  int RowTopPx(int row) const;

  const SysSettings& sys_;
  const LuckStrip* strip_ = nullptr;
  std::array<std::string, kStripRows> labels_;
  int shown_ = 10;
  QScrollBar* scroll_ = nullptr;
};

}  // namespace kirvo
