// The child windows of the main window: the window list, tiling and the window commands.
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <QTest>

#include "presentation/frame/child_windows.h"
#include "presentation/frame/window_arrangement.h"
#include "program_fixture.h"

namespace kirvo {

class ChildWindowsTest : public QObject {
  Q_OBJECT

 private:
  static void OpenChart(MainWindow& window, const QString& name) {
    window.entry_bar()->SetFields({name.toStdString(), Sex::kMale, "1984/02/10", "12:30"});
    window.OpenChild(ChartWindowKind::kChart, window.entry_bar()->Fields());
  }
  static QList<QAction*> WindowListEntries(MainWindow& window) {
    QList<QAction*> entries;
    for (QAction* action : window.menu(MainMenu::kWindow)->actions()) {
      if (action->isCheckable()) entries.append(action);
    }
    return entries;
  }

 private slots:
  void windowListShowsAtMostAHundredEntries() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    program->services().sys().SCB3 = false;  // cascade: cheaper than tiling a hundred windows
    for (int i = 0; i < 102; ++i) OpenChart(window, QStringLiteral("人%1").arg(i));
    QCOMPARE(window.ChildCaptions().size(), 102u);
    window.RebuildWindowList();
    const QList<QAction*> entries = WindowListEntries(window);
    QCOMPARE(entries.size(), 100);
    QCOMPARE(entries.front()->text(), QStringLiteral("人101 さんの命式"));  // the active window first
    QVERIFY(entries.front()->isChecked());

    // Choosing an entry brings its window forward.
    entries[5]->trigger();
    QCOMPARE(window.client_area()->activeSubWindow()->windowTitle(), QStringLiteral("人96 さんの命式"));
    QCOMPARE(window.ChildCaptions().front(), std::string("人96 さんの命式"));
  }

  void tileCascadeMinimiseAndCloseAll() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QVERIFY(!window.command(MainCommand::kTile)->isEnabled());
    // Enough children to fill more than one row of the area.
    for (const char* name : {"甲", "乙", "丙", "丁", "戊", "己"}) OpenChart(window, QString::fromUtf8(name));

    // Tiling lays the children out in window-list order by the core's rule.
    const QList<QMdiSubWindow*> children = window.ChildrenInListOrder();
    std::vector<WindowSize> sizes;
    for (const QMdiSubWindow* child : children) sizes.push_back({child->width(), child->height()});
    // The rows wrap by the area that shows the children, which the docked side panel narrows.
    QVERIFY(window.side_panel()->isVisible());
    const int area_width = window.client_area()->viewport()->width();
    QVERIFY(area_width <= window.width() - window.side_panel()->width());
    const std::vector<WindowPoint> expected = TilePositions(area_width, sizes);
    window.command(MainCommand::kTile)->trigger();
    for (qsizetype i = 0; i < children.size(); ++i) {
      QCOMPARE(children[i]->pos(), QPoint(expected[static_cast<std::size_t>(i)].x, expected[static_cast<std::size_t>(i)].y));
      // Every child that fits the area's width lies wholly inside it: none lands out of sight.
      if (children[i]->width() <= area_width) QVERIFY(children[i]->geometry().right() < area_width);
    }

    window.command(MainCommand::kMinimizeAll)->trigger();
    for (const QMdiSubWindow* child : children) QVERIFY(child->isMinimized());

    window.command(MainCommand::kCloseAll)->trigger();
    QTRY_VERIFY(window.ChildCaptions().empty());
    QTRY_VERIFY(!window.command(MainCommand::kCascade)->isEnabled());
  }

  // A keyboard user moves between the children and back to the entry bar without the mouse.
  void keysSwitchCloseAndLeaveChildWindows() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const QString& name : {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")}) OpenChart(window, name);
    const auto active_title = [&window] { return window.client_area()->activeSubWindow()->windowTitle(); };
    QCOMPARE(active_title(), QStringLiteral("丙 さんの命式"));
    QWidget* child = window.client_area()->activeSubWindow()->widget();
    child->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    const QString after_next = active_title();
    QVERIFY(after_next != QStringLiteral("丙 さんの命式"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(active_title(), QStringLiteral("丙 さんの命式"));

    window.client_area()->activeSubWindow()->widget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), window.entry_bar()->name_field());

    window.client_area()->activeSubWindow()->widget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), window.entry_bar()->name_field());

    window.client_area()->activeSubWindow()->widget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QTRY_COMPARE(window.ChildCaptions().size(), 2u);
    const std::vector<std::string> left = window.ChildCaptions();
    QVERIFY(std::find(left.begin(), left.end(), std::string("丙 さんの命式")) == left.end());
  }

  void sidePanelToggleFollowsThePanel() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QAction* toggle = window.command(MainCommand::kSidePanel);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(window.side_panel()->isHidden());
    QVERIFY(!toggle->isChecked());
    QCOMPARE(window.findChild<QToolButton*>(QStringLiteral("MWinBtn"))->text(), QStringLiteral("○"));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::ChildWindowsTest)
#include "child_windows_test.moc"
