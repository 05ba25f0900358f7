#include "app/printing/print_preview_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

#include "app/bridge/dpi.h"
#include "app/bridge/path.h"
#include "app/bridge/window_state.h"
#include "app/printing/page_painting.h"
#include "app/printing/pdf_pages.h"
#include "app/printing/print_system_dialogs.h"
#include "platform/interaction.h"
#include "presentation/frame/window_state_store.h"

namespace kirvo {
namespace {

constexpr int kDesignWidth = 900;
constexpr int kDesignHeight = 700;
constexpr double kDotsPerMetreAtPrintDpi = kPrintDpi / 0.0254;

struct MarginControl {
  const char* name;  // the control's key, as the store names the value
  const char* caption;
  int PageSettings::*field;
};
constexpr MarginControl kMargins[] = {
    {"TopMgn", "上余白(&T)", &PageSettings::top_mm},
    {"BottomMgn", "下余白(&B)", &PageSettings::bottom_mm},
    {"LeftMgn", "左余白(&L)", &PageSettings::left_mm},
    {"RightMgn", "右余白(&R)", &PageSettings::right_mm},
};

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PrintPreviewDialog::PrintPreviewDialog(PrintPreviewNeeds needs, PrintJob job, QWidget* parent)
    : QDialog(parent),
      needs_(std::move(needs)),
      job_(std::move(job)),
      settings_(ReadPageSettings(needs_.store)),
      page_layout_(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)) {
  setObjectName(QStringLiteral("PrevF"));
  setWindowTitle(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
  // The dialog always opens at 100 %; the zoom last chosen is only kept in the store.
  settings_.zoom_choice = 0;

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("PrevImage"));
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setBackgroundRole(QPalette::Dark);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("PrevScroll"));
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setWidget(picture_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildCommandRow());
  layout->addWidget(BuildSettingsRow());
  layout->addWidget(scroll_, 1);

  resize(ScaledPx(*this, kDesignWidth), ScaledPx(*this, kDesignHeight));
  if (const std::optional<QRect> kept =
          KeptGeometry(*this, needs_.window_states, KeptWindow::kPrintPreview, QSize(width(), height()))) {
    move(kept->topLeft());
    resize(kept->size());
  }
  LayOut();
}

PrintPreviewDialog::~PrintPreviewDialog() = default;

QWidget* PrintPreviewDialog::BuildCommandRow() {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  zoom_ = new QComboBox(row);
  zoom_->setObjectName(QStringLiteral("ZCB"));
  for (const int percent : kPrintZooms) zoom_->addItem(QString::number(percent) + QStringLiteral("%"));
  zoom_->setCurrentIndex(settings_.zoom_choice);
  connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int index) {
    settings_.zoom_choice = index;
    RenderPage();
  });
  auto* zoom_label = new QLabel(QStringLiteral("倍率(&Z)"), row);
  zoom_label->setBuddy(zoom_);
  previous_ = Button(QStringLiteral("PrevBtn"), QStringLiteral("前の頁"), row);
  next_ = Button(QStringLiteral("NextBtn"), QStringLiteral("次の頁"), row);
  connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(current_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowPage(current_ + 1); });
  total_ = new QLabel(row);
  total_->setObjectName(QStringLiteral("PageCount"));
  auto* set_up = Button(QStringLiteral("PrnSetBtn"), QStringLiteral("ﾌﾟﾘﾝﾀ設定"), row);
  auto* print = Button(QStringLiteral("PrintBtn"), QStringLiteral("印刷"), row);
  auto* pdf = Button(QStringLiteral("PdfBtn"), QStringLiteral("PDFに保存"), row);
  auto* ok = Button(QStringLiteral("OKBtn"), QStringLiteral("OK"), row);
  auto* help = Button(QStringLiteral("HelpBtn"), QStringLiteral("ヘルプ"), row);
  connect(set_up, &QPushButton::clicked, this, &PrintPreviewDialog::SetUpPrinter);
  connect(print, &QPushButton::clicked, this, &PrintPreviewDialog::Print);
  connect(pdf, &QPushButton::clicked, this, &PrintPreviewDialog::SavePdf);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] {
    if (needs_.show_help) needs_.show_help();
  });
  for (QWidget* widget : std::initializer_list<QWidget*>{zoom_label, zoom_, previous_, next_, total_}) {
    line->addWidget(widget);
  }
  line->addStretch(1);
  for (QWidget* widget : std::initializer_list<QWidget*>{set_up, print, pdf, ok, help}) line->addWidget(widget);
  return row;
}

QWidget* PrintPreviewDialog::BuildSettingsRow() {
  auto* row = new QWidget(this);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  for (const MarginControl& margin : kMargins) {
    auto* spin = new QSpinBox(row);
    spin->setObjectName(QString::fromLatin1(margin.name));
    spin->setRange(0, kMaxMarginMm);
    spin->setSuffix(QStringLiteral(" mm"));
    spin->setValue(settings_.*margin.field);
    auto* label = new QLabel(QString::fromUtf8(margin.caption), row);
    label->setBuddy(spin);
    line->addWidget(label);
    line->addWidget(spin);
    QSpinBox*& control = margin.field == &PageSettings::top_mm      ? top_
                         : margin.field == &PageSettings::bottom_mm ? bottom_
                         : margin.field == &PageSettings::left_mm   ? left_
                                                                    : right_;
    control = spin;
  }
  colour_ = new QCheckBox(QStringLiteral("カラー印刷(&C)"), row);
  colour_->setObjectName(QStringLiteral("Color"));
  colour_->setChecked(settings_.colour);
  connect(colour_, &QCheckBox::toggled, this, &PrintPreviewDialog::LayOut);
  auto* redraw = Button(QStringLiteral("RedrawBtn"), QStringLiteral("再描画"), row);
  connect(redraw, &QPushButton::clicked, this, &PrintPreviewDialog::LayOut);
  line->addWidget(colour_);
  line->addWidget(redraw);
  line->addStretch(1);
  return row;
}

void PrintPreviewDialog::ReadControls() {
  settings_.top_mm = top_->value();
  settings_.bottom_mm = bottom_->value();
  settings_.left_mm = left_->value();
  settings_.right_mm = right_->value();
  settings_.colour = colour_->isChecked();
  settings_.zoom_choice = zoom_->currentIndex();
}

void PrintPreviewDialog::LayOut() {
  ReadControls();
  pages_ = PlanPages(job_, PrintDeviceOf(page_layout_), settings_);
  total_->setText(QStringLiteral("合計：%1枚").arg(pages_.size()));
  ShowPage(std::min(current_, PageCount() - 1));
}

void PrintPreviewDialog::ShowPage(int page) {
  if (page < 0 || page >= PageCount()) return;
  current_ = page;
  previous_->setEnabled(current_ > 0);
  next_->setEnabled(current_ + 1 < PageCount());
  RenderPage();
}

void PrintPreviewDialog::RenderPage() {
  if (pages_.empty()) return;
  const PagePlan& page = pages_[static_cast<std::size_t>(current_)];
  // The page at the screen's resolution times the zoom; it is painted at the print resolution
  // and scaled, so that the picture shows exactly what the printer gets.
  const double ratio = devicePixelRatioF();
  const double scale =
      (logicalDpiY() / static_cast<double>(kPrintDpi)) * PrintZoomPercent(settings_.zoom_choice) / 100.0 * ratio;
  image_ = QImage(static_cast<int>(page.page_width * scale + 0.5), static_cast<int>(page.page_height * scale + 0.5),
                  QImage::Format_RGB32);
  image_.setDotsPerMeterX(static_cast<int>(kDotsPerMetreAtPrintDpi));
  image_.setDotsPerMeterY(static_cast<int>(kDotsPerMetreAtPrintDpi));
  image_.fill(Qt::white);
  {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    PaintPage(painter, page, job_, needs_.sys);
  }
  QPixmap pixmap = QPixmap::fromImage(image_);
  pixmap.setDevicePixelRatio(ratio);
  picture_->setPixmap(pixmap);
  picture_->resize(pixmap.deviceIndependentSize().toSize());
}

QPrinter& PrintPreviewDialog::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageLayout(page_layout_);
    printer_->setFullPage(true);
    printer_->setDocName(windowTitle());
  }
  return *printer_;
}

void PrintPreviewDialog::SetUpPrinter() {
  QPrinter& printer = Printer();
  if (!needs_.dialogs.SetUpPrinter(printer, this)) return;
  page_layout_ = printer.pageLayout();
  page_layout_.setMargins(QMarginsF(0, 0, 0, 0));
  LayOut();
}

void PrintPreviewDialog::Print() {
  QPrinter& printer = Printer();
  if (!needs_.dialogs.ChoosePrinter(printer, this)) return;
  ReadControls();
  // The pages are laid out on the paper the printer now has, at the print resolution.
  printer.setFullPage(true);
  printer.setResolution(kPrintDpi);
  page_layout_ = printer.pageLayout();
  page_layout_.setMargins(QMarginsF(0, 0, 0, 0));
  pages_ = PlanPages(job_, PrintDeviceOf(page_layout_), settings_);
  QPainter painter;
  if (!painter.begin(&printer)) {
    needs_.interaction.ShowMessage(MessageKind::kError, "印刷を始められません。");
    return;
  }
  PaintPages(printer, painter, pages_, job_, needs_.sys);
  painter.end();
  LayOut();
}

void PrintPreviewDialog::SavePdf() {
  const QString file = needs_.dialogs.AskPdfFile(this);
  if (file.isEmpty()) return;
  ReadControls();
  const QRectF paper = page_layout_.fullRect(QPageLayout::Millimeter);
  if (const Status written = WritePdfPages(job_, settings_, needs_.sys, PathOf(file), {paper.width(), paper.height()});
      !written) {
    needs_.interaction.ShowMessage(MessageKind::kError, written.error());
  }
}

void PrintPreviewDialog::done(int result) {
  ReadControls();
  if (const Status written = WritePageSettings(needs_.store, settings_); !written) {
    needs_.interaction.ShowMessage(MessageKind::kWarning, written.error());
  }
  SaveWindowState(*this, needs_.window_states, KeptWindow::kPrintPreview);
  QDialog::done(result);
}

}  // namespace kirvo
