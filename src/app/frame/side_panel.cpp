#include "app/frame/side_panel.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/bridge/dpi.h"
#include "app/bridge/fonts.h"
#include "app/chart/chart_graph_widget.h"
#include "app/widgets/content_grid_view.h"
#include "app/widgets/explanation_area.h"
#include "app/widgets/painting.h"
#include "app/widgets/summary_header.h"
#include "presentation/panel/chart_content_graphs.h"
#include "settings/sys_settings.h"
#include "settings/usys_settings.h"

namespace kirvo {
namespace {

constexpr int kMinimumWidthPx = 276;
constexpr int kGridRowPx = 17;
// The graphs' height: the radar's radius follows it, and at 90 its right-hand labels still end
// inside a graph 140 pixels wide, as the panel gives it in the main window's dock.
constexpr int kGraphHeightPx = 90;
constexpr std::string_view kInitialHeader = "命式内容";
// The content table's columns (label, number, label, elements, label, value) are as wide as their
// longest texts: "日干支併臨" in the small font, "天地徳合", "● 癸酉".
const std::vector<int> kContentTableWidthsPx = {42, 40, 56, 46, 50, 46};

std::size_t IndexOf(ContentSection section) { return static_cast<std::size_t>(section); }

}  // namespace

SidePanel::SidePanel(const ChartRules& rules, const ContentBranding& branding, ExplanationSource& explanations,
                     QWidget* parent)
    : QWidget(parent),
      rules_(rules),
      branding_(branding),
      texts_(explanations),
      content_(NewChartContent(rules, branding)),
      graph_mode_(ElementGraphModeOf(rules.usys.Choice<USysChoice::RRG>())) {
  setObjectName(QStringLiteral("MeiWin"));
  setWindowTitle(QStringLiteral("命式内容"));
  setMinimumWidth(ScaledPx(*this, kMinimumWidthPx));

  snb_model_.SetHintLookup(
      [this](std::size_t column, std::size_t row) { return ContentTableHint(content_, column, row); });
  snb_model_.SetGrid(content_.SNB);
  sg2_model_.SetGrid(content_.SG2);
  kan_model_.SetGrid(content_.KanSG);
  sin_model_.SetGrid(content_.SinSG);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  header_ = new QLabel(this);
  header_->setObjectName(QStringLiteral("HeaderBar"));
  header_->setFrameShape(QFrame::Panel);
  header_->setFrameShadow(QFrame::Sunken);
  header_->setTextInteractionFlags(Qt::NoTextInteraction);
  layout->addWidget(header_);

  summary_ = new SummaryHeader(rules_, this);
  layout->addWidget(summary_);

  snb_view_ = new ContentGridView(snb_model_, delegate_, kGridRowPx, true, kContentTableWidthsPx, this);
  snb_view_->setObjectName(QStringLiteral("SNB"));
  snb_view_->setMouseTracking(true);
  layout->addWidget(snb_view_);

  graphs_ = BuildGraphArea();
  layout->addWidget(graphs_);

  sg2_view_ = new ContentGridView(sg2_model_, delegate_, kGridRowPx, true, {}, this);
  sg2_view_->setObjectName(QStringLiteral("SG2"));
  layout->addWidget(sg2_view_);

  kan_view_ = new ContentGridView(kan_model_, delegate_, kGridRowPx, true, {}, this);
  kan_view_->setObjectName(QStringLiteral("KanSG"));
  layout->addWidget(kan_view_);

  explanations_ = new ExplanationArea(sin_model_, delegate_, this);
  layout->addWidget(explanations_, 1);

  connect(snb_view_, &ContentGridView::CellPressed, this, [this](int column, int row, Qt::MouseButton button) {
    OnGridPressed(CopyableGrid::kContentTable, column, row, button);
  });
  connect(sg2_view_, &ContentGridView::CellPressed, this, [this](int column, int row, Qt::MouseButton button) {
    OnGridPressed(CopyableGrid::kElementTable, column, row, button);
  });
  connect(kan_view_, &ContentGridView::CellPressed, this, [this](int column, int row, Qt::MouseButton button) {
    OnGridPressed(CopyableGrid::kStemNumbers, column, row, button);
  });
  connect(explanations_, &ExplanationArea::PatternChosen, this, &SidePanel::OnPatternChosen);

  BuildActions();
  ApplySystemSettings();
  SetContent(content_);
}

SidePanel::~SidePanel() = default;

QWidget* SidePanel::BuildGraphArea() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("GraphArea"));
  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  // The ten-god graph and the five-element graph, each half the width.
  ten_god_graph_ = new ChartGraphWidget(GraphKind::kRadar, area);
  ten_god_graph_->setObjectName(QStringLiteral("HChart"));
  element_graph_ = new ChartGraphWidget(GraphKind::kCircle, area);
  element_graph_->setObjectName(QStringLiteral("GChart"));
  for (ChartGraphWidget* graph : {ten_god_graph_, element_graph_}) {
    graph->installEventFilter(this);
    row->addWidget(graph, 1);
  }
  connect(element_graph_, &ChartGraphWidget::Clicked, this, [this] {
    graph_mode_ = Toggled(graph_mode_);
    ShowGraphs();
  });
  // The hint shows as a tooltip and, inside the main window, in its status bar.
  const QString mode_hint = QStringLiteral("クリックで構成と力量が切り替わります");
  element_graph_->setToolTip(mode_hint);
  element_graph_->setStatusTip(mode_hint);
  area->setFixedHeight(ScaledPx(*this, kGraphHeightPx));
  return area;
}

void SidePanel::BuildActions() {
  for (std::size_t section = 0; section < section_actions_.size(); ++section) {
    auto* action = new QAction(QString::fromUtf8(kContentSectionNames[section].data(),
                                                 static_cast<qsizetype>(kContentSectionNames[section].size())),
                               this);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, section] {
      ToggleSection(content_, static_cast<ContentSection>(section));
      ShowSections();
      emit SectionsChanged();
    });
    section_actions_[section] = action;
  }
  copy_action_ = new QAction(QStringLiteral("表をTextでコピー(&C)"), this);
  copy_action_->setVisible(false);
  connect(copy_action_, &QAction::triggered, this, &SidePanel::CopyGridText);
}

void SidePanel::SetContent(const ChartContent& content) {
  // What the panel keeps of its own across charts.
  const std::array<bool, 5> sections = content_.sections_shown;
  const bool offered = content_.copy_offered;
  const CopyableGrid target = content_.copy_target;
  if (&content != &content_) content_ = content;
  content_.sections_shown = sections;
  content_.copy_offered = offered;
  content_.copy_target = target;

  header_->setText(QString::fromStdString(content_.header.empty() ? std::string(kInitialHeader) : content_.header));
  summary_->SetSummary(content_.summary, content_.record, content_.near_term);
  ShowGrids();
  ShowGraphs();
  explanations_->ShowExplanations(content_);
}

void SidePanel::ShowGrids() {
  snb_model_.SetGrid(content_.SNB);
  sg2_model_.SetGrid(content_.SG2);
  kan_model_.SetGrid(content_.KanSG);
  sin_model_.SetGrid(content_.SinSG);
}

void SidePanel::ApplySystemSettings() {
  const SysSettings& sys = rules_.sys;
  delegate_.SetFewestGradientSteps(sys.GCB);
  const QFont grid_font = QFontOf(sys.SysFont);
  setFont(grid_font);
  header_->setFont(grid_font);
  for (ContentGridView* view : {snb_view_, sg2_view_, kan_view_}) view->setFont(grid_font);
  explanations_->SetGridFont(grid_font);
  explanations_->SetTextFont(sys.SetuFont);
  summary_->ApplySystemSettings();

  // The sections `MCG` shows, as a freshly built panel has them; the styles for the colours now set.
  const ChartContent fresh = NewChartContent(rules_, branding_);
  content_.sections_shown = fresh.sections_shown;
  StyleContentTable(content_.SNB, sys, branding_);
  StyleElementTable(content_.SG2, sys, rules_.usys.Choice<USysChoice::RRG>());
  StyleStemNumberTable(content_.KanSG, sys);
  StyleSpiritStarTable(content_.SinSG, sys);
  ShowGrids();
  ShowGraphs();
  ShowSections();
  for (ContentGridView* view : {snb_view_, sg2_view_, kan_view_}) view->UpdateLayout();
  explanations_->SpiritStarGrid()->UpdateLayout();
  emit SectionsChanged();
}

void SidePanel::ShowGraphs() {
  if (graphs_held_) return;
  const ContentGraphs graphs = ContentGraphsOf(content_, graph_mode_, rules_.sys);
  ten_god_graph_->SetComponent(graphs.ten_gods);
  ten_god_graph_->setToolTip(QString::fromStdString(graphs.ten_god_hint));
  element_graph_->SetComponent(graphs.elements);
}

void SidePanel::ResetGraphMode() {
  graph_mode_ = ElementGraphModeOf(rules_.usys.Choice<USysChoice::RRG>());
  ShowGraphs();
}

void SidePanel::SetGraphsHeld(bool held) {
  graphs_held_ = held;
  ShowGraphs();
}

bool SidePanel::SectionShown(ContentSection section) const { return content_.sections_shown[IndexOf(section)]; }

void SidePanel::SetSectionShown(ContentSection section, bool shown) {
  if (SectionShown(section) == shown) return;
  ToggleSection(content_, section);
  ShowSections();
  emit SectionsChanged();
}

QAction* SidePanel::SectionAction(ContentSection section) const { return section_actions_[IndexOf(section)]; }

QWidget* SidePanel::SectionWidget(ContentSection section) const {
  switch (section) {
    case ContentSection::kContentTable:
      return snb_view_;
    case ContentSection::kGraphs:
      return graphs_;
    case ContentSection::kElementTable:
      return sg2_view_;
    case ContentSection::kStemNumbers:
      return kan_view_;
    case ContentSection::kExplanations:
      break;
  }
  return explanations_;
}

ContentGridView* SidePanel::GridView(CopyableGrid grid) const {
  switch (grid) {
    case CopyableGrid::kContentTable:
      return snb_view_;
    case CopyableGrid::kElementTable:
      return sg2_view_;
    case CopyableGrid::kStemNumbers:
      break;
  }
  return kan_view_;
}

QString SidePanel::HeaderText() const { return header_->text(); }

void SidePanel::ShowSections() {
  for (std::size_t section = 0; section < section_actions_.size(); ++section) {
    const bool shown = content_.sections_shown[section];
    section_actions_[section]->setChecked(shown);
    SectionWidget(static_cast<ContentSection>(section))->setVisible(shown);
  }
}

void SidePanel::OnGridPressed(CopyableGrid grid, int column, int row, Qt::MouseButton button) {
  PressOnGrid(content_, grid, button == Qt::RightButton);
  copy_action_->setVisible(content_.copy_offered);
  if (column < 0 || row < 0) return;
  emit GridClicked(grid, column, row);
  if (button != Qt::LeftButton) return;
  if (const std::optional<std::string> word = MemoWordOfClick(content_, grid, static_cast<std::size_t>(column),
                                                              static_cast<std::size_t>(row), rules_.sys)) {
    emit MemoWordRequested(QString::fromStdString(*word));
  }
}

void SidePanel::OnPatternChosen(int selector, int entry) {
  ChoosePattern(content_, selector, entry, rules_.sys, texts_);
  explanations_->ShowPatterns(content_.selectors, content_.KakuMemo);
}

void SidePanel::ChooseFirstPattern(int entry, bool rebuild) {
  if (entry < 0 || entry >= static_cast<int>(content_.selectors.entries.size())) return;
  if (rebuild) {
    ChoosePattern(content_, 0, entry, rules_.sys, texts_);
  } else {
    content_.selectors.shown[0] = entry;
  }
  explanations_->ShowPatterns(content_.selectors, content_.KakuMemo);
  explanations_->setCurrentIndex(ExplanationArea::kPatternTab);
}

void SidePanel::CopyGridText() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(GridTextOf(content_, content_.copy_target)));
}

void SidePanel::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QMenu* sections = menu.addMenu(QStringLiteral("表示・非表示"));
  for (QAction* action : section_actions_) sections->addAction(action);
  menu.addAction(copy_action_);
  menu.exec(event->globalPos());
}

void SidePanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  explanations_->setCurrentIndex(ExplanationArea::kMemoTab);
}

bool SidePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ten_god_graph_ && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    RightPressOnTenGodGraph(content_);
    copy_action_->setVisible(false);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kirvo
