// Start-up and close of the program: the required files, the first run, what the close writes
// and what the next start reads back.
#include <map>

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <cstdint>

#include "app/frame/single_instance.h"
#include "platform/ini_file.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"
#include "presentation/frame/window_placement.h"
#include "presentation/services/recent_files.h"
#include "program_fixture.h"

namespace kirvo {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void missingRequiredFileEndsStartUp_data() {
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("message");
    QTest::newRow("help index") << QStringList{"help/index.html", "SysF.ini"}
                                << QStringLiteral("help/index.htmlが、ありません。");
    QTest::newRow("first of two") << QStringList{"SinSetu.dat", "MemoF.ini"} << QStringLiteral("MemoF.iniが、ありません。");
    QTest::newRow("memo file, any case") << QStringList{"Memo.Dat"} << QStringLiteral("Memo.datが、ありません。");
    QTest::newRow("last") << QStringList{"Default.zou"} << QStringLiteral("Default.zouが、ありません。");
  }
  void missingRequiredFileEndsStartUp() {
    QFETCH(QStringList, removed);
    QFETCH(QString, message);
    ProgramFixture fixture;
    for (const QString& name : removed) QVERIFY(std::filesystem::remove(fixture.folder() / name.toStdString()));
    QVERIFY(fixture.Start() == nullptr);
    QCOMPARE(fixture.exit_code, 1);
    QCOMPARE(fixture.interaction.messages, std::vector<std::string>{message.toStdString()});
    QVERIFY(!std::filesystem::exists(fixture.store_file()));  // nothing was started
  }

  // A first run starts maximized; the close writes the toolbar places and the placement, and the
  // next start takes them back instead of maximizing.
  void closeWritesPlacesThatTheNextStartRestores() {
    ProgramFixture fixture;
    {
      std::unique_ptr<Program> program = fixture.Start();
      QVERIFY(program);
      MainWindow& window = program->main_window();
      window.ShowAtStart();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QVERIFY(window.isMaximized());
      window.showNormal();
      window.setGeometry(100, 120, 600, 500);  // within the offscreen screen: a kept placement is fitted to it
      window.toolbars()[3]->hide();  // WindowBar
      window.toolbars()[2]->hide();  // the entry bar comes back regardless
      QVERIFY(window.close());
    }
    const Outcome<IniFile> ini = IniFile::Load(fixture.folder() / "KIRVO.ini");
    QVERIFY(ini.ok());
    QCOMPARE(ini->ReadInteger("TBarPosWindowBar", "Visible", -1), 0);
    QCOMPARE(ini->ReadInteger("TBarPosFileBar", "Visible", -1), 1);
    QCOMPARE(ini->ReadString("TBarPosFileBar", "DockedTo", ""), std::string("Dock97"));
    QCOMPARE(ini->ReadInteger("TBarPosEntBar", "Rev", 0), 3);
    QVERIFY(ini->HasKey("TBarPosMeiWin", "ClientWidth"));

    Outcome<FileSettingsStore> store = FileSettingsStore::Open(fixture.store_file());
    QVERIFY(store.ok());
    QCOMPARE(store->ReadString("", "Dir"), fixture.folder().string());
    QCOMPARE(store->ReadString("", "Ver"), std::string("1540"));
    const std::optional<WindowPlacement> placement = DecodeWindowPlacement(store->ReadBinary("Main", "MainFWinPlace1"));
    QVERIFY(placement);
    QCOMPARE(placement->left, 100);
    QCOMPARE(placement->bottom, 120 + 500);

    std::unique_ptr<Program> again = fixture.Start();
    QVERIFY(again);
    MainWindow& window = again->main_window();
    window.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.geometry(), QRect(100, 120, 600, 500));
    QVERIFY(window.toolbars()[3]->isHidden());
    QVERIFY(!window.toolbars()[2]->isHidden());
    QVERIFY(fixture.interaction.messages.empty());
  }

  // A start and an exit without an edit leave every file of the program folder as it was (the
  // hidden-stem file's "・" cells included) and say nothing.
  void unchangedExitLeavesTheFilesAsTheyWere() {
    ProgramFixture fixture;
    const char* const kFiles[] = {"SysF.ini", "USysF.ini", "Default.zou", "TZone.dat", "Default.nam", "KakuSetu.dat"};
    std::map<std::string, std::string> before;
    for (const char* name : kFiles) before[name] = ReadFileBytes(fixture.folder() / name).value();
    for (int start = 0; start < 2; ++start) {  // the first start and a later one
      std::unique_ptr<Program> program = fixture.StartShown();
      QVERIFY(program);
      QVERIFY(program->main_window().close());
    }
    for (const auto& [name, bytes] : before) {
      QVERIFY2(ReadFileBytes(fixture.folder() / name).value() == bytes, name.c_str());
    }
    QVERIFY(fixture.interaction.messages.empty());
  }

  // A recent file that no longer exists beeps and says so, as 開く does.
  void missingRecentFileIsTold() {
    ProgramFixture fixture;
    const std::string gone = (fixture.folder() / "Gone.nam").string();
    {
      Outcome<FileSettingsStore> store = FileSettingsStore::Open(fixture.store_file());
      QVERIFY(store.ok());
      QVERIFY(store.value().WriteString(kRecentFilesKey, kRecentFilesValue, gone).ok());
    }
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    QAction* entry = nullptr;
    for (QAction* item : program->main_window().menu(MainMenu::kFile)->actions()) {
      if (item->text().endsWith(QString::fromStdString(gone))) entry = item;
    }
    QVERIFY(entry);
    const int beeps = fixture.interaction.beeps;
    fixture.interaction.messages.clear();
    entry->trigger();
    QCOMPARE(fixture.interaction.beeps, beeps + 1);
    QCOMPARE(fixture.interaction.messages, std::vector<std::string>{"『" + gone + "』がありません。"});
  }

  // A kept placement of extreme values (a 2 GB window at -32767 once) or of a huge rectangle is
  // fitted to the screen; an empty one leaves the window where it opens.
  void keptPlacementIsFittedToTheScreen() {
    struct Case {
      std::int32_t left, top, right, bottom;
    };
    for (const Case c : {Case{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, Case{0, 0, 60000, 40000}, Case{50, 50, 50, 400}}) {
      ProgramFixture fixture;
      QVERIFY(WriteShiftJisFile(fixture.folder() / "KIRVO.ini", "[TBarPosFileBar]\nVisible=1\n").ok());
      {
        Outcome<FileSettingsStore> store = FileSettingsStore::Open(fixture.store_file());
        QVERIFY(store.ok());
        WindowPlacement kept;
        kept.left = c.left, kept.top = c.top, kept.right = c.right, kept.bottom = c.bottom;
        QVERIFY(store.value().WriteBinary("Main", "MainFWinPlace1", EncodeWindowPlacement(kept)).ok());
      }
      std::unique_ptr<Program> program = fixture.Start();
      QVERIFY(program);
      MainWindow& window = program->main_window();
      window.ShowAtStart();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      const QRect screen = window.screen()->availableGeometry();
      QVERIFY2(window.width() <= screen.width() && window.height() <= screen.height(),
               qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
      QVERIFY(screen.intersects(window.geometry()));
    }
  }

  // OEM.ini brands the title and hides the main window's controls and commands it names.
  void brandingTitleAndHiddenControls() {
    ProgramFixture fixture;
    QVERIFY(WriteShiftJisFile(fixture.folder() / "OEM.ini",
                              "[App]\nTitle=星読み\n[MainF]\nKouBtn=hide\nAURL=hide\nMeiBtn=show\n")
                .ok());
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    window.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("星読みVer1.54  [Default.nam]"));
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("KouBtn"))->isVisible());
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("MeiBtn"))->isVisible());
    QVERIFY(!window.command(MainCommand::kSupportPage)->isVisible());
    QVERIFY(window.command(MainCommand::kHelp)->isVisible());
    // Applying the system settings again keeps the branding's hides.
    program->settings_hub().CommitSystemSettings(program->services().sys());
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("KouBtn"))->isVisible());
  }

  // A second start finds the lock taken and asks the running program to come forward.
  void secondStartActivatesTheFirst() {
    QTemporaryDir folder;
    SingleInstance first(folder.path(), QStringLiteral("KRV_MUTEX"));
    QVERIFY(first.Acquire());
    first.Listen();
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    SingleInstance second(folder.path(), QStringLiteral("KRV_MUTEX"));
    QVERIFY(!second.Acquire());
    QVERIFY(second.ActivateRunning());
    QVERIFY(activations.wait(2000));

    QTemporaryDir other_user;
    SingleInstance elsewhere(other_user.path(), QStringLiteral("KRV_MUTEX"));
    QVERIFY(elsewhere.Acquire());
  }

  // Ctrl+X is 終了 (met before 命式・行運を全て閉じる in the menus) while no text field has the
  // focus: the close sequence runs and writes KIRVO.ini.
  void ctrlXEndsTheProgram() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.client_area()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
    QVERIFY(std::filesystem::exists(fixture.folder() / "KIRVO.ini"));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::StartupTest)
#include "startup_test.moc"
