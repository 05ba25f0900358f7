#pragma once

#include <QTabWidget>
#include <array>

#include "presentation/panel/chart_content_model.h"
#include "settings/sys_fonts.h"

class QComboBox;
class QPlainTextEdit;

namespace kirvo {

class CellStyleDelegate;
class ContentGridModel;
class ContentGridView;

// The explanation area of the side panel (説明文欄): the tabs "メモ" (the memo panel's place),
// "格局" (the pattern selectors `KCB0` … `KCB2` over the pattern text `KakuMemo`) and "神殺" (the
// spirit-star table `SinSG` over the spirit-star text `SMemo`). The texts are read-only.
class ExplanationArea final : public QTabWidget {
  Q_OBJECT

 public:
  enum Tab { kMemoTab = 0, kPatternTab = 1, kSpiritStarTab = 2 };

  ExplanationArea(ContentGridModel& spirit_star_model, CellStyleDelegate& delegate, QWidget* parent = nullptr);

  // The selectors and texts of `content`; the selectors' lists are rebuilt only when they differ.
  void ShowExplanations(const ChartContent& content);
  void ShowPatterns(const PatternSelectors& selectors, const std::string& pattern_text);
  void SetTextFont(const FontSpec& font);
  void SetGridFont(const QFont& font);

  QComboBox* Selector(int index) const { return selectors_[static_cast<std::size_t>(index)]; }
  QPlainTextEdit* PatternText() const { return pattern_text_; }
  QPlainTextEdit* SpiritStarText() const { return spirit_star_text_; }
  ContentGridView* SpiritStarGrid() const { return spirit_star_grid_; }
  QWidget* MemoPage() const { return memo_page_; }

 signals:
  // The user picked `entry` of selector `selector` (0 … 2).
  void PatternChosen(int selector, int entry);

 private:
  QWidget* memo_page_ = nullptr;
  std::array<QComboBox*, kPatternSelectorCount> selectors_{};
  PatternNames listed_;  // what the selectors list now
  bool lists_filled_ = false;
  QPlainTextEdit* pattern_text_ = nullptr;
  ContentGridView* spirit_star_grid_ = nullptr;
  QPlainTextEdit* spirit_star_text_ = nullptr;
};

}  // namespace kirvo
