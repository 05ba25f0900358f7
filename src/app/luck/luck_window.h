#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>

#include "app/widgets/chart_child.h"
#include "presentation/luck/luck_session.h"
#include "presentation/print/print_job.h"

class QAction;
class QComboBox;
class QMenu;
class QToolButton;

namespace kirvo {

class CellStyleDelegate;
class ContentGridModel;
class Interaction;
class LuckGraphWidget;
class LuckTableView;
class MomentStrip;
struct SysSettings;

// The luck window's commands in the order of its menu; the first four are also its navigation
// buttons. Each indexes its row of the window's command table and its action.
enum class LuckCommand { kPagePrevious, kPrevious, kNext, kPageNext, kNow, kChart, kCsv, kPrint, kClose };
inline constexpr std::size_t kLuckCommandCount = static_cast<std::size_t>(LuckCommand::kClose) + 1;

// What the luck window is handed: the system settings it reads, the interaction for beeps, and
// the save dialog of the CSV export (the chosen path, empty when cancelled).
struct LuckWindowNeeds {
  const SysSettings& sys;
  Interaction& interaction;
  std::function<QString()> ask_csv_path;
};

// The luck window `TKouF`: one person's running-luck table under the line graph of its favour
// degrees, with the level pair `KCB`, the navigation << < > >>, the chart date and time, 現在 and
// the menu. Every move goes through the session; the highlighted (or clicked) period's chart is
// what the side panel shows while the window is active.
class LuckWindow : public QWidget, public ChartChild {
  Q_OBJECT

 public:
  LuckWindow(LuckWindowNeeds needs, const QString& caption, LuckSession session, QWidget* parent = nullptr);

  ChartWindowKind kind() const override { return ChartWindowKind::kLuck; }
  const ChartSession& session() const override { return session_.chart_session(); }
  const LuckSession& luck() const { return session_; }
  void Activate() override;
  void FollowSettings() override;

  // The window's command, the menu's entry for it.
  QAction* Command(LuckCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
  QMenu* PopupMenu() const { return popup_; }
  LuckGraphWidget* graph() const { return graph_; }
  LuckTableView* table() const { return table_; }
  // "印刷ﾌﾟﾚﾋﾞｭｰ": hands the table and its graph to `request`; the command is offered once it is set.
  void SetPrintPreviewRequest(PrintPreviewRequest request);
  // A click on a table cell, as the mouse gives it.
  void ClickCell(int column, int row);

 signals:
  // The chart or the period shown in the side panel changed.
  void contentChanged();
  // "命式の表示": the person for the entry bar: name, sex, "YYYY/MM/DD", "HH:NN" or "99:99".
  void chartRequested(const QString& name, Sex sex, const QString& date, const QString& time);
  // A click on a cell whose text the memos look up (while `MOnSW` is on).
  void memoWordRequested(const QString& word);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QWidget* BuildTopStrip();
  void BuildCommands();
  // Runs one move of the session with the busy cursor and shows its result; a refused move beeps.
  void Move(const std::function<bool()>& move);
  void ShowTable();
  void UpdateCommandStates();
  void ExportCsv();
  void RequestChart();
  void StepSelection(int step);

  LuckWindowNeeds needs_;
  LuckSession session_;
  ContentGridModel* model_ = nullptr;
  CellStyleDelegate* delegate_ = nullptr;
  QWidget* top_ = nullptr;
  QComboBox* level_ = nullptr;
  MomentStrip* strip_ = nullptr;
  LuckGraphWidget* graph_ = nullptr;
  LuckTableView* table_ = nullptr;
  QMenu* popup_ = nullptr;
  std::array<QAction*, kLuckCommandCount> actions_{};
  std::array<QToolButton*, kLuckCommandCount> buttons_{};  // the navigation buttons; null for the others
  PrintPreviewRequest print_preview_;
};

}  // namespace kirvo
