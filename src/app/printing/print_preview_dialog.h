#pragma once

#include <QDialog>
#include <QImage>
#include <QPageLayout>
#include <functional>
#include <memory>
#include <vector>

#include "presentation/print/page_plan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace kirvo {

class Interaction;
class PrintSystemDialogs;
class SettingsStore;
class WindowStateStore;
struct SysSettings;

// What the print preview is handed: the system settings the pages are painted in, the store of the
// page settings, where its placement is kept, the interaction for failures, the system dialogs and
// its help page.
struct PrintPreviewNeeds {
  const SysSettings& sys;
  SettingsStore& store;
  WindowStateStore& window_states;
  Interaction& interaction;
  PrintSystemDialogs& dialogs;
  std::function<void()> show_help;
};

// The print preview `PrevF` ("印刷ﾌﾟﾚﾋﾞｭｰ"): one page of the job at a time as a picture at the zoom
// `ZCB`, the page count, the page buttons, the margins and colour printing, and the commands 再描画,
// ﾌﾟﾘﾝﾀ設定, 印刷, PDFに保存, OK and ヘルプ. The zoom scales only the picture; the printed pages and the
// PDF are the same whatever it is. Closing keeps the page settings and the dialog's placement.
class PrintPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  PrintPreviewDialog(PrintPreviewNeeds needs, PrintJob job, QWidget* parent = nullptr);
  ~PrintPreviewDialog() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  int CurrentPage() const { return current_; }  // from 0
  // The picture of the current page as shown.
  const QImage& PageImage() const { return image_; }
  const PageSettings& Settings() const { return settings_; }
  const PrintJob& Job() const { return job_; }

  // "再描画": lays the pages out again with the margins and colour printing of the controls.
  void LayOut();
  void ShowPage(int page);
  void Print();
  void SavePdf();
  void SetUpPrinter();

  void done(int result) override;

 private:
  QWidget* BuildSettingsRow();
  QWidget* BuildCommandRow();
  void ReadControls();
  void RenderPage();
  QPrinter& Printer();

  PrintPreviewNeeds needs_;
  PrintJob job_;
  PageSettings settings_;
  QPageLayout page_layout_;
  std::unique_ptr<QPrinter> printer_;
  std::vector<PagePlan> pages_;
  int current_ = 0;
  QImage image_;

  QComboBox* zoom_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QLabel* total_ = nullptr;
  QSpinBox* top_ = nullptr;
  QSpinBox* bottom_ = nullptr;
  QSpinBox* left_ = nullptr;
  QSpinBox* right_ = nullptr;
  QCheckBox* colour_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QLabel* picture_ = nullptr;
};

}  // namespace kirvo
