// The chart board painted by the shared painting function: the widget on the screen and a picture
// painted off the screen (as a copy or a printed page paints it) are the same board.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "app/bridge/dpi.h"
#include "app/bridge/fonts.h"
#include "app/widgets/chart_board_painting.h"
#include "app/widgets/chart_board_widget.h"
#include "engine/chart_pipeline.h"
#include "engine/chart_record.h"
#include "presentation/chart/chart_text_copy.h"
#include "settings/program_settings.h"

using namespace kirvo;

namespace {

Chart SampleChart(const ProgramSettings& settings, LuckRange range) {
  Chart chart;
  chart.record = NewChartRecord(BirthInput{"試験太郎", *BirthOfText("1984/02/10 12:00"), Sex::kMale},
                                *DateTime::ParseDateTimeText("1995/03/15 09:30"));
  chart.range = range;
  RunFullPipeline(chart, ChartRules{settings.usys, settings.sys});
  return chart;
}

}  // namespace

class ChartBoardPaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseJapaneseFonts(); }

  void ThePictureIsTheBoardOnTheScreen_data() {
    QTest::addColumn<int>("range");
    QTest::newRow("命式のみ") << static_cast<int>(LuckRange::kNatalOnly);
    QTest::newRow("大運まで") << static_cast<int>(LuckRange::kMajorLuck);
  }
  void ThePictureIsTheBoardOnTheScreen() {
    QFETCH(int, range);
    const ProgramSettings& settings = ShippedSettings();
    const Chart chart = SampleChart(settings, static_cast<LuckRange>(range));
    const BoardGeometry geometry = LayOutBoard(ChartRowLayoutOf(settings.sys, false), chart.range,
                                               chart.stem_relations.size(), chart.branch_relations.size());
    ChartBoardWidget widget(settings.sys);
    widget.ShowChart(chart, geometry, nullptr);
    const QImage screen = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage picture(screen.size(), QImage::Format_RGB32);
    picture.fill(widget.palette().color(QPalette::Window));
    {
      QPainter painter(&picture);
      painter.scale(DpiScale(widget), DpiScale(widget));
      PaintChartBoard(painter, {chart, geometry, settings.sys, nullptr, std::nullopt, std::nullopt});
    }
    QCOMPARE(picture, screen);
      // Not an empty board: the day pillar's stem cell is painted over the background.
    const QRect stem = widget.CellRectPx({board::kDay, board::kWorkStem});
    QVERIFY(picture.pixel(stem.center()) != widget.palette().color(QPalette::Window).rgb());
  }
};

QTEST_MAIN(ChartBoardPaintingTest)
#include "chart_board_painting_test.moc"
