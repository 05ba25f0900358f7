// The entry aids of the entry bar: the era entry dialog converts as the user types and shows the
// error boxes through the interaction; the natural-time dialog converts by map and place list,
// edits the list and hands the converted moment to the entry bar.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "platform/text_file.h"
#include "program_fixture.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "app/time/date_search_dialog.h"
#include "app/time/era_date_dialog.h"
#include "app/time/natural_time_dialog.h"

namespace kirvo {
namespace {

// Japanese text arrives through the input method: a commit string, as the user's conversion ends.
void TypeJapanese(QLineEdit* field, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(field, &commit);
}

}  // namespace

class TimeDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void theEraDialogOpensOnTodayAndConvertsAsTheUserTypes() {
    RecordingInteraction interaction;
    EraDateDialog dialog(interaction, *DateTime::FromDate(2026, 12, 10));
    QCOMPARE(dialog.era_choice()->currentText(), QStringLiteral("5 令和"));
    QCOMPARE(dialog.era_text()->text(), QStringLiteral("08/12/10"));
    QCOMPARE(dialog.gregorian_label()->text(), QStringLiteral("西暦2026/12/10"));

    dialog.era_choice()->setCurrentIndex(2);  // 昭和
    dialog.era_text()->selectAll();
    QTest::keyClicks(dialog.era_text(), QStringLiteral("640107"));
    QCOMPARE(dialog.gregorian_label()->text(), QStringLiteral("西暦1989/01/07"));
    QVERIFY(interaction.messages.empty());

    dialog.era_text()->selectAll();
    QTest::keyClicks(dialog.era_text(), QStringLiteral("640108"));
    QCOMPARE(interaction.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(interaction.messages[0]), QStringLiteral("元号と日付がマッチしていません。"));
    QCOMPARE(dialog.era_choice()->currentText(), QStringLiteral("4 平成"));
    QCOMPARE(dialog.era_text()->text(), QStringLiteral("01/01/08"));
    QCOMPARE(dialog.Date()->DateText(), std::string("1989/01/08"));
  }

  // Typing over the shown date changes one digit at a time; the date is checked once its last
  // digit is typed (or the field is left), not after the first changed digit.
  void theEraDialogChecksTheDateOnlyWhenItIsComplete() {
    RecordingInteraction interaction;
    EraDateDialog dialog(interaction, *DateTime::FromDate(2026, 12, 10));
    dialog.era_choice()->setCurrentIndex(2);  // 昭和: 昭和08/12/10 lies in 昭和
    QCOMPARE(dialog.era_text()->text(), QStringLiteral("08/12/10"));
    dialog.era_text()->setFocus();
    dialog.era_text()->home(false);
    QTest::keyClicks(dialog.era_text(), QStringLiteral("6401"));  // 昭和68/12/10, 64/12/10, 64/01/10 on the way
    QVERIFY(interaction.messages.empty());
    QCOMPARE(dialog.era_choice()->currentText(), QStringLiteral("3 昭和"));
    QTest::keyClicks(dialog.era_text(), QStringLiteral("07"));
    QVERIFY(interaction.messages.empty());
    QCOMPARE(dialog.gregorian_label()->text(), QStringLiteral("西暦1989/01/07"));

    // A complete date outside the era is told once, and the choice moves to the era it lies in.
    dialog.era_text()->home(false);
    QTest::keyClicks(dialog.era_text(), QStringLiteral("650101"));
    QCOMPARE(interaction.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(interaction.messages[0]), QStringLiteral("元号と日付がマッチしていません。"));
    QCOMPARE(dialog.era_choice()->currentText(), QStringLiteral("4 平成"));
    QCOMPARE(dialog.era_text()->text(), QStringLiteral("02/01/01"));
  }

  void theNaturalTimeDialogConvertsByMapAndPlaceAndEditsTheList() {
    TempFolder folder;
    QVERIFY(WriteShiftJisFile(folder / "TZone.dat", "地名,時差,\n札幌,+25,\n那覇,-29,\n").ok());
    RecordingInteraction interaction;
    std::optional<NaturalTimeSession> session =
        NaturalTimeSession::OpenInFolder("2026/02/1123:50", folder.path(), interaction);
    QVERIFY(session);
    NaturalTimeDialog dialog(interaction, std::move(*session), folder.path(), {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("自然時変換"));
    QCOMPARE(dialog.place_label()->text(), QStringLiteral("日本標準時："));
    QCOMPARE(dialog.place_table()->rowCount(), 2);
    QCOMPARE(dialog.place_table()->horizontalHeaderItem(1)->text(), QStringLiteral("時差"));

    QTest::mouseClick(dialog.map(), Qt::LeftButton, {}, QPoint(170, 200));
    QCOMPARE(dialog.minutes_field()->text(), QStringLiteral("+4"));
    QCOMPARE(dialog.place_label()->text(), QStringLiteral("東経：136°0′"));
    QCOMPARE(dialog.converted_field()->text(), QStringLiteral("2026/02/11 23:54"));

    QTableWidget* table = dialog.place_table();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
    QCOMPARE(dialog.converted_field()->text(), QStringLiteral("2026/02/12 00:15"));
    QCOMPARE(dialog.name_field()->text(), QStringLiteral("札幌"));
    QCOMPARE(dialog.place_label()->text(), QStringLiteral("札幌"));

    // The equation of time in mid-February is about −14 minutes.
    QCOMPARE(dialog.equation_of_time_label()->text(), QStringLiteral("均時差：-14.2分"));
    dialog.equation_of_time_box()->click();
    QCOMPARE(dialog.converted_field()->text(), QStringLiteral("2026/02/12 00:01"));
    dialog.equation_of_time_box()->click();

    // 追加・変更 changes the named place where it is, or appends; "," is refused; 削除 by name.
    QTest::keyClicks(dialog.minutes_field(), QStringLiteral("0"));
    dialog.add_button()->click();
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("+250"));
    dialog.name_field()->setText(QString());
    TypeJapanese(dialog.name_field(), QStringLiteral("函館"));
    dialog.minutes_field()->setText(QString());
    QTest::keyClicks(dialog.minutes_field(), QStringLiteral("+23"));
    dialog.add_button()->click();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("函館"));
    TypeJapanese(dialog.name_field(), QStringLiteral(",市"));
    dialog.add_button()->click();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(interaction.messages.back(), std::string(kPlaceCharacterMessage));
    dialog.name_field()->setText(QString());
    TypeJapanese(dialog.name_field(), QStringLiteral("那覇"));
    dialog.delete_button()->click();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("函館"));
    // Dragging a row's number moves the place in the list.
    table->verticalHeader()->moveSection(1, 0);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("函館"));
    QCOMPARE(table->verticalHeader()->logicalIndex(0), 0);

    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(*ReadShiftJisFile(folder / "TZone.dat"), std::string("地名,時差,\n函館,+23,\n札幌,+250,\n"));
  }

  // ▼ in the main window: a missing list is told and starts empty; OK puts the converted date and
  // time into the entry bar and writes the list again.
  void naturalTimeOkWritesTheEntryBarAndTheList() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    std::filesystem::remove(fixture.folder() / "TZone.dat");
    MainWindow& window = program->main_window();
    window.entry_bar()->SetFields({"山田", Sex::kMale, "2024/01/01", "00:10"});
    const std::size_t messages_before = fixture.interaction.messages.size();
    int rows = -1;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<NaturalTimeDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      rows = dialog->place_table()->rowCount();
      QTest::mouseClick(dialog->map(), Qt::LeftButton, {}, QPoint(136, 100));
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QTest::mouseClick(window.entry_bar()->natural_time_button(), Qt::LeftButton);
    QCOMPARE(rows, 0);
    QCOMPARE(fixture.interaction.messages.size(), messages_before + 1);
    QVERIFY(QString::fromStdString(fixture.interaction.messages.back()).contains(QStringLiteral("TZone.dat")));
    QCOMPARE(window.entry_bar()->date_field()->text(), QStringLiteral("2024/01/01"));
    QCOMPARE(window.entry_bar()->time_field()->text(), QStringLiteral("00:06"));
    QCOMPARE(*ReadShiftJisFile(fixture.folder() / "TZone.dat"), std::string("地名,時差,\n"));
  }

  void theDateSearchFindsKeepsItsFormAndStopsOnRequest() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    AppServices& services = program->services();
    {
      DateSearchDialog dialog(services, {});
      dialog.SearchButton()->click();  // nothing chosen
      QCOMPARE(QString::fromStdString(fixture.interaction.messages.back()), QStringLiteral("検索条件が指定されていません。"));
      dialog.Choice(4)->setCurrentIndex(1);  // 甲
      dialog.Choice(5)->setCurrentIndex(1);  // 子
      dialog.RangeField(0)->setText(QStringLiteral("2000/01/01"));
      dialog.RangeField(2)->setText(QStringLiteral("2000/12/31"));
      dialog.SearchButton()->click();
      QTRY_VERIFY(!dialog.Searching());
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(QString::fromStdString(fixture.interaction.messages.back()), QStringLiteral("命式が見つかりました。"));
      QCOMPARE(dialog.Found()->date, std::string("2000/01/07"));
      QCOMPARE(dialog.Found()->time, std::string("99:99"));
    }
    // The choices come back from MainF.ini; a long walk stops on 中断 and says nothing was found.
    DateSearchDialog again(services, {});
    QCOMPARE(again.Choice(4)->currentText(), QStringLiteral("甲"));
    QCOMPARE(again.RangeField(0)->text(), QStringLiteral("2000/01/01"));
    again.Choice(0)->setCurrentIndex(1);  // a 甲 year
    again.Choice(1)->setCurrentIndex(2);  // of 丑: no such year, said at once without a walk
    again.RangeField(0)->setText(QStringLiteral("1800/01/01"));
    again.RangeField(2)->setText(QStringLiteral("9000/01/01"));
    again.SearchButton()->click();
    QVERIFY(!again.Searching());
    QCOMPARE(QString::fromStdString(fixture.interaction.messages.back()),
             QStringLiteral("年柱の「甲丑」という干支はありません。"));
    again.Choice(1)->setCurrentIndex(0);
    again.Choice(2)->setCurrentIndex(1);  // a 甲子 month, which no 甲 year has: the walk goes on
    again.Choice(3)->setCurrentIndex(1);
    again.SearchButton()->click();
    QVERIFY(again.Searching());
    QCOMPARE(again.CancelButton()->text(), QStringLiteral("中断"));
    QTest::qWait(50);
    again.CancelButton()->click();
    QTRY_VERIFY(!again.Searching());
    QCOMPARE(QString::fromStdString(fixture.interaction.messages.back()), QStringLiteral("命式が見つかりませんでした。"));
    QCOMPARE(again.CancelButton()->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    QVERIFY(again.isVisible() || again.result() != int(QDialog::Accepted));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::TimeDialogsTest)
#include "time_dialogs_test.moc"
