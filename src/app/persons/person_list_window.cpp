#include "app/persons/person_list_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/bridge/colour.h"
#include "app/bridge/path.h"
#include "app/bridge/table_print_layout.h"
#include "app/bridge/text.h"
#include "calendar/local_clock.h"
#include "app/persons/file_dialogs.h"
#include "app/jobs/background_job.h"
#include "app/persons/person_table_model.h"
#include "app/widgets/moment_strip.h"
#include "presentation/shared/grid_csv.h"
#include "presentation/persons/person_list_view.h"
#include "presentation/persons/person_summary_job.h"
#include "settings/sys_chart_moment.h"

namespace kirvo {
namespace {

constexpr int kMinimumWidth = 600, kMinimumHeight = 400;
}  // namespace

PersonListWindow::PersonListWindow(PersonListNeeds needs, PersonListFile& file, QWidget* parent)
    : QWidget(parent, Qt::Window), needs_(std::move(needs)), file_(file) {
  setObjectName(QStringLiteral("NListF"));
  setWindowTitle(QStringLiteral("入力データ一覧"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  model_ = new PersonTableModel(file_.list(), needs_.sys, this);

  job_ = new BackgroundJob(this);
  connect(job_, &BackgroundJob::finished, this, &PersonListWindow::FinishGenerating);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildProgressRow());
  layout->addWidget(BuildHeader());
  layout->addWidget(BuildMomentRow());

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("NSG"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  table_->verticalHeader()->setSectionsMovable(true);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  table_->horizontalHeader()->setSectionsClickable(true);
  table_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(table_, 1);
  layout->addWidget(BuildBottom());
  BuildContextMenu();

  connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) { SortByColumn(column); });
  connect(table_->horizontalHeader(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const int column = table_->horizontalHeader()->logicalIndexAt(at);
    if (column <= 0) return;
    const std::string question = HideColumnQuestion(kPersonListHeaders[static_cast<std::size_t>(column)]);
    if (needs_.interaction.AskYesNo(question)) table_->setColumnHidden(column, true);
  });
  connect(table_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ShowMenu(table_->viewport()->mapToGlobal(at)); });
  connect(table_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    constexpr ChartWindowKind kByChoice[] = {ChartWindowKind::kCombined, ChartWindowKind::kChart,
                                             ChartWindowKind::kLuck};
    const int choice = needs_.sys.WmRG;
    OpenRow(index.row(), kByChoice[choice >= 0 && choice <= 2 ? choice : 1]);
  });
  // A dragged row moves in the list itself; the view shows the list in its order again.
  connect(table_->verticalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
    QHeaderView* rows = table_->verticalHeader();
    const QSignalBlocker blocker(rows);
    rows->moveSection(to, from);
    file_.list().MoveRow(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    Reload();
    SelectRow(static_cast<std::size_t>(to));
    emit listChanged();
  });

  moment_.SetToNow(needs_.sys, std::nullopt, LocalClockNow());
  moment_strip_->ShowModel();
  RefreshPillarBox();
  RefreshCount();
}

QWidget* PersonListWindow::BuildHeader() {
  auto* header = new QWidget(this);
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);

  auto* order = new QGroupBox(QStringLiteral("ソート"), header);
  order->setObjectName(QStringLiteral("RG1"));
  order->setToolTip(QStringLiteral("各項目の最上部をクリックした際のソート順を指定します"));
  auto* order_layout = new QVBoxLayout(order);
  auto* ascending = new QRadioButton(QStringLiteral("昇順"), order);
  descending_ = new QRadioButton(QStringLiteral("降順"), order);
  ascending->setChecked(true);
  order_layout->addWidget(ascending);
  order_layout->addWidget(descending_);
  row->addWidget(order);

  auto* search_box = new QWidget(header);
  auto* search_layout = new QVBoxLayout(search_box);
  search_layout->setContentsMargins(0, 0, 0, 0);
  search_column_ = new QComboBox(search_box);
  search_column_->setObjectName(QStringLiteral("SCB"));
  // The cells past the listed items have no heading and are never searched.
  for (const std::string_view text : kPersonListHeaders) {
    if (!text.empty()) search_column_->addItem(ToQString(text));
  }
  search_text_ = new QLineEdit(search_box);
  search_text_->setObjectName(QStringLiteral("Edit1"));
  search_text_->setToolTip(QStringLiteral("検索文字列の入力"));
  auto* buttons = new QHBoxLayout;
  auto* find = new QPushButton(QStringLiteral("検索"), search_box);
  auto* next = new QPushButton(QStringLiteral("次"), search_box);
  find->setObjectName(QStringLiteral("SrcBtn"));
  next->setObjectName(QStringLiteral("NextBtn"));
  buttons->addWidget(search_text_);
  buttons->addWidget(find);
  buttons->addWidget(next);
  search_layout->addWidget(search_column_);
  search_layout->addLayout(buttons);
  row->addWidget(search_box, 1);
  connect(find, &QPushButton::clicked, this, &PersonListWindow::Search);
  connect(next, &QPushButton::clicked, this, &PersonListWindow::SearchNext);

  auto* mode = new QGroupBox(QStringLiteral("検索方法"), header);
  mode->setObjectName(QStringLiteral("RG2"));
  auto* mode_layout = new QVBoxLayout(mode);
  exact_ = new QRadioButton(QStringLiteral("完全検索"), mode);
  auto* partial = new QRadioButton(QStringLiteral("部分検索"), mode);
  partial->setChecked(true);
  mode_layout->addWidget(exact_);
  mode_layout->addWidget(partial);
  row->addWidget(mode);

  pillar_box_ = new QLabel(header);
  pillar_box_->setObjectName(QStringLiteral("PillarBox"));
  pillar_box_->setFrameShape(QFrame::Box);
  row->addWidget(pillar_box_);

  generate_ = new QPushButton(QStringLiteral("命式データ生成"), header);
  generate_->setObjectName(QStringLiteral("CreBtn"));
  connect(generate_, &QPushButton::clicked, this, &PersonListWindow::GenerateSummaries);
  row->addWidget(generate_);
  count_ = new QLabel(header);
  count_->setObjectName(QStringLiteral("CountLabel"));
  row->addWidget(count_);
  return header;
}

QWidget* PersonListWindow::BuildProgressRow() {
  progress_row_ = new QWidget(this);
  auto* row = new QHBoxLayout(progress_row_);
  row->setContentsMargins(0, 0, 0, 0);
  progress_ = new QProgressBar(progress_row_);
  progress_->setRange(0, 100);
  row->addWidget(progress_, 1);
  auto* stop = new QPushButton(QStringLiteral("中断"), progress_row_);
  stop->setObjectName(QStringLiteral("StopBtn"));
  stop->setToolTip(QStringLiteral("命式データ生成を中断します"));
  row->addWidget(stop);
  connect(stop, &QPushButton::clicked, this, &PersonListWindow::StopGenerating);
  connect(job_, &BackgroundJob::progressed, progress_, &QProgressBar::setValue);
  progress_row_->hide();
  return progress_row_;
}

QWidget* PersonListWindow::BuildMomentRow() {
  moment_strip_ = new MomentStrip(moment_, MomentStripLook::kCaptioned, this);
  connect(moment_strip_, &MomentStrip::entryEdited, this, &PersonListWindow::RefreshPillarBox);
  connect(moment_strip_, &MomentStrip::timeStepped, this, &PersonListWindow::RefreshPillarBox);
  connect(moment_strip_, &MomentStrip::nowRequested, this, [this] {
    moment_.SetToNow(needs_.sys, std::nullopt, LocalClockNow());
    moment_strip_->ShowModel();
    RefreshPillarBox();
  });
  return moment_strip_;
}

QWidget* PersonListWindow::BuildBottom() {
  auto* bottom = new QWidget(this);
  auto* row = new QHBoxLayout(bottom);
  row->setContentsMargins(0, 0, 0, 0);
  const auto button = [&](const char* name, const QString& text, const QString& hint) {
    auto* control = new QPushButton(text, bottom);
    control->setObjectName(QString::fromLatin1(name));
    control->setToolTip(hint);
    row->addWidget(control);
    return control;
  };
  auto* menu_button = button("MenuBtn", QStringLiteral("▼"), QStringLiteral("右クリックメニューを表示します"));
  connect(menu_button, &QPushButton::clicked, this,
          [this, menu_button] { ShowMenu(menu_button->mapToGlobal(QPoint(0, menu_button->height()))); });
  print_button_ = button("PrevBtn", QStringLiteral("印刷"), QStringLiteral("印刷プレビュー"));
  print_button_->setEnabled(false);
  connect(print_button_, &QPushButton::clicked, this, &PersonListWindow::PrintPreview);
  connect(button("CsvBtn", QStringLiteral("CSV"), QStringLiteral("一覧の内容を書込")), &QPushButton::clicked, this,
          &PersonListWindow::ExportCsv);
  row->addStretch(1);
  connect(button("OKBtn", QStringLiteral("OK"), QString()), &QPushButton::clicked, this, &QWidget::hide);
  connect(button("HelpBtn", QStringLiteral("ヘルプ"), QString()), &QPushButton::clicked, this,
          [this] { needs_.show_help(HelpTopic::kPersonList); });
  return bottom;
}

void PersonListWindow::BuildContextMenu() {
  menu_ = new QMenu(this);
  const auto item = [this](const char* text, auto slot) {
    QAction* action = menu_->addAction(QString::fromUtf8(text));
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  item("命行の表示(&N)", [this] { OpenRow(CurrentRow(), ChartWindowKind::kCombined); });
  item("命式の表示(&M)", [this] { OpenRow(CurrentRow(), ChartWindowKind::kChart); });
  item("行運の表示(&K)", [this] { OpenRow(CurrentRow(), ChartWindowKind::kLuck); });
  item("表のcsv出力(&O)", [this] { ExportCsv(); });
  print_item_ = item("印刷ﾌﾟﾚﾋﾞｭｰ(&P)", [this] { PrintPreview(); });
  print_item_->setEnabled(false);
  item("行削除(&D)", [this] { DeleteCurrentRow(); });
}

void PersonListWindow::ShowMenu(const QPoint& global) { menu_->popup(global); }

void PersonListWindow::Reload() {
  model_->Reload(file_.list());
  ApplyColumnWidths();
  RefreshCount();
}

void PersonListWindow::RefreshCount() { count_->setText(ToQString(file_.list().CountText())); }

void PersonListWindow::SetChartMoment(DateTime moment) {
  moment_.SetMoment(moment);
  moment_strip_->ShowModel();
  RefreshPillarBox();
}

void PersonListWindow::RefreshPillarBox() {
  if (!moment_strip_->EntryComplete()) {
    pillar_box_->clear();
    return;
  }
  const ChartRules rules = needs_.rules();
  const PillarBox box = PillarBoxOf(moment_.moment(), rules);
  QString html = QStringLiteral("<table cellspacing=2><tr>");
  for (const char* label : {"時", "日", "月", "年"})
    html += QStringLiteral("<td align=center>%1</td>").arg(QString::fromUtf8(label));
  html += QStringLiteral("</tr><tr>");
  for (const std::string& stem : box.stems)
    html += QStringLiteral("<td align=center><b>%1</b></td>").arg(ToQString(stem));
  html += QStringLiteral("</tr><tr>");
  for (const std::string& branch : box.branches) {
    html += QStringLiteral("<td align=center><b>%1</b></td>").arg(ToQString(branch));
  }
  pillar_box_->setText(html + QStringLiteral("</tr></table>"));
}

void PersonListWindow::GenerateSummaries() {
  if (job_->running()) return;
  // The job works on its own copies: the table may show, sort and edit the list, and the settings
  // may be committed anew, while it runs.
  const ChartRules live = needs_.rules();
  auto job = std::make_shared<PersonSummaryJob>(file_.list(), moment_.moment(), moment_.range(),
                                                ProgramSettings{live.usys, live.sys});
  generation_ = job;
  progress_->setValue(0);
  progress_row_->show();
  generate_->setEnabled(false);
  job_->Start([job](JobControl& control) { return job->Run(control); });
}

void PersonListWindow::StopGenerating() { job_->Cancel(); }

bool PersonListWindow::Generating() const { return job_->running(); }

void PersonListWindow::FinishGenerating(bool completed) {
  const std::shared_ptr<PersonSummaryJob> job = std::move(generation_);
  progress_row_->hide();
  generate_->setEnabled(true);
  if (!completed) return;
  job->ApplyTo(file_.list());
  Reload();
  RefreshPillarBox();
}

bool PersonListWindow::SortByColumn(int column) {
  if (column < 0 || column >= static_cast<int>(kPersonCellCount)) return false;
  const std::string question = SortQuestion(kPersonListHeaders[static_cast<std::size_t>(column)]);
  if (!needs_.interaction.AskYesNo(question)) return false;
  file_.list().Sort(static_cast<std::size_t>(column), descending_->isChecked());
  Reload();
  return true;
}

void PersonListWindow::Search() { SearchWith(false); }
void PersonListWindow::SearchNext() { SearchWith(true); }

void PersonListWindow::SearchWith(bool next) {
  const auto column = static_cast<std::size_t>(std::max(0, search_column_->currentIndex()));
  const std::string text = ToUtf8(search_text_->text());
  const SearchMode mode = exact_->isChecked() ? SearchMode::kExact : SearchMode::kPartial;
  const std::optional<std::size_t> found =
      next ? search_.Next(file_.list(), column, text, mode) : search_.First(file_.list(), column, text, mode);
  if (found) {
    SelectRow(*found);
    return;
  }
  needs_.interaction.Beep();
  needs_.interaction.ShowMessage(MessageKind::kInformation, SearchMissText(text));
}

void PersonListWindow::SelectRow(std::size_t row) {
  const QModelIndex index = model_->index(static_cast<int>(row), 0);
  table_->setCurrentIndex(index);
  table_->selectRow(static_cast<int>(row));
  table_->scrollTo(index);
}

int PersonListWindow::CurrentRow() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void PersonListWindow::DeleteCurrentRow() {
  const int row = CurrentRow();
  if (row < 0 || row >= static_cast<int>(file_.list().size())) return;
  file_.list().DeleteRow(static_cast<std::size_t>(row));
  Reload();
  emit listChanged();
}

void PersonListWindow::ExportCsv() {
  if (!choose_save_file_) return;  // no dialog given: nowhere to write
  const QString path =
      choose_save_file_(this, QStringLiteral("表のcsv出力"), QtFileFilter(kCsvFileFilter), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status written = WriteGridCsv(PathOf(path), PersonListTable(file_.list()));
  QApplication::restoreOverrideCursor();
  ShowFailure(written, needs_.interaction);
}

void PersonListWindow::SetPrintPreview(PrintPreviewRequest request) {
  print_preview_ = std::move(request);
  print_button_->setEnabled(static_cast<bool>(print_preview_));
  print_item_->setEnabled(static_cast<bool>(print_preview_));
}

void PersonListWindow::PrintPreview() {
  if (!print_preview_) return;
  print_preview_(PersonListPrintJob(file_.list(), needs_.sys, ToUtf8(windowTitle()),
                                    ListLayoutOf(*table_, true, needs_.sys.SysFont.size_points)));
}

void PersonListWindow::OpenRow(int row, ChartWindowKind kind) {
  if (row < 0 || row >= static_cast<int>(file_.list().size())) return;
  const RowEntry entry = RowEntryOf(file_.list().row(static_cast<std::size_t>(row)));
  emit openRequested(EntryFields{entry.name, entry.sex, entry.date, entry.time}, kind);
}

void PersonListWindow::ApplyColumnWidths() {
  // The selected row takes the selection colour of the system settings.
  const Rgb selection = ColourOf(needs_.sys.CP, PanelColour::kSelection);
  QPalette palette = table_->palette();
  palette.setColor(QPalette::Highlight, ToQColor(selection));
  palette.setColor(QPalette::HighlightedText, ToQColor(ContrastTextColour(selection)));
  table_->setPalette(palette);
  const std::vector<int> widths = PersonColumnWidths(needs_.sys.SysFont.size_points, needs_.sys.NCG);
  for (std::size_t column = 0; column < widths.size(); ++column) {
    const int section = static_cast<int>(column);
    table_->setColumnHidden(section, widths[column] == 0);
    // The heading's width is the least; a longer value widens its column instead of being cut.
    if (widths[column] > 0) {
      table_->setColumnWidth(section, std::max({widths[column], static_cast<QAbstractItemView*>(table_)->sizeHintForColumn(section),
                                                table_->horizontalHeader()->sectionSizeHint(section)}));
    }
  }
}

void PersonListWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ApplyColumnWidths();
}

void PersonListWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyColumnWidths();
}

void PersonListWindow::closeEvent(QCloseEvent* event) {
  // The window lives as long as the program; closing hides it.
  event->ignore();
  hide();
}

}  // namespace kirvo
