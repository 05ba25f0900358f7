#include "frame/chart_text_window.h"

#include <QFont>

#include "widgets/design_pixels.h"

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
  // The box-drawn copy lines up only in a fixed-pitch face.
  QFont face(QStringLiteral("ＭＳ ゴシック"));
  face.setStyleHint(QFont::TypeWriter);
  setFont(face);
  setPlainText(text);
}

QSize ChartTextWindow::sizeHint() const {
  return {DesignPixels(kDesignWidthPx, this), DesignPixels(kDesignHeightPx, this)};
}

}  // namespace kirvo
