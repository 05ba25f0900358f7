#include "app/chart/chart_window.h"

#include <QAction>
#include <algorithm>
#include <array>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QStyle>
#include <QToolButton>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"
#include "calendar/birth_time.h"
#include "calendar/local_clock.h"
#include "app/widgets/chart_board_widget.h"
#include "presentation/chart/chart_text_copy.h"
#include "presentation/print/chart_print_job.h"
#include "app/widgets/moment_strip.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

struct CommandRow {
  ChartCommand id;
  const char* name;      // the action's object name
  const char* caption;   // the menu's caption
  const char* button;    // the command strip's
  const char* shortcut;  // "" for none
};

using C = ChartCommand;

// clang-format off
constexpr std::array<CommandRow, kChartCommandCount> kCommands = {{
    {C::kRecompute, "Recompute", "再計算＆再表示(&R)",   "再計算", "F5"},
    {C::kPrevious,  "Previous",  "前の命式(&B)",         "◀前",    "Ctrl+Left"},
    {C::kNext,      "Next",      "次の命式(&N)",         "次▶",    "Ctrl+Right"},
    {C::kNow,       "Now",       "現在の日時(&D)",       "現在",   ""},
    {C::kLuck,      "Luck",      "行運の表示(&K)",       "行運",   ""},
    {C::kOriginal,  "Original",  "元干支蔵干表示(&M)",   "○",      ""},
    {C::kTextCopy,  "TextCopy",  "命式をTextでｺﾋﾟｰ(&T)", "ｺﾋﾟｰ",   ""},
    {C::kPrint,     "Print",     "印刷ﾌﾟﾚﾋﾞｭｰ(&P)",      "印刷",   ""},
    {C::kClose,     "Close",     "閉じる(&C)",           "閉じる", ""},
}};
// clang-format on

// Every row stands at the index of its command, so that a command reaches its action directly.
constexpr bool RowsInCommandOrder() {
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    if (static_cast<std::size_t>(kCommands[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsInCommandOrder(), "the command table is out of the order of ChartCommand");

}  // namespace

ChartWindow::ChartWindow(const SysSettings& sys, Interaction& interaction, const QString& caption,
                         ChartSession session, QWidget* parent)
    : QWidget(parent), sys_(sys), interaction_(interaction), session_(std::move(session)), show_original_(sys.MCB) {
  setObjectName(QStringLiteral("MeisF"));
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setContextMenuPolicy(Qt::DefaultContextMenu);
  BuildCommands();
  BuildStrips();
  board_ = new ChartBoardWidget(sys_, this);
  connect(board_, &ChartBoardWidget::cellClicked, this, &ChartWindow::OnCellClicked);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(commands_);
  layout->addWidget(date_strip_);
  layout->addWidget(board_);

  LayOut();
  UpdateCommandStates();
}

void ChartWindow::BuildCommands() {
  commands_ = new QToolBar(this);
  commands_->setObjectName(QStringLiteral("MnCB"));
  commands_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("SGPopMenu"));
  for (const CommandRow& row : kCommands) {
    auto* action = new QAction(QString::fromUtf8(row.caption), this);
    action->setObjectName(QString::fromLatin1(row.name));
    action->setIconText(QString::fromUtf8(row.button));
    action->setToolTip(QString(action->text()).remove(QStringLiteral("(&")).section(QLatin1Char(')'), 0, 0));
    if (*row.shortcut != '\0') {
      action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
      action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    actions_[static_cast<std::size_t>(row.id)] = action;
    addAction(action);
    commands_->addAction(action);
    if (row.id == ChartCommand::kNow) {
      // The menu's entry follows the range; the strip's button stays usable.
      menu_now_ = popup_->addAction(action->text());
      menu_now_->setObjectName(QStringLiteral("MenuNow"));
      connect(menu_now_, &QAction::triggered, action, &QAction::trigger);
    } else {
      popup_->addAction(action);
    }
  }
  // Printing is offered once the frame hands over its print preview.
  Command(ChartCommand::kPrint)->setEnabled(false);
  connect(Command(ChartCommand::kPrint), &QAction::triggered, this, [this] {
    if (print_preview_) print_preview_(ChartPrintJob(session_, sys_, show_original_));
  });

  connect(Command(ChartCommand::kRecompute), &QAction::triggered, this, &ChartWindow::Recompute);
  connect(Command(ChartCommand::kPrevious), &QAction::triggered, this, [this] { Step(StepDirection::kBack); });
  connect(Command(ChartCommand::kNext), &QAction::triggered, this, [this] { Step(StepDirection::kForward); });
  connect(Command(ChartCommand::kNow), &QAction::triggered, this, [this] {
    if (!session_.SetChartMomentToDefault(LocalClockNow())) return;
    date_strip_->ShowModel();
    Recompute();
  });
  connect(Command(ChartCommand::kLuck), &QAction::triggered, this, &ChartWindow::RequestLuck);
  connect(Command(ChartCommand::kOriginal), &QAction::triggered, this, &ChartWindow::ToggleOriginal);
  connect(Command(ChartCommand::kTextCopy), &QAction::triggered, this, &ChartWindow::CopyText);
  connect(Command(ChartCommand::kClose), &QAction::triggered, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      frame->close();
    } else {
      close();
    }
  });
}

void ChartWindow::BuildStrips() {
  date_strip_ = new MomentStrip(session_.moment_model(), MomentStripLook::kCompact, this);
  connect(date_strip_, &MomentStrip::entryEdited, this, &ChartWindow::Recompute);
  connect(date_strip_, &MomentStrip::rangeChosen, this, &ChartWindow::Recompute);
  connect(date_strip_, &MomentStrip::timeStepped, this, &ChartWindow::Recompute);

  menu_button_ = new QToolButton(date_strip_);
  menu_button_->setObjectName(QStringLiteral("MenuBtn"));
  menu_button_->setText(QStringLiteral("▼"));
  menu_button_->setToolTip(QStringLiteral("行運メニューを表示します"));
  connect(menu_button_, &QToolButton::clicked, this,
          [this] { popup_->popup(menu_button_->mapToGlobal(QPoint(0, menu_button_->height()))); });
  ColourFields();
  date_strip_->AddTrailing(menu_button_);
}

void ChartWindow::SetPrintPreviewRequest(PrintPreviewRequest request) {
  print_preview_ = std::move(request);
  Command(ChartCommand::kPrint)->setEnabled(static_cast<bool>(print_preview_));
}

void ChartWindow::Recompute() {
  // A half-typed time, or a moment the program does not compute with, leaves the chart as it is.
  if (!date_strip_->EntryComplete()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status computed = session_.Compute();
  QApplication::restoreOverrideCursor();
  if (computed) {
    LayOut();
    emit contentChanged();
  } else {
    // The board keeps the last chart; the strip goes back to that chart's moment.
    date_strip_->ShowModel();
    interaction_.Refuse(computed.error());
  }
  UpdateCommandStates();
}

void ChartWindow::Step(StepDirection direction) {
  session_.Step(direction);
  date_strip_->ShowModel();
  Recompute();
}

void ChartWindow::UpdateCommandStates() {
  date_strip_->FollowRange();
  menu_now_->setEnabled(RangeUsesDate(session_.range()));
  Command(ChartCommand::kPrevious)->setEnabled(session_.CanStep(StepDirection::kBack));
  Command(ChartCommand::kNext)->setEnabled(session_.CanStep(StepDirection::kForward));
  Command(ChartCommand::kOriginal)->setIconText(show_original_ ? QStringLiteral("×") : QStringLiteral("○"));
  commands_->setVisible(sys_.MnCB);
}

void ChartWindow::LayOut() {
  const Chart& chart = session_.chart();
  board_->ShowChart(chart, LayOutBoard(ChartRowLayoutOf(sys_, show_original_), chart.range,
                                       chart.stem_relations.size(), chart.branch_relations.size()),
                    &session_.content().ten_god_graph.earth_stars, &session_.content().near_term);
  // The window is as wide as the board, yet never narrower than its date strip or its caption
  // (the narrow board of 命式のみ would cut both); the command strip gives way and folds its last
  // buttons into its extension menu.
  const int width = std::max({board_->sizeHint().width(), date_strip_->sizeHint().width(), CaptionWidth()});
  commands_->setMaximumWidth(width);
  date_strip_->setMinimumWidth(width);
  date_strip_->setMaximumWidth(width);
  adjustSize();
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

int ChartWindow::CaptionWidth() const {
  // The caption in the child window's title bar, with room for its icon and three buttons.
  constexpr int kTitleBarItems = 5;
  const int bar_height = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  return fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarItems * bar_height;
}

void ChartWindow::Activate() {
  session_.RefreshContent();
  board_->update();
}

void ChartWindow::ColourFields() {
  date_strip_->ColourFields(ColourOf(sys_.CP, PanelColour::kSelection));
}

void ChartWindow::FollowSettings() {
  ColourFields();
  if (session_.Compute()) emit contentChanged();
  LayOut();
  UpdateCommandStates();
}

void ChartWindow::CopyText() {
  QStringList lines;
  for (const std::string& line : session_.TextCopy(show_original_)) lines << ToQString(line);
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void ChartWindow::ToggleOriginal() {
  show_original_ = !show_original_;
  LayOut();
  UpdateCommandStates();
}

void ChartWindow::RequestLuck() {
  const BirthInput& input = session_.input();
  const BirthMoment birth{input.birth.moment, session_.hour_known()};
  emit luckRequested(ToQString(input.name), input.sex, ToQString(birth.DateText()), ToQString(birth.TimeText()));
}

QMenu* ChartWindow::HandChangeMenuFor(BoardPosition cell) {
  delete hand_change_menu_;
  hand_change_menu_ = new QMenu(this);
  hand_change_menu_->setObjectName(QStringLiteral("HandChangeMenu"));
  for (const HandChangeEntry& entry : HandChangeMenu(session_.chart().board, cell)) {
    QAction* action = hand_change_menu_->addAction(ToQString(entry.caption));
    action->setEnabled(entry.enabled);
    connect(action, &QAction::triggered, this, [this, cell, change = entry.change] {
      if (!session_.ChangeByHand(cell, change)) return;
      board_->update();
      emit contentChanged();
    });
  }
  return hand_change_menu_;
}

void ChartWindow::OnCellClicked(BoardPosition cell, bool shift) {
  const SysSettings& sys = sys_;
  if (sys.MOnSW) emit memoWordRequested(ToQString(BoardCellText(session_.chart(), cell)));
  if (!OpensHandChangeMenu(sys, cell, shift)) return;
  const QRect rect = board_->CellRectPx(cell);
  HandChangeMenuFor(cell)->popup(board_->mapToGlobal(rect.bottomLeft() + QPoint(0, 1)));
}

void ChartWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->popup(event->globalPos());
  event->accept();
}

}  // namespace kirvo
