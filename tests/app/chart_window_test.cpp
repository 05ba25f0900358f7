// The chart window as a user drives it: it opens from the entry bar, follows its range, steps
// through time, takes hand changes from a click, and copies exactly what kirvo-cli prints.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <QLabel>
#include <QHelpEvent>

#include "app/frame/help_window.h"
#include "app/frame/program_icon.h"
#include "app/time/era_date_dialog.h"
#include "presentation/frame/help_topics.h"
#include "app/frame/side_panel.h"
#include "app/bridge/text.h"
#include "app/widgets/chart_board_widget.h"
#include "app/chart/chart_window.h"
#include "program_fixture.h"

namespace kirvo {

class ChartWindowTest : public QObject {
  Q_OBJECT

 private:
  ProgramFixture* fixture_ = nullptr;
  std::unique_ptr<Program> program_;
  MainWindow* window_ = nullptr;

  ChartWindow* Open(const EntryFields& person) {
    window_->entry_bar()->SetFields(person);
    window_->OpenChild(ChartWindowKind::kChart, window_->entry_bar()->Fields());
    return dynamic_cast<ChartWindow*>(window_->ActiveChartWindow());
  }
  static void ChooseRange(ChartWindow& chart, int range) {
    auto* selector = chart.findChild<QComboBox*>(QStringLiteral("CB1"));
    selector->setCurrentIndex(range);
    emit selector->activated(range);
  }
  static void SetMoment(ChartWindow& chart, const QDate& date, const QString& time) {
    chart.findChild<QLineEdit*>(QStringLiteral("NTime"))->setText(time);
    chart.findChild<QDateEdit*>(QStringLiteral("NDate"))->setDate(date);
  }
  static QString Moment(const ChartWindow& chart) {
    return ToQString(chart.session().chart().record.ChartDateTime.DateTimeText());
  }

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

  void theWindowFollowsItsRange() {
    ChartWindow* chart = Open({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    QVERIFY(chart);
    QCOMPARE(chart->windowTitle(), QStringLiteral("山田太郎 さんの命式"));
    const int natal_width = chart->board()->width();
    QVERIFY(!chart->findChild<QDateEdit*>(QStringLiteral("NDate"))->isVisibleTo(chart));
    QVERIFY(!chart->MenuNowAction()->isEnabled());
    QVERIFY(chart->Command(ChartCommand::kNow)->isEnabled());

    ChooseRange(*chart, 5);
    QCOMPARE(chart->session().chart().range, LuckRange::kHourLuck);
    QCOMPARE(chart->board()->width() - natal_width, 5 * 35);
    QVERIFY(chart->width() <= chart->board()->width() + 2);
    QVERIFY(chart->findChild<QLineEdit*>(QStringLiteral("NTime"))->isVisibleTo(chart));
    QVERIFY(chart->MenuNowAction()->isEnabled());
    QVERIFY(window_->panel()->HeaderText().contains(QStringLiteral("時運まで")));
  }

  // At 命式のみ the board is narrow; the window still shows its whole caption and date strip, and
  // carries the program's icon rather than the toolkit's.
  void theNarrowChartShowsItsCaptionStripAndTheProgramsIcon() {
    ChartWindow* chart = Open({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    QVERIFY(chart);
    QCOMPARE(chart->session().chart().range, LuckRange::kNatalOnly);
    auto* frame = qobject_cast<QMdiSubWindow*>(chart->parentWidget());
    QVERIFY(frame);
    QVERIFY(chart->width() > chart->board()->width());
    QWidget* range = chart->findChild<QComboBox*>(QStringLiteral("CB1"))->parentWidget();
    QVERIFY(chart->width() >= range->sizeHint().width());
    // The caption beside the icon and the three buttons of the title bar.
    const int bar = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    QVERIFY(frame->width() >= frame->fontMetrics().horizontalAdvance(chart->windowTitle()) + 4 * bar);

    QVERIFY(!ProgramIcon().pixmap(32).isNull());  // the drawing is built into the program
    QCOMPARE(frame->windowIcon().pixmap(32).toImage(), ProgramIcon().pixmap(32).toImage());
    QCOMPARE(window_->windowIcon().pixmap(32).toImage(), ProgramIcon().pixmap(32).toImage());
  }

  // F1 opens the page of the window it is pressed in; over a modal dialog the help window belongs
  // to the dialog, so that it is not blocked while the dialog stays open.
  void f1OpensThePageOfTheWindowItIsPressedIn() {
    ChartWindow* chart = Open({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    QVERIFY(chart);
    QTest::keyClick(chart->board(), Qt::Key_F1);
    auto* help = window_->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(help);
    QCOMPARE(help->Topic(), kChartWindowHelpTopic);
    QCOMPARE(help->Browser()->documentTitle(), QStringLiteral("命式ウィンドウ"));
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("通根")));
    QTest::keyClick(window_->entry_bar()->date_field(), Qt::Key_F1);
    QCOMPARE(help->Topic(), 10000);

    EraDateDialog dialog(fixture_->interaction, *DateTime::FromDate(2026, 12, 10), window_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    QTest::keyClick(dialog.era_text(), Qt::Key_F1);
    auto* dialog_help = dialog.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(dialog_help);
    QVERIFY(dialog_help->isVisible());
    QCOMPARE(dialog_help->Topic(), kEraDateHelpTopic);
    QCOMPARE(dialog_help->Browser()->documentTitle(), QStringLiteral("和暦変換入力"));
    QVERIFY(dialog.isVisible());
  }

  void stepsMoveTheMomentAndStopAtTheBounds() {
    ChartWindow* chart = Open({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    ChooseRange(*chart, 5);
    SetMoment(*chart, QDate(2000, 1, 10), QStringLiteral("22:00"));
    QCOMPARE(Moment(*chart), QStringLiteral("2000/01/10 22:00"));
    chart->Command(ChartCommand::kNext)->trigger();
    QCOMPARE(Moment(*chart), QStringLiteral("2000/01/11 00:00"));
    QCOMPARE(chart->findChild<QDateEdit*>(QStringLiteral("NDate"))->date(), QDate(2000, 1, 11));
    QCOMPARE(chart->findChild<QLineEdit*>(QStringLiteral("NTime"))->text(), QStringLiteral("00:00"));
    QTest::mouseClick(chart->findChild<QWidget*>(QStringLiteral("UpDown1Down")), Qt::LeftButton);
    QCOMPARE(Moment(*chart), QStringLiteral("2000/01/10 22:00"));

    // 大運まで five years after birth: ten years back would precede the birth.
    ChooseRange(*chart, 1);
    SetMoment(*chart, QDate(1989, 2, 10), QStringLiteral("12:00"));
    QVERIFY(!chart->Command(ChartCommand::kPrevious)->isEnabled());
    QVERIFY(chart->Command(ChartCommand::kNext)->isEnabled());
    chart->Command(ChartCommand::kNext)->trigger();
    QCOMPARE(Moment(*chart), QStringLiteral("1999/02/10 12:00"));
    QVERIFY(chart->Command(ChartCommand::kPrevious)->isEnabled());

    // Before the birth the window keeps its chart, says why, and its strip shows the chart's moment.
    SetMoment(*chart, QDate(1980, 1, 1), QStringLiteral("12:00"));
    QCOMPARE(Moment(*chart), QStringLiteral("1999/02/10 12:00"));
    QCOMPARE(chart->findChild<QDateEdit*>(QStringLiteral("NDate"))->date(), QDate(1999, 2, 10));
    QCOMPARE(fixture_->interaction.refusals.back(),
             "作式日時 1980/01/01 12:00 は生年月日時から 0〜110 歳の範囲にありません");

    // At 命式のみ nothing moves, so neither step is offered.
    ChooseRange(*chart, 0);
    QVERIFY(!chart->Command(ChartCommand::kPrevious)->isEnabled());
    QVERIFY(!chart->Command(ChartCommand::kNext)->isEnabled());
  }

  void aClickOnAStemOffersTheHandChangesAndThePanelFollows() {
    ChartWindow* chart = Open({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    const TextTable before = window_->panel()->Content().SG2.text;
    const BoardPosition year_stem{board::kYear, board::kWorkStem};
    QMenu* menu = chart->HandChangeMenuFor(year_stem);
    const QList<QAction*> entries = menu->actions();
    QCOMPARE(entries.size(), 7);
    QCOMPARE(entries[2]->text(), QStringLiteral("年柱:干 <甲> を ◇:化 に変更"));
    QVERIFY(!entries[0]->isEnabled());
    entries[2]->trigger();
    QCOMPARE(ToQString(chart->session().chart().board(board::kYear, board::kWorkStem).Text), QStringLiteral("戊"));
    QCOMPARE(window_->panel()->Content().SG2.text, chart->session().content().SG2.text);
    QVERIFY(!(window_->panel()->Content().SG2.text == before));  // the numbers follow the change

    // A real click on the cell opens the menu just below it (EdSW is on, TCB off in the shipped settings).
    const QRect cell = chart->board()->CellRectPx({board::kDay, board::kWorkStem});
    QTest::mouseClick(chart->board(), Qt::LeftButton, Qt::NoModifier, cell.center());
    auto* opened = chart->findChild<QMenu*>(QStringLiteral("HandChangeMenu"));
    QVERIFY(opened && opened->isVisible());
    QVERIFY(opened->actions().first()->text().startsWith(QStringLiteral("日柱:干 <甲>")));
    opened->close();
  }

  void theTextCopyIsWhatTheCommandLinePrints() {
    struct Case {
      EntryFields person;
      int range;
      QDate date;
      QString time;
    };
    const QList<Case> cases = {
        {{"山田太郎", Sex::kMale, "1984/02/10", "12:00"}, 1, QDate(1995, 3, 15), QStringLiteral("09:30")},
        {{"佐藤花子", Sex::kFemale, "1990/07/23", "99:99"}, 5, QDate(2024, 12, 31), QStringLiteral("23:10")},
        {{"田中一郎", Sex::kMale, "1950/11/30", "04:05"}, 3, QDate(2001, 6, 1), QStringLiteral("00:00")},
        {{"春野立子", Sex::kFemale, "1986/02/04", "12:03"}, 0, QDate(2020, 1, 1), QStringLiteral("00:00")},  // near 立春
    };
    for (const Case& c : cases) {
      ChartWindow* chart = Open(c.person);
      QVERIFY(chart);
      ChooseRange(*chart, c.range);
      SetMoment(*chart, c.date, c.time);
      chart->Command(ChartCommand::kTextCopy)->trigger();
      QProcess cli;
      const QString at = c.date.toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char(' ') + c.time;
      cli.start(QStringLiteral(KIRVO_CLI),
                {QStringLiteral("chart"), QStringLiteral("--folder"), ToQString(fixture_->folder().string()),
                 QStringLiteral("--name"), ToQString(c.person.name), QStringLiteral("--sex"),
                 c.person.sex == Sex::kMale ? QStringLiteral("男") : QStringLiteral("女"), QStringLiteral("--birth"),
                 ToQString(c.person.date + " " + c.person.time), QStringLiteral("--at"), at, QStringLiteral("--range"),
                 QString::number(c.range)});
      QVERIFY(cli.waitForFinished(20000));
      QCOMPARE(cli.exitCode(), 0);
      const QString printed = QString::fromUtf8(cli.readAllStandardOutput());
      // The chart's block ends with the board's bottom rule, or the near-term line after it; the
      // relation lists follow.
      QStringList block;
      for (const QString& line : printed.split(QLatin1Char('\n'))) {
        if (line == QStringLiteral("[干関係]")) break;
        block << line;
      }
      QCOMPARE(block.last().startsWith(QStringLiteral("※節入り注意")), c.person.name == "春野立子");
      QCOMPARE(QApplication::clipboard()->text().split(QLatin1Char('\n')), block);
      chart->Command(ChartCommand::kClose)->trigger();
      QTRY_VERIFY(window_->ActiveChartWindow() == nullptr);
    }
  }

  // A birth between the two methods' 立春: the month and year titles carry the mark with the
  // notice's hint, and the panel marks the birth moment.
  void aBirthNearAMonthTermIsMarkedOnTheBoardAndInThePanel() {
    ChartWindow* chart = Open({"春野立子", Sex::kFemale, "1986/02/04", "12:03"});
    QVERIFY(chart);
    const std::optional<NearTermNotice>& notice = chart->session().content().near_term;
    QVERIFY(notice.has_value());
    QVERIFY(notice->marks_year);
    auto* board = chart->findChild<ChartBoardWidget*>();
    QVERIFY(board);
    for (const BoardColumn column : {board::kDay, board::kMonth, board::kYear}) {  // the day first: no hint shows yet
      const QPoint centre = board->CellRectPx({column, board::kDepthRow}).center();
      QHelpEvent help(QEvent::ToolTip, centre, board->mapToGlobal(centre));
      QApplication::sendEvent(board, &help);
      const bool marked = column != board::kDay;
      QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), marked ? ToQString(notice->hint) : QString());
    }
    QVERIFY(ToQString(notice->hint).contains(QStringLiteral("標準（使用中）")));
    auto* birth = window_->panel()->findChild<QLabel*>(QStringLiteral("DT"));
    QVERIFY(birth);
    QVERIFY(birth->text().contains(QStringLiteral("1986/02/04 12:03")));
    QVERIFY(birth->text().contains(QStringLiteral("※")));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::ChartWindowTest)
#include "chart_window_test.moc"
