#include "app/luck/luck_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <array>

#include "app/bridge/colour.h"
#include "app/bridge/content_grid_model.h"
#include "app/bridge/dpi.h"
#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/luck/luck_graph_widget.h"
#include "app/luck/luck_table_view.h"
#include "app/widgets/cell_style_delegate.h"
#include "app/widgets/moment_strip.h"
#include "calendar/local_clock.h"
#include "platform/free_resources.h"
#include "platform/interaction.h"
#include "presentation/luck/luck_view.h"
#include "presentation/print/luck_print_job.h"
#include "presentation/services/resource_check.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

struct CommandRow {
  LuckCommand id;
  const char* name;      // the action's object name
  const char* caption;   // the menu's entry
  const char* button;    // the navigation button's text, "" for none
  const char* hint;      // the button's hint
  const char* shortcut;  // "" for none
};

using C = LuckCommand;

// The menu, in its order; the first four are also the navigation buttons.
// clang-format off
constexpr std::array<CommandRow, kLuckCommandCount> kCommands = {{
    {C::kPagePrevious, "PagePrevious", "一表示分前のデータ",     "<<", "一表示分前のデータ", "Ctrl+PgUp"},
    {C::kPrevious,     "Previous",     "一列前のデータ",         "<",  "一つ前のデータ",     "Ctrl+Left"},
    {C::kNext,         "Next",         "一列次のデータ",         ">",  "一つ次のデータ",     "Ctrl+Right"},
    {C::kPageNext,     "PageNext",     "一表示分次のデータ",     ">>", "一表示分次のデータ", "Ctrl+PgDown"},
    {C::kNow,          "Now",          "現在の日時(&D)",         "",   "",                   ""},
    {C::kChart,        "Chart",        "命式の表示(&M)",         "",   "",                   ""},
    {C::kCsv,          "Csv",          "行運表のcsv出力(&O)",    "",   "",                   ""},
    {C::kPrint,        "Print",        "印刷ﾌﾟﾚﾋﾞｭｰ(&P)",        "",   "",                   ""},
    {C::kClose,        "Close",        "閉じる(&C)",             "",   "",                   ""},
}};
// clang-format on

// Every row stands at the index of its command, so that a command reaches its action directly.
constexpr bool RowsInCommandOrder() {
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    if (static_cast<std::size_t>(kCommands[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsInCommandOrder(), "the command table is out of the order of LuckCommand");

// The window is at least this much wider than a vertical scroll bar.
constexpr int kLeastWidthPx = 420;

}  // namespace

LuckWindow::LuckWindow(LuckWindowNeeds needs, const QString& caption, LuckSession session, QWidget* parent)
    : QWidget(parent), needs_(std::move(needs)), session_(std::move(session)) {
  setObjectName(QStringLiteral("KouF"));
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  BuildCommands();
  top_ = BuildTopStrip();
  graph_ = new LuckGraphWidget(this);
  model_ = new ContentGridModel(this);
  delegate_ = new CellStyleDelegate(this);
  table_ = new LuckTableView(*model_, *delegate_, this);
  connect(table_, &LuckTableView::CellPressed, this, [this](int column, int row, Qt::MouseButton button) {
    if (button == Qt::LeftButton) ClickCell(column, row);
  });
  connect(table_, &LuckTableView::ColumnStepRequested, this, &LuckWindow::StepSelection);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(top_);
  layout->addWidget(graph_, 1);
  layout->addWidget(table_);
  setMinimumWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent) + ScaledPx(*this, kLeastWidthPx));

  // Showing the window runs 現在.
  Move([this] { return session_.Now(LocalClockNow()); });
}

void LuckWindow::BuildCommands() {
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("KPopMenu"));
  for (const CommandRow& row : kCommands) {
    auto* action = new QAction(QString::fromUtf8(row.caption), this);
    action->setObjectName(QString::fromLatin1(row.name));
    if (*row.shortcut != '\0') {
      action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
      action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    actions_[static_cast<std::size_t>(row.id)] = action;
    addAction(action);
    popup_->addAction(action);
  }
  // Printing hands the table and the graph's data to the print preview, which paints the graph
  // itself: the window's own rows, graph and the clipboard stay as they are. Offered once the frame
  // hands over its preview.
  Command(LuckCommand::kPrint)->setEnabled(false);
  connect(Command(LuckCommand::kPrint), &QAction::triggered, this, [this] {
    if (print_preview_) print_preview_(LuckPrintJob(session_, needs_.sys));
  });
  connect(Command(LuckCommand::kPagePrevious), &QAction::triggered, this,
          [this] { Move([this] { return session_.Page(StepDirection::kBack); }); });
  connect(Command(LuckCommand::kPrevious), &QAction::triggered, this,
          [this] { Move([this] { return session_.Shift(StepDirection::kBack); }); });
  connect(Command(LuckCommand::kNext), &QAction::triggered, this,
          [this] { Move([this] { return session_.Shift(StepDirection::kForward); }); });
  connect(Command(LuckCommand::kPageNext), &QAction::triggered, this,
          [this] { Move([this] { return session_.Page(StepDirection::kForward); }); });
  connect(Command(LuckCommand::kNow), &QAction::triggered, this,
          [this] { Move([this] { return session_.Now(LocalClockNow()); }); });
  connect(Command(LuckCommand::kChart), &QAction::triggered, this, &LuckWindow::RequestChart);
  connect(Command(LuckCommand::kCsv), &QAction::triggered, this, &LuckWindow::ExportCsv);
  connect(Command(LuckCommand::kClose), &QAction::triggered, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      frame->close();
    } else {
      close();
    }
  });
}

QWidget* LuckWindow::BuildTopStrip() {
  auto* top = new QWidget(this);
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(1, 1, 1, 1);
  row->setSpacing(2);

  level_ = new QComboBox(top);
  level_->setObjectName(QStringLiteral("KCB"));
  for (const LuckLevelRow& level : kLuckLevels) level_->addItem(ToQString(level.caption));
  level_->setCurrentIndex(LuckLevelNumber(session_.level()));
  connect(level_, &QComboBox::activated, this, [this](int index) {
    const std::optional<LuckLevel> level = LuckLevelOf(index);
    if (level) Move([this, level] {
        session_.SetLevel(*level);
        return true;
      });
  });
  row->addWidget(level_);
  row->addStretch(1);

  for (const CommandRow& command : kCommands) {
    if (*command.button == '\0') continue;
    auto* button = new QToolButton(top);
    button->setObjectName(QString::fromLatin1(command.name) + QStringLiteral("Btn"));
    button->setText(QString::fromLatin1(command.button));
    button->setToolTip(QString::fromUtf8(command.hint));
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QToolButton::clicked, Command(command.id), &QAction::trigger);
    buttons_[static_cast<std::size_t>(command.id)] = button;
    row->addWidget(button);
  }
  row->addWidget(new QLabel(QStringLiteral("占\n時"), top));

  strip_ = new MomentStrip(session_.moment_model(), MomentStripLook::kCompact, top);
  strip_->ShowRange(false);
  strip_->FollowRange();
  // A new date, or a step of the time, places the table again; a time typed alone waits for the
  // next of them (or the level pair) to be used.
  connect(strip_, &MomentStrip::entryEdited, this, [this] {
    const DateTime placed = session_.table().chart_moment;
    if (!strip_->EntryComplete() || session_.moment_model().moment().DateOnly() == placed.DateOnly()) return;
    Move([this] {
      session_.Place();
      return true;
    });
  });
  connect(strip_, &MomentStrip::timeStepped, this, [this] {
    Move([this] {
      session_.Place();
      return true;
    });
  });
  for (QToolButton* arrow : strip_->findChildren<QToolButton*>()) arrow->setToolTip(QStringLiteral("時間を増減します"));
  auto* now = new QPushButton(QStringLiteral("現在"), top);
  now->setObjectName(QStringLiteral("NowBtn"));
  now->setToolTip(QStringLiteral("現在の日時にします"));
  connect(now, &QPushButton::clicked, Command(LuckCommand::kNow), &QAction::trigger);
  strip_->AddTrailing(now);
  auto* menu = new QToolButton(top);
  menu->setObjectName(QStringLiteral("MenuBtn"));
  menu->setText(QStringLiteral("▼"));
  menu->setToolTip(QStringLiteral("行運メニューを表示します"));
  menu->setFocusPolicy(Qt::StrongFocus);
  connect(menu, &QToolButton::clicked, this, [this, menu] { popup_->popup(menu->mapToGlobal(QPoint(0, menu->height()))); });
  strip_->AddTrailing(menu);
  row->addWidget(strip_);

  const Rgb selection = ColourOf(needs_.sys.CP, PanelColour::kSelection);
  strip_->ColourFields(selection);
  level_->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                            .arg(ToQColor(selection).name(), ToQColor(ContrastTextColour(selection)).name()));
  return top;
}

void LuckWindow::Move(const std::function<bool()>& move) {
  if (!PassesResourceCheck(QueryFreeResources(), kLuckWindowResourceThreshold, needs_.interaction)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool moved = move();
  QApplication::restoreOverrideCursor();
  if (!moved) {
    needs_.interaction.Beep();
    return;
  }
  strip_->ShowModel();
  ShowTable();
  emit contentChanged();
}

void LuckWindow::ShowTable() {
  model_->SetGrid(LuckTableGrid(session_.table(), needs_.sys, session_.selected_column()));
  delegate_->SetFewestGradientSteps(needs_.sys.GCB);
  table_->UpdateLayout(needs_.sys);
  // Never lower than the strip, the table and a little of the graph.
  setMinimumHeight(top_->sizeHint().height() + table_->height() + graph_->minimumHeight() + ScaledPx(*this, 8));
  graph_->SetColours(needs_.sys.CP, needs_.sys.GCB);
  graph_->SetGraph(session_.graph());
  if (session_.selected_column() > 0) table_->scrollTo(model_->index(0, session_.selected_column()));
  UpdateCommandStates();
}

void LuckWindow::UpdateCommandStates() {
  // A major-luck table is always placed from birth: it does not move.
  const bool moves = session_.level() != LuckLevel::kMajor;
  for (const LuckCommand command : {C::kPagePrevious, C::kPrevious, C::kNext, C::kPageNext}) {
    Command(command)->setEnabled(moves);
    if (QToolButton* button = buttons_[static_cast<std::size_t>(command)]) button->setEnabled(moves);
  }
  level_->setCurrentIndex(LuckLevelNumber(session_.level()));
}

void LuckWindow::SetPrintPreviewRequest(PrintPreviewRequest request) {
  print_preview_ = std::move(request);
  Command(LuckCommand::kPrint)->setEnabled(static_cast<bool>(print_preview_));
}

void LuckWindow::ClickCell(int column, int row) {
  if (column < 0 || row < 0) return;
  const std::string& text = session_.table().KSG.Cell(static_cast<std::size_t>(column), static_cast<std::size_t>(row));
  if (needs_.sys.MOnSW && !text.empty()) emit memoWordRequested(ToQString(text));
  if (column == 0) return;
  if (!session_.ShowColumn(column)) {
    needs_.interaction.Beep();
    return;
  }
  model_->SetGrid(LuckTableGrid(session_.table(), needs_.sys, session_.selected_column()));
  emit contentChanged();
}

void LuckWindow::StepSelection(int step) {
  int column = session_.selected_column() + step;
  // Hidden periods have no data: the step goes on to the next shown one.
  while (column >= 1 && column < static_cast<int>(session_.table().KSG.columns()) &&
         LuckColumnHidden(session_.table(), column)) {
    column += step;
  }
  ClickCell(column, luck_row::kBaseFavour);
}

void LuckWindow::Activate() { session_.RefreshContent(); }

void LuckWindow::FollowSettings() {
  Move([this] {
    session_.Place();
    return true;
  });
}

void LuckWindow::ExportCsv() {
  if (!needs_.ask_csv_path) return;
  const QString path = needs_.ask_csv_path();
  if (path.isEmpty()) return;
  if (const Status written = session_.ExportCsv(PathOf(path)); !written) {
    needs_.interaction.Beep();
    needs_.interaction.ShowMessage(MessageKind::kWarning, written.error());
  }
}

void LuckWindow::RequestChart() {
  const BirthInput& input = session_.input();
  const BirthMoment birth{input.birth.moment, session_.hour_known()};
  emit chartRequested(ToQString(input.name), input.sex, ToQString(birth.DateText()), ToQString(birth.TimeText()));
}

void LuckWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->popup(event->globalPos());
  event->accept();
}

}  // namespace kirvo
