#pragma once

#include <QWidget>
#include <array>

#include "app/widgets/cell_style_delegate.h"
#include "app/bridge/content_grid_model.h"
#include "presentation/panel/chart_content.h"
#include "presentation/panel/element_graph.h"

class QAction;
class QLabel;
class QMenu;

namespace kirvo {
class ExplanationSource;
}

namespace kirvo {

class ChartGraphWidget;
class ContentGridView;
class ExplanationArea;
class SummaryHeader;

// The chart-content side panel `MeiWin` ("命式内容"), meant for a dock of the main window. From top
// to bottom: the header bar, the person header, the content table `SNB`, the graphs (`HChart`,
// `GChart`), the five-element table `SG2`, the stem-number table `KanSG` and the explanation area.
// It shows the content a chart window built (SetContent) and computes nothing itself: presses,
// hints, section toggles, pattern choices and the text copy are calls on the core's panel
// behaviour over the content it holds.
class SidePanel final : public QWidget {
  Q_OBJECT

 public:
  // `rules` and `explanations` outlive the panel (the program's settings and texts); `branding`
  // says what the content table hides.
  SidePanel(const ChartRules& rules, const ContentBranding& branding, ExplanationSource& explanations,
            QWidget* parent = nullptr);
  ~SidePanel() override;

  // Shows a chart's content. The panel's own state — which sections are shown and which grid takes
  // the text copy — stays as it was.
  void SetContent(const ChartContent& content);
  const ChartContent& Content() const { return content_; }

  // After the system settings changed: fonts, colours, gradient steps, the sections of `MCG` and
  // the look of the graphs.
  void ApplySystemSettings();

  // The five-element graph's mode: as `RRG` says whenever the main window becomes active, switched
  // by a click on the graph.
  ElementGraphMode GraphMode() const { return graph_mode_; }
  void ResetGraphMode();
  // While a luck table is being built the graphs keep what they show; released, they show the
  // content again.
  void SetGraphsHeld(bool held);

  bool SectionShown(ContentSection section) const;
  void SetSectionShown(ContentSection section, bool shown);

  // The context menu's entries: the five section toggles under "表示・非表示" and
  // "表をTextでコピー(&C)", visible only while the copy is offered.
  QAction* SectionAction(ContentSection section) const;
  QAction* CopyAction() const { return copy_action_; }
  // Puts the copy target's box-drawn text on the clipboard.
  void CopyGridText();
  // Another window's pattern selector chose `entry`: the first selector takes it and the pattern
  // tab comes to the front; with `rebuild` the pattern text is built again for it.
  void ChooseFirstPattern(int entry, bool rebuild);

  ContentGridView* GridView(CopyableGrid grid) const;
  QWidget* SectionWidget(ContentSection section) const;
  ExplanationArea* Explanations() const { return explanations_; }
  SummaryHeader* PersonHeader() const { return summary_; }
  QString HeaderText() const;

 signals:
  void SectionsChanged();
  // A press on a cell of `SNB`, `SG2` or `KanSG` made that grid the last grid clicked.
  void GridClicked(kirvo::CopyableGrid grid, int column, int row);
  // A click on a cell whose text the memos look up (only while `MOnSW` is on).
  void MemoWordRequested(const QString& word);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  QWidget* BuildGraphArea();
  void OnGridPressed(CopyableGrid grid, int column, int row, Qt::MouseButton button);
  void OnPatternChosen(int selector, int entry);
  void ShowSections();
  void ShowGrids();
  void ShowGraphs();

  const ChartRules& rules_;
  ContentBranding branding_;
  ExplanationSource& texts_;  // the explanation files, for pattern choices
  ChartContent content_;

  CellStyleDelegate delegate_;
  ContentGridModel snb_model_, sg2_model_, kan_model_, sin_model_;

  QLabel* header_ = nullptr;
  SummaryHeader* summary_ = nullptr;
  ContentGridView* snb_view_ = nullptr;
  QWidget* graphs_ = nullptr;
  ChartGraphWidget* ten_god_graph_ = nullptr;
  ChartGraphWidget* element_graph_ = nullptr;
  ElementGraphMode graph_mode_ = ElementGraphMode::kStrength;
  bool graphs_held_ = false;
  ContentGridView* sg2_view_ = nullptr;
  ContentGridView* kan_view_ = nullptr;
  ExplanationArea* explanations_ = nullptr;

  std::array<QAction*, kContentSectionNames.size()> section_actions_{};
  QAction* copy_action_ = nullptr;
};

}  // namespace kirvo
