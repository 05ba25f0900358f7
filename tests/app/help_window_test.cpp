// The help window over the help pages the build lays into the program folder.
#include <QFile>
#include <QTest>
#include <QTextBrowser>

#include "app/frame/help_window.h"
#include "presentation/frame/help_topics.h"
#include "support/temp_folder.h"

using namespace kirvo;

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Every topic number the program's windows open has its page, titled, and listed in the index.
  void EveryTopicHasAPageReachableFromTheIndex() {
    const std::filesystem::path folder = KIRVO_HELP_DIR;
    QFile index(QString::fromStdString((folder / "index.html").string()));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString index_text = QString::fromUtf8(index.readAll());
    for (const int topic :
         {10000, 10001, 10003, 10004, 10005, 10006, 10007, 10008, 10101, 10102, 10103, 10104, 10105, 30001, 30002,
          40003}) {
      HelpWindow window(folder);
      window.ShowTopic(topic);
      QCOMPARE(window.Topic(), topic);
      QVERIFY2(!window.Browser()->documentTitle().isEmpty(), qPrintable(QString::number(topic)));
      QVERIFY2(index_text.contains(QStringLiteral("href=\"%1.html\"").arg(topic)), qPrintable(QString::number(topic)));
    }
  }

  // Every window and dialog that F1 can be pressed in has a page of its own.
  void EveryFormsTopicHasAPage() {
    for (const char* form : {"MainF", "TZoneF", "MeiWin", "NListF", "MeisF", "MKF", "KouF", "WaRekiF", "SouGoF",
                             "SouKsF", "SrcF", "USysF", "SysF", "TKSetuF", "TSSetuF", "TSListF", "TGaijiF", "BackF",
                             "TMemoF", "TMeEF", "TMLF", "PrevF"}) {
      const int topic = HelpTopicOfForm(form);
      QVERIFY2(topic != 0, form);
      HelpWindow window(KIRVO_HELP_DIR);
      window.ShowTopic(topic);
      QVERIFY2(window.Topic() == topic, form);
    }
    QCOMPARE(HelpTopicOfForm("NoSuchF"), 0);
  }

  void ShowsTheSidePanelTopic() {
    HelpWindow window(KIRVO_HELP_DIR);
    window.ShowTopic(10004);
    QVERIFY(window.isVisible());
    QCOMPARE(window.Browser()->documentTitle(), QStringLiteral("命式内容パネル"));
    QVERIFY(window.Browser()->toPlainText().contains(QStringLiteral("表をTextでコピー")));
  }

  void LinksBetweenPagesStayInTheWindow() {
    HelpWindow window(KIRVO_HELP_DIR);
    window.ShowTopic(HelpTopicNumber(HelpTopic::kContents));
    window.Browser()->setSource(QUrl(QStringLiteral("10004.html")));
    QCOMPARE(window.Browser()->documentTitle(), QStringLiteral("命式内容パネル"));
  }

  void AnUnknownTopicShowsTheIndexAndSaysSo() {
    HelpWindow window(KIRVO_HELP_DIR);
    window.ShowTopic(99999);
    QCOMPARE(window.Topic(), 0);
    QCOMPARE(window.Browser()->documentTitle(), QStringLiteral("Kirvolan ヘルプ 目次"));
    QVERIFY(window.Browser()->toPlainText().contains(QStringLiteral("ヘルプ項目 99999 のページがありません。")));
  }

  void AFolderWithoutHelpSaysSo() {
    TempFolder empty;
    HelpWindow window(empty.path());
    window.ShowTopic(10000);
    QVERIFY(window.Browser()->toPlainText().contains(QStringLiteral("ヘルプファイルがありません")));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
