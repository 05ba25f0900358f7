// The person list window and the frame's file commands over a name file.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/persons/person_file_commands.h"
#include "app/bridge/text.h"
#include "app/persons/person_list_window.h"
#include "app/printing/print_preview_dialog.h"
#include "platform/shift_jis.h"
#include "platform/text_file.h"
#include "program_fixture.h"

namespace kirvo {

namespace {

std::string Cells(std::size_t count) { return std::string(count, ','); }

// Three persons as a saved name file holds them (Shift-JIS, CR LF, 47 cells each).
std::string SampleFileBytes() {
  const std::string text = "山田太郎,男,1984/02/10,12:00," + Cells(43) + "\r\n" +  //
                           "佐藤花子,女,1990/07/23,99:99," + Cells(43) + "\r\n" +  //
                           "鈴木，一郎,男,1955/11/03,06:30," + Cells(43) + "\r\n";
  return EncodeShiftJis(text).value();
}

std::vector<std::string> Names(const PersonList& list) {
  std::vector<std::string> names;
  for (const PersonRow& row : list.rows()) names.push_back(row[0]);
  return names;
}

}  // namespace

class PersonListTest : public QObject {
  Q_OBJECT

 private:
  // Opens the sample through 開く, the dialogs answered by `open_path` and `save_path`.
  static void UseDialogs(MainWindow& window, const QString& open_path, const QString* save_path) {
    window.persons()->SetFileChoosers(
        [open_path](QWidget*, const QString&, const QString&) { return open_path; },
        [save_path](QWidget*, const QString&, const QString&, const QString&) { return *save_path; });
  }

 private slots:
  void openSortGenerateOpenARowAndSaveAgain() {
    ProgramFixture fixture;
    const std::filesystem::path sample = fixture.folder() / "Sample.nam";
    QVERIFY(WriteFileAtomically(sample, SampleFileBytes()).ok());
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QString save_path = QString::fromStdString((fixture.folder() / "Copy.nam").string());
    UseDialogs(window, QString::fromStdString(sample.string()), &save_path);

    window.command(MainCommand::kOpen)->trigger();
    PersonListFile& file = window.persons()->file();
    QCOMPARE(Names(file.list()), (std::vector<std::string>{"山田太郎", "佐藤花子", "鈴木，一郎"}));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("  [%1]").arg(QString::fromStdString(sample.string()))));
    QVERIFY(window.menu(MainMenu::kFile)->actions().last()->text().endsWith(QStringLiteral("Sample.nam")));

    window.command(MainCommand::kPersonList)->trigger();
    PersonListWindow* list = window.persons()->window();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QCOMPARE(list->findChild<QLabel*>(QStringLiteral("CountLabel"))->text(), QStringLiteral("総数：3件"));
    QCOMPARE(list->table()->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral(" 季　節 "));
    QVERIFY(list->table()->isColumnHidden(40));

    // The date column sorts by year, month and day once the question is answered Yes.
    fixture.interaction.QueueAnswer(true);
    QVERIFY(list->SortByColumn(2));
    QCOMPARE(Names(file.list()), (std::vector<std::string>{"鈴木，一郎", "山田太郎", "佐藤花子"}));
    QVERIFY(!file.list().modified());

    list->SetChartMoment(*DateTime::ParseDateTimeText("1995/03/15 09:30"));
    list->findChild<QComboBox*>(QStringLiteral("CB1"))->setCurrentIndex(1);
    list->GenerateSummaries();
    QTRY_VERIFY(!list->Generating());
    QCOMPARE(list->table()->model()->index(1, 21).data().toString(), QStringLiteral("庚甲丙甲"));
    QCOMPARE(list->table()->model()->index(1, 4).data().toString(), QStringLiteral("11/ 1"));
    QVERIFY(!list->table()->model()->index(0, 14).data().toString().isEmpty());
    // Every shown column is wide enough for its values and its heading: nothing is cut to "102…".
    const QAbstractItemView* view = list->table();
    for (int column = 0; column < list->table()->model()->columnCount(); ++column) {
      if (list->table()->isColumnHidden(column)) continue;
      QVERIFY2(list->table()->columnWidth(column) >= view->sizeHintForColumn(column),
               qPrintable(QStringLiteral("column %1").arg(column)));
    }
    // The search field offers the headed columns only, no blank entries.
    const QComboBox* fields = list->findChild<QComboBox*>(QStringLiteral("SCB"));
    QCOMPARE(fields->count(), 37);
    QCOMPARE(fields->itemText(fields->count() - 1), QStringLiteral("空亡"));

    // The CSV export writes the header row and every row, all 47 columns.
    save_path = QString::fromStdString((fixture.folder() / "List.csv").string());
    list->ExportCsv();
    const std::string csv = DecodeShiftJis(ReadFileBytes(fixture.folder() / "List.csv").value()).value();
    QVERIFY(csv.starts_with("　氏　名　,性,生年月日,生時,年齢,"));
    QVERIFY(csv.find("\r\n山田太郎,男,1984/02/10,12:00,11/ 1,") != std::string::npos);
    QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 4);
    save_path = QString::fromStdString((fixture.folder() / "Copy.nam").string());

    // 印刷ﾌﾟﾚﾋﾞｭｰ hands the table as shown, titled with the caption; a hidden column prints as nothing.
    QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("PrevBtn")), Qt::LeftButton);
    auto* preview = window.findChild<PrintPreviewDialog*>();
    QVERIFY(preview);
    QCOMPARE(preview->Job().source, PrintSource::kPersonList);
    preview->close();
    std::vector<PrintJob> jobs;
    list->SetPrintPreview([&jobs](PrintJob job) { jobs.push_back(std::move(job)); });
    QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("PrevBtn")), Qt::LeftButton);
    QCOMPARE(jobs.size(), std::size_t{1});
    const PrintTable& printed = jobs.front().target;
    QCOMPARE(jobs.front().source, PrintSource::kPersonList);
    QCOMPARE(jobs.front().title, std::string("入力データ一覧"));
    QCOMPARE(printed.name, std::string("NSG"));
    QCOMPARE(printed.grid.rows(), std::size_t{4});
    QCOMPARE(printed.grid.text.Row(0), PersonListTable(file.list())[0]);
    QCOMPARE(printed.grid.Cell(0, 2), std::string("山田太郎"));
    QCOMPARE(printed.grid.column_widths[40], 0);
    QCOMPARE(printed.grid.column_widths[0], list->table()->columnWidth(0));
    QCOMPARE(printed.row_heights[1], list->table()->rowHeight(0));
    QCOMPARE(printed.fixed_rows, 1);

    // A double click hands the row to the entry bar and opens the chart window.
    list->OpenRow(1, ChartWindowKind::kChart);
    QCOMPARE(window.ChildCaptions(), std::vector<std::string>{"山田太郎 さんの命式"});
    QVERIFY(!file.list().modified());  // the person is in the list already

    // Saved under a new name, the three persons read back in the sorted order.
    window.command(MainCommand::kSaveAs)->trigger();
    QCOMPARE(QString::fromStdString(file.file_name()), save_path);
    PersonListFile reread(fixture.folder(), "Copy.nam");
    QVERIFY(reread.Load("Copy.nam", fixture.interaction));
    QCOMPARE(Names(reread.list()), Names(file.list()));
    QCOMPARE(reread.list().row(2)[3], std::string("99:99"));
    QVERIFY(fixture.interaction.messages.empty());
  }

  // 命式データ生成 runs beside the window: 中断 leaves the list as it was, and settings committed while
  // it runs do not reach it.
  void generationCanBeStoppedAndKeepsTheSettingsItStartedWith() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    PersonListFile& file = window.persons()->file();
    for (int i = 0; i < 1500; ++i) {
      const std::string date = std::to_string(1931 + i % 80) + "/0" + std::to_string(1 + i % 9) + "/1" +
                               std::to_string(i % 10);
      file.list().rows().push_back({"人" + std::to_string(i), i % 2 ? "女" : "男", date, i % 5 ? "09:30" : "99:99"});
    }
    window.command(MainCommand::kPersonList)->trigger();
    PersonListWindow* list = window.persons()->window();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    list->findChild<QComboBox*>(QStringLiteral("CB1"))->setCurrentIndex(2);
    const DateTime first = *DateTime::ParseDateTimeText("2024/07/20 15:47");
    list->SetChartMoment(first);
    list->GenerateSummaries();
    QTRY_VERIFY_WITH_TIMEOUT(!list->Generating(), 60000);
    const std::vector<PersonRow> generated = file.list().rows();
    QVERIFY(!generated[1][21].empty());

    list->SetChartMoment(*DateTime::ParseDateTimeText("1995/03/15 09:30"));
    list->GenerateSummaries();
    QVERIFY(list->Generating());
    auto* stop = list->findChild<QPushButton*>(QStringLiteral("StopBtn"));
    QVERIFY(stop->isVisible());
    QVERIFY(!list->findChild<QPushButton*>(QStringLiteral("CreBtn"))->isEnabled());
    QTest::mouseClick(stop, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!list->Generating(), 60000);
    QVERIFY(file.list().rows() == generated);
    QVERIFY(!stop->isVisible());
    QVERIFY(list->findChild<QPushButton*>(QStringLiteral("CreBtn"))->isEnabled());

    list->SetChartMoment(first);
    list->GenerateSummaries();
    SysSettings renamed = program->services().sys();
    for (std::string& name : renamed.names.ten_gods) name = "星" + name;
    program->settings_hub().CommitSystemSettings(renamed);
    QTRY_VERIFY_WITH_TIMEOUT(!list->Generating(), 60000);
    QVERIFY(file.list().rows() == generated);
    // The next generation reads the committed names.
    list->GenerateSummaries();
    QTRY_VERIFY_WITH_TIMEOUT(!list->Generating(), 60000);
    QVERIFY(file.list().rows() != generated);
    QVERIFY(fixture.interaction.messages.empty());
  }

  // The strip's fields write through to the list's chart moment once they make a whole moment.
  void theMomentStripHoldsTheChartMoment() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    program->main_window().command(MainCommand::kPersonList)->trigger();
    PersonListWindow* list = program->main_window().persons()->window();
    list->SetChartMoment(*DateTime::ParseDateTimeText("2024/12/31 23:00"));
    QTest::mouseClick(list->findChild<QWidget*>(QStringLiteral("SpinUp")), Qt::LeftButton);
    QCOMPARE(ToQString(list->ChartMoment().DateTimeText()), QStringLiteral("2025/01/01 01:00"));
    QCOMPARE(list->findChild<QLineEdit*>(QStringLiteral("NDate"))->text(), QStringLiteral("2025/01/01"));

    auto* time = list->findChild<QLineEdit*>(QStringLiteral("NTime"));
    auto* pillars = list->findChild<QLabel*>(QStringLiteral("PillarBox"));
    QVERIFY(!pillars->text().isEmpty());
    time->setText(QStringLiteral("12:3"));  // half typed: the moment stays, the pillar box empties
    QVERIFY(pillars->text().isEmpty());
    QCOMPARE(ToQString(list->ChartMoment().DateTimeText()), QStringLiteral("2025/01/01 01:00"));
    time->setText(QStringLiteral("12:34"));
    QCOMPARE(ToQString(list->ChartMoment().DateTimeText()), QStringLiteral("2025/01/01 12:34"));
    QVERIFY(!pillars->text().isEmpty());
    QTest::mouseClick(list->findChild<QWidget*>(QStringLiteral("SpinDown")), Qt::LeftButton);
    QCOMPARE(time->text(), QStringLiteral("10:34"));
  }

  void registrationAsksBeforeReplacingAndDeletedRowsAreSaved() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    PersonListFile& file = window.persons()->file();
    QVERIFY(file.list().IsEmpty());

    window.entry_bar()->SetFields({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    window.OpenChild(ChartWindowKind::kChart, window.entry_bar()->Fields());
    QCOMPARE(window.ChildCaptions().size(), 1u);
    QCOMPARE(Names(file.list()), std::vector<std::string>{"山田太郎"});
    QVERIFY(file.list().modified());

    // The same name with another birth: No opens nothing and keeps the row.
    window.command(MainCommand::kCloseAll)->trigger();
    window.entry_bar()->SetFields({"山田太郎", Sex::kMale, "1985/02/10", "12:00"});
    fixture.interaction.QueueAnswer(false);
    window.OpenChild(ChartWindowKind::kChart, window.entry_bar()->Fields());
    QVERIFY(window.ChildCaptions().empty());
    QCOMPARE(file.list().row(0)[2], std::string("1984/02/10"));

    PersonListWindow* list = window.persons()->window();
    list->table()->setCurrentIndex(list->table()->model()->index(0, 0));
    list->DeleteCurrentRow();
    QVERIFY(file.list().IsEmpty());

    // Closing saves a named file without a question; a blank list is one line of 47 commas.
    window.close();
    QCOMPARE(ReadFileBytes(fixture.folder() / "Default.nam").value(), Cells(47) + "\r\n");
    QVERIFY(fixture.interaction.questions.size() == 1);
  }

  void closingAnUnsavedNewListWhoseDialogIsCancelledKeepsTheProgram() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QString save_path;  // the save dialog is cancelled
    UseDialogs(window, QString(), &save_path);
    window.command(MainCommand::kNew)->trigger();
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("  [NewFile.nam]")));
    window.entry_bar()->SetFields({"山田太郎", Sex::kMale, "1984/02/10", "12:00"});
    window.OpenChild(ChartWindowKind::kChart, window.entry_bar()->Fields());

    fixture.interaction.QueueAnswer(true);  // 保存しますか？ Yes, then the dialog is cancelled
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(Names(window.persons()->file().list()), std::vector<std::string>{"山田太郎"});

    // Saved this time, the close goes on.
    save_path = QString::fromStdString((fixture.folder() / "Kept.nam").string());
    fixture.interaction.QueueAnswer(true);
    QVERIFY(window.close());
    QVERIFY(ReadFileBytes(fixture.folder() / "Kept.nam").value().starts_with(EncodeShiftJis("山田太郎,男,").value()));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::PersonListTest)
#include "person_list_test.moc"
