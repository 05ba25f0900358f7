#include "app/luck/combined_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "app/bridge/colour.h"
#include "app/bridge/content_grid_model.h"
#include "app/bridge/dpi.h"
#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/luck/luck_strip_widget.h"
#include "app/widgets/cell_style_delegate.h"
#include "app/widgets/chart_board_widget.h"
#include "app/widgets/content_grid_view.h"
#include "app/widgets/summary_header.h"
#include "calendar/local_clock.h"
#include "platform/interaction.h"
#include "presentation/chart/chart_board_geometry.h"
#include "presentation/chart/chart_board_look.h"
#include "presentation/chart/chart_hand_change.h"
#include "presentation/luck/combined_layout.h"
#include "presentation/luck/season_elements.h"
#include "presentation/shared/grid_csv.h"

namespace kirvo {
namespace {

struct CommandRow {
  CombinedCommand id;
  const char* name;     // the action's object name
  const char* caption;  // the menu's caption
  const char* button;   // the command strip's; empty for a menu entry only
  const char* hint;
  bool checkable;
};

using C = CombinedCommand;

// clang-format off
constexpr std::array<CommandRow, kCombinedCommandCount> kCommands = {{
    {C::kRecompute,    "Recompute",    "再計算＆再表示(&R)",     "再計算", "再計算＆再表示",     false},
    {C::kOriginal,     "Original",     "元干支蔵干表示(&M)",     "○",      "元干支蔵干表示",     false},
    {C::kTextCopy,     "TextCopy",     "命式をTextでｺﾋﾟｰ(&T)",   "ｺﾋﾟｰ",   "命式をTextでｺﾋﾟｰ",   false},
    {C::kPrint,        "Print",        "印刷ﾌﾟﾚﾋﾞｭｰ(&P)",        "印刷",   "印刷ﾌﾟﾚﾋﾞｭｰ",        false},
    {C::kPrintStrips,  "PrintStrips",  "印刷=行運表のみ(&L)",    "行運印刷", "印刷=行運表のみ",  false},
    {C::kCsv,          "Csv",          "行運表のcsv出力(&O)",    "CSV",    "行運表のcsv出力",    false},
    {C::kStripsShown,  "StripsShown",  "行運表の表示(&K)",       "×",      "行運表の表示・非表示", true},
    {C::kContentShown, "ContentShown", "内容表の表示(&C)",       "×",      "内容表の表示・非表示", true},
    {C::kLowerShown,   "LowerShown",   "行運表下段の表示(&U)",   "",       "行運表下段の表示",   true},
    {C::kClose,        "Close",        "閉じる(&C)",             "",       "閉じる",             false},
}};
// clang-format on

// Every row stands at the index of its command, so that a command reaches its action directly.
constexpr bool RowsInCommandOrder() {
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    if (static_cast<std::size_t>(kCommands[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsInCommandOrder(), "the command table is out of the order of CombinedCommand");

QString ShownCaption(bool shown) { return shown ? QStringLiteral("×") : QStringLiteral("○"); }

QToolButton* NewStripButton(QWidget* parent, const char* name, const QString& text, const char* hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setToolTip(QString::fromUtf8(hint));
  button->setAccessibleName(QString::fromUtf8(hint));
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoRaise(false);
  return button;
}

}  // namespace

CombinedWindow::CombinedWindow(CombinedWindowNeeds needs, const QString& caption, CombinedSession session,
                               QWidget* parent)
    : QWidget(parent),
      needs_(needs),
      session_(std::move(session)),
      show_original_(needs.sys.MCB),
      content_shown_(!needs.sys.WpCB),
      strips_shown_(!needs.sys.KSGCB),
      lower_shown_(!needs.sys.KSG2CB) {
  setObjectName(QStringLiteral("MKF"));
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  BuildCommands();
  board_ = new ChartBoardWidget(needs_.sys, this);
  connect(board_, &ChartBoardWidget::cellClicked, this, &CombinedWindow::OnCellClicked);
  content_area_ = BuildContentArea();
  strip_area_ = BuildStripArea();

  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->setSpacing(2);
  top->addWidget(board_, 0, Qt::AlignTop);
  top->addWidget(content_area_, 0, Qt::AlignTop);
  top->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(commands_);
  layout->addLayout(top);
  layout->addWidget(strip_area_);

  ShowContent();
  ShowStrips();
  LayOut();
  UpdateCommandStates();
}

CombinedWindow::~CombinedWindow() = default;


void CombinedWindow::BuildCommands() {
  commands_ = new QToolBar(this);
  commands_->setObjectName(QStringLiteral("MnCB"));
  commands_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("MKPopMenu"));
  auto* spacer = new QWidget(commands_);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  for (const CommandRow& row : kCommands) {
    auto* action = new QAction(QString::fromUtf8(row.caption), this);
    action->setObjectName(QString::fromLatin1(row.name));
    action->setToolTip(QString::fromUtf8(row.hint));
    action->setCheckable(row.checkable);
    actions_[static_cast<std::size_t>(row.id)] = action;
    addAction(action);
    popup_->addAction(action);
    if (*row.button == '\0') continue;
    if (row.id == CombinedCommand::kStripsShown) commands_->addWidget(spacer);
    // The strip shows the button's own caption; the menu keeps the full one.
    auto* button = new QToolButton(commands_);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(QString::fromUtf8(row.button));
    button->setFocusPolicy(Qt::TabFocus);
    button->setObjectName(QStringLiteral("Button") + QString::fromLatin1(row.name));
    connect(action, &QAction::changed, button, [button, text = QString::fromUtf8(row.button), action] {
      if (!action->isCheckable()) button->setText(text);
    });
    buttons_[static_cast<std::size_t>(row.id)] = button;
    commands_->addWidget(button);
  }
  menu_button_ = new QToolButton(commands_);
  menu_button_->setObjectName(QStringLiteral("MenuBtn"));
  menu_button_->setText(QStringLiteral("▼"));
  menu_button_->setToolTip(QStringLiteral("メニューを表示します"));
  menu_button_->setFocusPolicy(Qt::TabFocus);
  connect(menu_button_, &QToolButton::clicked, this,
          [this] { popup_->popup(menu_button_->mapToGlobal(QPoint(0, menu_button_->height()))); });
  commands_->addWidget(menu_button_);

  Command(CombinedCommand::kRecompute)->setShortcut(QKeySequence(QStringLiteral("F5")));
  Command(CombinedCommand::kRecompute)->setShortcutContext(Qt::WidgetWithChildrenShortcut);

  connect(Command(CombinedCommand::kRecompute), &QAction::triggered, this, [this] {
    Recompute();
    RefillStrips();
  });
  connect(Command(CombinedCommand::kOriginal), &QAction::triggered, this, [this] {
    show_original_ = !show_original_;
    LayOut();
    UpdateCommandStates();
  });
  connect(Command(CombinedCommand::kTextCopy), &QAction::triggered, this, &CombinedWindow::CopyText);
  connect(Command(CombinedCommand::kCsv), &QAction::triggered, this, &CombinedWindow::ExportCsv);
  // Both prints are built from the session as it stands; nothing of the window changes for them.
  connect(Command(CombinedCommand::kPrint), &QAction::triggered, this, [this] {
    if (print_preview_) print_preview_(CombinedPrintJob(session_, needs_.sys, PrintView()));
  });
  connect(Command(CombinedCommand::kPrintStrips), &QAction::triggered, this, [this] {
    if (print_preview_) print_preview_(CombinedStripsPrintJob(session_.strips(), needs_.sys, PrintView()));
  });
  connect(Command(CombinedCommand::kContentShown), &QAction::triggered, this, [this] {
    content_shown_ = !content_shown_;
    LayOut();
    UpdateCommandStates();
  });
  connect(Command(CombinedCommand::kStripsShown), &QAction::triggered, this, [this] {
    strips_shown_ = !strips_shown_;
    LayOut();
    UpdateCommandStates();
  });
  connect(Command(CombinedCommand::kLowerShown), &QAction::triggered, this, [this] {
    lower_shown_ = !lower_shown_;
    ShowStrips();
    LayOut();
    UpdateCommandStates();
  });
  connect(Command(CombinedCommand::kClose), &QAction::triggered, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      frame->close();
    } else {
      close();
    }
  });
}

QWidget* CombinedWindow::BuildContentArea() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("ContentArea"));
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  summary_ = new SummaryHeader(needs_.rules, area);
  layout->addWidget(summary_);
  delegate_ = std::make_unique<CellStyleDelegate>();
  snb_model_ = std::make_unique<ContentGridModel>();
  sg2_model_ = std::make_unique<ContentGridModel>();
  snb_view_ = new ContentGridView(*snb_model_, *delegate_, kCombinedContentRowHeight, true, {}, area);
  snb_view_->setObjectName(QStringLiteral("SNB"));
  sg2_view_ = new ContentGridView(*sg2_model_, *delegate_, kCombinedContentRowHeight, true, {}, area);
  sg2_view_->setObjectName(QStringLiteral("SG2"));
  for (ContentGridView* view : {snb_view_, sg2_view_}) {
    layout->addWidget(view);
    connect(view, &ContentGridView::CellPressed, this, [this, view](int column, int row, Qt::MouseButton button) {
      if (button != Qt::LeftButton || column < 0 || row < 0 || !needs_.sys.MOnSW) return;
      const ContentGridModel& model = view == snb_view_ ? *snb_model_ : *sg2_model_;
      emit memoWordRequested(model.TextOf(model.index(row, column)));
    });
  }
  auto* patterns = new QHBoxLayout;
  pattern_ = new QComboBox(area);
  pattern_->setObjectName(QStringLiteral("KCB0"));
  pattern_->setAccessibleName(QStringLiteral("格局"));
  auto* show = new QToolButton(area);
  show->setObjectName(QStringLiteral("KakuBtn"));
  show->setText(QStringLiteral(">>"));
  show->setToolTip(QStringLiteral("格局の内容表示"));
  show->setFocusPolicy(Qt::StrongFocus);
  patterns->addWidget(pattern_, 1);
  patterns->addWidget(show);
  layout->addLayout(patterns);
  layout->addStretch(1);
  connect(pattern_, &QComboBox::activated, this, [this](int entry) {
    emit patternChosen(entry, true);
    pattern_->setToolTip(pattern_->currentText());
  });
  connect(show, &QToolButton::clicked, this, [this] { emit patternChosen(pattern_->currentIndex(), false); });
  area->setFixedWidth(ScaledPx(*this, kCombinedContentWidth));
  return area;
}

QWidget* CombinedWindow::BuildStripArea() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("StripArea"));
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 2, 0, 0);
  layout->setSpacing(1);
  auto* bar = new QHBoxLayout;
  bar->setSpacing(2);
  level_ = new QComboBox(area);
  level_->setObjectName(QStringLiteral("KCB"));
  level_->setAccessibleName(QStringLiteral("行運表の運"));
  for (const std::string_view item : kStripLevelItems) level_->addItem(ToQString(item));
  upper_date_ = new QLabel(area);
  upper_date_->setObjectName(QStringLiteral("NDateL"));
  upper_date_->setToolTip(QStringLiteral("上段年月"));
  lower_caption_ = new QLabel(area);
  lower_caption_->setObjectName(QStringLiteral("KSG2L"));
  lower_date_ = new QLabel(area);
  lower_date_->setObjectName(QStringLiteral("NDate2L"));
  lower_date_->setToolTip(QStringLiteral("下段年月"));
  // The latest periods stand at the left: "次へ" points left.
  QToolButton* upper_later = NewStripButton(area, "UpperLater", QStringLiteral("◀"), "(上段)次へ");
  QToolButton* upper_earlier = NewStripButton(area, "UpperEarlier", QStringLiteral("▶"), "(上段)前へ");
  QToolButton* now = NewStripButton(area, "Now", QStringLiteral("現在"), "現在の年月日");
  QToolButton* lower_later = NewStripButton(area, "LowerLater", QStringLiteral("◀"), "(下段)次へ");
  QToolButton* lower_earlier = NewStripButton(area, "LowerEarlier", QStringLiteral("▶"), "(下段)前へ");
  step_buttons_ = {upper_later, upper_earlier, now, lower_later, lower_earlier};
  for (QWidget* control : std::initializer_list<QWidget*>{level_, upper_later, upper_date_, upper_earlier, now,
                                                          lower_caption_, lower_later, lower_date_, lower_earlier}) {
    bar->addWidget(control);
  }
  bar->addStretch(1);
  layout->addLayout(bar);
  upper_ = new LuckStripWidget(needs_.sys, area);
  upper_->setObjectName(QStringLiteral("KSG"));
  lower_ = new LuckStripWidget(needs_.sys, area);
  lower_->setObjectName(QStringLiteral("KSG2"));
  layout->addWidget(upper_);
  layout->addWidget(lower_);

  connect(level_, &QComboBox::activated, this, [this](int item) {
    session_.SetLevelItem(item, LocalClockNow());
    ShowStrips();
    LayOut();
  });
  connect(upper_later, &QToolButton::clicked, this, [this] { Step(StripSide::kUpper, StripStep::kLater); });
  connect(upper_earlier, &QToolButton::clicked, this, [this] { Step(StripSide::kUpper, StripStep::kEarlier); });
  connect(lower_later, &QToolButton::clicked, this, [this] { Step(StripSide::kLower, StripStep::kLater); });
  connect(lower_earlier, &QToolButton::clicked, this, [this] { Step(StripSide::kLower, StripStep::kEarlier); });
  connect(now, &QToolButton::clicked, this, [this] {
    const DateTime clock = LocalClockNow();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status computed = session_.Now(clock, clock);
    QApplication::restoreOverrideCursor();
    if (!computed) needs_.interaction.ShowMessage(MessageKind::kWarning, computed.error());
    ShowContent();
    ShowStrips();
    LayOut();
    emit contentChanged();
  });
  connect(upper_, &LuckStripWidget::scrolled, this, [this](int first) { session_.ScrollTo(StripSide::kUpper, first); });
  connect(lower_, &LuckStripWidget::scrolled, this, [this](int first) { session_.ScrollTo(StripSide::kLower, first); });
  for (LuckStripWidget* strip : {upper_, lower_}) {
    connect(strip, &LuckStripWidget::cellClicked, this, [this](const QString& text) {
      if (needs_.sys.MOnSW) emit memoWordRequested(text);
    });
  }
  return area;
}

void CombinedWindow::Recompute() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status computed = session_.Recompute();
  QApplication::restoreOverrideCursor();
  if (!computed) {
    needs_.interaction.Beep();
    needs_.interaction.ShowMessage(MessageKind::kWarning, computed.error());
    return;
  }
  ShowContent();
  LayOut();
  emit contentChanged();
}

void CombinedWindow::RefillStrips() {
  session_.FillStrips(LocalClockNow());
  ShowStrips();
  LayOut();
}

void CombinedWindow::Step(StripSide side, StripStep step) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status computed = session_.Step(side, step, LocalClockNow());
  QApplication::restoreOverrideCursor();
  if (!computed) {
    needs_.interaction.Beep();
    needs_.interaction.ShowMessage(MessageKind::kWarning, computed.error());
  }
  ShowContent();
  ShowStrips();
  LayOut();
  emit contentChanged();
}

void CombinedWindow::ShowStrips() {
  const LuckStrips& strips = session_.strips();
  const StartOfLuckUnit unit = needs_.rules.read.start_of_luck_unit;
  const int shown = strips.shown();
  level_->setCurrentIndex(strips.level_item());
  upper_->ShowStrip(&strips.upper(), StripRowLabels(strips.upper_level(), unit), shown);
  lower_->ShowStrip(&strips.lower(), StripRowLabels(strips.lower_level(), unit), shown);
  upper_date_->setText(ToQString(strips.UpperDateCaption()));
  lower_caption_->setText(ToQString(strips.LowerCaption()));
  lower_date_->setText(ToQString(strips.LowerDateCaption()));
  const bool lower_hidden = needs_.sys.KSG2CB || !lower_shown_;
  const StripControls controls = strips.Controls(lower_hidden);
  StripButton(StepButton::kUpperLater)->setVisible(controls.upper_steps);
  StripButton(StepButton::kUpperEarlier)->setVisible(controls.upper_steps);
  upper_date_->setVisible(controls.upper_date);
  lower_date_->setVisible(controls.lower_date);
  StripButton(StepButton::kLowerLater)->setVisible(controls.lower_steps);
  StripButton(StepButton::kLowerEarlier)->setVisible(controls.lower_steps);
  lower_caption_->setVisible(!lower_hidden);
  lower_->setVisible(!lower_hidden);
}

void CombinedWindow::ShowContent() {
  const ChartSession& chart = session_.chart();
  const ChartContent& content = chart.content();
  summary_->SetSummary(content.summary, chart.chart().record, content.near_term);
  snb_model_->SetGrid(CombinedContentTable(content.SNB, needs_.sys));
  sg2_model_->SetGrid(CombinedElementTable(content.SG2));
  snb_view_->UpdateLayout();
  sg2_view_->UpdateLayout();
  const QSignalBlocker quiet(pattern_);
  pattern_->clear();
  for (const std::string& name : content.selectors.entries) pattern_->addItem(ToQString(name));
  pattern_->setCurrentIndex(content.selectors.shown[0]);
  pattern_->setToolTip(pattern_->currentText());
}

void CombinedWindow::LayOut() {
  const Chart& chart = session_.chart().chart();
  // With `SzCB` the board shows the season elements in the natal hidden-stem rows.
  if (needs_.sys.SzCB) shown_chart_ = WithSeasonElements(chart, needs_.sys);
  board_->ShowChart(needs_.sys.SzCB ? shown_chart_ : chart,
                    LayOutBoard(CombinedRowLayoutOf(needs_.sys, show_original_), LuckRange::kNatalOnly,
                                chart.stem_relations.size(), chart.branch_relations.size()),
                    &session_.chart().content().ten_god_graph.earth_stars, &session_.chart().content().near_term);
  content_area_->setVisible(content_shown_);
  strip_area_->setVisible(strips_shown_);
  adjustSize();
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void CombinedWindow::SetPrintPreview(PrintPreviewRequest request) {
  print_preview_ = std::move(request);
  UpdateCommandStates();
}

CombinedPrintView CombinedWindow::PrintView() const {
  return {ToUtf8(windowTitle()), show_original_, !needs_.sys.KSG2CB && lower_shown_,
          needs_.rules.read.start_of_luck_unit};
}

void CombinedWindow::UpdateCommandStates() {
  commands_->setVisible(needs_.sys.MnCB);
  Command(CombinedCommand::kPrint)->setEnabled(static_cast<bool>(print_preview_));
  Command(CombinedCommand::kPrintStrips)->setEnabled(static_cast<bool>(print_preview_));
  Command(CombinedCommand::kContentShown)->setChecked(content_shown_);
  Command(CombinedCommand::kStripsShown)->setChecked(strips_shown_);
  Command(CombinedCommand::kLowerShown)->setChecked(lower_shown_);
  Command(CombinedCommand::kLowerShown)->setEnabled(!needs_.sys.KSG2CB);
  const auto caption = [this](CombinedCommand command, const QString& text) {
    if (QToolButton* button = buttons_[static_cast<std::size_t>(command)]) button->setText(text);
  };
  caption(C::kContentShown, ShownCaption(content_shown_));
  caption(C::kStripsShown, ShownCaption(strips_shown_));
  caption(C::kOriginal, show_original_ ? QStringLiteral("×") : QStringLiteral("○"));
}

void CombinedWindow::Activate() {
  session_.chart().RefreshContent();
  ShowContent();
  board_->update();
}

void CombinedWindow::FollowSettings() {
  Recompute();
  RefillStrips();
  UpdateCommandStates();
}

void CombinedWindow::CopyText() {
  const ChartSession& chart = session_.chart();
  QStringList lines;
  for (const std::string& line : CombinedTextCopy(chart.chart(), CombinedRowLayoutOf(needs_.sys, show_original_),
                                                  chart.content().summary.RituNL)) {
    lines << ToQString(line);
  }
  if (chart.content().near_term) lines << ToQString(chart.content().near_term->copy_line);
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void CombinedWindow::ExportCsv() {
  const QString path = needs_.choose_csv_file ? needs_.choose_csv_file() : QString();
  if (path.isEmpty()) return;
  const Status written = WriteGridCsv(PathOf(path), session_.strips().CsvRows());
  if (!written) needs_.interaction.ShowMessage(MessageKind::kError, written.error());
}

QMenu* CombinedWindow::HandChangeMenuFor(BoardPosition cell) {
  delete hand_change_menu_;
  hand_change_menu_ = new QMenu(this);
  hand_change_menu_->setObjectName(QStringLiteral("HandChangeMenu"));
  for (const HandChangeEntry& entry : HandChangeMenu(session_.chart().chart().board, cell)) {
    QAction* action = hand_change_menu_->addAction(ToQString(entry.caption));
    action->setEnabled(entry.enabled);
    connect(action, &QAction::triggered, this, [this, cell, change = entry.change] {
      if (!session_.chart().ChangeByHand(cell, change)) return;
      ShowContent();
      LayOut();
      emit contentChanged();
    });
  }
  return hand_change_menu_;
}

void CombinedWindow::OnCellClicked(BoardPosition cell, bool shift) {
  if (needs_.sys.MOnSW) emit memoWordRequested(ToQString(BoardCellText(session_.chart().chart(), cell)));
  if (!OpensHandChangeMenu(needs_.sys, cell, shift)) return;
  const QRect rect = board_->CellRectPx(cell);
  HandChangeMenuFor(cell)->popup(board_->mapToGlobal(rect.bottomLeft() + QPoint(0, 1)));
}

void CombinedWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->popup(event->globalPos());
  event->accept();
}

}  // namespace kirvo
