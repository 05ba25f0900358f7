// The rule settings dialog "四柱推命の設定": opened from the main window, closed with OK or Cancel
// over the shipped settings files.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/settings_dialogs/rule_settings_dialog.h"
#include "presentation/settings/rule_depth_report.h"
#include "platform/text_file.h"
#include "program_fixture.h"

namespace kirvo {
namespace {

std::string Bytes(const std::filesystem::path& file) { return ReadFileBytes(file).value(); }

// The bytes of the two files the dialog writes.
struct SavedFiles {
  std::string settings;
  std::string distribution;
  bool operator==(const SavedFiles&) const = default;
};
SavedFiles FilesOf(const ProgramFixture& fixture) {
  return {Bytes(fixture.folder() / "USysF.ini"), Bytes(fixture.folder() / "Default.zou")};
}

std::unique_ptr<RuleSettingsDialog> OpenDialog(Program& program, USysSettings& settings) {
  AppServices& services = program.services();
  auto dialog = std::make_unique<RuleSettingsDialog>(
      RuleSettingsNeeds{settings, services.sys(), services.program_folder(), services.interaction(),
                        services.branding(), nullptr, nullptr, nullptr});
  dialog->show();
  return dialog;
}

// A click near the left end, where a check box or radio button has its mark.
void Click(RuleSettingsDialog& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(QString::fromUtf8(name));
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// A cell typed into its grid: the grid's model takes it as the grid's editor hands it over.
void Type(RuleSettingsDialog& dialog, const char* table, int column, int row, const char* text) {
  QAbstractItemModel* model = dialog.table(table)->model();
  model->setData(model->index(row, column), QString::fromUtf8(text));
}

std::vector<std::string> Row(const USysSettings& settings, const char* table, std::size_t row) {
  std::vector<std::string> cells;
  for (std::size_t column = 0; column < settings.Table(table).columns(); ++column) {
    cells.push_back(settings.Cell(table, column, row));
  }
  return cells;
}

}  // namespace

class RuleSettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Opened by its command and closed with OK, the dialog writes back exactly what it read: no
  // control changes a value by showing it.
  void okUnchangedRewritesTheFilesByteForByte() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    const SavedFiles before = FilesOf(fixture);
    std::filesystem::remove(fixture.folder() / "Default.zou");  // proves the close writes it
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<RuleSettingsDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      opened = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("四柱推命の設定"));
      dialog->accept();
    });
    program->main_window().command(MainCommand::kRuleSettings)->trigger();
    QVERIFY(opened);
    QVERIFY(fixture.interaction.questions.empty());  // no chart was open
    QCOMPARE(FilesOf(fixture), before);
  }

  // Open charts are closed first, after the question; No leaves them and opens nothing.
  void openChartsAreClosedAfterTheQuestion() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    window.entry_bar()->SetFields({"甲", Sex::kMale, "1984/02/10", "12:30"});
    window.OpenChild(ChartWindowKind::kChart, window.entry_bar()->Fields());
    QCOMPARE(window.ChildCaptions().size(), 1u);

    fixture.interaction.QueueAnswer(false);
    window.command(MainCommand::kRuleSettings)->trigger();
    QCOMPARE(fixture.interaction.questions.back(),
             std::string("四柱推命の設定を行う為には、現在開かれている\n\r命式・行運ｳｨﾝﾄﾞｳを閉じる必要があります。\n\r"
                         "命式・行運ｳｨﾝﾄﾞｳを閉じてよろしいですか？"));
    QCOMPARE(window.ChildCaptions().size(), 1u);

    fixture.interaction.QueueAnswer(true);
    int charts_when_opened = -1;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<RuleSettingsDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      charts_when_opened = static_cast<int>(window.client_area()->subWindowList().size());
      Click(*dialog, "KoCB");
      dialog->accept();
    });
    const bool overcoming = program->services().usys().Flag("KoCB");
    window.command(MainCommand::kRuleSettings)->trigger();
    QCOMPARE(charts_when_opened, 0);
    QCOMPARE(fixture.interaction.questions.size(), 2u);
    // The change is the rule of the run from now on.
    QCOMPARE(program->services().usys().Flag("KoCB"), !overcoming);
  }

  // Cancel returns to the stored values: the edits of every kind of control are gone from the
  // settings of the run and from the files.
  void cancelAfterEditsLeavesTheSettingsAndFiles() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    const SavedFiles before = FilesOf(fixture);
    USysSettings settings = program->services().usys();
    const USysSettings stored = settings;
    std::unique_ptr<RuleSettingsDialog> dialog = OpenDialog(*program, settings);
    Click(*dialog, "KoCB");
    Click(*dialog, "KaRG2");
    auto* balance = dialog->findChild<QLineEdit*>(QStringLiteral("NGE"));
    balance->selectAll();
    QTest::keyClicks(balance, QStringLiteral("40"));
    Type(*dialog, "ZSG", 2, 1, "11");
    Click(*dialog, "Button1");
    QCOMPARE(dialog->edited().Flag("KoCB"), !stored.Flag("KoCB"));
    QCOMPARE(dialog->edited().Choice("KaRG"), 2);
    QCOMPARE(dialog->edited().Number("NGE"), std::string("40"));
    QCOMPARE(dialog->edited().Cell("ZSG", 2, 1), std::string("11"));

    dialog->reject();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(FilesOf(fixture), before);
    QCOMPARE(settings.Flag("KoCB"), stored.Flag("KoCB"));
    QCOMPARE(settings.Choice("KaRG"), stored.Choice("KaRG"));
    QCOMPARE(settings.Number("NGE"), stored.Number("NGE"));
    QCOMPARE(Row(settings, "ZSG", 1), Row(stored, "ZSG", 1));
    QCOMPARE(Row(settings, "SSG", 1), Row(stored, "SSG", 1));
  }

  // A bad value in any table, or in the balance threshold, keeps the dialog open on its tab with
  // the failing cell current, after the beep and the message; nothing is saved.
  void badValuesAreRefusedAndTheDialogStaysOpen() {
    struct Case {
      const char* key;
      int column;
      int row;
      const char* text;
      const char* message;
      const char* tab;
    };
    const Case cases[] = {
        {"ZSG", 2, 1, "x", "「x」は整数ではありません", "蔵干"},
        {"SSG", 3, 1, "", "「」は整数ではありません", "数値１"},
        {"SSG", 1, 2, "21", "「21」は設定可能最大値より大きな値です", "数値１"},
        {"NGE", 0, 0, "0", "「0」は設定可能最小値より小さな値です", "数値２"},
        {"MSG", 3, 0, "60", "身の数値指定に誤りがあります。", "数値２"},  // above the next threshold
        {"SiSG", 2, 4, "2", "「2」は設定可能最大値より大きな値です", "神殺１"},
        {"SKSG", 1, 1, "子a", "神殺 - 干表の指定に誤りがあります。太極貴人：子a", "神殺２"},
        {"SSSG", 2, 1, "子丑寅x", "神殺 - 支表の指定に誤りがあります。天徳：子丑寅x", "神殺３"},
        {"TSG", 1, 1, "甲A", "調候用神 - の指定に誤りがあります。甲：甲A", "調候"},
    };
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    const SavedFiles before = FilesOf(fixture);
    for (const Case& c : cases) {
      USysSettings settings = program->services().usys();
      std::unique_ptr<RuleSettingsDialog> dialog = OpenDialog(*program, settings);
      if (c.key == std::string_view("NGE")) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("NGE"));
        field->selectAll();
        QTest::keyClicks(field, QString::fromUtf8(c.text));
      } else {
        Type(*dialog, c.key, c.column, c.row, c.text);
      }
      const int beeps = fixture.interaction.beeps;
      dialog->accept();
      QVERIFY2(dialog->isVisible(), c.key);
      QCOMPARE(fixture.interaction.messages.back(), std::string(c.message));
      QCOMPARE(fixture.interaction.beeps, beeps + 1);
      QCOMPARE(dialog->tabs()->tabText(dialog->tabs()->currentIndex()), QString::fromUtf8(c.tab));
      if (c.key != std::string_view("NGE")) {
        const QModelIndex current = dialog->table(c.key)->currentIndex();
        QCOMPARE(std::pair(current.column(), current.row()), std::pair(c.column, c.row));
      }
      QCOMPARE(FilesOf(fixture), before);
      QCOMPARE(settings.Number("NGE"), program->services().usys().Number("NGE"));
    }
  }

  // ×２ doubles the base numbers and the month-command adjustment; ÷２ brings them back.
  void doubleThenHalveRestoresTheTables() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    USysSettings settings = program->services().usys();
    std::unique_ptr<RuleSettingsDialog> dialog = OpenDialog(*program, settings);
    const USysSettings before = dialog->edited();
    Click(*dialog, "Button1");
    const long long base = std::stoll(before.Cell("SSG", 3, 1));
    QCOMPARE(dialog->edited().Cell("SSG", 3, 1), std::to_string(2 * base));
    QCOMPARE(dialog->table("SSG")->model()->index(1, 3).data().toString(), QString::number(2 * base));
    Click(*dialog, "Button2");
    for (std::size_t row = 0; row < 10; ++row) QCOMPARE(Row(dialog->edited(), "SSG", row), Row(before, "SSG", row));
    QCOMPARE(Row(dialog->edited(), "SSG2", 0), Row(before, "SSG2", 0));
  }

  // The branding's hide list hides controls and whole tabs by name; "Suu_Type" 1 marks the number tab.
  void brandingHidesControlsByName() {
    ProgramFixture fixture;
    QVERIFY(WriteShiftJisFile(fixture.folder() / "OEM.ini",
                              "[App]\r\nSuu_Type=1\r\n[USysF]\r\nkocb=hide\r\n神殺３=hide\r\nNCB=show\r\n"));
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    USysSettings settings = program->services().usys();
    std::unique_ptr<RuleSettingsDialog> dialog = OpenDialog(*program, settings);
    QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("KoCB"))->isHidden());
    QVERIFY(!dialog->findChild<QCheckBox*>(QStringLiteral("NCB"))->isHidden());
    QTabWidget* tabs = dialog->tabs();
    for (int page = 0; page < tabs->count(); ++page) {
      QCOMPARE(tabs->isTabVisible(page), tabs->tabText(page) != QStringLiteral("神殺３"));
    }
    QVERIFY(!dialog->findChild<QWidget*>(QStringLiteral("SuuTypeLabel"))->isHidden());
  }

  // 深浅の日時をコピー puts the depth report of the table being edited on the clipboard, at the
  // program's now.
  void depthReportGoesToTheClipboard() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    USysSettings settings = program->services().usys();
    AppServices& services = program->services();
    const DateTime clock = *DateTime::ParseDateTimeText("2024/05/06 07:08");
    RuleSettingsDialog dialog({settings, services.sys(), services.program_folder(), services.interaction(),
                               services.branding(), nullptr, nullptr, [clock] { return clock; }});
    Type(dialog, "ZSG", 2, 1, "9");  // the edited table, not the stored one
    Click(dialog, "RChk0");
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(*RuleSettingsDepthReport(dialog.edited(), services.sys(), clock)));
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("|子|壬| 9|")));
  }

  // OpenBtn reads the chosen distribution file into the grid; one inside the program folder is
  // kept by its bare name.
  void openButtonReadsTheChosenDistributionFile() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    std::string zou = Bytes(fixture.folder() / "Default.zou");
    const std::filesystem::path other = fixture.folder() / "Other.zou";
    QVERIFY(WriteFileAtomically(other, zou));
    USysSettings settings = program->services().usys();
    AppServices& services = program->services();
    RuleSettingsDialog dialog({settings, services.sys(), services.program_folder(), services.interaction(),
                               services.branding(), nullptr,
                               [&](QWidget*) -> std::optional<std::filesystem::path> { return other; }, nullptr});
    Type(dialog, "ZSG", 2, 1, "3");  // differs from the file, which the file's value replaces
    Click(dialog, "OpenBtn");
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("ZFileE"))->text(), QStringLiteral("Other.zou"));
    QCOMPARE(dialog.table("ZSG")->model()->index(1, 2).data().toString(),
             QString::fromStdString(program->services().usys().Cell("ZSG", 2, 1)));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::RuleSettingsDialogTest)
#include "rule_settings_dialog_test.moc"
