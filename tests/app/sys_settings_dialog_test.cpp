// The system settings dialog "ｼｽﾃﾑ設定": opened from the main window over the shipped SysF.ini; what
// it changes reaches the open chart windows at once.
#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/bridge/text.h"
#include "app/chart/chart_window.h"
#include "app/settings_dialogs/sys_settings_dialog.h"
#include "app/widgets/moment_strip.h"
#include "platform/text_file.h"
#include "program_fixture.h"

namespace kirvo {
namespace {

std::string SysFile(const ProgramFixture& fixture) { return ReadFileBytes(fixture.folder() / "SysF.ini").value(); }

std::unique_ptr<SysSettingsDialog> OpenDialog(Program& program, SysSettings& settings) {
  AppServices& services = program.services();
  auto dialog = std::make_unique<SysSettingsDialog>(SysSettingsNeeds{
      settings, services.program_folder(), services.store(), services.branding(), services.interaction(), nullptr,
      [](QWidget*, Rgb) -> std::optional<Rgb> { return 0x123456; },
      [](QWidget*, const FontSpec& font) -> std::optional<FontSpec> {
        FontSpec larger = font;
        larger.size_points += 4;
        return larger;
      },
      [] { return *DateTime::ParseDateTimeText("2024/05/06 07:08"); }});
  dialog->show();
  return dialog;
}

// A click near the left end, where a check box or radio button has its mark.
void Click(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(QString::fromUtf8(name));
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void Retype(QWidget& dialog, const char* field_name, const char* text) {
  auto* field = dialog.findChild<QLineEdit*>(QString::fromUtf8(field_name));
  field->selectAll();
  QTest::keyClicks(field, QString::fromUtf8(text));
}

// Runs `answer` on the next modal window of type `Window` once the event loop turns.
template <class Window, class Answer>
void WhenOpened(Answer answer) {
  QTimer::singleShot(0, [answer] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    QVERIFY(window);
    answer(*window);
  });
}

}  // namespace

class SysSettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // No control changes a value by showing it: OK without edits leaves the file as it was.
  void okUnchangedRewritesTheFileByteForByte() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    const std::string before = SysFile(fixture);
    bool opened = false;
    WhenOpened<SysSettingsDialog>([&](SysSettingsDialog& dialog) {
      opened = true;
      QCOMPARE(dialog.windowTitle(), QStringLiteral("ｼｽﾃﾑ設定"));
      dialog.accept();
    });
    program->main_window().command(MainCommand::kSystemSettings)->trigger();
    QVERIFY(opened);
    QVERIFY(fixture.interaction.messages.empty());
    QCOMPARE(SysFile(fixture), before);
  }

  // Cancel returns to the stored values: the file and the settings of the run stay as they were.
  void cancelAfterEditsLeavesTheSettingsAndTheFile() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    const std::string before = SysFile(fixture);
    SysSettings settings = program->services().sys();
    const SysSettings stored = settings;
    std::unique_ptr<SysSettingsDialog> dialog = OpenDialog(*program, settings);
    Click(*dialog, "SCB3");
    Click(*dialog, "SetsuRG1");
    Click(*dialog, "MeiChg0");
    Click(*dialog, "CP3");
    Click(*dialog, "SetuFont");
    Retype(*dialog, "CCnt", "20");
    Click(*dialog, "NRG1");
    Click(*dialog, "NDateLabel");
    QCOMPARE(dialog->edited().SCB3, !stored.SCB3);
    QCOMPARE(dialog->edited().SetsuRG, 1);
    QCOMPARE(dialog->edited().MeiChg, stored.MeiChg ^ 1u);
    QCOMPARE(dialog->edited().CP[3], Rgb{0x123456});
    QCOMPARE(dialog->edited().SetuFont.size_points, stored.SetuFont.size_points + 4);
    QCOMPARE(dialog->edited().CCnt, std::string("20"));
    QCOMPARE(dialog->edited().NDate, std::string("2024/05/06"));

    dialog->reject();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(SysFile(fixture), before);
    QCOMPARE(settings.SCB3, stored.SCB3);
    QCOMPARE(settings.SetsuRG, stored.SetsuRG);
    QCOMPARE(settings.MeiChg, stored.MeiChg);
    QCOMPARE(settings.CP, stored.CP);
    QCOMPARE(settings.SetuFont, stored.SetuFont);
    QCOMPARE(settings.CCnt, stored.CCnt);
    QCOMPARE(settings.NDate, stored.NDate);
  }

  // The close check goes in its order; the first failure keeps the dialog open on its field.
  void aBadFieldIsRefusedAndTheDialogStaysOpen() {
    struct Case {
      std::vector<std::pair<const char*, const char*>> typed;
      const char* field;
      const char* message;
      const char* tab;
    };
    const Case cases[] = {
        {{{"CCnt", "4"}}, "CCnt", "「4」は設定可能最小値より小さな値です", "行運"},
        {{{"Tw", "101"}, {"CCnt1", "36"}}, "CCnt1", "「36」は設定可能最大値より大きな値です", "命行"},
        {{{"Tw", "101"}}, "Tw", "「101」は設定可能最大値より大きな値です", "命式"},
        {{{"SetsuE", "x"}}, "SetsuE", "「x」は整数ではありません", "時間"},
        {{{"NameE", "a&b"}}, "NameE", "氏名欄に半角の「＆」「，」は使用できません。", "基本"},
    };
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    const std::string before = SysFile(fixture);
    for (const Case& c : cases) {
      SysSettings settings = program->services().sys();
      std::unique_ptr<SysSettingsDialog> dialog = OpenDialog(*program, settings);
      for (const auto& [field, text] : c.typed) Retype(*dialog, field, text);
      dialog->accept();
      QVERIFY2(dialog->isVisible(), c.field);
      QCOMPARE(fixture.interaction.messages.back(), std::string(c.message));
      QCOMPARE(dialog->tabs()->tabText(dialog->tabs()->currentIndex()), QString::fromUtf8(c.tab));
      QCOMPARE(dialog->focusWidget(), dialog->findChild<QWidget*>(QString::fromUtf8(c.field)));
      QCOMPARE(SysFile(fixture), before);
    }
  }

  // "hide" against a control's name in the form's section hides it; any other value changes nothing.
  void brandingHidesAControlByName() {
    ProgramFixture fixture;
    QVERIFY(WriteShiftJisFile(fixture.folder() / "OEM.ini", "[App]\r\n[SysF]\r\nMeCB=hide\r\nSCB3=show\r\n"));
    std::unique_ptr<Program> program = fixture.Start();
    QVERIFY(program);
    SysSettings settings = program->services().sys();
    std::unique_ptr<SysSettingsDialog> dialog = OpenDialog(*program, settings);
    QVERIFY(dialog->findChild<QWidget*>(QStringLiteral("MeCB"))->isHidden());
    QVERIFY(!dialog->findChild<QWidget*>(QStringLiteral("SCB3"))->isHidden());
  }

  // A colour, a font and the term method chosen in the dialog reach the open chart window when it
  // closes, through the desktop's own colour and font dialogs; the system font becomes the font of
  // the whole program.
  void changesReachTheOpenChartWindowAtOnce() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    // A birth between the two methods' 立春: which method is in use shows in the chart's notice.
    window.entry_bar()->SetFields({"春野立子", Sex::kFemale, "1986/02/04", "12:03"});
    window.OpenChild(ChartWindowKind::kChart, window.entry_bar()->Fields());
    auto* chart = dynamic_cast<ChartWindow*>(window.ActiveChartWindow());
    QVERIFY(chart);
    QVERIFY(ToQString(chart->session().content().near_term->hint).contains(QStringLiteral("標準（使用中）")));
    const int font_points = program->services().sys().MeiFont.size_points;
    const int system_points = program->services().sys().SysFont.size_points;
    QCOMPARE(QApplication::font().pointSize(), system_points);

    WhenOpened<SysSettingsDialog>([&](SysSettingsDialog& dialog) {
      Click(dialog, "SetsuRG1");
      WhenOpened<QColorDialog>([](QColorDialog& colours) {
        colours.setCurrentColor(QColor(0x12, 0x34, 0x56));
        colours.accept();
      });
      Click(dialog, "CP11");  // 選択部分の色, the chart's moment fields
      const auto choose_size = [](int points) {
        return [points](QFontDialog& fonts) {
          QFont font = fonts.currentFont();
          font.setPointSize(points);
          fonts.setCurrentFont(font);
          fonts.accept();
        };
      };
      WhenOpened<QFontDialog>(choose_size(font_points + 2));
      Click(dialog, "MeiFont");
      WhenOpened<QFontDialog>(choose_size(system_points + 3));
      Click(dialog, "SysFont");
      dialog.accept();
    });
    window.command(MainCommand::kSystemSettings)->trigger();

    QVERIFY(ToQString(chart->session().content().near_term->hint).contains(QStringLiteral("精密（使用中）")));
    bool coloured = false;
    for (const QWidget* field : chart->findChild<MomentStrip*>()->findChildren<QWidget*>()) {
      coloured = coloured || field->styleSheet().contains(QStringLiteral("#123456"));
    }
    QVERIFY(coloured);
    QCOMPARE(program->services().sys().MeiFont.size_points, font_points + 2);
    // The system font is the whole program's.
    QCOMPARE(QApplication::font().pointSize(), system_points + 3);
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::SysSettingsDialogTest)
#include "sys_settings_dialog_test.moc"
