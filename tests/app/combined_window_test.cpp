// The combined window 命行 as a user drives it: it opens from the entry bar with its board, its own
// content and the two luck calendar strips; the strips step through time and the chart follows the
// upper strip's date.
#include "app/luck/combined_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "app/bridge/text.h"
#include "app/frame/side_panel.h"
#include "app/luck/luck_strip_widget.h"
#include "app/printing/print_preview_dialog.h"
#include "presentation/frame/help_topics.h"
#include "program_fixture.h"

namespace kirvo {

class CombinedWindowTest : public QObject {
  Q_OBJECT

 private:
  ProgramFixture* fixture_ = nullptr;
  std::unique_ptr<Program> program_;
  MainWindow* window_ = nullptr;

  CombinedWindow* OpenFromEntryBar(const EntryFields& person) {
    window_->entry_bar()->SetFields(person);
    auto* button = window_->findChild<QToolButton*>(QStringLiteral("MKBtn"));
    if (button == nullptr) return nullptr;
    QTest::mouseClick(button, Qt::LeftButton);
    return dynamic_cast<CombinedWindow*>(window_->ActiveChartWindow());
  }
  static void ChooseLevel(CombinedWindow& window, int item) {
    window.LevelSelector()->setCurrentIndex(item);
    emit window.LevelSelector()->activated(item);
  }
  static DateTime ChartMoment(const CombinedWindow& window) { return window.session().chart().record.ChartDateTime; }

 private slots:
  void init() {
    fixture_ = new ProgramFixture();
    program_ = fixture_->StartShown();
    QVERIFY(program_);
    window_ = &program_->main_window();
  }
  void cleanup() {
    program_.reset();
    delete fixture_;
  }

  void opensFromTheEntryBarWithTheNatalChartAndBothStrips() {
    CombinedWindow* window = OpenFromEntryBar({"山田太郎", Sex::kMale, "1984/02/10", "12:30"});
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("山田太郎 さんの表"));
    QCOMPARE(window->objectName(), QStringLiteral("MKF"));
    QCOMPARE(HelpTopicOfForm("MKF"), HelpTopicNumber(HelpTopic::kCombinedWindow));
    QCOMPARE(window->session().chart().range, LuckRange::kNatalOnly);
    // The chart works in whole days: the default moment's day at noon.
    QCOMPARE(ChartMoment(*window).TimeText(), std::string("12:00"));
    // The side panel shows the window's chart, and the window its own copy of the summary.
    QCOMPARE(window_->panel()->Content().record.PersonName, std::string("山田太郎"));
    // The shipped level is 大運 over 年運: eleven decades from the month pillar 丙寅.
    const CombinedSession& session = window->combined();
    QCOMPARE(session.strips().upper().ColumnCount(), 11);
    QCOMPARE(session.strips().upper().Cell(10, kStripStemRow), std::string("丙"));
    QCOMPARE(session.strips().lower().level, StripLevel::kYearLuck);
    QCOMPARE(window->LowerCaption()->text(), QStringLiteral("下段>年運"));
    QVERIFY(!window->StripButton(CombinedWindow::StepButton::kUpperLater)->isVisibleTo(window));
  }

  void aStepOfTheUpperStripMovesItsDateAndTheChart() {
    CombinedWindow* window = OpenFromEntryBar({"山田太郎", Sex::kMale, "1984/02/10", "12:30"});
    QVERIFY(window);
    ChooseLevel(*window, 3);  // 月運 over 日運
    QVERIFY(window->StripButton(CombinedWindow::StepButton::kUpperLater)->isVisibleTo(window));
    const DateTime before = ChartMoment(*window);
    const DateTime first_month = window->combined().strips().upper().moments.front();

    QTest::mouseClick(window->StripButton(CombinedWindow::StepButton::kUpperLater), Qt::LeftButton);
    const DateFields moved = ChartMoment(*window).Fields();
    QCOMPARE(moved.year, before.Fields().year + 1);
    QCOMPARE(moved.month, before.Fields().month);
    QCOMPARE(window->combined().strips().upper().moments.front().Fields().year, first_month.Fields().year + 1);
    // The lower strip follows the upper date.
    QCOMPARE(window->combined().strips().lower_date(), window->combined().strips().upper_date());

    QTest::mouseClick(window->StripButton(CombinedWindow::StepButton::kUpperEarlier), Qt::LeftButton);
    QCOMPARE(ChartMoment(*window), before);

    // 年運 scrolls by the shown columns; its scroll bar shows the same view.
    ChooseLevel(*window, 2);
    const int first = window->combined().strips().upper().first_shown;
    QTest::mouseClick(window->StripButton(CombinedWindow::StepButton::kUpperEarlier), Qt::LeftButton);
    QCOMPARE(window->combined().strips().upper().first_shown, std::min(first + 10, 90));
    QCOMPARE(window->StripWidget(StripSide::kUpper)->FirstShown(), window->combined().strips().upper().first_shown);
    QCOMPARE(ChartMoment(*window), before);
    // A view scrolled by hand is where the next step starts.
    window->StripWidget(StripSide::kUpper)->ScrollBar()->setValue(30);
    QTest::mouseClick(window->StripButton(CombinedWindow::StepButton::kUpperLater), Qt::LeftButton);
    QCOMPARE(window->combined().strips().upper().first_shown, 20);
  }

  // A chart change by hand: the board and the window's own content table follow it.
  void aHandChangeReachesTheBoardAndTheContent() {
    CombinedWindow* window = OpenFromEntryBar({"山田太郎", Sex::kMale, "1984/02/10", "12:30"});
    QVERIFY(window);
    const TextTable before = window->session().content().SG2.text;
    QMenu* menu = window->HandChangeMenuFor({board::kYear, board::kWorkStem});
    QCOMPARE(menu->actions()[2]->text(), QStringLiteral("年柱:干 <甲> を ◇:化 に変更"));
    menu->actions()[2]->trigger();
    QCOMPARE(ToQString(window->session().chart().board(board::kYear, board::kWorkStem).Text), QStringLiteral("戊"));
    QVERIFY(!(window->session().content().SG2.text == before));
    QCOMPARE(window_->panel()->Content().SG2.text, window->session().content().SG2.text);
  }

  void theTogglesHideTheContentAndTheStrips() {
    CombinedWindow* window = OpenFromEntryBar({"山田太郎", Sex::kMale, "1984/02/10", "12:30"});
    QVERIFY(window);
    const int full_height = window->height();
    window->Command(CombinedCommand::kStripsShown)->trigger();
    QVERIFY(!window->StripsShown());
    QVERIFY(window->height() < full_height);
    window->Command(CombinedCommand::kContentShown)->trigger();
    QVERIFY(!window->ContentShown());
    window->Command(CombinedCommand::kStripsShown)->trigger();
    QVERIFY(window->StripsShown());
    QVERIFY(window->Command(CombinedCommand::kPrint)->isEnabled());  // printing goes to the print preview
  }

  // Both print commands hand a job built from the window as it stands; the window keeps its strips.
  void thePrintCommandsHandTheBoardAndTheStripsToThePreview() {
    CombinedWindow* window = OpenFromEntryBar({"山田太郎", Sex::kMale, "1984/02/10", "12:30"});
    QVERIFY(window);
    // The frame's request opens the one print preview.
    window->Command(CombinedCommand::kPrint)->trigger();
    auto* preview = window_->findChild<PrintPreviewDialog*>();
    QVERIFY(preview);
    QCOMPARE(preview->Job().source, PrintSource::kCombined);
    QVERIFY(preview->PageCount() >= 1);
    preview->close();

    std::vector<PrintJob> jobs;
    window->SetPrintPreview([&jobs](PrintJob job) { jobs.push_back(std::move(job)); });
    QVERIFY(window->Command(CombinedCommand::kPrint)->isEnabled());
    QVERIFY(window->Command(CombinedCommand::kPrintStrips)->isEnabled());
    window->StripWidget(StripSide::kUpper)->ScrollBar()->setValue(1);
    const int scrolled = window->combined().strips().upper().first_shown;

    QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("ButtonPrint")), Qt::LeftButton);
    QCOMPARE(jobs.size(), std::size_t{1});
    const PrintJob& board = jobs.back();
    QCOMPARE(board.source, PrintSource::kCombined);
    QCOMPARE(board.title, std::string("山田太郎 さんの表"));
    QVERIFY(board.chart.has_value());
    QCOMPARE(board.chart->chart, window->session().chart());
    QCOMPARE(board.target.grid.Cell(board::kDay.index, board::kWorkStem), std::string("甲"));
    QCOMPARE(board.sub_tables.size(), std::size_t{1});
    QCOMPARE(board.sub_tables[0].grid.rows(), std::size_t{2 * kStripRows + 1});
    QCOMPARE(board.side.tables.size(), std::size_t{2});
    QCOMPARE(board.second_title, std::string("上段>大運　下段>年運"));

    // With the lower strip hidden the strips print alone as the upper strip.
    window->Command(CombinedCommand::kLowerShown)->trigger();
    window->Command(CombinedCommand::kPrintStrips)->trigger();
    QCOMPARE(jobs.size(), std::size_t{2});
    QCOMPARE(jobs.back().source, PrintSource::kLuckTable);
    QCOMPARE(jobs.back().title, std::string("【山田太郎 さんの表　大運】"));
    QCOMPARE(jobs.back().target.grid.rows(), std::size_t{kStripRows});
    QCOMPARE(window->combined().strips().upper().first_shown, scrolled);
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::CombinedWindowTest)
#include "combined_window_test.moc"
