#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <string_view>

#include "settings/branding.h"

class QLabel;

namespace kirvo {

// The splash window `TTitleF` ("タイトル"), 423 × 237, centred and above all windows, with the busy
// pointer while it shows. Its outline is a rounded rectangle, or an ellipse when the branding's
// `TitleRect` is 0. It writes the title's name and version; "OEM.bmp" of the program folder, when
// present, is shown instead of them.
class SplashWindow final : public QWidget {
  Q_OBJECT

 public:
  SplashWindow(std::string_view application_title, const std::optional<Branding>& branding,
               const std::filesystem::path& program_folder, QWidget* parent = nullptr);
  ~SplashWindow() override;

  bool RoundedOutline() const { return rounded_; }
  bool ShowsPicture() const { return showing_picture_; }
  QString NameText() const;
  QString VersionText() const;
  bool DecorationShown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QPainterPath Outline() const;

  bool rounded_ = true;
  bool showing_picture_ = false;
  bool busy_pointer_ = false;
  QPixmap picture_;
  QLabel* decoration_ = nullptr;
  QLabel* name_shadow_ = nullptr;
  QLabel* name_ = nullptr;
  QLabel* version_shadow_ = nullptr;
  QLabel* version_ = nullptr;
};

}  // namespace kirvo
