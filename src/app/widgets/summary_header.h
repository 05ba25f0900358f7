#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "engine/chart_record.h"
#include "presentation/panel/chart_content_model.h"

class QLabel;

namespace kirvo {

// The person header of the side panel: the nine texts of the summary block in three lines on a
// band of the fixed-part colours —
//   Name     SexL    JuGa
//   DT       TukiL   KoukeiL (small)
//   RituNL   Old     AngL    (small, right-aligned)
// DT carries the hint of a birth near a month-opening term. The hints of RituNL, KoukeiL and AngL
// take term searches, so they are asked of the core only when the pointer rests on one of them.
class SummaryHeader final : public QWidget {
  Q_OBJECT

 public:
  explicit SummaryHeader(const ChartRules& rules, QWidget* parent = nullptr);

  // The texts of a chart; a notice of a birth near a month-opening term adds its mark after the
  // birth moment and its hint there.
  void SetSummary(const SummaryBlock& summary, const TMeiData& record,
                  const std::optional<NearTermNotice>& near_term = std::nullopt);
  // Fonts and colours again from the system settings.
  void ApplySystemSettings();
  QString TextOf(const char* field) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum Field { kName, kSexL, kJuGa, kDT, kTukiL, kKoukeiL, kRituNL, kOld, kAngL, kFieldCount };
  QString HintOf(const QObject* label) const;
  // The system font, made smaller by up to a few points where a line of the header would not fit
  // its width: a narrow panel (the combined window's) then still shows the whole birth moment.
  void FitFontsToWidth();
  void SetFontPoints(int points);
  int NeededWidth() const;

  const ChartRules& rules_;
  std::array<QLabel*, kFieldCount> labels_{};
  TMeiData record_;
  std::string near_term_hint_;
  bool has_chart_ = false;
};

}  // namespace kirvo
