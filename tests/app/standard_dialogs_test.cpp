// The toolkit's standard dialogs as the program shows them: in Japanese, over the window in use,
// the file dialogs opening in the program folder or where that kind of file was last chosen.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/frame/qt_translations.h"
#include "app/persons/file_dialogs.h"
#include "app/services/qt_interaction.h"

using namespace kirvo;

namespace {

// Runs `handle` on the modal dialog that the next call opens, once it is up.
template <typename Dialog, typename Handle>
void WhenModalOpens(Handle handle) {
  QTimer::singleShot(0, [handle] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    handle(*dialog);
  });
}

QStringList ButtonTexts(const QList<QAbstractButton*>& buttons) {
  QStringList texts;
  for (const QAbstractButton* button : buttons) texts.append(button->text());
  return texts;
}

}  // namespace

class StandardDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseJapaneseStandardDialogs(*QCoreApplication::instance()); }

  // A question offers "はい"/"いいえ" and stands over the active window (the person list asking
  // about a sort), not behind it over the main window.
  void AQuestionOffersJapaneseYesAndNoOverTheActiveWindow() {
    QWidget main_window;
    QWidget list_window;
    main_window.show();
    list_window.show();
    list_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&list_window));
    QtInteraction interaction;
    interaction.SetParent(&main_window);

    QStringList texts;
    QWidget* parent = nullptr;
    WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
      texts = ButtonTexts(box.buttons());
      parent = box.parentWidget();
      box.button(QMessageBox::Yes)->click();
    });
    QVERIFY(interaction.AskYesNo("項目‹生年月日 >でソートしますか？"));
    QCOMPARE(texts.size(), 2);
    QVERIFY2(texts.filter(QStringLiteral("はい")).size() == 1, qPrintable(texts.join(u',')));
    QVERIFY2(texts.filter(QStringLiteral("いいえ")).size() == 1, qPrintable(texts.join(u',')));
    QCOMPARE(parent, &list_window);
  }

  void FileDialogsOpenInTheProgramFolderThenWhereTheKindWasLastChosen() {
    QTemporaryDir program_folder;
    QVERIFY(QDir(program_folder.path()).mkpath(QStringLiteral("persons")));
    const QString chosen = program_folder.filePath(QStringLiteral("persons/family.nam"));
    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    DialogFolders folders(program_folder.path().toStdString());
    const QString filter = QStringLiteral("名前ﾃﾞｰﾀ(*.nam) (*.nam)");

    QString opened_in;
    QStringList buttons;
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
      opened_in = dialog.directory().absolutePath();
      buttons = ButtonTexts(dialog.findChild<QDialogButtonBox*>()->buttons());
      dialog.selectFile(chosen);
      static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept, as its 開く button
    });
    QCOMPARE(NativeOpenFile(nullptr, QStringLiteral("開く"), filter, folders), chosen);
    QCOMPARE(opened_in, QDir(program_folder.path()).absolutePath());
    QVERIFY2(buttons.filter(QStringLiteral("キャンセル")).size() == 1, qPrintable(buttons.join(u',')));

    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
      opened_in = dialog.directory().absolutePath();
      dialog.reject();
    });
    QVERIFY(NativeSaveFile(nullptr, QStringLiteral("名前を付けて保存"), filter, QStringLiteral("nam"), folders)
                .isEmpty());
    QCOMPARE(opened_in, QFileInfo(chosen).absolutePath());
  }
};

QTEST_MAIN(StandardDialogsTest)
#include "standard_dialogs_test.moc"
