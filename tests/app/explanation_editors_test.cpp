// The explanation editors and their list viewer: what the user types reaches the file only when
// the editor closes, a file opened and closed unchanged is left byte for byte, and the main
// window's commands open the editors.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

#include "app/bridge/text.h"
#include "app/editors/explanation_editor_dialog.h"
#include "app/editors/explanation_list_dialog.h"
#include "app/frame/main_commands.h"
#include "app/frame/main_window.h"
#include "data/explanation_editor.h"
#include "platform/text_file.h"
#include "program_fixture.h"
#include "settings/spirit_star_slots.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace kirvo {
namespace {

std::vector<std::string> SpiritStarEntries() {
  return SpiritStarExplanationEntries(SpiritStarSlotNamesFor(kDefaultGaiji1));
}

std::vector<std::string> PatternEntries() {
  std::vector<std::string> names;
  for (int i = 1; i <= kPatternExplanations.entry_count; ++i) names.push_back("格" + std::to_string(i));
  return names;
}

std::unique_ptr<ExplanationEditorDialog> OpenEditor(RecordingInteraction& interaction, const TempFolder& folder,
                                                    const ExplanationEditorForm& form, std::vector<std::string> names) {
  Outcome<ExplanationEditor> editor = ExplanationEditor::Open(form, std::move(names), folder.path());
  if (!editor) return nullptr;
  return std::make_unique<ExplanationEditorDialog>(interaction, std::move(editor).value(), QFont(), nullptr);
}

std::string Bytes(const std::filesystem::path& path) {
  Outcome<std::string> bytes = ReadFileBytes(path);
  return bytes ? bytes.value() : std::string("<unreadable>");
}

// Japanese text arrives through the input method: a commit string, as the user's conversion ends.
void Type(QWidget* field, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(field, &commit);
}

// The mouse on the selector: it takes the focus before the new entry is chosen.
void ChooseWithMouse(QComboBox* selector, int index) {
  QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
  QApplication::sendEvent(selector, &focus);
  selector->setCurrentIndex(index);
}

}  // namespace

class ExplanationEditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void anEditorOpenedAndClosedUnchangedRewritesNothing() {
    TempFolder folder;
    // Not what the editor would write: fewer lines than entries, a kept line after them would
    // be lost by a careless rewrite, and the CR LF ends must stay.
    const std::string original = "\x8a\x69\x2f\x72\x88\xea\r\n\r\n";  // "格/r一", ""
    QVERIFY(WriteFileAtomically(folder / "KakuSetu.dat", original).ok());
    struct stat before{};
    QCOMPARE(::stat((folder / "KakuSetu.dat").c_str(), &before), 0);

    for (const bool by_ok : {false, true}) {
      RecordingInteraction interaction;
      auto dialog = OpenEditor(interaction, folder, kPatternExplanationEditor, PatternEntries());
      QVERIFY(dialog);
      QCOMPARE(dialog->objectName(), QStringLiteral("TKSetuF"));
      QCOMPARE(dialog->windowTitle(), QStringLiteral("格局の説明文の編集"));
      QCOMPARE(dialog->text_area()->toPlainText(), QStringLiteral("格\n一"));
      dialog->next_button()->click();
      dialog->previous_button()->click();
      if (by_ok) {
        dialog->ok_button()->click();
      } else {
        dialog->reject();
      }
      QCOMPARE(dialog->result(), by_ok ? int{QDialog::Accepted} : int{QDialog::Rejected});
      QVERIFY(interaction.messages.empty());
    }
    QCOMPARE(Bytes(folder / "KakuSetu.dat"), original);
    struct stat after{};
    QCOMPARE(::stat((folder / "KakuSetu.dat").c_str(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
  }

  void editsSurviveARestartAndTheCloseBoxDropsOnlyTheEntryBeingEdited() {
    TempFolder folder;
    RecordingInteraction interaction;
    {
      auto dialog = OpenEditor(interaction, folder, kSpiritStarExplanationEditor, SpiritStarEntries());
      QVERIFY(dialog);
      QCOMPARE(dialog->selector()->count(), kSpiritStarExplanations.entry_count);
      QVERIFY(!dialog->previous_button()->isEnabled());
      // Three lines typed, the last with "/r" typed in by hand.
      Type(dialog->text_area(), QStringLiteral("一行目"));
      QTest::keyClick(dialog->text_area(), Qt::Key_Return);
      Type(dialog->text_area(), QStringLiteral("二行目/r三行目"));
      dialog->next_button()->click();  // stores entry 1
      QVERIFY(dialog->previous_button()->isEnabled());
      Type(dialog->text_area(), QStringLiteral("二番"));
      ChooseWithMouse(dialog->selector(), 36);  // stores entry 2 before moving
      QCOMPARE(dialog->text_area()->toPlainText(), QString());
      dialog->next_button()->click();
      QCOMPARE(dialog->selector()->currentIndex(), 37);  // 38, the last but one
      QVERIFY(dialog->next_button()->isEnabled());
      dialog->next_button()->click();
      QVERIFY(!dialog->next_button()->isEnabled());
      Type(dialog->text_area(), QStringLiteral("閉じると消える"));
      dialog->reject();  // the close box: the entry being edited is lost, the rest written
      QCOMPARE(dialog->result(), int{QDialog::Rejected});
    }
    Outcome<std::vector<std::string>> lines = ReadExplanationLines(folder / "SinSetu.dat");
    QVERIFY(lines);
    QCOMPARE(lines->size(), std::size_t{39});
    QCOMPARE(QString::fromStdString((*lines)[0]), QStringLiteral("一行目/r二行目/r三行目"));
    QCOMPARE(QString::fromStdString((*lines)[1]), QStringLiteral("二番"));
    QCOMPARE(QString::fromStdString((*lines)[38]), QString());

    auto reopened = OpenEditor(interaction, folder, kSpiritStarExplanationEditor, SpiritStarEntries());
    QVERIFY(reopened);
    QCOMPARE(reopened->text_area()->toPlainText(), QStringLiteral("一行目\n二行目\n三行目"));
    QVERIFY(interaction.messages.empty());
  }

  void aFailedWriteKeepsTheEditorOpenWithTheEdit() {
    TempFolder folder;
    RecordingInteraction interaction;
    auto dialog = OpenEditor(interaction, folder, kPatternExplanationEditor, PatternEntries());
    QVERIFY(dialog);
    Type(dialog->text_area(), QStringLiteral("残す"));
    // A folder where the file should be: the save cannot replace it, whoever runs the test.
    std::filesystem::create_directory(folder / "KakuSetu.dat");
    dialog->ok_button()->click();
    QCOMPARE(interaction.messages.size(), std::size_t{1});
    std::filesystem::remove(folder / "KakuSetu.dat");
    QCOMPARE(dialog->result(), int{QDialog::Rejected});  // not closed
    QCOMPARE(dialog->text_area()->toPlainText(), QStringLiteral("残す"));
    dialog->ok_button()->click();
    QCOMPARE(dialog->result(), int{QDialog::Accepted});
    QCOMPARE(QString::fromStdString(ReadExplanationLines(folder / "KakuSetu.dat").value()[0]), QStringLiteral("残す"));
  }

  void theListShowsTheStoredLinesWithTheEditInProgress() {
    TempFolder folder;
    QVERIFY(WriteShiftJisFile(folder / "KakuSetu.dat", "一/r二\n").ok());
    RecordingInteraction interaction;
    auto dialog = OpenEditor(interaction, folder, kPatternExplanationEditor, PatternEntries());
    QVERIFY(dialog);
    dialog->next_button()->click();
    Type(dialog->text_area(), QStringLiteral("編集中"));

    ExplanationListDialog list(dialog->ListTable(), nullptr);
    QCOMPARE(list.objectName(), QStringLiteral("TSListF"));
    QTableWidget* table = list.table();
    QCOMPARE(table->rowCount(), 30);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("格局の説明文の編集の一覧"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("格1"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("一/r二"));
    QCOMPARE(table->item(2, 1)->text(), QStringLiteral("編集中"));
    QCOMPARE(table->columnWidth(0), 60);

    // A line too long for its column takes several row heights while wrapping is on.
    table->item(3, 1)->setText(QString(200, QChar(0x4E00)));
    list.resize(400, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.wrap_box()->setChecked(false);
    list.wrap_box()->setChecked(true);
    const int plain = table->verticalHeader()->defaultSectionSize();
    QCOMPARE(table->rowHeight(2), plain);
    QVERIFY(table->rowHeight(3) > 2 * plain);
    list.wrap_box()->setChecked(false);
    QCOMPARE(table->rowHeight(3), plain);
    QVERIFY(!list.print_button()->isEnabled());  // no preview to open
  }

  // The print button hands the list with the rows as high as the window shows them.
  void theListPrintsAsShown() {
    TempFolder folder;
    QVERIFY(WriteShiftJisFile(folder / "KakuSetu.dat", "一/r二\n").ok());
    RecordingInteraction interaction;
    auto dialog = OpenEditor(interaction, folder, kPatternExplanationEditor, PatternEntries());
    QVERIFY(dialog);
    std::vector<PrintJob> jobs;
    ExplanationListDialog list(dialog->ListTable(), nullptr, [&jobs](PrintJob job) { jobs.push_back(std::move(job)); });
    list.table()->item(3, 1)->setText(QString(200, QChar(0x4E00)));
    list.resize(400, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.print_button()->toolTip(), QStringLiteral("印刷プレビュー"));
    QTest::mouseClick(list.print_button(), Qt::LeftButton);
    QCOMPARE(jobs.size(), std::size_t{1});
    const PrintJob& job = jobs.front();
    QCOMPARE(job.source, PrintSource::kExplanationList);
    QCOMPARE(job.target.name, std::string("LSG"));
    QCOMPARE(job.title, ToUtf8(list.windowTitle()));
    QCOMPARE(job.target.grid.Cell(1, 0), std::string("格局の説明文の編集の一覧"));
    QCOMPARE(job.target.grid.Cell(1, 1), std::string("一/r二"));
    QCOMPARE(job.target.grid.column_widths[0], 60);
    QCOMPARE(job.target.row_heights.size(), static_cast<std::size_t>(list.table()->rowCount()));
    QCOMPARE(job.target.row_heights[3], list.table()->rowHeight(3));
    QVERIFY(job.target.row_heights[3] > job.target.row_heights[2]);
  }

  void theMainWindowCommandsOpenBothEditors() {
    ProgramFixture fixture;
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    for (const auto& [which, form, caption] :
         {std::tuple{MainCommand::kPatternExplanations, "TKSetuF", "格局の説明文の編集"},
          std::tuple{MainCommand::kSpiritStarExplanations, "TSSetuF", "神殺の説明文の編集"}}) {
      QAction* action = window.command(which);
      QVERIFY(action->isEnabled());
      QString opened;
      QString title;
      QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        opened = modal->objectName();
        title = modal->windowTitle();
        static_cast<QDialog*>(modal)->reject();
      });
      action->trigger();
      QCOMPARE(opened, QString::fromUtf8(form));
      QCOMPARE(title, QString::fromUtf8(caption));
    }
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::ExplanationEditorsTest)
#include "explanation_editors_test.moc"
