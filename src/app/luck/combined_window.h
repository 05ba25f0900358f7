#pragma once

#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>

#include "app/widgets/chart_child.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/luck/combined_session.h"
#include "presentation/print/combined_print_job.h"
#include "settings/sys_settings.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace kirvo {

class CellStyleDelegate;
class ChartBoardWidget;
class ContentGridModel;
class ContentGridView;
class Interaction;
class LuckStripWidget;
class SummaryHeader;

// The combined window's commands in the order of its menu; each indexes its row of the window's
// command table and its action.
enum class CombinedCommand {
  kRecompute, kOriginal, kTextCopy, kPrint, kPrintStrips, kCsv, kStripsShown, kContentShown, kLowerShown, kClose,
};
inline constexpr std::size_t kCombinedCommandCount = static_cast<std::size_t>(CombinedCommand::kClose) + 1;

// What the combined window reads and asks for.
struct CombinedWindowNeeds {
  const SysSettings& sys;
  const ChartRules& rules;  // for the summary's hints; kept by the frame for the run
  Interaction& interaction;
  // The save dialog of a CSV export: the chosen file, empty when cancelled.
  std::function<QString()> choose_csv_file;
};

// The combined window `TMKF` (命行): one person's natal chart board, its own copy of the summary, the
// content table and the five-element table at its right, and under them the two luck calendar
// strips with their level selector, date captions and step buttons. A change of a strip date
// computes the chart again at that date, 12:00.
class CombinedWindow : public QWidget, public ChartChild {
  Q_OBJECT

 public:
  // `session` has been computed and its strips filled.
  CombinedWindow(CombinedWindowNeeds needs, const QString& caption, CombinedSession session, QWidget* parent = nullptr);
  ~CombinedWindow() override;

  ChartWindowKind kind() const override { return ChartWindowKind::kCombined; }
  const ChartSession& session() const override { return session_.chart(); }
  void Activate() override;
  void FollowSettings() override;

  const CombinedSession& combined() const { return session_; }
  // Where 印刷ﾌﾟﾚﾋﾞｭｰ and 印刷=行運表のみ hand their jobs; without it both commands are disabled.
  void SetPrintPreview(PrintPreviewRequest request);
  // The window's command: the menu's entry for it, and the action of its strip button where it has one.
  QAction* Command(CombinedCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
  QComboBox* LevelSelector() const { return level_; }
  // The strips' step buttons, by what they step.
  enum class StepButton { kUpperLater, kUpperEarlier, kNow, kLowerLater, kLowerEarlier, kCount };
  QToolButton* StripButton(StepButton step) const { return step_buttons_[static_cast<std::size_t>(step)]; }
  LuckStripWidget* StripWidget(StripSide side) const { return side == StripSide::kUpper ? upper_ : lower_; }
  QLabel* LowerCaption() const { return lower_caption_; }
  bool ContentShown() const { return content_shown_; }
  bool StripsShown() const { return strips_shown_; }
  // The entries of the hand-change menu for a board cell, as a click would offer them.
  QMenu* HandChangeMenuFor(BoardPosition cell);

 signals:
  void contentChanged();
  void memoWordRequested(const QString& word);
  // The pattern selector chose an entry (the main window's first selector follows); `rebuild` when
  // the pattern text is to be rebuilt (a change of the selector rather than ">>").
  void patternChosen(int entry, bool rebuild);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildCommands();
  QWidget* BuildContentArea();
  QWidget* BuildStripArea();
  void Recompute();
  void RefillStrips();
  void Step(StripSide side, StripStep step);
  void ShowStrips();
  void ShowContent();
  void LayOut();
  void UpdateCommandStates();
  void CopyText();
  void ExportCsv();
  CombinedPrintView PrintView() const;
  void OnCellClicked(BoardPosition cell, bool shift);

  CombinedWindowNeeds needs_;
  CombinedSession session_;
  PrintPreviewRequest print_preview_;
  Chart shown_chart_;  // the board drawn with the season elements (`SzCB`)
  bool show_original_ = false;
  bool content_shown_ = true;
  bool strips_shown_ = true;
  bool lower_shown_ = true;

  QToolBar* commands_ = nullptr;
  std::array<QAction*, kCombinedCommandCount> actions_{};
  std::array<QToolButton*, kCombinedCommandCount> buttons_{};  // the command strip's; null for a menu entry only
  QMenu* popup_ = nullptr;
  QMenu* hand_change_menu_ = nullptr;
  QToolButton* menu_button_ = nullptr;
  std::array<QToolButton*, static_cast<std::size_t>(StepButton::kCount)> step_buttons_{};
  ChartBoardWidget* board_ = nullptr;
  QWidget* content_area_ = nullptr;
  SummaryHeader* summary_ = nullptr;
  std::unique_ptr<CellStyleDelegate> delegate_;
  std::unique_ptr<ContentGridModel> snb_model_;
  std::unique_ptr<ContentGridModel> sg2_model_;
  ContentGridView* snb_view_ = nullptr;
  ContentGridView* sg2_view_ = nullptr;
  QComboBox* pattern_ = nullptr;
  QWidget* strip_area_ = nullptr;
  QComboBox* level_ = nullptr;
  QLabel* upper_date_ = nullptr;
  QLabel* lower_caption_ = nullptr;
  QLabel* lower_date_ = nullptr;
  LuckStripWidget* upper_ = nullptr;
  LuckStripWidget* lower_ = nullptr;
};

}  // namespace kirvo
