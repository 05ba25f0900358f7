#include "app/printing/pdf_pages.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "app/bridge/path.h"
#include "app/printing/page_painting.h"
#include "presentation/print/pdf_text_map.h"

namespace kirvo {
namespace {

// A command-line program has no GUI application; painting text needs one.
std::unique_ptr<QGuiApplication> GuiForPrinting() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "kirvo";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

std::string FileText(const std::filesystem::path& file) { return file.string(); }

// The written file's text map, with the radicals' glyphs read as their ideographs (searchable).
bool UnifyTextMap(const std::filesystem::path& file) {
  QFile pdf(PathText(file));
  if (!pdf.open(QIODevice::ReadWrite)) return false;
  const QByteArray read = pdf.readAll();
  std::string bytes(read.constData(), static_cast<std::size_t>(read.size()));
  if (MapRadicalsToIdeographs(bytes) == 0) return true;
  return pdf.seek(0) && pdf.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

}  // namespace

Status WritePdfPages(const PrintJob& job, const PageSettings& settings, const SysSettings& sys,
                     const std::filesystem::path& file, const PrintPaper& paper) {
  std::error_code error;
  const std::filesystem::path folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  if (file.filename().empty() || !std::filesystem::is_directory(folder, error)) {
    return Status::Failure("PDFファイルの保存先フォルダがありません: " + FileText(file));
  }
  const std::unique_ptr<QGuiApplication> gui = GuiForPrinting();
  const QPageLayout layout(QPageSize(QSizeF(paper.width_mm, paper.height_mm), QPageSize::Millimeter),
                           QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  const std::vector<PagePlan> pages = PlanPages(job, PrintDeviceOf(layout), settings);
  std::filesystem::path temporary = file;
  temporary += ".part";
  {
    QPdfWriter writer(PathText(temporary));
    writer.setResolution(kPrintDpi);
    writer.setPageLayout(layout);
    writer.setCreator(QStringLiteral("Kirvolan"));
    writer.setTitle(QString::fromUtf8(job.title.data(), static_cast<qsizetype>(job.title.size())));
    QPainter painter;
    if (!painter.begin(&writer)) {
      std::filesystem::remove(temporary, error);
      return Status::Failure("PDFファイルを書き込めません: " + FileText(file));
    }
    PaintPages(writer, painter, pages, job, sys);
    if (!painter.end()) {
      std::filesystem::remove(temporary, error);
      return Status::Failure("PDFファイルを書き込めません: " + FileText(file));
    }
  }
  if (!UnifyTextMap(temporary)) {
    std::filesystem::remove(temporary, error);
    return Status::Failure("PDFファイルを書き込めません: " + FileText(file));
  }
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return Status::Failure("PDFファイルを書き込めません: " + FileText(file));
  }
  return Status();
}

}  // namespace kirvo
