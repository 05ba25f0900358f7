// The splash, version and notices windows: what they show with and without the branding files; how a
// refusal says why.
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

#include "app/frame/notices_window.h"
#include "app/frame/splash_window.h"
#include "app/frame/version_dialog.h"
#include "app/services/qt_interaction.h"
#include "data/last_notice.h"
#include "support/temp_folder.h"

using namespace kirvo;

namespace {

constexpr std::string_view kTitle = "Kirvolan Ver1.54";

void WritePicture(const std::filesystem::path& file, const char* format) {
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  QVERIFY(image.save(QString::fromStdString(file.string()), format));
}

}  // namespace

class FrameWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  // Most desktops make no beep: a refusal's reason goes to the status bar of the main window.
  void RefusalShowsItsReasonInTheStatusBar() {
    QMainWindow window;
    window.statusBar();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QtInteraction interaction;
    interaction.SetParent(&window);
    interaction.Refuse("日付が正しくありません。");
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("日付が正しくありません。"));
    interaction.Refuse("");  // the beep alone leaves the status bar as it is
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("日付が正しくありません。"));
  }

  void SplashWritesNameAndVersionInARoundedOutline() {
    TempFolder folder;
    SplashWindow splash(kTitle, std::nullopt, folder.path());
    QVERIFY(splash.RoundedOutline());
    QCOMPARE(splash.NameText(), QStringLiteral("Kirvolan"));
    QCOMPARE(splash.VersionText(), QStringLiteral("Ver1.54"));
    QVERIFY(splash.DecorationShown());
    QVERIFY(!splash.ShowsPicture());
    QCOMPARE(splash.size(), QSize(423, 237));
    QCOMPARE(splash.windowTitle(), QStringLiteral("タイトル"));
  }

  void BrandingRenamesTheSplashAndMayMakeItElliptic() {
    TempFolder folder;
    Branding branding;
    branding.title = "四柱推命鑑定士";
    branding.title_rect = 0;
    SplashWindow splash(kTitle, branding, folder.path());
    QVERIFY(!splash.RoundedOutline());
    QCOMPARE(splash.NameText(), QStringLiteral("四柱推命鑑定士"));
    QVERIFY(!splash.DecorationShown());  // a long name takes the room
  }

  void ASplashPictureReplacesTheTitle() {
    TempFolder folder;
    WritePicture(folder / "OEM.bmp", "BMP");
    SplashWindow splash(kTitle, std::nullopt, folder.path());
    splash.show();
    QVERIFY(splash.ShowsPicture());
    QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("TitleName"))->isVisible());
  }

  void TheSplashShowsTheBusyPointerWhileItIsShown() {
    TempFolder folder;
    {
      SplashWindow splash(kTitle, std::nullopt, folder.path());
      splash.show();
      QVERIFY(QGuiApplication::overrideCursor() != nullptr);
      QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  }

  void VersionDialogShowsTheBrandedTitleAndTheIconWhenPresent() {
    TempFolder folder;
    {
      VersionDialog plain(kTitle, std::nullopt, folder.path(), "https://support.example.invalid/");
      QCOMPARE(plain.TitleText(), QStringLiteral("Kirvolan Ver1.54"));
      QVERIFY(!plain.ShowsPicture());
      QCOMPARE(plain.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    }
    WritePicture(folder / "OEM.ico", "ICO");
    Branding branding;
    branding.title = "星読み";
    VersionDialog branded(kTitle, branding, folder.path(), "https://support.example.invalid/");
    QCOMPARE(branded.TitleText(), QStringLiteral("星読みVer1.54"));
    QVERIFY(branded.ShowsPicture());
  }

  void NoticesShowTheKeptNoticeAndFetchNothing() {
    TempFolder folder;
    Outcome<FileSettingsStore> store = FileSettingsStore::Open(folder / "KirvoStore.txt");
    QVERIFY(store.ok());
    NoticesWindow window(store.value());
    QCOMPARE(window.NoticeText(), QStringLiteral("保存されているお知らせはありません。"));
    QVERIFY(window.StatusText().contains(QStringLiteral("配信元が設定されていない")));

    QVERIFY(KeepLastNotice(store.value(), {"メンテナンスのお知らせ\n12月20日", "2026/12/01 10:15:00"}).ok());
    window.Reload();
    QCOMPARE(window.NoticeText(), QStringLiteral("メンテナンスのお知らせ\n12月20日"));
    QCOMPARE(window.TimeText(), QStringLiteral("取得日時：2026/12/01 10:15:00"));
  }
};

QTEST_MAIN(FrameWindowsTest)
#include "frame_windows_test.moc"
