// The luck window as a user drives it: it opens from the entry bar's 行運, places its table at the
// chart date, steps and pages through time, shows a period's chart in the side panel on a click,
// opens the person's chart window and its help page.
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app/bridge/content_grid_model.h"
#include "app/bridge/text.h"
#include "app/chart/chart_window.h"
#include "app/frame/help_window.h"
#include "app/frame/side_panel.h"
#include "app/luck/luck_graph_widget.h"
#include "app/luck/luck_table_view.h"
#include "app/luck/luck_window.h"
#include "presentation/frame/help_topics.h"
#include "program_fixture.h"

namespace kirvo {

class LuckWindowTest : public QObject {
  Q_OBJECT

 private:
  ProgramFixture* fixture_ = nullptr;
  std::unique_ptr<Program> program_;
  MainWindow* window_ = nullptr;

  LuckWindow* OpenFromEntryBar() {
    window_->entry_bar()->SetFields({"甲", Sex::kMale, "1984/02/10", "12:00"});
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("KouBtn")), Qt::LeftButton);
    return dynamic_cast<LuckWindow*>(window_->ActiveChartWindow());
  }
  static void Place(LuckWindow& luck, int level, const QDate& date, const QString& time) {
    auto* selector = luck.findChild<QComboBox*>(QStringLiteral("KCB"));
    selector->setCurrentIndex(level);
    emit selector->activated(level);
    luck.findChild<QLineEdit*>(QStringLiteral("NTime"))->setText(time);
    luck.findChild<QDateEdit*>(QStringLiteral("NDate"))->setDate(date);
  }
  static QString Cell(const LuckWindow& luck, int column, int row) {
    return ToQString(luck.luck().table().KSG.Cell(static_cast<std::size_t>(column), static_cast<std::size_t>(row)));
  }
  QString PanelHeader() const { return ToQString(window_->panel()->Content().header); }

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
    fixture_ = nullptr;
  }

  void opensFromTheEntryBarAndStepsThroughTime() {
    LuckWindow* luck = OpenFromEntryBar();
    QVERIFY(luck);
    QCOMPARE(window_->client_area()->activeSubWindow()->windowTitle(), QStringLiteral("甲 さんの行運"));
    QCOMPARE(luck->objectName(), QStringLiteral("KouF"));
    // It opens at now with the level pair of the settings (大運＋命式): the decades do not move.
    QVERIFY(PanelHeader().startsWith(QStringLiteral("< 大運まで >　作式：")));
    QVERIFY(!luck->Command(LuckCommand::kNext)->isEnabled());
    QVERIFY(!luck->graph()->Graph().points.empty());

    Place(*luck, 1, QDate(2024, 1, 15), QStringLiteral("12:00"));
    QCOMPARE(Cell(*luck, 1, 19), QStringLiteral("2020/12/25 22:00"));
    QCOMPARE(luck->luck().selected_column(), 4);
    QCOMPARE(PanelHeader(), QStringLiteral("< 年運まで >　作式：2023/12/25 22:00"));
    QCOMPARE(luck->graph()->Graph().total_title, std::string("年運＋大運"));

    // One period on: the chart moment's period is now the third column and stays in the panel.
    QTest::mouseClick(luck->findChild<QToolButton*>(QStringLiteral("NextBtn")), Qt::LeftButton);
    QCOMPARE(Cell(*luck, 1, 19), QStringLiteral("2021/12/25 22:00"));
    QCOMPARE(luck->luck().selected_column(), 3);
    QCOMPARE(PanelHeader(), QStringLiteral("< 年運まで >　作式：2023/12/25 22:00"));
    // A page on overlaps one column.
    const QString last = Cell(*luck, 13, 19);
    luck->Command(LuckCommand::kPageNext)->trigger();
    QCOMPARE(Cell(*luck, 1, 19), last);
    luck->Command(LuckCommand::kPagePrevious)->trigger();
    QCOMPARE(Cell(*luck, 1, 19), QStringLiteral("2021/12/25 22:00"));

    // A click on a period shows its chart; the keyboard moves on to the next period.
    const QRect first = luck->table()->visualRect(luck->table()->model()->index(5, 1));
    QTest::mouseClick(luck->table()->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(PanelHeader(), QStringLiteral("< 年運まで >　作式：2021/12/25 22:00"));
    luck->table()->setFocus();
    QTest::keyClick(luck->table(), Qt::Key_Right);
    QCOMPARE(PanelHeader(), QStringLiteral("< 年運まで >　作式：2022/12/25 22:00"));
    QCOMPARE(window_->panel()->Content().record.ChartDateTime.DateTimeText(), std::string("2022/12/25 22:00"));

    // A time typed alone waits; the next date uses it.
    auto* time = luck->findChild<QLineEdit*>(QStringLiteral("NTime"));
    time->selectAll();
    QTest::keyClicks(time, QStringLiteral("0600"));
    QCOMPARE(luck->luck().table().chart_moment.DateTimeText(), std::string("2024/01/15 12:00"));
    luck->findChild<QDateEdit*>(QStringLiteral("NDate"))->setDate(QDate(2024, 3, 1));
    QCOMPARE(luck->luck().table().chart_moment.DateTimeText(), std::string("2024/03/01 06:00"));

    // The decades again at the same chart date: no jump, the highlight on the decade of 2024.
    Place(*luck, 0, QDate(2024, 1, 15), QStringLiteral("12:00"));
    QCOMPARE(luck->luck().selected_column(), 5);
    QCOMPARE(luck->graph()->Graph().points[4].label, std::string("37歳"));
  }

  void aPeriodWithoutDataBeepsAndHiddenRowsFollowTheSettings() {
    LuckWindow* luck = OpenFromEntryBar();
    QVERIFY(luck);
    Place(*luck, 0, QDate(2024, 1, 15), QStringLiteral("12:00"));
    QVERIFY(luck->table()->isColumnHidden(13));  // the thirteenth decade lies beyond 110 years
    const int beeps = fixture_->interaction.beeps;
    luck->ClickCell(13, 5);
    QCOMPARE(fixture_->interaction.beeps, beeps + 1);
    QVERIFY(luck->table()->isRowHidden(19));
    QVERIFY(!luck->table()->isRowHidden(18));

    program_->services().sys().KouChg &= ~(1u << 12);  // 特殊 unchecked
    luck->FollowSettings();
    QVERIFY(luck->table()->isRowHidden(18));
    QVERIFY(!luck->table()->isRowHidden(17));
  }

  void opensTheChartWindowAndItsHelpPage() {
    LuckWindow* luck = OpenFromEntryBar();
    QVERIFY(luck);
    QTest::keyClick(luck->table(), Qt::Key_F1);
    auto* help = window_->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(help);
    QCOMPARE(help->Topic(), HelpTopicNumber(HelpTopic::kLuckWindow));
    QCOMPARE(help->Browser()->documentTitle(), QStringLiteral("行運ウィンドウ"));

    luck->Command(LuckCommand::kChart)->trigger();
    auto* chart = dynamic_cast<ChartWindow*>(window_->ActiveChartWindow());
    QVERIFY(chart);
    QCOMPARE(window_->client_area()->activeSubWindow()->windowTitle(), QStringLiteral("甲 さんの命式"));
    QVERIFY(luck->Command(LuckCommand::kPrint)->isEnabled());  // printing goes to the print preview
  }

  // Every control of the window takes the keyboard focus from Tab.
  void keyboardReachesEveryControl() {
    LuckWindow* luck = OpenFromEntryBar();
    QVERIFY(luck);
    for (const char* name : {"KCB", "PagePreviousBtn", "PreviousBtn", "NextBtn", "PageNextBtn", "NDate", "NTime",
                             "UpDown1Up", "UpDown1Down", "NowBtn", "MenuBtn", "KSG"}) {
      auto* control = luck->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(control, name);
      QVERIFY2((control->focusPolicy() & Qt::TabFocus) != 0, name);
    }
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::LuckWindowTest)
#include "luck_window_test.moc"
