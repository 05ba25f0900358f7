// The entry bar in the main window: typing, the checks before a window opens, the captions that
// bring a window forward, the luck-window limit and the editing keys of its fields.
#include <QClipboard>
#include <QTest>
#include <QToolButton>

#include "app/bridge/text.h"
#include "app/widgets/chart_child.h"
#include "platform/text_file.h"
#include "presentation/frame/entry_bar_rules.h"
#include "program_fixture.h"

namespace kirvo {
namespace {

void Type(QLineEdit* field, const QString& digits) {
  field->setFocus();
  field->clear();
  field->setCursorPosition(0);
  QTest::keyClicks(field, digits);
}

void Click(MainWindow& window, const char* button) {
  QToolButton* found = window.findChild<QToolButton*>(QString::fromLatin1(button));
  QVERIFY2(found, button);
  QTest::mouseClick(found, Qt::LeftButton);
}

}  // namespace

class EntryBarTest : public QObject {
  Q_OBJECT

 private:
  ProgramFixture* fixture_ = nullptr;
  std::unique_ptr<Program> program_;
  MainWindow* window_ = nullptr;
  EntryBar* bar_ = nullptr;

  void Enter(const QString& name, const QString& date_digits, const QString& time_digits) {
    bar_->name_field()->setEditText(name);
    Type(bar_->date_field(), date_digits);
    Type(bar_->time_field(), time_digits);
  }
  QStringList Captions() const {
    QStringList captions;
    for (const std::string& caption : window_->ChildCaptions()) captions.append(QString::fromStdString(caption));
    return captions;
  }

 private slots:
  void init() {
    fixture_ = new ProgramFixture();
    program_ = fixture_->StartShown();
    QVERIFY(program_);
    window_ = &program_->main_window();
    bar_ = window_->entry_bar();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() {
    program_.reset();
    delete fixture_;
  }

  void typedDigitsFillTheMasks() {
    Enter(QStringLiteral("山田"), QStringLiteral("19840210"), QStringLiteral("0930"));
    const EntryFields fields = bar_->Fields();
    QCOMPARE(fields.date, std::string("1984/02/10"));
    QCOMPARE(fields.time, std::string("09:30"));
    bar_->Clear();
    QCOMPARE(bar_->Fields().date, std::string("    /  /  "));
    QCOMPARE(bar_->Fields().name, std::string());
    QCOMPARE(QApplication::focusWidget(), bar_->name_field());
  }

  void refusalsBeepAndFocusTheField_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("reason");  // shown in the status bar where no message says why
    const QString date_reason = ToQString(kDateReason);
    const QString time_reason = ToQString(kTimeReason);
    QTest::newRow("no name") << "" << "19840210" << "1230" << "" << "NameE" << ToQString(kNameMissingReason);
    QTest::newRow("half-width comma") << "山田,花子" << "19840210" << "1230" << ToQString(kNameCharacterMessage)
                                      << "NameE" << "";
    QTest::newRow("half-width ampersand") << "R&D" << "19840210" << "1230" << ToQString(kNameCharacterMessage)
                                          << "NameE" << "";
    QTest::newRow("31 February") << "山田" << "19840231" << "1230" << "" << "DateE" << date_reason;
    QTest::newRow("30 February 2023") << "山田" << "20230230" << "1230" << "" << "DateE" << date_reason;
    QTest::newRow("year 0") << "山田" << "00000101" << "1230" << "" << "DateE" << date_reason;
    QTest::newRow("no date") << "山田" << "" << "1230" << "" << "DateE" << date_reason;
    QTest::newRow("hour 25") << "山田" << "19840210" << "2530" << "" << "TimeE" << time_reason;
    QTest::newRow("half a time") << "山田" << "19840210" << "12" << "" << "TimeE" << time_reason;
  }
  void refusalsBeepAndFocusTheField() {
    QFETCH(QString, name);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, reason);
    Enter(name, date, time);
    Click(*window_, "MeiBtn");
    QCOMPARE(fixture_->interaction.beeps, 1);
    QCOMPARE(fixture_->interaction.refusals.size(), 1u);
    QCOMPARE(QString::fromStdString(fixture_->interaction.refusals[0]), reason);
    QCOMPARE(fixture_->interaction.messages.size(), message.isEmpty() ? 0u : 1u);
    if (!message.isEmpty()) QCOMPARE(QString::fromStdString(fixture_->interaction.messages[0]), message);
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused->parentWidget() == bar_->name_field()) focused = bar_->name_field();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), focus);
    QVERIFY(Captions().isEmpty());
    QCOMPARE(bar_->Fields().name, name.toStdString());  // nothing was cleared
  }

  void chartCommandOpensTheChartAndClearsTheEntry() {
    Enter(QStringLiteral("山田"), QStringLiteral("19840210"), QStringLiteral("1230"));
    Click(*window_, "MeiBtn");
    QCOMPARE(Captions(), QStringList{QStringLiteral("山田 さんの命式")});
    QCOMPARE(bar_->Fields().name, std::string());
    const auto* chart = dynamic_cast<ChartChild*>(window_->client_area()->activeSubWindow()->widget());
    QVERIFY(chart);
    QCOMPARE(chart->session().chart().record.BirthText, std::string("1984/02/10 12:30"));
    QVERIFY(window_->command(MainCommand::kTile)->isEnabled());

    // The same caption again brings that window forward; the entry stays as typed.
    Enter(QStringLiteral("鈴木"), QStringLiteral("19900101"), QStringLiteral("0000"));
    Click(*window_, "MeiBtn");
    Enter(QStringLiteral("山田"), QStringLiteral("19500505"), QStringLiteral("0505"));
    Click(*window_, "MeiBtn");
    QCOMPARE(Captions(), (QStringList{QStringLiteral("山田 さんの命式"), QStringLiteral("鈴木 さんの命式")}));
    QCOMPARE(bar_->Fields().name, std::string("山田"));
    QCOMPARE(fixture_->interaction.beeps, 0);
  }

  void unknownHourAndTheKeypadDecimalKey() {
    Enter(QStringLiteral("山田"), QStringLiteral("19840210"), QStringLiteral("1230"));
    QVERIFY(bar_->natural_time_button()->isEnabled());
    Click(*window_, "TimeBtn");
    QCOMPARE(bar_->Fields().time, std::string("99:99"));
    QVERIFY(!bar_->natural_time_button()->isEnabled());
    bar_->time_field()->setFocus();
    QTest::keyClick(bar_->time_field(), Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(Captions(), QStringList{QStringLiteral("山田 さんの命式")});
    // The chart takes an unknown hour as 12:00 and leaves its hour pillar out.
    const auto* unknown_hour = dynamic_cast<ChartChild*>(window_->client_area()->activeSubWindow()->widget());
    QVERIFY(unknown_hour);
    QCOMPARE(unknown_hour->session().chart().record.BirthText, std::string("1984/02/10 12:00"));
    QVERIFY(!unknown_hour->session().hour_known());
  }

  void tabWalksTheFields() {
    bar_->name_field()->setFocus();
    QCOMPARE(QApplication::focusWidget(), bar_->name_field());
    const QWidget* expected[] = {bar_->sex_field(), bar_->date_field(), bar_->time_field()};
    for (const QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void luckWindowLimit() {
    program_->services().sys().KMCB = 0;  // one luck window at a time
    Enter(QStringLiteral("甲"), QStringLiteral("19840210"), QStringLiteral("1230"));
    Click(*window_, "KouBtn");
    Enter(QStringLiteral("乙"), QStringLiteral("19700101"), QStringLiteral("0600"));
    Click(*window_, "KouBtn");
    QTRY_COMPARE(Captions(), QStringList{QStringLiteral("乙 さんの行運")});
    // The person's own luck window is closed and opened afresh.
    Enter(QStringLiteral("乙"), QStringLiteral("19700101"), QStringLiteral("0600"));
    Click(*window_, "KouBtn");
    QTRY_COMPARE(Captions(), QStringList{QStringLiteral("乙 さんの行運")});
    QCOMPARE(bar_->Fields().name, std::string());

    program_->services().sys().KMCB = 3;  // 無制限
    Enter(QStringLiteral("丙"), QStringLiteral("19600101"), QStringLiteral("0600"));
    Click(*window_, "KouBtn");
    QTRY_COMPARE(Captions().size(), 2);
  }

  // Ctrl + right button on 氏名 writes the names of the windows to KRVDisp.set after asking.
  void displaySettingsNamesGoToAFile() {
    Enter(QStringLiteral("山田"), QStringLiteral("19840210"), QStringLiteral("1230"));
    Click(*window_, "MeiBtn");
    QWidget* name_button = window_->findChild<QToolButton*>(QStringLiteral("NameBtn"));
    QTest::mouseClick(name_button, Qt::RightButton, Qt::ControlModifier);
    QCOMPARE(fixture_->interaction.questions, std::vector<std::string>{"表示設定項目データ出力をしますか？"});
    QVERIFY(!std::filesystem::exists(fixture_->folder() / "KRVDisp.set"));  // the default answer is No
    fixture_->interaction.QueueAnswer(true);
    QTest::mouseClick(name_button, Qt::RightButton, Qt::ControlModifier);
    const Outcome<std::string> names = ReadShiftJisFile(fixture_->folder() / "KRVDisp.set");
    QVERIFY(names.ok());
    QCOMPARE(*names, std::string("MainF\nMeisF\n"));
  }

  // Inside a text field the editing keys keep their meaning: Ctrl+C copies rather than cascading,
  // Ctrl+X cuts rather than ending the program.
  void editingKeysStayWithTheTextField() {
    QLineEdit* name = bar_->name_field()->lineEdit();
    bar_->name_field()->setEditText(QStringLiteral("山田太郎"));
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("山田太郎"));
    QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(name->text(), QString());
    QVERIFY(window_->isVisible());
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::EntryBarTest)
#include "entry_bar_test.moc"
