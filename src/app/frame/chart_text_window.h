#pragma once

#include <QPlainTextEdit>
#include <QString>

#include "app/widgets/chart_child.h"
#include "presentation/chart/chart_session.h"

namespace kirvo {

// A child window holding one person's chart session and showing the chart as its text copy, the
// lines "命式をTextでｺﾋﾟｰ" gives (as kirvo-cli prints them). It stands where the drawn chart, luck
// and combined windows will stand; the side panel shows its session's content while it is active.
class ChartTextWindow : public QPlainTextEdit, public ChartChild {
  Q_OBJECT

 public:
  // `session` has been computed; the window takes the form name of its kind.
  ChartTextWindow(ChartWindowKind kind, const QString& caption, ChartSession session, bool show_original,
                  QWidget* parent = nullptr);
  QSize sizeHint() const override;

  ChartWindowKind kind() const override { return kind_; }
  const ChartSession& session() const override { return session_; }
  void Activate() override { session_.RefreshContent(); }
  void FollowSettings() override;
  // Computes the chart again (the settings changed) and shows it; false, leaving the window as it
  // was, when the chart moment no longer fits.
  bool Recompute(bool show_original);

 private:
  void ShowText(bool show_original);

  ChartWindowKind kind_;
  ChartSession session_;
  bool show_original_ = false;
};

}  // namespace kirvo
