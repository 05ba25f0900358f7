// The main window with its side panel and chart children: a typed person opens a chart child that
// fills the panel, the panel follows the active child, and the help and notices commands open
// their windows.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QToolTip>

#include "app/chart/chart_graph_widget.h"
#include "app/frame/help_window.h"
#include "app/frame/notices_window.h"
#include "app/frame/side_panel.h"
#include "app/memos/memo_panel.h"
#include "app/widgets/explanation_area.h"
#include "data/memo_file.h"
#include "app/widgets/content_grid_view.h"
#include "app/bridge/text.h"
#include "app/chart/chart_window.h"
#include "presentation/panel/chart_content_model.h"
#include "program_fixture.h"

namespace kirvo {
namespace {

// The rows of a grid as its view shows them, cells joined by "|".
QStringList RowsOf(const QAbstractItemModel& model) {
  QStringList rows;
  for (int row = 0; row < model.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column) {
      cells.append(model.index(row, column).data(Qt::DisplayRole).toString());
    }
    rows.append(cells.join(QLatin1Char('|')));
  }
  return rows;
}

QStringList ContentTableRows(const MainWindow& window) {
  return RowsOf(*window.panel()->GridView(CopyableGrid::kContentTable)->model());
}

void Type(QLineEdit* field, const QString& digits) {
  field->setFocus();
  field->clear();
  field->setCursorPosition(0);
  QTest::keyClicks(field, digits);
}

}  // namespace

class MainWindowPanelTest : public QObject {
  Q_OBJECT

 private:
  ProgramFixture* fixture_ = nullptr;
  std::unique_ptr<Program> program_;
  MainWindow* window_ = nullptr;

  // Types a person into the entry bar as a user does and presses 命式.
  void OpenChart(const QString& name, int sex, const QString& date_digits, const QString& time_digits) {
    EntryBar* bar = window_->entry_bar();
    bar->name_field()->setFocus();
    bar->name_field()->setEditText(QString());
    // Kanji come as key events carrying text, as an input method delivers them.
    for (const QChar ch : name) {
      QTest::sendKeyEvent(QTest::Click, bar->name_field()->lineEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    bar->sex_field()->setCurrentIndex(sex);
    Type(bar->date_field(), date_digits);
    Type(bar->time_field(), time_digits);
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("MeiBtn")), Qt::LeftButton);
  }

 private slots:
  void init() {
    fixture_ = new ProgramFixture();
    program_ = fixture_->StartShown();
    QVERIFY(program_);
    window_ = &program_->main_window();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() {
    program_.reset();
    delete fixture_;
  }

  void chartCommandFillsTheSidePanel() {
    QVERIFY(window_->panel()->isVisibleTo(window_));
    QCOMPARE(window_->panel()->HeaderText(), QStringLiteral("命式内容"));
    OpenChart(QStringLiteral("山田太郎"), 0, QStringLiteral("19840210"), QStringLiteral("1200"));
    QCOMPARE(window_->ChildCaptions(), std::vector<std::string>{"山田太郎 さんの命式"});

    // 甲子 丙寅 甲戌 庚午, a man, seen as the chart alone (the shipped range 命式のみ).
    const QStringList expected = {
        QStringLiteral("順数値|29.25|弱めたい|火土金|日主|甲"),
        QStringLiteral("逆数値|32.06|忌神|火|用神|丙"),
        QStringLiteral("順－逆|-2.81|強めたい|木水|調候|丙癸"),
        QStringLiteral("均衡度|91.23|喜神|木|身|身弱"),
        QStringLiteral("吉度数|88.30|空亡|申酉|内外格|内格"),
        QStringLiteral("||破宅神|● 癸酉|宅神|○ 己卯"),
        QStringLiteral("||墓神|■ 己巳|墓石|□ 乙亥"),
        QStringLiteral("||日干支併臨|◆ 甲戌|天地徳合|◇ 己卯"),
        QStringLiteral("||月干支併臨|▲ 丙寅||"),
    };
    QCOMPARE(ContentTableRows(*window_), expected);
    QVERIFY(window_->panel()->HeaderText().contains(QStringLiteral("命式のみ")));
    QCOMPARE(ToQString(window_->panel()->Content().record.PersonName), QStringLiteral("山田太郎"));
    // The child is the chart window; its text copy is the session's.
    auto* child = dynamic_cast<ChartWindow*>(window_->ActiveChartWindow());
    QVERIFY(child);
    QStringList lines;
    for (const std::string& line : child->session().TextCopy(false)) lines << ToQString(line);
    child->Command(ChartCommand::kTextCopy)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
  }

  // A click on a chart cell shows the memo of its word in the メモ tab; a memo typed there is on
  // disk after the exit.
  void aClickedWordShowsItsMemoAndTheEditSurvivesTheExit() {
    OpenChart(QStringLiteral("山田太郎"), 0, QStringLiteral("19840210"), QStringLiteral("1200"));
    auto* child = dynamic_cast<ChartWindow*>(window_->ActiveChartWindow());
    QVERIFY(child);
    window_->panel()->Explanations()->setCurrentIndex(ExplanationArea::kPatternTab);
    emit child->memoWordRequested(QStringLiteral("○比肩"));
    QCOMPARE(window_->panel()->Explanations()->currentIndex(), int(ExplanationArea::kMemoTab));
    MemoPanel* memos = window_->memo_panel();
    QCOMPARE(memos->Address(), QStringLiteral(" 0:比肩 >0:基本"));
    QVERIFY(memos->Text().startsWith(QStringLiteral("比肩: ")));
    memos->Editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(memos->Editor(), QStringLiteral(" (memo)"));
    window_->close();
    const Loaded<MemoList> saved = LoadMemoFile(fixture_->folder());
    const std::optional<std::size_t> at = saved.value.Find({2, 0, 0});
    QVERIFY(at.has_value());
    QVERIFY(saved.value.Text(*at).ends_with(" (memo)"));
    QVERIFY(std::filesystem::exists(fixture_->folder() / "Memo.Bak"));
  }

  // After 命式 the graphs show the chart's figures; the window's activation takes the five-element
  // graph back from the clicked 構成 to the mode of the rule settings (力量 as shipped).
  void graphsShowTheChartAndActivationResetsTheirMode() {
    OpenChart(QStringLiteral("山田太郎"), 0, QStringLiteral("19840210"), QStringLiteral("1200"));
    auto* ten_gods = window_->panel()->findChild<ChartGraphWidget*>(QStringLiteral("HChart"));
    auto* elements = window_->panel()->findChild<ChartGraphWidget*>(QStringLiteral("GChart"));
    QVERIFY(ten_gods != nullptr && elements != nullptr);
    const ChartContent& computed = window_->ActiveChartWindow()->session().content();
    QVERIFY(ten_gods->Component().has_figure);
    QVERIFY(ten_gods->Component().values == computed.ten_god_graph.values);
    QVERIFY(computed.ten_god_graph.values != (GraphNumbers{}));
    QCOMPARE(elements->Component().caption, std::string("力量"));

    QTest::mouseClick(elements, Qt::LeftButton, {}, elements->rect().center());
    QCOMPARE(elements->Component().caption, std::string("構成"));
    QVERIFY(window_->isActiveWindow());
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(window_, &activation);
    QCOMPARE(elements->Component().caption, std::string("力量"));
  }

  void thePanelFollowsTheActiveChartChild() {
    OpenChart(QStringLiteral("山田太郎"), 0, QStringLiteral("19840210"), QStringLiteral("1200"));
    const QStringList first = ContentTableRows(*window_);
    OpenChart(QStringLiteral("佐藤花子"), 1, QStringLiteral("19900723"), QStringLiteral("9999"));
    QCOMPARE(window_->ChildCaptions().size(), 2u);
    const QStringList second = ContentTableRows(*window_);
    QVERIFY(second != first);
    QCOMPARE(ToQString(window_->panel()->Content().record.PersonName), QStringLiteral("佐藤花子"));

    // The first child comes forward through the window list: the panel shows its chart again.
    QMdiSubWindow* yamada = window_->ChildrenInListOrder().at(1);
    window_->client_area()->setActiveSubWindow(yamada);
    QCOMPARE(ContentTableRows(*window_), first);
    QCOMPARE(ToQString(window_->panel()->Content().record.PersonName), QStringLiteral("山田太郎"));
    window_->client_area()->activateNextSubWindow();
    QCOMPARE(ContentTableRows(*window_), second);
  }

  void panelMenuWorksInTheDock() {
    OpenChart(QStringLiteral("山田太郎"), 0, QStringLiteral("19840210"), QStringLiteral("1200"));
    SidePanel* panel = window_->panel();
    // A right press on the content table offers its text copy; the copy is the table as shown.
    ContentGridView* snb = panel->GridView(CopyableGrid::kContentTable);
    const QPoint cell = snb->visualRect(snb->model()->index(0, 0)).center();
    QTest::mousePress(snb->viewport(), Qt::RightButton, {}, cell);
    QTest::mouseRelease(snb->viewport(), Qt::RightButton, {}, cell);
    QVERIFY(panel->CopyAction()->isVisible());
    QApplication::clipboard()->clear();
    panel->CopyAction()->trigger();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("┌─────┬")));
    QVERIFY(copied.contains(QStringLiteral("│日主      │甲        │")));

    // The pointer over column 5, row 2 of the content table shows that cell's text as a hint.
    const QModelIndex hinted = snb->model()->index(2, 5);
    const QPoint over = snb->visualRect(hinted).center();
    QHelpEvent hover(QEvent::ToolTip, over, snb->viewport()->mapToGlobal(over));
    QApplication::sendEvent(snb->viewport(), &hover);
    QVERIFY(!hinted.data().toString().isEmpty());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), hinted.data().toString());

    // A section toggle hides its part of the panel; 命式内容 hides and shows the whole dock.
    QAction* table = panel->SectionAction(ContentSection::kContentTable);
    QVERIFY(table->isChecked());
    table->trigger();
    QVERIFY(snb->isHidden());
    table->trigger();
    QVERIFY(!snb->isHidden());
    QAction* dock = window_->command(MainCommand::kSidePanel);
    dock->trigger();
    QVERIFY(window_->side_panel()->isHidden());
    dock->trigger();
    QVERIFY(!window_->side_panel()->isHidden());
    QVERIFY(dock->isChecked());
  }

  void keysOpenHelpAndNotices() {
    QTest::keyClick(window_, Qt::Key_F1);
    auto* help = window_->findChild<HelpWindow*>();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->Topic(), 10000);
    QVERIFY(!help->Browser()->toPlainText().isEmpty());
    // A second F1 brings the same window forward.
    help->hide();
    QTest::keyClick(window_, Qt::Key_F1);
    QCOMPARE(window_->findChildren<HelpWindow*>().size(), 1);
    QVERIFY(help->isVisible());

    QVERIFY(window_->command(MainCommand::kNotices)->isEnabled());
    QTest::keyClick(window_, Qt::Key_I, Qt::ControlModifier);
    auto* notices = window_->findChild<NoticesWindow*>();
    QVERIFY(notices);
    QTRY_VERIFY(notices->isVisible());
    QCOMPARE(notices->NoticeText(), QStringLiteral("保存されているお知らせはありません。"));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::MainWindowPanelTest)
#include "main_window_panel_test.moc"
