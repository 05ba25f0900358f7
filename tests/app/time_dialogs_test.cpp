// The entry aids of the entry bar: the era entry dialog converts as the user types and shows the
// error boxes through the interaction.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/recording_interaction.h"
#include "time/era_date_dialog.h"

namespace kirvo {

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
};

}  // namespace kirvo

QTEST_MAIN(kirvo::TimeDialogsTest)
#include "time_dialogs_test.moc"
