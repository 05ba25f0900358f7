#include "app/frame/chart_text_window.h"

#include "app/bridge/dpi.h"
#include "app/bridge/fonts.h"
#include "app/bridge/text.h"
#include "presentation/frame/child_windows.h"

namespace kirvo {
namespace {

constexpr int kDesignWidthPx = 640;
constexpr int kDesignHeightPx = 480;

}  // namespace

ChartTextWindow::ChartTextWindow(ChartWindowKind kind, const QString& caption, ChartSession session,
                                 bool show_original, QWidget* parent)
    : QPlainTextEdit(parent), kind_(kind), session_(std::move(session)), show_original_(show_original) {
  setObjectName(ToQString(ChildKindRowOf(kind).form_name));
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // The box-drawn copy lines up only in a fixed-pitch face.
  setFont(FixedPitchFontOf("ＭＳ ゴシック"));
  ShowText(show_original);
}

bool ChartTextWindow::Recompute(bool show_original) {
  if (!session_.Compute()) return false;
  show_original_ = show_original;
  ShowText(show_original);
  return true;
}

void ChartTextWindow::FollowSettings() { Recompute(show_original_); }

void ChartTextWindow::ShowText(bool show_original) {
  QString text;
  for (const std::string& line : session_.TextCopy(show_original)) text += ToQString(line) + QLatin1Char('\n');
  setPlainText(text);
}

QSize ChartTextWindow::sizeHint() const {
  return {ScaledPx(*this, kDesignWidthPx), ScaledPx(*this, kDesignHeightPx)};
}

}  // namespace kirvo
