#pragma once

#include <QPlainTextEdit>
#include <QString>

#include "presentation/chart_session.h"

namespace kirvo {

// A child window holding one person's chart session and showing the chart as its text copy, the
// lines "命式をTextでｺﾋﾟｰ" gives (as kirvo-cli prints them). It stands where the drawn chart, luck
// and combined windows will stand; the side panel shows its session's content while it is active.
class ChartTextWindow : public QPlainTextEdit {
  Q_OBJECT

 public:
  // `session` has been computed.
  ChartTextWindow(const QString& form_name, const QString& caption, ChartSession session, bool show_original,
                  QWidget* parent = nullptr);
  QSize sizeHint() const override;

  const ChartSession& session() const { return session_; }
  // Computes the chart again (the settings changed) and shows it; false, leaving the window as it
  // was, when the chart moment no longer fits.
  bool Recompute(bool show_original);

 private:
  void ShowText(bool show_original);

  ChartSession session_;
};

}  // namespace kirvo
