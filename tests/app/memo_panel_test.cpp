// The memo panel of the side panel's "メモ" tab over a small vocabulary: the memo menu, browsing,
// the pending-edit question, the read-only mode, the cell lookup, and writing to memory and disk.
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/memos/memo_panel.h"
#include "data/memo_file.h"
#include "memo_vocabulary_fixture.h"
#include "platform/text_file.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

using namespace kirvo;

namespace {

MemoVocabulary Vocabulary() { return testing::SmallMemoVocabulary(); }

MemoList Memos() { return MemoList::FromTexts({"header", "0 00甲の基本/r二行目", "0 12乙の運勢", "1 00比肩の基本"}); }

// Triggers the topic item reached through the captions of its classification and word.
bool Choose(QMenu& menu, const QStringList& path) {
  QMenu* level = &menu;
  for (int i = 0; i < path.size(); ++i) {
    QAction* found = nullptr;
    for (QAction* action : level->actions()) {
      if (action->text() == path[i]) found = action;
    }
    if (!found) return false;
    if (i + 1 == path.size()) {
      found->trigger();
      return true;
    }
    if (!found->menu()) return false;
    level = found->menu();
  }
  return false;
}

struct Fixture {
  TempFolder folder;
  MemoVocabulary vocabulary = Vocabulary();
  MemoList memos = Memos();
  RecordingInteraction interaction;
  MemoPanel panel{memos, vocabulary, folder.path(), interaction};

  QPushButton* button(const char* name) const { return panel.findChild<QPushButton*>(QString::fromLatin1(name)); }
  // Typed at the end of the text.
  void Type(const QString& text) {
    panel.Editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(panel.Editor(), text);
  }
};

}  // namespace

class MemoPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void MenuShowsTheMemoOfATopicOrAnEmptyText() {
    Fixture f;
    QVERIFY(Choose(*f.panel.Menu(), {"0:天干", " 0:甲", "0:基本"}));
    QCOMPARE(f.panel.Address(), QStringLiteral(" 0:甲 >0:基本"));
    QCOMPARE(f.panel.Text(), QStringLiteral("甲の基本\n二行目"));
    QVERIFY(!f.panel.edited());
    QVERIFY(!f.button("MWBtn")->isEnabled());
    // Classifications without words have no second level; topics are the ones the classification uses.
    QVERIFY(!Choose(*f.panel.Menu(), {"0:天干", " 0:甲", "1:"}));
    QVERIFY(f.panel.Menu()->actions().at(9)->menu() == nullptr);

    QVERIFY(Choose(*f.panel.Menu(), {"0:天干", " 1:乙", "0:基本"}));
    QCOMPARE(f.panel.Text(), QString());
    f.Type(QStringLiteral("new memo"));
    QVERIFY(f.panel.edited());
    QVERIFY(f.button("MWBtn")->isEnabled());
    f.button("MWBtn")->click();
    QVERIFY(!f.panel.edited());
    QCOMPARE(f.memos.Text(2), std::string("0 10new memo"));
  }

  void BrowsingStopsAtTheFirstAndLastMemo() {
    Fixture f;
    QVERIFY(Choose(*f.panel.Menu(), {"0:天干", " 0:甲", "0:基本"}));
    f.button("PreBtn")->click();  // the header is never shown
    QCOMPARE(f.panel.Address(), QStringLiteral(" 0:甲 >0:基本"));
    f.button("NxtBtn")->click();
    QCOMPARE(f.panel.Address(), QStringLiteral(" 1:乙 >2:運勢"));
    QCOMPARE(f.panel.Text(), QStringLiteral("乙の運勢"));
    f.button("NxtBtn")->click();
    f.button("NxtBtn")->click();
    QCOMPARE(f.panel.Address(), QStringLiteral(" 0:比肩 >0:基本"));
    f.button("PreBtn")->click();
    QCOMPARE(f.panel.Text(), QStringLiteral("乙の運勢"));
  }

  void PendingEditNoAbandonsAMenuChoiceButNotBrowsing() {
    Fixture f;
    QVERIFY(Choose(*f.panel.Menu(), {"0:天干", " 0:甲", "0:基本"}));
    f.Type(QStringLiteral("+more"));
    f.interaction.QueueAnswer(false);
    QVERIFY(Choose(*f.panel.Menu(), {"1:通変星", " 0:比肩", "0:基本"}));
    QCOMPARE(f.interaction.questions.size(), std::size_t{1});
    QCOMPARE(f.interaction.questions.back(), std::string("メモデータが更新されています。書込をしますか？"));
    QCOMPARE(f.panel.Address(), QStringLiteral(" 0:甲 >0:基本"));
    QVERIFY(f.panel.Text().endsWith(QStringLiteral("+more")));
    QVERIFY(f.panel.edited());

    f.interaction.QueueAnswer(false);
    f.button("NxtBtn")->click();  // the edit is dropped, browsing goes on
    QCOMPARE(f.panel.Address(), QStringLiteral(" 1:乙 >2:運勢"));
    QCOMPARE(f.memos.Text(1), std::string("0 00甲の基本/r二行目"));

    f.Type(QStringLiteral("!"));
    f.interaction.QueueAnswer(true);
    f.button("PreBtn")->click();  // Yes writes, then browses
    QCOMPARE(f.memos.Text(2), std::string("0 12乙の運勢!"));
    QCOMPARE(f.panel.Address(), QStringLiteral(" 0:甲 >0:基本"));
  }

  void ReadOnlyModeHidesWritingAndNeverAsks() {
    Fixture f;
    f.panel.ApplySettings(true, FontSpec{});
    QVERIFY(f.panel.Editor()->isReadOnly());
    QVERIFY(f.button("MWBtn")->isHidden());
    QVERIFY(f.button("MeSavBtn")->isHidden());
    QVERIFY(Choose(*f.panel.Menu(), {"0:天干", " 0:甲", "0:基本"}));
    f.button("NxtBtn")->click();
    QVERIFY(f.interaction.questions.empty());
    f.panel.ApplySettings(false, FontSpec{});
    QVERIFY(!f.button("MWBtn")->isHidden());
  }

  void LookUpShowsTheLowestTopicOfTheClickedWord() {
    Fixture f;
    f.memos.Write({0, 1, 0}, "乙の基本");
    f.panel.LookUp(QStringLiteral(" ○乙 "));
    QCOMPARE(f.panel.Address(), QStringLiteral(" 1:乙 >0:基本"));
    QCOMPARE(f.panel.Text(), QStringLiteral("乙の基本"));
    // A word without memos empties the panel; a text that is no word changes nothing.
    f.panel.LookUp(QStringLiteral("比肩"));
    f.memos.Remove(*f.memos.Find({1, 0, 0}));
    f.panel.LookUp(QStringLiteral("比肩"));
    QCOMPARE(f.panel.Address(), QString());
    f.panel.LookUp(QStringLiteral("甲"));
    f.panel.LookUp(QStringLiteral("丁"));
    QCOMPARE(f.panel.Address(), QStringLiteral(" 0:甲 >0:基本"));
  }

  void AMemoOfAWordNoLongerInTheVocabularyIsNotFiledElsewhere() {
    Fixture f;
    QVERIFY(Choose(*f.panel.Menu(), {"1:通変星", " 0:比肩", "0:基本"}));
    f.Type(QStringLiteral("+more"));
    f.vocabulary.Me1SG.SetCell(2, 0, "劫財");
    const MemoList before = f.memos;
    f.button("MWBtn")->click();
    QCOMPARE(f.interaction.refusals.size(), std::size_t{1});
    QVERIFY(f.memos == before);
    QVERIFY(f.panel.edited());
  }

  void SavingWritesTheShownMemoAndKeepsABackup() {
    Fixture f;
    QVERIFY(WriteFileAtomically(f.folder / "Memo.Dat", "old\r\n").ok());
    QVERIFY(Choose(*f.panel.Menu(), {"1:通変星", " 0:比肩", "0:基本"}));
    f.Type(QStringLiteral("!"));
    QVERIFY(f.panel.SaveToDisk());
    QVERIFY(!f.panel.edited());
    const Loaded<MemoList> saved = LoadMemoFile(f.folder.path());
    QVERIFY(saved.report.empty());
    QVERIFY(saved.value == f.memos);
    QCOMPARE(saved.value.Text(3), std::string("1 00比肩の基本!"));
    QCOMPARE(ReadFileBytes(f.folder / "Memo.Bak").value(), std::string("old\r\n"));
  }
};

QTEST_MAIN(MemoPanelTest)
#include "memo_panel_test.moc"
