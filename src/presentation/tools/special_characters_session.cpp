#include "presentation/tools/special_characters_session.h"

#include <optional>

#include "settings/spirit_star_slots.h"

namespace kirvo {

std::string InvalidSpecialCodeMessage(std::string_view code) {
  return "『" + std::string(code) + "』は、不正なS-JISｺｰﾄﾞです。";
}

std::string SpecialCharactersRestartMessage(std::string_view title) {
  return "『" + std::string(title) + "』を一旦終了後、\r\n再度、本ソフトを起動すると、変更された特殊文字が有効となります。";
}

SpecialCharactersSession::SpecialCharactersSession(const SettingsStore& store)
    : read_(ReadSpecialCharacters(store)), edited_(read_) {}

std::string SpecialCharactersSession::ScreenName() const {
  if (shown_.empty()) return {};
  return "魁" + (edited_.unicode_on_screen ? std::string(kUnicodeGaijiCharacter) : shown_);
}

bool SpecialCharactersSession::Check(Interaction& interaction) {
  shown_.clear();
  const std::string& text = code();
  if (text.size() != 4) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kWarning, kSpecialCodeLengthMessage);
    return false;
  }
  // Any four hex digits are not yet a character: the two bytes must make one double-byte
  // character of Shift-JIS, or the names would be written with a broken or missing character.
  std::optional<std::string> character = CharacterOfShiftJisCode(text);
  if (!character) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kWarning, InvalidSpecialCodeMessage(text));
    return false;
  }
  shown_ = std::move(*character);
  return true;
}

void SpecialCharactersSession::Defaults(Interaction& interaction) {
  edited_ = SpecialCharacters{};
  Check(interaction);
}

void SpecialCharactersSession::Revert(Interaction& interaction) {
  edited_ = read_;
  Check(interaction);
}

Status SpecialCharactersSession::Close(SettingsStore& store, Interaction& interaction, std::string_view title) {
  if (Status written = WriteSpecialCharacters(store, edited_); !written) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kError, written.error());
    return written;
  }
  if (edited_ != read_) {
    interaction.Beep();
    interaction.ShowMessage(MessageKind::kInformation, SpecialCharactersRestartMessage(title));
  }
  return {};
}

}  // namespace kirvo
