#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "presentation/frame/help_topics.h"
#include "presentation/tools/special_characters_session.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kirvo {

// "特殊文字の設定": the Shift-JIS code of the second character of the spirit-star name 魁…, the
// character it gives, and the choice to show the real 罡 on screen. Closing stores the codes.
class SpecialCharactersDialog : public QDialog {
  Q_OBJECT

 public:
  SpecialCharactersDialog(SettingsStore& store, Interaction& interaction, std::string title,
                          std::function<void(HelpTopic topic)> show_help, QWidget* parent = nullptr);

  const SpecialCharactersSession& session() const { return session_; }
  QLineEdit* code_field() const { return code_; }
  QLabel* character_label() const { return character_; }
  QLabel* name_label() const { return name_; }
  QCheckBox* unicode_box() const { return unicode_; }

  // OK: closes only with a character shown. ｷｬﾝｾﾙ and the close box put the codes as read back.
  void accept() override;
  void reject() override;

 private:
  void CheckCode();
  void ShowCharacter();

  SettingsStore& store_;
  Interaction& interaction_;
  std::string title_;
  SpecialCharactersSession session_;
  QLineEdit* code_ = nullptr;
  QLabel* character_ = nullptr;
  QLabel* name_ = nullptr;
  QCheckBox* unicode_ = nullptr;
};

}  // namespace kirvo
