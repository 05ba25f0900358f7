// The memo settings editor and its cell dialog: inserting and deleting carry the memos, the close
// check keeps the editor open on the offending cell, OK writes "MemoF.ini", Cancel restores the memos.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/memos/memo_cell_dialog.h"
#include "app/memos/memo_list_dialog.h"
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include "app/memos/memo_settings_dialog.h"
#include "data/memo_file.h"
#include "memo_vocabulary_fixture.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

using namespace kirvo;

namespace {

MemoVocabulary Vocabulary() { return testing::SmallMemoVocabulary(); }

std::vector<std::string> Texts(const MemoList& list) {
  std::vector<std::string> texts;
  for (const MemoList::Line& line : list.lines()) texts.push_back(line.text);
  return texts;
}

struct Fixture {
  Fixture() { static_cast<void>(SaveMemoVocabulary(folder.path(), vocabulary)); }
  TempFolder folder;
  MemoVocabulary vocabulary = Vocabulary();
  MemoList memos = MemoList::FromTexts({"header", "0 00甲の基本", "0 12乙の運勢", "1 00比肩の基本"});
  RecordingInteraction interaction{true};
};

}  // namespace

class MemoEditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void InsertAndDeleteCarryTheMemosAndOkWritesTheFile() {
    Fixture f;
    MemoSettingsDialog dialog(f.memos, f.vocabulary, f.folder.path(), f.interaction);
    dialog.show();
    QVERIFY(std::filesystem::exists(f.folder / "Memo.Tmp"));
    dialog.Insert(MemoTable::kWords, 1, 0);
    QCOMPARE(dialog.Table(MemoTable::kWords)->item(0, 1)->text(), QStringLiteral("⇔"));
    QCOMPARE(Texts(f.memos), (std::vector<std::string>{"header", "0 10甲の基本", "0 22乙の運勢", "1 00比肩の基本"}));
    dialog.Rename(MemoTable::kWords, 1, 0, "丙");
    dialog.Delete(MemoTable::kWords, 1, 2);  // 乙 and its memo, after the question
    QCOMPARE(f.interaction.questions.back(),
             std::string("【 分類：　天干 > 単語：　乙 】\n\rこの単語に関するメモデータは、1 件あります。削除してよろしいですか？[0 2]"));
    QCOMPARE(Texts(f.memos), (std::vector<std::string>{"header", "0 10甲の基本", "1 00比肩の基本"}));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.vocabulary.Word(0, 0), std::string("丙"));
    QCOMPARE(f.vocabulary.Word(0, 1), std::string("甲"));
    QVERIFY(LoadMemoVocabulary(f.folder.path()).value() == f.vocabulary);
  }

  void TheCloseCheckKeepsTheEditorOpenOnTheCell() {
    Fixture f;
    MemoSettingsDialog dialog(f.memos, f.vocabulary, f.folder.path(), f.interaction);
    dialog.show();
    dialog.Rename(MemoTable::kWords, 2, 1, "甲");
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(f.interaction.messages.back(), std::string("「甲」は単語が重複しています。"));
    QCOMPARE(dialog.Table(MemoTable::kWords)->currentRow(), 1);
    QCOMPARE(dialog.Table(MemoTable::kWords)->currentColumn(), 2);
    QVERIFY(f.vocabulary == Vocabulary());
  }

  void CancelRestoresTheMemosAndTheVocabulary() {
    Fixture f;
    const MemoList before = f.memos;
    MemoSettingsDialog dialog(f.memos, f.vocabulary, f.folder.path(), f.interaction);
    dialog.show();
    dialog.Delete(MemoTable::kClassifications, 1, 0);
    QCOMPARE(Texts(f.memos), (std::vector<std::string>{"header", "0 00比肩の基本"}));
    dialog.reject();
    QVERIFY(f.memos == before);
    QVERIFY(f.vocabulary == Vocabulary());
  }

  void CellDialogRefusesAnEmptyTextAndWritesCheckedTopics() {
    RecordingInteraction interaction;
    MemoCellDialog text(QStringLiteral("分類：　天干"), "甲", interaction);
    text.Field()->clear();
    text.accept();
    QCOMPARE(text.result(), int(QDialog::Rejected));
    QCOMPARE(interaction.messages.back(), std::string("「甲」を削除する場合は、前画面の削除を実行してください。"));
    text.Field()->setText(QStringLiteral("丁"));
    text.accept();
    QCOMPARE(text.Result(), std::string("丁"));

    MemoCellDialog topics(QStringLiteral("分類：　天干"), Vocabulary(), "20", interaction);
    QVERIFY(topics.Topic(0)->isChecked() && topics.Topic(2)->isChecked() && !topics.Topic(1)->isChecked());
    topics.Topic(0)->setChecked(false);
    topics.Topic(5)->setChecked(true);
    topics.accept();
    QCOMPARE(topics.Result(), std::string("25"));
  }

  void ListEditorBrowsesWritesDeletesAndChangesTopics() {
    Fixture f;
    MemoListDialog dialog(f.memos, f.vocabulary, f.folder.path(), f.interaction);
    dialog.show();
    QCOMPARE(dialog.Count()->text(), QStringLiteral("件数：3 件"));
    QCOMPARE(dialog.Address(), QStringLiteral("0:天干 > 0:甲 >0:基本"));
    dialog.ShowNext();
    QCOMPARE(dialog.Editor()->toPlainText(), QStringLiteral("乙の運勢"));
    // An edit: No to the question abandons browsing and keeps the text.
    dialog.Editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(dialog.Editor(), QStringLiteral("!"));
    f.interaction.QueueAnswer(false);
    dialog.ShowNext();
    QCOMPARE(dialog.row(), std::size_t{2});
    QVERIFY(dialog.edited());
    dialog.WriteShown();
    QCOMPARE(f.memos.Text(2), std::string("0 12乙の運勢!"));
    // A new memo through データの選択.
    dialog.ChooseTopic({0, 1, 0});
    QCOMPARE(dialog.Address(), QStringLiteral("0:天干 > 1:乙 >0:基本"));
    QTest::keyClicks(dialog.Editor(), QStringLiteral("new"));
    dialog.WriteShown();
    QCOMPARE(Texts(f.memos), (std::vector<std::string>{"header", "0 00甲の基本", "0 10new", "0 12乙の運勢!", "1 00比肩の基本"}));
    QCOMPARE(dialog.row(), std::size_t{2});
    // トピック変更 refuses a key that is taken, then moves the memo.
    dialog.ChangeTopic(2);
    QCOMPARE(f.interaction.refusals.size(), std::size_t{1});
    QCOMPARE(f.memos.Text(2), std::string("0 10new"));
    dialog.ChangeTopic(1);
    QCOMPARE(f.memos.Text(2), std::string("0 11new"));
    QCOMPARE(dialog.Address(), QStringLiteral("0:天干 > 1:乙 >1:"));
    // データ削除 after Yes.
    dialog.DeleteShown();
    QVERIFY(f.interaction.questions.back().ends_with("このデータを削除してよろしいですか？"));
    QCOMPARE(Texts(f.memos), (std::vector<std::string>{"header", "0 00甲の基本", "0 12乙の運勢!", "1 00比肩の基本"}));
    QCOMPARE(dialog.Tree()->topLevelItemCount(), 2);
    dialog.accept();
    QCOMPARE(f.memos.size(), std::size_t{4});
  }

  void ListEditorPrintsItsTableAsShown() {
    Fixture f;
    MemoListDialog dialog(f.memos, f.vocabulary, f.folder.path(), f.interaction);
    dialog.show();
    QVERIFY(!dialog.PrintButton()->isEnabled());  // no preview to open
    std::vector<PrintJob> jobs;
    dialog.SetPrintPreview([&jobs](PrintJob job) { jobs.push_back(std::move(job)); });
    QVERIFY(dialog.PrintButton()->isEnabled());
    const MemoList before = f.memos;
    QTest::mouseClick(dialog.PrintButton(), Qt::LeftButton);
    QCOMPARE(jobs.size(), std::size_t{1});
    const PrintJob& job = jobs.front();
    QCOMPARE(job.source, PrintSource::kMemoList);
    QCOMPARE(job.title, std::string("メモ内容の一覧編集"));
    QCOMPARE(job.target.name, std::string("MeLSG"));
    QCOMPARE(job.target.grid.rows(), std::size_t{4});
    QCOMPARE(job.target.grid.Cell(1, 0), std::string("分類"));
    QCOMPARE(job.target.grid.Cell(6, 2), std::string("乙の運勢"));
    QCOMPARE(job.target.fixed_rows, 1);
    QCOMPARE(job.target.row_heights.size(), std::size_t{4});
    QCOMPARE(job.target.grid.column_widths.size(), std::size_t{7});
    // The last column takes the rest of the table's width, as on the screen.
    QCOMPARE(job.target.grid.column_widths[6], dialog.Table()->columnWidth(6));
    QVERIFY(f.memos == before);
  }

  void ListEditorCancelRestoresTheMemos() {
    Fixture f;
    const MemoList before = f.memos;
    MemoListDialog dialog(f.memos, f.vocabulary, f.folder.path(), f.interaction);
    dialog.show();
    dialog.DeleteShown();
    QVERIFY(!(f.memos == before));
    dialog.reject();
    QVERIFY(f.memos == before);
  }
};

QTEST_MAIN(MemoEditorsTest)
#include "memo_editors_test.moc"
