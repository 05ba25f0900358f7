// The side panel over a computed chart: what it puts on the clipboard, its section toggles, the
// copy offer, presses and hints, the pattern selectors, and the label cells as drawn.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "app/chart/chart_graph_widget.h"
#include "app/frame/side_panel.h"
#include "app/widgets/content_grid_view.h"
#include "app/widgets/explanation_area.h"
#include "app/widgets/summary_header.h"
#include "presentation/shared/drawing_geometry.h"
#include "presentation/panel/chart_content_explanations.h"
#include "settings/program_settings.h"
#include "support/sample_chart.h"

using namespace kirvo;

namespace {

QString Golden(const char* name) {
  QFile file(QStringLiteral(KIRVO_GOLDEN_DIR "/") + QString::fromLatin1(name));
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(missing golden file %1)").arg(QString::fromLatin1(name));
  return QString::fromUtf8(file.readAll());
}

QPoint CellCentre(const ContentGridView& view, int column, int row) {
  return view.visualRect(view.model()->index(row, column)).center();
}

void Press(ContentGridView& view, int column, int row, Qt::MouseButton button) {
  QTest::mousePress(view.viewport(), button, {}, CellCentre(view, column, row));
  QTest::mouseRelease(view.viewport(), button, {}, CellCentre(view, column, row));
}

}  // namespace

class SidePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qRegisterMetaType<CopyableGrid>(); }
  void init() {
    explanations_ = std::make_unique<LoadedExplanations>(LoadedExplanations::Shipped());
    panel_ = std::make_unique<SidePanel>(rules_, ContentBranding{}, *explanations_);
    panel_->resize(300, 980);
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    panel_->SetContent(samples::SampleChartContent(samples::HandCheckedBirth(), rules_, {}, *explanations_));
  }
  void cleanup() { panel_.reset(); }

  void ShowsTheChartItWasGiven() {
    QCOMPARE(panel_->HeaderText(), QStringLiteral("< 大運まで >　作式：1995/03/15 9:30:00"));
    QCOMPARE(panel_->PersonHeader()->TextOf("Name"), QStringLiteral("試験太郎"));
    QCOMPARE(panel_->PersonHeader()->TextOf("DT"), QStringLiteral("1984/02/10 12:00"));
    const QAbstractItemModel& snb = *panel_->GridView(CopyableGrid::kContentTable)->model();
    QCOMPARE(snb.rowCount(), 9);
    QCOMPARE(snb.columnCount(), 6);
    QCOMPARE(snb.index(0, 5).data().toString(), QStringLiteral("甲"));      // 日主
    QCOMPARE(snb.index(4, 3).data().toString(), QStringLiteral("申酉"));    // 空亡 of 甲戌
    QCOMPARE(snb.index(7, 3).data().toString(), QStringLiteral("◆ 甲戌"));  // 日干支併臨
  }

  // A right press on a grid offers the copy; the copy is that grid as box-drawn text.
  void CopiesTheGridLastPressedAsBoxDrawnText() {
    QVERIFY(!panel_->CopyAction()->isVisible());
    Press(*panel_->GridView(CopyableGrid::kElementTable), 2, 1, Qt::RightButton);
    QVERIFY(panel_->CopyAction()->isVisible());
    panel_->CopyAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), Golden("side_panel_sg2.txt"));

    // A left press moves the target without withdrawing the offer.
    Press(*panel_->GridView(CopyableGrid::kContentTable), 1, 1, Qt::LeftButton);
    QVERIFY(panel_->CopyAction()->isVisible());
    panel_->CopyAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), Golden("side_panel_snb.txt"));
  }

  void ARightPressOnTheTenGodGraphWithdrawsTheCopy() {
    Press(*panel_->GridView(CopyableGrid::kStemNumbers), 3, 1, Qt::RightButton);
    QVERIFY(panel_->CopyAction()->isVisible());
    QWidget* graph = panel_->findChild<QWidget*>(QStringLiteral("HChart"));
    QVERIFY(graph != nullptr);
    QTest::mousePress(graph, Qt::RightButton, {}, graph->rect().center());
    QVERIFY(!panel_->CopyAction()->isVisible());
  }

  // The graphs show what the core computed of the chart; a click on the five-element graph
  // switches it between 力量 and 構成, and the main window's activation brings back `RRG`'s mode.
  void GraphsShowTheChartAndAClickSwitchesTheElementGraph() {
    auto* ten_gods = panel_->findChild<ChartGraphWidget*>(QStringLiteral("HChart"));
    auto* elements = panel_->findChild<ChartGraphWidget*>(QStringLiteral("GChart"));
    QVERIFY(ten_gods != nullptr && elements != nullptr);
    const ChartContent& content = panel_->Content();
    QVERIFY(ten_gods->Component().has_figure);
    QCOMPARE(ten_gods->Component().values, content.ten_god_graph.values);
    QCOMPARE(ten_gods->Component().parts, content.ten_god_graph.parts);
    QCOMPARE(ten_gods->Component().caption, std::string("変通星"));
    QCOMPARE(ten_gods->toolTip(), QString::fromStdString(TenGodGraphHint(content.ten_god_graph.values,
                                                                          rules_.sys.names.ten_god_groups)));
    QVERIFY(ten_gods->toolTip().startsWith(QStringLiteral("比劫:")));

    QCOMPARE(panel_->GraphMode(), ElementGraphMode::kStrength);  // `RRG` 0 as shipped
    const auto shown = [&](ElementGraphMode mode) { return ElementGraphOf(content.SG2.text, mode, rules_.sys.CP); };
    QCOMPARE(elements->Component().caption, std::string("力量"));
    QCOMPARE(elements->Component().values, shown(ElementGraphMode::kStrength)->values);
    QCOMPARE(elements->Component().values[0], 4225);  // 主 木 42.25

    QTest::mouseClick(elements, Qt::LeftButton, {}, elements->rect().center());
    QCOMPARE(elements->Component().caption, std::string("構成"));
    QCOMPARE(elements->Component().values, shown(ElementGraphMode::kComposition)->values);
    QCOMPARE(elements->Component().values[0], 2890);  // 主 木 28.9 %

    // A new chart keeps the mode; the activation takes it back.
    panel_->SetContent(panel_->Content());
    QCOMPARE(elements->Component().caption, std::string("構成"));
    panel_->ResetGraphMode();
    QCOMPARE(elements->Component().caption, std::string("力量"));

    // While a luck table is being built the graphs keep what they show.
    const GraphNumbers shown_before = ten_gods->Component().values;
    ChartContent other = panel_->Content();
    other.ten_god_graph.values = {1, 2, 3, 4, 5};
    QVERIFY(other.ten_god_graph.values != shown_before);
    panel_->SetGraphsHeld(true);
    panel_->SetContent(other);
    QVERIFY(ten_gods->Component().values == shown_before);
    panel_->SetGraphsHeld(false);
    QVERIFY(ten_gods->Component().values == other.ten_god_graph.values);
  }

  void SectionTogglesHideAndShowTheirSections() {
    QSignalSpy changed(panel_.get(), &SidePanel::SectionsChanged);
    for (std::size_t index = 0; index < kContentSectionNames.size(); ++index) {
      const auto section = static_cast<ContentSection>(index);
      QAction* toggle = panel_->SectionAction(section);
      QCOMPARE(toggle->text().toStdString(), std::string(kContentSectionNames[index]));
      const bool before = panel_->SectionShown(section);
      QCOMPARE(toggle->isChecked(), before);
      QCOMPARE(panel_->SectionWidget(section)->isVisible(), before);

      toggle->trigger();
      QCOMPARE(panel_->SectionShown(section), !before);
      QCOMPARE(toggle->isChecked(), !before);
      QCOMPARE(panel_->SectionWidget(section)->isVisible(), !before);
      // A new chart keeps the panel's choice.
      panel_->SetContent(panel_->Content());
      QCOMPARE(panel_->SectionWidget(section)->isVisible(), !before);

      toggle->trigger();
      QCOMPARE(panel_->SectionWidget(section)->isVisible(), before);
    }
    QCOMPARE(changed.count(), 10);
  }

  void AClickRecordsTheGridAndAsksForTheCellsMemo() {
    QSignalSpy clicked(panel_.get(), &SidePanel::GridClicked);
    QSignalSpy memo(panel_.get(), &SidePanel::MemoWordRequested);
    Press(*panel_->GridView(CopyableGrid::kElementTable), 2, 1, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).value<CopyableGrid>(), CopyableGrid::kElementTable);
    QCOMPARE(clicked.at(0).at(1).toInt(), 2);
    QCOMPARE(clicked.at(0).at(2).toInt(), 1);
    QCOMPARE(memo.count(), 1);
    QCOMPARE(memo.at(0).at(0).toString(), QStringLiteral("木"));  // 主 of a 甲 day master
    QCOMPARE(panel_->Content().copy_target, CopyableGrid::kElementTable);
  }

  void OnlyTheClimateGodCellHasAHint() {
    const QAbstractItemModel& snb = *panel_->GridView(CopyableGrid::kContentTable)->model();
    QCOMPARE(snb.index(2, 5).data(Qt::ToolTipRole).toString(), snb.index(2, 5).data().toString());
    QVERIFY(!snb.index(2, 5).data().toString().isEmpty());
    QVERIFY(!snb.index(1, 5).data(Qt::ToolTipRole).isValid());
  }

  // The summary's hints are asked of the core when the pointer rests on a text.
  void SummaryHintsShowOnHover() {
    const SummaryHints hints = SummaryHintsOf(panel_->Content().record, rules_);
    QVERIFY(QString::fromStdString(hints.RituNL).startsWith(QStringLiteral("節入:")));
    const auto hover = [&](const char* field) {
      QToolTip::hideText();  // hidden after a short delay
      if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000)) return QStringLiteral("(a tip stayed up)");
      auto* label = panel_->PersonHeader()->findChild<QLabel*>(QString::fromLatin1(field));
      QHelpEvent event(QEvent::ToolTip, label->rect().center(), label->mapToGlobal(label->rect().center()));
      QApplication::sendEvent(label, &event);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(hover("RituNL"), QString::fromStdString(hints.RituNL));
    QCOMPARE(hover("KoukeiL"), QString::fromStdString(hints.KoukeiL));
    QCOMPARE(hover("AngL"), QString::fromStdString(hints.AngL));
    QCOMPARE(hover("DT"), QString());
  }

  void CellsOfTheNumberTablesCannotBeSelected() {
    for (const CopyableGrid grid : {CopyableGrid::kContentTable, CopyableGrid::kElementTable}) {
      ContentGridView& view = *panel_->GridView(grid);
      Press(view, 1, 1, Qt::LeftButton);
      QVERIFY(!view.selectionModel()->hasSelection());
    }
  }

  void ChoosingAPatternShowsItsText() {
    ExplanationArea& area = *panel_->Explanations();
    QComboBox& second = *area.Selector(1);
    QVERIFY(second.count() > 2);
    const QString before = area.PatternText()->toPlainText();
    second.setCurrentIndex(2);
    emit second.activated(2);
    const QString name = second.itemText(2);
    QVERIFY(area.PatternText()->toPlainText().contains(QStringLiteral("～%1～").arg(name)));
    QVERIFY(area.PatternText()->toPlainText() != before);
    QCOMPARE(panel_->Content().selectors.shown[1], 2);
  }

  // With one pattern only (`KakuCB`), a choice in the second or third selector leaves the pattern
  // text as it was.
  void WithOnePatternOnlyTheOtherSelectorsDoNothing() {
    ProgramSettings settings = settings_;
    settings.sys.KakuCB = true;
    const ChartRules rules{settings.usys, settings.sys};
    SidePanel panel(rules, {}, *explanations_);
    panel.SetContent(samples::SampleChartContent(samples::HandCheckedBirth(), rules, {}, *explanations_));
    ExplanationArea& area = *panel.Explanations();
    const QString text = area.PatternText()->toPlainText();
    QComboBox& third = *area.Selector(2);
    third.setCurrentIndex(3);
    emit third.activated(3);
    QCOMPARE(area.PatternText()->toPlainText(), text);
    // The first selector still works.
    QComboBox& first = *area.Selector(0);
    first.setCurrentIndex(3);
    emit first.activated(3);
    QVERIFY(area.PatternText()->toPlainText().contains(QStringLiteral("～%1～").arg(first.itemText(3))));
  }

  // A chart with fewer spirit stars shortens the spirit-star table.
  void TheSpiritStarTableIsAsLongAsItsLongestList() {
    ContentGridView& view = *panel_->Explanations()->SpiritStarGrid();
    const int rows = view.model()->rowCount();
    QVERIFY(rows > 1);
    ChartContent fewer = panel_->Content();
    fewer.SinSG = ContentGrid(kSpiritStarTableColumns, 1);
    for (std::size_t column = 0; column < kSpiritStarTableColumns; ++column) {
      fewer.SinSG.text.SetCell(column, 0, panel_->Content().SinSG.Cell(column, 0));
    }
    const int height = view.height();
    panel_->SetContent(fewer);
    QCOMPARE(view.model()->rowCount(), 1);
    QCOMPARE(view.model()->index(0, 3).data().toString(), QStringLiteral("年"));
    QVERIFY(view.height() < height);
  }

  void AResizeBringsTheMemoTabBack() {
    panel_->Explanations()->setCurrentIndex(ExplanationArea::kSpiritStarTab);
    panel_->resize(320, 960);
    QCOMPARE(panel_->Explanations()->currentIndex(), static_cast<int>(ExplanationArea::kMemoTab));
  }

  // The label cells of the content table: the fixed-part gradient from white to CP13 and a grey
  // line along the bottom; value cells white.
  void LabelCellsAreDrawnWithTheFixedPartGradient() {
    ContentGridView& view = *panel_->GridView(CopyableGrid::kContentTable);
    const QImage image = view.viewport()->grab().toImage();
    const QRect label = view.visualRect(view.model()->index(3, 0));
    const int x = label.left() + 1;
    const PanelColours& colours = rules_.sys.CP;
    const std::vector<Rgb> ramp = ColourRamp(ColourOf(colours, PanelColour::kFixedGradientStart),
                                             ColourOf(colours, PanelColour::kFixedGradientEnd), label.height());
    const auto rgb = [&](int y) { return static_cast<Rgb>(image.pixelColor(x, y).rgb() & 0xFFFFFF); };
    QCOMPARE(rgb(label.top()), ramp[1]);  // the start colour itself never shows
    QCOMPARE(rgb(label.bottom() - 1), ramp[ramp.size() - 2]);
    QCOMPARE(image.pixelColor(x, label.bottom()), QColor(128, 128, 128));
    const QRect value = view.visualRect(view.model()->index(3, 1));
    QCOMPARE(image.pixelColor(value.left() + 1, value.top() + 1), QColor(Qt::white));
  }

  // With the branding hiding the numbers, the two number columns are left blank, labels too.
  void BrandingLeavesTheNumberColumnsBlank() {
    const ContentBranding branding{.hide_numbers = true};
    SidePanel panel(rules_, branding, *explanations_);
    panel.resize(300, 980);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.SetContent(samples::SampleChartContent(samples::HandCheckedBirth(), rules_, branding, *explanations_));
    ContentGridView& view = *panel.GridView(CopyableGrid::kContentTable);
    const QImage image = view.viewport()->grab().toImage();
    const auto blank = [&](const QRect& cell) {
      for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
          if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
        }
      }
      return true;
    };
    for (int row = 0; row < 5; ++row) {
      QVERIFY(blank(view.visualRect(view.model()->index(row, 0))));
      QVERIFY(blank(view.visualRect(view.model()->index(row, 1))));
      QVERIFY(!blank(view.visualRect(view.model()->index(row, 2))));  // 弱めたい … still drawn
    }
  }

 private:
  const ProgramSettings& settings_ = ShippedSettings();
  const ChartRules rules_{settings_.usys, settings_.sys};
  std::unique_ptr<LoadedExplanations> explanations_;
  std::unique_ptr<SidePanel> panel_;
};

QTEST_MAIN(SidePanelTest)
#include "side_panel_test.moc"
