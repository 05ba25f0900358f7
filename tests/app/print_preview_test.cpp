// The print preview as a user drives it: opened from the chart and luck windows, paged, zoomed,
// in colour or monochrome, kept between openings, printed and saved as PDF — with the system's
// dialogs answered by a script.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "app/chart/chart_window.h"
#include "app/luck/luck_window.h"
#include "app/printing/page_painting.h"
#include "app/printing/print_preview_dialog.h"
#include "app/printing/print_system_dialogs.h"
#include "platform/ini_file.h"
#include "presentation/print/chart_print_job.h"
#include "program_fixture.h"

namespace kirvo {

// Answers the system's dialogs: printing goes to a PDF file of the test's folder.
class ScriptedPrintDialogs final : public PrintSystemDialogs {
 public:
  bool SetUpPrinter(QPrinter& /*printer*/, QWidget* /*parent*/) override { return set_up; }
  bool ChoosePrinter(QPrinter& printer, QWidget* /*parent*/) override {
    ++print_asked;
    if (!print_file.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(print_file);
    }
    return !print_file.isEmpty();
  }
  QString AskPdfFile(QWidget* /*parent*/) override { return pdf_file; }

  bool set_up = false;
  QString print_file;  // empty: the print dialog is cancelled
  QString pdf_file;
  int print_asked = 0;
};

class PrintPreviewTest : public QObject {
  Q_OBJECT

 private:
  ProgramFixture* fixture_ = nullptr;
  std::unique_ptr<Program> program_;
  MainWindow* window_ = nullptr;
  ScriptedPrintDialogs dialogs_;
  QTemporaryDir folder_;

  ChartWindow* OpenChart(LuckRange range) {
    window_->entry_bar()->SetFields({"試験太郎", Sex::kMale, "1984/02/10", "12:00"});
    window_->OpenChild(ChartWindowKind::kChart, window_->entry_bar()->Fields());
    auto* chart = dynamic_cast<ChartWindow*>(window_->ActiveChartWindow());
    auto* selector = chart->findChild<QComboBox*>(QStringLiteral("CB1"));
    selector->setCurrentIndex(LuckRangeNumber(range));
    emit selector->activated(LuckRangeNumber(range));
    return chart;
  }
  PrintPreviewDialog* OpenPreview(PrintJob job) {
    AppServices& services = program_->services();
    return new PrintPreviewDialog(
        {services.sys(), services.store(), services.window_states(), services.interaction(), dialogs_, nullptr},
        std::move(job), window_);
  }
  PrintPreviewDialog* Preview() const { return window_->findChild<PrintPreviewDialog*>(); }
  template <class Control>
  static Control* Find(const QWidget* dialog, const char* name) {
    return dialog->findChild<Control*>(QString::fromLatin1(name));
  }
  static void Click(const QWidget* dialog, const char* name) {
    QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
  }
  // A person list of `rows` rows of 20 units under its headings.
  static PrintJob ListJob(int rows) {
    PrintJob job;
    job.source = PrintSource::kPersonList;
    job.title = "名前リスト";
    job.target.grid = ContentGrid(3, static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
      job.target.grid.text.SetCell(0, static_cast<std::size_t>(row), "山田" + std::to_string(row));
    job.target.grid.column_widths = {100, 100, 100};
    job.target.row_heights.assign(static_cast<std::size_t>(rows), 20);
    job.target.fixed_rows = 1;
    return job;
  }
  // The colour of the day pillar's stem cell, a little inside its top left corner.
  static QColor DayStemColour(const PrintPreviewDialog& preview) {
    const PrintJob& job = preview.Job();
    const PagePlan page = PlanPages(job, PrintDevice{794, 1123, 96, 96}, preview.Settings())[0];
    const double scale = preview.PageImage().width() / static_cast<double>(page.page_width);
    const PixelRect cell = BoardCellRect(job.chart->geometry, {board::kDay, board::kWorkStem});
    const int x = page.board->origin.x + cell.left + 3, y = page.board->origin.y + cell.top + 3;
    return preview.PageImage().pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
  }

 private slots:
  void init() {
    fixture_ = new ProgramFixture();
    program_ = fixture_->StartShown();
    QVERIFY(program_);
    window_ = &program_->main_window();
    dialogs_ = ScriptedPrintDialogs();
  }
  void cleanup() {
    program_.reset();
    delete fixture_;
  }

  void theChartAndLuckWindowsOpenTheOnePreview() {
    ChartWindow* chart = OpenChart(LuckRange::kMajorLuck);
    QAction* print = chart->Command(ChartCommand::kPrint);
    QVERIFY(print->isEnabled());
    print->trigger();
    PrintPreviewDialog* preview = Preview();
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    QCOMPARE(preview->Job().source, PrintSource::kChart);
    QVERIFY(preview->PageCount() >= 1);
    QCOMPARE(Find<QLabel>(preview, "PageCount")->text(), QStringLiteral("合計：%1枚").arg(preview->PageCount()));
    QVERIFY(!Find<QPushButton>(preview, "PrevBtn")->isEnabled());
    QCOMPARE(Find<QPushButton>(preview, "NextBtn")->isEnabled(), preview->PageCount() > 1);
    QVERIFY(!preview->PageImage().isNull());
    Click(preview, "OKBtn");
    QTRY_VERIFY(!Preview());

    // The luck window hands over its table and graph; the user's clipboard is left alone.
    QApplication::clipboard()->setText(QStringLiteral("利用者の文"));
    window_->entry_bar()->SetFields({"試験太郎", Sex::kMale, "1984/02/10", "12:00"});
    window_->OpenChild(ChartWindowKind::kLuck, window_->entry_bar()->Fields());
    auto* luck = dynamic_cast<LuckWindow*>(window_->ActiveChartWindow());
    QVERIFY(luck);
    luck->Command(LuckCommand::kPrint)->trigger();
    QVERIFY(Preview());
    QCOMPARE(Preview()->Job().source, PrintSource::kLuckTable);
    QVERIFY(Preview()->Job().graph.has_value());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("利用者の文"));
    Preview()->reject();
    QTRY_VERIFY(!Preview());
    QCOMPARE(dynamic_cast<LuckWindow*>(window_->ActiveChartWindow()), luck);
  }

  void pagesTurnAndTheZoomScalesOnlyThePicture() {
    PrintPreviewDialog* preview = OpenPreview(ListJob(121));  // three pages of 50 rows under the headings
    QCOMPARE(preview->PageCount(), 3);
    QCOMPARE(Find<QLabel>(preview, "PageCount")->text(), QStringLiteral("合計：3枚"));
    Click(preview, "NextBtn");
    QCOMPARE(preview->CurrentPage(), 1);
    QVERIFY(Find<QPushButton>(preview, "PrevBtn")->isEnabled());
    Click(preview, "NextBtn");
    QCOMPARE(preview->CurrentPage(), 2);
    QVERIFY(!Find<QPushButton>(preview, "NextBtn")->isEnabled());
    Click(preview, "PrevBtn");
    QCOMPARE(preview->CurrentPage(), 1);

    const QSize at_100 = preview->PageImage().size();
    Find<QComboBox>(preview, "ZCB")->setCurrentIndex(10);
    QCOMPARE(Find<QComboBox>(preview, "ZCB")->currentText(), QStringLiteral("200%"));
    QVERIFY(qAbs(preview->PageImage().width() - 2 * at_100.width()) <= 1);
    QVERIFY(qAbs(preview->PageImage().height() - 2 * at_100.height()) <= 1);
    QCOMPARE(preview->PageCount(), 3);
    QCOMPARE(preview->CurrentPage(), 1);

    // Wider margins lay the pages out again on 再描画.
    Find<QSpinBox>(preview, "TopMgn")->setValue(80);
    QCOMPARE(preview->PageCount(), 3);
    Click(preview, "RedrawBtn");
    QCOMPARE(preview->PageCount(), 4);
    delete preview;
  }

  void monochromeWhitensTheCellsAndColourKeepsThem() {
    ChartWindow* chart = OpenChart(LuckRange::kMajorLuck);
    PrintPreviewDialog* preview =
        OpenPreview(ChartPrintJob(chart->session(), program_->services().sys(), chart->ShowsOriginal()));
    QVERIFY(!Find<QCheckBox>(preview, "Color")->isChecked());  // monochrome unless chosen
    QCOMPARE(DayStemColour(*preview), QColor(Qt::white));
    Find<QCheckBox>(preview, "Color")->setChecked(true);
    QVERIFY(DayStemColour(*preview) != QColor(Qt::white));
    delete preview;
  }

  void theSettingsAndThePlacementAreKeptForTheNextOpening() {
    PrintPreviewDialog* preview = OpenPreview(ListJob(10));
    Find<QSpinBox>(preview, "TopMgn")->setValue(20);
    Find<QSpinBox>(preview, "RightMgn")->setValue(15);
    Find<QCheckBox>(preview, "Color")->setChecked(true);
    Find<QComboBox>(preview, "ZCB")->setCurrentIndex(3);
    preview->show();
    preview->move(40, 50);
    Click(preview, "OKBtn");
    delete preview;
    const PageSettings kept = ReadPageSettings(program_->services().store());
    QCOMPARE(kept, (PageSettings{20, 5, 10, 15, true, 3}));
    const IniFile ini = program_->services().window_states().ReadIni(false);
    QVERIFY(ini.ReadString("PrevF", "Width", "").size() > 0);

    preview = OpenPreview(ListJob(10));
    QCOMPARE(Find<QSpinBox>(preview, "TopMgn")->value(), 20);
    QCOMPARE(Find<QSpinBox>(preview, "RightMgn")->value(), 15);
    QVERIFY(Find<QCheckBox>(preview, "Color")->isChecked());
    QCOMPARE(Find<QComboBox>(preview, "ZCB")->currentIndex(), 0);  // the preview opens at 100 %
    delete preview;
  }

  // Tab reaches every control of the dialog.
  void keyboardReachesEveryControl() {
    PrintPreviewDialog* preview = OpenPreview(ListJob(121));
    preview->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QSet<QWidget*> reached;
    Find<QComboBox>(preview, "ZCB")->setFocus();
    for (int i = 0; i < 40; ++i) {
      reached.insert(QApplication::focusWidget());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const char* name : {"ZCB", "PrevBtn", "NextBtn", "PrnSetBtn", "PrintBtn", "PdfBtn", "OKBtn", "HelpBtn",
                             "TopMgn", "BottomMgn", "LeftMgn", "RightMgn", "Color", "RedrawBtn"}) {
      auto* control = Find<QWidget>(preview, name);
      QVERIFY2(control, name);
      if (!control->isEnabled()) continue;  // 前の頁 on the first page
      const bool inside =
          reached.contains(control) || (control->focusProxy() && reached.contains(control->focusProxy())) ||
          std::any_of(reached.begin(), reached.end(), [&](QWidget* w) { return w && control->isAncestorOf(w); });
      QVERIFY2(inside, name);
    }
    delete preview;
  }

  void printingAndSavingWriteEveryPage() {
    PrintPreviewDialog* preview = OpenPreview(ListJob(121));
    // A cancelled print dialog prints nothing.
    Click(preview, "PrintBtn");
    QCOMPARE(dialogs_.print_asked, 1);

    dialogs_.print_file = folder_.filePath(QStringLiteral("printed.pdf"));
    Click(preview, "PrintBtn");
    QVERIFY(QFile::exists(dialogs_.print_file));

    dialogs_.pdf_file = folder_.filePath(QStringLiteral("保存.pdf"));
    Click(preview, "PdfBtn");
    QFile pdf(dialogs_.pdf_file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 3);
    QVERIFY(fixture_->interaction.messages.empty());

    // A folder that does not exist: the user is told, nothing is written.
    dialogs_.pdf_file = folder_.filePath(QStringLiteral("無い/保存.pdf"));
    Click(preview, "PdfBtn");
    QCOMPARE(fixture_->interaction.messages.size(), std::size_t{1});
    delete preview;
  }
};

}  // namespace kirvo

QTEST_MAIN(kirvo::PrintPreviewTest)
#include "print_preview_test.moc"
