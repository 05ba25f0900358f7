#include "platform/name_text.h"

#include <string>

#include "platform/shift_jis.h"
#include "platform/utf8.h"

namespace kirvo {

Status CheckEnteredName(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char c = DecodeUtf8Char(utf8, at);
    if (!c.valid) return Status::Failure("氏名に UTF-8 として正しくないバイトがあります");
    if (c.code_point < 0x20 || c.code_point == 0x7F) return Status::Failure("氏名に制御文字は使えません");
    if (c.code_point == ',' || c.code_point == '&') return Status::Failure("氏名欄に半角の「＆」「，」は使用できません。");
    at += c.length;
  }
  if (Outcome<std::string> encoded = EncodeShiftJis(utf8); !encoded) return Status::Failure("氏名の " + encoded.error());
  return {};
}

}  // namespace kirvo
