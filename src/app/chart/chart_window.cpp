#include "app/chart/chart_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "app/bridge/colour.h"
#include "app/bridge/text.h"
#include "calendar/birth_time.h"
#include "calendar/local_clock.h"
#include "app/chart/chart_board_widget.h"
#include "presentation/chart/chart_text_copy.h"
#include "settings/sys_settings.h"

namespace kirvo {
namespace {

struct CommandRow {
  const char* name;
  const char* caption;   // the menu's caption
  const char* button;    // the command strip's
  const char* shortcut;  // "" for none
};

// clang-format off
constexpr CommandRow kCommands[] = {
    {"Recompute", "再計算＆再表示(&R)",   "再計算", "F5"},
    {"Previous",  "前の命式(&B)",         "◀前",    "Ctrl+Left"},
    {"Next",      "次の命式(&N)",         "次▶",    "Ctrl+Right"},
    {"Now",       "現在の日時(&D)",       "現在",   ""},
    {"Luck",      "行運の表示(&K)",       "行運",   ""},
    {"Original",  "元干支蔵干表示(&M)",   "○",      ""},
    {"TextCopy",  "命式をTextでｺﾋﾟｰ(&T)", "ｺﾋﾟｰ",   ""},
    {"Print",     "印刷ﾌﾟﾚﾋﾞｭｰ(&P)",      "印刷",   ""},
    {"Close",     "閉じる(&C)",           "閉じる", ""},
};
// clang-format on

constexpr int kFirstRangeWithDate = 1;
constexpr int kFirstRangeWithTime = 3;
constexpr const char* kTimeMask = "99:99";
constexpr const char* kEmptyTime = "  :  ";
constexpr const char* kDateFormat = "yyyy/MM/dd";

QDate QDateOf(DateTime moment) {
  const DateFields fields = moment.Fields();
  return QDate(fields.year, fields.month, fields.day);
}

QString StyleSheetOfField(Rgb background) {
  return QStringLiteral("background-color: %1; color: %2;")
      .arg(ToQColor(background).name(), ToQColor(ContrastTextColour(background)).name());
}

}  // namespace

ChartWindow::ChartWindow(const SysSettings& sys, const QString& caption, ChartSession session, QWidget* parent)
    : QWidget(parent), sys_(sys), session_(std::move(session)), show_original_(sys.MCB) {
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

  range_->setCurrentIndex(LuckRangeNumber(session_.range()));
  ShowMomentInFields();
  LayOut();
  UpdateCommandStates();
}

QAction* ChartWindow::Command(const QString& name) const { return findChild<QAction*>(name); }

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
    addAction(action);
    commands_->addAction(action);
    if (QLatin1String(row.name) == QLatin1String("Now")) {
      // The menu's entry follows the range; the strip's button stays usable.
      menu_now_ = popup_->addAction(action->text());
      menu_now_->setObjectName(QStringLiteral("MenuNow"));
      connect(menu_now_, &QAction::triggered, action, &QAction::trigger);
    } else {
      popup_->addAction(action);
    }
  }
  Command(QStringLiteral("Print"))->setEnabled(false);  // printing comes with the print preview

  connect(Command(QStringLiteral("Recompute")), &QAction::triggered, this,
          [this] { ChangeRange(range_->currentIndex()); });
  connect(Command(QStringLiteral("Previous")), &QAction::triggered, this, [this] { Step(StepDirection::kBack); });
  connect(Command(QStringLiteral("Next")), &QAction::triggered, this, [this] { Step(StepDirection::kForward); });
  connect(Command(QStringLiteral("Now")), &QAction::triggered, this, [this] {
    if (!session_.SetChartMomentToDefault(LocalClockNow())) return;
    ShowMomentInFields();
    Recompute();
  });
  connect(Command(QStringLiteral("Luck")), &QAction::triggered, this, &ChartWindow::RequestLuck);
  connect(Command(QStringLiteral("Original")), &QAction::triggered, this, &ChartWindow::ToggleOriginal);
  connect(Command(QStringLiteral("TextCopy")), &QAction::triggered, this, &ChartWindow::CopyText);
  connect(Command(QStringLiteral("Close")), &QAction::triggered, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      frame->close();
    } else {
      close();
    }
  });
}

void ChartWindow::BuildStrips() {
  date_strip_ = new QWidget(this);
  auto* row = new QHBoxLayout(date_strip_);
  row->setContentsMargins(1, 1, 1, 1);
  row->setSpacing(1);

  range_ = new QComboBox(date_strip_);
  range_->setObjectName(QStringLiteral("CB1"));
  for (int range = 0; range < kLuckRangeCount; ++range) {
    range_->addItem(ToQString(LuckRangeCaption(*LuckRangeOf(range))));
  }
  connect(range_, &QComboBox::activated, this, &ChartWindow::ChangeRange);

  date_ = new QDateEdit(date_strip_);
  date_->setObjectName(QStringLiteral("NDate"));
  date_->setDisplayFormat(QString::fromLatin1(kDateFormat));
  date_->setCalendarPopup(true);
  date_->setDateRange(QDate(1, 3, 23), QDate(9999, 12, 31));
  date_->setToolTip(QStringLiteral("作式日付を指定します。"));
  date_->setMinimumWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 28);
  connect(date_, &QDateEdit::dateChanged, this, [this] { Recompute(); });

  time_ = new QLineEdit(date_strip_);
  time_->setObjectName(QStringLiteral("NTime"));
  time_->setInputMask(QString::fromLatin1(kTimeMask));
  time_->setMaxLength(5);
  time_->setFixedWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 8);
  connect(time_, &QLineEdit::textEdited, this, [this] { ChangeRange(range_->currentIndex()); });

  time_up_ = new QToolButton(date_strip_);
  time_up_->setObjectName(QStringLiteral("UpDown1Up"));
  time_up_->setArrowType(Qt::UpArrow);
  time_down_ = new QToolButton(date_strip_);
  time_down_->setObjectName(QStringLiteral("UpDown1Down"));
  time_down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {time_up_, time_down_}) button->setFixedSize(14, 11);
  connect(time_up_, &QToolButton::clicked, this, [this] { StepTime(StepDirection::kForward); });
  connect(time_down_, &QToolButton::clicked, this, [this] { StepTime(StepDirection::kBack); });
  auto* up_down = new QVBoxLayout;
  up_down->setSpacing(0);
  up_down->addWidget(time_up_);
  up_down->addWidget(time_down_);

  menu_button_ = new QToolButton(date_strip_);
  menu_button_->setObjectName(QStringLiteral("MenuBtn"));
  menu_button_->setText(QStringLiteral("▼"));
  menu_button_->setToolTip(QStringLiteral("行運メニューを表示します"));
  connect(menu_button_, &QToolButton::clicked, this,
          [this] { popup_->popup(menu_button_->mapToGlobal(QPoint(0, menu_button_->height()))); });

  ColourFields();

  row->addWidget(range_);
  row->addWidget(date_);
  row->addWidget(time_);
  row->addLayout(up_down);
  row->addStretch(1);
  row->addWidget(menu_button_);
}

void ChartWindow::ShowMomentInFields() {
  const QSignalBlocker block_date(date_);
  date_->setDate(QDateOf(session_.chart_moment()));
  time_->setText(ToQString(session_.chart_moment().TimeText()));
}

void ChartWindow::ChangeRange(int index) {
  const std::optional<LuckRange> range = LuckRangeOf(index);
  if (!range) return;
  session_.SetRange(*range);
  Recompute();
}

void ChartWindow::Recompute() {
  if (time_->text() == QLatin1String(kEmptyTime) || !time_->hasAcceptableInput()) return;
  const std::optional<DateTime> moment = DateTime::ParseDateTimeText(
      (date_->date().toString(QString::fromLatin1(kDateFormat)) + QLatin1Char(' ') + time_->text()).toStdString());
  if (!moment || !session_.SetChartMoment(*moment)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool computed = session_.Compute().ok();
  QApplication::restoreOverrideCursor();
  if (computed) {
    LayOut();
    emit contentChanged();
  }
  UpdateCommandStates();
}

void ChartWindow::Step(StepDirection direction) {
  session_.Step(direction);
  ShowMomentInFields();
  Recompute();
}

void ChartWindow::StepTime(StepDirection direction) {
  session_.StepTwoHours(direction);
  ShowMomentInFields();
  Recompute();
}

void ChartWindow::UpdateCommandStates() {
  const int range = range_->currentIndex();
  date_->setVisible(range >= kFirstRangeWithDate);
  for (QWidget* field : std::initializer_list<QWidget*>{time_, time_up_, time_down_}) {
    field->setVisible(range >= kFirstRangeWithTime);
  }
  menu_now_->setEnabled(range >= kFirstRangeWithDate);
  Command(QStringLiteral("Previous"))->setEnabled(session_.CanStep(StepDirection::kBack));
  Command(QStringLiteral("Next"))->setEnabled(session_.CanStep(StepDirection::kForward));
  Command(QStringLiteral("Original"))->setIconText(show_original_ ? QStringLiteral("×") : QStringLiteral("○"));
  commands_->setVisible(sys_.MnCB);
}

void ChartWindow::LayOut() {
  const Chart& chart = session_.chart();
  board_->ShowChart(chart, LayOutBoard(ChartRowLayoutOf(sys_, show_original_), chart.range,
                                       chart.stem_relations.size(), chart.branch_relations.size()),
                    &session_.content().ten_god_graph.earth_stars, &session_.content().near_term);
  // The window is as wide as the board: the strips give way (the command strip folds its last
  // buttons into its extension menu).
  for (QWidget* strip : std::initializer_list<QWidget*>{commands_, date_strip_}) {
    strip->setMaximumWidth(board_->sizeHint().width());
  }
  adjustSize();
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void ChartWindow::Activate() {
  session_.RefreshContent();
  board_->update();
}

void ChartWindow::ColourFields() {
  const QString field_style = StyleSheetOfField(ColourOf(sys_.CP, PanelColour::kSelection));
  for (QWidget* field : std::initializer_list<QWidget*>{range_, date_, time_}) field->setStyleSheet(field_style);
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
  const QString time = session_.hour_known() ? ToQString(input.time_text) : ToQString(kUnknownBirthTime);
  emit luckRequested(ToQString(input.name), input.sex, ToQString(input.date_text), time);
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
  if (sys.MOnSW) emit memoWordRequested(ToQString(BoardCellText(session_.chart().board, cell)));
  if (!OpensHandChangeMenu(sys, cell, shift)) return;
  const QRect rect = board_->CellRectPx(cell);
  HandChangeMenuFor(cell)->popup(board_->mapToGlobal(rect.bottomLeft() + QPoint(0, 1)));
}

void ChartWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->popup(event->globalPos());
  event->accept();
}

}  // namespace kirvo
