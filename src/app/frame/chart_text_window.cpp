#include "frame/chart_text_window.h"

#include <QFontDatabase>

namespace kirvo {
namespace {

constexpr int kDesignWidthPx = 640;
constexpr int kDesignHeightPx = 480;

}  // namespace

ChartTextWindow::ChartTextWindow(const QString& form_name, const QString& caption, const QString& text,
                                 QWidget* parent)
    : QPlainTextEdit(parent) {
  setObjectName(form_name);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setPlainText(text);
  resize(kDesignWidthPx, kDesignHeightPx);
}

}  // namespace kirvo
