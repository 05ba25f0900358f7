// Name files given to the program: on its command line, and handed to a running program by a
// second start through the single-instance channel.
#include <QDir>
#include <atomic>
#include <thread>
#include <QTemporaryDir>
#include <QTest>

#include "app/frame/single_instance.h"
#include "app/frame/start_request.h"
#include "app/persons/person_file_commands.h"
#include "app/persons/person_list_window.h"
#include "data/name_file.h"
#include "presentation/persons/person_list_file.h"
#include "program_fixture.h"

namespace kirvo {
namespace {

QString Text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// A name file of `names`, one person each, in `folder`.
std::filesystem::path WriteNames(const std::filesystem::path& folder, const char* file,
                                 const std::vector<std::string>& names) {
  std::vector<PersonRow> rows;
  for (const std::string& name : names) rows.push_back({name, "男", "1980/01/02", "09:30"});
  const std::filesystem::path path = folder / file;
  if (!WriteNameFile(path, rows).ok()) return {};
  return path;
}

std::vector<std::string> ListedNames(MainWindow& window) {
  std::vector<std::string> names;
  for (const PersonRow& row : window.persons()->file().list().rows()) names.push_back(row[0]);
  return names;
}

}  // namespace

class OpenFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void commandLineNamesTheFilesAndTheOption() {
    const QString cwd = QStringLiteral("/home/u/work");
    const struct {
      QStringList arguments;
      QStringList files;
      bool quit;
    } cases[] = {
        {{"kirvolan"}, {}, false},
        {{"kirvolan", "友人.nam"}, {"/home/u/work/友人.nam"}, false},
        {{"kirvolan", "../a.nam", "/tmp/b.nam"}, {"/home/u/a.nam", "/tmp/b.nam"}, false},
        {{"kirvolan", "--quit-after-start", "--unknown"}, {}, true},
        {{"kirvolan", "--", "--quit-after-start"}, {"/home/u/work/--quit-after-start"}, false},
    };
    for (const auto& c : cases) {
      const StartRequest request = ParseStartRequest(c.arguments, cwd);
      QCOMPARE(request.files, c.files);
      QCOMPARE(request.quit_after_start, c.quit);
    }
  }

  // The file opens in the person list, which shows; one that cannot be read gets the message 開く
  // gives and leaves the list as it was.
  void fileGivenAtStartOpensInThePersonList() {
    ProgramFixture fixture;
    QTemporaryDir elsewhere;
    const std::filesystem::path file = WriteNames(elsewhere.path().toStdString(), "友人.nam", {"山田太郎", "佐藤花子"});
    QVERIFY(!file.empty());
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();

    window.OpenNameFiles(ParseStartRequest({"kirvolan", Text(file)}, QDir::currentPath()).files);
    QCOMPARE(ListedNames(window), (std::vector<std::string>{"山田太郎", "佐藤花子"}));
    QCOMPARE(window.persons()->file().path(), file);
    QVERIFY(QTest::qWaitForWindowExposed(window.persons()->window()));
    QVERIFY(fixture.interaction.messages.empty());

    window.OpenNameFiles({Text(file.parent_path() / "無い.nam")});
    QCOMPARE(fixture.interaction.messages.size(), std::size_t{1});
    QVERIFY(fixture.interaction.messages[0].find("無い.nam") != std::string::npos);
    QCOMPARE(ListedNames(window), (std::vector<std::string>{"山田太郎", "佐藤花子"}));
  }

  // A second start finds the lock taken and hands its file over; the running program opens it.
  void fileHandedToTheRunningProgramOpens() {
    ProgramFixture fixture;
    const std::filesystem::path file = WriteNames(fixture.folder(), "Handed.nam", {"鈴木一郎"});
    QVERIFY(!file.empty());
    std::unique_ptr<Program> program = fixture.StartShown();
    QVERIFY(program);
    MainWindow& window = program->main_window();
    QTemporaryDir lock_folder;
    SingleInstance running(lock_folder.path(), QStringLiteral("KirvoTest"));
    QVERIFY(running.Acquire());
    int activations = 0;
    connect(&running, &SingleInstance::filesRequested, &window, &MainWindow::OpenNameFiles);
    connect(&running, &SingleInstance::activationRequested, this, [&activations] { ++activations; });
    running.Listen();

    SingleInstance second(lock_folder.path(), QStringLiteral("KirvoTest"));
    QVERIFY(!second.Acquire());
    QVERIFY(second.ActivateRunning({Text(file)}));
    QTRY_COMPARE(activations, 1);
    QCOMPARE(ListedNames(window), std::vector<std::string>{"鈴木一郎"});
    QCOMPARE(window.persons()->file().path(), file);
    QVERIFY(window.persons()->window()->isVisible());
  }

  // A second start while the first still starts up: it waits for the first to listen, so the
  // file it was given is not lost.
  void aSecondStartWaitsForARunningProgramThatIsNotListeningYet() {
    QTemporaryDir lock_folder;
    SingleInstance running(lock_folder.path(), QStringLiteral("KirvoTest"));
    QVERIFY(running.Acquire());
    QStringList received;
    connect(&running, &SingleInstance::filesRequested, this, [&received](const QStringList& files) { received = files; });

    SingleInstance second(lock_folder.path(), QStringLiteral("KirvoTest"));
    QVERIFY(!second.Acquire());
    std::atomic<bool> handed{false};
    std::thread starting([&second, &handed] { handed = second.ActivateRunning({QStringLiteral("/tmp/遅い.nam")}); });
    QTest::qWait(500);
    running.Listen();
    QTRY_COMPARE(received, QStringList{QStringLiteral("/tmp/遅い.nam")});
    starting.join();
    QVERIFY(handed);
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::OpenFilesTest)
#include "open_files_test.moc"
