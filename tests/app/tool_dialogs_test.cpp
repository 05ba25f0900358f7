// The tools of the main window: the special characters, the tools list and its menu, and backup and
// restore run through their dialogs.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/frame/main_commands.h"
#include "app/frame/main_window.h"
#include "app/tools/backup_dialog.h"
#include "app/tools/special_characters_dialog.h"
#include "app/tools/tool_settings_dialog.h"
#include "app/tools/tools_menu.h"
#include "platform/text_file.h"
#include "program_fixture.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

FileSettingsStore OpenStore(const TempFolder& folder) { return FileSettingsStore::Open(folder / "store.reg").value(); }

void EnterCode(SpecialCharactersDialog& dialog, const QString& code) {
  dialog.code_field()->selectAll();
  QTest::keyClicks(dialog.code_field(), code);
}

QPushButton* OkOf(QDialog& dialog) {
  return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

}  // namespace

class ToolDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void theSpecialCharacterDialogClosesOnlyOnARealDoubleByteCharacter() {
    TempFolder folder;
    FileSettingsStore store = OpenStore(folder);
    RecordingInteraction interaction;
    SpecialCharactersDialog dialog(store, interaction, "Kirvolan", nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("TGaijiF"));
    QCOMPARE(dialog.character_label()->text(), QStringLiteral("正"));
    QCOMPARE(dialog.name_label()->text(), QStringLiteral("魁正"));

    const struct {
      QString code;
      std::string message;
    } refused[] = {{"90B", "文字ｺｰﾄﾞは、半角４文字で指定して下さい。"},
                   {"ZZB3", "『ZZB3』は、不正なS-JISｺｰﾄﾞです。"},
                   {"4142", "『4142』は、不正なS-JISｺｰﾄﾞです。"}};
    for (const auto& c : refused) {
      interaction.messages.clear();
      EnterCode(dialog, c.code);
      OkOf(dialog)->click();
      QCOMPARE(dialog.result(), int{QDialog::Rejected});
      QVERIFY(dialog.character_label()->text().isEmpty());
      QCOMPARE(interaction.messages, std::vector<std::string>{c.message});
    }
    interaction.messages.clear();
    EnterCode(dialog, QStringLiteral("8AF8"));
    dialog.findChild<QPushButton*>(QStringLiteral("CheckBtn"))->click();
    QCOMPARE(dialog.name_label()->text(), QStringLiteral("魁旗"));
    dialog.unicode_box()->setChecked(true);
    QCOMPARE(dialog.name_label()->text(), QStringLiteral("魁罡"));
    OkOf(dialog)->click();
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(dialog.character_label()->text(), QStringLiteral("旗"));
    QCOMPARE(interaction.messages.size(), std::size_t{1});  // the restart notice
    QCOMPARE(store.ReadString("Sys", "Gaiji1"), std::string("8AF8"));
    QCOMPARE(store.ReadString("Sys", "GaijiUnicode"), std::string("1"));

    // ｷｬﾝｾﾙ puts back what was read and stores nothing new.
    RecordingInteraction again;
    SpecialCharactersDialog second(store, again, "Kirvolan", nullptr);
    EnterCode(second, QStringLiteral("90B3"));
    second.reject();
    QCOMPARE(store.ReadString("Sys", "Gaiji1"), std::string("8AF8"));
    QVERIFY(again.messages.empty());
  }

  void theToolsListFeedsTheMenuAndAMissingProgramIsNamed() {
    QMenu menu;
    menu.addAction(QStringLiteral("ﾂｰﾙの設定"));
    RecordingInteraction interaction;
    TempFolder folder;
    ToolsMenu tools(&menu, interaction, folder.path());
    tools.Rebuild(ToolList::FromText(kDefaultToolList));
    QCOMPARE(menu.actions().size(), 4);
    QCOMPARE(menu.actions()[2]->text(), QStringLiteral("電卓"));

    ToolSettingsDialog dialog(ToolList::FromText(kDefaultToolList), [] { return QStringLiteral("/opt/x/bin/prog"); });
    connect(&dialog, &ToolSettingsDialog::listChanged, &tools, &ToolsMenu::Rebuild);
    dialog.table()->selectRow(1);
    QCOMPARE(dialog.field(2)->text(), QStringLiteral("Readme.txt"));
    dialog.field(0)->setText(QStringLiteral("存在しない"));
    dialog.browse_button()->click();
    QCOMPARE(dialog.field(1)->text(), QStringLiteral("/opt/x/bin/prog"));
    QCOMPARE(dialog.field(3)->text(), QStringLiteral("/opt/x/bin"));
    dialog.add_button()->click();
    QCOMPARE(menu.actions().size(), 5);
    QCOMPARE(menu.actions()[4]->text(), QStringLiteral("存在しない"));

    menu.actions()[4]->trigger();
    QCOMPARE(interaction.messages, std::vector<std::string>{"『/opt/x/bin/prog』が見つかりません。"});

    dialog.table()->selectRow(0);
    dialog.delete_button()->click();
    dialog.delete_button()->click();
    dialog.delete_button()->click();
    QCOMPARE(menu.actions().size(), 2);
    QVERIFY(dialog.list().Entries().empty());
  }

  void backupThenRestoreThroughTheDialogReturnsTheFiles() {
    TempFolder program;
    TempFolder media;
    TempFolder user;
    QVERIFY(WriteFileAtomically(program / "a.nam", "person").ok());
    QVERIFY(WriteFileAtomically(program / "SinSetu.dat", "text").ok());
    FileSettingsStore store = OpenStore(user);
    QVERIFY(store.WriteString("Sys", "Gaiji1", "8AF8").ok());
    RecordingInteraction interaction(true);
    BackupDialog dialog({program.path(), store, interaction, "Kirvolan", nullptr, nullptr});
    QCOMPARE(dialog.objectName(), QStringLiteral("BackF"));
    dialog.folder_field()->setText(QString::fromStdString((media / "new" / "kv").string()));
    QCOMPARE(dialog.backup_summary()->text(), QStringLiteral("媒体 or フォルダ がありません。"));

    QSignalSpy copied(&dialog, &BackupDialog::copyFinished);
    dialog.backup_button()->click();
    QVERIFY(copied.wait(5000));
    QCOMPARE(copied.takeFirst().at(0).toBool(), true);
    QCOMPARE(interaction.questions.size(), std::size_t{2});  // create the folder, then go
    QCOMPARE(interaction.messages.back(), std::string("バックアップが終了しました。"));
    QVERIFY(dialog.backup_summary()->text().startsWith(QStringLiteral("【合計ファイル数：　3】")));

    QVERIFY(WriteFileAtomically(program / "a.nam", "lost").ok());
    QVERIFY(store.WriteString("Sys", "Gaiji1", "90B3").ok());
    // One file cannot be replaced: the restore names it and says it did not complete.
    std::filesystem::create_directory(program / "b.nam");
    QVERIFY(WriteFileAtomically(media / "new" / "kv" / "b.nam", "b").ok());
    QSignalSpy restored(&dialog, &BackupDialog::restoreCompleted);
    dialog.restore_button()->click();
    QVERIFY(copied.wait(5000));
    QCOMPARE(copied.takeFirst().at(0).toBool(), false);
    QVERIFY(restored.isEmpty());
    const QString failure = QString::fromStdString(interaction.messages.back());
    QVERIFY2(failure.startsWith(QStringLiteral("『b.nam』をコピーできませんでした。")), qPrintable(failure));
    QVERIFY(failure.endsWith(QStringLiteral("リストアは完了しませんでした。")));

    std::filesystem::remove(program / "b.nam");
    dialog.restore_button()->click();
    QVERIFY(copied.wait(5000));
    QCOMPARE(copied.takeFirst().at(0).toBool(), true);
    QCOMPARE(restored.size(), 1);
    QCOMPARE(ReadFileBytes(program / "a.nam").value(), std::string("person"));
    QCOMPARE(store.ReadString("Sys", "Gaiji1"), std::string("8AF8"));

    dialog.kind_box(0)->setChecked(false);
    dialog.accept();
    QCOMPARE(store.ReadString("Back", "CG1"), std::string("14"));
  }

  void theMainWindowCommandsOpenTheToolDialogs() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    for (const auto& [which, form] : {std::pair{MainCommand::kBackup, "BackF"},
                                      std::pair{MainCommand::kSpecialCharacters, "TGaijiF"},
                                      std::pair{MainCommand::kToolSettings, "ToolF"}}) {
      QAction* action = window.command(which);
      QVERIFY(action->isEnabled());
      QString opened;
      QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        opened = modal->objectName();
        static_cast<QDialog*>(modal)->reject();
      });
      action->trigger();
      QCOMPARE(opened, QString::fromUtf8(form));
    }
    // The tools menu holds the shipped entries after its own two items.
    const QList<QAction*> items = window.menu(MainMenu::kTools)->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[3]->text(), QStringLiteral("Readme"));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::ToolDialogsTest)
#include "tool_dialogs_test.moc"
