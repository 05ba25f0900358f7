// The correlation diagram windows: opened by the main window's keys, redrawn on a selector change,
// copied to the clipboard, placed where they were left.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "app/diagrams/five_element_diagram_window.h"
#include "app/diagrams/stem_branch_diagram_window.h"
#include "app/frame/help_window.h"
#include "platform/ini_file.h"
#include "presentation/frame/window_placement.h"
#include "program_fixture.h"

namespace kirvo {


namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

Rgb PixelAt(const QImage& image, int x, int y) { return static_cast<Rgb>(image.pixel(x, y) & 0xFFFFFF); }

}  // namespace

class CorrelationDiagramsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFixture> fixture_;
  std::unique_ptr<Program> program_;

  MainWindow& main_window() { return program_->main_window(); }

  // A key on the main window, as the user presses it with the main window in front.
  void PressOnMainWindow(int key) {
    main_window().activateWindow();
    QTRY_VERIFY(main_window().isActiveWindow());
    QTest::keyClick(&main_window(), static_cast<Qt::Key>(key), Qt::ControlModifier);
  }

  template <class Window>
  Window* OpenedBy(int key) {
    const QList<Window*> before = main_window().findChildren<Window*>();
    PressOnMainWindow(key);
    for (Window* window : main_window().findChildren<Window*>()) {
      if (!before.contains(window)) {
        if (!QTest::qWaitForWindowExposed(window)) return nullptr;
        return window;
      }
    }
    return nullptr;
  }

  // Closes the window and waits until it is gone, its placement written.
  static bool Closed(CorrelationDiagramWindow* window) {
    QPointer<CorrelationDiagramWindow> watched(window);
    window->close();
    return QTest::qWaitFor([&] { return watched.isNull(); });
  }

  std::filesystem::path IniPath() const { return fixture_->folder() / "KIRVO.ini"; }

 private slots:
  void init() {
    fixture_ = std::make_unique<ProgramFixture>();
    program_ = fixture_->StartShown();
    QVERIFY(program_);
  }
  void cleanup() {
    program_.reset();
    fixture_.reset();
  }

  void keysOpenANewWindowOnEachUse() {
    FiveElementDiagramWindow* first = OpenedBy<FiveElementDiagramWindow>(Qt::Key_G);
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), QStringLiteral("五行相関図"));
    QCOMPARE(first->objectName(), QStringLiteral("SouGoF"));
    QCOMPARE(first->CurrentItem(), 0);
    QCOMPARE(first->selector()->count(), 10);
    QCOMPARE(first->copy_button()->toolTip(), QStringLiteral("相関図をクリップボードにコピーします"));
    QVERIFY(OpenedBy<FiveElementDiagramWindow>(Qt::Key_G));

    StemBranchDiagramWindow* stems = OpenedBy<StemBranchDiagramWindow>(Qt::Key_K);
    QVERIFY(stems);
    QCOMPARE(stems->windowTitle(), QStringLiteral("干支相関図"));
    QCOMPARE(stems->selector()->count(), 9);
    QCOMPARE(stems->selector()->itemText(5), QStringLiteral("三合（支）"));
    // The size rule keeps the drawing area square.
    QCOMPARE(stems->drawing_area()->width(), stems->drawing_area()->height());

    // F1 in a diagram opens the diagrams' help page, not the main window's.
    stems->activateWindow();
    QTRY_VERIFY(stems->isActiveWindow());
    QTest::keyClick(stems, Qt::Key_F1);
    auto* help = main_window().findChild<HelpWindow*>();
    QVERIFY(help);
    QCOMPARE(help->Topic(), 10103);

    QVERIFY(Closed(first));
    QCOMPARE(main_window().findChildren<FiveElementDiagramWindow*>().size(), 1);
  }

  void selectorChangesRedrawTheDiagram() {
    FiveElementDiagramWindow* window = OpenedBy<FiveElementDiagramWindow>(Qt::Key_G);
    QVERIFY(window);
    const PanelColours& colours = program_->services().sys().CP;
    QCOMPARE(window->Labels().size(), 5u);
    const PixelRect first = window->Labels().front().rect;
    QCOMPARE(PixelAt(window->Picture(), first.left + 1, first.top + 1), colours[0]);  // 木 on its colour

    PaintCounter counter(window->drawing_area());
    window->selector()->setCurrentIndex(4);  // 12運星: the ring of stages, no labels
    QTRY_VERIFY(counter.paints > 0);
    QVERIFY(window->Labels().empty());
    QCOMPARE(PixelAt(window->Picture(), first.left + 1, first.top + 1), colours[8]);
    window->selector()->setCurrentIndex(9);  // 主宮-水: 主 in the colour of water
    QCOMPARE(window->Labels().size(), 5u);
    QCOMPARE(PixelAt(window->Picture(), first.left + 1, first.top + 1), colours[4]);

    StemBranchDiagramWindow* stems = OpenedBy<StemBranchDiagramWindow>(Qt::Key_K);
    QVERIFY(stems);
    const QImage combinations = stems->Picture();
    PaintCounter stem_counter(stems->drawing_area());
    stems->selector()->setCurrentIndex(5);
    QTRY_VERIFY(stem_counter.paints > 0);
    QVERIFY(stems->Picture() != combinations);
  }

  void copyPutsThePictureOfTheAreaOnTheClipboard() {
    StemBranchDiagramWindow* window = OpenedBy<StemBranchDiagramWindow>(Qt::Key_K);
    QVERIFY(window);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(window->copy_button(), Qt::LeftButton);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), window->drawing_area()->size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), window->Picture());
  }

  void fiveElementPlacementIsKeptInTheIniFile() {
    FiveElementDiagramWindow* window = OpenedBy<FiveElementDiagramWindow>(Qt::Key_G);
    QVERIFY(window);
    const int strip = window->StripHeight();
    window->move(40, 50);
    window->resize(200, 200 + strip);
    QTRY_COMPARE(window->size(), QSize(200, 200 + strip));
    QVERIFY(Closed(window));
    const Outcome<IniFile> ini = IniFile::Load(IniPath());
    QVERIFY(ini);
    QCOMPARE(ini->ReadInteger("SouGoF", "Left", -1), 40);
    QCOMPARE(ini->ReadInteger("SouGoF", "Top", -1), 50);
    QCOMPARE(ini->ReadInteger("SouGoF", "Width", -1), 200);
    QCOMPARE(ini->ReadInteger("SouGoF", "Height", -1), 200 + strip);
    QCOMPARE(ini->ReadInteger("SouGoF", "MONITORS", -1), 0);

    window = OpenedBy<FiveElementDiagramWindow>(Qt::Key_G);
    QVERIFY(window);
    QCOMPARE(window->pos(), QPoint(40, 50));
    QCOMPARE(window->size(), QSize(200, 200 + strip));
    QVERIFY(Closed(window));

    // A window kept wider than 500 pixels opens at the minimum width.
    IniFile wide = IniFile::Load(IniPath()).value();
    wide.WriteInteger("SouGoF", "Width", 600);
    wide.WriteInteger("SouGoF", "Height", 626);
    QVERIFY(wide.Save(IniPath()));
    window = OpenedBy<FiveElementDiagramWindow>(Qt::Key_G);
    QVERIFY(window);
    QCOMPARE(window->size(), QSize(160, 160 + strip));

    // A window still open when the program ends keeps its place too.
    window->move(90, 60);
    main_window().close();
    program_.reset();
    QCOMPARE(IniFile::Load(IniPath())->ReadInteger("SouGoF", "Left", -1), 90);
  }

  void stemBranchPlacementIsKeptInTheStore() {
    StemBranchDiagramWindow* window = OpenedBy<StemBranchDiagramWindow>(Qt::Key_K);
    QVERIFY(window);
    const int strip = window->StripHeight();
    window->move(70, 30);
    window->resize(240, 240 + strip);
    QTRY_COMPARE(window->size(), QSize(240, 240 + strip));
    QVERIFY(Closed(window));
    const std::optional<WindowPlacement> kept =
        DecodeWindowPlacement(program_->services().store().ReadBinary("WinPlace1", "SouKsFWinPlace1"));
    QVERIFY(kept);
    QCOMPARE(kept->left, 70);
    QCOMPARE(kept->top, 30);
    QCOMPARE(kept->right, 70 + 240);
    QCOMPARE(kept->bottom, 30 + 240 + strip);

    window = OpenedBy<StemBranchDiagramWindow>(Qt::Key_K);
    QVERIFY(window);
    QCOMPARE(window->pos(), QPoint(70, 30));
    QCOMPARE(window->size(), QSize(240, 240 + strip));
    QVERIFY(Closed(window));

    WindowPlacement wide = *kept;
    wide.right = wide.left + 501;
    QVERIFY(program_->services().store().WriteBinary("WinPlace1", "SouKsFWinPlace1", EncodeWindowPlacement(wide)));
    window = OpenedBy<StemBranchDiagramWindow>(Qt::Key_K);
    QVERIFY(window);
    QCOMPARE(window->size(), QSize(160, 160 + strip));
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::CorrelationDiagramsTest)
#include "correlation_diagrams_test.moc"
