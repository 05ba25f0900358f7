#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/outcome.h"
#include "platform/settings_store.h"
#include "settings/special_characters.h"

namespace kirvo {

inline constexpr std::string_view kSpecialCharactersCaption = "特殊文字の設定";
inline constexpr std::string_view kSpecialCharactersCheckButton = "文字を確認";
inline constexpr std::string_view kSpecialCharactersDefaultsButton = "ﾃﾞﾌｫﾙﾄ";
inline constexpr std::string_view kUnicodeGaijiChoice = "罡 (Unicode)";
inline constexpr std::string_view kSpecialCodeLengthMessage = "文字ｺｰﾄﾞは、半角４文字で指定して下さい。";

// "『code』は、不正なS-JISｺｰﾄﾞです。"
std::string InvalidSpecialCodeMessage(std::string_view code);
// The restart notice after a changed special character, naming the program.
std::string SpecialCharactersRestartMessage(std::string_view title);

// The special-character dialog without its window: the codes as read (to put back on ｷｬﾝｾﾙ and to
// tell a change), the codes being edited and the character the first code stands for.
class SpecialCharactersSession {
 public:
  explicit SpecialCharactersSession(const SettingsStore& store);

  const SpecialCharacters& edited() const { return edited_; }
  const std::string& code() const { return edited_.codes[0]; }
  // The character the first code gives; empty while the last check failed.
  const std::string& shown() const { return shown_; }
  // The spirit-star name as the screen will show it after a restart: 魁 and the code's character,
  // or 魁罡 with the Unicode choice. Empty while no character is shown.
  std::string ScreenName() const;

  void SetCode(std::string_view code) { edited_.codes[0] = std::string(code); }
  void SetUnicodeOnScreen(bool on) { edited_.unicode_on_screen = on; }

  // "文字を確認": four characters, each pair a hex byte, the two bytes one double-byte character.
  // A refusal beeps with its message and empties the character shown.
  bool Check(Interaction& interaction);
  // "ﾃﾞﾌｫﾙﾄ": the three default codes, without the Unicode choice, then the check.
  void Defaults(Interaction& interaction);
  // "ｷｬﾝｾﾙ": the codes as read, then the check.
  void Revert(Interaction& interaction);
  // "OK": the check; the dialog closes only when it passes.
  bool Ok(Interaction& interaction) { return Check(interaction); }

  // Closing: the codes are stored; a change from the codes as read beeps and tells that it takes
  // effect at the next start. A failed store write is shown and returned.
  Status Close(SettingsStore& store, Interaction& interaction, std::string_view title);

 private:
  SpecialCharacters read_;
  SpecialCharacters edited_;
  std::string shown_;
};

}  // namespace kirvo
