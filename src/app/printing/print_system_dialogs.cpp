#include "app/printing/print_system_dialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kirvo {

bool QtPrintSystemDialogs::SetUpPrinter(QPrinter& printer, QWidget* parent) {
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool QtPrintSystemDialogs::ChoosePrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QString QtPrintSystemDialogs::AskPdfFile(QWidget* parent) {
  QString file =
      QFileDialog::getSaveFileName(parent, QStringLiteral("PDFに保存"), QString(), QStringLiteral("PDFﾌｧｲﾙ (*.pdf)"));
  if (!file.isEmpty() && !file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
  return file;
}

}  // namespace kirvo
