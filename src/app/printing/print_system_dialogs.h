#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace kirvo {

// The system's modal dialogs the print preview asks: printer set-up, the print dialog and the
// name of a PDF file. Behind an interface so that a test answers them without a modal box.
class PrintSystemDialogs {
 public:
  virtual ~PrintSystemDialogs() = default;
  // "ﾌﾟﾘﾝﾀ設定": the page and printer set-up; false when cancelled.
  virtual bool SetUpPrinter(QPrinter& printer, QWidget* parent) = 0;
  // "印刷": the print dialog; false when cancelled, and nothing is printed.
  virtual bool ChoosePrinter(QPrinter& printer, QWidget* parent) = 0;
  // "PDFに保存": the file to write; empty when cancelled.
  virtual QString AskPdfFile(QWidget* parent) = 0;
};

// The dialogs of Qt Print Support and the file dialog.
class QtPrintSystemDialogs final : public PrintSystemDialogs {
 public:
  bool SetUpPrinter(QPrinter& printer, QWidget* parent) override;
  bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
  QString AskPdfFile(QWidget* parent) override;
};

}  // namespace kirvo
