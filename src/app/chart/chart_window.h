#pragma once

#include <QWidget>
#include <array>
#include <cstddef>

#include "app/widgets/chart_child.h"
#include "presentation/chart/chart_board_geometry.h"
#include "platform/interaction.h"
#include "presentation/chart/chart_session.h"
#include "presentation/print/print_job.h"
#include "settings/sys_settings.h"

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

namespace kirvo {

class ChartBoardWidget;
class MomentStrip;

// The chart window's commands in the order of its strip and menu; each indexes its row of the
// window's command table and its action.
enum class ChartCommand { kRecompute, kPrevious, kNext, kNow, kLuck, kOriginal, kTextCopy, kPrint, kClose };
inline constexpr std::size_t kChartCommandCount = static_cast<std::size_t>(ChartCommand::kClose) + 1;

// The chart window `TMeisF`: one person's chart drawn as a board, with the command strip, the date
// strip (range `CB1`, chart date `NDate`, chart time `NTime` with its two-hour control, the menu
// button) and the pop-up menu. Every change of range, date or time computes the chart again
// through the session; a moment outside 0..110 years of age leaves the window as it was.
class ChartWindow : public QWidget, public ChartChild {
  Q_OBJECT

 public:
  // `session` has been computed; the system settings `sys`, which the window reads, and the
  // interaction that tells a refused moment outlive it.
  ChartWindow(const SysSettings& sys, Interaction& interaction, const QString& caption, ChartSession session,
              QWidget* parent = nullptr);

  ChartWindowKind kind() const override { return ChartWindowKind::kChart; }
  const ChartSession& session() const override { return session_; }
  void Activate() override;
  void FollowSettings() override;

  ChartBoardWidget* board() const { return board_; }
  QMenu* PopupMenu() const { return popup_; }
  // The window's command: toolbar and menu share its action, except 現在, whose menu entry has its
  // own enabling.
  QAction* Command(ChartCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
  QAction* MenuNowAction() const { return menu_now_; }
  bool ShowsOriginal() const { return show_original_; }

  // "印刷ﾌﾟﾚﾋﾞｭｰ": hands the chart's print job to `request`; the command is offered once it is set.
  void SetPrintPreviewRequest(PrintPreviewRequest request);

  // The entries of the hand-change menu for a cell, as the click would offer them; the caller
  // (a click, or a test) triggers one of them.
  QMenu* HandChangeMenuFor(BoardPosition cell);

 signals:
  // The chart or its content changed (computed, changed by hand).
  void contentChanged();
  // "行運の表示": the person for the entry bar: name, sex, "YYYY/MM/DD", "HH:NN" or "99:99".
  void luckRequested(const QString& name, Sex sex, const QString& date, const QString& time);
  // A click on a cell whose text the memos look up (while `MOnSW` is on).
  void memoWordRequested(const QString& word);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildStrips();
  void BuildCommands();
  // The range, date and time fields in the selection colour `CP11`, their text in its contrast.
  void ColourFields();
  void Recompute();
  void Step(StepDirection direction);
  void UpdateCommandStates();
  void LayOut();
  // The width the caption needs in the child window's title bar.
  int CaptionWidth() const;
  void CopyText();
  void ToggleOriginal();
  void RequestLuck();
  void OnCellClicked(BoardPosition cell, bool shift);

  const SysSettings& sys_;
  Interaction& interaction_;
  ChartSession session_;
  bool show_original_ = false;
  ChartBoardWidget* board_ = nullptr;
  QToolBar* commands_ = nullptr;
  MomentStrip* date_strip_ = nullptr;
  QToolButton* menu_button_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* menu_now_ = nullptr;
  std::array<QAction*, kChartCommandCount> actions_{};
  QMenu* hand_change_menu_ = nullptr;
  PrintPreviewRequest print_preview_;
};

}  // namespace kirvo
