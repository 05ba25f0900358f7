#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/branding.h"

class QLabel;

namespace kirvo {

// The version dialog `TAboutBox` ("ﾊﾞｰｼﾞｮﾝ情報"): an elliptic window with the application title
// (as the branding names it), a link to the support page and, when the program folder holds
// "OEM.ico", that picture. OK closes it.
class VersionDialog final : public QDialog {
  Q_OBJECT

 public:
  VersionDialog(std::string_view application_title, const std::optional<Branding>& branding,
                const std::filesystem::path& program_folder, std::string support_address, QWidget* parent = nullptr);

  QString TitleText() const;
  bool ShowsPicture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* title_ = nullptr;
  QLabel* picture_ = nullptr;
};

}  // namespace kirvo
